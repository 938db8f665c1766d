#include "toolkit/core/Strings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace tk {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Byte length of the character at s[i]: a well-formed UTF-8 sequence, else a single byte.
std::size_t charLength(const std::string& s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;   // overlong
        high = lead == 0xED ? 0x9F : high; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;   // overlong
        high = lead == 0xF4 ? 0x8F : high; // beyond U+10FFFF
    } else {
        return 1;
    }
    if (i + length > s.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 1;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 1;
    return length;
}

// from_chars leaves the value unset when it is out of range: too large when its
// decimal exponent is positive, else too small.
double outOfRange(std::string_view mantissa, long exponent) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::size_t firstNonZero = mantissa.find_first_not_of("0.");
    if (firstNonZero > point)
        --firstNonZero; // the point is no digit
    const long magnitude = exponent + long(point) - long(firstNonZero);
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

std::int32_t Int(double d) {
    if (std::isnan(d))
        return 0;
    if (d >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (d <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(d);
}

std::string StringStrInt32(std::int32_t i, const std::string&) {
    return std::to_string(i);
}

std::string StringStrDouble(double d, const std::string&) {
    if (d == std::trunc(d) && std::fabs(d) < 1e15)
        return std::to_string(static_cast<long long>(d));
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
    return std::string(buffer, result.ptr);
}

double StringVal(const std::string& s) {
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    const auto skipDigits = [&] {
        const std::size_t from = i;
        while (i < n && isDigit(s[i]))
            ++i;
        return i - from;
    };
    const std::size_t start = i;
    std::size_t digits = skipDigits();
    if (i < n && s[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0)
        return 0;
    const std::size_t mantissaEnd = i;
    std::size_t end = i;
    long exponent = 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negativeExponent = i < n && s[i] == '-';
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        for (std::size_t k = i; k < n && isDigit(s[k]); ++k)
            exponent = std::min(exponent * 10 + (s[k] - '0'), 1000000L);
        if (negativeExponent)
            exponent = -exponent;
        if (skipDigits() > 0)
            end = i;
    }
    double value = 0;
    if (std::from_chars(s.data() + start, s.data() + end, value).ec == std::errc::result_out_of_range)
        value = outOfRange(std::string_view(s).substr(start, mantissaEnd - start),
                           end > mantissaEnd ? exponent : 0);
    return negative ? -value : value;
}

std::string StringNthField(const std::string& s, const std::string& sep, int n) {
    if (n < 1)
        return {};
    if (sep.empty())
        return n == 1 ? s : std::string();
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t at = s.find(sep, start);
        if (at == std::string::npos)
            return {};
        start = at + sep.size();
    }
    const std::size_t end = s.find(sep, start);
    return s.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int StringCountFields(const std::string& s, const std::string& sep) {
    if (s.empty())
        return 0;
    if (sep.empty())
        return 1;
    int count = 1;
    for (std::size_t at = s.find(sep); at != std::string::npos; at = s.find(sep, at + sep.size()))
        ++count;
    return count;
}

std::string StringDBCSChr(std::uint32_t code) {
    const auto byte = [](std::uint32_t b) { return static_cast<char>(b); };
    if (code < 0x80)
        return std::string(1, byte(code));
    if (code < 0x800)
        return {byte(0xC0 | code >> 6), byte(0x80 | (code & 0x3F))};
    if (code >= 0xD800 && code <= 0xDFFF)
        return {};
    if (code < 0x10000)
        return {byte(0xE0 | code >> 12), byte(0x80 | (code >> 6 & 0x3F)), byte(0x80 | (code & 0x3F))};
    if (code < 0x110000)
        return {byte(0xF0 | code >> 18), byte(0x80 | (code >> 12 & 0x3F)), byte(0x80 | (code >> 6 & 0x3F)),
                byte(0x80 | (code & 0x3F))};
    return {};
}

std::string StringDBCSLeft(const std::string& s, int n) {
    std::size_t end = 0;
    for (int count = 0; count < n && end < s.size(); ++count)
        end += charLength(s, end);
    return s.substr(0, end);
}

int StringDBCSLen(const std::string& s) {
    int count = 0;
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i))
        ++count;
    return count;
}

int StringInStr(const std::string& s, const std::string& find) {
    // Only matches that start on a character boundary count (they may not with invalid bytes).
    int position = 1;
    for (std::size_t i = 0; i <= s.size(); i += charLength(s, i), ++position) {
        if (s.compare(i, find.size(), find) == 0)
            return position;
        if (i == s.size())
            break;
    }
    return 0;
}

double RuntimeMin(double a, double b) {
    return b < a ? b : a;
}

} // namespace tk
