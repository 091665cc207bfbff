// The tree in a real window under the display: its pixels read back after it painted, and
// real messages for the mouse and the scroll bars, with the owner's callbacks recorded.
#include "FakeTreeParent.h"
#include "TreePaintReference.h"
#include "tests/common/VisibleHostWindow.h"
#include "tests/framework/GdiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kBlack = RGB(0, 0, 0);

class TreeWindowTest : public ::testing::Test
{
protected:
    // A tree of cx x cy (10 lines a page at 96 dpi) in the visible host window.
    void Create(int cx = 300, int cy = 222)
    {
        CClientDC screen(nullptr);
        m_dpi = screen.GetDeviceCaps(LOGPIXELSY);
        m_m = TreeRef::Metrics(m_dpi, 0);
        ASSERT_TRUE(m_tree.Create("QVTREE", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy),
                                  &VisibleHostWindow(), 500));
        m_tree.SetParent(&m_owner);
    }

    void Show(int nRoots)
    {
        m_tree.SetNumRootItems(nRoots);
        m_tree.DataValid();
        m_tree.UpdateWindow();
    }

    // The client area as it is on the screen.
    void Capture(DibCanvas& canvas)
    {
        CClientDC dc(&m_tree);
        canvas.DC().BitBlt(0, 0, canvas.Width(), canvas.Height(), &dc, 0, 0, SRCCOPY);
    }

    // The top of line k and the rows of its button.
    int LineTop(int k) const { return 2 + k * m_m.L; }
    int ButtonTop(int k) const { return LineTop(k) + m_m.Tb; }
    int Centre(int k) const { return ButtonTop(k) + 5; }

    // The label text's size in the tree's font.
    CSize TextSize(const std::string& text) const
    {
        CClientDC screen(nullptr);
        CFont font;
        LOGFONT logFont = {};
        logFont.lfHeight = -m_m.F;
        strcpy(logFont.lfFaceName, "Arial");
        font.CreateFontIndirect(&logFont);
        CFont* pPrevious = screen.SelectObject(&font);
        const CSize size = screen.GetTextExtent(text.c_str(), static_cast<int>(text.size()));
        screen.SelectObject(pPrevious);
        return size;
    }

    void Click(int x, int y, UINT nMessage = WM_LBUTTONUP)
    {
        m_tree.SendMessage(nMessage, 0, MAKELPARAM(x, y));
    }

    SCROLLINFO Bar(int nID)
    {
        SCROLLINFO si = {};
        static_cast<CScrollBar*>(m_tree.GetDlgItem(nID))->GetScrollInfo(&si, SIF_ALL);
        return si;
    }

    IntPath Selection()
    {
        QvoTreeWnd::CoItemPath path;
        m_tree.GetSelection(path);
        IntPath result = ToVector(path);
        QvoTreeWnd::FreeItemPath(path);
        return result;
    }

    int m_dpi = 96;
    TreeRef::Metrics m_m = TreeRef::Metrics(96, 0);
    FakeTreeParent m_owner;
    QvoTreeWnd m_tree;
};

// How many pixels of column x between rows y0 and y1 (excluded) are black.
int BlackInColumn(const DibCanvas& canvas, int x, int y0, int y1)
{
    return canvas.Count(CRect(x, y0, x + 1, y1), kBlack);
}
} // namespace

TEST_F(TreeWindowTest, ASingleLeafRootHasOnlyTheConnectorToX27)
{
    Create();
    Show(1);
    DibCanvas canvas(300, 222);
    Capture(canvas);
    const int yc = Centre(0);
    EXPECT_TRUE(PixelIs(canvas, 12, yc, kBlack)) << "the connector starts at the centre";
    EXPECT_TRUE(PixelIs(canvas, 26, yc, kBlack));
    EXPECT_TRUE(PixelIs(canvas, 27, yc, kWhite)) << "and ends before x = 27";
    EXPECT_EQ(0, BlackInColumn(canvas, 12, LineTop(0), yc)) << "no line above the only root";
    EXPECT_EQ(0, BlackInColumn(canvas, 12, yc + 1, LineTop(1))) << "nor below it";
    EXPECT_EQ(0, canvas.Count(CRect(7, ButtonTop(0), 18, yc), kBlack)) << "no button box";
    EXPECT_GT(canvas.Count(CRect(29, LineTop(0), 100, LineTop(1)), kBlack), 10) << "its label";
    EXPECT_EQ(0, canvas.Count(CRect(2, LineTop(1), 280, 200), kBlack)) << "nothing below";
}

