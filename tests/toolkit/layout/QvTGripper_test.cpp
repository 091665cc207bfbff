// The size grip and the glue dialog on real windows. Grip details run on a hidden panel; the
// dialog cases share one shown dialog, because every top-level window that is shown and
// hidden again costs seconds under Xvfb.
#include "GlueTestDialog.h"
#include "LayoutTestIds.h"
#include "MessageLog.h"

#include "toolkit/layout/QvLayout.h"
#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <thread>

std::ostream& operator<<(std::ostream& os, const RECT& rc);

namespace
{
const char kGripProperty[] = "QvTGripper";

// The grip among the children of hWndParent: the one child carrying the grip's property.
HWND FindGrip(HWND hWndParent, int* pnGrips = nullptr)
{
    HWND hGrip = nullptr;
    int nGrips = 0;
    for (HWND h = ::GetWindow(hWndParent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (::GetPropA(h, kGripProperty))
        {
            hGrip = h;
            ++nGrips;
        }
    }
    if (pnGrips)
        *pnGrips = nGrips;
    return hGrip;
}

CRect ClientCorner(HWND hWnd, int cx, int cy)
{
    CRect client;
    ::GetClientRect(hWnd, &client);
    return CRect(client.right - cx, client.bottom - cy, client.right, client.bottom);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

class GripOnPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Grip owner", WS_POPUP, 0, 0, 400,
                                     300, nullptr, nullptr));
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    void MakePanel(CWnd& panel, DWORD dwExStyle = 0)
    {
        ASSERT_TRUE(panel.CreateEx(dwExStyle, nullptr, "", WS_CHILD | WS_VISIBLE,
                                   CRect(10, 10, 210, 160), &m_owner, 1));
    }

    // A panel with a grip made by gripper: the grip's window, null when it was not made.
    HWND MakeGrip(CWnd& panel, QvTGripper& gripper, DWORD dwExStyle = 0)
    {
        MakePanel(panel, dwExStyle);
        return gripper.Create(&panel) == 0 ? FindGrip(panel) : nullptr;
    }

    CWnd m_owner;
    const int m_cxGrip = ::GetSystemMetrics(SM_CXVSCROLL);
    const int m_cyGrip = ::GetSystemMetrics(SM_CYHSCROLL);
};

} // namespace

TEST_F(GripOnPanel, RegionKeepsTheIRightMostPixelsOfRowI)
{
    CWnd panel;
    QvTGripper gripper;
    HWND hGrip = MakeGrip(panel, gripper);
    ASSERT_NE(nullptr, hGrip);
    CRect window;
    ::GetWindowRect(hGrip, &window);
    ASSERT_EQ(CSize(m_cxGrip, m_cyGrip), window.Size()) << "scroll bar metrics";

    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, ::GetWindowRgn(hGrip, region));
    for (int row = 0; row < m_cyGrip; ++row)
    {
        int nInRow = 0;
        int nFirst = -1;
        for (int x = 0; x < m_cxGrip; ++x)
        {
            if (region.PtInRegion(x, row))
            {
                ++nInRow;
                if (nFirst < 0)
                    nFirst = x;
            }
        }
        EXPECT_EQ(row, nInRow) << "row " << row;
        if (row > 0)
        {
            EXPECT_EQ(m_cxGrip - row, nFirst) << "row " << row << " is one run to the right edge";
        }
    }
    CRect box;
    region.GetRgnBox(&box);
    EXPECT_EQ(CRect(m_cxGrip - (m_cyGrip - 1), 1, m_cxGrip, m_cyGrip), box);
}

