#include "FrameworkTestIds.h"
#include "WindowTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
const UINT WM_APP_BASEONLY = WM_APP + 1;
const UINT ID_BOTH = 101;
const UINT ID_BASEONLY = 102;
const UINT ID_RANGE_FIRST = 110;
const UINT ID_RANGE_LAST = 119;

// Two levels of maps; the log shows which handler took each message.
class CBaseWnd : public CWnd
{
public:
    std::vector<std::string> m_log;

protected:
    afx_msg void OnSize(UINT, int cx, int cy)
    {
        m_log.push_back("base size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    afx_msg LRESULT OnBaseOnly(WPARAM wParam, LPARAM)
    {
        m_log.push_back("base app " + std::to_string(wParam));
        return 7;
    }
    afx_msg void OnCommandBoth() { m_log.push_back("base both"); }
    afx_msg void OnCommandBaseOnly() { m_log.push_back("base only"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_WM_SIZE()
ON_MESSAGE(WM_APP_BASEONLY, &CBaseWnd::OnBaseOnly)
ON_COMMAND(ID_BOTH, &CBaseWnd::OnCommandBoth)
ON_COMMAND(ID_BASEONLY, &CBaseWnd::OnCommandBaseOnly)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_log.push_back("derived size");
        CBaseWnd::OnSize(nType, cx, cy);
    }
    afx_msg void OnCommandBoth() { m_log.push_back("derived both"); }
    afx_msg void OnRange(UINT nID) { m_log.push_back("range " + std::to_string(nID)); }
    afx_msg void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log.push_back("notify " + std::to_string(pNMHDR->idFrom));
        *pResult = 42;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_WM_SIZE()
ON_COMMAND(ID_BOTH, &CDerivedWnd::OnCommandBoth)
ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, &CDerivedWnd::OnRange)
ON_NOTIFY(NM_CLICK, 7, &CDerivedWnd::OnNotifyClick)
END_MESSAGE_MAP()

class MessageMap : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateTestPopup(m_wnd)); }
    void TearDown() override { m_wnd.DestroyWindow(); }

    LRESULT Command(UINT nID) { return m_wnd.SendMessage(WM_COMMAND, nID, 0); }

    CDerivedWnd m_wnd;
};
} // namespace

TEST_F(MessageMap, MostDerivedHandlerWinsThenBaseThenDefWindowProc)
{
    m_wnd.m_log.clear();
    m_wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(40, 30));
    EXPECT_EQ((std::vector<std::string>{"derived size", "base size 40x30"}), m_wnd.m_log);

    m_wnd.m_log.clear();
    EXPECT_EQ(7, m_wnd.SendMessage(WM_APP_BASEONLY, 3, 0)) << "handler's result is returned";
    EXPECT_EQ((std::vector<std::string>{"base app 3"}), m_wnd.m_log);

    // No map has WM_SETTEXT: DefWindowProc stores the text.
    m_wnd.SetWindowText("Fallen through");
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_STREQ("Fallen through", (LPCSTR)text);
}

TEST_F(MessageMap, CommandsNotificationsAndRanges)
{
    m_wnd.m_log.clear();
    EXPECT_EQ(1, Command(ID_BOTH));
    EXPECT_EQ(1, Command(ID_BASEONLY));
    EXPECT_EQ(1, Command(ID_RANGE_FIRST + 4));
    EXPECT_EQ(0, Command(ID_RANGE_LAST + 1)) << "nobody handles it";
    EXPECT_EQ((std::vector<std::string>{"derived both", "base only", "range 114"}), m_wnd.m_log);

    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &m_wnd, 7));
    m_wnd.m_log.clear();
    NMHDR nmhdr = {child.m_hWnd, 7, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(42, m_wnd.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&nmhdr)));
    nmhdr.code = static_cast<UINT>(NM_DBLCLK);
    EXPECT_EQ(0, m_wnd.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&nmhdr)));
    EXPECT_EQ((std::vector<std::string>{"notify 7"}), m_wnd.m_log);
}

