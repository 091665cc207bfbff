// The balloon window on real windows: its place and shape for anchors all over the screen, its
// header, the fades driven tick by tick with WM_TIMER, the mouse, the keyboard hook and its
// painting. Balloons are owned by a hidden pop-up; the test thread pumps no messages unless a
// case says so, so the balloons' own timers never fire behind a test's back.
#include "BalloonTestSupport.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>

#include <algorithm>

#include <string>
#include <vector>

namespace
{
const UINT kNoOptions = 0;

CRect DesktopRect()
{
    CRect rect;
    ::GetWindowRect(::GetDesktopWindow(), &rect);
    return rect;
}

CRect WindowRect(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

// The client area on the screen.
CRect ClientRectOnScreen(HWND hWnd)
{
    CRect rect;
    ::GetClientRect(hWnd, &rect);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LPARAM ClientPoint(int x, int y)
{
    return MAKELPARAM(x, y);
}

class BalloonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Balloon owner", WS_POPUP, 0, 0,
                                     100, 100, nullptr, nullptr));
        CBalloonProbe::s_nDeleted = 0;
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    // A balloon in the upper left quarter, away from the screen's edges.
    int Show(CBalloonProbe& balloon, UINT options, const CString& url = CString(),
             unsigned int timeout = 0, const CString& title = "Title")
    {
        return balloon.Create(title, "Some content of the balloon", CPoint(300, 200), options,
                              &m_owner, url, timeout, nullptr);
    }

    CWnd m_owner;
    CTooltipFades m_fades{TRUE};
};

// ---------------------------------------------------------------------------------------------
// Place and shape

struct AnchorCase
{
    const char* name;
    // The anchor as a fraction of the screen, or in pixels from its top left corner.
    double xFraction;
    double yFraction;
    int xPixels;
    int quadrant;
};

const AnchorCase kAnchorCases[] = {
    {"upper right", 0.75, 0.25, 0, 0},
    {"upper left", 0.25, 0.25, 0, 1},
    {"lower right", 0.75, 0.75, 0, 2},
    {"lower left", 0.25, 0.75, 0, 3},
    {"3 px from the left edge", 0.0, 0.25, 3, 1},
};

class BalloonAnchor : public BalloonTest, public ::testing::WithParamInterface<AnchorCase>
{
};

// The shape a balloon of size (w, h) must have for quadrant q, with the tip shifted by
// tipShift: the tail triangle and the rounded body.
void ExpectedShape(int w, int h, int q, int tipShift, POINT tail[3], CRect& body)
{
    const int a = (w - 20) / 4;
    const bool bTop = q < 2;
    const int yBase = bTop ? 21 : h - 22;
    const int yTip = bTop ? 1 : h - 2;
    const int xEdge = (q == 0 || q == 2) ? 3 * a + 20 : a;
    const int xFar = (q == 0 || q == 2) ? 3 * a : a + 20;
    tail[0] = {xFar, yBase};
    tail[1] = {xEdge, yTip};
    tail[2] = {xEdge, yBase};
    for (int i = 0; i < 3; ++i)
        tail[i].x = std::max(8L, std::min(tail[i].x, static_cast<LONG>(w - 8)));
    tail[1].x -= tipShift;
    body = bTop ? CRect(0, 20, w, h) : CRect(0, 0, w, h - 20);
}

