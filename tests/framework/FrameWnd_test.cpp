#include "WindowTestSupport.h"

#include <afxext.h>

#include <gtest/gtest.h>

#include <string>

TEST(ExtractSubString, PartsOfACommandString)
{
    const struct Case
    {
        const char* full;
        int iPart;
        char chSep;
        BOOL bFound;
        const char* part;
    } cases[] = {
        {"Open a file.\nOpen a file", 0, '\n', TRUE, "Open a file."},
        {"Open a file.\nOpen a file", 1, '\n', TRUE, "Open a file"},
        {"Open a file.\nOpen a file", 2, '\n', FALSE, ""},
        {"Prompt only", 0, '\n', TRUE, "Prompt only"},
        {"Prompt only", 1, '\n', FALSE, ""},
        {"", 0, '\n', TRUE, ""},
        {"a\n\nc", 1, '\n', TRUE, ""},
        {"a\n\nc", 2, '\n', TRUE, "c"},
        {"x,y", 1, ',', TRUE, "y"},
        {"x,y", -1, ',', FALSE, ""},
        {nullptr, 0, '\n', FALSE, ""},
    };
    for (const Case& c : cases)
    {
        CString part("stale");
        EXPECT_EQ(c.bFound, AfxExtractSubString(part, c.full, c.iPart, c.chSep))
            << (c.full ? c.full : "(null)") << " part " << c.iPart;
        EXPECT_STREQ(c.part, (LPCSTR)part) << (c.full ? c.full : "(null)") << " part " << c.iPart;
    }
}

namespace
{
const UINT ID_TAKEN = 301;
const UINT ID_DECLINED = 302;
const UINT IDC_CHILD = 7;

// _EX entries decide whether they take what they are given.
class CDecidingWnd : public CWnd
{
public:
    std::vector<std::string> m_log;

protected:
    afx_msg BOOL OnCommandEx(UINT nID)
    {
        m_log.push_back("command " + std::to_string(nID));
        return nID == ID_TAKEN;
    }
    afx_msg BOOL OnNotifyEx(UINT nID, NMHDR*, LRESULT* pResult)
    {
        m_log.push_back("notify " + std::to_string(nID));
        *pResult = 5;
        return nID == IDC_CHILD;
    }
    afx_msg void OnClick(NMHDR*, LRESULT* pResult)
    {
        m_log.push_back("parent click");
        *pResult = 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDecidingWnd, CWnd)
ON_COMMAND_EX(ID_TAKEN, &CDecidingWnd::OnCommandEx)
ON_COMMAND_EX(ID_DECLINED, &CDecidingWnd::OnCommandEx)
ON_NOTIFY_EX_RANGE(NM_DBLCLK, 0, 100, &CDecidingWnd::OnNotifyEx)
ON_NOTIFY(NM_CLICK, IDC_CHILD, &CDecidingWnd::OnClick)
END_MESSAGE_MAP()

// A control that takes its own clicks while m_bTake is set.
class CSelfNotifyingWnd : public CWnd
{
public:
    bool m_bTake = false;
    std::vector<UINT> m_seen; // messages offered to it

protected:
    BOOL OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        m_seen.push_back(message);
        if (message != WM_NOTIFY || !m_bTake)
            return FALSE;
        if (reinterpret_cast<NMHDR*>(lParam)->code != static_cast<UINT>(NM_CLICK))
            return FALSE;
        *pResult = 2;
        return TRUE;
    }
};
} // namespace

TEST(CommandEx, HandlersDecideWhetherTheyTookTheCommand)
{
    CDecidingWnd wnd;
    ASSERT_TRUE(CreateTestPopup(wnd));
    EXPECT_TRUE(wnd.OnCmdMsg(ID_TAKEN, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(wnd.OnCmdMsg(ID_DECLINED, CN_COMMAND, nullptr, nullptr)) << "routed on";
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    EXPECT_TRUE(wnd.OnCmdMsg(ID_DECLINED, CN_COMMAND, nullptr, &info)) << "a handler exists";
    EXPECT_EQ(&wnd, info.pTarget);
    EXPECT_EQ((std::vector<std::string>{"command 301", "command 302"}), wnd.m_log);

    // A declined notification falls through to the default handling: the result is its own.
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &wnd, 9));
    NMHDR nmhdr = {child.m_hWnd, 9, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(0, wnd.SendMessage(WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&nmhdr)));
    wnd.DestroyWindow();
}

