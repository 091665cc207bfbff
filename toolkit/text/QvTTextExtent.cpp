// Text measurement and fonts made from a face name and a size.
#include "QvText.h"
#include "toolkit/draw/QvDraw.h"

#include <string.h>

namespace
{
// The last character of an ANSI text as one UTF-16 unit; 0 when it has none (an empty or
// invalid text, or a character outside the basic plane, which GetCharABCWidthsW cannot name).
wchar_t LastCharacter(const char* text, int nLength)
{
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, text, nLength, nullptr, 0);
    if (nWide <= 0)
        return 0;
    std::vector<wchar_t> wide(static_cast<size_t>(nWide));
    if (::MultiByteToWideChar(CP_ACP, 0, text, nLength, wide.data(), nWide) != nWide)
        return 0;
    const wchar_t last = wide.back();
    return (last >= 0xD800 && last <= 0xDFFF) ? 0 : last;
}
} // namespace

SIZE FQvTGetTextExtent(HDC dc, const char* text)
{
    SIZE size = {0, 0};
    if (!text)
        return size;
    const int nLength = static_cast<int>(strlen(text));
    if (!::GetTextExtentPoint32A(dc, text, nLength, &size))
        return SIZE{0, 0};
    if (nLength == 0)
        return size;
    // An italic last character reaches past its advance (a negative C width). Asked by its
    // code point, so that a multibyte last character is measured too; where the font gives no
    // widths, nothing is added.
    const wchar_t last = LastCharacter(text, nLength);
    ABC abc = {};
    if (last && ::GetCharABCWidthsW(dc, last, last, &abc) && abc.abcC < 0)
        size.cx -= abc.abcC;
    return size;
}

BOOL FQvTFontCreate(const char* face, int size, CFont& font)
{
    font.DeleteObject();
    const QvTLogFont logFont(face, size);
    return font.CreateFontIndirect(&logFont);
}

BOOL FQvTFontCreatePointSize(const char* face, int size, CFont& font)
{
    font.DeleteObject();
    // lfHeight carries tenths of a point, converted on the screen's device context.
    const QvTLogFont logFont(face, size);
    return font.CreatePointFontIndirect(&logFont, nullptr);
}
