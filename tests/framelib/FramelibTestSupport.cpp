#include "FramelibTestSupport.h"

CTestApp theApp;

namespace
{
CTestFrame* s_pFrame = nullptr;

// One frame for the whole run: under Xvfb without a window manager, every top-level window
// hidden costs Wine about two seconds.
class CFrameEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kTestCompany).c_str());
        theApp.SetRegistryKey(kTestCompany);
        s_pFrame = new CTestFrame;
        theApp.m_pMainWnd = s_pFrame;
        ASSERT_TRUE(s_pFrame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW));
        s_pFrame->ShowWindow(SW_SHOWNORMAL, "");
        s_pFrame->UpdateWindow();
        PumpPendingMessages();
    }
    void TearDown() override
    {
        if (theApp.m_pMainWnd == s_pFrame && s_pFrame)
            s_pFrame->DestroyWindow(); // the frame deletes itself
        s_pFrame = nullptr;
        PumpPendingMessages();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kTestCompany).c_str());
    }
};

::testing::Environment* const s_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new CFrameEnvironment);
} // namespace

CTestFrame& TestFrame()
{
    return *s_pFrame;
}

std::string StatusText()
{
    char text[256] = "";
    TestFrame().m_wndStatusBar.SendMessage(SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<UINT> ToolbarCommands()
{
    std::vector<UINT> commands;
    CTestToolBar& toolBar = TestFrame().m_wndToolBar;
    const int nCount = static_cast<int>(toolBar.SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        toolBar.SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(&button));
        commands.push_back((button.fsStyle & BTNS_SEP) ? 0u : static_cast<UINT>(button.idCommand));
    }
    return commands;
}

const std::vector<UINT> kDefaultToolbarCommands = {
    ID_FILE_OPEN, ID_FILE_SAVE,   0, ID_COLLECTION_ADD, ID_COLLECTION_DELETE, 0,
    ID_BOOKS_ADD, ID_BOOK_DELETE, 0, ID_APP_ABOUT};

void ShowDefaultToolbar()
{
    TestFrame().m_wndToolBar.SetButtons(CTestToolBar::nButtons, CTestToolBar::s_buttons,
                                        QvFToolBarEx::nTextSelective);
}
