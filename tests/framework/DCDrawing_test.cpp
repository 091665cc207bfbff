#include "GdiTestSupport.h"

TEST(DCDrawing, FillSolidRectFillsExactlyTheRectangleAndKeepsTheBackgroundColour)
{
    DibCanvas canvas(12, 12);
    ASSERT_TRUE(canvas.IsReady());
    CDC& dc = canvas.DC();

    dc.FillSolidRect(2, 3, 4, 5, kRed);
    EXPECT_EQ(20, canvas.Count(CRect(2, 3, 6, 8), kRed));
    EXPECT_EQ(20, canvas.Count(CRect(0, 0, 12, 12), kRed)) << "nothing outside";
    EXPECT_EQ(kRed, dc.GetBkColor()) << "the background colour stays set";

    const CRect rect(7, 0, 12, 2);
    dc.FillSolidRect(&rect, kBlue);
    EXPECT_EQ(10, canvas.Count(CRect(0, 0, 12, 12), kBlue));
    EXPECT_EQ(kBlue, dc.GetBkColor());
}

TEST(DCDrawing, Draw3dRectPutsTopLeftColourOnTopAndLeftAndTheOtherOnBottomAndRight)
{
    // Frame at x = 1..6, y = 1..5 (x 1, y 1, cx 6, cy 5).
    struct Case
    {
        int x, y;
        COLORREF expected;
        const char* where;
    };
    const Case cases[] = {
        {1, 1, kRed, "top-left corner"},
        {3, 1, kRed, "top edge"},
        {5, 1, kRed, "top edge, last"},
        {6, 1, kBlue, "top-right corner"},
        {1, 3, kRed, "left edge"},
        {1, 4, kRed, "left edge, last"},
        {1, 5, kBlue, "bottom-left corner"},
        {6, 3, kBlue, "right edge"},
        {3, 5, kBlue, "bottom edge"},
        {6, 5, kBlue, "bottom-right corner"},
        {3, 3, kWhite, "inside"},
        {0, 0, kWhite, "outside, above left"},
        {7, 3, kWhite, "outside, right"},
        {3, 6, kWhite, "outside, below"},
    };
    DibCanvas byRect(8, 8), byCoordinates(8, 8);
    ASSERT_TRUE(byRect.IsReady() && byCoordinates.IsReady());
    const CRect frame(1, 1, 7, 6);
    byRect.DC().Draw3dRect(&frame, kRed, kBlue);
    byCoordinates.DC().Draw3dRect(1, 1, 6, 5, kRed, kBlue);
    for (const Case& c : cases)
    {
        EXPECT_TRUE(PixelIs(byRect, c.x, c.y, c.expected)) << c.where;
        EXPECT_TRUE(PixelIs(byCoordinates, c.x, c.y, c.expected)) << c.where << " (x, y, cx, cy)";
    }
}

TEST(DCDrawing, BitBltAppliesTheRasterOperation)
{
    const COLORREF source = RGB(0xF0, 0x0F, 0x33);
    const COLORREF dest = RGB(0x3C, 0xAA, 0x55);
    struct Case
    {
        const char* name;
        DWORD rop;
        bool withSource;
        COLORREF expected;
    };
    const Case cases[] = {
        {"SRCCOPY", SRCCOPY, true, source},
        {"SRCAND", SRCAND, true, RGB(0xF0 & 0x3C, 0x0F & 0xAA, 0x33 & 0x55)},
        {"SRCPAINT", SRCPAINT, true, RGB(0xF0 | 0x3C, 0x0F | 0xAA, 0x33 | 0x55)},
        {"SRCINVERT", SRCINVERT, true, RGB(0xF0 ^ 0x3C, 0x0F ^ 0xAA, 0x33 ^ 0x55)},
        {"NOTSRCCOPY", NOTSRCCOPY, true, RGB(0x0F, 0xF0, 0xCC)},
        {"DSTINVERT", DSTINVERT, false, RGB(0xC3, 0x55, 0xAA)},
    };
    for (const Case& c : cases)
    {
        DibCanvas from(4, 4), to(8, 8);
        ASSERT_TRUE(from.IsReady() && to.IsReady());
        from.Fill(source);
        to.Fill(dest);
        EXPECT_TRUE(to.DC().BitBlt(2, 2, 4, 4, c.withSource ? &from.DC() : nullptr, 0, 0, c.rop))
            << c.name;
        EXPECT_TRUE(PixelIs(to, 3, 3, c.expected)) << c.name;
        EXPECT_EQ(16, to.Count(CRect(2, 2, 6, 6), c.expected)) << c.name;
        EXPECT_TRUE(PixelIs(to, 1, 1, dest)) << c.name << ": outside the block";
    }
}