TEST_F(GripOnPanel, SitsInTheCornerAboveItsSiblingsAndFollowsIt)
{
    CWnd panel;
    MakePanel(panel);
    CButton cover;
    ASSERT_TRUE(cover.Create("Cover", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), &panel, 7));
    QvTGripper gripper;
    ASSERT_EQ(0, gripper.Create(&panel));
    EXPECT_EQ(&panel, gripper.GetResizableWnd());
    HWND hGrip = FindGrip(panel);
    EXPECT_EQ(ClientCorner(panel, m_cxGrip, m_cyGrip), FQvTWndGetChildRect(hGrip));
    EXPECT_TRUE(::GetWindowLongPtrA(hGrip, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(hGrip, ::GetWindow(panel, GW_CHILD)) << "the grip heads the z-order";

    panel.SetWindowPos(nullptr, 0, 0, 260, 190, SWP_NOMOVE | SWP_NOZORDER);
    cover.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    gripper.UpdateGripPos();
    EXPECT_EQ(CRect(260 - m_cxGrip, 190 - m_cyGrip, 260, 190), FQvTWndGetChildRect(hGrip));
    EXPECT_EQ(hGrip, ::GetWindow(panel, GW_CHILD)) << "back on top of a control raised over it";

    gripper.ShowSizeGrip(0);
    EXPECT_FALSE(::GetWindowLongPtrA(hGrip, GWL_STYLE) & WS_VISIBLE);
    gripper.ShowSizeGrip(1);
    EXPECT_TRUE(::GetWindowLongPtrA(hGrip, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(GripOnPanel, APressOnTheGripSizesTheParentFromItsSizingCorner)
{
    struct Case
    {
        const char* name;
        DWORD dwExStyle;
        int nRTL;
        LRESULT hit;
        WPARAM command;
    } cases[] = {
        {"left to right", 0, 0, HTBOTTOMRIGHT, SC_SIZE | WMSZ_BOTTOMRIGHT},
        {"right to left", WS_EX_LAYOUTRTL, 1, HTBOTTOMLEFT, SC_SIZE | WMSZ_BOTTOMLEFT},
    };
    for (const Case& c : cases)
    {
        CWnd panel;
        QvTGripper gripper;
        HWND hGrip = MakeGrip(panel, gripper, c.dwExStyle);
        ASSERT_NE(nullptr, hGrip) << c.name;
        EXPECT_EQ(c.nRTL, QvTGripper::IsRTL(hGrip))
            << c.name << ": the grip takes its parent's layout";
        CRect grip;
        ::GetWindowRect(hGrip, &grip);
        const LPARAM corner = MAKELPARAM(grip.right - 2, grip.bottom - 2);
        EXPECT_EQ(c.hit, ::SendMessageA(hGrip, WM_NCHITTEST, 0, corner)) << c.name;

        // The parent is hidden, so its sizing loop would end at once; the log takes the command.
        CMessageLog log(panel, {WM_SYSCOMMAND}, {WM_SYSCOMMAND});
        ::SendMessageA(hGrip, WM_NCLBUTTONDOWN, static_cast<WPARAM>(c.hit), corner);
        ASSERT_EQ(1u, log.Entries().size()) << c.name;
        EXPECT_EQ(c.command, log.Entries()[0].wParam) << c.name;
        panel.DestroyWindow();
    }
}

TEST_F(GripOnPanel, OtherMessagesReachTheGripsOwnProcedure)
{
    CWnd panel;
    QvTGripper gripper;
    HWND hGrip = MakeGrip(panel, gripper);
    ASSERT_NE(nullptr, hGrip);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&QvTGripper::GripWindowProc),
              ::GetWindowLongPtrA(hGrip, GWLP_WNDPROC));
    EXPECT_NE(nullptr, ::GetPropA(hGrip, kGripProperty)) << "the procedure it stands in front of";
    char className[32] = "";
    ::GetClassNameA(hGrip, className, sizeof(className));
    EXPECT_STRCASEEQ("ScrollBar", className);
    EXPECT_TRUE(::GetWindowLongPtrA(hGrip, GWL_STYLE) & SBS_SIZEGRIP);
    EXPECT_EQ(0, ::GetDlgCtrlID(hGrip));
    EXPECT_EQ(CWnd::FromHandlePermanent(hGrip), CWnd::FromHandle(hGrip))
        << "the framework still knows its object";
    ::SetWindowTextA(hGrip, "grip");
    EXPECT_EQ(4, ::GetWindowTextLengthA(hGrip)) << "texts go through to the scroll bar";
}

TEST_F(GripOnPanel, CreateFailsWithoutAWindowAndAGripperMakesOneGrip)
{
    QvTGripper noParent;
    EXPECT_NE(0, noParent.Create(nullptr));
    noParent.UpdateGripPos(); // nothing to move
    noParent.ShowSizeGrip(1);
    CWnd windowless;
    QvTGripper noWindow;
    EXPECT_NE(0, noWindow.Create(&windowless));

    CWnd panel;
    MakePanel(panel);
    CWnd other;
    MakePanel(other);
    QvTGripper gripper;
    ASSERT_EQ(0, gripper.Create(&panel));
    HWND hGrip = FindGrip(panel);
    EXPECT_NE(0, gripper.Create(&other)) << "a second grip is refused";
    int nGrips = 0;
    EXPECT_EQ(hGrip, FindGrip(panel, &nGrips));
    EXPECT_EQ(1, nGrips);
    EXPECT_EQ(nullptr, FindGrip(other));
    EXPECT_EQ(&panel, gripper.GetResizableWnd()) << "still the first window's";
}

TEST_F(GripOnPanel, TheGripGoesWithItsGripperOrWithItsParent)
{
    CWnd panel;
    MakePanel(panel);
    HWND hGrip = nullptr;
    {
        QvTGripper gripper;
        ASSERT_EQ(0, gripper.Create(&panel));
        hGrip = FindGrip(panel);
    }
    EXPECT_FALSE(::IsWindow(hGrip)) << "destroyed with the gripper";

    QvTGripper outlived;
    ASSERT_EQ(0, outlived.Create(&panel));
    hGrip = FindGrip(panel);
    panel.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hGrip)) << "destroyed with the parent";
    outlived.UpdateGripPos(); // the gripper outlives both: nothing left to touch
}

