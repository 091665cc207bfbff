#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> WalkAll(QvTStrWalker& walker, bool trim = false)
{
    std::vector<std::string> tokens;
    CString token;
    // A bound keeps a walker that never ends from hanging the test.
    while (tokens.size() < 100 && walker(token, trim) == 0)
        tokens.emplace_back(token.GetString());
    return tokens;
}

std::string Joined(const std::vector<std::string>& tokens)
{
    std::string text;
    for (const std::string& token : tokens)
        text += "[" + token + "]";
    return text;
}
} // namespace

TEST(QvTStrWalker, CutsTextAtEveryDelimiter)
{
    struct Case
    {
        const char* text;
        const char* delimiter;
        std::vector<std::string> tokens;
    } cases[] = {
        {"", ",", {}},
        {"x", ",", {"x"}},
        {"a,b", ",", {"a", "b"}},
        {"a,b,", ",", {"a", "b", ""}},
        {",", ",", {"", ""}},
        {"a,,b", ",", {"a", "", "b"}},
        {"a;;", ";", {"a", "", ""}},
        {" a , b ", ",", {" a ", " b "}},
        {"a<>b<c>d<>", "<>", {"a", "b<c>d", ""}},
        {"a<b", "<>", {"a<b"}},
        {"\xC3\x84rger,\xC3\x96l", ",", {"\xC3\x84rger", "\xC3\x96l"}},
        {"3;2;0", ";", {"3", "2", "0"}},
        // An empty delimiter never matches, so the walk still ends.
        {"abc", "", {"abc"}},
        {nullptr, ",", {}},
    };
    for (const Case& c : cases)
    {
        QvTStrWalker walker(c.text, c.delimiter);
        EXPECT_EQ(Joined(c.tokens), Joined(WalkAll(walker)))
            << "text '" << (c.text ? c.text : "(null)") << "' delimiter '" << c.delimiter << "'";
    }
}

TEST(QvTStrWalker, CharacterDelimiterAndEndOfWalk)
{
    QvTStrWalker walker("a;;", ';');
    CString token("before");
    EXPECT_EQ(0, walker(token)) << "first token";
    EXPECT_STREQ("a", token);
    EXPECT_EQ(0, walker(token)) << "empty token between the two delimiters";
    EXPECT_STREQ("", token);
    token = "kept";
    EXPECT_EQ(0, walker(token)) << "empty token after the final delimiter";
    EXPECT_STREQ("", token);
    token = "kept";
    EXPECT_EQ(1, walker(token)) << "walk over";
    EXPECT_STREQ("kept", token) << "a finished walk leaves the token alone";
    EXPECT_EQ(1, walker(token)) << "a finished walk stays finished";
}

TEST(QvTStrWalker, DefaultWalkerIsEmptyUntilInit)
{
    QvTStrWalker walker;
    CString token;
    EXPECT_EQ(1, walker(token)) << "default walker walks the empty text";

    walker.Init("1,2", ",");
    EXPECT_EQ("[1][2]", Joined(WalkAll(walker))) << "after Init with ','";

    walker.Init("1|2,3", "|");
    EXPECT_EQ("[1][2,3]", Joined(WalkAll(walker))) << "Init replaces the delimiter";
}

TEST(QvTStrWalker, CopiesWalkTheSameTextIndependently)
{
    const char text[] = "a,b,c";
    QvTStrWalker first(text, ',');
    CString token;
    ASSERT_EQ(0, first(token));
    ASSERT_STREQ("a", token);

    QvTStrWalker copy(first);
    QvTStrWalker assigned;
    assigned = first;
    EXPECT_EQ("[b][c]", Joined(WalkAll(first))) << "original after the copies were made";
    EXPECT_EQ("[b][c]", Joined(WalkAll(copy))) << "copy-constructed walker";
    EXPECT_EQ("[b][c]", Joined(WalkAll(assigned))) << "assigned walker";

    QvTStrWalker pending("x,", ',');
    ASSERT_EQ(0, pending(token));
    QvTStrWalker pendingCopy(pending);
    EXPECT_EQ("[]", Joined(WalkAll(pendingCopy))) << "the copy keeps the pending empty token";
}

TEST(QvTStrWalker, TrimmingRemovesWhiteSpaceAtBothEndsOnly)
{
    struct Case
    {
        const char* text;
        bool trim;
        std::string tokens;
    } cases[] = {
        {"  a b ", true, "[a b]"},
        {"  a b ", false, "[  a b ]"},
        {" \t x  y \r\n,z,  ,", true, "[x  y][z][][]"},
        {"\xC3\x84 \xC3\x96  ", true, "[\xC3\x84 \xC3\x96]"},
    };
    for (const Case& c : cases)
    {
        QvTStrWalker walker(c.text, ',');
        EXPECT_EQ(c.tokens, Joined(WalkAll(walker, c.trim)))
            << "text '" << c.text << "' trim " << c.trim;
    }
}

namespace
{
// Hands out a fixed token once, to show which operator() the other calls go through.
class FixedWalker : public QvTStrWalker
{
public:
    int operator()(CString& token) override
    {
        if (m_bDone)
            return 1;
        m_bDone = true;
        token = "  fixed  ";
        return 0;
    }

private:
    bool m_bDone = false;
};
} // namespace

TEST(QvTStrWalker, OtherCallsGoThroughTheVirtualOne)
{
    FixedWalker fixed;
    QvTStrWalker& walker = fixed;
    CString token;
    EXPECT_EQ(0, walker(token, true)) << "two-argument call on an overriding walker";
    EXPECT_STREQ("fixed", token) << "token of the overriding operator(), trimmed";
    EXPECT_EQ(1, walker(token, true)) << "the override's end of walk";

    FixedWalker fresh;
    QvTStrWalker& walker2 = fresh;
    EXPECT_STREQ("  fixed  ", walker2()) << "value-returning call";
    EXPECT_STREQ("", walker2()) << "value-returning call after the end";
}

TEST(QvTStrWalker, ValueCallReturnsTokensThenEmpty)
{
    QvTStrWalker walker("p,q", ",");
    EXPECT_STREQ("p", walker()) << "first token";
    EXPECT_STREQ("q", walker()) << "second token";
    EXPECT_STREQ("", walker()) << "walk over";
}

TEST(QvTStrWalker, WorksThroughTheAbstractBase)
{
    QvTStrWalkerBase* pWalker = new QvTStrWalker("u v", " ");
    CString token;
    EXPECT_EQ(0, (*pWalker)(token));
    EXPECT_STREQ("u", token) << "first token through the base";
    EXPECT_EQ(0, (*pWalker)(token));
    EXPECT_STREQ("v", token) << "second token through the base";
    EXPECT_EQ(1, (*pWalker)(token)) << "end through the base";
    delete pWalker;
}
