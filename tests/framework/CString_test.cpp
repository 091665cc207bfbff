#include <afxwin.h>

#include <gtest/gtest.h>

TEST(CString, ActiveCodePageIsUtf8)
{
    // Every executable declares the UTF-8 active code page in its manifest.
    EXPECT_EQ(65001u, ::GetACP());
}

TEST(CString, ConstructionAndConcatenation)
{
    CString empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ("", (LPCSTR)empty);

    CString nullText(static_cast<LPCSTR>(nullptr));
    EXPECT_TRUE(nullText.IsEmpty());

    CString s("abc");
    s += "def";
    s += 'g';
    s += CString("h");
    EXPECT_STREQ("abcdefgh", (LPCSTR)s);
    EXPECT_EQ(8, s.GetLength());
    EXPECT_STREQ("xabc", (LPCSTR)('x' + CString("abc")));
    EXPECT_STREQ("abcx", (LPCSTR)(CString("abc") + 'x'));
    EXPECT_STREQ("pre-abc", (LPCSTR)("pre-" + CString("abc")));
    EXPECT_STREQ("---", (LPCSTR)CString('-', 3));
    EXPECT_STREQ("ab", (LPCSTR)CString("abcdef", 2));
}

TEST(CString, FormatGrowsBeyondAnyFixedBuffer)
{
    CString s;
    s.Format("%d-%s-%c", 42, "x", 'y');
    EXPECT_STREQ("42-x-y", (LPCSTR)s);

    CString longText('a', 5000);
    s.Format("[%s]", (LPCSTR)longText);
    EXPECT_EQ(5002, s.GetLength());
    EXPECT_EQ('a', s[4999]);

    s.AppendFormat("%05d", 7);
    EXPECT_STREQ("00007", (LPCSTR)s.Right(5));
}

TEST(CString, CompareIsByteOrderAndCompareNoCaseFoldsAscii)
{
    struct Case
    {
        const char* a;
        const char* b;
        int sign;
        int signNoCase;
    } cases[] = {
        {"abc", "abc", 0, 0},
        {"abc", "ABC", 1, 0},
        {"Alpha", "beta", -1, -1},
        {"beta", "Alpha", 1, 1},
        {"", "a", -1, -1},
        // Greek alpha-beta against Greek ALPHA-BETA: distinct texts, never confused.
        {"\xce\xb1\xce\xb2", "\xce\x91\xce\x92", 1, 1},
        // Two Japanese titles that differ only in their last character.
        {"\xe6\x9c\xac\xe3\x81\x82", "\xe6\x9c\xac\xe3\x81\x84", -1, -1},
    };
    auto sign = [](int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.sign, sign(CString(c.a).Compare(c.b))) << c.a << " vs " << c.b;
        EXPECT_EQ(c.signNoCase, sign(CString(c.a).CompareNoCase(c.b))) << c.a << " vs " << c.b;
    }
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE(CString("x") != CString("X"));
    EXPECT_TRUE(CString("a") < CString("b"));
}

TEST(CString, TrimRemovesWhiteSpaceAndTargetsOnly)
{
    struct Case
    {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"  Holiday  ", "Holiday"},
        {"\t\r\n x \n", "x"},
        {"   ", ""},
        {"", ""},
        {" \xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1 ", "\xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1"},
        {"\xe3\x80\x80x", "\xe3\x80\x80x"}, // ideographic space is not single-byte white space
    };
    for (const Case& c : cases)
    {
        CString s(c.text);
        EXPECT_STREQ(c.trimmed, (LPCSTR)s.Trim()) << "'" << c.text << "'";
    }
    CString s("xxaxx");
    EXPECT_STREQ("axx", (LPCSTR)CString(s).TrimLeft('x'));
    EXPECT_STREQ("xxa", (LPCSTR)CString(s).TrimRight('x'));
    EXPECT_STREQ("a", (LPCSTR)CString("-+a+-").Trim("+-"));
}

TEST(CString, MakeUpperKeepsMultibyteCharacters)
{
    CString s("ab\xc3\xa9-\xe6\x97\xa5z");
    s.MakeUpper();
    EXPECT_STREQ("AB\xc3\xa9-\xe6\x97\xa5Z", (LPCSTR)s);
    s.MakeLower();
    EXPECT_STREQ("ab\xc3\xa9-\xe6\x97\xa5z", (LPCSTR)s);
}

TEST(CString, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    char* p = s.GetBuffer(20);
    strcpy(p, "hello world");
    s.ReleaseBuffer();
    EXPECT_STREQ("hello world", (LPCSTR)s);
    EXPECT_EQ(11, s.GetLength());

    p = s.GetBuffer(20);
    p[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ("hel", (LPCSTR)s);

    p = s.GetBufferSetLength(2);
    s.ReleaseBuffer(1);
    EXPECT_STREQ("h", (LPCSTR)s);
}

TEST(CString, ExtractionAndSearch)
{
    CString s("one,two,three");
    EXPECT_STREQ("two", (LPCSTR)s.Mid(4, 3));
    EXPECT_STREQ("three", (LPCSTR)s.Mid(8));
    EXPECT_STREQ("", (LPCSTR)s.Mid(50));
    EXPECT_STREQ("one", (LPCSTR)s.Left(3));
    EXPECT_STREQ("one,two,three", (LPCSTR)s.Left(99));
    EXPECT_STREQ("ree", (LPCSTR)s.Right(3));
    EXPECT_EQ(3, s.Find(','));
    EXPECT_EQ(7, s.Find(',', 4));
    EXPECT_EQ(-1, s.Find(';'));
    EXPECT_EQ(4, s.Find("two"));
    EXPECT_EQ(7, s.ReverseFind(','));
    EXPECT_EQ(2, s.Replace(",", ", "));
    EXPECT_STREQ("one, two, three", (LPCSTR)s);
    EXPECT_EQ(2, s.Remove(' '));
    EXPECT_STREQ("one,two,three", (LPCSTR)s);
}

TEST(CString, LoadStringReadsTheResourceChainInTheAnsiCodePage)
{
    CString s;
    ASSERT_TRUE(s.LoadString(101));
    EXPECT_STREQ("Catalogue «Ωμέγα» 本", (LPCSTR)s);
    ASSERT_TRUE(s.LoadString(::GetModuleHandleA(nullptr), 102));
    EXPECT_STREQ("Second", (LPCSTR)s);
    EXPECT_EQ(::GetModuleHandleA(nullptr), AfxFindStringResourceHandle(101));
    EXPECT_EQ(nullptr, AfxFindStringResourceHandle(103)) << "same block, no string";
}

TEST(CString, LoadStringOfAMissingIdFails)
{
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_STREQ("unchanged", (LPCSTR)s);
}
