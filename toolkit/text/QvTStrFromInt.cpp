// Decimal text of an integer with the digit grouping of the user's default locale.
#include "QvText.h"

#include <atomic>

namespace
{
std::atomic<QVT_GETLOCALEINFOA> s_pfnGetLocaleInfo{&::GetLocaleInfoA};

// One locale item of any length: the size is asked first, so a long value (a separator or sign
// of several UTF-8 characters) is never cut short. Any failure gives the fallback.
CString ReadLocaleItem(LCTYPE item, const char* fallback)
{
    const QVT_GETLOCALEINFOA pfnRead = s_pfnGetLocaleInfo.load();
    const int nSize = pfnRead(LOCALE_USER_DEFAULT, item, nullptr, 0);
    if (nSize <= 0)
        return CString(fallback);
    CString value;
    LPSTR pBuffer = value.GetBufferSetLength(nSize);
    const int nRead = pfnRead(LOCALE_USER_DEFAULT, item, pBuffer, nSize);
    if (nRead <= 0)
        return CString(fallback);
    // The reader's count includes the terminator; the text ends at the first zero within it.
    value.ReleaseBuffer();
    return value;
}

// The size of the next group from the rule; past its end the previous size repeats.
int NextGroupSize(QvTStrWalker& rule, int previousSize)
{
    CString token;
    if (rule(token) != 0)
        return previousSize;
    int size = 0;
    // A token that is not a positive number (never seen in the platform's data) repeats the
    // previous size, as the rule's closing 0 does.
    if (!FQvTStrToInt(token, size) || size <= 0)
        return previousSize;
    return size;
}
} // namespace

QVT_GETLOCALEINFOA FQvTSetLocaleInfoReader(QVT_GETLOCALEINFOA pfnReader)
{
    return s_pfnGetLocaleInfo.exchange(pfnReader ? pfnReader : &::GetLocaleInfoA);
}

void FQvTStrFromInt(int value, CString& out)
{
    CString grouping = ReadLocaleItem(LOCALE_SGROUPING, "3;0");
    if (grouping.IsEmpty())
        grouping = "3;0";
    const CString separator = ReadLocaleItem(LOCALE_STHOUSAND, ",");

    // The magnitude is unsigned so that the most negative int keeps all its digits.
    const bool bNegative = value < 0;
    unsigned int magnitude =
        bNegative ? 0u - static_cast<unsigned int>(value) : static_cast<unsigned int>(value);

    CString text;
    int previousSize = 3;
    QvTStrWalker rule(grouping, ';');
    for (;;)
    {
        const int groupSize = NextGroupSize(rule, previousSize);
        // A group never holds more than the ten digits of an unsigned int, whatever size the
        // rule names.
        char digits[16];
        int nDigits = 0;
        do
        {
            digits[nDigits++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (nDigits < groupSize && magnitude != 0);
        CString group;
        for (int i = nDigits - 1; i >= 0; --i)
            group += digits[i];
        text = group + text;
        if (magnitude == 0)
            break;
        text = separator + text;
        previousSize = groupSize;
    }

    if (bNegative)
        text = ReadLocaleItem(LOCALE_SNEGATIVESIGN, "-") + text;
    out = text;
}
