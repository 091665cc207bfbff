#include "app/shell/JMainFrame.h"

#include "app/res/resource.h"
#include "app/shell/JApp.h"

#include <map>

namespace
{
const char kGeneral[] = "General";
const char kToolbarState[] = "ToolbarState5";
const char kRebarState[] = "RebarState5";
const CRect kFirstRunRect(CPoint(20, 20), CSize(600, 800));

JDlgMain* MainForm()
{
    JMainFormHost* pHost = JMainFormHost::Get();
    return pHost ? pHost->m_pMainDlg : nullptr;
}
} // namespace

BEGIN_MESSAGE_MAP(JMainFrame, QvFFrameWndEx)
// afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
ON_WM_CREATE()
// afx_msg void OnDestroy()
ON_WM_DESTROY()
// afx_msg void OnClose()
ON_WM_CLOSE()
// afx_msg void OnSetFocus(CWnd* pOldWnd)
ON_WM_SETFOCUS()
// afx_msg void OnViewCustomize()
ON_COMMAND(ID_VIEW_CUSTOMIZE, &JMainFrame::OnViewCustomize)
END_MESSAGE_MAP()

JMainFrame::JMainFrame()
{
    if (JApp* pApp = JApp::Get())
        pApp->m_pFrame = this;
}

JMainFrame::~JMainFrame()
{
    JApp* pApp = JApp::Get();
    if (pApp && pApp->m_pFrame == this)
        pApp->m_pFrame = nullptr;
}

BOOL JMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!QvFFrameWndEx::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE; // the view has its own sunken edge
    return TRUE;
}

int JMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (QvFFrameWndEx::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0),
                          this, AFX_IDW_PANE_FIRST))
        return -1;
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_FLYBY, AFX_IDW_TOOLBAR))
        return -1;
    m_wndToolBar.ModifyStyle(0, CCS_ADJUSTABLE);
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                      ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, sizeof indicators / sizeof indicators[0]))
        return -1;
    if (!GetReBar().AddBar(&m_wndToolBar, nullptr, nullptr, RBBS_BREAK | RBBS_FIXEDBMP, "&Toolbar",
                           false))
        return -1;
    m_wndToolBar.InitButtons();

    // Nothing usable stored (the first run) leaves the default layout.
    m_wndToolBar.LoadState(kToolbarState);
    GetReBar().LoadState(kRebarState);

    // Without them the menus still work, only without pictures.
    const std::map<UINT, int> icons = {
        {ID_FILE_OPEN, 1},         {ID_FILE_SAVE, 2}, {ID_APP_ABOUT, 3},  {ID_COLLECTION_ADD, 4},
        {ID_COLLECTION_DELETE, 5}, {ID_BOOKS_ADD, 6}, {ID_BOOK_DELETE, 7}};
    if (QvFWinAppEx* pApp = QvFWinAppEx::GetInstance())
        pApp->AddMenuIcon(icons, IDB_TOOLBAR16, RGB(255, 0, 255));

    HICON hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    SetIcon(hIcon, TRUE);
    SetIcon(hIcon, FALSE);

    RestoreWindowRect();
    m_bCreated = true;
    return 0;
}

void JMainFrame::RestoreWindowRect()
{
    CWinApp* pApp = AfxGetApp();
    // Stored as DWORDs: a window left of or above the primary screen has negative values.
    const int x = static_cast<int>(pApp->GetProfileInt(kGeneral, "Window.x", kFirstRunRect.left));
    const int y = static_cast<int>(pApp->GetProfileInt(kGeneral, "Window.y", kFirstRunRect.top));
    const int w =
        static_cast<int>(pApp->GetProfileInt(kGeneral, "Window.w", kFirstRunRect.Width()));
    const int h =
        static_cast<int>(pApp->GetProfileInt(kGeneral, "Window.h", kFirstRunRect.Height()));
    CRect rect(CPoint(x, y), CSize(w, h));
    if (w <= 0 || h <= 0 || !::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        rect = kFirstRunRect;
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool JMainFrame::SaveWindowRect()
{
    CRect rect;
    GetWindowRect(&rect);
    if (IsIconic())
    {
        // A minimised window reports a place off every screen; the next start would show
        // nothing. Its restored rectangle is what the user last saw.
        WINDOWPLACEMENT placement;
        if (GetWindowPlacement(&placement))
        {
            rect = placement.rcNormalPosition; // work-area coordinates
            MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
            if (::GetMonitorInfoA(::MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &monitor))
                rect.OffsetRect(monitor.rcWork.left - monitor.rcMonitor.left,
                                monitor.rcWork.top - monitor.rcMonitor.top);
        }
    }
    CWinApp* pApp = AfxGetApp();
    bool bSaved = pApp->WriteProfileInt(kGeneral, "Window.x", rect.left) != FALSE;
    bSaved = pApp->WriteProfileInt(kGeneral, "Window.y", rect.top) && bSaved;
    bSaved = pApp->WriteProfileInt(kGeneral, "Window.w", rect.Width()) && bSaved;
    bSaved = pApp->WriteProfileInt(kGeneral, "Window.h", rect.Height()) && bSaved;
    return bSaved;
}

void JMainFrame::OnDestroy()
{
    // A frame whose creation failed part of the way must not overwrite the stored layout
    // with what it had made by then.
    if (m_bCreated)
    {
        bool bSaved = m_wndToolBar.SaveState(kToolbarState);
        bSaved = GetReBar().SaveState(kRebarState) && bSaved;
        bSaved = SaveWindowRect() && bSaved;
        JApp* pApp = JApp::Get();
        if (!bSaved && pApp)
            pApp->SettingsNotSaved();
    }
    QvFFrameWndEx::OnDestroy();
}

void JMainFrame::OnClose()
{
    // While a dialog or a message box runs over the frame, the close would pull the window
    // from under it: the user answers that first.
    if (!IsWindowEnabled())
        return;
    JDlgMain* pForm = MainForm();
    if (pForm && pForm->m_pDoc && pForm->m_bModified &&
        MessageBox("There are unsaved changes.\n\nAre you sure you want to exit?", AfxGetAppName(),
                   MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    QvFFrameWndEx::OnClose();
}

void JMainFrame::OnSetFocus(CWnd*)
{
    if (m_wndView.GetSafeHwnd())
        m_wndView.SetFocus();
}

void JMainFrame::OnViewCustomize()
{
    m_wndToolBar.SendMessage(TB_CUSTOMIZE);
}

BOOL JMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_wndView.GetSafeHwnd() && m_wndView.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return QvFFrameWndEx::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT JMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    try
    {
        return QvFFrameWndEx::WindowProc(message, wParam, lParam);
    }
    catch (const JXmlError& error)
    {
        if (JDlgMain* pForm = MainForm())
            pForm->ReportXmlError(error);
        return 0;
    }
}
