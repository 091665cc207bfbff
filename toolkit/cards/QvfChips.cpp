// Casino chips: their values, one chip, and a bet as an overlapping row of chips.
#include "QvCardImages.h"
#include "toolkit/cards/QvCards.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace
{
const int kChipIcons[] = {194, 195, 196, 198, 199, 200}; // by QveChip
const int kChipStep = 5;                                 // from one chip of a row to the next
const int kChipSize = 20;                                // the chip inside its icon
const int kIconSize = 32;

// A row as counts of each chip, left to right.
struct JChipRow
{
    struct JRun
    {
        QveChip chip;
        long long count;
    };
    JRun runs[6] = {{eChip500, 0}, {eChip100, 0}, {eChip25, 0},
                    {eChip5, 0},   {eChip2_5, 0}, {eChip1, 0}};

    long long Total() const
    {
        long long total = 0;
        for (const JRun& run : runs)
            total += run.count;
        return total;
    }
};

JChipRow RowOf(int amount)
{
    JChipRow row;
    for (JChipRow::JRun& run : row.runs)
    {
        if (run.chip == eChip2_5 || amount <= 0)
            continue;
        const int value = QvfChipAmount(run.chip);
        run.count = amount / value;
        amount -= static_cast<int>(run.count) * value;
    }
    return row;
}

JChipRow RowOf(float amount, bool halves)
{
    JChipRow row;
    double rest = amount;
    if (!(rest > 0.0)) // also NaN
        return row;
    rest = std::fmin(rest, static_cast<double>(INT_MAX));
    // The half chip only where it fits: 1.5 is not shown as 2.50.
    const bool bHalf = halves && rest != std::floor(rest) && rest >= 2.5;
    if (bHalf)
        rest -= 2.5;
    for (JChipRow::JRun& run : row.runs)
    {
        if (run.chip == eChip2_5)
        {
            run.count = bHalf ? 1 : 0;
            continue;
        }
        const double value = QvfChipAmount(run.chip);
        run.count = static_cast<long long>(std::floor(rest / value));
        rest -= static_cast<double>(run.count) * value;
    }
    return row;
}

// Draws only the chips that reach into the clip box: a row of millions stays quick.
bool DrawRow(CDC& dc, const CPoint& point, const JChipRow& row)
{
    if (row.Total() == 0)
        return true;
    CRect clip;
    if (dc.GetClipBox(&clip) == ERROR)
        return false;
    if (point.y >= clip.bottom || point.y + kIconSize <= clip.top)
        return true;
    const long long firstVisible =
        (static_cast<long long>(clip.left) - point.x - kIconSize) / kChipStep;
    const long long lastVisible = (static_cast<long long>(clip.right) - point.x) / kChipStep + 1;
    bool bDrawn = true;
    long long index = 0; // of the chip in the whole row
    for (const JChipRow::JRun& run : row.runs)
    {
        const long long from = std::max(index, firstVisible);
        const long long to = std::min(index + run.count, lastVisible + 1);
        for (long long i = from; i < to; ++i)
        {
            CPoint at(static_cast<int>(point.x + i * kChipStep), point.y);
            bDrawn = QvfChipDraw(dc, at, run.chip) && bDrawn;
        }
        index += run.count;
    }
    return bDrawn;
}

void SetBounds(const JChipRow& row, CRect& rect)
{
    const long long n = row.Total();
    if (n == 0)
    {
        rect.right = rect.left;
        rect.bottom = rect.top;
        return;
    }
    const long long right = rect.left + (n - 1) * kChipStep + kChipSize;
    rect.right = static_cast<int>(std::min<long long>(right, INT_MAX));
    rect.bottom = rect.top + kChipSize;
}
} // namespace

int QvfChipAmount(QveChip chip)
{
    switch (chip)
    {
    case eChip1:
        return 1;
    case eChip25:
        return 25;
    case eChip100:
        return 100;
    case eChip500:
        return 500;
    default:
        return 5;
    }
}

float QvfChipAmountFloat(QveChip chip)
{
    return chip == eChip2_5 ? 2.5f : static_cast<float>(QvfChipAmount(chip));
}

bool QvfChipDraw(CDC& dc, CPoint& point, QveChip chip)
{
    static JLibraryImages s_chips(IMAGE_ICON, kChipIcons, 6);
    HICON hIcon = static_cast<HICON>(s_chips.Get(static_cast<int>(chip)));
    return hIcon && ::DrawIconEx(dc, point.x, point.y, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}

bool QvfChipDrawBet(CDC& dc, CPoint& point, int amount)
{
    return DrawRow(dc, point, RowOf(amount));
}

bool QvfChipDrawBet(CDC& dc, CPoint& point, float amount, bool halves)
{
    return DrawRow(dc, point, RowOf(amount, halves));
}

void QvfChipSetBounds(int amount, CRect& rect)
{
    SetBounds(RowOf(amount), rect);
}

void QvfChipSetBounds(float amount, CRect& rect, bool halves)
{
    SetBounds(RowOf(amount, halves), rect);
}
