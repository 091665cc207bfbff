// The tree model's operations on small trees whose every line is known.
#include "FakeTreeParent.h"

#include <gtest/gtest.h>

typedef QvoTreeWnd::CoItemPath CoItemPath;

namespace
{
// A model with a fake owner and a recording view that gives it lines per page.
struct Harness
{
    QvoTreeModel model;
    FakeTreeParent owner;
    RecordingView view;

    explicit Harness(int nLinesPerPage = 5) : view(model, nLinesPerPage)
    {
        model.SetParent(&owner);
    }

    void Start(int nRoots)
    {
        model.SetNumRootItems(nRoots);
        model.DataValid();
        view.Reset();
    }
    // Expands a never-asked item after telling the owner its child count.
    void Open(IntPath path, int nChildren)
    {
        owner.m_counts[path] = nChildren;
        model.Expand(PathOf(path));
    }
    void Expand(IntPath path) { model.Expand(PathOf(path)); }
    void Collapse(IntPath path) { model.Collapse(PathOf(path)); }
    void Insert(IntPath path, int iFlags = 0) { model.InsertItem(PathOf(path), iFlags); }
    void Delete(IntPath path) { model.DeleteItem(PathOf(path)); }
    void Select(IntPath path, bool bEnsureVisible = false)
    {
        model.SetSelection(PathOf(path), bEnsureVisible);
    }
    int Line(IntPath path) { return model.GetLineNumber(PathOf(path)); }
    IntPath Selection()
    {
        CoItemPath selection;
        model.GetSelection(selection);
        IntPath indices = ToVector(selection);
        QvoTreeWnd::FreeItemPath(selection);
        return indices;
    }
    // Child count of an item; -2 when the path names no item.
    int Children(IntPath path)
    {
        int n;
        bool bExpanded;
        return model.GetNodeState(PathOf(path), n, bExpanded) ? n : -2;
    }
    bool Expanded(IntPath path)
    {
        int n;
        bool bExpanded = false;
        model.GetNodeState(PathOf(path), n, bExpanded);
        return bExpanded;
    }
};

class TreeModelTest : public ::testing::Test
{
protected:
    Harness t;
};
} // namespace

TEST_F(TreeModelTest, EmptyTreeHasNoLinesAndAnEmptyScrollRange)
{
    t.model.SetNumRootItems(0);
    t.model.DataValid();
    EXPECT_EQ(0, t.model.GetTotalLines()) << "no roots, no lines";
    EXPECT_EQ(0, t.model.GetTopLine()) << "top line of an empty tree";
    ASSERT_EQ(1u, t.view.m_scroll.size()) << "DataValid sets the scroll bar once";
    EXPECT_EQ(0, t.view.m_scroll[0].nMin) << "the range starts at 0";
    EXPECT_EQ(-1, t.view.m_scroll[0].nMax) << "range 0 to total - 1";
    EXPECT_EQ(0, t.view.m_scroll[0].nPos) << "DataValid sets the position to the top";
    EXPECT_EQ(-1, t.Line({0})) << "no item in an empty tree";

    t.Insert({-1});
    EXPECT_EQ(1, t.model.GetNumRootItems()) << "appending to an empty tree makes a first root";
    EXPECT_EQ(0, t.Line({0})) << "the new root is on line 0";
}

TEST_F(TreeModelTest, SetNumRootItemsLeavesTheWindowAlone)
{
    t.model.SetNumRootItems(7);
    EXPECT_EQ(0, t.view.m_nRedraws) << "DataValid follows; nothing is drawn before it";
    EXPECT_TRUE(t.view.m_scroll.empty()) << "SetNumRootItems sets no scroll bar";
    EXPECT_EQ(7, t.model.GetTotalLines()) << "seven fresh roots, one line each";
}

TEST_F(TreeModelTest, DataValidStartsAFreshDisplay)
{
    t.Start(20);
    t.Open({0}, 3);
    t.model.SetFirstVisibleLine(10);
    t.Select({0, 1});
    t.view.Reset();

    t.model.DataValid();
    EXPECT_EQ(0, t.model.GetTopLine()) << "DataValid starts at the top";
    EXPECT_TRUE(t.Selection().empty()) << "DataValid clears the selection";
    EXPECT_EQ(1, t.view.m_nDataValid) << "the window recomputes its metrics";
    ASSERT_EQ(1u, t.view.m_scroll.size()) << "DataValid sets the scroll bar once";
    EXPECT_EQ(22, t.view.m_scroll[0].nMax) << "20 roots and 3 children still shown";
    EXPECT_EQ(0, t.view.m_scroll[0].nPos) << "DataValid sets the position to the top";
    EXPECT_EQ(1, t.view.m_nRedraws) << "DataValid redraws once";
}

