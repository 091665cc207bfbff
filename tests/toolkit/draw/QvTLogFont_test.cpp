// Logical-font records and fonts made from a face and a size.
#include "toolkit/draw/QvDraw.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace
{
LOGFONT Zeroed()
{
    LOGFONT logFont;
    memset(&logFont, 0, sizeof(logFont));
    return logFont;
}

bool SameRecord(const LOGFONT& a, const LOGFONT& b)
{
    return memcmp(&a, &b, sizeof(LOGFONT)) == 0;
}
} // namespace

TEST(QvTLogFont, FaceAndHeightWithEveryOtherFieldZero)
{
    LOGFONT expected = Zeroed();
    expected.lfHeight = -12;
    strcpy(expected.lfFaceName, "Arial");
    EXPECT_TRUE(SameRecord(expected, QvTLogFont("Arial", -12)));

    expected.lfHeight = 0;
    EXPECT_TRUE(SameRecord(expected, QvTLogFont("Arial")));
    EXPECT_TRUE(SameRecord(Zeroed(), QvTLogFont(nullptr))) << "no face, no name";
}

TEST(QvTLogFont, LongFacesAreCutAtAWholeCharacter)
{
    struct Case
    {
        std::string face;
        std::string kept;
    } cases[] = {
        {std::string(31, 'a'), std::string(31, 'a')}, // just fits
        {std::string(40, 'b'), std::string(31, 'b')},
        {[] {
             std::string face;
             for (int i = 0; i < 20; ++i)
                 face += "\xc3\xa9"; // 40 bytes of two-byte characters
             return face;
         }(),
         [] {
             std::string kept;
             for (int i = 0; i < 15; ++i)
                 kept += "\xc3\xa9"; // 30 bytes: a 16th would need 32
             return kept;
         }()},
    };
    for (const Case& c : cases)
    {
        const QvTLogFont logFont(c.face.c_str(), -10);
        EXPECT_EQ(c.kept, logFont.lfFaceName) << c.face.size() << " bytes";
        EXPECT_EQ(-10, logFont.lfHeight);
    }
}

TEST(QvTLogFont, FromAFontAndCopied)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                                0, "Arial"));
    LOGFONT described = Zeroed();
    ASSERT_EQ(static_cast<int>(sizeof(described)), font.GetLogFont(&described));
    const QvTLogFont fromFont(font);
    EXPECT_TRUE(SameRecord(described, fromFont));
    EXPECT_EQ(FW_BOLD, fromFont.lfWeight);

    CFont empty;
    EXPECT_TRUE(SameRecord(Zeroed(), QvTLogFont(empty))) << "a font object without a font";

    QvTLogFont assigned("Other", 3);
    assigned = fromFont;
    EXPECT_TRUE(SameRecord(described, assigned));
    const QvTLogFont copied(assigned);
    EXPECT_TRUE(SameRecord(described, copied));
}

TEST(QvTFont, ByHeightOrByTenthsOfAPoint)
{
    const QvTFont byHeight("Arial", -15, true);
    LOGFONT logFont = {};
    ASSERT_EQ(static_cast<int>(sizeof(logFont)), byHeight.GetLogFont(&logFont));
    EXPECT_EQ(-15, logFont.lfHeight);
    EXPECT_STREQ("Arial", logFont.lfFaceName);

    const QvTFont byPoints("Arial", 100, false);
    ASSERT_EQ(static_cast<int>(sizeof(logFont)), byPoints.GetLogFont(&logFont));
    HDC hScreen = ::GetDC(nullptr);
    const int nPixelsPerInch = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(-MulDiv(100, nPixelsPerInch, 720), logFont.lfHeight);

    HGDIOBJ hFont = nullptr;
    {
        QvTFont scoped("Arial", -9, true);
        hFont = scoped.GetSafeHandle();
        ASSERT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(hFont));
    }
    EXPECT_EQ(0u, ::GetObjectType(hFont)) << "deleted with the object";
}