// The first root has a line only below its box, the middle one above and below, the last
// only above.
TEST_F(TreeWindowTest, RootsWithChildrenJoinTheirBoxes)
{
    m_owner.m_nDefault = 2;
    Create();
    Show(3);
    DibCanvas canvas(300, 222);
    Capture(canvas);
    const struct
    {
        int k;
        bool bAbove, bBelow;
    } rows[] = {{0, false, true}, {1, true, true}, {2, true, false}};
    for (const auto& row : rows)
    {
        const int yb = ButtonTop(row.k);
        EXPECT_EQ(row.bAbove, BlackInColumn(canvas, 12, LineTop(row.k), yb) > 0)
            << "line above root " << row.k;
        EXPECT_EQ(row.bBelow, BlackInColumn(canvas, 12, yb + 11, LineTop(row.k + 1)) > 0)
            << "line below root " << row.k;
        EXPECT_TRUE(PixelIs(canvas, 8, yb, kBlack)) << "the box's outline, root " << row.k;
        EXPECT_TRUE(PixelIs(canvas, 7, yb, kWhite)) << "its corner is cut, root " << row.k;
        EXPECT_TRUE(PixelIs(canvas, 12, yb + 5, kRed)) << "a red plus: never asked";
        EXPECT_TRUE(PixelIs(canvas, 12, yb + 2, kRed));
        EXPECT_TRUE(PixelIs(canvas, 18, yb + 5, kWhite)) << "a gap after the box";
        EXPECT_TRUE(PixelIs(canvas, 20, yb + 5, kBlack)) << "the connector to the label";
    }
}

// Red plus while nobody asked; the owner's word that it is a leaf takes the box away; an
// expanded node shows a minus.
TEST_F(TreeWindowTest, TheButtonFollowsWhatIsKnownOfTheChildren)
{
    m_owner.m_bTellChildren = false;
    m_owner.m_counts[{0}] = 0;
    m_owner.m_counts[{1}] = 3;
    Create();
    Show(2);
    DibCanvas canvas(300, 222);
    Capture(canvas);
    EXPECT_TRUE(PixelIs(canvas, 14, Centre(0), kRed)) << "root 0 not told: red plus";
    EXPECT_TRUE(PixelIs(canvas, 14, Centre(1), kRed)) << "root 1 not told: red plus";

    m_owner.m_bTellChildren = true;
    m_tree.Invalidate(FALSE);
    m_tree.UpdateWindow();
    Capture(canvas);
    EXPECT_TRUE(PixelIs(canvas, 14, Centre(0), kBlack)) << "a leaf: the connector, no box";
    EXPECT_TRUE(PixelIs(canvas, 8, ButtonTop(0), kWhite)) << "no outline";
    EXPECT_TRUE(PixelIs(canvas, 14, Centre(1), kRed)) << "told of children, still not asked";

    Click(12, Centre(1));
    ASSERT_EQ(1u, m_owner.m_expanded.size());
    EXPECT_EQ((IntPath{1}), m_owner.m_expanded[0]);
    m_tree.UpdateWindow();
    Capture(canvas);
    EXPECT_TRUE(PixelIs(canvas, 14, Centre(1), kBlack)) << "expanded: a black minus";
    EXPECT_TRUE(PixelIs(canvas, 12, ButtonTop(1) + 2, kWhite)) << "without a vertical stroke";
    EXPECT_GT(canvas.Count(CRect(54, LineTop(2), 120, LineTop(5)), kBlack), 30)
        << "the three children's labels one level in";

    Click(12, Centre(1));
    m_tree.UpdateWindow();
    Capture(canvas);
    EXPECT_TRUE(PixelIs(canvas, 12, ButtonTop(1) + 2, kBlack)) << "collapsed: a black plus";
    EXPECT_TRUE(PixelIs(canvas, 14, Centre(1), kBlack));
    EXPECT_EQ(1u, m_owner.m_expanded.size()) << "the children are known: nobody is asked";
}

