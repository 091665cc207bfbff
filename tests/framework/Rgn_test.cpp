#include "GdiTestSupport.h"

TEST(Regions, CombineModes)
{
    // A = (0, 0)-(10, 10), B = (5, 5)-(15, 15); points in A only, in both, in B only, in neither.
    const CPoint aOnly(2, 2), both(7, 7), bOnly(12, 12), neither(20, 20);
    struct Case
    {
        const char* name;
        int mode;
        int expectedKind;
        bool inAOnly, inBoth, inBOnly;
        CRect box;
    };
    const Case cases[] = {
        {"AND", RGN_AND, SIMPLEREGION, false, true, false, CRect(5, 5, 10, 10)},
        {"OR", RGN_OR, COMPLEXREGION, true, true, true, CRect(0, 0, 15, 15)},
        {"XOR", RGN_XOR, COMPLEXREGION, true, false, true, CRect(0, 0, 15, 15)},
        {"DIFF", RGN_DIFF, COMPLEXREGION, true, false, false, CRect(0, 0, 10, 10)},
        {"COPY", RGN_COPY, SIMPLEREGION, true, true, false, CRect(0, 0, 10, 10)},
    };
    for (const Case& c : cases)
    {
        CRgn a, b, result;
        ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
        ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
        ASSERT_TRUE(result.CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(c.expectedKind, result.CombineRgn(&a, &b, c.mode)) << c.name;
        EXPECT_EQ(c.inAOnly, bool(result.PtInRegion(aOnly))) << c.name;
        EXPECT_EQ(c.inBoth, bool(result.PtInRegion(both.x, both.y))) << c.name;
        EXPECT_EQ(c.inBOnly, bool(result.PtInRegion(bOnly))) << c.name;
        EXPECT_FALSE(result.PtInRegion(neither)) << c.name;
        CRect box;
        result.GetRgnBox(&box);
        EXPECT_EQ(c.box, box) << c.name;
    }
    CRgn a, result;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 1, 1));
    ASSERT_TRUE(result.CreateRectRgn(0, 0, 1, 1));
    EXPECT_EQ(ERROR, result.CombineRgn(nullptr, &a, RGN_OR));
}

TEST(Regions, PolygonFillModes)
{
    // A five-pointed star drawn in one stroke: its centre is enclosed twice.
    const POINT star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    struct Case
    {
        const char* name;
        int mode;
        bool centreInside;
    };
    const Case cases[] = {{"ALTERNATE", ALTERNATE, false}, {"WINDING", WINDING, true}};
    for (const Case& c : cases)
    {
        CRgn rgn;
        ASSERT_TRUE(rgn.CreatePolygonRgn(star, 5, c.mode)) << c.name;
        EXPECT_EQ(c.centreInside, bool(rgn.PtInRegion(50, 50))) << c.name;
        EXPECT_TRUE(rgn.PtInRegion(50, 10)) << c.name << ": the top point";
        EXPECT_FALSE(rgn.PtInRegion(5, 80)) << c.name << ": between two points";
    }
    CRgn none;
    EXPECT_FALSE(none.CreatePolygonRgn(nullptr, 3, ALTERNATE));
    EXPECT_EQ(nullptr, none.m_hObject);
}

TEST(Regions, OffsetCopyCompareAndReset)
{
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateEllipticRgn(0, 0, 20, 10));
    EXPECT_TRUE(rgn.PtInRegion(10, 5));
    EXPECT_FALSE(rgn.PtInRegion(0, 0)) << "outside the ellipse, inside its box";
    CRect before, box;
    EXPECT_EQ(COMPLEXREGION, rgn.GetRgnBox(&before));
    EXPECT_NE(ERROR, rgn.OffsetRgn(CPoint(5, 5)));
    EXPECT_EQ(COMPLEXREGION, rgn.GetRgnBox(&box));
    EXPECT_EQ(before + CPoint(5, 5), box);
    EXPECT_TRUE(rgn.PtInRegion(15, 10)) << "the centre moved with it";

    CRgn copy;
    ASSERT_TRUE(copy.CreateRectRgn(0, 0, 1, 1));
    EXPECT_EQ(COMPLEXREGION, copy.CopyRgn(&rgn));
    EXPECT_TRUE(copy.EqualRgn(&rgn));
    copy.OffsetRgn(1, 0);
    EXPECT_FALSE(copy.EqualRgn(&rgn));
    EXPECT_FALSE(copy.EqualRgn(nullptr));

    copy.SetRectRgn(CRect(1, 2, 3, 4));
    EXPECT_EQ(SIMPLEREGION, copy.GetRgnBox(&box));
    EXPECT_EQ(CRect(1, 2, 3, 4), box);
    copy.SetRectRgn(0, 0, 2, 2);
    copy.GetRgnBox(&box);
    EXPECT_EQ(CRect(0, 0, 2, 2), box);

    CRgn rounded;
    ASSERT_TRUE(rounded.CreateRoundRectRgn(0, 0, 30, 30, 24, 24));
    EXPECT_FALSE(rounded.PtInRegion(1, 1)) << "a rounded corner";
    EXPECT_TRUE(rounded.PtInRegion(15, 1));
}