TEST(DCDrawing, StretchBltAndPatBlt)
{
    DibCanvas from(2, 2), to(8, 8);
    ASSERT_TRUE(from.IsReady() && to.IsReady());
    from.DC().SetPixelV(0, 0, kRed);
    from.DC().SetPixelV(1, 1, kBlue);
    EXPECT_EQ(kRed, from.DC().GetPixel(CPoint(0, 0)));
    to.DC().SetStretchBltMode(COLORONCOLOR);
    EXPECT_TRUE(to.DC().StretchBlt(0, 0, 4, 4, &from.DC(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(4, to.Count(CRect(0, 0, 2, 2), kRed)) << "each pixel becomes 2 x 2";
    EXPECT_EQ(4, to.Count(CRect(2, 2, 4, 4), kBlue));

    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(kGreen));
    CBrush* pEarlier = to.DC().SelectObject(&brush);
    EXPECT_TRUE(to.DC().PatBlt(4, 4, 4, 4, PATCOPY));
    EXPECT_EQ(16, to.Count(CRect(0, 0, 8, 8), kGreen));
    to.DC().SelectObject(pEarlier);
    CGdiObject::DeleteTempMap();
}

TEST(DCDrawing, OffsetClipRegionLeavesEverythingOutsideUntouched)
{
    DibCanvas canvas(16, 16);
    ASSERT_TRUE(canvas.IsReady());
    CDC& dc = canvas.DC();
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 4, 4));

    EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(&rgn));
    EXPECT_EQ(SIMPLEREGION, dc.OffsetClipRgn(5, 6));
    CRect box;
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&box));
    EXPECT_EQ(CRect(5, 6, 9, 10), box);
    dc.FillSolidRect(0, 0, 16, 16, kRed);
    EXPECT_EQ(16, canvas.Count(CRect(5, 6, 9, 10), kRed));
    EXPECT_EQ(16, canvas.Count(CRect(0, 0, 16, 16), kRed)) << "no pixel outside the clip";

    CRect rgnBox;
    rgn.GetRgnBox(&rgnBox);
    EXPECT_EQ(CRect(0, 0, 4, 4), rgnBox) << "the DC clips with a copy of the region";

    EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(nullptr)) << "no region: the whole surface";
    dc.FillSolidRect(0, 0, 16, 16, kBlue);
    EXPECT_EQ(256, canvas.Count(CRect(0, 0, 16, 16), kBlue));
}

TEST(DCDrawing, ClipRectanglesAndCombiningClipRegions)
{
    struct Case
    {
        const char* what;
        void (*clip)(CDC& dc, CRgn& rgn);
        int expectedInside;
        int expectedTotal;
    };
    const Case cases[] = {
        {"intersect", [](CDC& dc, CRgn&) { dc.IntersectClipRect(2, 2, 6, 6); }, 16, 16},
        {"exclude", [](CDC& dc, CRgn&) { dc.ExcludeClipRect(CRect(2, 2, 6, 6)); }, 0, 48},
        {"region AND",
         [](CDC& dc, CRgn& rgn) {
             dc.IntersectClipRect(0, 0, 4, 4);
             dc.SelectClipRgn(&rgn, RGN_AND);
         },
         4, 4},
        {"region OR",
         [](CDC& dc, CRgn& rgn) {
             dc.IntersectClipRect(0, 0, 2, 2);
             dc.SelectClipRgn(&rgn, RGN_OR);
         },
         16, 20},
    };
    for (const Case& c : cases)
    {
        DibCanvas canvas(8, 8);
        ASSERT_TRUE(canvas.IsReady());
        CRgn rgn;
        ASSERT_TRUE(rgn.CreateRectRgn(2, 2, 6, 6));
        c.clip(canvas.DC(), rgn);
        canvas.DC().FillSolidRect(0, 0, 8, 8, kGreen);
        EXPECT_EQ(c.expectedInside, canvas.Count(CRect(2, 2, 6, 6), kGreen)) << c.what;
        EXPECT_EQ(c.expectedTotal, canvas.Count(CRect(0, 0, 8, 8), kGreen)) << c.what;
    }
}