TEST_F(TreeWindowTest, TheSelectedLabelIsWhiteOnBlue)
{
    Create();
    Show(3);
    IntPath root1{1};
    m_tree.SetSelection(PathOf(root1), false);
    m_tree.UpdateWindow();
    DibCanvas canvas(300, 222);
    Capture(canvas);
    const CSize text = TextSize(m_owner.TextOf({1}));
    const int x = 25 + m_m.Tt;
    const CRect label(x, LineTop(1) + m_m.Tt, x + text.cx, LineTop(1) + m_m.Tt + text.cy);
    const int nBlue = canvas.Count(label, kBlue);
    const int nWhite = canvas.Count(label, kWhite);
    EXPECT_GT(nBlue, label.Width() * label.Height() / 2) << "a blue background";
    EXPECT_GT(nWhite, 10) << "white letters";
    EXPECT_EQ(0, canvas.Count(CRect(x - 1, LineTop(1), x, LineTop(2)), kBlue))
        << "no blue before the text";
    EXPECT_EQ(0, canvas.Count(CRect(2, LineTop(0), 280, LineTop(1)), kBlue))
        << "root 0 is not selected";
    EXPECT_GT(canvas.Count(CRect(x, LineTop(0), x + text.cx, LineTop(1)), kBlack), 10)
        << "its label is black";
}

