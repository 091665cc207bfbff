// The "QVTREE" window class: registered by the library, usable from a dialog template, where
// the control makes its own tree object, found again with GetQvoTreeWnd.
#include "FakeTreeParent.h"
#include "TreeTestIds.h"
#include "tests/common/VisibleHostWindow.h"
#include "tests/framework/GdiTestSupport.h"

#include <gtest/gtest.h>

#include <string.h>

TEST(TreeWindowClass, TheLibraryRegistersItWhenItLoads)
{
    WNDCLASSA wndcls = {};
    ASSERT_TRUE(::GetClassInfoA(FQvTGetModuleHandle(), "QVTREE", &wndcls));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS | CS_GLOBALCLASS), wndcls.style);
    EXPECT_EQ(::GetStockObject(LTGRAY_BRUSH), wndcls.hbrBackground);
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), wndcls.hCursor) << "the arrow";
    EXPECT_EQ(nullptr, wndcls.hIcon);
    EXPECT_EQ(nullptr, wndcls.lpszMenuName);
    EXPECT_EQ(0, wndcls.cbWndExtra);
    EXPECT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), "QVTREE", &wndcls))
        << "a global class: every module of the process finds it";
    EXPECT_FALSE(QvoTreeWnd::RegisterWndClass(FQvTGetModuleHandle())) << "only once";
}

TEST(TreeWindowClass, AControlOfADialogTemplateMakesItsOwnTreeObject)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TREE_DIALOG, &VisibleHostWindow()));
    CWnd* pControl = dialog.GetDlgItem(IDC_TREE);
    ASSERT_NE(nullptr, pControl);
    QvoTreeWnd* pTree = QvoTreeWnd::GetQvoTreeWnd(pControl);
    ASSERT_NE(nullptr, pTree) << "the control answers with its object";
    EXPECT_EQ(pControl->m_hWnd, pTree->m_hWnd);
    EXPECT_EQ(pTree, CWnd::FromHandlePermanent(pControl->m_hWnd)) << "attached for good";
    EXPECT_EQ(pTree, QvoTreeWnd::GetQvoTreeWnd(pControl)) << "the same object every time";

    // It was created like any tree: both scroll bars are there.
    char className[32] = "";
    for (int nID : {101, 102})
    {
        HWND hBar = ::GetDlgItem(pTree->m_hWnd, nID);
        ASSERT_NE(nullptr, hBar) << "scroll bar " << nID;
        ::GetClassNameA(hBar, className, sizeof(className));
        EXPECT_STRCASEEQ("ScrollBar", className);
    }

    FakeTreeParent owner;
    pTree->SetParent(&owner);
    pTree->SetNumRootItems(4);
    pTree->DataValid();
    pTree->UpdateWindow();
    EXPECT_EQ(4u, owner.m_got.size()) << "it paints its four roots";

    dialog.DestroyWindow();
    EXPECT_FALSE(IsHeapBlockInUse(pTree)) << "the object went with its window";
}

TEST(TreeWindowClass, GetQvoTreeWndAnswersOnlyForTrees)
{
    QvoTreeWnd tree;
    ASSERT_TRUE(
        tree.Create("QVTREE", "", WS_CHILD, CRect(0, 0, 100, 100), &VisibleHostWindow(), 7));
    EXPECT_EQ(&tree, QvoTreeWnd::GetQvoTreeWnd(&tree)) << "a tree made by the program";

    CButton button;
    ASSERT_TRUE(button.Create("Other", WS_CHILD, CRect(0, 0, 50, 20), &VisibleHostWindow(), 8));
    EXPECT_EQ(nullptr, QvoTreeWnd::GetQvoTreeWnd(&button));
    EXPECT_EQ(nullptr, QvoTreeWnd::GetQvoTreeWnd(nullptr));
    CWnd empty;
    EXPECT_EQ(nullptr, QvoTreeWnd::GetQvoTreeWnd(&empty));

    // Destroying the window of a program's tree leaves the object to the program.
    QvoTreeWnd* pTree = new QvoTreeWnd;
    ASSERT_TRUE(
        pTree->Create("QVTREE", "", WS_CHILD, CRect(0, 0, 100, 100), &VisibleHostWindow(), 9));
    pTree->DestroyWindow();
    EXPECT_TRUE(IsHeapBlockInUse(pTree)) << "not deleted by its window";
    delete pTree;
}
