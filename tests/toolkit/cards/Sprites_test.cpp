// The opaque bitmap and the drag icon over a backdrop whose every pixel differs: what they
// leave of the background and what they draw.
#include "tests/framework/GdiTestSupport.h"
#include "toolkit/cards/QvCards.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
COLORREF Backdrop(int x, int y)
{
    return RGB(40 + x, 60 + y, 77);
}

void PaintBackdrop(DibCanvas& canvas)
{
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.DC().SetPixelV(x, y, Backdrop(x, y));
}

// The pixels of a bitmap of the library, as a plain copy draws them on white.
std::vector<COLORREF> LibraryBitmapPixels(int id, int w, int h)
{
    DibCanvas canvas(w, h);
    HBITMAP hBitmap = static_cast<HBITMAP>(
        ::LoadImageA(FQvTGetModuleHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    CDC source;
    source.CreateCompatibleDC(nullptr);
    HGDIOBJ hPrevious = ::SelectObject(source, hBitmap);
    canvas.DC().BitBlt(0, 0, w, h, &source, 0, 0, SRCCOPY);
    ::SelectObject(source, hPrevious);
    ::DeleteObject(hBitmap);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}

// Counts the pixels that are not what an opaque draw of the image at `at` should leave: the
// backdrop where the image has the colour of its top-left pixel, the image elsewhere.
int OpaqueMismatches(const DibCanvas& canvas, const std::vector<COLORREF>& image, CPoint at, int w,
                     int h, int* pTransparentInside)
{
    const COLORREF key = image[0];
    int mismatches = 0;
    *pTransparentInside = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
        {
            const bool inImage = x >= at.x && x < at.x + w && y >= at.y && y < at.y + h;
            COLORREF expected = Backdrop(x, y);
            if (inImage)
            {
                const COLORREF source = image[(y - at.y) * w + (x - at.x)];
                if (source != key)
                    expected = source;
                else if (x >= at.x + 5 && x < at.x + w - 5 && y >= at.y + 5 && y < at.y + h - 5)
                    ++*pTransparentInside;
            }
            mismatches += canvas.Pixel(x, y) != expected;
        }
    return mismatches;
}

// A solid opaque square icon of the colour.
HICON MakeSquareIcon(int size, COLORREF colour)
{
    CClientDC screen(nullptr);
    CBitmap image, mask;
    image.CreateCompatibleBitmap(&screen, size, size);
    mask.CreateBitmap(size, size, 1, 1, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* pPrevious = dc.SelectObject(&image);
    dc.FillSolidRect(0, 0, size, size, colour);
    dc.SelectObject(&mask);
    dc.PatBlt(0, 0, size, size, BLACKNESS); // 0 in the mask: the image shows
    dc.SelectObject(pPrevious);
    ICONINFO info = {TRUE, 0, 0, mask, image};
    return ::CreateIconIndirect(&info);
}
} // namespace

TEST(QvoBmOpaque, DrawsWithTheCornerColourTransparentEverywhere)
{
    // The queen of hearts: black outside the card's outline and black in her figure.
    const int w = 71, h = 96;
    const std::vector<COLORREF> queen = LibraryBitmapPixels(167, w, h);
    ASSERT_EQ(RGB(0, 0, 0), queen[0]);

    QvoBmOpaque sprite;
    DibCanvas canvas(100, 120);
    CPoint at(12, 9);
    EXPECT_FALSE(sprite.Draw(canvas.DC(), at)) << "nothing loaded yet";
    // The test program has no bitmap 167: the resource chain finds the library's.
    ASSERT_NE(0, sprite.LoadBitmapA(167));
    PaintBackdrop(canvas);
    ASSERT_TRUE(sprite.Draw(canvas.DC(), at));
    int transparentInside = 0;
    EXPECT_EQ(0, OpaqueMismatches(canvas, queen, at, w, h, &transparentInside));
    EXPECT_GT(transparentInside, 20) << "the figure's black is transparent too";

    // Again with the masks made by the first draw, at another place.
    PaintBackdrop(canvas);
    at = CPoint(20, 2);
    ASSERT_TRUE(sprite.Draw(canvas.DC(), at));
    EXPECT_EQ(0, OpaqueMismatches(canvas, queen, at, w, h, &transparentInside));
}

TEST(QvoBmOpaque, AnotherImageAfterADrawGetsMasksOfItsOwn)
{
    const int w = 71, h = 96;
    QvoBmOpaque sprite;
    DibCanvas canvas(100, 120);
    CPoint at(5, 5);
    ASSERT_NE(0, sprite.LoadBitmapA(167));
    ASSERT_TRUE(sprite.Draw(canvas.DC(), at));

    // The ten of clubs, monochrome: its black pips are transparent, its white face is not.
    ASSERT_NE(0, sprite.LoadBitmapA(139));
    PaintBackdrop(canvas);
    ASSERT_TRUE(sprite.Draw(canvas.DC(), at));
    int transparentInside = 0;
    EXPECT_EQ(
        0, OpaqueMismatches(canvas, LibraryBitmapPixels(139, w, h), at, w, h, &transparentInside));
    EXPECT_GT(transparentInside, 100);

    // A bitmap that is nowhere leaves the image as it was.
    EXPECT_EQ(0, sprite.LoadBitmapA(9999));
    PaintBackdrop(canvas);
    ASSERT_TRUE(sprite.Draw(canvas.DC(), at));
    EXPECT_EQ(
        0, OpaqueMismatches(canvas, LibraryBitmapPixels(139, w, h), at, w, h, &transparentInside));
}

TEST(QvoDragIcon, EachMoveRestoresWhatTheIconCovered)
{
    const int size = 16;
    const COLORREF colour = RGB(250, 10, 200);
    HICON hIcon = MakeSquareIcon(size, colour);
    ASSERT_NE(nullptr, hIcon);
    DibCanvas canvas(160, 120);
    PaintBackdrop(canvas);
    auto expectIconOnlyAt = [&](CPoint at, const char* step) {
        SCOPED_TRACE(step);
        const CRect icon(at, CSize(size, size));
        int mismatches = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                mismatches +=
                    canvas.Pixel(x, y) != (icon.PtInRect(CPoint(x, y)) ? colour : Backdrop(x, y));
        EXPECT_EQ(0, mismatches);
    };

    QvoDragIcon drag;
    EXPECT_EQ(0, drag.Dragging());
    CPoint at(10, 10);
    CPoint none(0, 0);
    EXPECT_FALSE(drag.Move(canvas.DC(), none)) << "not dragging";
    ASSERT_TRUE(drag.Start(canvas.DC(), hIcon, at));
    EXPECT_EQ(1, drag.Dragging());
    expectIconOnlyAt(CPoint(-100, -100), "Start draws nothing");

    const CPoint path[] = {{10, 10}, {14, 13}, {20, 8}, {18, 18}, {120, 90}, {119, 92}, {0, 0}};
    for (CPoint point : path)
    {
        ASSERT_TRUE(drag.Move(canvas.DC(), point));
        expectIconOnlyAt(point, "after a move");
    }
    drag.Finish();
    EXPECT_EQ(0, drag.Dragging());
    expectIconOnlyAt(CPoint(0, 0), "the last icon stays until the caller repaints");
    CPoint next(30, 30);
    EXPECT_FALSE(drag.Move(canvas.DC(), next)) << "finished";

    CPoint where(5, 5);
    EXPECT_FALSE(drag.Start(canvas.DC(), nullptr, where)) << "no icon";
    EXPECT_EQ(0, drag.Dragging());
    ::DestroyIcon(hIcon);
}