// Where a click lands: x from the left edge, on line 1 unless a row says otherwise.
TEST_F(TreeWindowTest, ClicksSelectLabelsAndTellTheOwner)
{
    m_owner.m_counts[{2}] = 4;
    Create();
    Show(3);
    const CSize text = TextSize(m_owner.TextOf({1}));
    const int xText = 25 + m_m.Tt;
    const int yText = LineTop(1) + m_m.Tt + 2;
    const struct
    {
        const char* name;
        int x, y;
        UINT nMessage;
        IntPath selected; // empty: nothing selected, the owner not told
        bool bDblClk;
    } cases[] = {
        {"on the text", xText + 3, yText, WM_LBUTTONUP, {1}, false},
        {"double click on the text", xText + 3, yText, WM_LBUTTONDBLCLK, {1}, true},
        {"1 pixel left of the text", xText - 1, yText, WM_LBUTTONUP, {1}, false},
        {"2 + Tt pixels left of the text", xText - 2 - m_m.Tt, yText, WM_LBUTTONUP, {1}, false},
        {"3 + Tt pixels left of the text", xText - 3 - m_m.Tt, yText, WM_LBUTTONUP, {}, false},
        {"the text's last pixel", xText + text.cx - 1, yText, WM_LBUTTONUP, {1}, false},
        {"right of the text", xText + text.cx, yText, WM_LBUTTONUP, {}, false},
        {"above the text", xText + 3, LineTop(1) + m_m.Tt - 1, WM_LBUTTONUP, {}, false},
        {"the button of a leaf", 12, Centre(1), WM_LBUTTONUP, {}, false},
        {"below the last item", xText + 3, LineTop(4) + m_m.Tt + 2, WM_LBUTTONUP, {}, false},
        {"on root 2's label", xText + 3, LineTop(2) + m_m.Tt + 2, WM_LBUTTONUP, {2}, false},
    };
    for (const auto& c : cases)
    {
        m_tree.SetSelection(QvoTreeWnd::CoItemPath(), false);
        m_owner.m_selected.clear();
        Click(c.x, c.y, c.nMessage);
        EXPECT_EQ(c.selected, Selection()) << c.name;
        if (c.selected.empty())
        {
            EXPECT_TRUE(m_owner.m_selected.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(1u, m_owner.m_selected.size()) << c.name;
        EXPECT_EQ(c.selected, m_owner.m_selected[0].path) << c.name;
        EXPECT_EQ(c.bDblClk, m_owner.m_selected[0].bDblClk) << c.name;
        EXPECT_TRUE(m_owner.m_selected[0].bUser) << c.name;
    }
    EXPECT_TRUE(m_owner.m_expanded.empty()) << "no click was on a button with children";

    // A button with children selects its node and expands it without telling the owner of
    // the selection.
    m_owner.m_selected.clear();
    Click(12, Centre(2));
    EXPECT_EQ((IntPath{2}), Selection());
    EXPECT_TRUE(m_owner.m_selected.empty());
    ASSERT_EQ(1u, m_owner.m_expanded.size());
    IntPath child{2, 3};
    EXPECT_EQ(6, m_tree.GetLineNumber(PathOf(child))) << "four children below root 2";
}

TEST_F(TreeWindowTest, CollapsingWhileScrolledToTheEndPullsTheTopLineBack)
{
    m_owner.m_counts[{8}] = 5;
    Create();
    Show(10);
    IntPath root8{8};
    m_tree.Expand(PathOf(root8));
    ASSERT_EQ(10, m_tree.GetNumVisibleLines());
    m_tree.SetFirstVisibleLine(100);
    ASSERT_TRUE(m_tree.IsLineVisible(5) && !m_tree.IsLineVisible(4)) << "the last page of 15";
    EXPECT_EQ(5, Bar(101).nPos);
    EXPECT_EQ(14, Bar(101).nMax);
    m_tree.UpdateWindow();

    Click(12, Centre(8 - 5)); // root 8 on the fourth visible line
    EXPECT_TRUE(m_tree.IsLineVisible(0)) << "ten lines left: the top line is 0 again";
    EXPECT_EQ(0, Bar(101).nPos);
    EXPECT_EQ(9, Bar(101).nMax);
    IntPath root9{9};
    EXPECT_EQ(9, m_tree.GetLineNumber(PathOf(root9)));
}

TEST_F(TreeWindowTest, VerticalScrollingAsksOnlyForTheVisibleLines)
{
    Create();
    Show(100);
    const struct
    {
        UINT nCode;
        int nPos;
        int top;
    } steps[] = {
        {SB_LINEDOWN, 0, 1},        {SB_PAGEDOWN, 0, 11},     {SB_THUMBPOSITION, 50, 50},
        {SB_THUMBPOSITION, 95, 90}, {SB_LINEDOWN, 0, 90},     {SB_LINEUP, 0, 89},
        {SB_PAGEUP, 0, 79},         {SB_THUMBPOSITION, 3, 3}, {SB_PAGEUP, 0, 0},
        {SB_LINEUP, 0, 0},          {SB_ENDSCROLL, 0, 0},
    };
    for (const auto& step : steps)
    {
        m_owner.m_got.clear();
        m_tree.SendMessage(WM_VSCROLL, MAKEWPARAM(step.nCode, step.nPos),
                           reinterpret_cast<LPARAM>(m_tree.GetDlgItem(101)->m_hWnd));
        EXPECT_EQ(step.top, Bar(101).nPos) << "code " << step.nCode << " pos " << step.nPos;
        EXPECT_TRUE(m_tree.IsLineVisible(step.top) && !m_tree.IsLineVisible(step.top - 1));
        if (step.nCode == SB_ENDSCROLL)
        {
            EXPECT_TRUE(m_owner.m_got.empty()) << "nothing to draw";
            continue;
        }
        // Drawn at once, and only the ten lines in sight.
        ASSERT_EQ(10u, m_owner.m_got.size()) << "code " << step.nCode;
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ((IntPath{step.top + k}), m_owner.m_got[k]);
    }
}

TEST_F(TreeWindowTest, LineRightNeverScrollsPastTheMaximumMinusThePage)
{
    m_owner.m_suffix = std::string(60, 'W');
    Create();
    Show(5);
    const SCROLLINFO first = Bar(102);
    const int nPage = 300 - 18 - 4;
    EXPECT_EQ(nPage, static_cast<int>(first.nPage));
    const int nWidest = 25 + m_m.Tt + TextSize(m_owner.TextOf({0})).cx;
    EXPECT_EQ(nWidest, first.nMax) << "the right edge of the widest label";
    ASSERT_GT(first.nMax, nPage);

    DibCanvas canvas(300, 222);
    for (int n = 1; n * 5 < first.nMax; ++n)
    {
        m_tree.SendMessage(WM_HSCROLL, SB_LINERIGHT,
                           reinterpret_cast<LPARAM>(m_tree.GetDlgItem(102)->m_hWnd));
        const int nExpected = n * 5 < first.nMax - nPage ? n * 5 : first.nMax - nPage;
        ASSERT_EQ(nExpected, Bar(102).nPos) << "after " << n << " lines right";
    }
    Capture(canvas);
    const int xEnd = nWidest - (first.nMax - nPage);
    EXPECT_GT(canvas.Count(CRect(xEnd - 12, 2, xEnd, 200), kBlack), 10)
        << "the labels' ends are in sight";
    EXPECT_EQ(0, canvas.Count(CRect(xEnd, 2, 280, 200), kBlack)) << "and nothing beyond them";

    m_tree.SendMessage(WM_HSCROLL, SB_PAGELEFT,
                       reinterpret_cast<LPARAM>(m_tree.GetDlgItem(102)->m_hWnd));
    EXPECT_EQ(first.nMax - 2 * nPage > 0 ? first.nMax - 2 * nPage : 0, Bar(102).nPos);
    m_tree.SendMessage(WM_HSCROLL, SB_PAGELEFT,
                       reinterpret_cast<LPARAM>(m_tree.GetDlgItem(102)->m_hWnd));
    EXPECT_EQ(0, Bar(102).nPos);
    Capture(canvas);
    EXPECT_TRUE(PixelIs(canvas, 12, Centre(1), kBlack)) << "back at the left edge";

    // A fresh display starts at the left edge again.
    m_tree.SendMessage(WM_HSCROLL, SB_PAGERIGHT,
                       reinterpret_cast<LPARAM>(m_tree.GetDlgItem(102)->m_hWnd));
    ASSERT_GT(Bar(102).nPos, 0);
    m_owner.m_suffix.clear();
    Show(5);
    EXPECT_EQ(0, Bar(102).nPos);
    Capture(canvas);
    EXPECT_TRUE(PixelIs(canvas, 12, Centre(1), kBlack));
}

// WM_VSCROLL carries 16 bits of the thumb's position: a drag over a tree of more lines than
// that must still land where the thumb was let go.
TEST_F(TreeWindowTest, DraggingTheThumbReachesLinesBeyond65535)
{
    Create();
    Show(300000);
    CWnd* pBar = m_tree.GetDlgItem(101);
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetScrollBarInfo(pBar->m_hWnd, OBJID_CLIENT, &info));
    const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2;
    const int yFrom = info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2;
    const int yTo = (info.rcScrollBar.top + info.rcScrollBar.bottom) / 2;

    // The whole drag is queued first: the bar's tracking loop takes it from the input queue.
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    auto at = [&](int px, int py, DWORD dwFlags) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = (px * 65536 + cxScreen / 2) / cxScreen;
        input.mi.dy = (py * 65536 + cyScreen / 2) / cyScreen;
        input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        return input;
    };
    INPUT inputs[] = {at(x, yFrom, 0), at(x, yFrom, MOUSEEVENTF_LEFTDOWN),
                      at(x, (yFrom + yTo) / 2, 0), at(x, yTo, 0), at(x, yTo, MOUSEEVENTF_LEFTUP)};
    ASSERT_EQ(5u, ::SendInput(5, inputs, sizeof(INPUT)));
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < 1500)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(10);
    }

    const int nTop = Bar(101).nPos;
    EXPECT_GT(nTop, 100000) << "the thumb was let go near the middle";
    EXPECT_LT(nTop, 200000);
    EXPECT_TRUE(m_tree.IsLineVisible(nTop) && !m_tree.IsLineVisible(nTop - 1))
        << "the picture shows the bar's position " << nTop;
}
