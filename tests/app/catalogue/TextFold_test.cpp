#include "app/catalogue/JTextFold.h"

#include <gtest/gtest.h>

TEST(TextFold, MatchesTitleOrAuthorIgnoringCaseInAnyScript)
{
    struct Case
    {
        const char* title;
        const char* author;
        const char* query;
        bool match;
    } cases[] = {
        {"The Sea", "Ann Ray", "sea", true},
        {"The Sea", "Ann Ray", "ANN", true},
        {"The Sea", "Ann Ray", "", true},
        {"The Sea", "Ann Ray", "sky", false},
        {"The Sea", "Ann Ray", "sea ann", false}, // title and author are not joined
        {"Η Οδύσσεια", "Όμηρος", "οδύσσ", true},
        {"Η Οδύσσεια", "Όμηρος", "ΌΜΗΡ", true},
        {"École du soir", "", "éCOLE", true},
        {"École du soir", "", "ecole", false}, // accents are letters of their own
        {"吾輩は猫である", "夏目", "猫", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match,
                  JBookMatches(JFoldCase(c.title), JFoldCase(c.author), JFoldCase(c.query)))
            << c.title << " / " << c.query;
}

TEST(TextFold, FoldsToUtf16LowerCase)
{
    EXPECT_EQ(L"άλφα", JFoldCase("ΆΛΦΑ"));
    EXPECT_EQ(L"", JFoldCase(""));
}
