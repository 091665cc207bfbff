// A child window that plays a film-strip bitmap, one frame per timer tick.
#include "QvDraw.h"

namespace
{
const UINT_PTR kFrameTimer = 0;
}

struct QvoAnimateWnd::JAnimateData
{
    CBitmap m_strip;
    int m_iFrameWidth = 0;
    int m_iHeight = 0;
    int m_iInterval = 0;
    int m_iFrameCount = 0;
    int m_iCurrent = 0;
};

BEGIN_MESSAGE_MAP(QvoAnimateWnd, CWnd)
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

QvoAnimateWnd::QvoAnimateWnd() : m_pData(nullptr)
{
}

QvoAnimateWnd::~QvoAnimateWnd()
{
    // The window goes first: its last messages must not find the strip gone.
    DestroyWindow();
    delete m_pData;
}

BOOL QvoAnimateWnd::Init(CWnd* pParent, int x, int y, UINT nBitmapID, int frameWidth, int interval)
{
    if (m_hWnd || !pParent || frameWidth <= 0 || interval <= 0)
        return FALSE;
    JAnimateData* pData = new JAnimateData;
    BITMAP bm;
    if (!pData->m_strip.LoadBitmap(nBitmapID) || !pData->m_strip.GetBitmap(&bm) ||
        bm.bmWidth < frameWidth)
    {
        delete pData;
        return FALSE;
    }
    pData->m_iFrameWidth = frameWidth;
    pData->m_iHeight = bm.bmHeight;
    pData->m_iInterval = interval;
    pData->m_iFrameCount = bm.bmWidth / frameWidth; // a narrower rest is never shown
    delete m_pData;
    m_pData = pData;

    const CRect rect(x, y, x + frameWidth, y + bm.bmHeight);
    if (!CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, rect, pParent, static_cast<UINT>(-1)))
        return FALSE;
    SetTimer(kFrameTimer, static_cast<UINT>(interval));
    return TRUE;
}

void QvoAnimateWnd::DrawFrame(CDC& dc)
{
    if (!m_pData)
        return;
    CDC strip;
    if (!strip.CreateCompatibleDC(&dc) || !strip.SelectObject(&m_pData->m_strip))
        return;
    dc.BitBlt(0, 0, m_pData->m_iFrameWidth, m_pData->m_iHeight, &strip,
              m_pData->m_iCurrent * m_pData->m_iFrameWidth, 0, SRCCOPY);
}

void QvoAnimateWnd::Draw()
{
    if (!m_hWnd)
        return;
    CClientDC dc(this);
    DrawFrame(dc);
}

void QvoAnimateWnd::AniShowWindow(bool bShow)
{
    if (!m_hWnd || !m_pData)
        return;
    const UINT nFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;
    if (bShow)
    {
        SetTimer(kFrameTimer, static_cast<UINT>(m_pData->m_iInterval));
        SetWindowPos(nullptr, 0, 0, 0, 0, nFlags | SWP_SHOWWINDOW);
    }
    else
    {
        KillTimer(kFrameTimer);
        SetWindowPos(nullptr, 0, 0, 0, 0, nFlags | SWP_HIDEWINDOW);
    }
}

void QvoAnimateWnd::OnPaint()
{
    CPaintDC dc(this);
    DrawFrame(dc);
}

void QvoAnimateWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kFrameTimer && m_pData)
    {
        if (++m_pData->m_iCurrent >= m_pData->m_iFrameCount)
            m_pData->m_iCurrent = 0;
        Draw();
    }
    CWnd::OnTimer(nIDEvent);
}

void QvoAnimateWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    if (!m_pData)
        return;
    if (bShow)
        SetTimer(kFrameTimer, static_cast<UINT>(m_pData->m_iInterval));
    else
        KillTimer(kFrameTimer);
}
