#include "app/shell/JMainView.h"

#include "app/res/resource.h"

BEGIN_MESSAGE_MAP(JMainView, CWnd)
// afx_msg void OnSize(UINT nType, int cx, int cy)
ON_WM_SIZE()
// afx_msg void OnPaint()
ON_WM_PAINT()
// afx_msg void OnSetFocus(CWnd* pOldWnd)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

BOOL JMainView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    cs.style &= ~WS_BORDER;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL JMainView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT&,
                       CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    if (!CWnd::Create(lpszClassName, lpszWindowName, dwStyle, CRect(0, 0, 100, 100), pParentWnd,
                      nID, pContext))
        return FALSE;
    if (!m_dlgMain.Create(IDD_SHELVIX_FORM, this))
    {
        AfxMessageBox("Main dlg Failed", MB_OK);
        return TRUE;
    }
    CRect client;
    GetClientRect(&client);
    m_dlgMain.MoveWindow(&client);
    m_dlgMain.ShowWindow(SW_SHOW);
    return TRUE;
}

void JMainView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_dlgMain.GetSafeHwnd())
        m_dlgMain.MoveWindow(0, 0, cx, cy);
}

void JMainView::OnPaint()
{
    // The form covers the whole client area. Only the view's own update region is validated:
    // a whole-window validation would take the form's with it (the view does not clip its
    // children), and the form would never paint.
    CPaintDC dc(this);
}

void JMainView::OnSetFocus(CWnd*)
{
    // The keyboard belongs to the form's lists; the form hands the focus on to its control.
    if (m_dlgMain.GetSafeHwnd())
        m_dlgMain.SetFocus();
}
