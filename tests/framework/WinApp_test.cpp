#include "WindowTestSupport.h"

#include <afxpriv.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
const char kCompany[] = "ShvAfxTests";

// The profile of one test application, under HKEY_CURRENT_USER\Software\ShvAfxTests.
class CProfileApp : public CWinApp
{
public:
    CProfileApp() : CWinApp("Profile Test") {}
};

class Profile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
        m_app.SetRegistryKey(kCompany);
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
    }

    static LONG ReadRaw(LPCSTR lpszSection, LPCSTR lpszEntry, DWORD dwFlags, void* pData,
                        DWORD* pcbData)
    {
        const std::string key =
            std::string("Software\\") + kCompany + "\\Profile Test\\" + lpszSection;
        return ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), lpszEntry, dwFlags, nullptr, pData,
                              pcbData);
    }

    CProfileApp m_app;
};
} // namespace

TEST_F(Profile, ValuesLiveUnderCompanyApplicationAndSection)
{
    EXPECT_STREQ(kCompany, m_app.m_pszRegistryKey);
    EXPECT_STREQ("Profile Test", m_app.m_pszProfileName);

    EXPECT_TRUE(m_app.WriteProfileInt("General", "Window.x", -20));
    EXPECT_TRUE(m_app.WriteProfileString("MRU", "Entry.0", "C:\\data\\\xe8\xa1\xa8.xml"));

    DWORD dwValue = 0;
    DWORD cbData = sizeof(dwValue);
    ASSERT_EQ(ERROR_SUCCESS, ReadRaw("General", "Window.x", RRF_RT_REG_DWORD, &dwValue, &cbData));
    EXPECT_EQ(static_cast<DWORD>(-20), dwValue);
    char text[64] = "";
    cbData = sizeof(text);
    ASSERT_EQ(ERROR_SUCCESS, ReadRaw("MRU", "Entry.0", RRF_RT_REG_SZ, text, &cbData));
    EXPECT_STREQ("C:\\data\\\xe8\xa1\xa8.xml", text);

    EXPECT_EQ(-20, static_cast<int>(m_app.GetProfileInt("General", "Window.x", 20)));
    EXPECT_STREQ("C:\\data\\\xe8\xa1\xa8.xml", (LPCSTR)m_app.GetProfileString("MRU", "Entry.0"));
}

TEST_F(Profile, ReadsFallBackToTheDefaultOnlyWhenNothingFitsIsStored)
{
    ASSERT_TRUE(m_app.WriteProfileString("MRU", "Empty", ""));
    ASSERT_TRUE(m_app.WriteProfileString("General", "Text", "12"));
    ASSERT_TRUE(m_app.WriteProfileInt("General", "Number", 600));
    struct Case
    {
        const char* section;
        const char* entry;
        const char* stringRead;
        int intRead;
    } cases[] = {
        {"MRU", "Empty", "", 7}, // an empty string is stored, not absent
        {"MRU", "Missing", "QKZRSVDSTR", 7},
        {"Nowhere", "Missing", "QKZRSVDSTR", 7},
        {"General", "Text", "12", 7},             // a string is no integer setting
        {"General", "Number", "QKZRSVDSTR", 600}, // nor an integer a string one
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.stringRead, (LPCSTR)m_app.GetProfileString(c.section, c.entry, "QKZRSVDSTR"))
            << c.section << "/" << c.entry;
        EXPECT_EQ(c.intRead, static_cast<int>(m_app.GetProfileInt(c.section, c.entry, 7)))
            << c.section << "/" << c.entry;
    }
    EXPECT_STREQ("", (LPCSTR)m_app.GetProfileString("MRU", "Missing")) << "null default";

    EXPECT_TRUE(m_app.WriteProfileString("General", "Text", nullptr)) << "deletes the entry";
    EXPECT_STREQ("gone", (LPCSTR)m_app.GetProfileString("General", "Text", "gone"));
    EXPECT_TRUE(m_app.WriteProfileString("General", nullptr, nullptr)) << "deletes the section";
    EXPECT_EQ(3, static_cast<int>(m_app.GetProfileInt("General", "Number", 3)));
}

