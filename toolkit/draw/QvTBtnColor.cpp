// A push button that shows a colour swatch and lets the user pick the colour.
#include "QvDraw.h"
#include "QvTLibResourceSet.h"
#include "toolkit/res/resource.h"
#include "toolkit/text/QvText.h"

#include <afxdlgs.h>

QvTBtnColor::~QvTBtnColor()
{
    // The button must not be left showing a bitmap that is about to be deleted.
    if (m_hWnd && m_swatch.GetSafeHandle())
        SetBitmap(nullptr);
}

bool QvTBtnColor::SetColor(COLORREF color)
{
    if (!m_hWnd)
        return false;
    const CRect placement = FQvTWndGetChildRect(m_hWnd);
    CDC mem;
    if (!mem.CreateCompatibleDC(nullptr))
        return false;
    if (!m_swatch.GetSafeHandle())
    {
        // Bitmap 202 only lends its colour format: a DC holding a DIB section makes compatible
        // bitmaps of the same format.
        QvTLibResourceSet libraryResources(true);
        CBitmap format;
        if (!format.Attach(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_QVT_COLORFMT),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
            return false;
        CBitmap* pPrevious = mem.SelectObject(&format);
        if (!pPrevious)
            return false;
        const bool bMade =
            m_swatch.CreateCompatibleBitmap(&mem, placement.Width(), placement.Height());
        mem.SelectObject(pPrevious);
        if (!bMade)
            return false;
    }
    BITMAP bm;
    if (!m_swatch.GetBitmap(&bm))
        return false;
    CBitmap* pPrevious = mem.SelectObject(&m_swatch);
    if (!pPrevious)
        return false;
    mem.FillSolidRect(0, 0, bm.bmWidth, bm.bmHeight, color);
    // The button draws the bitmap through a DC of its own, so it must leave this one first.
    mem.SelectObject(pPrevious);
    SetBitmap(m_swatch);
    return true;
}

bool QvTBtnColor::PickColor(COLORREF& color)
{
    CColorDialog dialog(color, 0, this);
    if (dialog.DoModal() != IDOK)
        return false;
    color = dialog.GetColor();
    SetColor(color);
    return true;
}
