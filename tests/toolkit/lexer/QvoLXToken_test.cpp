#include "toolkit/lexer/QvoLex.h"

#include <gtest/gtest.h>

#include <string.h>

namespace
{
char* NewText(const char* pszText)
{
    char* psz = new char[strlen(pszText) + 1];
    strcpy(psz, pszText);
    return psz;
}
} // namespace

TEST(QvoLXToken, FreshAndCleanedTokensHaveNoTypeAndNoText)
{
    QvoLXToken token;
    EXPECT_EQ(QvoLex::eNone, token.m_eType) << "new token";
    EXPECT_EQ(nullptr, token.m_pszText) << "new token";

    token.Put(NewText("word"));
    EXPECT_EQ(QvoLex::eWord, token.m_eType) << "Put(char*)";
    EXPECT_STREQ("word", token.m_pszText) << "Put(char*) takes the text itself";
    token.Cleanup();
    EXPECT_EQ(QvoLex::eNone, token.m_eType) << "after Cleanup";
    EXPECT_EQ(nullptr, token.m_pszText) << "Cleanup must not leave the released text behind";
}

TEST(QvoLXToken, CopiesOwnTheirTextAndKeepTypeAndValue)
{
    QvoLXToken word;
    word.Put(NewText("alpha"));
    QvoLXToken copy(word);
    EXPECT_EQ(QvoLex::eWord, copy.m_eType) << "copy of a word";
    ASSERT_NE(nullptr, copy.m_pszText) << "copy of a word";
    EXPECT_NE(word.m_pszText, copy.m_pszText) << "the copy needs a text of its own";
    word.m_pszText[0] = 'A';
    EXPECT_STREQ("alpha", copy.m_pszText) << "the copy after the original's text changed";

    QvoLXToken noText;
    noText.Put(QvoLex::eWord);
    copy = noText;
    EXPECT_EQ(QvoLex::eWord, copy.m_eType) << "copy of a word without text";
    EXPECT_EQ(nullptr, copy.m_pszText) << "a null text stays null";

    struct
    {
        QvoLex::eType eType;
        int nValue;
    } cases[] = {{QvoLex::eBool, 1}, {QvoLex::eBool, 0}, {QvoLex::eComma, 7}, {QvoLex::eNone, -3}};
    for (const auto& c : cases)
    {
        QvoLXToken original;
        original.Put(c.eType, c.nValue);
        QvoLXToken target;
        target.Put(NewText("old"));
        target = original;
        EXPECT_EQ(c.eType, target.m_eType) << "assigned from type " << c.eType;
        EXPECT_EQ(c.nValue, target.m_nValue) << "assigned from type " << c.eType;
        EXPECT_EQ(nullptr, target.m_pszText) << "the old word's text is gone, type " << c.eType;
    }
}

TEST(QvoLXToken, PuttingItsOwnTextOrItselfKeepsTheText)
{
    QvoLXToken token;
    token.Put(NewText("same"));
    QvoLXToken& alias = token;
    token = alias;
    EXPECT_STREQ("same", token.m_pszText) << "after assigning the token to itself";
    token.Put(token);
    EXPECT_STREQ("same", token.m_pszText) << "after Put of the token itself";
    token.Put(token.m_pszText);
    EXPECT_EQ(QvoLex::eWord, token.m_eType) << "after Put of its own text";
    EXPECT_STREQ("same", token.m_pszText) << "after Put of its own text";
}

TEST(QvoLXToken, PutOfATypeReplacesAWordsText)
{
    QvoLXToken token;
    token.Put(NewText("gone"));
    token.Put(QvoLex::eWord);
    EXPECT_EQ(QvoLex::eWord, token.m_eType) << "Put(eWord)";
    EXPECT_EQ(nullptr, token.m_pszText) << "Put(eWord) gives a word without text";

    token.Put(NewText("gone"));
    token.Put(QvoLex::eColon);
    EXPECT_EQ(QvoLex::eColon, token.m_eType) << "Put(eColon) after a word";
    EXPECT_EQ(nullptr, token.m_pszText) << "Put(eColon) after a word";
}

TEST(QvoLXToken, WordWithOnlyAValueIsAnEmptyWord)
{
    QvoLXToken token;
    token.Put(NewText("previous"));
    token.Put(QvoLex::eWord, 42);
    EXPECT_EQ(QvoLex::eWord, token.m_eType) << "Put(eWord, 42)";
    EXPECT_EQ(42, token.m_nValue) << "Put(eWord, 42)";
    ASSERT_NE(nullptr, token.m_pszText) << "Put(eWord, 42) gives a text of the token's own";
    EXPECT_STREQ("", token.m_pszText) << "Put(eWord, 42) must not keep the previous word";

    QvoLXToken copy(token);
    ASSERT_NE(nullptr, copy.m_pszText) << "copy of an empty word";
    EXPECT_STREQ("", copy.m_pszText) << "copy of an empty word";
    EXPECT_EQ(42, copy.m_nValue) << "copy of an empty word";
}
