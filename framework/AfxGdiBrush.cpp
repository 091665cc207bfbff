#include "afxwin.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return AttachCreated(::CreateSolidBrush(crColor));
}

// The system owns its colour brushes; deleting one later, as the destructor does, is harmless.
BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return AttachCreated(::GetSysColorBrush(nIndex));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return AttachCreated(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    if (!pBitmap)
        return FALSE;
    return AttachCreated(::CreatePatternBrush(*pBitmap));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    if (!lpLogBrush)
        return FALSE;
    return AttachCreated(::CreateBrushIndirect(lpLogBrush));
}
