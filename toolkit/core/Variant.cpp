#include "toolkit/core/Variant.h"

#include "toolkit/core/Strings.h"

namespace tk {

namespace {
template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <class... F> Overloaded(F...) -> Overloaded<F...>;
} // namespace

bool Variant::toBool() const {
    return std::visit(Overloaded{[](std::monostate) { return false; }, [](bool b) { return b; },
                                 [](int i) { return i != 0; }, [](double d) { return d != 0; },
                                 [](const std::string& s) { return s == "True" || s == "true"; },
                                 [](Color) { return false; }},
                      value_);
}

double Variant::toDouble() const {
    return std::visit(Overloaded{[](std::monostate) { return 0.0; }, [](bool b) { return b ? 1.0 : 0.0; },
                                 [](int i) { return double(i); }, [](double d) { return d; },
                                 [](const std::string& s) { return StringVal(s); },
                                 [](Color c) { return double((c.red << 16) | (c.green << 8) | c.blue); }},
                      value_);
}

int Variant::toInt() const {
    if (auto i = std::get_if<int>(&value_))
        return *i;
    return Int(toDouble());
}

std::string Variant::toString() const {
    return std::visit(Overloaded{[](std::monostate) { return std::string(); },
                                 [](bool b) { return std::string(b ? "True" : "False"); },
                                 [](int i) { return StringStrInt32(i); },
                                 [](double d) { return StringStrDouble(d); },
                                 [](const std::string& s) { return s; },
                                 [](Color c) { return StringStrInt32((c.red << 16) | (c.green << 8) | c.blue); }},
                      value_);
}

Color Variant::toColor() const {
    if (auto c = std::get_if<Color>(&value_))
        return *c;
    return colorFromHex(static_cast<std::uint32_t>(toInt()));
}

} // namespace tk
