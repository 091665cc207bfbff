#include "FramelibTestSupport.h"

namespace
{
CRect RectInFrame(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    TestFrame().ScreenToClient(&rect);
    return rect;
}

bool IsShown(const CWnd& wnd)
{
    return (wnd.GetStyle() & WS_VISIBLE) != 0;
}

// The item's check mark as the View menu shows it when it opens.
bool IsChecked(UINT nID)
{
    CTestFrame& frame = TestFrame();
    HMENU hView = ::GetSubMenu(::GetMenu(frame.m_hWnd), 3);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hView), MAKELPARAM(3, FALSE));
    return (::GetMenuState(hView, nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool IsBandHidden(UINT nBarID)
{
    CWnd& reBar = TestFrame().GetReBar();
    const int nBand = static_cast<int>(reBar.SendMessage(RB_IDTOINDEX, nBarID));
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE;
    reBar.SendMessage(RB_GETBANDINFOA, static_cast<WPARAM>(nBand), reinterpret_cast<LPARAM>(&band));
    return (band.fStyle & RBBS_HIDDEN) != 0;
}

// Rebar on top, status bar at the bottom, the view exactly between them.
void ExpectLaidOut(const char* when)
{
    CTestFrame& frame = TestFrame();
    CRect client;
    frame.GetClientRect(&client);
    const int top = IsShown(frame.GetReBar()) ? RectInFrame(frame.GetReBar()).bottom : 0;
    const int bottom =
        IsShown(frame.m_wndStatusBar) ? RectInFrame(frame.m_wndStatusBar).top : client.bottom;
    EXPECT_EQ(CRect(0, top, client.right, bottom), RectInFrame(frame.m_wndView)) << when;
    CRect form;
    frame.m_wndView.m_form.GetWindowRect(&form);
    frame.m_wndView.ScreenToClient(&form);
    CRect viewClient;
    frame.m_wndView.GetClientRect(&viewClient);
    EXPECT_EQ(viewClient, form) << "the form fills the view " << when;
}
} // namespace

TEST(FrameLayout, BandOnTopStatusBarAtBottomViewBetween)
{
    CTestFrame& frame = TestFrame();
    CRect client;
    frame.GetClientRect(&client);
    const CRect reBar = RectInFrame(frame.GetReBar());
    const CRect status = RectInFrame(frame.m_wndStatusBar);
    EXPECT_EQ(CRect(0, 0, client.right, reBar.bottom), reBar);
    EXPECT_GE(reBar.Height(), 22) << "a row of 16-pixel buttons";
    EXPECT_EQ(CRect(0, status.top, client.right, client.bottom), status);
    EXPECT_GT(status.Height(), 10);
    ExpectLaidOut("after creation");

    // The toolbar lives in its band, as wide as its ten entries.
    EXPECT_EQ(frame.GetReBar().m_hWnd, ::GetParent(frame.m_wndToolBar.m_hWnd));
    CRect toolBar;
    frame.m_wndToolBar.GetWindowRect(&toolBar);
    const CSize wanted = frame.m_wndToolBar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_GE(toolBar.Width(), wanted.cx);
    EXPECT_EQ(wanted.cy, toolBar.Height());
    EXPECT_GT(wanted.cx, 7 * 16) << "seven buttons and three separators";
}

TEST(FrameLayout, ResizingLaysOutAgain)
{
    CTestFrame& frame = TestFrame();
    CRect before;
    frame.GetWindowRect(&before);
    frame.SetWindowPos(nullptr, 0, 0, 450, 380, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ExpectLaidOut("after shrinking");
    frame.SetWindowPos(nullptr, 0, 0, before.Width(), before.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ExpectLaidOut("after growing back");
}

TEST(FrameLayout, BarTogglesHideTheBarLayOutAndUncheckTheMenuItem)
{
    CTestFrame& frame = TestFrame();
    struct Case
    {
        UINT nCommand;
        CWnd* pBar;
    } cases[] = {{ID_VIEW_TOOLBAR, &frame.m_wndToolBar},
                 {ID_VIEW_STATUS_BAR, &frame.m_wndStatusBar}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nCommand);
        ASSERT_TRUE(IsShown(*c.pBar));
        EXPECT_TRUE(IsChecked(c.nCommand));
        frame.SendMessage(WM_COMMAND, c.nCommand);
        EXPECT_FALSE(IsShown(*c.pBar));
        EXPECT_FALSE(IsChecked(c.nCommand)) << "the check mark follows the bar";
        ExpectLaidOut("with the bar hidden");
        frame.SendMessage(WM_COMMAND, c.nCommand);
        EXPECT_TRUE(IsShown(*c.pBar));
        EXPECT_TRUE(IsChecked(c.nCommand));
        ExpectLaidOut("with the bar shown again");
    }
}

TEST(FrameLayout, HiddenBarsTakeTheirBandsAndThenTheRebarsRoomAway)
{
    CTestFrame& frame = TestFrame();
    const int nRowHeight = RectInFrame(frame.GetReBar()).Height();
    frame.ShowControlBar(&frame.m_wndToolBar, FALSE, FALSE);
    EXPECT_TRUE(IsBandHidden(AFX_IDW_TOOLBAR));
    EXPECT_FALSE(IsBandHidden(IDW_SECOND_BAND));
    EXPECT_GT(RectInFrame(frame.GetReBar()).Height(), 0) << "the second band is still there";

    frame.m_wndSecondBand.ShowWindow(SW_HIDE);
    frame.RecalcLayout();
    EXPECT_TRUE(IsBandHidden(IDW_SECOND_BAND));
    EXPECT_EQ(0, RectInFrame(frame.GetReBar()).Height());
    ExpectLaidOut("with no band shown");

    frame.m_wndSecondBand.ShowWindow(SW_SHOW);
    frame.ShowControlBar(&frame.m_wndToolBar, TRUE, FALSE);
    EXPECT_FALSE(IsBandHidden(AFX_IDW_TOOLBAR));
    EXPECT_EQ(nRowHeight, RectInFrame(frame.GetReBar()).Height());
    ExpectLaidOut("with both bands back");
}

TEST(FrameLayout, LoadFrameTakesTitleMenuIconAndAccelerators)
{
    CTestFrame& frame = TestFrame();
    CString text;
    frame.GetWindowText(text);
    EXPECT_STREQ("Framelib Test", (LPCSTR)text);
    HMENU hMenu = ::GetMenu(frame.m_hWnd);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(5, ::GetMenuItemCount(hMenu));
    EXPECT_EQ(hMenu, frame.GetMenuBar().GetMenu());
    EXPECT_NE(0u, ::GetClassLongPtrA(frame.m_hWnd, GCLP_HICON)) << "the resource's icon";
    EXPECT_NE(nullptr, frame.m_hAccelTable);
    EXPECT_EQ(0u, frame.GetExStyle() & WS_EX_CLIENTEDGE) << "the frame took it off";
    EXPECT_EQ(DWORD(WS_EX_CLIENTEDGE), frame.m_wndView.GetExStyle() & WS_EX_CLIENTEDGE);

    frame.ShowWindow(SW_SHOWNORMAL, "catalogue.xml");
    frame.GetWindowText(text);
    EXPECT_STREQ("Framelib Test - catalogue.xml", (LPCSTR)text);
    frame.ShowWindow(SW_SHOWNORMAL, "");
    frame.GetWindowText(text);
    EXPECT_STREQ("Framelib Test", (LPCSTR)text);
    EXPECT_TRUE(frame.IsWindowVisible());
}
