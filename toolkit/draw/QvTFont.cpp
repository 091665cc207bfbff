// Logical-font records and fonts made from a face and a size.
#include "QvDraw.h"
#include "toolkit/text/QvText.h"

#include <string.h>

#include <vector>

namespace
{
// Copies face into the record's face field, cut at the last whole character that fits, so
// that a long name neither overflows the field nor ends in half a multibyte character.
void CopyFaceName(LOGFONT& logFont, const char* face)
{
    const int nField = static_cast<int>(sizeof(logFont.lfFaceName));
    logFont.lfFaceName[0] = '\0';
    if (!face)
        return;
    if (static_cast<int>(strlen(face)) < nField)
    {
        strcpy(logFont.lfFaceName, face);
        return;
    }
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, face, -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(nWide > 0 ? nWide : 1));
    if (nWide <= 0 || !::MultiByteToWideChar(CP_ACP, 0, face, -1, wide.data(), nWide))
        return; // not text in the code page: no face rather than a broken one
    for (int nChars = nWide - 1; nChars > 0; --nChars)
    {
        if (wide[nChars - 1] >= 0xD800 && wide[nChars - 1] <= 0xDBFF)
            continue; // never split a surrogate pair
        const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), nChars, logFont.lfFaceName,
                                                 nField - 1, nullptr, nullptr);
        if (nBytes > 0)
        {
            logFont.lfFaceName[nBytes] = '\0';
            return;
        }
    }
    logFont.lfFaceName[0] = '\0';
}
} // namespace

QvTLogFont::QvTLogFont(CFont& font)
{
    // Zeroed first: the platform fills the face name only up to its terminator.
    memset(static_cast<LOGFONT*>(this), 0, sizeof(LOGFONT));
    if (font.GetLogFont(this) != sizeof(LOGFONT))
        memset(static_cast<LOGFONT*>(this), 0, sizeof(LOGFONT));
}

QvTLogFont::QvTLogFont(const char* face)
{
    memset(static_cast<LOGFONT*>(this), 0, sizeof(LOGFONT));
    CopyFaceName(*this, face);
}

QvTLogFont::QvTLogFont(const char* face, int height) : QvTLogFont(face)
{
    lfHeight = height;
}

QvTLogFont& QvTLogFont::operator=(const QvTLogFont& src)
{
    *static_cast<LOGFONT*>(this) = src;
    return *this;
}

QvTFont::QvTFont(const char* face, int size, bool byHeight)
{
    if (byHeight)
        FQvTFontCreate(face, size, *this);
    else
        FQvTFontCreatePointSize(face, size, *this);
}

QvTFont::~QvTFont()
{
    DeleteObject();
}
