// Text and number conversions on arbitrary bytes: none reads outside its text,
// fields and characters split and join back, and a finite Double written by
// StringStrDouble reads back by StringVal as the same value.
#include "toolkit/core/Strings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkNumber(double d) {
    if (!std::isfinite(d))
        return;
    const std::string text = tk::StringStrDouble(d);
    if (d == std::trunc(d) && std::fabs(d) < 1e15)
        require(text.find_first_not_of("-0123456789") == std::string::npos);
    require(tk::StringVal(text) == d);
}

void checkFields(const std::string& s, const std::string& sep) {
    const int count = tk::StringCountFields(s, sep);
    require(tk::StringNthField(s, sep, count + 1).empty());
    // Joining every field again is quadratic: only for texts of a few fields.
    if (sep.empty() || count > 64)
        return;
    std::string joined;
    for (int n = 1; n <= count; ++n)
        joined += (n > 1 ? sep : "") + tk::StringNthField(s, sep, n);
    require(joined == s);
}

void checkCharacters(const std::string& s, int n) {
    const int length = tk::StringDBCSLen(s);
    require(length >= 0 && std::size_t(length) <= s.size());
    require(tk::StringDBCSLeft(s, length) == s);
    const std::string left = tk::StringDBCSLeft(s, n);
    require(s.compare(0, left.size(), left) == 0);
    require(tk::StringDBCSLen(left) == (n <= 0 ? 0 : std::min(n, length)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    (void)tk::StringVal(bytes);
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        checkNumber(d);
    }
    // The first byte tells the separator's length; the rest is split at it.
    const std::size_t sepLength = size ? std::min<std::size_t>(data[0] % 4, size - 1) : 0;
    const std::string sep = size ? bytes.substr(1, sepLength) : std::string();
    const std::string text = size ? bytes.substr(1 + sepLength) : std::string();
    checkFields(text, sep);
    checkCharacters(bytes, size ? int(data[0]) - 8 : 0);
    return 0;
}