TEST_F(GripOnPanel, ASecondInitGripReplacesTheFirstGrip)
{
    CWnd panel;
    MakePanel(panel);
    QvoCtrlGlue glue(&panel);
    glue.InitGrip();
    HWND hFirst = FindGrip(panel);
    ASSERT_NE(nullptr, hFirst);
    glue.InitGrip();
    int nGrips = 0;
    HWND hSecond = FindGrip(panel, &nGrips);
    EXPECT_EQ(1, nGrips) << "one grip, not two";
    EXPECT_FALSE(::IsWindow(hFirst)) << "the first is gone";
    EXPECT_NE(nullptr, hSecond);
}

TEST_F(GripOnPanel, AGlueMovesItsGripBeforeItsControls)
{
    CWnd panel;
    MakePanel(panel);
    QvoCtrlGlue glue(&panel);
    glue.InitGrip();
    HWND hGrip = FindGrip(panel);
    panel.SetWindowPos(nullptr, 0, 0, 300, 220, SWP_NOMOVE | SWP_NOZORDER);
    glue.WndResized();
    EXPECT_EQ(CRect(300 - m_cxGrip, 220 - m_cyGrip, 300, 220), FQvTWndGetChildRect(hGrip));
}

// The shown dialog of the cases below, made once.
class GlueDialog : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_pDialog = new CGlueTestDialog;
        if (s_pDialog->Create(IDD_GLUE_TEST, nullptr))
        {
            s_pDialog->SetWindowPos(nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            s_pDialog->ShowWindow(SW_SHOWNORMAL);
            s_pDialog->UpdateWindow();
            Pump();
        }
    }
    static void TearDownTestSuite()
    {
        delete s_pDialog;
        s_pDialog = nullptr;
    }
    void SetUp() override { ASSERT_NE(nullptr, s_pDialog->GetSafeHwnd()); }

    static CGlueTestDialog& Dialog() { return *s_pDialog; }
    static CRect Child(int nID) { return FQvTWndGetChildRect(::GetDlgItem(*s_pDialog, nID)); }
    static CRect Client()
    {
        CRect client;
        s_pDialog->GetClientRect(&client);
        return client;
    }
    // Grows or shrinks the dialog's window by dx, dy.
    static void Resize(int dx, int dy)
    {
        CRect window;
        s_pDialog->GetWindowRect(&window);
        s_pDialog->SetWindowPos(nullptr, 0, 0, window.Width() + dx, window.Height() + dy,
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
    }

    // Pixels on the screen within rect (client coordinates) that differ from the dialog's
    // background: the grip's glyph.
    static int CountGlyphPixels(const CRect& rect)
    {
        HDC hdc = ::GetDC(Dialog());
        const COLORREF background = ::GetPixel(hdc, rect.left, rect.top);
        int nPixels = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
        {
            for (int x = rect.left; x < rect.right; ++x)
                nPixels += ::GetPixel(hdc, x, y) != background;
        }
        ::ReleaseDC(Dialog(), hdc);
        return nPixels;
    }

    const int m_cxGrip = ::GetSystemMetrics(SM_CXVSCROLL);
    const int m_cyGrip = ::GetSystemMetrics(SM_CYHSCROLL);

private:
    static inline CGlueTestDialog* s_pDialog = nullptr;
};