TEST_P(BalloonAnchor, WindowTailAndRegionPointAtTheAnchor)
{
    const AnchorCase& c = GetParam();
    const CRect desktop = DesktopRect();
    const CPoint anchor(c.xPixels ? c.xPixels : static_cast<int>(desktop.Width() * c.xFraction),
                        static_cast<int>(desktop.Height() * c.yFraction));
    CBalloonProbe balloon;
    ASSERT_EQ(1, balloon.Create("Where", "The tail's tip touches the anchor.", anchor, kNoOptions,
                                &m_owner, CString(), 0, nullptr));
    EXPECT_EQ(c.quadrant, balloon.GetBalloonQuadrant());

    const CRect window = WindowRect(balloon);
    const int w = window.Width();
    const int h = window.Height();
    const bool bTop = c.quadrant < 2;

    // The unshifted tip, then the shift that keeps the window on the screen.
    POINT tail[3];
    CRect body;
    ExpectedShape(w, h, c.quadrant, 0, tail, body);
    int left = anchor.x - tail[1].x;
    int shift = 0;
    if (left < 0)
        shift = -left;
    else if (left + w >= desktop.right)
        shift = desktop.right - left - w;
    left += shift;
    const int top = anchor.y - tail[1].y;
    EXPECT_EQ(CRect(left, top, left + w, top + h), window) << c.name;
    if (c.xPixels)
    {
        EXPECT_EQ(0, window.left) << "shifted right onto the screen";
    }

    // The client area leaves the margin all round and the tail's height on the tail's side.
    CRect client = window;
    client.DeflateRect(8, 8);
    if (bTop)
        client.top += 20;
    else
        client.bottom -= 20;
    EXPECT_EQ(client, ClientRectOnScreen(balloon)) << c.name;

    ExpectedShape(w, h, c.quadrant, shift, tail, body);
    if (c.xPixels)
    {
        EXPECT_EQ(c.xPixels, tail[1].x) << "the tip stays on the anchor";
    }
    CRgn expected;
    CRgn tailRegion;
    CRgn bodyRegion;
    ASSERT_TRUE(expected.CreateRectRgn(0, 0, 0, 0));
    ASSERT_TRUE(tailRegion.CreatePolygonRgn(tail, 3, ALTERNATE));
    ASSERT_TRUE(
        bodyRegion.CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, 24, 24));
    ASSERT_NE(ERROR, expected.CombineRgn(&tailRegion, &bodyRegion, RGN_OR));
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, ::GetWindowRgn(balloon, region));
    // The same pixels; the bands of the two regions may be cut differently.
    CRgn difference;
    ASSERT_TRUE(difference.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(NULLREGION, difference.CombineRgn(&region, &expected, RGN_XOR)) << c.name;

    // Seen from the screen, the balloon's outline comes within a few pixels of the anchor
    // (the polygon's edge rule leaves out the tip's own pixel; a shifted tip slants the tail).
    int nearest = INT_MAX;
    for (int y = 0; y < h; ++y)
    {
        for (int x = 0; x < w; ++x)
        {
            if (!region.PtInRegion(x, y))
                continue;
            const int dx = x + window.left - anchor.x;
            const int dy = y + window.top - anchor.y;
            nearest = std::min(nearest, dx * dx + dy * dy);
        }
    }
    EXPECT_LE(nearest, 4 * 4) << c.name << ": squared distance from the anchor";
}

INSTANTIATE_TEST_SUITE_P(Quadrants, BalloonAnchor, ::testing::ValuesIn(kAnchorCases),
                         [](const ::testing::TestParamInfo<AnchorCase>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(BalloonTest, BalloonNearTheBottomEdgeStaysOnTheScreen)
{
    const CRect desktop = DesktopRect();
    CBalloonProbe balloon;
    ASSERT_EQ(1, balloon.Create("Low", "Near the bottom right corner", desktop.BottomRight(),
                                kNoOptions, &m_owner, CString(), 0, nullptr));
    const CRect window = WindowRect(balloon);
    EXPECT_EQ(desktop.right, window.right);
    EXPECT_EQ(desktop.bottom, window.bottom);
}

// ---------------------------------------------------------------------------------------------
// Header and content

struct HeaderCase
{
    const char* name;
    UINT options;
    const char* title;
    bool icon;
    int headerWidth; // -1: not fixed (a title's width depends on the font)
    int headerHeight;
};

const HeaderCase kHeaderCases[] = {
    {"bare", kNoOptions, "", false, 0, 0},
    {"close button", QvTBalloonHelp::unSHOW_CLOSE_BUTTON, "", false, 16, 16},
    {"icon", kNoOptions, "", true, 32, 32},
    {"icon and close button", QvTBalloonHelp::unSHOW_CLOSE_BUTTON, "", true, 32 + 8 + 16, 32},
    {"title", kNoOptions, "Title", false, -1, -1},
};

TEST_F(BalloonTest, HeaderSizeAndWhereTheContentStarts)
{
    for (const HeaderCase& c : kHeaderCases)
    {
        CBalloonProbe balloon;
        if (c.icon)
            balloon.SetIcon(::LoadIconA(nullptr, IDI_ERROR));
        ASSERT_EQ(1, balloon.Create(c.title, "Content", CPoint(300, 200), c.options, &m_owner,
                                    CString(), 0, nullptr))
            << c.name;
        CClientDC dc(&balloon);
        const CSize header = balloon.CalcHeaderSize(&dc);
        if (c.headerWidth >= 0)
        {
            EXPECT_EQ(CSize(c.headerWidth, c.headerHeight), header) << c.name;
        }
        else
        {
            EXPECT_GT(header.cx, 0) << c.name;
            EXPECT_GT(header.cy, 0) << c.name;
        }
        balloon.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(header.cy + 8, balloon.m_nPaintedContentTop) << c.name;
        // Client height: the header, the margin and the content.
        CRect client;
        balloon.GetClientRect(&client);
        EXPECT_LT(header.cy + 8, client.Height()) << c.name;
        balloon.DestroyWindow();
    }
}

TEST_F(BalloonTest, ContentWrapsAtHalfTheScreen)
{
    std::string longText;
    for (int i = 0; i < 60; ++i)
        longText += "many words ";
    CBalloonProbe balloon;
    ASSERT_EQ(1, balloon.Create("", longText.c_str(), CPoint(300, 200), kNoOptions, &m_owner,
                                CString(), 0, nullptr));
    CRect client;
    balloon.GetClientRect(&client);
    EXPECT_LE(client.Width(), DesktopRect().Width() / 2);
    EXPECT_GT(client.Height(), 40) << "several lines";
}

TEST_F(BalloonTest, SettersReshapeAShownBalloon)
{
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, kNoOptions));
    const CRect before = WindowRect(balloon);

    balloon.SetContent("A much longer content than the one the balloon was made with");
    EXPECT_GT(WindowRect(balloon).Width(), before.Width());
    EXPECT_EQ("A much longer content than the one the balloon was made with",
              std::string(balloon.GetContent()));

    balloon.SetTitle("Another title");
    EXPECT_EQ("Another title", WindowText(balloon));

    balloon.SetAnchorPoint(CPoint(320, 230));
    EXPECT_EQ(WindowRect(balloon).top, 230 - 1) << "the tip's row is 1 below the window's top";
}