TEST(TreeModelInsert, RootInsertionMovesLaterRootsAndTheSelection)
{
    struct Case
    {
        int iAt;
        int nSelectionAfter; // selection was root 1
        int nOpenRootAfter;  // root 1, with two children, ends here
    };
    const Case cases[] = {{-1, 1, 1}, {0, 2, 2}, {1, 2, 2}, {2, 1, 1}, {3, 1, 1}};
    for (const Case& c : cases)
    {
        Harness t;
        t.Start(3);
        t.Open({1}, 2);
        t.Select({1});
        t.Insert({c.iAt});
        SCOPED_TRACE("insert at " + std::to_string(c.iAt));
        EXPECT_EQ(4, t.model.GetNumRootItems()) << "one root more";
        EXPECT_EQ(6, t.model.GetTotalLines()) << "four roots and two children";
        EXPECT_EQ((IntPath{c.nSelectionAfter}), t.Selection())
            << "the selection stays on the item of root 1";
        EXPECT_EQ(2, t.Children({c.nOpenRootAfter})) << "the expanded root moved with its index";
        const int iNew = c.iAt == -1 ? 3 : c.iAt;
        EXPECT_EQ(-1, t.Children({iNew})) << "the new root has never been asked";
    }
}

TEST_F(TreeModelTest, InsertingUnderANeverAskedItemChangesNothing)
{
    t.Start(3);
    t.Select({2});
    t.Insert({1, 0}, QvoTreeWnd::m_iFRefresh | QvoTreeWnd::m_iFSelect);
    t.Insert({1, -1}, QvoTreeWnd::m_iFRefresh);
    t.Open({0}, 1);
    t.view.Reset();
    t.Insert({0, 0, 0}, QvoTreeWnd::m_iFRefresh); // [0,0] never asked
    EXPECT_EQ(4, t.model.GetTotalLines()) << "three roots and one child, nothing more";
    EXPECT_EQ(-1, t.Children({1})) << "the owner reports the item when it is expanded";
    EXPECT_EQ(-1, t.Children({0, 0})) << "nothing inserted under the never-asked child";
    EXPECT_EQ((IntPath{2}), t.Selection()) << "the selection stays";
    EXPECT_EQ(0, t.view.m_nRedraws) << "the call returns at once, refresh flag or not";
    EXPECT_TRUE(t.view.m_scroll.empty()) << "no scroll bar either";
}

TEST(TreeModelInsert, SelectionStaysOnItsItem)
{
    struct Case
    {
        IntPath selection;
        IntPath insert;
        IntPath expected;
    };
    const Case cases[] = {
        {{2, 5}, {2, 3}, {2, 6}},
        {{2, 5}, {2, 5}, {2, 6}},
        {{2, 5}, {2, 7}, {2, 5}},
        {{2, 5}, {2, 5, 0}, {2, 5}},
        {{2, 5}, {2, -1}, {2, 5}},
        {{2, 5}, {0}, {3, 5}},
        {{2, 5}, {3}, {2, 5}},
        {{2, 5, 1}, {2, 5}, {2, 6, 1}},
        {{2, 5, 1}, {2, 5, 0}, {2, 5, 2}},
        {{2}, {2, 0}, {2}},
        {{2, 5}, {1, 0}, {2, 5}},
    };
    for (const Case& c : cases)
    {
        Harness t;
        t.Start(4);
        t.Open({1}, 2);
        t.Open({2}, 8);
        t.Open({2, 5}, 2);
        t.Select(c.selection);
        t.Insert(c.insert);
        EXPECT_EQ(c.expected, t.Selection())
            << "selection " << PathText(c.selection) << ", insert at " << PathText(c.insert);
    }
}

