#include "FramelibTestSupport.h"

#include <afxpriv.h>

namespace
{
void SelectMenuItem(UINT nItem, UINT nFlags, HMENU hMenu)
{
    TestFrame().SendMessage(WM_MENUSELECT, MAKEWPARAM(nItem, nFlags),
                            reinterpret_cast<LPARAM>(hMenu));
}

void MoveMouseOnToolbar(POINT point)
{
    TestFrame().m_wndToolBar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    PumpPendingMessages();
}

CPoint ButtonCentre(UINT nID)
{
    CRect rect;
    TestFrame().m_wndToolBar.SendMessage(TB_GETRECT, nID, reinterpret_cast<LPARAM>(&rect));
    return rect.CenterPoint();
}

std::string Narrow(const wchar_t* text)
{
    char narrow[256] = "";
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof(narrow), nullptr, nullptr);
    return narrow;
}
} // namespace

TEST(StatusPrompts, TheHighlightedMenuItemShowsItsPromptAndReadyComesBack)
{
    CTestFrame& frame = TestFrame();
    HMENU hMenuBar = ::GetMenu(frame.m_hWnd);
    HMENU hCollection = ::GetSubMenu(hMenuBar, 1);
    EXPECT_EQ("Ready", StatusText());
    SelectMenuItem(ID_COLLECTION_ADD, MF_STRING, hCollection);
    EXPECT_EQ("Add a new collection.", StatusText()) << "the prompt, not the tooltip";
    SelectMenuItem(ID_APP_EXIT, MF_STRING, ::GetSubMenu(hMenuBar, 0));
    EXPECT_EQ("Quit the application; prompts to save documents", StatusText());
    SelectMenuItem(1, MF_POPUP, hMenuBar);
    EXPECT_EQ("", StatusText()) << "a menu title has no prompt";
    SelectMenuItem(0, 0xFFFF, nullptr);
    EXPECT_EQ("Ready", StatusText()) << "the menu closed";
}

TEST(StatusPrompts, TheButtonUnderTheMouseShowsItsPrompt)
{
    MoveMouseOnToolbar(ButtonCentre(ID_BOOKS_ADD));
    EXPECT_EQ("Add books to the selected collection.", StatusText());
    MoveMouseOnToolbar(ButtonCentre(ID_FILE_OPEN));
    EXPECT_EQ("Open a file.", StatusText());
    TestFrame().m_wndToolBar.SendMessage(WM_MOUSELEAVE);
    PumpPendingMessages();
    EXPECT_EQ("Ready", StatusText()) << "the mouse left the toolbar";
}

TEST(StatusPrompts, MessageTextAndTheIdleMessage)
{
    CTestFrame& frame = TestFrame();
    frame.SetMessageText("Loading the catalogue...");
    EXPECT_EQ("Loading the catalogue...", StatusText());
    frame.SetMessageText(ID_BOOK_DELETE);
    EXPECT_EQ("Delete the selected book.", StatusText());
    EXPECT_EQ(ID_BOOK_DELETE,
              static_cast<UINT>(frame.SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE)))
        << "the id shown before";
    EXPECT_EQ("Ready", StatusText());
}

TEST(StatusPrompts, TooltipsAreTheSecondPartOfTheCommandsString)
{
    CTestToolBar& toolBar = TestFrame().m_wndToolBar;
    HWND hTip = reinterpret_cast<HWND>(toolBar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(nullptr, hTip);
    const struct Case
    {
        UINT nID;
        const char* tip;
    } cases[] = {{ID_FILE_OPEN, "Open a file"},
                 {ID_COLLECTION_ADD, "Add collection"},
                 {ID_BOOK_DELETE, "Delete book"},
                 {ID_APP_ABOUT, "About"}};
    for (const Case& c : cases)
    {
        // The tooltip asks the toolbar for the text of its tool, as before it shows.
        wchar_t text[80] = L"";
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof(tool);
        tool.hwnd = toolBar.m_hWnd;
        tool.uId = c.nID;
        tool.lpszText = text;
        ::SendMessageW(hTip, TTM_GETTEXTW, ARRAYSIZE(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(c.tip, Narrow(text)) << "button " << c.nID;
    }

    // The frame answers any tool that asks it, from the same strings.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = hTip;
    info.hdr.idFrom = ID_VIEW_STATUS_BAR;
    info.hdr.code = TTN_GETDISPINFOA;
    TestFrame().SendMessage(WM_NOTIFY, ID_VIEW_STATUS_BAR, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("Toggle StatusBar", info.lpszText);
}
