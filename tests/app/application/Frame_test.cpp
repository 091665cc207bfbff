#include "ProgramTestSupport.h"

#include "toolkit/text/QvText.h"

namespace
{
void WriteRect(const CRect& rect)
{
    theApp.WriteProfileInt("General", "Window.x", rect.left);
    theApp.WriteProfileInt("General", "Window.y", rect.top);
    theApp.WriteProfileInt("General", "Window.w", rect.Width());
    theApp.WriteProfileInt("General", "Window.h", rect.Height());
}

CRect ChildRect(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}
} // namespace

TEST_F(ProgramTest, FirstRunShowsTheFrameAt20_20AndTheDefaultBars)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(CRect(20, 20, 620, 820), FrameRect()) << "600 wide, 800 high";
    char title[64] = "";
    Frame().GetWindowText(title, sizeof title);
    EXPECT_STREQ("Shelvix", title);
    EXPECT_TRUE(Frame().IsWindowVisible());
    EXPECT_EQ(kDefaultToolbar, ToolbarCommands());
    EXPECT_TRUE(Frame().m_wndToolBar.GetStyle() & CCS_ADJUSTABLE) << "customisable";
    EXPECT_TRUE(Frame().m_wndToolBar.IsWindowVisible());

    // The toolbar is the one band of the rebar, titled "&Toolbar".
    CWnd& reBar = Frame().GetReBar();
    ASSERT_EQ(1, reBar.SendMessage(RB_GETBANDCOUNT));
    char text[32] = "";
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILD | RBBIM_TEXT;
    band.lpText = text;
    band.cch = sizeof text;
    ASSERT_TRUE(reBar.SendMessage(RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band)));
    EXPECT_EQ(Frame().m_wndToolBar.GetSafeHwnd(), band.hwndChild);
    EXPECT_STREQ("&Toolbar", text);

    // Status bar: the message pane, then CAP, NUM, SCRL.
    CStatusBar& status = Frame().m_wndStatusBar;
    EXPECT_EQ(0, status.CommandToIndex(ID_SEPARATOR));
    EXPECT_EQ(1, status.CommandToIndex(ID_INDICATOR_CAPS));
    EXPECT_EQ(2, status.CommandToIndex(ID_INDICATOR_NUM));
    EXPECT_EQ(3, status.CommandToIndex(ID_INDICATOR_SCRL));
    EXPECT_EQ(CString("Ready"), status.GetPaneText(0));

    // The program's icon, large and small.
    EXPECT_NE(0, Frame().SendMessage(WM_GETICON, ICON_BIG));
    EXPECT_NE(0, Frame().SendMessage(WM_GETICON, ICON_SMALL));
}

TEST_F(ProgramTest, TheFormFillsTheViewBetweenTheBarsAtEverySize)
{
    ASSERT_TRUE(Start());
    for (const CSize size : {CSize(600, 800), CSize(820, 540), CSize(420, 360)})
    {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        Frame().SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages();
        const CRect reBar = ChildRect(Frame().GetReBar());
        const CRect view = ChildRect(Frame().m_wndView);
        const CRect status = ChildRect(Frame().m_wndStatusBar);
        EXPECT_EQ(reBar.bottom, view.top);
        EXPECT_EQ(status.top, view.bottom);
        CRect viewClient;
        Frame().m_wndView.GetClientRect(&viewClient);
        Frame().m_wndView.ClientToScreen(&viewClient);
        EXPECT_EQ(viewClient, ChildRect(Form())) << "the form fills the view's client area";
        EXPECT_TRUE(Frame().m_wndView.GetExStyle() & WS_EX_CLIENTEDGE);
        EXPECT_FALSE(Frame().GetExStyle() & WS_EX_CLIENTEDGE);
    }
}

// The view paints nothing of its own; what the screen shows over it must be the form.
TEST_F(ProgramTest, TheFormIsPaintedOverTheView)
{
    ASSERT_TRUE(Start());
    PumpFor(300);
    CRect list;
    Form().m_lbCollections.GetWindowRect(&list);
    // The form's own ground, left of the Collections list and above it
    const CPoint points[] = {{list.left - 3, list.top + 20}, {list.left + 20, list.top - 3}};
    HDC hScreen = ::GetDC(nullptr);
    for (const CPoint& point : points)
        EXPECT_EQ(ColourText(::GetSysColor(COLOR_BTNFACE)),
                  ColourText(::GetPixel(hScreen, point.x, point.y)))
            << point.x << ", " << point.y;
    ::ReleaseDC(nullptr, hScreen);
}

TEST_F(ProgramTest, MenuItemsOfTheSevenCommandsShowTheirIcons)
{
    ASSERT_TRUE(Start());
    const struct Case
    {
        UINT nID;
        int nImage; // in the 16-pixel strip; -1: none
    } cases[] = {{ID_FILE_OPEN, 1},      {ID_FILE_SAVE, 2},         {ID_APP_ABOUT, 3},
                 {ID_COLLECTION_ADD, 4}, {ID_COLLECTION_DELETE, 5}, {ID_BOOKS_ADD, 6},
                 {ID_BOOK_DELETE, 7},    {ID_APP_EXIT, -1},         {ID_FILE_MRU_FIRST, -1}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "command " << c.nID);
        const std::vector<COLORREF> drawn = DrawnMenuImage(c.nID);
        EXPECT_EQ(c.nImage < 0 ? std::vector<COLORREF>(drawn.size(), kMenuGround)
                               : StripImage(c.nImage),
                  drawn);
    }
}

