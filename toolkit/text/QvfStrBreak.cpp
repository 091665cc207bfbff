#include "QvText.h"

#include <mbstring.h>

int QvfStrBreak(const CString& text, char separator, CString& left, CString& right)
{
    return QvfStrBreak(text, separator, left, right, false);
}

int QvfStrBreak(const CString& text, char separator, CString& left, CString& right,
                bool wholeIfAbsent)
{
    // A zero separator would "match" the terminator; no text can contain it.
    const unsigned char* pText = reinterpret_cast<const unsigned char*>(text.GetString());
    const unsigned char* pFound =
        separator ? _mbschr(pText, static_cast<unsigned char>(separator)) : nullptr;
    if (!pFound)
    {
        if (wholeIfAbsent)
        {
            CString whole(text);
            right.Empty();
            left = whole;
        }
        return 1;
    }
    // Both halves are taken before either output is written: left or right may be text itself.
    const int nSeparator = static_cast<int>(pFound - pText);
    CString before = text.Left(nSeparator);
    CString after = text.Mid(nSeparator + 1);
    left = before;
    right = after;
    return 0;
}