TEST(TreeModelInsert, SelectFlagSelectsWhereTheItemLanded)
{
    struct Case
    {
        IntPath insert;
        int iFlags;
        IntPath expected;
    };
    const int iSelect = QvoTreeWnd::m_iFSelect;
    const Case cases[] = {
        {{2, -1}, iSelect, {2, 8}},
        {{-1}, iSelect, {3}},
        {{2, 4}, iSelect, {2, 4}},
        {{2, 4}, iSelect | QvoTreeWnd::m_iFResetSelection, {}},
        {{0}, QvoTreeWnd::m_iFResetSelection, {}},
    };
    for (const Case& c : cases)
    {
        Harness t;
        t.Start(3);
        t.Open({2}, 8);
        t.Select({1});
        t.Insert(c.insert, c.iFlags);
        EXPECT_EQ(c.expected, t.Selection())
            << "insert at " << PathText(c.insert) << " with flags " << c.iFlags;
    }
}

TEST_F(TreeModelTest, OnlyTheRefreshFlagUpdatesTheWindow)
{
    t.Start(3);
    t.Insert({0});
    t.Insert({0}, QvoTreeWnd::m_iFSelect);
    EXPECT_EQ(0, t.view.m_nRedraws) << "no refresh flag, no redraw";
    EXPECT_TRUE(t.view.m_scroll.empty()) << "no refresh flag, no scroll bar";
    t.Insert({0}, QvoTreeWnd::m_iFRefresh);
    EXPECT_EQ(1, t.view.m_nRedraws) << "one redraw with the refresh flag";
    ASSERT_EQ(1u, t.view.m_scroll.size()) << "the scroll bar set once with the refresh flag";
    EXPECT_EQ(5, t.view.m_scroll[0].nMax) << "six roots";
    EXPECT_EQ(0, t.view.m_scroll[0].nPos) << "the position is set too";
}

