// The film-strip window in a real parent: frames counted by what each timer tick shows.
#include "DrawTestIds.h"
#include "tests/common/VisibleHostWindow.h"
#include "tests/framework/WindowTestSupport.h"
#include "toolkit/draw/QvDraw.h"

#include <gtest/gtest.h>

namespace
{
// The frames of the test strips (tools/make_toolkit_test_images.py).
const COLORREF kFrames[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 200, 0),
                            RGB(0, 200, 200)};
const COLORREF kRest = RGB(128, 0, 128); // the 10-pixel rest of the 170-pixel strip
const UINT kLongInterval = 100000;       // no real tick comes during a test

class AnimateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Animate", WS_CHILD | WS_VISIBLE,
                                      CRect(0, 0, 120, 60), &VisibleHostWindow(), 1));
    }

    static COLORREF Shown(QvoAnimateWnd& ani)
    {
        CClientDC dc(&ani);
        return dc.GetPixel(16, 4);
    }

    CWnd m_parent;
};
} // namespace

// 160 / 32 and 170 / 32 both make five frames: the rest narrower than a frame is never shown.
TEST_F(AnimateTest, PlaysEveryWholeFrameAndWrapsToTheFirst)
{
    for (UINT nStrip : {IDB_TEST_STRIP160, IDB_TEST_STRIP170})
    {
        SCOPED_TRACE(nStrip == IDB_TEST_STRIP160 ? "160-pixel strip" : "170-pixel strip");
        QvoAnimateWnd ani;
        ASSERT_TRUE(ani.Init(&m_parent, 10, 5, nStrip, 32, kLongInterval));
        EXPECT_TRUE(ani.IsWindowVisible());
        EXPECT_EQ(-1, ani.GetDlgCtrlID());
        CRect rect;
        ani.GetWindowRect(&rect);
        m_parent.ScreenToClient(&rect);
        EXPECT_EQ(CRect(10, 5, 42, 13), rect) << "one frame wide, the strip's height";

        ani.UpdateWindow();
        EXPECT_EQ(kFrames[0], Shown(ani)) << "the first frame is painted";
        for (int nTick = 1; nTick <= 11; ++nTick)
        {
            ani.SendMessage(WM_TIMER, 0);
            const COLORREF shown = Shown(ani);
            EXPECT_EQ(kFrames[nTick % 5], shown) << "after tick " << nTick;
            EXPECT_NE(kRest, shown);
        }
        ani.Invalidate(FALSE);
        ani.UpdateWindow();
        EXPECT_EQ(kFrames[1], Shown(ani)) << "a repaint shows the current frame";
    }
}

TEST_F(AnimateTest, TheTimerRunsOnlyWhileTheWindowIsShown)
{
    QvoAnimateWnd ani;
    ASSERT_TRUE(ani.Init(&m_parent, 0, 0, IDB_TEST_STRIP160, 32, 20));
    ani.UpdateWindow();
    // A real tick moves the picture on.
    const DWORD dwStart = ::GetTickCount();
    while (Shown(ani) == kFrames[0] && ::GetTickCount() - dwStart < 5000)
    {
        PumpPendingMessages();
        ::Sleep(5);
    }
    EXPECT_NE(kFrames[0], Shown(ani)) << "the timer plays the strip";

    ani.AniShowWindow(false);
    EXPECT_FALSE(ani.IsWindowVisible());
    EXPECT_FALSE(ani.KillTimer(0)) << "hiding stopped the timer";
    ani.AniShowWindow(true);
    EXPECT_TRUE(ani.IsWindowVisible());
    EXPECT_TRUE(ani.KillTimer(0)) << "showing started it again";

    ani.ShowWindow(SW_HIDE);
    EXPECT_FALSE(ani.KillTimer(0)) << "a hide by anyone stops it";
    ani.ShowWindow(SW_SHOW);
    EXPECT_TRUE(ani.KillTimer(0)) << "and a show starts it";
}

TEST_F(AnimateTest, InitRefusesWhatCannotPlay)
{
    struct Case
    {
        const char* name;
        bool bParent;
        UINT nID;
        int frameWidth;
        int interval;
    };
    const Case cases[] = {
        {"no parent", false, IDB_TEST_STRIP160, 32, 100},
        {"missing bitmap", true, IDB_TEST_MISSING, 32, 100},
        {"frame width 0", true, IDB_TEST_STRIP160, 0, 100},
        {"negative frame width", true, IDB_TEST_STRIP160, -32, 100},
        {"a frame wider than the strip", true, IDB_TEST_STRIP170, 171, 100},
        {"interval 0", true, IDB_TEST_STRIP160, 32, 0},
    };
    for (const Case& c : cases)
    {
        QvoAnimateWnd ani;
        EXPECT_FALSE(
            ani.Init(c.bParent ? &m_parent : nullptr, 0, 0, c.nID, c.frameWidth, c.interval))
            << c.name;
        EXPECT_EQ(nullptr, ani.GetSafeHwnd()) << c.name;
        ani.Draw(); // nothing to draw on, and no harm
        ani.AniShowWindow(true);
    }

    QvoAnimateWnd ani;
    ASSERT_TRUE(ani.Init(&m_parent, 0, 0, IDB_TEST_STRIP160, 32, kLongInterval));
    const HWND hWnd = ani.GetSafeHwnd();
    EXPECT_FALSE(ani.Init(&m_parent, 0, 0, IDB_TEST_STRIP170, 32, kLongInterval))
        << "one window per object";
    EXPECT_EQ(hWnd, ani.GetSafeHwnd());
}
