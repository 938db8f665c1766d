#pragma once

#include <cstdint>
#include <string>

// Text and number conversions. Texts are UTF-8 byte strings; positions and
// lengths count characters (code points), not bytes.
namespace tk {

// The one conversion from a Double to a pixel value or other Integer: truncates
// toward zero; NaN gives 0 and values beyond the 32-bit range saturate.
std::int32_t Int(double d);

// Decimal digits of an Integer, with a leading "-" when negative.
std::string StringStrInt32(std::int32_t i, const std::string& format = "");

// Whole numbers of magnitude below 1e15 as plain digits ("1", "10", "0", "-3"),
// other numbers in their shortest form that reads back to the same Double.
std::string StringStrDouble(double d, const std::string& format = "");

// The number the text begins with, after leading blanks; 0 when there is none.
double StringVal(const std::string& s);

// Field n (from 1) of s split at every sep; empty beyond the last field or for n < 1.
std::string StringNthField(const std::string& s, const std::string& sep, int n);

// Number of fields of s split at sep: 0 for an empty text, else separators + 1.
int StringCountFields(const std::string& s, const std::string& sep);

// The character of that code point (13 gives a carriage return).
std::string StringDBCSChr(std::uint32_t code);

// The first n characters of s; n <= 0 gives the empty text.
std::string StringDBCSLeft(const std::string& s, int n);

// The number of characters of s.
int StringDBCSLen(const std::string& s);

// 1-based character position of the first find in s, 0 when absent.
int StringInStr(const std::string& s, const std::string& find);

double RuntimeMin(double a, double b);

} // namespace tk
