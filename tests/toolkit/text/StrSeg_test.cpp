#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <string.h>

namespace
{
QvoStrSeg Seg(const char* data, int length)
{
    QvoStrSeg seg;
    seg.m_pData = data;
    seg.m_nLength = length;
    return seg;
}

// Segments inside this buffer stop short of its end, so reading past a segment shows up as a
// match on the bytes that follow it.
const char kBuffer[] = "hello worldXYZ";
const QvoStrSeg kHello = Seg(kBuffer, 5);
} // namespace

TEST(QvoStrSeg, DefaultIsTheEmptySegment)
{
    QvoStrSeg seg;
    EXPECT_EQ(nullptr, seg.m_pData) << "data of the empty segment";
    EXPECT_EQ(0, seg.GetLength()) << "length of the empty segment";
    EXPECT_STREQ("", CString(seg)) << "empty segment as a string";
}

TEST(QvoStrSeg, MidFromStartToEnd)
{
    struct Case
    {
        int start;
        const char* data;
        int length;
    } cases[] = {
        {0, kBuffer, 5},     {2, kBuffer + 2, 3}, {4, kBuffer + 4, 1},
        {5, kBuffer + 5, 0}, // at the end: zero length, but not the empty segment
        {6, nullptr, 0},     // beyond the end: the empty segment
        {-3, kBuffer, 5},    // a negative start counts as 0
    };
    for (const Case& c : cases)
    {
        QvoStrSeg out = Seg("junk", 4);
        kHello.Mid(c.start, out);
        EXPECT_EQ(static_cast<const void*>(c.data), static_cast<const void*>(out.m_pData))
            << "data of Mid(" << c.start << ")";
        EXPECT_EQ(c.length, out.GetLength()) << "length of Mid(" << c.start << ")";
    }

    QvoStrSeg empty;
    QvoStrSeg out = Seg("junk", 4);
    empty.Mid(0, out);
    EXPECT_EQ(nullptr, out.m_pData) << "Mid(0) of the empty segment";

    QvoStrSeg self = kHello;
    self.Mid(1, self);
    EXPECT_STREQ("ello", CString(self)) << "Mid into the segment itself";
}

TEST(QvoStrSeg, FindCharacter)
{
    struct Case
    {
        QvoStrSeg seg;
        char c;
        int index;
        const char* rest;
    } cases[] = {
        {kHello, 'l', 2, "llo"},    {kHello, 'h', 0, "hello"},      {kHello, 'o', 4, "o"},
        {kHello, 'z', -1, ""},      {kHello, ' ', -1, ""}, // the byte after the segment
        {QvoStrSeg(), 'a', -1, ""}, {Seg(kBuffer, 0), 'h', -1, ""},
    };
    for (const Case& c : cases)
    {
        QvoStrSeg out = Seg("junk", 4);
        EXPECT_EQ(c.index, c.seg.Find(c.c, out))
            << "Find('" << c.c << "') in '" << CString(c.seg).GetString() << "'";
        EXPECT_STREQ(c.rest, CString(out)) << "rest after '" << c.c << "'";
        if (c.index < 0)
        {
            EXPECT_EQ(nullptr, out.m_pData) << "no match gives the empty segment";
        }
    }
}

TEST(QvoStrSeg, FindPattern)
{
    const char text[] = "abcabcd";
    const QvoStrSeg abcabc = Seg(text, 6);
    struct Case
    {
        QvoStrSeg pattern;
        int index;
        const char* rest;
    } cases[] = {
        {Seg("ca", 2), 2, "cabc"},     {Seg("abc", 3), 0, "abcabc"},
        {Seg("bcabc", 5), 1, "bcabc"}, {Seg("abcabc", 6), 0, "abcabc"},
        {Seg("cd", 2), -1, ""},      // would match only past the segment's end
        {Seg("abcabca", 7), -1, ""}, // longer than the segment
        {Seg("abc", 0), -1, ""},     // zero-length pattern
        {QvoStrSeg(), -1, ""},       // the empty pattern
        {Seg("x", 1), -1, ""},
    };
    for (const Case& c : cases)
    {
        QvoStrSeg out = Seg("junk", 4);
        const std::string pattern(c.pattern.m_pData ? c.pattern.m_pData : "",
                                  static_cast<size_t>(c.pattern.m_nLength));
        EXPECT_EQ(c.index, abcabc.Find(c.pattern, out)) << "pattern '" << pattern << "'";
        EXPECT_STREQ(c.rest, CString(out)) << "rest at pattern '" << pattern << "'";
    }

    QvoStrSeg out;
    EXPECT_EQ(-1, QvoStrSeg().Find(Seg("a", 1), out)) << "search in the empty segment";
}

TEST(QvoStrSeg, ConversionCopiesExactlyTheSegment)
{
    EXPECT_STREQ("hello", CString(kHello)) << "first five bytes of a longer buffer";
    const QvoStrSeg world = Seg(kBuffer + 6, 5);
    const CString text = world;
    EXPECT_EQ(5, text.GetLength()) << "length of the converted segment";
    EXPECT_STREQ("world", text) << "stops before 'XYZ'";
    EXPECT_STREQ("", CString(Seg(kBuffer, 0))) << "zero-length segment";
}

TEST(QvoStrSeg, CopiesShareTheBytes)
{
    QvoStrSeg copy(kHello);
    QvoStrSeg assigned;
    assigned = kHello;
    EXPECT_EQ(kHello.m_pData, copy.m_pData) << "copy points at the same bytes";
    EXPECT_EQ(5, copy.GetLength()) << "copy length";
    EXPECT_EQ(kHello.m_pData, assigned.m_pData) << "assigned points at the same bytes";
    EXPECT_EQ(5, assigned.GetLength()) << "assigned length";
}