TEST_F(BalloonTest, SetTitleBeforeCreateIsIgnored)
{
    CBalloonProbe balloon;
    balloon.SetTitle("Early");
    ASSERT_EQ(1, Show(balloon, kNoOptions, CString(), 0, "Given"));
    EXPECT_EQ("Given", WindowText(balloon));
}

TEST_F(BalloonTest, IconSizeIsSquare)
{
    CBalloonProbe balloon;
    EXPECT_EQ(CSize(32, 32), balloon.GetIconSize());
    balloon.SetIconSize(48);
    EXPECT_EQ(CSize(48, 48), balloon.GetIconSize());
}

TEST_F(BalloonTest, IconFromAnImageListNeedsAValidIndex)
{
    CImageList list;
    ASSERT_TRUE(list.Create(20, 20, ILC_COLOR24 | ILC_MASK, 1, 0));
    ASSERT_EQ(0, list.Add(::LoadIconA(nullptr, IDI_WARNING)));
    const struct
    {
        CImageList* pList;
        int index;
        int headerWidth;
    } cases[] = {{&list, 0, 20}, {&list, 1, 0}, {&list, -1, 0}, {nullptr, 0, 0}};
    for (const auto& c : cases)
    {
        CBalloonProbe balloon;
        balloon.SetIcon(::LoadIconA(nullptr, IDI_ERROR)); // replaced by every SetIcon
        balloon.SetIcon(c.pList, c.index);
        ASSERT_EQ(1, Show(balloon, kNoOptions, CString(), 0, ""));
        CClientDC dc(&balloon);
        EXPECT_EQ(c.headerWidth, balloon.CalcHeaderSize(&dc).cx) << "index " << c.index;
        balloon.DestroyWindow();
    }
}

// ---------------------------------------------------------------------------------------------
// Fades, by timer ticks

struct FadeCase
{
    const char* name;
    UINT options;
    std::vector<int> fadeIn;  // the opacity after each tick of 3333
    std::vector<int> fadeOut; // after each tick of 3334; the next tick destroys the window
};

const FadeCase kFadeCases[] = {
    {"full fades",
     kNoOptions,
     {30, 55, 80, 105, 130, 155, 180, 205, 230, 255, 255},
     {225, 200, 175, 150, 125, 100, 75, 50, 25, 0}},
    {"no fade-in",
     QvTBalloonHelp::unDISABLE_FADEIN,
     {255},
     {225, 200, 175, 150, 125, 100, 75, 50, 25, 0}},
    {"no fade-out",
     QvTBalloonHelp::unDISABLE_FADEOUT,
     {30, 55, 80, 105, 130, 155, 180, 205, 230, 255, 255},
     {}},
    {"no fades", QvTBalloonHelp::unDISABLE_FADE, {255}, {}},
};

