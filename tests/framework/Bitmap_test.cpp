#define OEMRESOURCE
#include "FrameworkTestIds.h"
#include "GdiTestSupport.h"

namespace
{

CSize BitmapSize(const CBitmap& bitmap)
{
    BITMAP info = {};
    if (bitmap.GetBitmap(&info) != int(sizeof(info)))
        return CSize(-1, -1);
    return CSize(info.bmWidth, info.bmHeight);
}
} // namespace

TEST(BitmapLoading, LoadBitmapSearchesTheResourceChain)
{
    {
        ResourceChainScope chain(true);
        CBitmap strip;
        ASSERT_TRUE(strip.LoadBitmap(IDB_TEST_STRIP8)) << "found in a module of the chain";
        EXPECT_EQ(CSize(24, 8), BitmapSize(strip));

        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CBitmap* pEarlier = dc.SelectObject(&strip);
        EXPECT_EQ(kMagenta, dc.GetPixel(0, 0));
        EXPECT_EQ(kRed, dc.GetPixel(3, 3));
        EXPECT_EQ(kBlue, dc.GetPixel(CPoint(19, 5)));
        dc.SelectObject(pEarlier);
    }
    {
        ResourceChainScope chain(false);
        CBitmap missing;
        EXPECT_FALSE(missing.LoadBitmap(IDB_TEST_STRIP8)) << "in no module of the chain";
        EXPECT_EQ(nullptr, missing.m_hObject);
    }
    CBitmap direct;
    EXPECT_TRUE(direct.LoadBitmap(MAKEINTRESOURCEA(IDB_TEST_STRIP8)))
        << "the program is the default resource module";
    CGdiObject::DeleteTempMap();
}

TEST(BitmapCreation, SizesFormatsAndSystemBitmaps)
{
    CBitmap oem;
    ASSERT_TRUE(oem.LoadOEMBitmap(OBM_CHECK));
    const CSize oemSize = BitmapSize(oem);
    EXPECT_GT(oemSize.cx, 0);
    EXPECT_GT(oemSize.cy, 0);

    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(16, 4, 1, 1, nullptr));
    BITMAP info = {};
    ASSERT_EQ(int(sizeof(info)), mono.GetBitmap(&info));
    EXPECT_EQ(16, info.bmWidth);
    EXPECT_EQ(4, info.bmHeight);
    EXPECT_EQ(1, info.bmBitsPixel);

    BITMAP request = {0, 5, 3, 0, 1, 1, nullptr};
    request.bmWidthBytes = 2;
    CBitmap indirect;
    ASSERT_TRUE(indirect.CreateBitmapIndirect(&request));
    EXPECT_EQ(CSize(5, 3), BitmapSize(indirect));

    CDC* pScreen = CDC::FromHandle(::GetDC(nullptr));
    CBitmap compatible;
    ASSERT_TRUE(compatible.CreateCompatibleBitmap(pScreen, 7, 6));
    ASSERT_EQ(int(sizeof(info)), compatible.GetBitmap(&info));
    EXPECT_EQ(CSize(7, 6), CSize(info.bmWidth, info.bmHeight));
    EXPECT_EQ(pScreen->GetDeviceCaps(BITSPIXEL), info.bmBitsPixel) << "the screen's format";
    ::ReleaseDC(nullptr, pScreen->m_hDC);
    CDC::DeleteTempMap();

    CBitmap none;
    EXPECT_FALSE(none.CreateCompatibleBitmap(nullptr, 4, 4));
    EXPECT_FALSE(none.CreateBitmapIndirect(nullptr));
}

TEST(BitmapCreation, PatternBrushRepeatsAMonochromeBitmapInTextAndBackgroundColours)
{
    // Rows of alternating bits: 0 takes the text colour, 1 the background colour.
    const WORD rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap pattern;
    ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, rows));
    CBrush brush;
    ASSERT_TRUE(brush.CreatePatternBrush(&pattern));

    DibCanvas canvas(8, 8);
    ASSERT_TRUE(canvas.IsReady());
    CDC& dc = canvas.DC();
    dc.SetTextColor(kRed);
    dc.SetBkColor(kBlue);
    CBrush* pEarlier = dc.SelectObject(&brush);
    dc.PatBlt(0, 0, 8, 8, PATCOPY);
    dc.SelectObject(pEarlier);

    EXPECT_TRUE(PixelIs(canvas, 0, 0, kRed)); // 0x55: first bit 0
    EXPECT_TRUE(PixelIs(canvas, 1, 0, kBlue));
    EXPECT_TRUE(PixelIs(canvas, 0, 1, kBlue));
    EXPECT_EQ(32, canvas.Count(CRect(0, 0, 8, 8), kRed));
    EXPECT_FALSE(CBrush().CreatePatternBrush(nullptr));
    CGdiObject::DeleteTempMap();
}