TEST_F(GlueDialog, SizeMessagesDuringCreationMeetAnEmptyGlue)
{
    EXPECT_GE(Dialog().m_nSizesBeforeInit, 1) << "the dialog was sized before its controls glued";
}

TEST_F(GlueDialog, ResizingReappliesTheGlueThroughTheDerivedMessageMap)
{
    const CRect list = Child(IDC_GLUE_LIST);
    const CRect button = Child(IDC_GLUE_BUTTON);
    Resize(60, 40);
    EXPECT_EQ(CRect(list.left, list.top, list.right + 60, list.bottom + 40), Child(IDC_GLUE_LIST));
    EXPECT_EQ(CRect(button.left + 60, button.top, button.right + 60, button.bottom),
              Child(IDC_GLUE_BUTTON));
    Resize(-60, -40);
    EXPECT_EQ(list, Child(IDC_GLUE_LIST));
    EXPECT_EQ(button, Child(IDC_GLUE_BUTTON));

    const int nClicks = Dialog().m_nOtherClicks;
    ::SendMessageA(::GetDlgItem(Dialog(), IDC_GLUE_OTHER), BM_CLICK, 0, 0);
    EXPECT_EQ(nClicks + 1, Dialog().m_nOtherClicks) << "the derived map's own entries still work";
}

TEST_F(GlueDialog, TheGripIsTheControlUnderTheMouseInTheCorner)
{
    HWND hGrip = FindGrip(Dialog());
    ASSERT_NE(nullptr, hGrip);
    EXPECT_EQ(ClientCorner(Dialog(), m_cxGrip, m_cyGrip), FQvTWndGetChildRect(hGrip));

    // A control over the whole corner: the grip stays above it, but only its triangle does.
    HWND hOther = ::GetDlgItem(Dialog(), IDC_GLUE_OTHER);
    const CRect otherHome = Child(IDC_GLUE_OTHER);
    const CRect client = Client();
    ::SetWindowPos(hOther, HWND_TOP, client.right - 60, client.bottom - 60, 60, 60, 0);
    Dialog().m_glue.WndResized();
    Pump();
    CPoint corner(client.right - 1, client.bottom - 1);
    CPoint cutOff(client.right - m_cxGrip + 1, client.bottom - m_cyGrip + 1);
    Dialog().ClientToScreen(&corner);
    Dialog().ClientToScreen(&cutOff);
    EXPECT_EQ(hGrip, ::WindowFromPoint(corner)) << "the corner pixel";
    EXPECT_EQ(hOther, ::WindowFromPoint(cutOff)) << "outside the triangle the control shows";
    ::SetWindowPos(hOther, nullptr, otherHome.left, otherHome.top, otherHome.Width(),
                   otherHome.Height(), SWP_NOZORDER);
}

