// The off-screen DC: its bitmap's life, the 3-D frame by pixels, text, fills and the copy out.
#include "tests/framework/GdiTestSupport.h"
#include "toolkit/draw/QvDraw.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
HBITMAP CurrentBitmap(CDC& dc)
{
    return static_cast<HBITMAP>(::GetCurrentObject(dc.GetSafeHdc(), OBJ_BITMAP));
}

// The frame Draw3DFrame gives a w x h bitmap: its four three-point polylines drawn in order,
// each without its last point, over the button face.
std::vector<COLORREF> ExpectedFrame(int w, int h)
{
    std::vector<COLORREF> pixels(static_cast<size_t>(w * h), ::GetSysColor(COLOR_BTNFACE));
    auto line = [&](int x0, int y0, int x1, int y1, COLORREF colour) {
        const int dx = (x1 > x0) - (x1 < x0);
        const int dy = (y1 > y0) - (y1 < y0);
        for (int x = x0, y = y0; x != x1 || y != y1; x += dx, y += dy)
            pixels[static_cast<size_t>(y * w + x)] = colour;
    };
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = ::GetSysColor(COLOR_3DLIGHT);
    line(0, h - 1, 0, 0, shadow);
    line(0, 0, w - 1, 0, shadow);
    line(1, h - 2, 1, 1, RGB(0, 0, 0));
    line(1, 1, w - 2, 1, RGB(0, 0, 0));
    line(w - 2, 1, w - 2, h - 2, light);
    line(w - 2, h - 2, 1, h - 2, light);
    line(w - 1, 0, w - 1, h - 1, kWhite);
    line(w - 1, h - 1, 0, h - 1, kWhite);
    return pixels;
}
} // namespace

TEST(QvoMemDC, CheckMakesABitmapOfTheSizeCompatibleWithTheDC)
{
    CClientDC screen(nullptr);
    QvoMemDC mem;
    EXPECT_EQ(nullptr, mem.GetSafeHdc()) << "no context before the first Check";
    EXPECT_FALSE(mem.Check(nullptr, 10, 10)) << "no DC to be compatible with";

    ASSERT_TRUE(mem.Check(&screen, 30, 20));
    ASSERT_NE(nullptr, mem.GetSafeHdc());
    EXPECT_EQ(30, mem.GetWidth());
    EXPECT_EQ(20, mem.GetHeight());
    BITMAP bm;
    ASSERT_TRUE(::GetObject(CurrentBitmap(mem), sizeof(bm), &bm));
    EXPECT_EQ(30, bm.bmWidth);
    EXPECT_EQ(20, bm.bmHeight);
    EXPECT_EQ(screen.GetDeviceCaps(BITSPIXEL), bm.bmBitsPixel) << "compatible with the screen";
}

// While the recreate flag is set every Check makes a new bitmap; cleared, Check keeps a bitmap
// whose size is unchanged and still makes one for a new size.
TEST(QvoMemDC, CheckRecreatesTheBitmapOnlyWhileTheFlagIsSet)
{
    CClientDC screen(nullptr);
    QvoMemDC mem;
    EXPECT_NE(0, mem.m_iRecreate) << "set by the constructor";
    ASSERT_TRUE(mem.Check(&screen, 16, 16));
    mem.SetPixelV(3, 3, kRed);
    const HBITMAP hFirst = CurrentBitmap(mem);

    ASSERT_TRUE(mem.Check(&screen, 16, 16));
    const HBITMAP hSecond = CurrentBitmap(mem);
    EXPECT_NE(hFirst, hSecond) << "a new bitmap although the size is the same";
    EXPECT_EQ(OBJ_BITMAP, ::GetObjectType(hSecond));
    EXPECT_NE(kRed, mem.GetPixel(3, 3)) << "the marker went with the old bitmap";

    mem.m_iRecreate = 0;
    mem.SetPixelV(3, 3, kRed);
    ASSERT_TRUE(mem.Check(&screen, 16, 16));
    EXPECT_EQ(hSecond, CurrentBitmap(mem)) << "same size, flag cleared: kept";
    EXPECT_EQ(kRed, mem.GetPixel(3, 3));

    ASSERT_TRUE(mem.Check(&screen, 17, 16));
    EXPECT_NE(hSecond, CurrentBitmap(mem)) << "a new size needs a new bitmap";
    EXPECT_EQ(17, mem.GetWidth());
}

