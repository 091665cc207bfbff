// The glue on a real resizable dialog, resized through the platform.
#include "GlueTestDialog.h"
#include "LayoutTestIds.h"
#include "MessageLog.h"

#include "toolkit/layout/QvLayout.h"
#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

std::ostream& operator<<(std::ostream& os, const RECT& rc)
{
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace
{
// The glue of the test on a resizable dialog from the test's template, never shown, whose own
// glue stays empty. Its controls are placed to the pixel.
class GlueOnDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_GLUE_TEST, nullptr));
        ASSERT_TRUE(m_button.SubclassDlgItem(IDC_GLUE_BUTTON, &m_dialog));
        ASSERT_TRUE(m_list.SubclassDlgItem(IDC_GLUE_LIST, &m_dialog));
    }

    void SizeClient(int cx, int cy)
    {
        m_dialog.SetClientSize(cx, cy);
        CRect client;
        m_dialog.GetClientRect(&client);
        ASSERT_EQ(CSize(cx, cy), client.Size());
    }
    static CRect Place(const CWnd& control) { return FQvTWndGetChildRect(control.GetSafeHwnd()); }

    CGlueTestDialog m_dialog{false};
    CButton m_button;
    CListBox m_list;
};
} // namespace

TEST_F(GlueOnDialog, EachKindKeepsItsDistancesAfterAResize)
{
    using Attach = std::function<void(QvoCtrlGlue&, CWnd&)>;
    struct Case
    {
        const char* name;
        Attach attach;
        CSize design;
        CRect placed;
        CSize resized;
        CRect expected;
    } cases[] = {
        {"right, moving",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachRight(c, 0); },
         {300, 200},
         {200, 10, 280, 30},
         {400, 200},
         {300, 10, 380, 30}},
        {"right, stretching",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachRight(c, 1); },
         {300, 200},
         {200, 10, 280, 30},
         {400, 200},
         {200, 10, 380, 30}},
        {"right, moving left",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachRight(c, 0); },
         {300, 200},
         {200, 10, 280, 30},
         {250, 150},
         {150, 10, 230, 30}},
        {"bottom, moving",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachBottom(c, false); },
         {300, 200},
         {10, 150, 90, 170},
         {300, 260},
         {10, 210, 90, 230}},
        {"bottom, stretching",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachBottom(c, true); },
         {300, 200},
         {10, 150, 90, 170},
         {300, 260},
         {10, 150, 90, 230}},
        {"grow",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachGrow(c); },
         {300, 200},
         {10, 10, 290, 190},
         {500, 400},
         {10, 10, 490, 390}},
        {"centre across, 81 wide in 200",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachCenter(c, true, false); },
         {200, 100},
         {3, 5, 84, 25},
         {200, 100},
         {59, 5, 140, 25}},
        {"centre down",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachCenter(c, false, true); },
         {200, 100},
         {3, 5, 84, 25},
         {200, 101},
         {3, 40, 84, 60}},
        {"centre both",
         [](QvoCtrlGlue& g, CWnd& c) { g.AttachCenter(c, true, true); },
         {200, 100},
         {3, 5, 84, 25},
         {300, 200},
         {109, 90, 190, 110}},
        {"right and bottom: the lower right corner",
         [](QvoCtrlGlue& g, CWnd& c) {
             g.AttachRight(c, 0);
             g.AttachBottom(c, false);
         },
         {300, 200},
         {200, 150, 280, 170},
         {400, 300},
         {300, 250, 380, 270}},
        {"stretch right, move down",
         [](QvoCtrlGlue& g, CWnd& c) {
             g.AttachBottom(c, false);
             g.AttachRight(c, 1);
         },
         {300, 200},
         {200, 150, 280, 170},
         {400, 300},
         {200, 250, 380, 270}},
    };
    for (const Case& c : cases)
    {
        SizeClient(c.design.cx, c.design.cy);
        m_button.MoveWindow(c.placed);
        QvoCtrlGlue glue(&m_dialog);
        c.attach(glue, m_button);
        SizeClient(c.resized.cx, c.resized.cy);
        glue.WndResized();
        EXPECT_EQ(c.expected, Place(m_button)) << c.name;
    }
}

TEST_F(GlueOnDialog, SizesBelowTheGapsComeOutEmptyAndGrowBackLater)
{
    SizeClient(300, 200);
    m_list.MoveWindow(10, 10, 280, 180);
    QvoCtrlGlue glue(&m_dialog);
    glue.AttachGrow(m_list);
    SizeClient(15, 15);
    glue.WndResized();
    // 15 - (10 + 10) = -5 goes to the platform, which makes nothing smaller than empty.
    EXPECT_EQ(CRect(10, 10, 10, 10), Place(m_list));
    SizeClient(500, 400);
    glue.WndResized();
    EXPECT_EQ(CRect(10, 10, 490, 390), Place(m_list)) << "the gaps were kept";
}