TEST_F(BalloonTest, FadeStepsTickByTick)
{
    for (const FadeCase& c : kFadeCases)
    {
        CBalloonProbe balloon;
        ASSERT_EQ(1, Show(balloon, c.options)) << c.name;
        EXPECT_EQ(5, BalloonAlpha(balloon)) << c.name << ": shown at 5";
        for (size_t tick = 0; tick < c.fadeIn.size(); ++tick)
        {
            EXPECT_TRUE(TimerIsRunning(balloon, kFadeInTimer)) << c.name << ", tick " << tick + 1;
            balloon.SendMessage(WM_TIMER, kFadeInTimer);
            EXPECT_EQ(c.fadeIn[tick], BalloonAlpha(balloon)) << c.name << ", tick " << tick + 1;
        }
        EXPECT_FALSE(TimerWasRunning(balloon, kFadeInTimer)) << c.name << ": the fade-in ended";

        balloon.SendMessage(WM_CLOSE);
        EXPECT_TRUE(::IsWindow(balloon)) << c.name << ": closing fades out first";
        for (size_t tick = 0; tick < c.fadeOut.size(); ++tick)
        {
            balloon.SendMessage(WM_TIMER, kFadeOutTimer);
            EXPECT_EQ(c.fadeOut[tick], BalloonAlpha(balloon)) << c.name << ", tick " << tick + 1;
        }
        HWND hWnd = balloon;
        balloon.SendMessage(WM_TIMER, kFadeOutTimer);
        EXPECT_FALSE(::IsWindow(hWnd)) << c.name << ": gone on the last tick";
        EXPECT_EQ(nullptr, balloon.m_hWnd) << c.name;
    }
}

TEST_F(BalloonTest, TooltipFadesOffMeansNoFades)
{
    CTooltipFades off(FALSE);
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, kNoOptions));
    balloon.SendMessage(WM_TIMER, kFadeInTimer);
    EXPECT_EQ(255, BalloonAlpha(balloon));
}

TEST_F(BalloonTest, HidingDuringTheFadeInStopsIt)
{
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, kNoOptions));
    balloon.SendMessage(WM_TIMER, kFadeInTimer);
    balloon.SendMessage(WM_CLOSE);
    balloon.SendMessage(WM_TIMER, kFadeOutTimer);
    EXPECT_FALSE(TimerWasRunning(balloon, kFadeInTimer));
    EXPECT_EQ(225, BalloonAlpha(balloon));
}

TEST_F(BalloonTest, TimeoutStartsWhenFullyShown)
{
    const struct
    {
        unsigned int timeout;
        bool bRunning;
    } cases[] = {{0, false}, {5000, true}};
    for (const auto& c : cases)
    {
        CBalloonProbe balloon;
        ASSERT_EQ(1, Show(balloon, QvTBalloonHelp::unDISABLE_FADEIN, CString(), c.timeout));
        EXPECT_FALSE(TimerWasRunning(balloon, kTimeoutTimer)) << "not while fading in";
        balloon.SendMessage(WM_TIMER, kFadeInTimer);
        EXPECT_EQ(c.bRunning, TimerWasRunning(balloon, kTimeoutTimer)) << c.timeout;
    }
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, QvTBalloonHelp::unDISABLE_FADE));
    balloon.SendMessage(WM_TIMER, kTimeoutTimer);
    EXPECT_TRUE(TimerWasRunning(balloon, kFadeOutTimer)) << "the timeout hides the balloon";

    balloon.SetTimeout(3000);
    EXPECT_TRUE(TimerWasRunning(balloon, kTimeoutTimer));
    balloon.SetTimeout(3000);
    balloon.SetTimeout(0);
    EXPECT_FALSE(TimerWasRunning(balloon, kTimeoutTimer));
}

// ---------------------------------------------------------------------------------------------
// Mouse

// The shell's open call, recorded instead of made.
struct ShellCall
{
    std::string operation;
    std::string file;
    INT nShowCmd;
};
std::vector<ShellCall> s_shellCalls;
INT_PTR s_nShellResult = 42;

HINSTANCE WINAPI RecordShellExecute(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR, LPCSTR,
                                    INT nShowCmd)
{
    s_shellCalls.push_back({lpOperation ? lpOperation : "", lpFile ? lpFile : "", nShowCmd});
    return reinterpret_cast<HINSTANCE>(s_nShellResult);
}

class BalloonClick : public BalloonTest
{
protected:
    void SetUp() override
    {
        BalloonTest::SetUp();
        s_shellCalls.clear();
        s_nShellResult = 42;
        m_pfnOldShell = FQvTSetShellExecute(&RecordShellExecute);
    }
    void TearDown() override
    {
        FQvTSetShellExecute(m_pfnOldShell);
        ::ReleaseCapture();
        BalloonTest::TearDown();
    }