TEST(DCDrawing, OriginsMoveDrawingAndConvertPoints)
{
    struct Case
    {
        const char* what;
        CPoint (*move)(CDC& dc); // returns what the last change reported as the earlier origin
        CPoint earlierOrigin;
        CPoint deviceOfLogicalOrigin;
    };
    const Case cases[] = {
        {"SetViewportOrg", [](CDC& dc) { return dc.SetViewportOrg(3, 2); }, CPoint(0, 0),
         CPoint(3, 2)},
        {"OffsetViewportOrg",
         [](CDC& dc) {
             dc.SetViewportOrg(1, 1);
             return dc.OffsetViewportOrg(2, 3);
         },
         CPoint(1, 1), CPoint(3, 4)},
        {"SetWindowOrg", [](CDC& dc) { return dc.SetWindowOrg(CPoint(-4, -1)); }, CPoint(0, 0),
         CPoint(4, 1)},
        {"OffsetWindowOrg",
         [](CDC& dc) {
             dc.SetWindowOrg(-1, 0);
             return dc.OffsetWindowOrg(-2, -2);
         },
         CPoint(-1, 0), CPoint(3, 2)},
    };
    for (const Case& c : cases)
    {
        DibCanvas canvas(10, 10);
        ASSERT_TRUE(canvas.IsReady());
        CDC& dc = canvas.DC();
        EXPECT_EQ(c.earlierOrigin, c.move(dc)) << c.what;
        CPoint point(0, 0);
        dc.LPtoDP(&point);
        EXPECT_EQ(c.deviceOfLogicalOrigin, point) << c.what;
        dc.DPtoLP(&point);
        EXPECT_EQ(CPoint(0, 0), point) << c.what;
        CRect rect(0, 0, 1, 1);
        dc.LPtoDP(&rect);
        EXPECT_EQ(CRect(c.deviceOfLogicalOrigin, CSize(1, 1)), rect) << c.what;
        dc.FillSolidRect(0, 0, 1, 1, kRed);
        EXPECT_TRUE(PixelIs(canvas, c.deviceOfLogicalOrigin.x, c.deviceOfLogicalOrigin.y, kRed))
            << c.what;
        EXPECT_EQ(1, canvas.Count(CRect(0, 0, 10, 10), kRed)) << c.what;
    }
}

TEST(DCDrawing, LinesAndShapesUseTheSelectedPenAndBrush)
{
    DibCanvas canvas(12, 12);
    ASSERT_TRUE(canvas.IsReady());
    CDC& dc = canvas.DC();
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, kBlue));
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(kGreen));
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);

    EXPECT_EQ(CPoint(0, 0), dc.MoveTo(1, 0));
    EXPECT_TRUE(dc.LineTo(5, 0));
    EXPECT_EQ(4, canvas.Count(CRect(0, 0, 12, 1), kBlue)) << "the end point is not drawn";
    EXPECT_EQ(CPoint(5, 0), dc.MoveTo(CPoint(0, 0)));

    EXPECT_TRUE(dc.Rectangle(2, 2, 7, 7));
    EXPECT_TRUE(PixelIs(canvas, 2, 2, kBlue)) << "border in the pen";
    EXPECT_TRUE(PixelIs(canvas, 6, 6, kBlue));
    EXPECT_EQ(9, canvas.Count(CRect(3, 3, 6, 6), kGreen)) << "inside in the brush";
    EXPECT_TRUE(PixelIs(canvas, 7, 7, kWhite));

    const POINT corner[] = {{9, 2}, {9, 9}, {2, 9}};
    EXPECT_TRUE(dc.Polyline(corner, 3));
    EXPECT_EQ(7, canvas.Count(CRect(9, 2, 10, 9), kBlue));
    EXPECT_EQ(7, canvas.Count(CRect(3, 9, 10, 10), kBlue));

    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
    CGdiObject::DeleteTempMap();
}

