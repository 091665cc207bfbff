// Numbers in seven-segment digit icons.
#include "QvCardImages.h"
#include "toolkit/cards/QvCards.h"

namespace
{
// Digits 0 to 9, then the minus sign. The icons of 5 to 9 are numbered from 9 down.
const int kDigitIcons[] = {182, 183, 184, 185, 186, 191, 190, 189, 188, 187, 192};
const int kMinus = 10;
const int kDigitStep = 14;
const int kRightAligned = 2;

bool DrawIcon(CDC& dc, int x, int y, int index)
{
    static JLibraryImages s_digits(IMAGE_ICON, kDigitIcons, 11);
    HICON hIcon = static_cast<HICON>(s_digits.Get(index));
    return hIcon && ::DrawIconEx(dc, x, y, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}
} // namespace

bool QvfDrawDigits(CDC& dc, CPoint& point, int value, int align)
{
    // The magnitude in 64 bits, so that the most negative int has one too.
    const bool bMinus = value < 0;
    long long magnitude = bMinus ? -static_cast<long long>(value) : value;
    int digits[10];
    int count = 0;
    do
    {
        digits[count++] = static_cast<int>(magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    int x = point.x;
    if (align == kRightAligned)
        x -= kDigitStep * count - 2;
    else if (bMinus)
        x += kDigitStep;
    bool bDrawn = !bMinus || DrawIcon(dc, x - kDigitStep, point.y, kMinus);
    for (int i = 0; i < count; ++i)
        bDrawn = DrawIcon(dc, x + kDigitStep * i, point.y, digits[count - 1 - i]) && bDrawn;
    return bDrawn;
}

bool QvfDrawDigits(CDC& dc, CPoint& point, int value)
{
    return QvfDrawDigits(dc, point, value, kRightAligned);
}
