// Dialog templates as the dialog manager reads them.
#include "afxstate_.h"

#include <string.h>
#include <wchar.h>

namespace
{
// DLGTEMPLATEEX's fixed part, up to the variable-length menu, class and title.
#pragma pack(push, 1)
struct DialogHeaderEx
{
    WORD dlgVer;
    WORD signature;
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    WORD cDlgItems;
    short x, y, cx, cy;
};
struct ItemHeaderEx
{
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
};
#pragma pack(pop)

const wchar_t kShellDlg[] = L"MS Shell Dlg";
const wchar_t kShellDlg2[] = L"MS Shell Dlg 2";

// A menu, class or title field: 0xFFFF and an ordinal, or a zero-terminated string.
const BYTE* SkipSzOrOrd(const BYTE* p)
{
    const WORD* pw = reinterpret_cast<const WORD*>(p);
    if (*pw == 0xFFFF)
        return p + 2 * sizeof(WORD);
    return p + (wcslen(reinterpret_cast<const wchar_t*>(p)) + 1) * sizeof(wchar_t);
}

const BYTE* AlignDword(const BYTE* base, const BYTE* p)
{
    const size_t offset = static_cast<size_t>(p - base);
    return base + ((offset + 3) & ~size_t(3));
}
} // namespace

// With DS_SHELLFONT in an extended template whose face is "MS Shell Dlg", the dialog manager
// of Windows 2000 and later takes "MS Shell Dlg 2" (Tahoma with font linking for every other
// script); Wine's keeps "MS Shell Dlg". The copy names the face the platform documents, so
// titles in any script find their glyphs on either.
bool AfxShellFontTemplate(LPCDLGTEMPLATE lpTemplate, std::vector<BYTE>& copy)
{
    const BYTE* base = reinterpret_cast<const BYTE*>(lpTemplate);
    const DialogHeaderEx* pHeader = reinterpret_cast<const DialogHeaderEx*>(base);
    if (!lpTemplate || pHeader->dlgVer != 1 || pHeader->signature != 0xFFFF ||
        (pHeader->style & DS_SHELLFONT) != DS_SHELLFONT)
        return false;

    const BYTE* p = base + sizeof(DialogHeaderEx);
    p = SkipSzOrOrd(p); // menu
    p = SkipSzOrOrd(p); // class
    p = SkipSzOrOrd(p); // title
    const BYTE* pFace = p + sizeof(WORD) + sizeof(WORD) + 2 * sizeof(BYTE);
    if (wcscmp(reinterpret_cast<const wchar_t*>(pFace), kShellDlg) != 0)
        return false;
    const BYTE* pAfterFace = pFace + sizeof(kShellDlg);

    // The items: each starts on a DWORD boundary after the one before.
    const BYTE* pEnd = pAfterFace;
    for (WORD i = 0; i < pHeader->cDlgItems; ++i)
    {
        pEnd = AlignDword(base, pEnd) + sizeof(ItemHeaderEx);
        pEnd = SkipSzOrOrd(pEnd); // class
        pEnd = SkipSzOrOrd(pEnd); // title
        const WORD cbExtra = *reinterpret_cast<const WORD*>(pEnd);
        pEnd += sizeof(WORD) + cbExtra;
    }

    // The longer name moves everything after it by four bytes, which keeps the DWORD
    // alignment of the items.
    static_assert((sizeof(kShellDlg2) - sizeof(kShellDlg)) % 4 == 0, "items stay aligned");
    const size_t headLength = static_cast<size_t>(pFace - base);
    const size_t tailOffset = static_cast<size_t>(AlignDword(base, pAfterFace) - base);
    const size_t tailLength = static_cast<size_t>(pEnd - base) - tailOffset;
    const size_t shift = sizeof(kShellDlg2) - sizeof(kShellDlg);
    copy.assign(tailOffset + shift + tailLength, 0);
    memcpy(copy.data(), base, headLength);
    memcpy(copy.data() + headLength, kShellDlg2, sizeof(kShellDlg2));
    memcpy(copy.data() + tailOffset + shift, base + tailOffset, tailLength);
    return true;
}
