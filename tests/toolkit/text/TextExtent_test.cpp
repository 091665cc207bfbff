// Text measurement with the overhang of the last character, and fonts from a face and a size.
#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// A memory DC with an italic TrueType font, so that letters like 'f' reach past their advance.
class TextExtent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(m_italic.CreateFont(-32, 0, 0, 0, FW_NORMAL, TRUE, 0, 0, DEFAULT_CHARSET, 0, 0,
                                        0, 0, "Arial"));
        m_dc.SelectObject(&m_italic);
    }

    SIZE Plain(const char* text)
    {
        SIZE size = {};
        ::GetTextExtentPoint32A(m_dc, text, static_cast<int>(strlen(text)), &size);
        return size;
    }
    // The overhang of a character: minus its C width when that is negative.
    int Overhang(wchar_t c)
    {
        ABC abc = {};
        if (!::GetCharABCWidthsW(m_dc, c, c, &abc) || abc.abcC >= 0)
            return 0;
        return -abc.abcC;
    }

    CDC m_dc;
    CFont m_italic;
};
} // namespace

TEST_F(TextExtent, TheLastCharactersOverhangWidensTheText)
{
    struct Case
    {
        const char* text;
        wchar_t last;
    } cases[] = {
        {"Wf", L'f'},
        {"f", L'f'},
        {"caf\xc3\xa9 \xc6\x92", L'\x0192'}, // a multibyte last character: the f with hook
    };
    for (const Case& c : cases)
    {
        const int overhang = Overhang(c.last);
        ASSERT_GT(overhang, 0) << c.text << ": an italic character that overhangs";
        const SIZE plain = Plain(c.text);
        const SIZE size = FQvTGetTextExtent(m_dc, c.text);
        EXPECT_EQ(plain.cx + overhang, size.cx) << c.text;
        EXPECT_EQ(plain.cy, size.cy) << c.text;
    }
}

TEST_F(TextExtent, NoOverhangNoWidening)
{
    struct Case
    {
        const char* text;
        wchar_t last;
    } cases[] = {{"fW ", L' '}, {"f.", L'.'}};
    for (const Case& c : cases)
    {
        ASSERT_EQ(0, Overhang(c.last)) << c.text << ": a last character within its advance";
        const SIZE plain = Plain(c.text);
        const SIZE size = FQvTGetTextExtent(m_dc, c.text);
        EXPECT_EQ(plain.cx, size.cx) << c.text;
        EXPECT_EQ(plain.cy, size.cy) << c.text;
    }
    const SIZE empty = FQvTGetTextExtent(m_dc, "");
    EXPECT_EQ(0, empty.cx);
    EXPECT_EQ(Plain("").cy, empty.cy);
    const SIZE none = FQvTGetTextExtent(m_dc, nullptr);
    EXPECT_EQ(0, none.cx);
    EXPECT_EQ(0, none.cy);
}

TEST_F(TextExtent, ADCThatCannotMeasureGivesNothing)
{
    const SIZE size = FQvTGetTextExtent(nullptr, "text");
    EXPECT_EQ(0, size.cx);
    EXPECT_EQ(0, size.cy);
}

TEST(FQvTFontCreate, ByLogicalHeightAndByPointSize)
{
    CFont font;
    ASSERT_TRUE(FQvTFontCreate("Arial", -12, font));
    LOGFONT logFont = {};
    ASSERT_EQ(static_cast<int>(sizeof(logFont)), font.GetLogFont(&logFont));
    EXPECT_EQ(-12, logFont.lfHeight);
    EXPECT_STREQ("Arial", logFont.lfFaceName);
    EXPECT_EQ(0, logFont.lfWeight) << "every other field 0";
    EXPECT_EQ(0, logFont.lfItalic);

    const HGDIOBJ hFirst = font.GetSafeHandle();
    ASSERT_TRUE(FQvTFontCreatePointSize("Arial", 120, font));
    EXPECT_EQ(0u, ::GetObjectType(hFirst)) << "the font held before is deleted";
    ASSERT_EQ(static_cast<int>(sizeof(logFont)), font.GetLogFont(&logFont));
    HDC hScreen = ::GetDC(nullptr);
    const int nPixelsPerInch = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(-MulDiv(120, nPixelsPerInch, 720), logFont.lfHeight) << "12 points on the screen";
    EXPECT_STREQ("Arial", logFont.lfFaceName);
}