TEST(QvoMemDC, CheckAtAWindowsClientSizeClearsToWhiteWhenAsked)
{
    CWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), "Mem", WS_POPUP, 0, 0, 40, 25, nullptr, nullptr));
    CClientDC dc(&wnd);
    QvoMemDC mem(&dc, &wnd, true);
    ASSERT_EQ(40, mem.GetWidth());
    ASSERT_EQ(25, mem.GetHeight());
    for (const CPoint& p : {CPoint(0, 0), CPoint(39, 24), CPoint(20, 12)})
        EXPECT_EQ(kWhite, mem.GetPixel(p)) << "(" << p.x << ", " << p.y << ")";

    mem.SetPixelV(5, 5, kRed);
    mem.m_iRecreate = 0;
    ASSERT_TRUE(mem.Check(&dc, &wnd, false));
    EXPECT_EQ(kRed, mem.GetPixel(5, 5)) << "without clear the pixels stay";
    EXPECT_FALSE(mem.Check(&dc, nullptr, false)) << "no window, no size";
}

TEST(QvoMemDC, Draw3DFrameDrawsFourPolylinesOverTheFace)
{
    CClientDC screen(nullptr);
    for (const CSize size : {CSize(12, 9), CSize(30, 20)})
    {
        QvoMemDC mem;
        ASSERT_TRUE(mem.Check(&screen, size.cx, size.cy));
        mem.Draw3DFrame();
        const std::vector<COLORREF> expected = ExpectedFrame(size.cx, size.cy);
        int nWrong = 0;
        for (int y = 0; y < size.cy; ++y)
        {
            for (int x = 0; x < size.cx; ++x)
            {
                const COLORREF want = expected[static_cast<size_t>(y * size.cx + x)];
                const COLORREF got = mem.GetPixel(x, y);
                if (got != want && ++nWrong <= 5)
                    ADD_FAILURE() << size.cx << " x " << size.cy << " pixel (" << x << ", " << y
                                  << "): expected " << ColourText(want) << ", got "
                                  << ColourText(got);
            }
        }
        EXPECT_EQ(0, nWrong) << size.cx << " x " << size.cy;
    }
}

TEST(QvoMemDC, FillsKeepTheBackgroundColourAndTextStaysInItsRectangle)
{
    CClientDC screen(nullptr);
    QvoMemDC mem;
    ASSERT_TRUE(mem.Check(&screen, 60, 20));
    mem.ExFillSolidRect(CRect(0, 0, 60, 20), kWhite);
    mem.SetBkColor(kGreen);
    mem.ExFillSolidRect(CRect(2, 3, 6, 8), kRed);
    mem.ExFillSolidRect(CPoint(10, 3), CSize(4, 5), kBlue);
    EXPECT_EQ(kGreen, mem.GetBkColor()) << "the fills leave the background colour";
    EXPECT_EQ(kRed, mem.GetPixel(2, 3));
    EXPECT_EQ(kRed, mem.GetPixel(5, 7));
    EXPECT_EQ(kWhite, mem.GetPixel(6, 7)) << "right edge excluded";
    EXPECT_EQ(kBlue, mem.GetPixel(13, 7));
    EXPECT_EQ(kWhite, mem.GetPixel(14, 3));

    // Text is clipped to its rectangle: a long text in a narrow box leaves the rest white.
    mem.SetBkMode(TRANSPARENT);
    const CRect box(20, 2, 32, 18);
    mem.ExDrawText("MMMMMMMMMM", box, DT_SINGLELINE | DT_NOPREFIX);
    mem.ExDrawText("MMMMMMMMMM", CPoint(40, 2), CSize(12, 16), DT_SINGLELINE | DT_NOPREFIX);
    int nInside = 0;
    int nBeyond = 0;
    for (int y = 0; y < 20; ++y)
    {
        for (int x = 20; x < 60; ++x)
        {
            const bool bDark = mem.GetPixel(x, y) != kWhite;
            if ((x >= 20 && x < 32) || (x >= 40 && x < 52))
                nInside += bDark;
            else
                nBeyond += bDark;
        }
    }
    EXPECT_GT(nInside, 20) << "the text was drawn";
    EXPECT_EQ(0, nBeyond) << "nothing outside the rectangles";
}

TEST(QvoMemDC, BltCopiesTheWholeBitmapToTheTargetsOrigin)
{
    CClientDC screen(nullptr);
    QvoMemDC mem;
    ASSERT_TRUE(mem.Check(&screen, 8, 6));
    mem.ExFillSolidRect(CRect(0, 0, 8, 6), kBlue);
    mem.SetPixelV(7, 5, kRed);
    DibCanvas target(12, 10);
    ASSERT_TRUE(target.IsReady());
    EXPECT_TRUE(mem.Blt(&target.DC()));
    EXPECT_TRUE(PixelIs(target, 0, 0, kBlue));
    EXPECT_TRUE(PixelIs(target, 7, 5, kRed));
    EXPECT_TRUE(PixelIs(target, 8, 5, kWhite));
    EXPECT_TRUE(PixelIs(target, 7, 6, kWhite));
    EXPECT_EQ(48, target.Count(CRect(0, 0, 12, 10), kBlue) + 1) << "8 x 6 copied, no more";
    EXPECT_FALSE(mem.Blt(nullptr));
}