TEST(TreeModelLines, LineNumbersCountEveryVisibleLineAbove)
{
    Harness t;
    t.Start(3);
    t.Open({0}, 3);
    t.Open({0, 1}, 2);
    t.Open({2}, 1);
    const struct
    {
        IntPath path;
        int iLine;
    } cases[] = {
        {{0}, 0},        {{0, 0}, 1}, {{0, 1}, 2},  {{0, 1, 0}, 3}, {{0, 1, 1}, 4},
        {{0, 2}, 5},     {{1}, 6},    {{2}, 7},     {{2, 0}, 8},    {{1, 0}, -1},
        {{0, 0, 0}, -1}, {{3}, -1},   {{0, 3}, -1}, {{-1}, -1},     {{}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.iLine, t.Line(c.path)) << PathText(c.path);
    EXPECT_EQ(9, t.model.GetTotalLines())
        << "three roots, three children, two grandchildren and the child of root 2";

    for (int iLine = 0; iLine < 9; ++iLine)
    {
        QvoTreeWnd::JItemPathBuilder path;
        ASSERT_TRUE(t.model.GetPathAtLine(iLine, path)) << "line " << iLine;
        EXPECT_EQ(iLine, t.model.GetLineNumber(path)) << "item on line " << iLine;
    }
    QvoTreeWnd::JItemPathBuilder path;
    EXPECT_FALSE(t.model.GetPathAtLine(9, path)) << "no item below the last line";
    EXPECT_FALSE(t.model.GetPathAtLine(-1, path)) << "no item above the first line";
}

TEST(TreeModelLines, CollapsedParentHidesItsChildren)
{
    Harness t;
    t.Start(3);
    t.Open({0}, 3);
    EXPECT_EQ(4, t.Line({1})) << "root 1 after expanding root 0 with three leaves";
    t.Collapse({0});
    EXPECT_EQ(-1, t.Line({0, 2})) << "child of a collapsed root";
    EXPECT_EQ(1, t.Line({1})) << "root 1 after collapsing root 0";
    t.Expand({0});
    EXPECT_EQ(3, t.Line({0, 2})) << "children come back on expanding again";
    EXPECT_EQ((IntPath{0}), t.owner.m_expanded.front()) << "root 0 was asked";
    EXPECT_EQ(1u, t.owner.m_expanded.size()) << "a known node is not asked again";
}

TEST(TreeModelPaging, TopLineIsClampedToFillTheLastPage)
{
    Harness t(5);
    t.Start(10);
    t.model.SetFirstVisibleLine(7);
    EXPECT_EQ(5, t.model.GetTopLine()) << "10 lines, 5 per page";
    ASSERT_EQ(1u, t.view.m_scroll.size()) << "one scroll-bar update";
    EXPECT_EQ(5, t.view.m_scroll[0].nPos) << "position of the clamped top line";
    EXPECT_EQ(5, t.view.m_scroll[0].nPage) << "page = lines per page";
    EXPECT_EQ(9, t.view.m_scroll[0].nMax) << "range up to the last of 10 lines";
    t.model.SetFirstVisibleLine(-3);
    EXPECT_EQ(0, t.model.GetTopLine()) << "never above line 0";

    t.Select({9}, true);
    EXPECT_EQ(5, t.model.GetTopLine()) << "the last item shows lines 5 to 9";
    EXPECT_TRUE(t.model.IsLineVisible(9)) << "line 9 shown";
    EXPECT_TRUE(t.model.IsLineVisible(5)) << "line 5 shown";
    EXPECT_FALSE(t.model.IsLineVisible(4)) << "line 4 above the page";
    EXPECT_EQ((IntPath{9}), t.Selection()) << "the last item is selected";

    t.view.Reset();
    t.Select({6}, true);
    EXPECT_EQ(5, t.model.GetTopLine()) << "a visible item does not scroll";
    EXPECT_TRUE(t.view.m_scroll.empty()) << "no scrolling for a visible item";
    EXPECT_EQ(1, t.view.m_nRedraws) << "selecting redraws";

    t.Select({2}, true);
    EXPECT_EQ(2, t.model.GetTopLine()) << "an item above the page becomes the top line";
    t.Select({3}, false);
    EXPECT_EQ(2, t.model.GetTopLine()) << "without ensure-visible nothing scrolls";
}

TEST(TreeModelPaging, FewerLinesThanAPageKeepTheTopAtZero)
{
    Harness t(5);
    t.Start(3);
    t.model.SetFirstVisibleLine(2);
    EXPECT_EQ(0, t.model.GetTopLine()) << "three lines fit on one page";
}

TEST(TreeModelExpand, ExpandAsksOnceAndRedrawsOnlyOnChange)
{
    Harness t;
    t.Start(3);
    t.Open({0}, 3);
    EXPECT_EQ(1, t.view.m_nRedraws) << "expanding redraws once";
    ASSERT_EQ(1u, t.view.m_scroll.size()) << "expanding sets the scroll bar once";
    EXPECT_EQ(5, t.view.m_scroll[0].nMax) << "three roots and three children";
    EXPECT_EQ(-1, t.view.m_scroll[0].nPos) << "expanding leaves the position alone";

    t.view.Reset();
    t.Expand({0});
    EXPECT_EQ(0, t.view.m_nRedraws) << "an expanded node is not drawn again";
    EXPECT_TRUE(t.view.m_scroll.empty()) << "no scroll-bar update either";
    EXPECT_EQ(1u, t.owner.m_expanded.size()) << "the owner was asked only the first time";
}

TEST(TreeModelExpand, OwnerAnswersDecideTheChildCount)
{
    struct Case
    {
        int nAnswer;
        int nChildrenAfter;
        int nTotalAfter;
        int nRedraws;
    };
    // Zero makes a leaf; a negative answer tells nothing and leaves the item to be asked again.
    const Case cases[] = {{4, 4, 7, 1}, {0, 0, 3, 1}, {-1, -1, 3, 1}, {-7, -1, 3, 1}};
    for (const Case& c : cases)
    {
        Harness t;
        t.Start(3);
        t.Open({1}, c.nAnswer);
        SCOPED_TRACE("answer " + std::to_string(c.nAnswer));
        EXPECT_EQ(c.nChildrenAfter, t.Children({1})) << "child count after the answer";
        EXPECT_EQ(c.nTotalAfter, t.model.GetTotalLines()) << "total lines after the answer";
        EXPECT_EQ(c.nRedraws, t.view.m_nRedraws) << "expanding redraws once whatever the answer";
        t.Expand({1});
        const size_t nAsked = c.nAnswer < 0 ? 2 : 1;
        EXPECT_EQ(nAsked, t.owner.m_expanded.size()) << "asked again only when not told";
    }
}

TEST(TreeModelExpand, NoOwnerNoExpansion)
{
    QvoTreeModel model;
    model.SetNumRootItems(2);
    IntPath root{0};
    model.Expand(PathOf(root));
    int n;
    bool bExpanded;
    ASSERT_TRUE(model.GetNodeState(PathOf(root), n, bExpanded)) << "root 0 is in the tree";
    EXPECT_EQ(-1, n) << "without an owner nobody can tell the children";
    EXPECT_EQ(2, model.GetTotalLines()) << "two roots, nothing expanded";
}

TEST(TreeModelExpand, OwnerRebuildingTheTreeWhileAsked)
{
    Harness t;
    t.Start(3);
    t.owner.m_counts[{2}] = 5;
    t.owner.m_onExpanding = [&] { t.model.SetNumRootItems(1); };
    t.Expand({2});
    EXPECT_EQ(1, t.model.GetNumRootItems()) << "the tree is as the owner left it";
    EXPECT_EQ(1, t.model.GetTotalLines()) << "one fresh root left";
    EXPECT_EQ(-1, t.Children({0})) << "the remaining root was never asked";
}

TEST(TreeModelDelete, DeletingRemovesTheItemAndItsShownLines)
{
    Harness t;
    t.Start(3);
    t.Open({0}, 3);
    t.Open({0, 1}, 2);
    t.Select({2});
    t.view.Reset();
    ASSERT_EQ(8, t.model.GetTotalLines()) << "three roots, three children, two grandchildren";

    t.Delete({0, 1});
    EXPECT_EQ(5, t.model.GetTotalLines()) << "the item and its two shown children";
    EXPECT_EQ(2, t.Children({0})) << "root 0 keeps two children";
    EXPECT_EQ(2, t.Line({0, 1})) << "the later sibling moved up";
    EXPECT_TRUE(t.Selection().empty()) << "deleting clears the selection";
    EXPECT_EQ(1, t.view.m_nRedraws) << "deleting redraws once";
    ASSERT_EQ(1u, t.view.m_scroll.size()) << "deleting sets the scroll bar once";
    EXPECT_EQ(4, t.view.m_scroll[0].nMax) << "range up to the last of 5 lines";
    EXPECT_EQ(0, t.view.m_scroll[0].nPos) << "the position is set too";

    t.Collapse({0});
    t.Delete({0});
    EXPECT_EQ(2, t.model.GetTotalLines()) << "a collapsed item takes one line with it";
    EXPECT_EQ(-1, t.Children({0})) << "former root 1 moved to 0";
}

TEST(TreeModelDelete, DeletingNearTheEndPullsTheTopLineBack)
{
    Harness t(5);
    t.Start(10);
    t.model.SetFirstVisibleLine(5);
    t.Delete({9});
    EXPECT_EQ(4, t.model.GetTopLine()) << "9 lines, 5 per page";
}

TEST(TreeModelSwap, SwapExchangesWholeSubtrees)
{
    Harness t;
    t.Start(3);
    t.Open({0}, 2);
    t.Select({1});
    t.view.Reset();
    IntPath first{0};
    t.model.Swap(PathOf(first), 2);
    EXPECT_EQ(5, t.model.GetTotalLines()) << "swapping moves lines, it adds none";
    EXPECT_EQ(2, t.Children({2})) << "the expanded root went to place 2";
    EXPECT_EQ(-1, t.Children({0})) << "the fresh root came to place 0";
    EXPECT_EQ(2, t.Line({2})) << "root 2 after two single-line roots";
    EXPECT_EQ(4, t.Line({2, 1})) << "its second child";
    EXPECT_TRUE(t.Selection().empty()) << "swapping clears the selection";
    EXPECT_EQ(1, t.view.m_nRedraws) << "swapping redraws once";

    t.Open({2, 1}, 3);
    IntPath child{2, 1};
    t.model.Swap(PathOf(child), 0);
    EXPECT_EQ(3, t.Children({2, 0})) << "the expanded child moved to place 0";
    EXPECT_EQ(4, t.Line({2, 0, 0})) << "the expanded child moved to the front";
    EXPECT_EQ(7, t.Line({2, 1})) << "the other child follows its three shown children";
}

TEST(TreeModelCollapse, CollapsingWhileScrolledToTheEndFillsTheLastPage)
{
    Harness t(5);
    t.Start(8);
    t.Open({7}, 10);
    t.model.SetFirstVisibleLine(13);
    ASSERT_EQ(13, t.model.GetTopLine()) << "scrolled to the end: 18 lines, 5 per page";
    t.view.Reset();
    t.Collapse({7});
    EXPECT_EQ(8, t.model.GetTotalLines()) << "the ten children are hidden";
    EXPECT_EQ(3, t.model.GetTopLine()) << "8 lines, 5 per page";
    ASSERT_EQ(1u, t.view.m_scroll.size()) << "collapsing sets the scroll bar once";
    EXPECT_EQ(3, t.view.m_scroll[0].nPos) << "position of the clamped top line";
    EXPECT_FALSE(t.Expanded({7})) << "root 7 is collapsed";
    EXPECT_EQ(10, t.Children({7})) << "collapsing keeps the children";
}

TEST(TreeModelLeaf, OwnerSayingNoChildrenMakesALeaf)
{
    Harness t;
    t.Start(3);
    IntPath never{1};
    t.model.SetNoChildren(PathOf(never));
    EXPECT_EQ(0, t.Children({1})) << "the never-asked root became a leaf";
    t.Open({0}, 4);
    IntPath root{0};
    t.model.SetNoChildren(PathOf(root));
    EXPECT_EQ(0, t.Children({0})) << "the expanded root became a leaf";
    EXPECT_EQ(3, t.model.GetTotalLines()) << "the children shown before are gone";
}

TEST_F(TreeModelTest, SelectionIsCopiedOutAndIn)
{
    t.Start(4);
    CoItemPath none;
    none.m_iCount = 9;
    t.model.GetSelection(none);
    EXPECT_EQ(0, none.m_iCount) << "no selection: 0 and null";
    EXPECT_EQ(nullptr, none.m_piIndex) << "no selection: null";

    IntPath chosen{3};
    t.model.SetSelection(PathOf(chosen), false);
    chosen[0] = 1;
    EXPECT_EQ((IntPath{3}), t.Selection()) << "the tree keeps its own copy";
    CoItemPath copy;
    t.model.GetSelection(copy);
    copy.m_piIndex[0] = 0;
    EXPECT_EQ((IntPath{3}), t.Selection()) << "the caller's copy is its own";
    QvoTreeWnd::FreeItemPath(copy);

    t.Select({});
    EXPECT_FALSE(t.model.HasSelection()) << "an empty path selects nothing";
}

TEST(TreeModelHiddenChanges, LinesBelowACollapsedNodeAreNotCounted)
{
    // Changes below a collapsed node change no visible line; counting them would leave the
    // total off by one for good once the node is expanded and collapsed again.
    Harness t;
    t.Start(3);
    t.Open({0}, 2);
    t.Collapse({0});
    ASSERT_EQ(3, t.model.GetTotalLines()) << "three roots after collapsing root 0";

    t.Insert({0, 0});
    EXPECT_EQ(3, t.model.GetTotalLines()) << "insertion under a collapsed root";
    t.Expand({0});
    EXPECT_EQ(6, t.model.GetTotalLines()) << "the three children counted once";
    t.Collapse({0});
    t.Delete({0, 2});
    EXPECT_EQ(3, t.model.GetTotalLines()) << "deletion under a collapsed root";
    t.Open({0, 1}, 4);
    EXPECT_EQ(3, t.model.GetTotalLines()) << "expansion under a collapsed root";
    t.Expand({0});
    EXPECT_EQ(9, t.model.GetTotalLines()) << "3 roots, 2 children, 4 grandchildren";
    EXPECT_EQ(8, t.Line({2}))
        << "root 2 after root 0, its 2 children and 4 grandchildren, and root 1";
}

TEST(TreeModelPaths, PathsOutsideTheTreeAreIgnored)
{
    Harness t;
    t.Start(3);
    t.Open({0}, 2);
    t.Select({1});
    const IntPath bad[] = {{5}, {-2}, {3, 0}, {0, 3}, {0, -2}, {1, 0, 0}, {0, 0, 0, 0}, {}};
    for (IntPath path : bad)
    {
        t.view.Reset();
        t.Insert(path, QvoTreeWnd::m_iFRefresh);
        t.Delete(path);
        t.Expand(path);
        t.Collapse(path);
        t.model.Swap(PathOf(path), 0);
        SCOPED_TRACE(PathText(path));
        EXPECT_EQ(-1, t.Line(path)) << "a path outside the tree is on no line";
        EXPECT_EQ(5, t.model.GetTotalLines()) << "three roots and two children, as before";
        EXPECT_EQ(2, t.Children({0})) << "root 0 keeps its two children";
        EXPECT_EQ((IntPath{1}), t.Selection()) << "nothing happened, so nothing was cleared";
        EXPECT_EQ(0, t.view.m_nRedraws) << "nothing was drawn again";
    }
    IntPath child{0, 0};
    for (int iBadIndex : {-1, 2, 100})
    {
        t.model.Swap(PathOf(child), iBadIndex);
        EXPECT_EQ((IntPath{1}), t.Selection()) << "swap with sibling " << iBadIndex;
    }
}