    QVT_SHELLEXECUTEA m_pfnOldShell = nullptr;
};

struct ClickCase
{
    const char* name;
    UINT options;
    const char* url;
    INT_PTR shellResult;
    bool bOpens;
    bool bHides;
};

const ClickCase kClickCases[] = {
    {"no url, no close option: nothing", kNoOptions, "", 42, false, false},
    {"url: opens and hides", kNoOptions, "https://example.org/", 42, true, true},
    {"url the shell refuses: stays", kNoOptions, "nosuch:thing", 2, true, false},
    {"close on click", QvTBalloonHelp::unCLOSE_ON_LBUTTON_UP, "", 42, false, true},
    {"close on click wins over the url", QvTBalloonHelp::unCLOSE_ON_LBUTTON_UP,
     "https://example.org/", 42, false, true},
};

TEST_F(BalloonClick, LeftClickOnTheContent)
{
    for (const ClickCase& c : kClickCases)
    {
        s_shellCalls.clear();
        s_nShellResult = c.shellResult;
        CBalloonProbe balloon;
        ASSERT_EQ(1, Show(balloon, c.options | QvTBalloonHelp::unDISABLE_FADE, c.url)) << c.name;
        balloon.SendMessage(WM_TIMER, kFadeInTimer);
        balloon.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(2, 30));
        balloon.SendMessage(WM_LBUTTONUP, 0, ClientPoint(2, 30));

        ASSERT_EQ(c.bOpens ? 1u : 0u, s_shellCalls.size()) << c.name;
        if (c.bOpens)
        {
            EXPECT_EQ("open", s_shellCalls[0].operation) << c.name;
            EXPECT_EQ(c.url, s_shellCalls[0].file) << c.name;
            EXPECT_EQ(SW_SHOWNORMAL, s_shellCalls[0].nShowCmd) << c.name;
        }
        EXPECT_EQ(c.bHides, TimerWasRunning(balloon, kFadeOutTimer)) << c.name;
        EXPECT_TRUE(::IsWindow(balloon)) << c.name;
        EXPECT_EQ(255, BalloonAlpha(balloon)) << c.name;
        if (c.options & QvTBalloonHelp::unCLOSE_ON_LBUTTON_UP)
        {
            EXPECT_NE(balloon.m_hWnd, ::GetCapture()) << c.name << ": capture released";
        }
    }
}

TEST_F(BalloonClick, CloseOnClickCapturesTheMouse)
{
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, QvTBalloonHelp::unCLOSE_ON_RBUTTON_UP));
    EXPECT_EQ(balloon.m_hWnd, ::GetCapture());
    balloon.SendMessage(WM_RBUTTONUP, 0, ClientPoint(2, 30));
    EXPECT_TRUE(TimerWasRunning(balloon, kFadeOutTimer));
    EXPECT_NE(balloon.m_hWnd, ::GetCapture());
}

TEST_F(BalloonClick, RightClickWithoutItsOptionDoesNothing)
{
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, kNoOptions));
    balloon.SendMessage(WM_RBUTTONUP, 0, ClientPoint(2, 30));
    EXPECT_FALSE(TimerWasRunning(balloon, kFadeOutTimer));
}

struct CloseButtonCase
{
    const char* name;
    bool bDownOnButton;
    bool bUpOnButton;
    bool bHides;
};

const CloseButtonCase kCloseButtonCases[] = {
    {"pressed and released on the button", true, true, true},
    {"pressed on the button, released beside it", true, false, false},
    {"released on the button only", false, true, false},
};

TEST_F(BalloonClick, CloseButton)
{
    for (const CloseButtonCase& c : kCloseButtonCases)
    {
        CBalloonProbe balloon;
        ASSERT_EQ(1, Show(balloon, QvTBalloonHelp::unSHOW_CLOSE_BUTTON));
        CRect client;
        balloon.GetClientRect(&client);
        const LPARAM onButton = ClientPoint(client.right - 8, 8);
        const LPARAM beside = ClientPoint(client.right - 30, 30);
        balloon.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, c.bDownOnButton ? onButton : beside);
        if (c.bDownOnButton)
        {
            EXPECT_EQ(balloon.m_hWnd, ::GetCapture()) << c.name;
        }
        balloon.SendMessage(WM_LBUTTONUP, 0, c.bUpOnButton ? onButton : beside);
        EXPECT_NE(balloon.m_hWnd, ::GetCapture()) << c.name;
        EXPECT_EQ(c.bHides, TimerWasRunning(balloon, kFadeOutTimer)) << c.name;
        EXPECT_TRUE(s_shellCalls.empty());
    }
}

