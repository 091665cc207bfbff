// Bitmaps drawn plainly and with a transparent colour, and double buffering over a background:
// drawn into memory DCs and read back by pixels.
#include "tests/framework/GdiTestSupport.h"
#include "toolkit/draw/QvDraw.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{
typedef std::function<COLORREF(int x, int y)> PixelRule;

// A screen-compatible bitmap painted pixel by pixel, not selected anywhere afterwards.
bool MakeBitmap(CBitmap& bitmap, int w, int h, const PixelRule& rule)
{
    CClientDC screen(nullptr);
    CDC dc;
    if (!bitmap.CreateCompatibleBitmap(&screen, w, h) || !dc.CreateCompatibleDC(&screen))
        return false;
    CBitmap* pPrevious = dc.SelectObject(&bitmap);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            dc.SetPixelV(x, y, rule(x, y));
    dc.SelectObject(pPrevious);
    return true;
}

std::vector<COLORREF> ReadBitmap(HBITMAP hBitmap)
{
    BITMAP bm = {};
    ::GetObject(hBitmap, sizeof(bm), &bm);
    std::vector<COLORREF> pixels;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hPrevious = ::SelectObject(dc, hBitmap);
    for (int y = 0; y < bm.bmHeight; ++y)
        for (int x = 0; x < bm.bmWidth; ++x)
            pixels.push_back(dc.GetPixel(x, y));
    ::SelectObject(dc, hPrevious);
    return pixels;
}

// A target whose every pixel differs from its neighbours and from the bitmaps' colours.
COLORREF Backdrop(int x, int y)
{
    return RGB(10 * x, 10 * y, 77);
}

void PaintBackdrop(DibCanvas& canvas)
{
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.DC().SetPixelV(x, y, Backdrop(x, y));
}

struct OpaqueCase
{
    const char* name;
    COLORREF transparent; // the colour of the top-left pixel
    PixelRule rule;
};
} // namespace

TEST(QvfDrawBitmap, CopiesTheWholeBitmapAtThePoint)
{
    CBitmap bitmap;
    ASSERT_TRUE(MakeBitmap(bitmap, 5, 4, [](int x, int y) { return RGB(x * 40, y * 60, 200); }));
    DibCanvas canvas(12, 10);
    ASSERT_TRUE(canvas.IsReady());
    CPoint at(6, 5);
    EXPECT_TRUE(QvfDrawBitmap(canvas.DC(), at, bitmap));
    for (int y = 0; y < 10; ++y)
    {
        for (int x = 0; x < 12; ++x)
        {
            const bool bInside = x >= 6 && x < 11 && y >= 5 && y < 9;
            EXPECT_TRUE(
                PixelIs(canvas, x, y, bInside ? RGB((x - 6) * 40, (y - 5) * 60, 200) : kWhite));
        }
    }
    CBitmap empty;
    EXPECT_FALSE(QvfDrawBitmap(canvas.DC(), at, empty));
}

// Every pixel of the bitmap's top-left colour leaves the target as it was; the others are
// copied; the bitmap is the same afterwards.
TEST(QvfDrawOpaque, LeavesTheTargetWhereTheBitmapHasItsCornerColour)
{
    const OpaqueCase cases[] = {
        {"magenta corner, red square with a magenta hole, a blue dot", kMagenta,
         [](int x, int y) {
             if (x == 3 && y == 2)
                 return kMagenta;
             if (x >= 2 && x < 6 && y >= 1 && y < 5)
                 return kRed;
             return x == 8 && y == 6 ? kBlue : kMagenta;
         }},
        {"blue corner, magenta drawn like any colour", kBlue,
         [](int x, int y) {
             if ((x + y) % 3 == 0)
                 return kBlue;
             return x < 5 ? kMagenta : kGreen;
         }},
        {"no pixel but the corner is transparent", kRed,
         [](int x, int y) { return x == 0 && y == 0 ? kRed : RGB(x * 20, 100, y * 30); }},
    };
    for (const OpaqueCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CBitmap bitmap;
        ASSERT_TRUE(MakeBitmap(bitmap, 10, 7, c.rule));
        const std::vector<COLORREF> before = ReadBitmap(bitmap);
        ASSERT_EQ(c.transparent, before[0]);

        DibCanvas canvas(20, 15);
        ASSERT_TRUE(canvas.IsReady());
        PaintBackdrop(canvas);
        CPoint at(4, 3);
        EXPECT_TRUE(QvfDrawOpaque(canvas.DC(), at, bitmap));

        int nWrong = 0;
        for (int y = 0; y < 15; ++y)
        {
            for (int x = 0; x < 20; ++x)
            {
                COLORREF expected = Backdrop(x, y);
                if (x >= 4 && x < 14 && y >= 3 && y < 10 && c.rule(x - 4, y - 3) != c.transparent)
                    expected = c.rule(x - 4, y - 3);
                if (!PixelIs(canvas, x, y, expected) && ++nWrong <= 5)
                    ADD_FAILURE() << PixelIs(canvas, x, y, expected).message();
            }
        }
        EXPECT_EQ(0, nWrong);
        EXPECT_EQ(before, ReadBitmap(bitmap)) << "the bitmap is restored";
    }
}

