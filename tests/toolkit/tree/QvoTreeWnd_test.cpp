// The tree object before it has a window: it draws nothing but keeps lines and selection.
#include "FakeTreeParent.h"

#include <gtest/gtest.h>

TEST(QvoTreeWnd, WorksWithoutAWindow)
{
    QvoTreeWnd tree;
    FakeTreeParent owner;
    owner.m_counts[{1}] = 3;
    tree.SetParent(&owner);
    tree.SetNumRootItems(3);
    tree.DataValid();

    IntPath root1{1};
    tree.Expand(QvoTreeWnd::CoItemPath(1, root1.data()));
    ASSERT_EQ(1u, owner.m_expanded.size()) << "the owner is asked for root 1's children";
    EXPECT_EQ((IntPath{1}), owner.m_expanded[0]) << "the path handed to the owner";

    IntPath child{1, -1};
    tree.InsertItem(PathOf(child), QvoTreeWnd::m_iFSelect | QvoTreeWnd::m_iFRefresh);
    QvoTreeWnd::CoItemPath selection;
    tree.GetSelection(selection);
    EXPECT_EQ((IntPath{1, 3}), ToVector(selection)) << "appended as the fourth child";
    QvoTreeWnd::FreeItemPath(selection);

    IntPath root2{2};
    EXPECT_EQ(6, tree.GetLineNumber(PathOf(root2))) << "root 2 after root 1's four children";
    EXPECT_EQ(0, tree.GetNumVisibleLines()) << "no window, no lines per page";
    EXPECT_FALSE(tree.IsLineVisible(0)) << "nothing is visible without a window";

    tree.SetSelection(PathOf(root2), true);
    tree.SetFirstVisibleLine(3);
    tree.Swap(PathOf(root1), 0);
    IntPath firstChild{0, 0};
    EXPECT_EQ(1, tree.GetLineNumber(PathOf(firstChild)))
        << "root 1 and its children moved to the front";
    tree.DeleteItem(PathOf(root2));
    IntPath last{1};
    EXPECT_EQ(5, tree.GetLineNumber(PathOf(last))) << "the last root after deleting old root 2";
    tree.TracePrintTree("");
    tree.Test();
}
