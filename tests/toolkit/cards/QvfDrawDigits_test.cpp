// Numbers in digit icons: which icon goes where, right-aligned and left-aligned.
#include "tests/framework/GdiTestSupport.h"
#include "toolkit/cards/QvCards.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace
{
const int kMinusIcon = 192;

// The library's icon for a digit: 0 to 4 are 182 to 186, 9 down to 5 are 187 to 191.
int DigitIcon(int digit)
{
    const int icons[] = {182, 183, 184, 185, 186, 191, 190, 189, 188, 187};
    return icons[digit];
}

struct Placed
{
    int icon;
    int x;
};

void DrawIcons(DibCanvas& canvas, const std::vector<Placed>& icons, int y)
{
    for (const Placed& placed : icons)
    {
        HICON hIcon = static_cast<HICON>(::LoadImageA(
            FQvTGetModuleHandle(), MAKEINTRESOURCEA(placed.icon), IMAGE_ICON, 0, 0, 0));
        ASSERT_NE(nullptr, hIcon) << "icon " << placed.icon;
        ::DrawIconEx(canvas.DC(), placed.x, y, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
        ::DestroyIcon(hIcon);
    }
}

// The digits of text, the first at x, each 14 pixels right of the one before.
std::vector<Placed> Digits(const char* text, int x)
{
    std::vector<Placed> icons;
    for (const char* p = text; *p; ++p, x += 14)
        icons.push_back({*p == '-' ? kMinusIcon : DigitIcon(*p - '0'), x});
    return icons;
}
} // namespace

TEST(QvfDrawDigits, PlacesEachDigitIcon)
{
    struct Case
    {
        int value;
        int align; // -1: the form without align
        int x;
        std::vector<Placed> expected;
    } cases[] = {
        {-205,
         2,
         100,
         {{kMinusIcon, 46}, {DigitIcon(2), 60}, {DigitIcon(0), 74}, {DigitIcon(5), 88}}},
        {-205, -1, 100, Digits("-205", 46)},
        {0, 2, 100, {{DigitIcon(0), 88}}},
        {0, -1, 30, {{DigitIcon(0), 18}}},
        {-205, 0, 10, Digits("-205", 10)},
        {7, 1, 20, {{DigitIcon(7), 20}}},
        {9876543, 0, 5, Digits("9876543", 5)},
        {1234567890, 2, 200, Digits("1234567890", 200 - 140 + 2)},
        {INT_MAX, 0, 5, Digits("2147483647", 5)},
        {INT_MIN, 0, 5, Digits("-2147483648", 5)},
        {INT_MIN, 2, 200, Digits("-2147483648", 200 - 140 - 12)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.value << " align " << c.align << " at " << c.x);
        DibCanvas drawn(240, 40), expected(240, 40);
        ASSERT_TRUE(drawn.IsReady() && expected.IsReady());
        CPoint at(c.x, 8);
        EXPECT_TRUE(c.align < 0 ? QvfDrawDigits(drawn.DC(), at, c.value)
                                : QvfDrawDigits(drawn.DC(), at, c.value, c.align));
        DrawIcons(expected, c.expected, 8);
        int differences = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 240; ++x)
                differences += drawn.Pixel(x, y) != expected.Pixel(x, y);
        EXPECT_EQ(0, differences);
        // The first and the last icon are really there: 12 x 22 each.
        const Placed& first = c.expected.front();
        const Placed& last = c.expected.back();
        EXPECT_EQ(0, drawn.Count(CRect(first.x, 8, first.x + 12, 30), kWhite));
        EXPECT_EQ(0, drawn.Count(CRect(last.x, 8, last.x + 12, 30), kWhite));
    }
}
