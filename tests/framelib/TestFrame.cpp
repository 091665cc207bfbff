#include "TestFrame.h"

// The application

BEGIN_MESSAGE_MAP(CTestApp, QvFWinAppEx)
ON_COMMAND(ID_FILE_OPEN, &CTestApp::OnFileOpen)
ON_COMMAND(ID_FILE_SAVE, &CTestApp::OnFileSave)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CTestApp::OnUpdateFileSave)
ON_COMMAND(ID_COLLECTION_ADD, &CTestApp::OnCollectionAdd)
ON_COMMAND(ID_COLLECTION_DELETE, &CTestApp::OnCollectionDelete)
ON_COMMAND(ID_BOOKS_ADD, &CTestApp::OnBooksAdd)
ON_UPDATE_COMMAND_UI(ID_BOOKS_ADD, &CTestApp::OnUpdateBooksAdd)
ON_COMMAND(ID_APP_ABOUT, &CTestApp::OnAppAbout)
ON_COMMAND_RANGE(ID_RECENT_FIRST, ID_RECENT_LAST, &CTestApp::OnOpenRecent)
ON_UPDATE_COMMAND_UI_RANGE(ID_RECENT_FIRST, ID_RECENT_LAST, &CTestApp::OnUpdateOpenRecent)
END_MESSAGE_MAP()

void CTestApp::OnOpenRecent(UINT nID)
{
    m_log.push_back("app recent " + std::to_string(nID - ID_RECENT_FIRST));
}

void CTestApp::OnUpdateOpenRecent(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(static_cast<int>(pCmdUI->m_nID - ID_RECENT_FIRST) < m_nRecentFiles);
}

BOOL CTestApp::InitInstance()
{
    QvFWinAppEx::InitInstance();
    SetRegistryKey("ShelvixFramelibDemo");
    CTestFrame* pFrame = new CTestFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW))
        return FALSE; // the frame is gone
    pFrame->ShowWindow(SW_SHOWNORMAL, "");
    pFrame->UpdateWindow();
    return TRUE;
}

// The toolbar

const QvFToolBarEx::CoButton CTestToolBar::s_buttons[nButtons] = {
    {{1, ID_FILE_OPEN, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
    {{2, ID_FILE_SAVE, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
    {{-1, -1, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0}, 1},
    {{4, ID_COLLECTION_ADD, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
    {{5, ID_COLLECTION_DELETE, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
    {{-1, -1, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0}, 1},
    {{6, ID_BOOKS_ADD, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
    {{7, ID_BOOK_DELETE, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
    {{-1, -1, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0}, 1},
    {{3, ID_APP_ABOUT, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
};

void CTestToolBar::InitButtons()
{
    SetBitmaps(IDB_TOOLBAR16, IDB_TOOLBAR16, IDB_TOOLBAR16_DISABLED, IDB_TOOLBAR24, IDB_TOOLBAR24,
               IDB_TOOLBAR24_DISABLED, nIconSmall, RGB(255, 0, 255));
    SetButtons(nButtons, s_buttons, nTextSelective);
}

// The form and the view

void CTestForm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORM_LIST, m_list);
}

BEGIN_MESSAGE_MAP(CTestView, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_COMMAND(ID_FILE_OPEN, &CTestView::OnFileOpen)
ON_COMMAND(ID_TEST_REFRESH, &CTestView::OnRefresh)
END_MESSAGE_MAP()

BOOL CTestView::PreCreateWindow(CREATESTRUCT& cs)
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

int CTestView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1 || !m_form.Create(IDD_TESTFORM, this))
        return -1;
    m_form.m_list.AddString("Novels");
    m_form.m_list.AddString("Poetry");
    m_form.ShowWindow(SW_SHOW);
    return 0;
}

void CTestView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_form.m_hWnd)
        m_form.MoveWindow(0, 0, cx, cy);
}

void CTestView::OnFileOpen()
{
    static_cast<CTestApp*>(AfxGetApp())->m_log.push_back("view open");
}

void CTestView::OnRefresh()
{
    static_cast<CTestApp*>(AfxGetApp())->m_log.push_back("view refresh");
}

// The frame

BEGIN_MESSAGE_MAP(CTestFrame, QvFFrameWndEx)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_COMMAND(ID_COLLECTION_ADD, &CTestFrame::OnCollectionAdd)
ON_COMMAND(ID_TOOLBAR_CUSTOMIZE, &CTestFrame::OnCustomize)
END_MESSAGE_MAP()

BOOL CTestFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!QvFFrameWndEx::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

int CTestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
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
        !m_wndStatusBar.SetIndicators(indicators, 4))
        return -1;
    if (!m_wndReBar.AddBar(&m_wndToolBar, nullptr, nullptr, RBBS_BREAK | RBBS_FIXEDBMP, "&Toolbar",
                           false))
        return -1;
    m_wndToolBar.InitButtons();
    // A second band, so that the rebar has an order to keep.
    if (!m_wndSecondBand.Create("STATIC", "Second band", WS_CHILD | WS_VISIBLE | SS_CENTER,
                                CRect(0, 0, 120, 20), this, IDW_SECOND_BAND) ||
        !m_wndReBar.AddBar(&m_wndSecondBand, nullptr, nullptr, 0, "Second", false))
        return -1;
    m_wndToolBar.LoadState("TestToolbarState");
    m_wndReBar.LoadState("TestRebarState");
    const std::map<UINT, int> icons = {
        {ID_FILE_OPEN, 1},         {ID_FILE_SAVE, 2}, {ID_APP_ABOUT, 3},  {ID_COLLECTION_ADD, 4},
        {ID_COLLECTION_DELETE, 5}, {ID_BOOKS_ADD, 6}, {ID_BOOK_DELETE, 7}};
    if (QvFWinAppEx* pApp = QvFWinAppEx::GetInstance())
        pApp->AddMenuIcon(icons, IDB_TOOLBAR16, RGB(255, 0, 255));
    SetWindowPos(nullptr, 20, 20, 600, 480, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CTestFrame::OnSetFocus(CWnd*)
{
    m_wndView.SetFocus();
}

BOOL CTestFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_wndView.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return QvFFrameWndEx::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CTestFrame::OnCollectionAdd()
{
    static_cast<CTestApp*>(AfxGetApp())->m_log.push_back("frame add collection");
}

void CTestFrame::OnCustomize()
{
    m_wndToolBar.SendMessage(TB_CUSTOMIZE);
}