TEST_F(GlueOnDialog, MovesKeepTheZOrderAndTouchNothingElse)
{
    SizeClient(300, 200);
    auto order = [this] {
        std::vector<HWND> children;
        for (HWND h = ::GetWindow(m_dialog, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            children.push_back(h);
        return children;
    };
    const std::vector<HWND> before = order();
    QvoCtrlGlue glue(&m_dialog);
    glue.AttachRight(m_button, 0);
    glue.AttachGrow(m_list);
    CMessageLog buttonLog(m_button, {WM_WINDOWPOSCHANGING});
    SizeClient(360, 260);
    glue.WndResized();
    ASSERT_EQ(1u, buttonLog.Entries().size());
    const UINT flags = buttonLog.Entries()[0].pos.flags;
    EXPECT_TRUE(flags & SWP_NOZORDER) << "flags " << flags;
    EXPECT_FALSE(flags & (SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW | SWP_SHOWWINDOW))
        << "flags " << flags;
    EXPECT_EQ(before, order()) << "the siblings keep their order";
}

TEST_F(GlueOnDialog, DetachRemovesEveryAttachmentOfTheControlOnly)
{
    SizeClient(300, 200);
    m_button.MoveWindow(200, 150, 80, 20);
    m_list.MoveWindow(10, 10, 150, 100);
    QvoCtrlGlue glue(&m_dialog);
    glue.AttachRight(m_button, 0);
    glue.AttachBottom(m_button, false);
    glue.AttachGrow(m_list);

    glue.Detach(m_button);
    SizeClient(400, 300);
    glue.WndResized();
    EXPECT_EQ(CRect(200, 150, 280, 170), Place(m_button)) << "both attachments are gone";
    EXPECT_EQ(CRect(10, 10, 260, 210), Place(m_list)) << "the list's stays";

    CButton never;
    ASSERT_TRUE(never.Create("Never", WS_CHILD, CRect(0, 0, 10, 10), &m_dialog, 4));
    glue.Detach(never);
    glue.Detach(m_button); // a second time: nothing left to remove
    SizeClient(300, 200);
    glue.WndResized();
    EXPECT_EQ(CRect(10, 10, 160, 110), Place(m_list)) << "unrelated detaches change nothing";
}

TEST_F(GlueOnDialog, AnEmptyGlueMovesNothing)
{
    SizeClient(300, 200);
    m_button.MoveWindow(200, 10, 80, 20);
    QvoCtrlGlue glue(&m_dialog);
    CMessageLog log(m_button, {WM_WINDOWPOSCHANGING});
    SizeClient(400, 300);
    glue.WndResized();
    EXPECT_TRUE(log.Entries().empty());
    for (HWND h = ::GetWindow(m_dialog, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        EXPECT_EQ(nullptr, ::GetPropA(h, "QvTGripper")) << "no grip among the children";
}

TEST_F(GlueOnDialog, AControlMovedByTheProgramIsPulledBackOnTheGluedAxisOnly)
{
    SizeClient(300, 200);
    m_button.MoveWindow(200, 10, 80, 20);
    QvoCtrlGlue glue(&m_dialog);
    glue.AttachRight(m_button, 0);
    SizeClient(400, 200);
    glue.WndResized();
    m_button.MoveWindow(0, 50, 80, 20);
    glue.WndResized();
    EXPECT_EQ(CRect(300, 50, 380, 70), Place(m_button));
}

TEST_F(GlueOnDialog, TheGlueNeedsNoFrameworkObjectOnceAttached)
{
    // GetDlgItem hands out temporary objects that the framework frees at idle time: the glue
    // must not need the object it was given.
    SizeClient(300, 200);
    HWND hRaw = ::CreateWindowExA(0, "BUTTON", "Raw", WS_CHILD | WS_VISIBLE, 200, 10, 80, 20,
                                  m_dialog, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hRaw);
    QvoCtrlGlue glue(&m_dialog);
    {
        CWnd standIn;
        ASSERT_TRUE(standIn.Attach(hRaw));
        glue.AttachRight(standIn, 0);
        glue.AttachBottom(standIn, false);
        standIn.Detach();
    }
    SizeClient(400, 300);
    glue.WndResized();
    EXPECT_EQ(CRect(300, 110, 380, 130), FQvTWndGetChildRect(hRaw));

    glue.Detach(*CWnd::FromHandle(hRaw)); // any object for the window will do
    SizeClient(300, 200);
    glue.WndResized();
    EXPECT_EQ(CRect(300, 110, 380, 130), FQvTWndGetChildRect(hRaw)) << "detached by its window";
}

TEST_F(GlueOnDialog, AWindowlessControlIsNotAttached)
{
    SizeClient(300, 200);
    m_button.MoveWindow(200, 10, 80, 20);
    CButton windowless;
    QvoCtrlGlue glue(&m_dialog);
    glue.AttachRight(windowless, 0);
    glue.AttachGrow(windowless);
    glue.AttachRight(m_button, 0);
    SizeClient(400, 200);
    glue.WndResized();
    EXPECT_EQ(CRect(300, 10, 380, 30), Place(m_button)) << "the real attachment still works";

    QvoCtrlGlue noWindow(nullptr);
    noWindow.AttachRight(m_button, 0);
    noWindow.InitGrip();
    noWindow.WndResized();
    EXPECT_EQ(CRect(300, 10, 380, 30), Place(m_button)) << "a glue without a window does nothing";
}
