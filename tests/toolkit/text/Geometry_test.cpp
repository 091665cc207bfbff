// Centring, the pixels of a line, distances and random numbers.
#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <ostream>
#include <set>

namespace
{
std::vector<CPoint> Points(std::initializer_list<CPoint> points)
{
    return std::vector<CPoint>(points);
}
} // namespace

std::ostream& operator<<(std::ostream& os, const POINT& pt)
{
    return os << "(" << pt.x << ", " << pt.y << ")";
}

TEST(FQvTCenter, SizeFormHalvesEachSizeAndRectFormsHalveTheDifference)
{
    struct Case
    {
        CSize outer;
        CSize inner;
        CPoint bySizes;
        CPoint byRect; // for the rectangle (0, 0, outer)
    } cases[] = {
        {{200, 100}, {81, 20}, {60, 40}, {59, 40}}, // odd sizes: the two forms differ by one
        {{200, 100}, {80, 20}, {60, 40}, {60, 40}},
        {{7, 7}, {7, 7}, {0, 0}, {0, 0}},
        {{100, 100}, {151, 151}, {-25, -25}, {-25, -25}}, // larger than the outer: truncated
        {{101, 1}, {0, 0}, {50, 0}, {50, 0}},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.bySizes, FQvTCenter(c.outer, c.inner)) << c.outer.cx << " x " << c.inner.cx;
        CPoint result(-1, -1);
        FQvTCenter(CRect(CPoint(0, 0), c.outer), c.inner, result);
        EXPECT_EQ(c.byRect, result) << c.outer.cx << " x " << c.inner.cx;
    }
}

TEST(FQvTCenter, RectFormsCountFromTheOuterRectanglesCorner)
{
    CPoint result;
    FQvTCenter(CRect(10, 20, 210, 120), CSize(81, 20), result);
    EXPECT_EQ(CPoint(69, 60), result);

    CRect rect(500, 500, 581, 520);
    FQvTCenter(CRect(10, 20, 210, 120), rect);
    EXPECT_EQ(CRect(69, 60, 150, 80), rect) << "moved, same size";
}

TEST(FQvTGetPointsOnLine, KnownLines)
{
    struct Case
    {
        CPoint from;
        CPoint to;
        std::vector<CPoint> points;
    } cases[] = {
        {{0, 0}, {4, 2}, Points({{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}})},
        {{4, 2}, {0, 0}, Points({{4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}})},
        {{0, 0}, {2, 2}, Points({{0, 0}, {1, 1}, {2, 2}})},
        {{0, 0}, {1, 3}, Points({{0, 0}, {0, 1}, {1, 2}, {1, 3}})},
        {{0, 0}, {0, 3}, Points({{0, 0}, {0, 1}, {0, 2}, {0, 3}})},
        {{5, -1}, {2, -1}, Points({{5, -1}, {4, -1}, {3, -1}, {2, -1}})},
        {{3, 3}, {3, 3}, Points({{3, 3}})},
    };
    for (const Case& c : cases)
    {
        std::vector<CPoint> points = Points({{99, 99}});
        FQvTGetPointsOnLine(c.from, c.to, points);
        EXPECT_EQ(c.points, points) << c.from << " to " << c.to;
    }
}

TEST(FQvTGetPointsOnLine, EveryLineIsConnectedWithOnePixelPerStepOfTheLongerAxis)
{
    for (int x = -6; x <= 6; ++x)
    {
        for (int y = -6; y <= 6; ++y)
        {
            const CPoint from(1, -2);
            const CPoint to(1 + x, -2 + y);
            std::vector<CPoint> points;
            FQvTGetPointsOnLine(from, to, points);
            ASSERT_EQ(static_cast<size_t>(std::max(abs(x), abs(y)) + 1), points.size()) << to;
            EXPECT_EQ(from, points.front());
            EXPECT_EQ(to, points.back());
            for (size_t i = 1; i < points.size(); ++i)
            {
                const int stepX = abs(points[i].x - points[i - 1].x);
                const int stepY = abs(points[i].y - points[i - 1].y);
                EXPECT_EQ(1, std::max(stepX, stepY)) << to << " step " << i;
                EXPECT_LE(std::min(stepX, stepY), 1) << to << " step " << i;
            }
        }
    }
}

TEST(QvfDistance, TruncatedEuclideanDistance)
{
    struct Case
    {
        CPoint a;
        CPoint b;
        int distance;
    } cases[] = {
        {{0, 0}, {3, 4}, 5},
        {{0, 0}, {1, 1}, 1},
        {{0, 0}, {2, 3}, 3},
        {{-3, -4}, {0, 0}, 5},
        {{7, 7}, {7, 7}, 0},
        {{-100000, 0}, {100000, 0}, 200000}, // the squares exceed an int
        {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, INT_MAX},
    };
    for (Case& c : cases)
        EXPECT_EQ(c.distance, QvfDistance(c.a, c.b)) << c.a << " to " << c.b;
}

TEST(QvfRand, DrawsFromLowToHighInclusive)
{
    struct Case
    {
        int high;
        int low;
    } cases[] = {{6, 1}, {-1, -3}, {1, 0}};
    for (const Case& c : cases)
    {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i)
        {
            const int value = QvfRand(c.high, c.low);
            ASSERT_GE(value, c.low);
            ASSERT_LE(value, c.high);
            seen.insert(value);
        }
        EXPECT_EQ(static_cast<size_t>(c.high - c.low + 1), seen.size())
            << "every value from " << c.low << " to " << c.high << " comes up";
    }
}

TEST(QvfRand, HighNotAboveLowIsTheAnswer)
{
    EXPECT_EQ(1, QvfRand(1, 6));
    EXPECT_EQ(5, QvfRand(5, 5));
    EXPECT_EQ(INT_MIN, QvfRand(INT_MIN, INT_MAX));
    // The widest range must not overflow (a range of 0 would divide by zero): the C runtime's
    // generator then reaches only the first RAND_MAX + 1 values.
    EXPECT_LE(QvfRand(INT_MAX, INT_MIN), INT_MIN + RAND_MAX);
}
