#include "FramelibTestSupport.h"

namespace
{
typedef std::vector<std::string> Log;

bool IsButtonEnabled(UINT nID)
{
    return TestFrame().m_wndToolBar.SendMessage(TB_ISBUTTONENABLED, nID) != 0;
}

// A click on the button as the mouse makes it: down and up at its centre.
void ClickButton(UINT nID)
{
    CTestToolBar& toolBar = TestFrame().m_wndToolBar;
    CRect rect;
    ASSERT_TRUE(toolBar.SendMessage(TB_GETRECT, nID, reinterpret_cast<LPARAM>(&rect)));
    const LPARAM lParam = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    toolBar.SendMessage(WM_MOUSEMOVE, 0, lParam);
    toolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    toolBar.SendMessage(WM_LBUTTONUP, 0, lParam);
    PumpPendingMessages();
}

// Enable rules at their default: everything the tests switch is back as it was.
struct CEnableRules
{
    CEnableRules() { Reset(); }
    ~CEnableRules() { Reset(); }
    static void Reset()
    {
        theApp.m_bModified = false;
        theApp.m_bBooksAddEnabled = true;
        theApp.m_nRecentFiles = 0;
        theApp.OnIdle(0);
        theApp.m_log.clear();
    }
};
} // namespace

TEST(FrameCommands, GoToTheViewFirstThenTheFrameThenTheApplication)
{
    CEnableRules rules;
    const struct Case
    {
        UINT nID;
        Log log;
    } cases[] = {
        {ID_FILE_OPEN, {"view open"}},                     // the view and the application handle it
        {ID_COLLECTION_ADD, {"frame add collection"}},     // the frame and the application
        {ID_COLLECTION_DELETE, {"app delete collection"}}, // the application only
        {ID_RECENT_FIRST + 2, {}},                         // its enable rule refuses it
        {ID_BOOK_DELETE, {}},                              // nobody
    };
    for (const Case& c : cases)
    {
        theApp.m_log.clear();
        TestFrame().SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
        EXPECT_EQ(c.log, theApp.m_log) << "command " << c.nID;
    }
    theApp.m_nRecentFiles = 3;
    theApp.m_log.clear();
    TestFrame().SendMessage(WM_COMMAND, MAKEWPARAM(ID_RECENT_FIRST + 2, 0), 0);
    EXPECT_EQ(Log{"app recent 2"}, theApp.m_log) << "enabled now";
}

TEST(FrameCommands, ToolbarButtonsFollowTheEnableRulesAtIdleTime)
{
    CEnableRules rules;
    theApp.m_bBooksAddEnabled = false;
    theApp.OnIdle(0);
    const struct Case
    {
        UINT nID;
        bool bEnabled;
    } before[] = {
        {ID_FILE_OPEN, true},      {ID_FILE_SAVE, false}, // Save: nothing modified
        {ID_COLLECTION_ADD, true}, {ID_BOOKS_ADD, false}, // its rule says no
        {ID_BOOK_DELETE, false},                          // no handler anywhere
        {ID_APP_ABOUT, true},                             // a handler, no rule
    };
    for (const Case& c : before)
        EXPECT_EQ(c.bEnabled, IsButtonEnabled(c.nID)) << "command " << c.nID;

    theApp.m_bBooksAddEnabled = true;
    theApp.m_bModified = true;
    theApp.OnIdle(0);
    EXPECT_TRUE(IsButtonEnabled(ID_BOOKS_ADD));
    EXPECT_TRUE(IsButtonEnabled(ID_FILE_SAVE));
    EXPECT_FALSE(IsButtonEnabled(ID_BOOK_DELETE));
}

TEST(FrameCommands, ToolbarClicksReachTheHandlersUnlessTheButtonIsDisabled)
{
    CEnableRules rules;
    ClickButton(ID_APP_ABOUT);
    ClickButton(ID_FILE_OPEN);
    ClickButton(ID_BOOK_DELETE); // disabled: no command at all
    EXPECT_EQ((Log{"app about", "view open"}), theApp.m_log);
}

