#pragma once

#include "toolkit/core/Color.h"

#include <string>
#include <variant>
#include <vector>

namespace tk {

// A value of a stored property or of a script parameter list.
class Variant {
  public:
    Variant() = default;
    Variant(bool b) : value_(b) {}
    Variant(int i) : value_(i) {}
    Variant(double d) : value_(d) {}
    Variant(const char* s) : value_(std::string(s)) {}
    Variant(std::string s) : value_(std::move(s)) {}
    Variant(Color c) : value_(c) {}

    bool toBool() const;
    int toInt() const;
    double toDouble() const;
    std::string toString() const;
    Color toColor() const;

    bool isString() const { return std::holds_alternative<std::string>(value_); }
    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    std::variant<std::monostate, bool, int, double, std::string, Color> value_;
};

// One stored property: its name and value, as a window's or control's stored
// layout lists them.
struct StoredProperty {
    std::string name;
    Variant value;
};
using StoredProperties = std::vector<StoredProperty>;

} // namespace tk
