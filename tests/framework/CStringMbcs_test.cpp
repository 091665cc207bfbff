#include <afxwin.h>

#include <gtest/gtest.h>

#include <mbctype.h>

#include <functional>

// Under a double-byte code page the trail byte of a character may equal an ASCII character:
// in code page 932 the kanji 表 is 0x95 0x5C, the second byte being '\'. The C runtime's
// multibyte routines follow _setmbcp, so the framework's string can be tried under code page 932
// in this process whatever the system's code page is.
namespace
{
#define HYO "\x95\x5c"        // 表: trail byte '\'
#define SO "\x83\x5c"         // ソ: trail byte '\'
#define WIDE_SPACE "\x81\x40" // ideographic space: trail byte '@'
#define PIPE_KANJI "\x88\x7c" // 悋: trail byte '|'

class CStringUnderCodePage932 : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_nOldCodePage = _getmbcp();
        ASSERT_EQ(0, _setmbcp(932));
        ASSERT_TRUE(_ismbblead(0x95)) << "code page 932 is not in effect";
    }
    void TearDown() override { _setmbcp(m_nOldCodePage); }

private:
    int m_nOldCodePage = 0;
};

struct SearchCase
{
    const char* name;
    const char* text;
    std::function<int(const CString&)> search;
    int expected;
};

struct ChangeCase
{
    const char* name;
    const char* text;
    std::function<int(CString&)> change; // returns the count, or 0 for the Trim forms
    const char* expected;
    int expectedCount;
};
} // namespace

TEST_F(CStringUnderCodePage932, SearchesMatchWholeCharactersOnly)
{
    const SearchCase cases[] = {
        {"ReverseFind of a path separator", "C:\\data\\" HYO ".xml",
         [](const CString& s) { return s.ReverseFind('\\'); }, 7},
        {"ReverseFind with only a trail byte", "ab" HYO ".xml",
         [](const CString& s) { return s.ReverseFind('\\'); }, -1},
        {"Find from after the last separator", "C:\\" HYO SO,
         [](const CString& s) { return s.Find('\\', 3); }, -1},
        {"Find of a character", HYO "a\\b", [](const CString& s) { return s.Find('\\'); }, 3},
        {"Find of a substring starting on a trail byte", HYO ".xml",
         [](const CString& s) { return s.Find("\\."); }, -1},
        {"Find of a substring", HYO "\\.xml", [](const CString& s) { return s.Find("\\."); }, 2},
        {"Find of a double-byte substring", "ab" SO HYO,
         [](const CString& s) { return s.Find(HYO); }, 4},
        {"FindOneOf with trail bytes only", "ab" PIPE_KANJI HYO,
         [](const CString& s) { return s.FindOneOf("|\\"); }, -1},
        {"FindOneOf of a character after a kanji", PIPE_KANJI "x|",
         [](const CString& s) { return s.FindOneOf("|\\"); }, 3},
        {"FindOneOf of a double-byte character", "ab" WIDE_SPACE,
         [](const CString& s) { return s.FindOneOf(WIDE_SPACE); }, 2},
    };
    for (const SearchCase& c : cases)
        EXPECT_EQ(c.expected, c.search(CString(c.text))) << c.name;
}

TEST_F(CStringUnderCodePage932, ChangesKeepDoubleByteCharactersWhole)
{
    const ChangeCase cases[] = {
        {"Replace of a character", "C:\\" HYO "\\x",
         [](CString& s) { return s.Replace('\\', '/'); }, "C:/" HYO "/x", 2},
        {"Replace of a string", HYO "\\" SO, [](CString& s) { return s.Replace("\\", "\\\\"); },
         HYO "\\\\" SO, 1},
        {"Replace of a double-byte string", "a" HYO "b" HYO,
         [](CString& s) { return s.Replace(HYO, SO); }, "a" SO "b" SO, 2},
        {"Remove", "\\" HYO "\\" SO, [](CString& s) { return s.Remove('\\'); }, HYO SO, 2},
        {"TrimRight of a character", "ab" HYO, [](CString& s) { return (s.TrimRight('\\'), 0); },
         "ab" HYO, 0},
        {"TrimRight of a set", SO "\\/", [](CString& s) { return (s.TrimRight("/\\"), 0); }, SO, 0},
        {"TrimLeft of a set", WIDE_SPACE "x", [](CString& s) { return (s.TrimLeft("@"), 0); },
         WIDE_SPACE "x", 0},
        {"TrimLeft of a character", "@@" WIDE_SPACE,
         [](CString& s) { return (s.TrimLeft('@'), 0); }, WIDE_SPACE, 0},
        {"Trim of white space", WIDE_SPACE " abc\t" WIDE_SPACE,
         [](CString& s) { return (s.Trim(), 0); }, "abc", 0},
        {"Trim of a set with a double-byte character", WIDE_SPACE "-x-" WIDE_SPACE,
         [](CString& s) { return (s.Trim("-" WIDE_SPACE), 0); }, "x", 0},
        {"Trim that keeps a trailing kanji", "|" PIPE_KANJI,
         [](CString& s) { return (s.Trim('|'), 0); }, PIPE_KANJI, 0},
    };
    for (const ChangeCase& c : cases)
    {
        CString s(c.text);
        EXPECT_EQ(c.expectedCount, c.change(s)) << c.name;
        EXPECT_STREQ(c.expected, (LPCSTR)s) << c.name;
    }
}

TEST_F(CStringUnderCodePage932, LeadByteAtTheEndCountsAsOneCharacter)
{
    CString cut("ab\x95");
    EXPECT_EQ(1, cut.Remove('\x95'));
    EXPECT_STREQ("ab", (LPCSTR)cut);
}