TEST(DCDrawing, RegionsAreFilledFramedAndPainted)
{
    DibCanvas canvas(12, 12);
    ASSERT_TRUE(canvas.IsReady());
    CDC& dc = canvas.DC();
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(2, 2, 8, 8));
    CBrush red, blue;
    ASSERT_TRUE(red.CreateSolidBrush(kRed));
    ASSERT_TRUE(blue.CreateSolidBrush(kBlue));

    EXPECT_TRUE(dc.FillRgn(&rgn, &red));
    EXPECT_EQ(36, canvas.Count(CRect(0, 0, 12, 12), kRed));
    EXPECT_TRUE(dc.FrameRgn(&rgn, &blue, 1, 1));
    EXPECT_EQ(20, canvas.Count(CRect(0, 0, 12, 12), kBlue)) << "a one-pixel border inside";
    EXPECT_EQ(16, canvas.Count(CRect(3, 3, 7, 7), kRed));

    CBrush* pOld = dc.SelectObject(&blue);
    EXPECT_TRUE(dc.PaintRgn(&rgn));
    EXPECT_EQ(36, canvas.Count(CRect(0, 0, 12, 12), kBlue));
    dc.SelectObject(pOld);

    const CRect rect(0, 0, 2, 2);
    dc.FillRect(&rect, &red);
    EXPECT_EQ(4, canvas.Count(CRect(0, 0, 12, 12), kRed));
    dc.FrameRect(CRect(0, 9, 3, 12), &blue);
    EXPECT_EQ(8, canvas.Count(CRect(0, 9, 3, 12), kBlue));
    dc.InvertRect(CRect(10, 10, 12, 12));
    EXPECT_EQ(4, canvas.Count(CRect(10, 10, 12, 12), RGB(0, 0, 0)));
    CGdiObject::DeleteTempMap();
}

TEST(DCDrawing, TextIsDrawnInTheTextColourWithinItsMeasuredExtent)
{
    DibCanvas canvas(64, 32);
    ASSERT_TRUE(canvas.IsReady());
    CDC& dc = canvas.DC();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial", &dc));
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetTextColor(kRed);
    EXPECT_NE(0, dc.SetBkMode(TRANSPARENT));
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode());

    const CString text("HI");
    const CSize extent = dc.GetTextExtent(text);
    EXPECT_EQ(extent, dc.GetTextExtent("HI", 2));
    EXPECT_GT(extent.cx, 0);
    TEXTMETRIC metrics = {};
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight, extent.cy);

    EXPECT_TRUE(dc.TextOut(4, 4, text));
    const CRect inside(4, 4, 4 + extent.cx, 4 + extent.cy);
    EXPECT_GT(canvas.Count(inside, kRed), 0) << "glyph pixels in the text colour";
    EXPECT_EQ(canvas.Count(inside, kRed), canvas.Count(CRect(0, 0, 64, 32), kRed))
        << "nothing drawn outside the extent";

    CRect calc(0, 0, 0, 0);
    EXPECT_EQ(extent.cy, dc.DrawText(text, &calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_EQ(extent.cx, calc.Width());
    CRect sameCalc(0, 0, 0, 0);
    dc.DrawText("HI", -1, &sameCalc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc, sameCalc);

    canvas.Fill(kWhite);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kBlue);
    const CRect box(0, 0, 64, 32);
    EXPECT_TRUE(dc.ExtTextOut(2, 2, ETO_OPAQUE, &box, CString(), nullptr));
    EXPECT_EQ(64 * 32, canvas.Count(box, kBlue)) << "ETO_OPAQUE fills the rectangle";

    dc.SelectObject(pOldFont);
    CGdiObject::DeleteTempMap();
}
