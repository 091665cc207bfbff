// The off-screen DC with its 3-D frame pens and brushes.
#include "QvDraw.h"

QvoMemDC::QvoMemDC() : m_iRecreate(1), m_iWidth(0), m_iHeight(0)
{
    Init();
}

QvoMemDC::QvoMemDC(CDC* pDC, CWnd* pWnd, bool bClear) : m_iRecreate(1), m_iWidth(0), m_iHeight(0)
{
    Init();
    Check(pDC, pWnd, bClear);
}

QvoMemDC::~QvoMemDC()
{
    // The DC goes first, so that the bitmap, pens and brushes are no longer selected anywhere
    // when their destructors delete them.
    DeleteDC();
}

void QvoMemDC::Init()
{
    m_iRecreate = 1;
    // A pen or brush that cannot be made stays empty, and selecting it changes nothing.
    m_penBlack.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penWhite.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    m_pen3DLight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DLIGHT));
    m_pen3DDkShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    m_penBtnShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    m_brushBtnFace.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    m_brushWhite.CreateSolidBrush(RGB(255, 255, 255));
}

bool QvoMemDC::Check(CDC* pDC, int cx, int cy)
{
    if (!m_hDC && !CreateCompatibleDC(pDC))
        return false;
    if (!m_iRecreate && m_bitmap.GetSafeHandle() && cx == m_iWidth && cy == m_iHeight)
        return true;
    CBitmap fresh;
    if (!fresh.CreateCompatibleBitmap(pDC, cx, cy) || !SelectObject(&fresh))
        return false;
    // The old bitmap left the DC when the fresh one went in.
    m_bitmap.DeleteObject();
    m_bitmap.Attach(fresh.Detach());
    m_iWidth = cx;
    m_iHeight = cy;
    return true;
}

bool QvoMemDC::Check(CDC* pDC, CWnd* pWnd, bool bClear)
{
    CRect client;
    if (!pWnd || !::GetClientRect(pWnd->GetSafeHwnd(), &client))
        return false;
    if (!Check(pDC, client.Width(), client.Height()))
        return false;
    if (bClear)
        FillRect(CRect(0, 0, m_iWidth, m_iHeight), &m_brushWhite);
    return true;
}

void QvoMemDC::Draw3DFrame()
{
    const int w = m_iWidth;
    const int h = m_iHeight;
    FillRect(CRect(0, 0, w, h), &m_brushBtnFace);
    const POINT outerTopLeft[] = {{0, h - 1}, {0, 0}, {w - 1, 0}};
    const POINT innerTopLeft[] = {{1, h - 2}, {1, 1}, {w - 2, 1}};
    const POINT innerBottomRight[] = {{w - 2, 1}, {w - 2, h - 2}, {1, h - 2}};
    const POINT outerBottomRight[] = {{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}};
    SelectObject(&m_penBtnShadow);
    Polyline(outerTopLeft, 3);
    SelectObject(&m_penBlack);
    Polyline(innerTopLeft, 3);
    SelectObject(&m_pen3DLight);
    Polyline(innerBottomRight, 3);
    SelectObject(&m_penWhite);
    Polyline(outerBottomRight, 3);
}

void QvoMemDC::ExDrawText(const CString& strText, const CPoint& point, const CSize& size,
                          UINT nFormat)
{
    ExDrawText(strText, CRect(point, size), nFormat);
}

void QvoMemDC::ExDrawText(const CString& strText, const CRect& rect, UINT nFormat)
{
    CRect copy(rect); // DT_CALCRECT writes into the rectangle it is given
    DrawText(strText, &copy, nFormat);
}

void QvoMemDC::ExFillSolidRect(const CRect& rect, COLORREF color)
{
    const COLORREF previous = GetBkColor();
    FillSolidRect(&rect, color);
    SetBkColor(previous);
}

void QvoMemDC::ExFillSolidRect(const CPoint& point, const CSize& size, COLORREF color)
{
    ExFillSolidRect(CRect(point, size), color);
}

bool QvoMemDC::Blt(CDC* pTarget)
{
    return pTarget && pTarget->BitBlt(0, 0, m_iWidth, m_iHeight, this, 0, 0, SRCCOPY);
}