TEST_F(Profile, FailedWritesReturnFalse)
{
    const std::string longEntry(20000, 'e');
    const std::string longSection(300, 's');
    EXPECT_FALSE(m_app.WriteProfileInt("General", longEntry.c_str(), 1));
    EXPECT_FALSE(m_app.WriteProfileString("General", longEntry.c_str(), "x"));
    EXPECT_FALSE(m_app.WriteProfileInt(longSection.c_str(), "Entry", 1));
    EXPECT_FALSE(m_app.WriteProfileString(longSection.c_str(), "Entry", "x"));
    EXPECT_STREQ("none", (LPCSTR)m_app.GetProfileString(longSection.c_str(), "Entry", "none"));
}

TEST(ProfileFile, WithoutARegistryKeyTheInitialisationFileIsUsed)
{
    CProfileApp app;
    EXPECT_TRUE(app.WriteProfileString("General", "Name", "In the file"));
    EXPECT_TRUE(app.WriteProfileInt("General", "Count", 12));
    ASSERT_NE(nullptr, app.m_pszProfileName);
    EXPECT_STREQ("FrameworkTests.INI", app.m_pszProfileName);
    char text[32] = "";
    ::GetPrivateProfileStringA("General", "Name", "", text, sizeof(text), app.m_pszProfileName);
    EXPECT_STREQ("In the file", text);
    EXPECT_EQ(12u, app.GetProfileInt("General", "Count", 0));
    EXPECT_STREQ("In the file", (LPCSTR)app.GetProfileString("General", "Name"));
    app.WriteProfileString("General", nullptr, nullptr);
    EXPECT_EQ(0u, app.GetProfileInt("General", "Count", 0));
}

namespace
{
std::vector<std::string> s_lifecycle;

// A main window that counts the idle updates it and its child receive, and closes itself
// after the first one.
class CIdleWnd : public CWnd
{
public:
    int m_nIdleUpdates = 0;

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        if (++m_nIdleUpdates == 1 && GetParent() == nullptr)
            PostMessage(WM_CLOSE);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleWnd, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CIdleWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CLifecycleApp : public CWinApp
{
public:
    bool m_bInitSucceeds = true;
    CIdleWnd m_mainWnd;
    CIdleWnd m_child;

    BOOL InitInstance() override
    {
        s_lifecycle.push_back("init");
        if (!m_bInitSucceeds)
            return FALSE;
        if (!m_mainWnd.CreateEx(0, AfxRegisterWndClass(0), "Main", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                100, nullptr, nullptr) ||
            !m_child.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_mainWnd, 1))
            return FALSE;
        m_pMainWnd = &m_mainWnd;
        return TRUE;
    }
    int Run() override
    {
        s_lifecycle.push_back("run");
        return CWinApp::Run();
    }
    int ExitInstance() override
    {
        s_lifecycle.push_back("exit");
        return CWinApp::ExitInstance() + 100;
    }
};
} // namespace

TEST(AfxWinMain, InitInstanceThenRunUntilTheMainWindowIsGoneThenExitInstance)
{
    s_lifecycle.clear();
    CLifecycleApp app;
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_EQ(&app, AfxGetThread());
    EXPECT_EQ(100, AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""),
                              SW_SHOWNORMAL));
    EXPECT_EQ((std::vector<std::string>{"init", "run", "exit"}), s_lifecycle);
    EXPECT_EQ(1, app.m_mainWnd.m_nIdleUpdates) << "idle updates the main window";
    EXPECT_GE(app.m_child.m_nIdleUpdates, 1) << "and its descendants";
    EXPECT_EQ(nullptr, app.m_mainWnd.m_hWnd);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_STREQ("FrameworkTests", app.m_pszAppName) << "named after the program";
    EXPECT_STREQ("FrameworkTests", AfxGetAppName());
}

TEST(AfxWinMain, FailedInitInstanceSkipsRun)
{
    s_lifecycle.clear();
    CLifecycleApp app;
    app.m_bInitSucceeds = false;
    EXPECT_EQ(100, AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""),
                              SW_SHOWNORMAL));
    EXPECT_EQ((std::vector<std::string>{"init", "exit"}), s_lifecycle);
}

TEST(CWinApp, AppExitCommandClosesTheMainWindow)
{
    CLifecycleApp app;
    ASSERT_TRUE(app.InitInstance());
    app.OnCmdMsg(ID_APP_EXIT, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(nullptr, app.m_mainWnd.m_hWnd);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the end of the main window ends the message loop";
}
