#include <afx.h>

#include <gtest/gtest.h>

namespace
{
::testing::AssertionResult RectIs(const CRect& expected, const CRect& actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "expected (" << expected.left << ", " << expected.top << ", " << expected.right
           << ", " << expected.bottom << "), got (" << actual.left << ", " << actual.top << ", "
           << actual.right << ", " << actual.bottom << ")";
}
} // namespace

TEST(Geometry, PointAndSizeArithmetic)
{
    CPoint p(10, 20);
    p += CSize(1, 2);
    EXPECT_EQ(CPoint(11, 22), p);
    p -= CPoint(11, 2);
    EXPECT_EQ(CPoint(0, 20), p);
    EXPECT_EQ(CSize(5, -15), CPoint(5, 5) - CPoint(0, 20)) << "point minus point is a size";
    EXPECT_EQ(CPoint(-3, 4), -CPoint(3, -4));
    EXPECT_EQ(CPoint(7, 9), CSize(2, 3) + CPoint(5, 6));
    EXPECT_TRUE(CSize(1, 1) != CSize(1, 2));

    // Mouse messages pack signed 16-bit coordinates.
    EXPECT_EQ(CPoint(-2, 300), CPoint(MAKELPARAM(static_cast<WORD>(-2), 300)));
    EXPECT_EQ(CSize(-1, 7), CSize(static_cast<DWORD>(MAKELONG(static_cast<WORD>(-1), 7))));
}

TEST(Geometry, RectangleAttributes)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CSize(100, 50), r.Size());
    EXPECT_EQ(CPoint(10, 20), r.TopLeft());
    EXPECT_EQ(CPoint(110, 70), r.BottomRight());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 70))) << "right and bottom edges lie outside";

    r.BottomRight() = CPoint(0, 0);
    EXPECT_TRUE(r.IsRectEmpty());
    EXPECT_FALSE(r.IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(RectIs(CRect(10, 20, 13, 24), CRect(CPoint(10, 20), CSize(3, 4))));
}

TEST(Geometry, RectangleOperations)
{
    const CRect base(0, 0, 10, 10);
    struct Case
    {
        const char* what;
        CRect result;
        CRect expected;
    } cases[] = {
        {"offset by a point", base + CPoint(5, -5), CRect(5, -5, 15, 5)},
        {"offset by a size", base - CSize(1, 2), CRect(-1, -2, 9, 8)},
        {"inflate by a rect", base + CRect(1, 2, 3, 4), CRect(-1, -2, 13, 14)},
        {"deflate by a rect", base - CRect(1, 2, 3, 4), CRect(1, 2, 7, 6)},
        {"intersection", base & CRect(5, 5, 20, 20), CRect(5, 5, 10, 10)},
        {"empty intersection", base & CRect(20, 20, 30, 30), CRect()},
        {"union", base | CRect(5, 5, 20, 20), CRect(0, 0, 20, 20)},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(RectIs(c.expected, c.result)) << c.what;

    CRect r(30, 40, 10, 20);
    r.NormalizeRect();
    EXPECT_TRUE(RectIs(CRect(10, 20, 30, 40), r));
    r.MoveToXY(0, 5);
    EXPECT_TRUE(RectIs(CRect(0, 5, 20, 25), r));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(CRect(1, 7, 17, 21), r));
    r.InflateRect(1, 1);
    EXPECT_TRUE(RectIs(CRect(0, 6, 18, 22), r));

    CRect i;
    EXPECT_FALSE(i.IntersectRect(base, CRect(10, 0, 20, 10)))
        << "touching rectangles share no area";
    EXPECT_TRUE(i.IsRectEmpty());
}
