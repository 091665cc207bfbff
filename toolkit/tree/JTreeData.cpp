// The tree window's private record: the view the model tells, the line metrics and the
// window procedure of "QVTREE" windows that no tree object was made for.
#include "toolkit/tree/JTreeData.h"
#include "toolkit/text/QvText.h"

QvoTreeWnd::JTreeData::JTreeData(QvoTreeWnd& wnd) : m_wnd(wnd)
{
    m_model.SetView(this);
    // Created here, their failure leaves an empty pen, and what it would draw is missing.
    m_penNotAsked.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    LOGBRUSH brush = {BS_SOLID, RGB(0, 0, 0), 0};
    m_penLine.CreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush);
    // The back buffer is redrawn at every paint: a new bitmap only for a new size.
    m_backBuffer.m_iRecreate = 0;
}

QvoTreeWnd::JTreeData::~JTreeData()
{
    m_model.SetView(nullptr);
}

void QvoTreeWnd::JTreeData::ComputeLineMetrics()
{
    CClientDC screen(nullptr);
    const int iPixelsPerInch = screen.GetDeviceCaps(LOGPIXELSY);
    const int F = iPixelsPerInch * m_iPointSize / 72;
    const int iImageHeight = m_imageSize.cy;
    m_iFontHeight = F;
    if (F + 8 < iImageHeight)
    {
        m_iLineHeight = iImageHeight + 2;
        m_iTextTop = (m_iLineHeight - F) / 2;
    }
    else
    {
        m_iLineHeight = F + 8;
        m_iTextTop = 4;
    }
    m_iButtonTop = (m_iLineHeight - kButtonSize) / 2;
    m_iImageTop = (m_iLineHeight - iImageHeight) / 2;
}

int QvoTreeWnd::JTreeData::LinesPerPage() const
{
    return m_iLineHeight ? (m_iClientHeight - kScrollBarSize - 4) / m_iLineHeight : 0;
}

CRect QvoTreeWnd::JTreeData::TreeArea() const
{
    return CRect(2, 2, m_iClientWidth - kScrollBarSize - 2, m_iClientHeight - kScrollBarSize - 2);
}

void QvoTreeWnd::JTreeData::TVDataValid()
{
    ComputeLineMetrics();
    {
        // The font follows the window's DC, the screen's while there is no window.
        CClientDC dc(m_wnd.m_hWnd ? &m_wnd : nullptr);
        const int iHeight = dc.GetDeviceCaps(LOGPIXELSY) * m_iPointSize / 72;
        FQvTFontCreate(m_strFontFace, -iHeight, m_font);
    }
    m_model.SetNumVisibleLines(LinesPerPage());
    // A fresh display starts at the left edge, with a range that the paint widens.
    m_iWidest = 0;
    m_iHOffset = 0;
    m_iRebuildButtons = 1;
    if (m_hScroll.m_hWnd)
    {
        SCROLLINFO si = {};
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nPage = static_cast<UINT>(
            m_iClientWidth - kScrollBarSize - 4 > 0 ? m_iClientWidth - kScrollBarSize - 4 : 0);
        m_hScroll.SetScrollInfo(&si);
    }
}

void QvoTreeWnd::JTreeData::TVSetVScroll(bool bPosition)
{
    if (!m_vScroll.m_hWnd)
        return;
    SCROLLINFO si;
    SetSI(si);
    if (!bPosition)
        si.fMask &= ~SIF_POS;
    m_vScroll.SetScrollInfo(&si);
}

void QvoTreeWnd::JTreeData::TVRedraw()
{
    RedrawWindow0();
}

void QvoTreeWnd::JTreeData::RedrawWindow0()
{
    // The paint covers the whole client area: nothing to erase first.
    if (m_wnd.m_hWnd)
        m_wnd.Invalidate(FALSE);
}

LRESULT CALLBACK QvoTreeWnd::JTreeData::ClassWndProc(HWND hWnd, UINT nMsg, WPARAM wParam,
                                                     LPARAM lParam)
{
    if (!CWnd::FromHandlePermanent(hWnd))
    {
        QvoTreeWnd* pTree = nullptr;
        try
        {
            pTree = new QvoTreeWnd;
        }
        catch (...)
        {
            // No exception may leave a window procedure: the window is refused below.
        }
        if (!pTree || !pTree->Attach(hWnd))
        {
            delete pTree;
            // Without an object the window could only draw nothing: refuse to make it.
            return nMsg == WM_NCCREATE ? FALSE : ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
        }
        pTree->m_pTD->m_bAutoDelete = true;
    }
    return AfxWndProc(hWnd, nMsg, wParam, lParam);
}