TEST(ChildNotify, AControlSeesItsNotificationsBeforeItsParentRoutesThem)
{
    CDecidingWnd parent;
    ASSERT_TRUE(CreateTestPopup(parent));
    CSelfNotifyingWnd child;
    ASSERT_TRUE(child.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &parent, IDC_CHILD));
    NMHDR click = {child.m_hWnd, IDC_CHILD, static_cast<UINT>(NM_CLICK)};

    EXPECT_EQ(1, parent.SendMessage(WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&click)));
    EXPECT_EQ(std::vector<std::string>{"parent click"}, parent.m_log) << "the child let it pass";

    child.m_bTake = true;
    parent.m_log.clear();
    EXPECT_EQ(2, parent.SendMessage(WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&click)));
    EXPECT_TRUE(parent.m_log.empty()) << "the child took it";

    // A control's WM_COMMAND is offered as well.
    child.m_seen.clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, BN_CLICKED),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(std::vector<UINT>{WM_COMMAND}, child.m_seen);
    parent.DestroyWindow();
}

TEST(FrameWnd, DescendantsBarsAndTheirFrame)
{
    // Frames delete themselves with their window.
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    EXPECT_EQ(DWORD(WS_EX_CLIENTEDGE), pFrame->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_STREQ("Frame", (LPCSTR)pFrame->GetTitle());
    CWnd pane;
    ASSERT_TRUE(pane.Create(nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), pFrame, 5));
    CWnd inner;
    ASSERT_TRUE(inner.Create(nullptr, "", WS_CHILD, CRect(0, 0, 5, 5), &pane, 7));
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, pane.m_hWnd,
                                      reinterpret_cast<HMENU>(9), nullptr, nullptr);
    ASSERT_NE(nullptr, hForeign);
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(&pane, WS_CHILD | CBRS_BOTTOM, AFX_IDW_STATUS_BAR));

    EXPECT_EQ(&inner, pFrame->GetDescendantWindow(7));
    EXPECT_EQ(&inner, pFrame->GetDescendantWindow(7, TRUE));
    EXPECT_EQ(nullptr, pFrame->GetDescendantWindow(9, TRUE)) << "no object of its own";
    ASSERT_NE(nullptr, pFrame->GetDescendantWindow(9));
    EXPECT_EQ(hForeign, pFrame->GetDescendantWindow(9)->m_hWnd);
    EXPECT_EQ(nullptr, pFrame->GetDescendantWindow(8));
    EXPECT_EQ(pFrame, inner.GetParentFrame());
    EXPECT_EQ(nullptr, pFrame->GetParentFrame());
    EXPECT_EQ(&bar, pFrame->GetControlBar(AFX_IDW_STATUS_BAR)) << "a bar among the descendants";
    EXPECT_EQ(&bar, pFrame->GetMessageBar());
    EXPECT_EQ(nullptr, pFrame->GetControlBar(5)) << "a window, not a bar";
    pFrame->DestroyWindow();
    EXPECT_EQ(nullptr, pane.m_hWnd);
}

namespace
{
class CCountingView : public CView
{
public:
    static inline int s_nAlive = 0;
    static inline int s_nDraws = 0;
    CCountingView() { ++s_nAlive; }
    ~CCountingView() override { --s_nAlive; }
    void OnDraw(CDC* pDC) override
    {
        if (pDC && pDC->GetSafeHdc())
            ++s_nDraws;
    }
};
} // namespace

TEST(View, PaintsThroughOnDrawAndDeletesItselfWithItsWindow)
{
    // A hidden parent: showing a top-level window costs seconds under Xvfb.
    CWnd parent;
    ASSERT_TRUE(CreateTestPopup(parent));
    CCountingView* pView = new CCountingView;
    ASSERT_TRUE(pView->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &parent,
                              AFX_IDW_PANE_FIRST));
    CCountingView::s_nDraws = 0;
    pView->SendMessage(WM_PAINT);
    EXPECT_EQ(1, CCountingView::s_nDraws) << "one paint, one OnDraw with the paint DC";
    pView->DestroyWindow();
    EXPECT_EQ(0, CCountingView::s_nAlive);
    parent.DestroyWindow();
}
