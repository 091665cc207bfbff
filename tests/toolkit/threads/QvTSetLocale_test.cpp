#include "toolkit/threads/QvTThreads.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <string>

namespace
{
const unsigned long nEnglishUS = 0x0409, nGerman = 0x0407, nFrench = 0x040C;

std::string Current(int nCategory = LC_ALL)
{
    const char* psz = ::setlocale(nCategory, nullptr);
    return psz ? psz : "<null>";
}

// The locale name up to its code page: "German_Germany.1252" gives "German_Germany".
std::string NameOf(const std::string& strLocale)
{
    return strLocale.substr(0, strLocale.find('.'));
}

std::string FormatOneAndAHalf()
{
    char sz[32];
    snprintf(sz, sizeof(sz), "%.1f", 1.5);
    return sz;
}

// Every case starts in the "C" locale and leaves the process there, whatever a case did.
class QvTSetLocaleTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(nullptr, ::setlocale(LC_ALL, "C")) << "setlocale C"; }
    void TearDown() override { ::setlocale(LC_ALL, "C"); }
};
} // namespace

TEST_F(QvTSetLocaleTest, SwitchesToTheEnglishNamesAndRestores)
{
    struct
    {
        unsigned long nLocale;
        const char* pszName;
    } cases[] = {{nEnglishUS, "English_United States"},
                 {nGerman, "German_Germany"},
                 {nFrench, "French_France"}};
    for (const auto& c : cases)
    {
        {
            QvTSetLocale scope(LC_ALL, c.nLocale);
            EXPECT_EQ(c.pszName, NameOf(Current())) << "inside the scope of " << c.pszName;
        }
        EXPECT_EQ("C", Current()) << "after the scope of " << c.pszName;
    }
}

TEST_F(QvTSetLocaleTest, SwitchesOnlyItsCategory)
{
    {
        QvTSetLocale scope(LC_NUMERIC, nGerman);
        EXPECT_EQ("1,5", FormatOneAndAHalf()) << "German numbers inside the scope";
        EXPECT_EQ("C", Current(LC_TIME)) << "another category inside the scope";
    }
    EXPECT_EQ("1.5", FormatOneAndAHalf()) << "numbers after the scope";
    EXPECT_EQ("C", Current()) << "every category after the scope";
}

TEST_F(QvTSetLocaleTest, NestedScopesRestoreInReverseOrder)
{
    {
        QvTSetLocale outer(LC_ALL, nGerman);
        {
            QvTSetLocale inner(LC_ALL, nFrench);
            EXPECT_EQ("French_France", NameOf(Current())) << "inside both scopes";
        }
        EXPECT_EQ("German_Germany", NameOf(Current())) << "after the inner scope";
    }
    EXPECT_EQ("C", Current()) << "after both scopes";
}

// Restoring every category at once must also bring back a mixture of categories.
TEST_F(QvTSetLocaleTest, RestoresMixedCategories)
{
    {
        QvTSetLocale numbers(LC_NUMERIC, nGerman);
        {
            QvTSetLocale all(LC_ALL, nEnglishUS);
            EXPECT_EQ("1.5", FormatOneAndAHalf()) << "English numbers in the inner scope";
        }
        EXPECT_EQ("1,5", FormatOneAndAHalf()) << "German numbers again after the inner scope";
        EXPECT_EQ("C", Current(LC_TIME)) << "time after the inner scope";
    }
    EXPECT_EQ("C", Current()) << "after both scopes";
}

TEST_F(QvTSetLocaleTest, UnknownLocaleOrCategoryChangesNothing)
{
    struct
    {
        int nCategory;
        unsigned long nLocale;
        const char* pszWhat;
    } cases[] = {{LC_ALL, 0x7F7F, "a locale id Windows does not know"},
                 {12345, nGerman, "a category the C runtime does not know"}};
    for (const auto& c : cases)
    {
        {
            QvTSetLocale scope(c.nCategory, c.nLocale);
            EXPECT_EQ("C", Current()) << "inside the scope of " << c.pszWhat;
        }
        EXPECT_EQ("C", Current()) << "after the scope of " << c.pszWhat;
    }
}

TEST_F(QvTSetLocaleTest, DefaultIsEveryCategoryInTheUserLocale)
{
    if (::GetUserDefaultLCID() != nEnglishUS)
        GTEST_SKIP() << "the user locale is not English (United States)";
    {
        QvTSetLocale scope;
        EXPECT_EQ("English_United States", NameOf(Current())) << "inside the default scope";
        EXPECT_EQ("English_United States", NameOf(Current(LC_TIME))) << "LC_TIME, default scope";
    }
    EXPECT_EQ("C", Current()) << "after the default scope";
}