TEST_F(GlueDialog, MaximisingHidesTheGripAndRestoringShowsItInTheNewCorner)
{
    HWND hGrip = FindGrip(Dialog());
    ASSERT_NE(nullptr, hGrip);
    Dialog().ShowWindow(SW_MAXIMIZE);
    Pump();
    ASSERT_TRUE(Dialog().IsZoomed());
    EXPECT_FALSE(::IsWindowVisible(hGrip)) << "nothing to size while maximised";
    EXPECT_EQ(ClientCorner(Dialog(), m_cxGrip, m_cyGrip), FQvTWndGetChildRect(hGrip))
        << "kept in the corner all the same";

    Dialog().ShowWindow(SW_RESTORE);
    Pump();
    EXPECT_FALSE(Dialog().IsZoomed());
    EXPECT_TRUE(::IsWindowVisible(hGrip));
    EXPECT_EQ(ClientCorner(Dialog(), m_cxGrip, m_cyGrip), FQvTWndGetChildRect(hGrip));
}

TEST_F(GlueDialog, DraggingTheGripSizesTheDialog)
{
    HWND hGrip = FindGrip(Dialog());
    ASSERT_NE(nullptr, hGrip);
    ::SetForegroundWindow(Dialog());
    Pump();
    CRect before;
    Dialog().GetWindowRect(&before);
    CRect grip;
    ::GetWindowRect(hGrip, &grip);
    const CPoint start(grip.right - 3, grip.bottom - 3);
    const CSize drag(50, 30);

    // The sizing loop runs inside this thread's dispatch; the mouse is worked from another.
    std::atomic<bool> bDone{false};
    std::thread mouse([&] {
        const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
        const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
        auto send = [&](CPoint pt, DWORD dwFlags) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dx = MulDiv(pt.x, 65535, cxScreen - 1);
            input.mi.dy = MulDiv(pt.y, 65535, cyScreen - 1);
            input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
            ::SendInput(1, &input, sizeof(input));
            ::Sleep(50);
        };
        send(start, 0);
        send(start, MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 5; ++step)
            send(start + CSize(drag.cx * step / 5, drag.cy * step / 5), 0);
        send(start + drag, MOUSEEVENTF_LEFTUP);
        bDone = true;
    });
    const DWORD dwStart = ::GetTickCount();
    while (!bDone && ::GetTickCount() - dwStart < 10000)
    {
        Pump();
        ::Sleep(10);
    }
    mouse.join();
    Pump();

    CRect after;
    Dialog().GetWindowRect(&after);
    EXPECT_EQ(before.TopLeft(), after.TopLeft());
    EXPECT_EQ(before.Size() + drag, after.Size()) << "sized from the lower right corner";
    EXPECT_TRUE(::IsWindowVisible(hGrip));
    const CRect corner = ClientCorner(Dialog(), m_cxGrip, m_cyGrip);
    EXPECT_EQ(corner, FQvTWndGetChildRect(hGrip));
    EXPECT_GT(CountGlyphPixels(corner), 0)
        << "the grip is drawn in its new place, not painted over";
    Resize(-drag.cx, -drag.cy);
}

TEST(QvTDlgGlue, ADialogObjectMadeAgainGetsOneNewGrip)
{
    CGlueTestDialog dialog; // never shown
    ASSERT_TRUE(dialog.Create(IDD_GLUE_TEST, nullptr));
    HWND hFirstGrip = FindGrip(dialog);
    ASSERT_NE(nullptr, hFirstGrip);
    dialog.DestroyWindow();
    ASSERT_TRUE(dialog.Create(IDD_GLUE_TEST, nullptr));
    int nGrips = 0;
    HWND hGrip = FindGrip(dialog, &nGrips);
    EXPECT_EQ(1, nGrips);
    EXPECT_NE(nullptr, hGrip);
    const CRect list = FQvTWndGetChildRect(::GetDlgItem(dialog, IDC_GLUE_LIST));
    CRect window;
    dialog.GetWindowRect(&window);
    dialog.SetWindowPos(nullptr, 0, 0, window.Width() + 30, window.Height() + 20,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(list.Size() + CSize(30, 20),
              FQvTWndGetChildRect(::GetDlgItem(dialog, IDC_GLUE_LIST)).Size())
        << "the new window's controls follow";
    EXPECT_EQ(
        ClientCorner(dialog, ::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)),
        FQvTWndGetChildRect(hGrip));
}
