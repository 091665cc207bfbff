// Chips and bets: the values, which chips a bet shows where, and the bounds of the row.
#include "tests/framework/GdiTestSupport.h"
#include "toolkit/cards/QvCards.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace
{
const CPoint kOrigin(10, 10);

// The chips drawn one by one, 5 pixels apart, as a bet should show them.
void DrawChips(DibCanvas& canvas, const std::vector<QveChip>& chips)
{
    CPoint at = kOrigin;
    for (QveChip chip : chips)
    {
        EXPECT_TRUE(QvfChipDraw(canvas.DC(), at, chip));
        at.x += 5;
    }
}

int Differences(const DibCanvas& a, const DibCanvas& b)
{
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            differences += a.Pixel(x, y) != b.Pixel(x, y);
    return differences;
}

// The smallest rectangle around the pixels that are not white; empty when all are.
CRect PaintedArea(const DibCanvas& canvas)
{
    CRect area(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) != kWhite)
                area |= CRect(x, y, x + 1, y + 1);
    return area.left == INT_MAX ? CRect(0, 0, 0, 0) : area;
}

struct BetCase
{
    const char* name;
    bool isFloat;
    int amount;
    float amountFloat;
    bool halves;
    std::vector<QveChip> chips;
};

bool DrawBet(DibCanvas& canvas, const BetCase& c)
{
    CPoint at = kOrigin;
    return c.isFloat ? QvfChipDrawBet(canvas.DC(), at, c.amountFloat, c.halves)
                     : QvfChipDrawBet(canvas.DC(), at, c.amount);
}

CRect Bounds(const BetCase& c)
{
    CRect rect(kOrigin, CSize(99, 99));
    if (c.isFloat)
        QvfChipSetBounds(c.amountFloat, rect, c.halves);
    else
        QvfChipSetBounds(c.amount, rect);
    return rect;
}
} // namespace

TEST(QvfChipAmount, ValuesOfTheChips)
{
    struct Case
    {
        QveChip chip;
        int amount;
        float amountFloat;
    } cases[] = {
        {eChip1, 1, 1.0f},
        {eChip5, 5, 5.0f},
        {eChip25, 25, 25.0f},
        {eChip100, 100, 100.0f},
        {eChip500, 500, 500.0f},
        {eChip2_5, 5, 2.5f},
        {static_cast<QveChip>(6), 5, 5.0f},
        {static_cast<QveChip>(-1), 5, 5.0f},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.amount, QvfChipAmount(c.chip)) << "chip " << c.chip;
        EXPECT_EQ(c.amountFloat, QvfChipAmountFloat(c.chip)) << "chip " << c.chip;
    }
}

TEST(QvfChipDraw, EachChipIsItsOwnIconInTheTopLeft20Pixels)
{
    const QveChip chips[] = {eChip1, eChip5, eChip25, eChip100, eChip500, eChip2_5};
    std::vector<std::vector<COLORREF>> seen;
    for (QveChip chip : chips)
    {
        SCOPED_TRACE(testing::Message() << "chip " << chip);
        DibCanvas canvas(60, 60);
        CPoint at = kOrigin;
        ASSERT_TRUE(QvfChipDraw(canvas.DC(), at, chip));
        EXPECT_EQ(CRect(10, 10, 30, 30), PaintedArea(canvas));
        std::vector<COLORREF> pixels;
        for (int y = 10; y < 30; ++y)
            for (int x = 10; x < 30; ++x)
                pixels.push_back(canvas.Pixel(x, y));
        for (const auto& other : seen)
            EXPECT_NE(other, pixels) << "two chips look the same";
        seen.push_back(pixels);
    }
    DibCanvas canvas(60, 60);
    CPoint at = kOrigin;
    EXPECT_FALSE(QvfChipDraw(canvas.DC(), at, static_cast<QveChip>(6)));
    EXPECT_EQ(CRect(0, 0, 0, 0), PaintedArea(canvas));
}

TEST(QvfChipDrawBet, RowsOfChipsAndTheirBounds)
{
    const BetCase cases[] = {
        {"137", false, 137, 0, false, {eChip100, eChip25, eChip5, eChip5, eChip1, eChip1}},
        {"1234",
         false,
         1234,
         0,
         false,
         {eChip500, eChip500, eChip100, eChip100, eChip25, eChip5, eChip1, eChip1, eChip1, eChip1}},
        {"1", false, 1, 0, false, {eChip1}},
        {"0", false, 0, 0, false, {}},
        {"-137", false, -137, 0, false, {}},
        {"7.5 with halves", true, 0, 7.5f, true, {eChip5, eChip2_5}},
        {"7.5 without halves", true, 0, 7.5f, false, {eChip5, eChip1, eChip1}},
        {"137.0 with halves",
         true,
         0,
         137.0f,
         true,
         {eChip100, eChip25, eChip5, eChip5, eChip1, eChip1}},
        {"8.0 with halves", true, 0, 8.0f, true, {eChip5, eChip1, eChip1, eChip1}},
        {"10.5 with halves", true, 0, 10.5f, true, {eChip5, eChip2_5, eChip1, eChip1, eChip1}},
        {"2.5 with halves", true, 0, 2.5f, true, {eChip2_5}},
        {"1.5 with halves", true, 0, 1.5f, true, {eChip1}},
        {"0.5 with halves", true, 0, 0.5f, true, {}},
        {"-7.5 with halves", true, 0, -7.5f, true, {}},
        {"NaN", true, 0, std::nanf(""), true, {}},
    };
    for (const BetCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        DibCanvas drawn(120, 50), expected(120, 50);
        ASSERT_TRUE(drawn.IsReady() && expected.IsReady());
        EXPECT_TRUE(DrawBet(drawn, c));
        DrawChips(expected, c.chips);
        EXPECT_EQ(0, Differences(drawn, expected));

        const CRect bounds = Bounds(c);
        const int n = static_cast<int>(c.chips.size());
        const CRect expectedBounds =
            n ? CRect(10, 10, 10 + (n - 1) * 5 + 20, 30) : CRect(10, 10, 10, 10);
        EXPECT_EQ(expectedBounds, bounds);
        EXPECT_EQ(n ? bounds : CRect(0, 0, 0, 0), PaintedArea(drawn)) << "the bounds fit the row";
    }
}

TEST(QvfChipDrawBet, HugeBetsDrawWhatShowsAndBoundTheWholeRow)
{
    // INT_MAX: 4,294,967 chips of 500, then 100, 25, four 5 and two 1: 4,294,975 chips.
    const BetCase cases[] = {
        {"INT_MAX", false, INT_MAX, 0, false, {}},
        {"1e30 as the largest int", true, 0, 1e30f, false, {}},
        {"infinity as the largest int", true, 0, INFINITY, true, {}},
    };
    for (const BetCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        DibCanvas drawn(120, 50), expected(120, 50);
        EXPECT_TRUE(DrawBet(drawn, c));
        DrawChips(expected, std::vector<QveChip>(22, eChip500)); // all that reach the canvas
        EXPECT_EQ(0, Differences(drawn, expected));
        EXPECT_EQ(CRect(10, 10, 10 + 4294974 * 5 + 20, 30), Bounds(c));
    }
}