TEST(FrameCommands, MenuItemsWithoutAHandlerAreDisabledWhenTheMenuOpens)
{
    CEnableRules rules;
    CTestFrame& frame = TestFrame();
    HMENU hBooks = ::GetSubMenu(::GetMenu(frame.m_hWnd), 2);
    theApp.m_bBooksAddEnabled = false;
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hBooks), MAKELPARAM(2, FALSE));
    EXPECT_EQ(UINT(MF_GRAYED), ::GetMenuState(hBooks, ID_BOOKS_ADD, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(UINT(MF_GRAYED), ::GetMenuState(hBooks, ID_BOOK_DELETE, MF_BYCOMMAND) & MF_GRAYED);
    theApp.m_bBooksAddEnabled = true;
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hBooks), MAKELPARAM(2, FALSE));
    EXPECT_EQ(0u, ::GetMenuState(hBooks, ID_BOOKS_ADD, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(FrameCommands, AcceleratorsWorkWhileTheFormHasTheKeyboard)
{
    CEnableRules rules;
    CListBox& list = TestFrame().m_wndView.m_form.m_list;
    list.SetCurSel(0);
    // F5 is in the frame's accelerator table; the form's dialog handling would take it first.
    ::PostMessageA(list.m_hWnd, WM_KEYDOWN, VK_F5, 0x003F0001);
    ::PostMessageA(list.m_hWnd, WM_KEYUP, VK_F5, 0xC03F0001);
    PumpPendingMessages();
    EXPECT_EQ(Log{"view refresh"}, theApp.m_log);
    // A key the table does not have still reaches the list box.
    ::PostMessageA(list.m_hWnd, WM_KEYDOWN, VK_DOWN, 0x01500001);
    ::PostMessageA(list.m_hWnd, WM_KEYUP, VK_DOWN, 0xC1500001);
    PumpPendingMessages();
    EXPECT_EQ(1, list.GetCurSel());
    EXPECT_EQ(Log{"view refresh"}, theApp.m_log);
}

namespace
{
// Counts the frames alive, to see a frame delete itself.
class CCountedFrame : public CFrameWnd
{
public:
    static inline int s_nAlive = 0;
    CCountedFrame() { ++s_nAlive; }
    ~CCountedFrame() override { --s_nAlive; }
};

// A frame whose creation fails, as a frame fails when a bar cannot be made.
class CFailingFrame : public CCountedFrame
{
protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingFrame, CCountedFrame)
ON_WM_CREATE()
END_MESSAGE_MAP()

// The application's main window for the length of a test.
struct CMainWindowScope
{
    explicit CMainWindowScope(CWnd* pWnd) : m_pOld(theApp.m_pMainWnd) { theApp.m_pMainWnd = pWnd; }
    ~CMainWindowScope() { theApp.m_pMainWnd = m_pOld; }
    CWnd* m_pOld;
};

bool TakeQuitMessage()
{
    MSG msg;
    return ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}
} // namespace

TEST(FrameLifetime, ClosingTheMainFrameEndsTheApplicationAndDeletesTheFrame)
{
    CCountedFrame* pFrame = new CCountedFrame;
    CMainWindowScope mainWindow(pFrame);
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(1, CCountedFrame::s_nAlive);
    TakeQuitMessage();
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(0, CCountedFrame::s_nAlive);
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    EXPECT_TRUE(TakeQuitMessage()) << "the message loop ends";
}

TEST(FrameLifetime, AFrameThatCannotBeMadeIsGoneAndNoLongerTheMainWindow)
{
    struct Case
    {
        const char* what;
        CCountedFrame* (*pfnNew)();
        UINT nIDResource;
    } cases[] = {{"no menu of that id", [] { return new CCountedFrame; }, IDR_MISSING},
                 {"creation refused", [] { return static_cast<CCountedFrame*>(new CFailingFrame); },
                  IDR_TESTFRAME}};
    for (const Case& c : cases)
    {
        CCountedFrame* pFrame = c.pfnNew();
        CMainWindowScope mainWindow(pFrame);
        EXPECT_FALSE(pFrame->LoadFrame(c.nIDResource)) << c.what;
        EXPECT_EQ(0, CCountedFrame::s_nAlive) << c.what;
        EXPECT_EQ(nullptr, theApp.m_pMainWnd) << c.what;
        TakeQuitMessage();
    }
}
