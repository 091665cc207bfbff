#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <string>

TEST(FQvTStrFormat, FormatsAnyLength)
{
    EXPECT_STREQ("Entry.3", FQvTStrFormat("Entry.%d", 3)) << "recent-file key name";
    EXPECT_STREQ("1, -2, 30, 40", FQvTStrFormat("%d, %d, %d, %d", 1, -2, 30, 40));
    EXPECT_STREQ("[  2.50|x]", FQvTStrFormat("[%6.2f|%c]", 2.5, 'x'));

    const std::string longText(100000, 'q');
    const CString formatted = FQvTStrFormat("<%s>", longText.c_str());
    EXPECT_EQ(100002, formatted.GetLength()) << "no fixed buffer limits the output";
    EXPECT_EQ('>', formatted[100001]) << "last byte of the long output";

    EXPECT_STREQ("", FQvTStrFormat(nullptr)) << "null format";
}

// Numbers are written as the platform's C runtime (msvcrt) writes them, not as MinGW's own
// printf would: rounding of halves and three-digit exponents differ between the two.
TEST(FQvTStrFormat, WritesNumbersAsTheRuntimeDoes)
{
    using CrtSnprintf = int(__cdecl*)(char*, size_t, const char*, ...);
    const auto pfnRuntime = reinterpret_cast<CrtSnprintf>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("msvcrt.dll"), "_snprintf")));
    ASSERT_NE(nullptr, pfnRuntime) << "msvcrt's _snprintf";
    struct Case
    {
        const char* format;
        double value;
    } cases[] = {
        {"%.0f", 2.5},   {"%.0f", 3.5},       {"%.1f", 0.25},
        {"%e", 1500.0},  {"%g", 1e-20},       {"%.2f", 3.14159},
        {"%f", 3.14159}, {"%.3e", -0.000123}, {"%10.4g", 2.0 / 3.0},
    };
    for (const Case& c : cases)
    {
        char expected[64] = {};
        pfnRuntime(expected, sizeof expected - 1, c.format, c.value);
        EXPECT_STREQ(expected, FQvTStrFormat(c.format, c.value)) << c.format << " of " << c.value;
    }
    EXPECT_STREQ("1.500000e+003", FQvTStrFormat("%e", 1500.0)) << "the runtime's exponent width";
}

TEST(FQvTStrToInt, AcceptsOnlyAWholeDecimalInteger)
{
    const int kUntouched = -777;
    struct Case
    {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"", true, 0},
        {"42", true, 42},
        {" 42", true, 42},
        {"\t-17", true, -17},
        {"+5", true, 5},
        {"007", true, 7}, // base 10, not octal
        {"99999999999", true, INT_MAX},
        {"-99999999999", true, INT_MIN},
        {"42 ", false, kUntouched},
        {"4x", false, kUntouched},
        {"0x10", false, kUntouched},
        {"1.0", false, kUntouched},
        {"-", false, kUntouched},
        {" ", false, kUntouched},
        {nullptr, false, kUntouched},
    };
    for (const Case& c : cases)
    {
        int value = kUntouched;
        EXPECT_EQ(c.ok, FQvTStrToInt(c.text, value))
            << "text '" << (c.text ? c.text : "(null)") << "'";
        EXPECT_EQ(c.value, value) << "value for '" << (c.text ? c.text : "(null)") << "'";
    }
}

TEST(FQvTStrToDouble, AcceptsOnlyAWholeNumber)
{
    const double kUntouched = -777.5;
    struct Case
    {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"1.5e3", true, 1500.0},
        {"", true, 0.0},
        {" -2.25", true, -2.25},
        {"7", true, 7.0},
        {".5", true, 0.5},
        {"1,5", false, kUntouched},
        {"2.5x", false, kUntouched},
        {"2.5 ", false, kUntouched},
        {"e3", false, kUntouched},
        {nullptr, false, kUntouched},
        // Only decimal notation is a number, whatever MinGW's C99 strtod would read.
        {"nan", false, kUntouched},
        {"inf", false, kUntouched},
        {"infinity", false, kUntouched},
        {"-INF", false, kUntouched},
        {"0x10", false, kUntouched},
        {"0x1p3", false, kUntouched},
        {"1d3", false, kUntouched},
    };
    for (const Case& c : cases)
    {
        double value = kUntouched;
        EXPECT_EQ(c.ok, FQvTStrToDouble(c.text, value))
            << "text '" << (c.text ? c.text : "(null)") << "'";
        EXPECT_DOUBLE_EQ(c.value, value) << "value for '" << (c.text ? c.text : "(null)") << "'";
    }
}

