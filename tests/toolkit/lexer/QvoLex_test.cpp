#include "toolkit/lexer/QvoLex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// One readable line per token: "w:text", "b:1", or the punctuation character itself.
std::string Describe(const QvoLXToken& token)
{
    switch (token.m_eType)
    {
    case QvoLex::eWord:
        return token.m_pszText ? std::string("w:") + token.m_pszText : std::string("w:<null>");
    case QvoLex::eBool:
        return "b:" + std::to_string(token.m_nValue);
    case QvoLex::eLParen:
        return "(";
    case QvoLex::eRParen:
        return ")";
    case QvoLex::eLBrace:
        return "{";
    case QvoLex::eRBrace:
        return "}";
    case QvoLex::eComma:
        return ",";
    case QvoLex::eColon:
        return ":";
    case QvoLex::eNone:
        return "<none>";
    }
    return "<type " + std::to_string(static_cast<int>(token.m_eType)) + ">";
}

// Every token of the text, read into one reused token as a caller would.
std::vector<std::string> LexAll(const char* pszText)
{
    QvoLex lex;
    lex.Reset(pszText);
    QvoLXToken token;
    std::vector<std::string> tokens;
    int nResult;
    while ((nResult = lex(token)) == 0 && tokens.size() < 100)
        tokens.push_back(Describe(token));
    if (nResult != 1)
        tokens.push_back("<result " + std::to_string(nResult) + ">");
    return tokens;
}

struct LexCase
{
    const char* pszName;
    const char* pszText;
    std::vector<std::string> expected;
};

const LexCase s_cases[] = {
    {"mixed notation", "  (a,TRUE):{x}", {"(", "w:a", ",", "b:1", ")", ":", "{", "w:x", "}"}},
    {"empty text", "", {}},
    {"only blanks", " \n\t  \n", {}},
    {"word, colon, word", "key:value", {"w:key", ":", "w:value"}},
    {"carriage return stays in the word", "abc\r\ndef", {"w:abc\r", "w:def"}},
    {"lone carriage return is a word", " \r ", {"w:\r"}},
    {"other control characters are word bytes", "\v\f", {"w:\v\f"}},
    {"every punctuation character", "{}(),:", {"{", "}", "(", ")", ",", ":"}},
    {"punctuation ends a word without blanks",
     "a{b}c(d)e,f:g",
     {"w:a", "{", "w:b", "}", "w:c", "(", "w:d", ")", "w:e", ",", "w:f", ":", "w:g"}},
    {"booleans in any letter case", "fAlSe true TRUE False", {"b:0", "b:1", "b:1", "b:0"}},
    {"boolean followed by punctuation", "true:false)", {"b:1", ":", "b:0", ")"}},
    {"only whole words are booleans",
     "Falsehood tru truex untrue fals",
     {"w:Falsehood", "w:tru", "w:truex", "w:untrue", "w:fals"}},
    {"quotes are part of words", "\"a b\" \"true\"", {"w:\"a", "w:b\"", "w:\"true\""}},
    {"blanks of every kind separate words", "a\tb\nc  d", {"w:a", "w:b", "w:c", "w:d"}},
    {"bytes of multibyte characters are word bytes",
     "na\xC3\xAFve,\xE6\x97\xA5\xE6\x9C\xAC",
     {"w:na\xC3\xAFve", ",", "w:\xE6\x97\xA5\xE6\x9C\xAC"}},
    {"a byte that would be negative as char", "\xFF(\x80", {"w:\xFF", "(", "w:\x80"}},
    {"word at the very end", "(last", {"(", "w:last"}},
};
} // namespace

TEST(QvoLex, SplitsTextIntoTokens)
{
    for (const LexCase& c : s_cases)
        EXPECT_EQ(c.expected, LexAll(c.pszText)) << c.pszName;
}

TEST(QvoLex, EndOfTextLeavesTheTokenAndRepeats)
{
    QvoLex lex;
    lex.Reset("x ");
    QvoLXToken token;
    ASSERT_EQ(0, lex(token)) << "the word x";
    EXPECT_EQ(1, lex(token)) << "only a blank is left";
    EXPECT_EQ("w:x", Describe(token)) << "the token read last is left as it was";
    EXPECT_EQ(1, lex(token)) << "the end stays the end";
}

TEST(QvoLex, FreshOrNullTextIsAtTheEnd)
{
    QvoLXToken token;
    QvoLex fresh;
    EXPECT_EQ(1, fresh(token)) << "a new lexer is on the empty text";
    QvoLex nullText;
    nullText.Reset(nullptr);
    EXPECT_EQ(1, nullText(token)) << "a null text is lexed as empty";
    EXPECT_EQ(QvoLex::eNone, token.m_eType) << "nothing was read";
}

TEST(QvoLex, ResetStartsOverAndCopiesKeepTheirOwnPosition)
{
    const char* pszText = "a b";
    QvoLex lex;
    lex.Reset(pszText);
    QvoLXToken token;
    ASSERT_EQ(0, lex(token));

    QvoLex copy;
    copy = lex;
    ASSERT_EQ(0, copy(token)) << "the copy continues where the original was";
    EXPECT_EQ("w:b", Describe(token)) << "copy after one word";
    ASSERT_EQ(0, lex(token)) << "the original did not move with the copy";
    EXPECT_EQ("w:b", Describe(token)) << "original after one word";

    lex.Reset(pszText);
    ASSERT_EQ(0, lex(token));
    EXPECT_EQ("w:a", Describe(token)) << "after Reset";
}

TEST(QvoLex, GetLParenReadsExactlyOneToken)
{
    struct
    {
        const char* pszText;
        int nExpected;
        const char* pszNext; // the token after it, or null at the end
    } cases[] = {
        {"(x", 0, "w:x"},  {"x(", 1, "("},   {"  (\n)", 0, ")"},  {")(", 1, "("},    {"{(", 1, "("},
        {"true(", 1, "("}, {"", 1, nullptr}, {" \t", 1, nullptr}, {"(", 0, nullptr},
    };
    for (const auto& c : cases)
    {
        QvoLex lex;
        lex.Reset(c.pszText);
        EXPECT_EQ(c.nExpected, lex.GetLParen()) << "GetLParen on '" << c.pszText << "'";
        QvoLXToken next;
        int nResult = lex(next);
        if (c.pszNext)
        {
            EXPECT_EQ(0, nResult) << "a token after GetLParen on '" << c.pszText << "'";
            EXPECT_EQ(c.pszNext, Describe(next)) << "after GetLParen on '" << c.pszText << "'";
        }
        else
        {
            EXPECT_EQ(1, nResult) << "the end after GetLParen on '" << c.pszText << "'";
        }
    }
}