TEST(QvfDrawOpaque, RefusesABitmapHeldByAnotherDC)
{
    CBitmap bitmap;
    ASSERT_TRUE(MakeBitmap(bitmap, 4, 4, [](int x, int) { return x ? kRed : kMagenta; }));
    CDC holder;
    ASSERT_TRUE(holder.CreateCompatibleDC(nullptr));
    CBitmap* pPrevious = holder.SelectObject(&bitmap);
    ASSERT_NE(nullptr, pPrevious);

    DibCanvas canvas(8, 8);
    CPoint at(1, 1);
    EXPECT_FALSE(QvfDrawOpaque(canvas.DC(), at, bitmap));
    EXPECT_FALSE(QvfDrawBitmap(canvas.DC(), at, bitmap));
    EXPECT_EQ(64, canvas.Count(CRect(0, 0, 8, 8), kWhite)) << "nothing drawn";
    holder.SelectObject(pPrevious);
}

// Init gives mem a copy of the background in the background's own format; Finish puts what
// was drawn into mem onto the DC and lets go of mem and the copy.
TEST(QvfMemDC, InitCopiesTheBackgroundAndFinishDrawsAndReleasesIt)
{
    struct Background
    {
        const char* name;
        bool bDib;
    };
    for (const Background& kind :
         {Background{"24-bit DIB section", true}, Background{"screen-compatible bitmap", false}})
    {
        SCOPED_TRACE(kind.name);
        const int w = 9, h = 5;
        const PixelRule pattern = [](int x, int y) { return RGB(20 * x, 40 * y, 160); };
        CBitmap background;
        if (kind.bDib)
        {
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof(info.bmiHeader);
            info.bmiHeader.biWidth = w;
            info.bmiHeader.biHeight = h;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 24;
            void* pBits = nullptr;
            ASSERT_TRUE(background.Attach(
                ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0)));
            CDC dc;
            dc.CreateCompatibleDC(nullptr);
            CBitmap* pPrevious = dc.SelectObject(&background);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    dc.SetPixelV(x, y, pattern(x, y));
            dc.SelectObject(pPrevious);
        }
        else
        {
            ASSERT_TRUE(MakeBitmap(background, w, h, pattern));
        }
        BITMAP original;
        ASSERT_TRUE(background.GetBitmap(&original));

        DibCanvas canvas(12, 8);
        ASSERT_TRUE(canvas.IsReady());
        CDC mem;
        ASSERT_TRUE(QvfMemDCInit(canvas.DC(), background, mem));
        const HBITMAP hCopy =
            static_cast<HBITMAP>(::GetCurrentObject(mem.GetSafeHdc(), OBJ_BITMAP));
        ASSERT_NE(background.GetSafeHandle(), hCopy);
        BITMAP copy;
        ASSERT_TRUE(::GetObject(hCopy, sizeof(copy), &copy));
        EXPECT_EQ(original.bmBitsPixel, copy.bmBitsPixel) << "the background's format";
        EXPECT_EQ(w, copy.bmWidth);
        EXPECT_EQ(h, copy.bmHeight);
        EXPECT_EQ(pattern(8, 4), mem.GetPixel(8, 4)) << "the background's pixels";

        mem.SetPixelV(1, 1, kRed);
        EXPECT_TRUE(QvfMemDCFinish(canvas.DC(), background, mem));
        EXPECT_TRUE(PixelIs(canvas, 1, 1, kRed));
        EXPECT_TRUE(PixelIs(canvas, 8, 4, pattern(8, 4)));
        EXPECT_TRUE(PixelIs(canvas, 9, 4, kWhite)) << "the background's size, no more";
        EXPECT_TRUE(PixelIs(canvas, 8, 5, kWhite));
        EXPECT_EQ(nullptr, mem.GetSafeHdc()) << "mem was deleted";
        EXPECT_EQ(0u, ::GetObjectType(hCopy)) << "and the copy with it";
        EXPECT_EQ(pattern(1, 1), ReadBitmap(background)[1 * w + 1]) << "background untouched";
        EXPECT_FALSE(QvfMemDCFinish(canvas.DC(), background, mem)) << "one Finish per Init";
    }
}

// A monochrome bitmap draws black and white; its corner colour, black or white, is transparent.
TEST(QvfDrawOpaque, AMonochromeBitmapIsTransparentInItsCornerColourEitherWay)
{
    // 16 x 4 pixels, rows of two bytes (word-aligned): a white bar in columns 4 to 11 of rows 1
    // and 2 on black, and the same inverted.
    const BYTE blackGround[] = {0x00, 0x00, 0x0F, 0xF0, 0x0F, 0xF0, 0x00, 0x00};
    const BYTE whiteGround[] = {0xFF, 0xFF, 0xF0, 0x0F, 0xF0, 0x0F, 0xFF, 0xFF};
    for (const BYTE* bits : {blackGround, whiteGround})
    {
        const bool bBlackGround = bits == blackGround;
        SCOPED_TRACE(bBlackGround ? "black corner" : "white corner");
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(16, 4, 1, 1, bits));
        DibCanvas canvas(20, 8);
        ASSERT_TRUE(canvas.IsReady());
        PaintBackdrop(canvas);
        CPoint at(2, 2);
        EXPECT_TRUE(QvfDrawOpaque(canvas.DC(), at, bitmap));
        int nWrong = 0;
        for (int y = 0; y < 8; ++y)
        {
            for (int x = 0; x < 20; ++x)
            {
                const bool bBar = x >= 6 && x < 14 && y >= 3 && y < 5;
                COLORREF expected = Backdrop(x, y);
                if (bBar)
                    expected = bBlackGround ? kWhite : RGB(0, 0, 0);
                if (!PixelIs(canvas, x, y, expected) && ++nWrong <= 5)
                    ADD_FAILURE() << PixelIs(canvas, x, y, expected).message();
            }
        }
        EXPECT_EQ(0, nWrong);
    }
}
