#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A window made without the framework, as another module or Windows itself would make it.
struct CForeignWindow
{
    CForeignWindow(LPCSTR lpszClass = "STATIC", HWND hWndParent = nullptr, DWORD dwStyle = WS_POPUP)
        : hWnd(::CreateWindowExA(0, lpszClass, "", dwStyle, 0, 0, 100, 20, hWndParent, nullptr,
                                 nullptr, nullptr))
    {
    }
    ~CForeignWindow()
    {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
    CForeignWindow(const CForeignWindow&) = delete;
    CForeignWindow& operator=(const CForeignWindow&) = delete;

    HWND hWnd;
};

// Logs the characters an edit control receives before the control's own procedure.
class CLoggingEdit : public CEdit
{
public:
    std::string m_log;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_log += static_cast<char>(nChar);
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingEdit, CEdit)
ON_WM_CHAR()
END_MESSAGE_MAP()
} // namespace

TEST(HandleMap, SameObjectForTheSameHandle)
{
    CWnd wnd;
    ASSERT_TRUE(CreateTestPopup(wnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));

    CForeignWindow foreign;
    CWnd other;
    EXPECT_FALSE(other.Attach(wnd.m_hWnd)) << "a window has one permanent object";
    ASSERT_TRUE(other.Attach(foreign.hWnd));
    EXPECT_EQ(&other, CWnd::FromHandle(foreign.hWnd));
    EXPECT_EQ(foreign.hWnd, other.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign.hWnd));
    EXPECT_TRUE(::IsWindow(foreign.hWnd)) << "Detach leaves the window alone";
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
}

TEST(HandleMap, ForeignWindowGetsATemporaryObjectFreedAtIdle)
{
    CForeignWindow foreign;
    ASSERT_NE(nullptr, foreign.hWnd);
    CWnd* pTemp = CWnd::FromHandle(foreign.hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(foreign.hWnd, pTemp->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign.hWnd));
    EXPECT_EQ(pTemp, CWnd::FromHandle(foreign.hWnd)) << "one temporary object per handle";

    CWinApp app("Idle Test");
    app.OnIdle(0);
    EXPECT_EQ(pTemp, CWnd::FromHandle(foreign.hWnd)) << "the first idle call frees nothing";
    app.OnIdle(1);
    EXPECT_TRUE(::IsWindow(foreign.hWnd)) << "freeing a temporary object keeps the window";

    // The heap hands a freed block out again; it never hands out one still in use. So getting
    // the temporary object's block back proves that it was freed.
    std::vector<std::unique_ptr<char[]>> held;
    bool bReused = false;
    for (int i = 0; i < 20000 && !bReused; ++i)
    {
        held.emplace_back(new char[sizeof(CWnd)]);
        bReused = static_cast<void*>(held.back().get()) == static_cast<void*>(pTemp);
    }
    EXPECT_TRUE(bReused) << "the temporary object was not freed at idle";
    CWnd* pAgain = CWnd::FromHandle(foreign.hWnd);
    EXPECT_EQ(foreign.hWnd, pAgain->m_hWnd) << "a new temporary object for the same window";
}

