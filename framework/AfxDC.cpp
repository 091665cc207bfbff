#include "afxwin.h"
#include "afxpermanent.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace
{
void SetDCHandles(CDC* pDC, HDC hDC)
{
    pDC->m_hDC = hDC;
    pDC->m_hAttribDC = hDC;
}

CHandleMap<CDC, HDC>& DCMap()
{
    return AfxThreadHandleMap<CDC, HDC>(&SetDCHandles);
}

HGDIOBJ HandleOf(const CGdiObject* pObject)
{
    return pObject ? pObject->m_hObject : nullptr;
}

HBRUSH BrushOf(const CBrush* pBrush)
{
    return static_cast<HBRUSH>(HandleOf(pBrush));
}

HRGN RgnOf(const CRgn* pRgn)
{
    return static_cast<HRGN>(HandleOf(pRgn));
}
} // namespace

template <class TResult, class... TParams, class... TArgs>
TResult CDC::ApplyToBoth(TResult(WINAPI* pfn)(HDC, TParams...), TArgs... args)
{
    TResult result{};
    if (m_hDC && m_hDC != m_hAttribDC)
        result = pfn(m_hDC, args...);
    if (m_hAttribDC)
        result = pfn(m_hAttribDC, args...);
    return result;
}

CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return DCMap().FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!AfxAttachPermanent(DCMap(), m_hDC, hDC, this))
        return FALSE;
    SetAttribDC(hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = AfxDetachPermanent(DCMap(), m_hDC, static_cast<const CDC*>(this));
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::AttachCreated(HDC hCreated)
{
    if (Attach(hCreated))
        return TRUE;
    if (hCreated)
        ::DeleteDC(hCreated); // this object already holds another DC
    return FALSE;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return AttachCreated(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData)
{
    return AttachCreated(::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput,
                                    static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    return ApplyToBoth(&::SaveDC);
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return ApplyToBoth(&::RestoreDC, nSavedDC);
}

// Selection

HGDIOBJ CDC::SelectGdiObject(HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    return ApplyToBoth(&::SelectObject, hObject);
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return CPen::FromHandle(static_cast<HPEN>(SelectGdiObject(HandleOf(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectGdiObject(HandleOf(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle(static_cast<HFONT>(SelectGdiObject(HandleOf(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(SelectGdiObject(HandleOf(pBitmap))));
}

int CDC::SelectObject(CRgn* pRgn)
{
    // For a region the platform answers with the kind of the new clip region, not an object.
    return static_cast<int>(reinterpret_cast<INT_PTR>(SelectGdiObject(HandleOf(pRgn))));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (pObject && pObject->GetObjectType() == OBJ_REGION)
    {
        SelectGdiObject(pObject->m_hObject);
        return nullptr; // a region replaces the clip region: there is no previous object
    }
    return CGdiObject::FromHandle(SelectGdiObject(HandleOf(pObject)));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectGdiObject(::GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

// Clipping

int CDC::SelectClipRgn(CRgn* pRgn)
{
    return ApplyToBoth(&::SelectClipRgn, RgnOf(pRgn));
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return ApplyToBoth(&::ExtSelectClipRgn, RgnOf(pRgn), nMode);
}

int CDC::OffsetClipRgn(int x, int y)
{
    return ApplyToBoth(&::OffsetClipRgn, x, y);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth(&::IntersectClipRect, x1, y1, x2, y2);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth(&::ExcludeClipRect, x1, y1, x2, y2);
}

// Drawing attributes

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ApplyToBoth(&::SetTextColor, crColor);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ApplyToBoth(&::SetBkColor, crColor);
}

int CDC::SetBkMode(int nBkMode)
{
    return ApplyToBoth(&::SetBkMode, nBkMode);
}

int CDC::SetROP2(int nDrawMode)
{
    return ApplyToBoth(&::SetROP2, nDrawMode);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return ApplyToBoth(&::SetStretchBltMode, nStretchMode);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return ApplyToBoth(&::SetTextAlign, nFlags);
}

int CDC::SetMapMode(int nMapMode)
{
    return ApplyToBoth(&::SetMapMode, nMapMode);
}

// Coordinates

CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint previous;
    ApplyToBoth(&::SetViewportOrgEx, x, y, static_cast<LPPOINT>(&previous));
    return previous;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    CPoint previous;
    ApplyToBoth(&::OffsetViewportOrgEx, nWidth, nHeight, static_cast<LPPOINT>(&previous));
    return previous;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    CPoint previous;
    ApplyToBoth(&::SetWindowOrgEx, x, y, static_cast<LPPOINT>(&previous));
    return previous;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    CPoint previous;
    ApplyToBoth(&::OffsetWindowOrgEx, nWidth, nHeight, static_cast<LPPOINT>(&previous));
    return previous;
}

// Text and lines

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    CSize size;
    if (!::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size))
        return CSize(0, 0);
    return size;
}

CPoint CDC::MoveTo(int x, int y)
{
    CPoint previous;
    ApplyToBoth(&::MoveToEx, x, y, static_cast<LPPOINT>(&previous));
    return previous;
}

// Rectangles and regions

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, BrushOf(pBrush));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    SetBkColor(clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, BrushOf(pBrush));
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, RgnOf(pRgn), BrushOf(pBrush));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, RgnOf(pRgn), BrushOf(pBrush), nWidth, nHeight);
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return ::PaintRgn(m_hDC, RgnOf(pRgn));
}

// Bit blocks

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                    dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                        nSrcWidth, nSrcHeight, dwRop);
}
