#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>
#include <string>
#include <vector>

namespace
{
// The locale a test names, answered with the contract of GetLocaleInfoA: size query with a
// zero buffer, ERROR_INSUFFICIENT_BUFFER when the buffer is too small. A null item fails.
struct FakeLocale
{
    const char* grouping;
    const char* thousand;
    const char* negative;
};
FakeLocale s_locale;
std::vector<LCTYPE> s_asked;
std::vector<LCID> s_locales;

int WINAPI FakeGetLocaleInfoA(LCID locale, LCTYPE type, LPSTR pData, int cchData)
{
    s_asked.push_back(type);
    s_locales.push_back(locale);
    const char* value = type == LOCALE_SGROUPING       ? s_locale.grouping
                        : type == LOCALE_STHOUSAND     ? s_locale.thousand
                        : type == LOCALE_SNEGATIVESIGN ? s_locale.negative
                                                       : nullptr;
    if (!value)
    {
        ::SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    const int needed = static_cast<int>(strlen(value)) + 1;
    if (cchData == 0)
        return needed;
    if (cchData < needed)
    {
        ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    memcpy(pData, value, static_cast<size_t>(needed));
    return needed;
}

class FQvTStrFromIntTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s_locale = {"3;0", ",", "-"};
        s_asked.clear();
        s_locales.clear();
        m_pfnPrevious = FQvTSetLocaleInfoReader(&FakeGetLocaleInfoA);
    }
    void TearDown() override { FQvTSetLocaleInfoReader(m_pfnPrevious); }

    static std::string Text(int value)
    {
        CString out("stale");
        FQvTStrFromInt(value, out);
        return out.GetString();
    }

private:
    QVT_GETLOCALEINFOA m_pfnPrevious = nullptr;
};
} // namespace

TEST_F(FQvTStrFromIntTest, GroupsWithTheLocalesRule)
{
    struct Case
    {
        FakeLocale locale;
        int value;
        const char* text;
    } cases[] = {
        {{"3;0", ",", "-"}, 1234567, "1,234,567"},
        {{"3;2;0", ",", "-"}, 1234567, "12,34,567"},
        {{"3;0", ",", "-"}, -1234, "-1,234"},
        {{"3;0", ",", "-"}, 0, "0"},
        {{"3;0", ",", "-"}, 999, "999"},
        {{"3;0", ",", "-"}, 1000, "1,000"},
        {{"3;0", ",", "-"}, -999, "-999"},
        {{"3;0", ",", "-"}, INT_MAX, "2,147,483,647"},
        {{"3;0", ",", "-"}, INT_MIN, "-2,147,483,648"},
        {{"3;2;0", ",", "-"}, 123456789, "12,34,56,789"},
        // the last size repeats whether or not the rule ends in ";0"
        {{"3;2", ",", "-"}, 123456789, "12,34,56,789"},
        {{"3", ",", "-"}, 1234567, "1,234,567"},
        {{"", ",", "-"}, 1234567, "1,234,567"}, // an empty rule reads as "3;0"
        {{"4;0", ".", "-"}, 123456789, "1.2345.6789"},
        {{"1;0", "'", "-"}, -123, "-1'2'3"},
        {{"3;0", "", "-"}, 1234567, "1234567"},
        {{"3;0", "\xC2\xA0", "\xE2\x88\x92"},
         -1234567,
         "\xE2\x88\x92"
         "1\xC2\xA0"
         "234\xC2\xA0"
         "567"},
        {{"3;x;0", ",", "-"}, 1234567, "1,234,567"},  // a token that is no number repeats
        {{"30;0", ",", "-"}, INT_MIN, "-2147483648"}, // a group wider than any int
    };
    for (const Case& c : cases)
    {
        s_locale = c.locale;
        EXPECT_EQ(c.text, Text(c.value)) << c.value << " with rule '" << c.locale.grouping
                                         << "' separator '" << c.locale.thousand << "'";
    }
}

TEST_F(FQvTStrFromIntTest, AsksTheUserDefaultLocaleAndTheSignOnlyWhenNegative)
{
    Text(1234);
    EXPECT_EQ((std::vector<LCTYPE>{LOCALE_SGROUPING, LOCALE_SGROUPING, LOCALE_STHOUSAND,
                                   LOCALE_STHOUSAND}),
              s_asked)
        << "a positive value needs rule and separator (size query, then read)";
    for (LCID locale : s_locales)
        EXPECT_EQ(static_cast<LCID>(LOCALE_USER_DEFAULT), locale) << "locale asked";

    s_asked.clear();
    Text(-1234);
    ASSERT_FALSE(s_asked.empty());
    EXPECT_EQ(static_cast<LCTYPE>(LOCALE_SNEGATIVESIGN), s_asked.back())
        << "a negative value also needs the sign";
}

TEST_F(FQvTStrFromIntTest, LongLocaleValuesAreNeverCutShort)
{
    // Longer than the usual fixed buffers of 10 and 32 characters.
    const std::string sign = "<negative-sign-of-forty-bytes-.........>";
    const std::string separator = "<a-very-long-thousands-separator>";
    const std::string rule = "3;3;3;3;3;3;3;3;3;3;3;3;3;3;3;3;3;3;0";
    s_locale = {rule.c_str(), separator.c_str(), sign.c_str()};
    EXPECT_EQ(sign + "1" + separator + "000", Text(-1000)) << "long sign and separator";
}

TEST_F(FQvTStrFromIntTest, AFailingLocaleFallsBackToPlainGrouping)
{
    s_locale = {nullptr, nullptr, nullptr};
    EXPECT_EQ("-1,234,567", Text(-1234567)) << "every locale read fails";
}

TEST(FQvTStrFromInt, PlatformLocaleIsReadWhenNoReaderIsInstalled)
{
    // Restoring the platform's reader: the output carries the separator of the user's locale.
    FQvTSetLocaleInfoReader(nullptr);
    char separator[16] = "";
    ASSERT_GT(::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 16), 0);
    char negative[16] = "";
    ASSERT_GT(::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SNEGATIVESIGN, negative, 16), 0);

    CString out;
    FQvTStrFromInt(-1234567890, out);
    std::string text = out.GetString();
    ASSERT_EQ(0u, text.find(negative)) << "starts with the locale's negative sign: " << text;
    text.erase(0, strlen(negative));
    if (*separator)
    {
        EXPECT_NE(std::string::npos, text.find(separator)) << "grouped with the locale's separator";
        for (size_t pos; (pos = text.find(separator)) != std::string::npos;)
            text.erase(pos, strlen(separator));
    }
    EXPECT_EQ("1234567890", text) << "the digits in order once the separators are gone";
}
