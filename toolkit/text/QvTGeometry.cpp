// Centring, the pixels of a line, distances and random numbers.
#include "QvText.h"

#include <limits.h>
#include <math.h>
#include <stdlib.h>
#include <time.h>

#include <atomic>

CPoint FQvTCenter(const CSize& outer, const CSize& inner)
{
    // Each size is halved before subtracting: for odd sizes this may differ by one from the
    // rectangle forms below.
    return CPoint(outer.cx / 2 - inner.cx / 2, outer.cy / 2 - inner.cy / 2);
}

void FQvTCenter(const CRect& outer, const CSize& inner, CPoint& result)
{
    result.x = (outer.Width() - inner.cx) / 2 + outer.left;
    result.y = (outer.Height() - inner.cy) / 2 + outer.top;
}

void FQvTCenter(const CRect& outer, CRect& rect)
{
    CPoint topLeft;
    FQvTCenter(outer, rect.Size(), topLeft);
    rect = CRect(topLeft, rect.Size());
}

void FQvTGetPointsOnLine(const CPoint& from, const CPoint& to, std::vector<CPoint>& points)
{
    points.clear();
    points.push_back(from);
    // Bresenham with doubled steps; 64-bit so that far-apart points cannot overflow the error.
    const long long dx = static_cast<long long>(to.x) - from.x;
    const long long dy = static_cast<long long>(to.y) - from.y;
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    const long long ax = 2 * llabs(dx);
    const long long ay = 2 * llabs(dy);
    int x = from.x;
    int y = from.y;
    if (ay < ax)
    {
        // Wider than high: one pixel per column; y steps as soon as the error reaches 0.
        long long e = ay - ax / 2;
        while (x != to.x)
        {
            if (e >= 0)
            {
                y += sy;
                e -= ax;
            }
            x += sx;
            e += ay;
            points.emplace_back(x, y);
        }
    }
    else
    {
        long long e = ax - ay / 2;
        while (y != to.y)
        {
            if (e >= 0)
            {
                x += sx;
                e -= ay;
            }
            y += sy;
            e += ax;
            points.emplace_back(x, y);
        }
    }
}

int QvfDistance(CPoint& a, CPoint& b)
{
    if (a == b)
        return 0;
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    const double distance = sqrt(dx * dx + dy * dy);
    // Points at the ends of the int range are further apart than an int holds.
    return distance >= INT_MAX ? INT_MAX : static_cast<int>(distance);
}

int QvfRand(int high, int low)
{
    if (high <= low)
        return high;
    static std::atomic<bool> s_bSeeded{false};
    if (!s_bSeeded.exchange(true))
        srand(static_cast<unsigned int>(time(nullptr)));
    // 64-bit, so that the widest range (INT_MIN to INT_MAX) does not overflow.
    const long long range = static_cast<long long>(high) - low + 1;
    return static_cast<int>(low + rand() % range);
}
