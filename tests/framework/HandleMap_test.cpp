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