TEST(FQvTStrDup, MakesAnIndependentCopy)
{
    const char original[] = "Sh\xC3\xA9lvix";
    char* pCopy = FQvTStrDup(original);
    ASSERT_NE(nullptr, pCopy);
    EXPECT_NE(static_cast<const void*>(original), static_cast<void*>(pCopy)) << "a new block";
    EXPECT_STREQ(original, pCopy) << "same bytes and terminator";
    pCopy[0] = 's';
    EXPECT_EQ('S', original[0]) << "the copy does not share the original's bytes";
    delete[] pCopy;

    char* pEmpty = FQvTStrDup("");
    ASSERT_NE(nullptr, pEmpty);
    EXPECT_STREQ("", pEmpty) << "copy of the empty text";
    delete[] pEmpty;

    EXPECT_EQ(nullptr, FQvTStrDup(nullptr)) << "null text";
}

TEST(FQvTStrFindNoCase, FindsTheFirstMatchIgnoringCase)
{
    const char text[] = "Hello World";
    struct Case
    {
        const char* pattern;
        int offset; // -1: no match
    } cases[] = {
        {"WORLD", 6}, {"world", 6},   {"o", 4},    {"O W", 4},           {"hello world", 0},
        {"", 0},      {"worlds", -1}, {"xyz", -1}, {"Hello World!", -1},
    };
    for (const Case& c : cases)
    {
        const char* pFound = FQvTStrFindNoCase(text, c.pattern);
        const int offset = pFound ? static_cast<int>(pFound - text) : -1;
        EXPECT_EQ(c.offset, offset) << "pattern '" << c.pattern << "'";
    }
    EXPECT_EQ(nullptr, FQvTStrFindNoCase("", "")) << "empty text, empty pattern";
    EXPECT_EQ(nullptr, FQvTStrFindNoCase("", "a")) << "empty text";
    EXPECT_EQ(nullptr, FQvTStrFindNoCase(nullptr, "a")) << "null text";
    EXPECT_EQ(nullptr, FQvTStrFindNoCase(text, nullptr)) << "null pattern";
}

TEST(QvfStrBreak, SplitsAtTheFirstSeparator)
{
    struct Case
    {
        const char* text;
        char separator;
        int result;
        const char* left;
        const char* right;
    } cases[] = {
        {"a=b=c", '=', 0, "a", "b=c"},
        {"=x", '=', 0, "", "x"},
        {"x=", '=', 0, "x", ""},
        {"=", '=', 0, "", ""},
        {"\xC3\x84=\xC3\x96", '=', 0, "\xC3\x84", "\xC3\x96"},
        {"abc", '=', 1, "L", "R"},
        {"", '=', 1, "L", "R"},
        {"abc", '\0', 1, "L", "R"}, // no text holds the terminator as a separator
    };
    for (const Case& c : cases)
    {
        CString left("L"), right("R");
        EXPECT_EQ(c.result, QvfStrBreak(c.text, c.separator, left, right))
            << "text '" << c.text << "'";
        EXPECT_STREQ(c.left, left) << "left of '" << c.text << "'";
        EXPECT_STREQ(c.right, right) << "right of '" << c.text << "'";

        CString left5("L"), right5("R");
        EXPECT_EQ(c.result, QvfStrBreak(c.text, c.separator, left5, right5, false))
            << "five arguments, wholeIfAbsent false, text '" << c.text << "'";
        EXPECT_STREQ(c.left, left5) << "left of '" << c.text << "', wholeIfAbsent false";
        EXPECT_STREQ(c.right, right5) << "right of '" << c.text << "', wholeIfAbsent false";
    }
}

TEST(QvfStrBreak, WholeIfAbsentTakesTheWholeText)
{
    CString left("L"), right("R");
    EXPECT_EQ(1, QvfStrBreak("abc", '=', left, right, true)) << "separator absent";
    EXPECT_STREQ("abc", left) << "left gets the whole text";
    EXPECT_STREQ("", right) << "right is emptied";

    EXPECT_EQ(0, QvfStrBreak("k=v", '=', left, right, true)) << "separator present";
    EXPECT_STREQ("k", left);
    EXPECT_STREQ("v", right);
}

TEST(QvfStrBreak, OutputMayBeTheTextItself)
{
    CString text("key=value"), right;
    EXPECT_EQ(0, QvfStrBreak(text, '=', text, right)) << "left is the text";
    EXPECT_STREQ("key", text) << "left";
    EXPECT_STREQ("value", right) << "right, taken before left overwrote the text";

    CString left;
    text = "key=value";
    EXPECT_EQ(0, QvfStrBreak(text, '=', left, text)) << "right is the text";
    EXPECT_STREQ("key", left) << "left";
    EXPECT_STREQ("value", text) << "right";

    text = "whole";
    EXPECT_EQ(1, QvfStrBreak(text, '=', left, text, true)) << "absent, right is the text";
    EXPECT_STREQ("whole", left) << "left keeps the text that right then empties";
    EXPECT_STREQ("", text) << "right";
}