namespace
{
const UINT ID_DISABLED = 201;
const UINT ID_CHECKED = 202;
const UINT ID_PLAIN = 203;
const UINT ID_TEXT = 204;

// Enable rules answered by update handlers.
class CUpdatingWnd : public CWnd
{
public:
    int m_nDisabledRuns = 0;

protected:
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnDisabled() { ++m_nDisabledRuns; }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
    }
    afx_msg void OnUpdateText(CCmdUI* pCmdUI) { pCmdUI->SetText("Renamed"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdatingWnd, CWnd)
ON_UPDATE_COMMAND_UI(ID_DISABLED, &CUpdatingWnd::OnUpdateDisabled)
ON_COMMAND(ID_DISABLED, &CUpdatingWnd::OnDisabled)
ON_UPDATE_COMMAND_UI(ID_CHECKED, &CUpdatingWnd::OnUpdateChecked)
ON_UPDATE_COMMAND_UI(ID_TEXT, &CUpdatingWnd::OnUpdateText)
END_MESSAGE_MAP()
} // namespace

TEST(CommandUI, InitMenuPopupRunsTheUpdateHandlersOfItsItems)
{
    CUpdatingWnd wnd;
    ASSERT_TRUE(CreateTestPopup(wnd));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_DISABLED, "Disabled");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_CHECKED, "Checked");
    menu.AppendMenu(MF_STRING, ID_PLAIN, "Plain");
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TEXT, "Text");

    // As the system menu nothing is touched.
    wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), MAKELPARAM(0, TRUE));
    EXPECT_EQ(0u, menu.GetMenuState(ID_DISABLED, MF_BYCOMMAND) & MF_GRAYED);

    wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), MAKELPARAM(0, FALSE));
    const UINT disabled = menu.GetMenuState(ID_DISABLED, MF_BYCOMMAND);
    EXPECT_EQ(UINT(MF_GRAYED), disabled & MF_GRAYED) << "disabled by its handler";
    EXPECT_EQ(UINT(MF_CHECKED), disabled & MF_CHECKED) << "check state left alone";
    const UINT checked = menu.GetMenuState(ID_CHECKED, MF_BYCOMMAND);
    EXPECT_EQ(0u, checked & MF_GRAYED) << "enabled by its handler";
    EXPECT_EQ(UINT(MF_CHECKED), checked & MF_CHECKED);
    EXPECT_EQ(0u, menu.GetMenuState(ID_PLAIN, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED))
        << "no handler: unchanged";
    CString text;
    menu.GetMenuString(ID_TEXT, text, MF_BYCOMMAND);
    EXPECT_STREQ("Renamed", (LPCSTR)text);
    EXPECT_EQ(UINT(MF_CHECKED), menu.GetMenuState(ID_TEXT, MF_BYCOMMAND) & MF_CHECKED)
        << "new text, same state";
    EXPECT_EQ(ID_TEXT, menu.GetMenuItemID(4));

    // With handlers required, an item whose command nobody handles is disabled.
    wnd.UpdateMenuCmdUI(&menu, TRUE);
    EXPECT_EQ(UINT(MF_GRAYED), menu.GetMenuState(ID_PLAIN, MF_BYCOMMAND) & MF_GRAYED);
    wnd.DestroyWindow();
}

TEST(CommandUI, DisabledMenuCommandIsNotCarriedOut)
{
    CUpdatingWnd wnd;
    ASSERT_TRUE(CreateTestPopup(wnd));
    // From a menu or an accelerator (no control): refused by the enable rule.
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISABLED, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISABLED, 1), 0);
    EXPECT_EQ(0, wnd.m_nDisabledRuns);
    wnd.DestroyWindow();
}

