#include "GdiTestSupport.h"

#include <string.h>

namespace
{
int ScreenPixelsPerInchY()
{
    HDC hScreen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    return dpi;
}

LOGFONT PointLogFont(int nTenths, const char* face)
{
    LOGFONT logFont = {};
    logFont.lfHeight = nTenths;
    lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    return logFont;
}
} // namespace

TEST(FontCreation, PointFontOnTheScreenIsACharacterHeightInPixels)
{
    const int dpi = ScreenPixelsPerInchY();
    ASSERT_GT(dpi, 0);
    const LOGFONT request = PointLogFont(90, "Arial");
    CFont font;
    ASSERT_TRUE(font.CreatePointFontIndirect(&request));
    LOGFONT made = {};
    ASSERT_EQ(int(sizeof(LOGFONT)), font.GetLogFont(&made));
    // 9 points are 9/72 inch: 12 pixels at 96 pixels per inch, negative for a character height.
    EXPECT_EQ(-MulDiv(90, dpi, 720), made.lfHeight) << "at " << dpi << " pixels per inch";
    if (dpi == 96)
    {
        EXPECT_EQ(-12, made.lfHeight);
    }
    EXPECT_STREQ("Arial", made.lfFaceName);
    EXPECT_EQ(90, request.lfHeight) << "the caller's record is left alone";
}

TEST(FontCreation, PointFontFollowsTheMappingOfTheGivenDC)
{
    struct Case
    {
        const char* what;
        void (*map)(HDC hDC);
        int expectedHeight; // for 90 tenths of a point, with 96 pixels per inch on the DC
    };
    const Case cases[] = {
        {"MM_TEXT", [](HDC) {}, -12},
        {"MM_TWIPS", [](HDC hDC) { ::SetMapMode(hDC, MM_TWIPS); }, -180},
        {"two logical units per pixel",
         [](HDC hDC) {
             ::SetMapMode(hDC, MM_ANISOTROPIC);
             ::SetWindowExtEx(hDC, 2, 2, nullptr);
             ::SetViewportExtEx(hDC, 1, 1, nullptr);
         },
         -24},
    };
    for (const Case& c : cases)
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
        if (dpi != 96)
            GTEST_SKIP() << "the table assumes 96 pixels per inch, the DC has " << dpi;
        c.map(dc);
        dc.SetViewportOrg(5, 7); // an origin must not shift the height
        CFont font;
        const LOGFONT request = PointLogFont(90, "Arial");
        ASSERT_TRUE(font.CreatePointFontIndirect(&request, &dc)) << c.what;
        LOGFONT made = {};
        font.GetLogFont(&made);
        EXPECT_EQ(c.expectedHeight, made.lfHeight) << c.what;
    }
}

TEST(FontCreation, CreatePointFontFillsTheRecordAndCutsLongFaceNames)
{
    const int dpi = ScreenPixelsPerInchY();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT made = {};
    font.GetLogFont(&made);
    EXPECT_EQ(-MulDiv(120, dpi, 720), made.lfHeight);
    EXPECT_STREQ("Arial", made.lfFaceName);
    EXPECT_EQ(DEFAULT_CHARSET, made.lfCharSet);

    const char longFace[] = "A face name that is much longer than thirty-one characters";
    CFont longFont;
    ASSERT_TRUE(longFont.CreatePointFont(90, longFace));
    longFont.GetLogFont(&made);
    EXPECT_EQ(size_t(LF_FACESIZE - 1), strlen(made.lfFaceName));
    EXPECT_EQ(0, strncmp(longFace, made.lfFaceName, LF_FACESIZE - 1));

    CFont plain;
    ASSERT_TRUE(plain.CreateFont(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH, "Arial"));
    plain.GetLogFont(&made);
    EXPECT_EQ(-20, made.lfHeight) << "CreateFont takes logical units as they are";
    EXPECT_EQ(FW_BOLD, made.lfWeight);
    EXPECT_EQ(TRUE, made.lfItalic);
}