TEST(HandleMap, SubclassRoutesMessagesThroughTheObjectFirst)
{
    CWnd parent;
    ASSERT_TRUE(CreateTestPopup(parent));
    CForeignWindow edit("EDIT", parent.m_hWnd, WS_CHILD);
    const LONG_PTR ownProc = ::GetWindowLongPtrA(edit.hWnd, GWLP_WNDPROC);
    ::SetWindowLongPtrA(edit.hWnd, GWLP_ID, 55);

    CLoggingEdit logging;
    ASSERT_TRUE(logging.SubclassDlgItem(55, &parent));
    EXPECT_EQ(&logging, CWnd::FromHandlePermanent(edit.hWnd));
    logging.SendMessage(WM_CHAR, 'a', 1);
    logging.SendMessage(WM_CHAR, 'b', 1);
    EXPECT_EQ("ab", logging.m_log);
    CString text;
    logging.GetWindowText(text);
    EXPECT_STREQ("ab", (LPCSTR)text) << "the control's own procedure still does its work";

    EXPECT_EQ(edit.hWnd, logging.UnsubclassWindow());
    EXPECT_EQ(ownProc, ::GetWindowLongPtrA(edit.hWnd, GWLP_WNDPROC));
    ::SendMessageA(edit.hWnd, WM_CHAR, 'c', 1);
    EXPECT_EQ("ab", logging.m_log) << "no longer routed through the object";

    // Destroying a subclassed window detaches its object.
    ASSERT_TRUE(logging.SubclassWindow(edit.hWnd));
    ::DestroyWindow(edit.hWnd);
    EXPECT_EQ(nullptr, logging.m_hWnd);
    parent.DestroyWindow();
}

namespace
{
// A window class whose procedure makes the object itself when none is attached and hands
// every message to the framework, the way a custom control placed in dialog templates works.
class CForwardedWnd : public CWnd
{
public:
    bool m_bMadeByClass = false;
    int m_nAppMessages = 0;
    static inline int s_nDeleted = 0;

protected:
    void PostNcDestroy() override
    {
        if (m_bMadeByClass)
        {
            ++s_nDeleted;
            delete this;
        }
    }
    afx_msg LRESULT OnApp(WPARAM, LPARAM) { return ++m_nAppMessages; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CForwardedWnd, CWnd)
ON_MESSAGE(WM_APP, &CForwardedWnd::OnApp)
END_MESSAGE_MAP()

LRESULT CALLBACK ForwardingProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (!CWnd::FromHandlePermanent(hWnd))
    {
        CForwardedWnd* pWnd = new CForwardedWnd;
        pWnd->m_bMadeByClass = true;
        pWnd->Attach(hWnd);
    }
    return AfxWndProc(hWnd, nMsg, wParam, lParam);
}

const char* RegisterForwardingClass()
{
    static const char kName[] = "ShvAfxForwardingTest";
    WNDCLASSA wndcls = {};
    wndcls.lpfnWndProc = ForwardingProc;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.lpszClassName = kName;
    ::RegisterClassA(&wndcls);
    return kName;
}
} // namespace

TEST(HandleMap, ClassProcedureThatForwardsToTheFramework)
{
    const char* lpszClass = RegisterForwardingClass();

    // Made by the class procedure, as for a control of a dialog template.
    CForeignWindow made(lpszClass);
    ASSERT_NE(nullptr, made.hWnd);
    CForwardedWnd* pMade = static_cast<CForwardedWnd*>(CWnd::FromHandlePermanent(made.hWnd));
    ASSERT_NE(nullptr, pMade);
    EXPECT_EQ(1, ::SendMessageA(made.hWnd, WM_APP, 0, 0));
    ::SetWindowTextA(made.hWnd, "made");
    CString text;
    pMade->GetWindowText(text);
    EXPECT_STREQ("made", (LPCSTR)text);
    const int nDeletedBefore = CForwardedWnd::s_nDeleted;
    ::DestroyWindow(made.hWnd);
    EXPECT_EQ(nDeletedBefore + 1, CForwardedWnd::s_nDeleted);

    // Created through an object: the framework subclasses the window, so the class procedure
    // becomes the window's own procedure and gets the framework's default handling back.
    CForwardedWnd created;
    ASSERT_TRUE(
        created.CreateEx(0, lpszClass, "created", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(&created, CWnd::FromHandlePermanent(created.m_hWnd));
    EXPECT_EQ(1, created.SendMessage(WM_APP));
    created.SetWindowText("renamed");
    created.GetWindowText(text);
    EXPECT_STREQ("renamed", (LPCSTR)text);
    created.DestroyWindow();
    EXPECT_EQ(nDeletedBefore + 1, CForwardedWnd::s_nDeleted);
}
