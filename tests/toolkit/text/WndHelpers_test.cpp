// Window texts, rectangles and sizes, and the status message, on real windows.
#include "toolkit/text/QvText.h"
#include "toolkit/res/resource.h"

#include <afxpriv.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

std::ostream& operator<<(std::ostream& os, const RECT& rc);

namespace
{
// A hidden pop-up with a caption and a border at (100, 100), and a child in its client area.
class WindowHelpers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), "Frame",
                                     WS_POPUP | WS_CAPTION | WS_THICKFRAME, 100, 100, 400, 300,
                                     nullptr, nullptr));
        ASSERT_TRUE(m_child.Create(nullptr, "Child", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                   CRect(10, 20, 110, 70), &m_frame, 1));
        ASSERT_TRUE(m_sibling.Create(nullptr, "Sibling", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5),
                                     &m_frame, 2));
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    CWnd m_frame;
    CWnd m_child;
    CWnd m_sibling;
};

// A main window that keeps the status messages sent to it.
class CStatusFrame : public CWnd
{
public:
    std::string m_strLast = "(none)";
    int m_nMessages = 0;

protected:
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam)
    {
        ++m_nMessages;
        m_strLast = wParam == 0 && lParam ? reinterpret_cast<LPCSTR>(lParam) : "(id)";
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStatusFrame, CWnd)
ON_MESSAGE(WM_SETMESSAGESTRING, &CStatusFrame::OnSetMessageString)
END_MESSAGE_MAP()
} // namespace

TEST_F(WindowHelpers, TextsComeAndGoThroughTheWindow)
{
    m_child.SetWindowText("Caf\xc3\xa9 \xe6\x9c\xac");
    EXPECT_STREQ("Caf\xc3\xa9 \xe6\x9c\xac", FQvTWndGetText(m_child));
    EXPECT_STREQ("Caf\xc3\xa9 \xe6\x9c\xac", FQvTWndGetText(m_child.GetSafeHwnd()));
    m_child.SetWindowText("");
    EXPECT_STREQ("", FQvTWndGetText(m_child));
    EXPECT_STREQ("", FQvTWndGetText(static_cast<HWND>(nullptr)));

    FQvTWndSetText(m_child, IDS_QVT_INVALID_FIELD);
    EXPECT_STREQ("Invalid field.", FQvTWndGetText(m_child)) << "from the library's strings";
    FQvTWndSetText(m_child, 54321);
    EXPECT_STREQ("", FQvTWndGetText(m_child)) << "a missing string empties the text";
}

TEST_F(WindowHelpers, RectanglesOnTheScreenInTheParentsWindowAndInItsClientArea)
{
    CRect frame;
    m_frame.GetWindowRect(&frame);
    CPoint clientOrigin(0, 0);
    m_frame.ClientToScreen(&clientOrigin);
    ASSERT_NE(frame.TopLeft(), clientOrigin) << "the frame has a caption and borders";

    const CRect onScreen(clientOrigin + CSize(10, 20), CSize(100, 50));
    EXPECT_EQ(onScreen, FQvTWndGetRect(m_child));
    EXPECT_EQ(CRect(CPoint(onScreen.TopLeft() - frame.TopLeft()), CSize(100, 50)),
              FQvTWndGetChildRect(m_child))
        << "from the top left corner of the parent's window, not its client area";
    EXPECT_EQ(CRect(10, 20, 110, 70), FQvTWndGetChildRect(m_child.GetSafeHwnd()))
        << "the placement: the parent's client coordinates";
    EXPECT_EQ(CRect(), FQvTWndGetChildRect(static_cast<HWND>(nullptr)));
}

TEST_F(WindowHelpers, SetSizeKeepsThePlaceAndTheZOrder)
{
    HWND hFirst = ::GetWindow(m_frame, GW_CHILD);
    FQvTWndSetSize(m_sibling, CSize(60, 30));
    EXPECT_EQ(CRect(0, 0, 60, 30), FQvTWndGetChildRect(m_sibling.GetSafeHwnd()));
    FQvTWndSetSize(m_child, CSize(7, 9));
    EXPECT_EQ(CRect(10, 20, 17, 29), FQvTWndGetChildRect(m_child.GetSafeHwnd()));
    EXPECT_EQ(hFirst, ::GetWindow(m_frame, GW_CHILD));
}

TEST(QvfSetStatusText, GoesToTheMainWindowAsItsMessageString)
{
    CWinApp app("Status Test");
    CStatusFrame frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Main", WS_POPUP, 0, 0, 100, 100, nullptr,
                               nullptr));
    // The framework has no view class yet; the function never touches the view it is given.
    CView& view = reinterpret_cast<CView&>(frame);
    QvfSetStatusText(view, "No main window yet");
    EXPECT_EQ(0, frame.m_nMessages);

    app.m_pMainWnd = &frame;
    QvfSetStatusText(view, "Loaded 12 books");
    EXPECT_EQ(1, frame.m_nMessages);
    EXPECT_EQ("Loaded 12 books", frame.m_strLast);
    app.m_pMainWnd = nullptr;
    frame.DestroyWindow();
}
