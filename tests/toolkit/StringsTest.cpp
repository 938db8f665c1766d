#include "toolkit/core/Strings.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace tk;

constexpr double inf = std::numeric_limits<double>::infinity();

TEST(Int, TruncatesTowardZeroAndSaturates) {
    struct Case {
        double in;
        std::int32_t out;
    };
    const std::vector<Case> cases = {
        {2.7, 2},
        {-2.7, -2},
        {-0.5, 0},
        {1e10, INT32_MAX},
        {-1e10, INT32_MIN},
        {inf, INT32_MAX},
        {-inf, INT32_MIN},
        {std::nan(""), 0},
        {2147483646.9, 2147483646},
        {2147483647.5, INT32_MAX},
        {-2147483648.9, INT32_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Int(c.in), c.out) << "Int(" << c.in << ")";
}

TEST(StringStrInt32, DecimalDigits) {
    EXPECT_EQ(StringStrInt32(0), "0");
    EXPECT_EQ(StringStrInt32(-42), "-42");
    EXPECT_EQ(StringStrInt32(INT32_MIN), "-2147483648");
    EXPECT_EQ(StringStrInt32(INT32_MAX), "2147483647");
}

TEST(StringStrDouble, WholeNumbersPlainOthersShortest) {
    struct Case {
        double in;
        const char* out;
    };
    const std::vector<Case> cases = {
        {1, "1"},
        {10, "10"},
        {0, "0"},
        {-0.0, "0"},
        {-3, "-3"},
        {999999999999999, "999999999999999"},
        {1e15, "1e+15"},
        {-1e15, "-1e+15"},
        {0.5, "0.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.5e-7, "1.5e-07"},
        {-123.456, "-123.456"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StringStrDouble(c.in), c.out);
}

TEST(StringStrDouble, ReadsBackExactly) {
    for (double d :
         {1.0 / 3, 2.0 / 3, 0.1 + 0.2, DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -1e300, 123456.789e-200, 1e15 + 1})
        EXPECT_EQ(StringVal(StringStrDouble(d)), d) << StringStrDouble(d);
}

TEST(StringVal, ReadsTheLeadingNumber) {
    struct Case {
        const char* in;
        double out;
    };
    const std::vector<Case> cases = {
        {"12 x 40", 12}, {"  3.5abc", 3.5},  {"\t7", 7},         {"abc", 0},      {"", 0},
        {"-2.5", -2.5},  {"+4", 4},          {".5", 0.5},        {"5.", 5},       {"1e3", 1000},
        {"2E-2", 0.02},  {"1e", 1},          {"1e+", 1},         {"1.5e-x", 1.5}, {"1,5", 1},
        {".", 0},        {"-", 0},           {"+-5", 0},         {"- 5", 0},      {"\n5", 0},
        {"0x10", 0},     {"inf", 0},         {"nan", 0},         {"1e999", inf},  {"-1e999", -inf},
        {"1e-999", 0},   {"0.0001e-330", 0}, {"1e-310", 1e-310}, {"00012", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StringVal(c.in), c.out) << '"' << c.in << '"';
}

TEST(StringFields, SplitsAtMultiCharacterSeparators) {
    struct Case {
        const char* text;
        const char* sep;
        int count;
        std::vector<std::string> fields;
    };
    const std::vector<Case> cases = {
        {"12 x 40", " x ", 2, {"12", "40"}},
        {"a:b:c", ":", 3, {"a", "b", "c"}},
        {"a::b", ":", 3, {"a", "", "b"}},
        {"a:", ":", 2, {"a", ""}},
        {":", ":", 2, {"", ""}},
        {"abc", ":", 1, {"abc"}},
        {"", ":", 0, {}},
        {"aaa", "aa", 2, {"", "a"}},
        {"12x40", " x ", 1, {"12x40"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StringCountFields(c.text, c.sep), c.count) << c.text;
        for (std::size_t i = 0; i < c.fields.size(); ++i)
            EXPECT_EQ(StringNthField(c.text, c.sep, int(i) + 1), c.fields[i]) << c.text << " field " << i + 1;
        EXPECT_EQ(StringNthField(c.text, c.sep, int(c.fields.size()) + 1), "") << c.text;
        EXPECT_EQ(StringNthField(c.text, c.sep, 0), "") << c.text;
        EXPECT_EQ(StringNthField(c.text, c.sep, -1), "") << c.text;
    }
}

TEST(StringCharacters, CountCodePointsAndInvalidBytesSingly) {
    struct Case {
        std::string text;
        int length;
    };
    const std::vector<Case> cases = {
        {"", 0},
        {"h\xC3\xA9llo", 5},             // é
        {"\xE6\x97\xA5\xE6\x9C\xAC", 2}, // two CJK characters
        {"\xF0\x9F\x98\x80", 1},         // emoji, four bytes
        {"\xFF\xFE", 2},
        {"a\xE6\x97", 3},        // sequence cut short
        {"\xC0\xAF", 2},         // overlong "/"
        {"\xED\xA0\x80", 3},     // surrogate
        {"\xF4\x90\x80\x80", 4}, // beyond U+10FFFF
        {"\x80"
         "a",
         2}, // stray continuation byte
        {std::string("a\0b", 3), 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StringDBCSLen(c.text), c.length) << testing::PrintToString(c.text);
}

TEST(StringCharacters, LeftCutsAtCharacterBoundaries) {
    const std::string text = "h\xC3\xA9llo";
    EXPECT_EQ(StringDBCSLeft(text, 2), "h\xC3\xA9");
    EXPECT_EQ(StringDBCSLeft(text, 0), "");
    EXPECT_EQ(StringDBCSLeft(text, -3), "");
    EXPECT_EQ(StringDBCSLeft(text, 99), text);
    EXPECT_EQ(StringDBCSLeft("\xFF"
                             "abc",
                             2),
              "\xFF"
              "a");
    EXPECT_EQ(StringDBCSLeft("a\xE6\x97", 2), "a\xE6");
}

TEST(StringCharacters, InStrGivesCharacterPositions) {
    EXPECT_EQ(StringInStr("h\xC3\xA9llo", "l"), 3);
    EXPECT_EQ(StringInStr("\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x9C\xAC"), 2);
    EXPECT_EQ(StringInStr("abc", "x"), 0);
    EXPECT_EQ(StringInStr("abc", "abcd"), 0);
    EXPECT_EQ(StringInStr("\xFFx", "x"), 2);
    EXPECT_EQ(StringInStr("abc", ""), 1);
    // "\xA9" inside "é" is no character of its own; the lone byte later is.
    EXPECT_EQ(StringInStr("\xC3\xA9"
                          "a\xA9",
                          "\xA9"),
              3);
}

TEST(StringCharacters, ChrEncodesCodePoints) {
    EXPECT_EQ(StringDBCSChr(13), "\r");
    EXPECT_EQ(StringDBCSChr(0xE9), "\xC3\xA9");
    EXPECT_EQ(StringDBCSChr(0x65E5), "\xE6\x97\xA5");
    EXPECT_EQ(StringDBCSChr(0x1F600), "\xF0\x9F\x98\x80");
    EXPECT_EQ(StringDBCSChr(0x10FFFF), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(StringDBCSChr(0xD800), "");
    EXPECT_EQ(StringDBCSChr(0x110000), "");
    EXPECT_EQ(StringDBCSLen(StringDBCSChr(0x7FF) + StringDBCSChr(0x800) + StringDBCSChr(0xFFFF)), 3);
}

} // namespace
