// Window texts, rectangles and sizes, and the main frame's status message.
#include "QvText.h"

#include <afxpriv.h>

CString FQvTWndGetText(const CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return text;
}

CString FQvTWndGetText(HWND window)
{
    CString text;
    if (const CWnd* pWindow = CWnd::FromHandle(window))
        pWindow->GetWindowText(text);
    return text;
}

void FQvTWndSetText(HWND window, unsigned int id)
{
    ::SetWindowTextA(window, FQvTLoadString(id));
}

CRect FQvTWndGetRect(const CWnd& window)
{
    CRect rect;
    window.GetWindowRect(&rect);
    return rect;
}

CRect FQvTWndGetChildRect(const CWnd& window)
{
    CRect rect = FQvTWndGetRect(window);
    HWND hParent = ::GetParent(window.GetSafeHwnd());
    CRect parentRect;
    if (hParent && ::GetWindowRect(hParent, &parentRect))
        rect.OffsetRect(-parentRect.left, -parentRect.top);
    return rect;
}

CRect FQvTWndGetChildRect(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(window, &placement))
        return CRect();
    return CRect(placement.rcNormalPosition);
}

void FQvTWndSetSize(CWnd& window, const CSize& size)
{
    window.SetWindowPos(nullptr, 0, 0, size.cx, size.cy,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void QvfSetStatusText(CView& /*view*/, const char* text)
{
    // The frame shows the text in its status bar's message pane.
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(text));
}
