#include "FramelibTestSupport.h"

#include <algorithm>
#include <functional>

namespace
{
// Works the toolbar's Customize dialog, which TB_CUSTOMIZE runs modally: a thread timer finds
// the dialog once it is shown and does the step; a watchdog closes it if the step never ran.
class CCustomizeDriver
{
public:
    typedef std::function<void(HWND hDlg)> Step;

    // Runs the dialog; FALSE when the step never found it.
    static bool Run(const Step& step)
    {
        s_step = step;
        s_bStepRan = false;
        const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, &Tick);
        const UINT_PTR nWatchdog = ::SetTimer(nullptr, 0, 15000, &Watchdog);
        TestFrame().SendMessage(WM_COMMAND, ID_TOOLBAR_CUSTOMIZE);
        ::KillTimer(nullptr, nTimer);
        ::KillTimer(nullptr, nWatchdog);
        return s_bStepRan;
    }

private:
    static HWND FindDialog()
    {
        HWND hDlg = nullptr;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                char className[16] = "";
                ::GetClassNameA(hWnd, className, sizeof(className));
                if (strcmp(className, "#32770") != 0 || !::IsWindowVisible(hWnd))
                    return TRUE;
                *reinterpret_cast<HWND*>(lParam) = hWnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&hDlg));
        return hDlg;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        HWND hDlg = FindDialog();
        if (!hDlg || s_bStepRan)
            return;
        ::KillTimer(nullptr, nTimer);
        s_bStepRan = true;
        s_step(hDlg);
    }
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        ::KillTimer(nullptr, nTimer);
        if (HWND hDlg = FindDialog())
            ::PostMessageA(hDlg, WM_CLOSE, 0, 0);
    }

    static inline Step s_step;
    static inline bool s_bStepRan = false;
};

// The dialog's button whose caption, without '&', contains the text.
HWND FindButton(HWND hDlg, const char* text)
{
    for (HWND hWnd = ::GetWindow(hDlg, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        char caption[64] = "";
        ::GetWindowTextA(hWnd, caption, sizeof(caption));
        std::string plain(caption);
        plain.erase(std::remove(plain.begin(), plain.end(), '&'), plain.end());
        if (plain.find(text) != std::string::npos)
            return hWnd;
    }
    return nullptr;
}

void Click(HWND hDlg, HWND hButton)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hButton), BN_CLICKED),
                   reinterpret_cast<LPARAM>(hButton));
}

// The dialog's two lists, left (buttons available) and right (buttons on the toolbar).
std::pair<HWND, HWND> Lists(HWND hDlg)
{
    std::vector<HWND> lists;
    for (HWND hWnd = ::GetWindow(hDlg, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        char className[16] = "";
        ::GetClassNameA(hWnd, className, sizeof(className));
        if (_stricmp(className, "ListBox") == 0)
            lists.push_back(hWnd);
    }
    if (lists.size() != 2)
        return {nullptr, nullptr};
    CRect first;
    CRect second;
    ::GetWindowRect(lists[0], &first);
    ::GetWindowRect(lists[1], &second);
    return first.left < second.left ? std::make_pair(lists[0], lists[1])
                                    : std::make_pair(lists[1], lists[0]);
}

int Count(HWND hList)
{
    return static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
}

class ToolBarCustomize : public ::testing::Test
{
protected:
    void TearDown() override { ShowDefaultToolbar(); }
    CTestToolBar& m_toolBar = TestFrame().m_wndToolBar;
};
} // namespace

TEST_F(ToolBarCustomize, OffersTheEntriesRemovesAButtonAndResetsToTheDefaultSet)
{
    const int nDelete =
        static_cast<int>(m_toolBar.SendMessage(TB_COMMANDTOINDEX, ID_COLLECTION_DELETE));
    ASSERT_TRUE(m_toolBar.SendMessage(TB_DELETEBUTTON, nDelete));
    int nAvailable = -1;
    int nOnToolbar = -1;
    std::vector<UINT> afterRemove;
    ASSERT_TRUE(CCustomizeDriver::Run([&](HWND hDlg) {
        const auto lists = Lists(hDlg);
        nAvailable = Count(lists.first);
        nOnToolbar = Count(lists.second);
        // Take Save (the second entry) off, then reset.
        ::SendMessageA(lists.second, LB_SETCURSEL, 1, 0);
        Click(hDlg, FindButton(hDlg, "Remove"));
        afterRemove = ToolbarCommands();
        Click(hDlg, FindButton(hDlg, "Reset"));
    }));
    // The list of available buttons: the separator and the one entry not on the toolbar.
    EXPECT_EQ(2, nAvailable);
    EXPECT_EQ(9 + 1, nOnToolbar) << "nine entries and the list's end";
    EXPECT_EQ((std::vector<UINT>{ID_FILE_OPEN, 0, ID_COLLECTION_ADD, 0, ID_BOOKS_ADD,
                                 ID_BOOK_DELETE, 0, ID_APP_ABOUT}),
              afterRemove);
    EXPECT_EQ(kDefaultToolbarCommands, ToolbarCommands()) << "Reset brings the default set back";
}

TEST_F(ToolBarCustomize, ClosingTheDialogKeepsTheToolbar)
{
    ASSERT_TRUE(m_toolBar.SendMessage(TB_MOVEBUTTON, 9, 0));
    const std::vector<UINT> layout = ToolbarCommands();
    ASSERT_TRUE(CCustomizeDriver::Run([](HWND hDlg) { ::PostMessageA(hDlg, WM_CLOSE, 0, 0); }));
    EXPECT_EQ(layout, ToolbarCommands());
    EXPECT_EQ(CTestToolBar::nButtons, static_cast<int>(m_toolBar.SendMessage(TB_BUTTONCOUNT)));
}