namespace
{
const UINT ID_OWN = 301;
const UINT ID_OWNER = 302;
const UINT ID_APP = 303;
const UINT ID_NOBODY = 304;

std::vector<std::string> s_route;

class CRouteApp : public CWinApp
{
protected:
    afx_msg void OnOwner() { s_route.push_back("app owner"); }
    afx_msg void OnApp() { s_route.push_back("app"); }
    afx_msg void OnUpdateApp(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRouteApp, CWinApp)
ON_COMMAND(ID_OWNER, &CRouteApp::OnOwner)
ON_COMMAND(ID_APP, &CRouteApp::OnApp)
ON_UPDATE_COMMAND_UI(ID_APP, &CRouteApp::OnUpdateApp)
END_MESSAGE_MAP()

class COwnerWnd : public CWnd
{
protected:
    afx_msg void OnOwn() { s_route.push_back("owner own"); }
    afx_msg void OnOwner() { s_route.push_back("owner"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
ON_COMMAND(ID_OWN, &COwnerWnd::OnOwn)
ON_COMMAND(ID_OWNER, &COwnerWnd::OnOwner)
END_MESSAGE_MAP()

class CRouteDialog : public CDialog
{
public:
    CRouteDialog() : CDialog(IDD_ROUTE) {}

protected:
    afx_msg void OnOwn() { s_route.push_back("dialog"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRouteDialog, CDialog)
ON_COMMAND(ID_OWN, &CRouteDialog::OnOwn)
END_MESSAGE_MAP()
} // namespace

TEST(CommandRouting, DialogThenOwnerThenApplication)
{
    CRouteApp app;
    COwnerWnd owner;
    ASSERT_TRUE(CreateTestPopup(owner, "Owner"));
    CRouteDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_ROUTE, &owner));

    s_route.clear();
    for (UINT nID : {ID_OWN, ID_OWNER, ID_APP, ID_NOBODY})
        dialog.SendMessage(WM_COMMAND, nID, 0);
    EXPECT_EQ((std::vector<std::string>{"dialog", "owner", "app"}), s_route)
        << "each command reaches the first handler on its route";

    // Enable rules travel the same route.
    CCmdUI state;
    state.m_nID = ID_APP;
    EXPECT_TRUE(state.DoUpdate(&dialog, FALSE));
    state.m_nID = ID_NOBODY;
    EXPECT_FALSE(state.DoUpdate(&dialog, FALSE));

    dialog.DestroyWindow();
    owner.DestroyWindow();
}

namespace
{
struct PlainError // like the XML layer's error: no base class at all
{
    int code;
};

class CThrowingWnd : public CWnd
{
public:
    int m_nKind = 0;
    bool m_bThrowOnCreate = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (m_bThrowOnCreate)
            throw std::runtime_error("cannot create");
        return CWnd::OnCreate(lpCreateStruct);
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM)
    {
        switch (m_nKind)
        {
        case 0:
            AfxThrowNotSupportedException();
        case 1:
            throw std::runtime_error("The disk is full.");
        case 2:
            throw PlainError{5};
        default:
            AfxThrowUserException();
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_APP, &CThrowingWnd::OnThrow)
END_MESSAGE_MAP()
} // namespace

TEST(WindowProcedure, ExceptionsAreReportedAndDoNotCrossIt)
{
    CMessageBoxRecorder boxes;
    CThrowingWnd wnd;
    ASSERT_TRUE(CreateTestPopup(wnd));
    struct Case
    {
        int kind;
        const char* expected; // null: nothing is shown
    } cases[] = {
        {0, "An unsupported operation was attempted."},
        {1, "An internal application error has occurred.\n\nThe disk is full."},
        {2, "An internal application error has occurred."},
        {3, nullptr},
    };
    for (const Case& c : cases)
    {
        const size_t before = boxes.Texts().size();
        wnd.m_nKind = c.kind;
        EXPECT_EQ(0, wnd.SendMessage(WM_APP)) << "kind " << c.kind;
        if (c.expected)
        {
            ASSERT_EQ(before + 1, boxes.Texts().size()) << "kind " << c.kind;
            EXPECT_EQ(c.expected, boxes.Texts().back());
            EXPECT_EQ(UINT(MB_ICONSTOP), boxes.Types().back() & MB_ICONMASK);
        }
        else
        {
            EXPECT_EQ(before, boxes.Texts().size()) << "a user exception was reported already";
        }
    }
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd)) << "the window goes on working";
    wnd.DestroyWindow();

    // An exception while the window is created makes the creation fail.
    CThrowingWnd failing;
    failing.m_bThrowOnCreate = true;
    EXPECT_FALSE(CreateTestPopup(failing));
    EXPECT_EQ(nullptr, failing.m_hWnd);
    EXPECT_EQ("An internal application error has occurred.\n\ncannot create", boxes.Texts().back());
}