TEST_F(BalloonTest, MouseMoveClosesOnlyAFullyShownBalloonBeyondTheTolerance)
{
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, QvTBalloonHelp::unCLOSE_ON_MOUSE_MOVE));
    EXPECT_TRUE(TimerWasRunning(balloon, kMousePollTimer)) << "the mouse is polled";
    CPoint origin;
    ::GetCursorPos(&origin);
    balloon.ScreenToClient(&origin);

    balloon.SendMessage(WM_MOUSEMOVE, 0, ClientPoint(origin.x + 20, origin.y));
    EXPECT_FALSE(TimerWasRunning(balloon, kFadeOutTimer)) << "still fading in";
    for (int tick = 0; tick < 11; ++tick)
        balloon.SendMessage(WM_TIMER, kFadeInTimer);
    ASSERT_EQ(255, BalloonAlpha(balloon));

    const struct
    {
        int dx;
        int dy;
        bool bHides;
    } moves[] = {{3, 0, false}, {0, -3, false}, {3, 3, false},
                 {4, 0, true},  {0, 4, true},   {-4, 0, true}};
    for (const auto& m : moves)
    {
        balloon.SendMessage(WM_MOUSEMOVE, 0, ClientPoint(origin.x + m.dx, origin.y + m.dy));
        EXPECT_EQ(m.bHides, TimerWasRunning(balloon, kFadeOutTimer)) << m.dx << ", " << m.dy;
        EXPECT_EQ(!m.bHides, TimerWasRunning(balloon, kMousePollTimer)) << m.dx << ", " << m.dy;
        if (m.bHides)
        {
            // Fully shown again for the next move.
            balloon.DestroyWindow();
            ASSERT_EQ(1, Show(balloon, QvTBalloonHelp::unCLOSE_ON_MOUSE_MOVE |
                                           QvTBalloonHelp::unDISABLE_FADEIN));
            balloon.SendMessage(WM_TIMER, kFadeInTimer);
            EXPECT_TRUE(TimerWasRunning(balloon, kMousePollTimer)) << "started by Create";
        }
    }

    balloon.SetMouseMoveTolerance(10);
    balloon.SendMessage(WM_MOUSEMOVE, 0, ClientPoint(origin.x + 10, origin.y));
    EXPECT_FALSE(TimerWasRunning(balloon, kFadeOutTimer)) << "tolerance 10";
}

// ---------------------------------------------------------------------------------------------
// Keyboard hook

class BalloonKeys : public BalloonTest
{
protected:
    void SetUp() override
    {
        BalloonTest::SetUp();
        // Key presses go to the thread whose window has the focus.
        ASSERT_TRUE(m_focus.CreateEx(0, AfxRegisterWndClass(0), "Focus",
                                     WS_POPUP | WS_CAPTION | WS_VISIBLE, 500, 400, 200, 100,
                                     nullptr, nullptr));
        ::SetForegroundWindow(m_focus);
        m_focus.SetFocus();
        WaitForFocus();
    }
    void TearDown() override
    {
        m_focus.DestroyWindow();
        BalloonTest::TearDown();
    }

    void WaitForFocus()
    {
        for (int i = 0; i < 100 && ::GetFocus() != m_focus.m_hWnd; ++i)
        {
            PumpMessages();
            ::Sleep(10);
        }
    }

