// The size grip: a triangular size-box scroll bar in the lower right corner of a window.
#include "QvLayout.h"

namespace
{
// The grip's own window procedure while GripWindowProc stands in front of it.
const char kPreviousProcProperty[] = "QvTGripper";
} // namespace

QvTGripper::QvTGripper()
    : m_cxGrip(::GetSystemMetrics(SM_CXVSCROLL)), m_cyGrip(::GetSystemMetrics(SM_CYHSCROLL)),
      m_pResizableWnd(nullptr)
{
}

QvTGripper::~QvTGripper() = default; // m_grip destroys the grip window with itself

int QvTGripper::Create(CWnd* resizable)
{
    if (m_grip.GetSafeHwnd() || !resizable || !resizable->GetSafeHwnd())
        return 1;
    m_pResizableWnd = resizable;
    if (!m_grip.Create(WS_CHILD | WS_CLIPSIBLINGS | SBS_SIZEGRIP, CRect(0, 0, m_cxGrip, m_cyGrip),
                       resizable, 0))
        return 1;

    // Row i keeps its i right-most pixels: a triangle with its right angle in the corner.
    // Without a region the grip stays square, which costs only looks.
    CRgn region;
    CRgn strip;
    if (region.CreateRectRgn(0, 0, m_cxGrip, m_cyGrip) && strip.CreateRectRgn(0, 0, 0, 0))
    {
        for (int i = 0; i < m_cyGrip; ++i)
        {
            strip.SetRectRgn(0, i, m_cxGrip - i, i + 1);
            region.CombineRgn(&region, &strip, RGN_DIFF);
        }
        // The window owns the region once it has taken it.
        if (m_grip.SetWindowRgn(region, FALSE))
            region.Detach();
    }

    // Without the property the procedure could not find its predecessor: then no subclassing.
    HWND hGrip = m_grip.GetSafeHwnd();
    const LONG_PTR previous = ::GetWindowLongPtrA(hGrip, GWLP_WNDPROC);
    if (::SetPropA(hGrip, kPreviousProcProperty, reinterpret_cast<HANDLE>(previous)))
        ::SetWindowLongPtrA(hGrip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GripWindowProc));

    UpdateGripPos();
    ShowSizeGrip(1);
    return 0;
}

void QvTGripper::UpdateGripPos()
{
    if (!m_grip.GetSafeHwnd() || !m_pResizableWnd->GetSafeHwnd())
        return;
    CRect rect;
    m_pResizableWnd->GetClientRect(&rect);
    rect.left = rect.right - m_cxGrip;
    rect.top = rect.bottom - m_cyGrip;
    // At the top of the children's z-order: drawn over a control that reaches the corner, and
    // the first to be hit by the mouse there.
    m_grip.SetWindowPos(&CWnd::wndTop, rect.left, rect.top, 0, 0,
                        SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    // The parent does not clip its children: while it is sized its background may be painted
    // over the grip's new place after the grip's copied bits, so the grip paints itself again.
    m_grip.Invalidate(FALSE);
    ShowSizeGrip(!m_pResizableWnd->IsZoomed());
}

void QvTGripper::ShowSizeGrip(int show)
{
    if (m_grip.GetSafeHwnd())
        m_grip.ShowWindow(show ? SW_SHOWNA : SW_HIDE);
}

int QvTGripper::IsRTL(HWND hWnd)
{
    return (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

LRESULT CALLBACK QvTGripper::GripWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC pfnPrevious = reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kPreviousProcProperty));
    if (!pfnPrevious)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    switch (message)
    {
    case WM_NCHITTEST:
        // The sizing corner of the parent: the cursor shows it, and a press sizes the parent.
        return IsRTL(hWnd) ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
    case WM_NCLBUTTONDOWN:
        // The default handling would size the grip itself within its parent, as it does for a
        // sizable child window; the parent's own sizing loop is what the user means.
        if (wParam == HTBOTTOMRIGHT || wParam == HTBOTTOMLEFT)
        {
            ::SendMessageA(::GetParent(hWnd), WM_SYSCOMMAND,
                           SC_SIZE | (wParam == HTBOTTOMLEFT ? WMSZ_BOTTOMLEFT : WMSZ_BOTTOMRIGHT),
                           lParam);
            return 0;
        }
        break;
    case WM_DESTROY:
        ::RemovePropA(hWnd, kPreviousProcProperty);
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnPrevious));
        break;
    }
    return ::CallWindowProcA(pfnPrevious, hWnd, message, wParam, lParam);
}