TEST_F(ProgramTest, TheWindowRectangleIsSavedAtExitAndRestoredAtTheNextStart)
{
    ASSERT_TRUE(Start());
    const CRect moved(CPoint(45, 35), CSize(640, 480));
    Frame().MoveWindow(&moved);
    Shutdown();
    EXPECT_EQ(45, ProfileInt("Window.x"));
    EXPECT_EQ(35, ProfileInt("Window.y"));
    EXPECT_EQ(640, ProfileInt("Window.w"));
    EXPECT_EQ(480, ProfileInt("Window.h"));

    ASSERT_TRUE(Start());
    EXPECT_EQ(moved, FrameRect());
}

TEST_F(ProgramTest, AMaximisedWindowIsSavedAsItIsAMinimisedOneAsItWasBefore)
{
    const CRect normal(CPoint(60, 50), CSize(500, 400));
    ASSERT_TRUE(Start());
    Frame().MoveWindow(&normal);
    // The X server's answer to the move must come back before the maximise: a late one would
    // restore the window.
    PumpFor(300);
    Frame().ShowWindow(SW_MAXIMIZE);
    PumpFor(300);
    ASSERT_TRUE(Frame().IsZoomed());
    const CRect maximised = FrameRect();
    ASSERT_NE(normal, maximised);
    Shutdown();
    EXPECT_EQ(maximised, CRect(CPoint(ProfileInt("Window.x"), ProfileInt("Window.y")),
                               CSize(ProfileInt("Window.w"), ProfileInt("Window.h"))))
        << "the rectangle as the platform reports it";

    ASSERT_TRUE(Start());
    Frame().MoveWindow(&normal);
    PumpFor(300);
    Frame().ShowWindow(SW_MINIMIZE);
    PumpMessages();
    ASSERT_TRUE(Frame().IsIconic());
    Shutdown();
    EXPECT_EQ(normal, CRect(CPoint(ProfileInt("Window.x"), ProfileInt("Window.y")),
                            CSize(ProfileInt("Window.w"), ProfileInt("Window.h"))))
        << "not the place of a minimised window, off every screen";
}

TEST_F(ProgramTest, AStoredRectangleOnNoScreenGivesTheFirstRunRectangle)
{
    theApp.SetRegistryKey("Shelvix");
    const CRect cases[] = {
        {CPoint(-32000, -32000), CSize(160, 28)}, // minimised by an older start
        {CPoint(30000, 100), CSize(600, 800)},    // a screen that is gone
        {CPoint(100, 100), CSize(0, 500)},        // no width
    };
    for (const CRect& stored : cases)
    {
        SCOPED_TRACE(testing::Message() << stored.left << ", " << stored.top << ", "
                                        << stored.Width() << " x " << stored.Height());
        WriteRect(stored);
        ASSERT_TRUE(Start());
        EXPECT_EQ(CRect(20, 20, 620, 820), FrameRect());
        Shutdown();
    }
    WriteRect(CRect(CPoint(-20, 10), CSize(500, 400))); // partly left of the screen: kept
    ASSERT_TRUE(Start());
    EXPECT_EQ(CRect(CPoint(-20, 10), CSize(500, 400)), FrameRect());
}

TEST_F(ProgramTest, BarLayoutIsSavedAtExitAndRestored)
{
    ASSERT_TRUE(Start());
    JMainToolBar& toolBar = Frame().m_wndToolBar;
    const int nAbout = static_cast<int>(toolBar.SendMessage(TB_COMMANDTOINDEX, ID_APP_ABOUT));
    ASSERT_TRUE(toolBar.SendMessage(TB_DELETEBUTTON, nAbout));
    ASSERT_TRUE(toolBar.SendMessage(TB_DELETEBUTTON, nAbout - 1)); // the separator before it
    Command(ID_VIEW_TOOLBAR);
    PumpMessages();
    EXPECT_FALSE(MenuItemChecked(ID_VIEW_TOOLBAR));
    Shutdown();

    ASSERT_TRUE(Start());
    std::vector<UINT> withoutAbout(kDefaultToolbar.begin(), kDefaultToolbar.end() - 2);
    EXPECT_EQ(withoutAbout, ToolbarCommands());
    EXPECT_FALSE(Frame().m_wndToolBar.IsWindowVisible());
    EXPECT_FALSE(MenuItemChecked(ID_VIEW_TOOLBAR));

    Command(ID_VIEW_TOOLBAR);
    PumpMessages();
    EXPECT_TRUE(Frame().m_wndToolBar.IsWindowVisible());
    EXPECT_TRUE(MenuItemChecked(ID_VIEW_TOOLBAR));
}

TEST_F(ProgramTest, FocusGivenToTheFrameGoesToTheForm)
{
    ASSERT_TRUE(Start());
    ::SetFocus(nullptr);
    Frame().SetFocus();
    HWND hFocus = ::GetFocus();
    EXPECT_TRUE(hFocus && ::IsChild(Form().GetSafeHwnd(), hFocus))
        << "the keyboard reaches the form's lists";
}