    // A real key press and release through the system's input, then what it posted.
    void PressShift()
    {
        INPUT input[2] = {};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wVk = VK_SHIFT;
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ASSERT_EQ(2u, ::SendInput(2, input, sizeof(INPUT)));
        // Input reaches the queue asynchronously.
        for (int i = 0; i < 20; ++i)
        {
            ::Sleep(10);
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                // The balloons' own fade timers stay the test's to drive.
                if (msg.message == WM_TIMER)
                    continue;
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }

    CWnd m_focus;
};

TEST_F(BalloonKeys, OneKeyClosesEveryKeyClosingBalloonAndTheHookGoesWithThem)
{
    ASSERT_EQ(::GetFocus(), m_focus.m_hWnd) << "the focus window must take the keys";
    ASSERT_EQ(nullptr, CBalloonProbe::KeyboardHook());
    CBalloonProbe first;
    CBalloonProbe second;
    CBalloonProbe other;
    const UINT options = QvTBalloonHelp::unCLOSE_ON_KEYPRESS | QvTBalloonHelp::unDISABLE_FADE;
    ASSERT_EQ(1, Show(first, options));
    HHOOK hHook = CBalloonProbe::KeyboardHook();
    EXPECT_NE(nullptr, hHook);
    ASSERT_EQ(1, Show(second, options));
    ASSERT_EQ(1, Show(other, QvTBalloonHelp::unDISABLE_FADE));
    EXPECT_EQ(hHook, CBalloonProbe::KeyboardHook()) << "one hook for the process";
    EXPECT_EQ(2, CBalloonProbe::KeyClosingCount());

    PressShift();
    EXPECT_EQ(0, CBalloonProbe::KeyClosingCount());
    EXPECT_TRUE(TimerWasRunning(first, kFadeOutTimer) || !::IsWindow(first)) << "closing";
    EXPECT_TRUE(TimerWasRunning(second, kFadeOutTimer) || !::IsWindow(second)) << "closing";
    EXPECT_FALSE(TimerWasRunning(other, kFadeOutTimer)) << "keys do not close it";

    first.SendMessage(WM_TIMER, kFadeOutTimer);
    second.SendMessage(WM_TIMER, kFadeOutTimer);
    EXPECT_EQ(nullptr, first.m_hWnd);
    EXPECT_EQ(nullptr, second.m_hWnd);
    EXPECT_EQ(nullptr, CBalloonProbe::KeyboardHook()) << "removed once both are gone";
    EXPECT_TRUE(::IsWindow(other));
}

TEST_F(BalloonKeys, DestroyingAKeyClosingBalloonTakesItOutOfTheHook)
{
    {
        CBalloonProbe shortLived;
        ASSERT_EQ(1, Show(shortLived, QvTBalloonHelp::unCLOSE_ON_KEYPRESS));
        EXPECT_EQ(1, CBalloonProbe::KeyClosingCount());
    } // the object goes with its window up
    EXPECT_EQ(0, CBalloonProbe::KeyClosingCount());
    EXPECT_EQ(nullptr, CBalloonProbe::KeyboardHook());
}

// ---------------------------------------------------------------------------------------------
// Creation and lifetime

TEST_F(BalloonTest, CreateFailsWithoutAnyParent)
{
    ASSERT_EQ(nullptr, AfxGetMainWnd());
    CBalloonProbe balloon;
    EXPECT_EQ(
        0, balloon.Create("T", "C", CPoint(300, 200), kNoOptions, nullptr, CString(), 0, nullptr));
    EXPECT_EQ(nullptr, balloon.m_hWnd);
}

TEST_F(BalloonTest, OneBalloonAtATimePerObject)
{
    CBalloonProbe balloon;
    ASSERT_EQ(1, Show(balloon, kNoOptions));
    HWND hFirst = balloon;
    EXPECT_EQ(0, balloon.Create("Second", "Second content", CPoint(900, 700), kNoOptions, &m_owner,
                                CString(), 0, nullptr));
    EXPECT_EQ(hFirst, balloon.m_hWnd);
    EXPECT_EQ("Some content of the balloon", std::string(balloon.GetContent()));
    balloon.DestroyWindow();
    EXPECT_EQ(1, balloon.Create("Second", "Second content", CPoint(900, 700), kNoOptions, &m_owner,
                                CString(), 0, nullptr))
        << "again once the first is gone";
}

TEST_F(BalloonTest, SelfDeletingBalloonGoesWithItsWindow)
{
    CBalloonProbe* pBalloon = new CBalloonProbe;
    ASSERT_EQ(
        1, pBalloon->Create("T", "C", CPoint(300, 200),
                            QvTBalloonHelp::unDELETE_THIS_ON_CLOSE | QvTBalloonHelp::unDISABLE_FADE,
                            &m_owner, CString(), 0, nullptr));
    HWND hWnd = *pBalloon;
    ::SendMessageA(hWnd, WM_CLOSE, 0, 0);
    ::SendMessageA(hWnd, WM_TIMER, kFadeOutTimer, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(1, CBalloonProbe::s_nDeleted);

    // A failed creation deletes it too, as the framework's failed creations end.
    pBalloon = new CBalloonProbe;
    EXPECT_EQ(0,
              pBalloon->Create("T", "C", CPoint(300, 200), QvTBalloonHelp::unDELETE_THIS_ON_CLOSE,
                               nullptr, CString(), 0, nullptr));
    EXPECT_EQ(2, CBalloonProbe::s_nDeleted);
}

TEST_F(BalloonTest, LaunchedBalloonShowsAndClosesOnItsOwn)
{
    QvTBalloonHelp::LaunchBalloon("Launched", "Fire and forget", CPoint(300, 200), IDI_INFORMATION,
                                  QvTBalloonHelp::unDISABLE_FADE, &m_owner, CString(), 0);
    HWND hWnd = FindBalloon(m_owner);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ("Launched", WindowText(hWnd));
    QvTBalloonHelp* pBalloon = static_cast<QvTBalloonHelp*>(CWnd::FromHandlePermanent(hWnd));
    ASSERT_NE(nullptr, pBalloon);
    EXPECT_EQ("Fire and forget", std::string(pBalloon->GetContent()));
    // The 16-pixel icon sets the header's height.
    CRect client;
    ::GetClientRect(hWnd, &client);
    EXPECT_GE(client.Height(), 16 + 8);

    ::SendMessageA(hWnd, WM_TIMER, kFadeInTimer, 0);
    ::SendMessageA(hWnd, WM_CLOSE, 0, 0);
    ::SendMessageA(hWnd, WM_TIMER, kFadeOutTimer, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, FindBalloon(m_owner));
}

TEST_F(BalloonTest, TopmostOption)
{
    const struct
    {
        UINT options;
        bool bTopmost;
    } cases[] = {{kNoOptions, false}, {QvTBalloonHelp::unSHOW_TOPMOST, true}};
    for (const auto& c : cases)
    {
        CBalloonProbe balloon;
        ASSERT_EQ(1, Show(balloon, c.options));
        EXPECT_EQ(c.bTopmost, (balloon.GetExStyle() & WS_EX_TOPMOST) != 0);
        EXPECT_NE(0u, balloon.GetExStyle() & WS_EX_TOOLWINDOW);
        EXPECT_TRUE(balloon.IsWindowVisible());
        EXPECT_NE(balloon.m_hWnd, ::GetActiveWindow()) << "shown without activating";
    }
}

// ---------------------------------------------------------------------------------------------
// Painting

TEST_F(BalloonTest, FrameAndInnerShadowColours)
{
    const COLORREF background = RGB(240, 210, 150);
    const COLORREF text = RGB(30, 60, 90);
    const COLORREF light = RGB(240 / 3 + 170, 210 / 3 + 170, 150 / 3 + 170);
    const COLORREF dark =
        RGB(30 / 3 + 2 * (240 / 3), 60 / 3 + 2 * (210 / 3), 90 / 3 + 2 * (150 / 3));
    const struct
    {
        UINT options;
        COLORREF left[4];  // from the outline's left edge inwards, on the body's middle row
        COLORREF right[4]; // from its right edge inwards
    } cases[] = {
        {kNoOptions,
         {text, background, background, background},
         {text, background, background, background}},
        {QvTBalloonHelp::unSHOW_INNER_SHADOW,
         {text, light, light, background},
         {text, dark, dark, background}},
    };
    for (const auto& c : cases)
    {
        CBalloonProbe balloon;
        balloon.SetBackgroundColor(background);
        balloon.SetForegroundColor(text);
        ASSERT_EQ(1, Show(balloon, c.options));
        balloon.RedrawWindow(nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        // A rounded rectangle's region leaves out the rectangle's last column.
        CRgn region;
        ASSERT_TRUE(region.CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(ERROR, ::GetWindowRgn(balloon, region));
        CRect box;
        region.GetRgnBox(&box);
        const int y = box.CenterPoint().y;
        CWindowDC dc(&balloon);
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ(c.left[i], dc.GetPixel(box.left + i, y)) << "left x " << i;
            EXPECT_EQ(c.right[i], dc.GetPixel(box.right - 1 - i, y)) << "right x -" << i + 1;
        }
    }
}

TEST_F(BalloonTest, NewBackgroundColourRepaintsClientAndFrame)
{
    CBalloonProbe balloon;
    balloon.SetBackgroundColor(RGB(255, 255, 255));
    ASSERT_EQ(1, Show(balloon, kNoOptions, CString(), 0, ""));
    balloon.UpdateWindow();
    const COLORREF blue = RGB(0, 0, 255);
    balloon.SetBackgroundColor(blue);
    balloon.UpdateWindow();
    const CRect window = WindowRect(balloon);
    CWindowDC dc(&balloon);
    EXPECT_EQ(blue, dc.GetPixel(4, window.Height() / 2)) << "the margin";
    const CRect client = ClientRectOnScreen(balloon);
    EXPECT_EQ(blue, dc.GetPixel(client.right - 2 - window.left, client.bottom - 2 - window.top))
        << "the client area's corner";
}
} // namespace
