// Item paths and callback records: who owns the index array, and what each copy shares.
#include "FakeTreeParent.h"

#include <gtest/gtest.h>

typedef QvoTreeWnd::CoItemPath CoItemPath;
typedef QvoTreeWnd::JItemPathAuto JItemPathAuto;
typedef QvoTreeWnd::JItemPathBuilder JItemPathBuilder;

TEST(CoItemPath, CopiesShareTheArray)
{
    int indices[] = {2, 5};
    CoItemPath path(2, indices);
    CoItemPath copy = path;
    CoItemPath assigned;
    EXPECT_EQ(0, assigned.m_iCount) << "default path has no levels";
    EXPECT_EQ(nullptr, assigned.m_piIndex) << "default path has no array";
    assigned = path;
    EXPECT_EQ(indices, copy.m_piIndex) << "copy keeps the caller's array";
    EXPECT_EQ(indices, assigned.m_piIndex) << "assignment keeps the caller's array";
    EXPECT_EQ(2, assigned.m_iCount) << "assignment copies the count";
}

TEST(CoItemPath, FreeItemPathReleasesAndClearsThePointer)
{
    CoItemPath path(3, new int[3]{1, 2, 3});
    QvoTreeWnd::FreeItemPath(path);
    EXPECT_EQ(nullptr, path.m_piIndex) << "a freed path must not point at the freed array";
    EXPECT_EQ(3, path.m_iCount) << "the count is left as it was";
    QvoTreeWnd::FreeItemPath(path); // freeing again is harmless once the pointer is null
}

TEST(JItemPathAuto, FreedByHandThenDestroyedFreesOnce)
{
    JItemPathAuto path;
    path.m_iCount = 2;
    path.m_piIndex = new int[2]{4, 7};
    QvoTreeWnd::FreeItemPath(path);
    EXPECT_EQ(nullptr, path.m_piIndex) << "the destructor must find nothing left to free";
}

TEST(JItemPathAuto, CopiesOwnTheirOwnArrays)
{
    JItemPathAuto original;
    original.m_iCount = 3;
    original.m_piIndex = new int[3]{1, 2, 3};

    JItemPathAuto copied(original);
    JItemPathAuto assigned;
    assigned = original;
    original.m_piIndex[1] = 99;

    ASSERT_NE(original.m_piIndex, copied.m_piIndex) << "copy construction must not share";
    ASSERT_NE(original.m_piIndex, assigned.m_piIndex) << "assignment must not share";
    EXPECT_EQ((IntPath{1, 2, 3}), ToVector(copied)) << "copy keeps the indices of its source";
    EXPECT_EQ((IntPath{1, 2, 3}), ToVector(assigned))
        << "assignment keeps the indices of its source";

    assigned = assigned; // self-assignment keeps the indices
    EXPECT_EQ((IntPath{1, 2, 3}), ToVector(assigned)) << "self-assignment keeps the indices";
}

TEST(JItemPathBuilder, GrowsFourPlacesAtATimeKeepingEveryLevel)
{
    JItemPathBuilder path;
    EXPECT_EQ(0, path.m_iCount) << "a new builder has no levels";
    EXPECT_EQ(4, path.m_iCapacity) << "a new builder has room for four levels";
    IntPath expected;
    for (int level = 0; level < 11; ++level)
    {
        ASSERT_TRUE(path.AddLevel(level * 10)) << "level " << level;
        expected.push_back(level * 10);
    }
    EXPECT_EQ(12, path.m_iCapacity) << "4 + 4 + 4 places for 11 levels";
    EXPECT_EQ(expected, ToVector(path)) << "levels copied across every reallocation";
}

TEST(JItemPathBuilder, FromPathCopiesWithFourSpare)
{
    int indices[] = {3, 1, 4};
    JItemPathBuilder path(CoItemPath(3, indices));
    EXPECT_NE(indices, path.m_piIndex) << "the builder owns a copy";
    EXPECT_EQ(7, path.m_iCapacity) << "count + 4";
    ASSERT_TRUE(path.AddLevel(1)) << "growing a copied path";
    EXPECT_EQ((IntPath{3, 1, 4, 1}), ToVector(path)) << "the copy grows after its last index";
    EXPECT_EQ((IntPath{3, 1, 4}), IntPath(indices, indices + 3)) << "the source is untouched";
}

TEST(JItemPathBuilder, CopiesGrowIndependently)
{
    JItemPathBuilder original;
    for (int i = 0; i < 4; ++i)
        original.AddLevel(i);

    JItemPathBuilder copied(original);
    JItemPathBuilder assigned;
    assigned.AddLevel(42);
    assigned = original;

    // The copies are full; growing one must not touch the others.
    ASSERT_TRUE(copied.AddLevel(100)) << "growing the copy";
    ASSERT_TRUE(assigned.AddLevel(200)) << "growing the assigned path";
    original.m_piIndex[0] = -5;
    EXPECT_EQ((IntPath{0, 1, 2, 3, 100}), ToVector(copied)) << "the copy has its own array";
    EXPECT_EQ((IntPath{0, 1, 2, 3, 200}), ToVector(assigned))
        << "the assigned path has its own array";
    EXPECT_EQ((IntPath{-5, 1, 2, 3}), ToVector(original))
        << "the original is changed only by its own write";
}

TEST(JItemPathBuilder, AddLevelAfterTheArrayWasFreed)
{
    JItemPathBuilder path;
    path.AddLevel(1);
    QvoTreeWnd::FreeItemPath(path);
    path.m_iCount = 0;
    ASSERT_TRUE(path.AddLevel(6)) << "a builder whose array was freed allocates a new one";
    EXPECT_EQ((IntPath{6}), ToVector(path)) << "the new array holds the new level";
}

TEST(TreeRecords, ConstructorsSetTheDocumentedDefaults)
{
    QvoTreeWnd::CoGetItem item;
    EXPECT_EQ(-1, item.m_iImage) << "no image until the owner names one";
    EXPECT_EQ(-1, item.m_iHasChildren) << "-1: the owner has not told";
    EXPECT_TRUE(item.m_strText.IsEmpty()) << "no text until the owner gives one";
    EXPECT_EQ(0, item.m_path.m_iCount) << "no path until the window sets one";

    int indices[] = {0, 3};
    QvoTreeWnd::CoItemSelected selected(2, indices);
    EXPECT_EQ(indices, selected.m_path.m_piIndex) << "the record borrows the caller's array";
    EXPECT_FALSE(selected.m_bDblClk) << "a single click until the window says otherwise";
    EXPECT_TRUE(selected.m_bUser) << "selections reported by the window come from the user";

    QvoTreeWnd::CoExpanding expanding;
    EXPECT_EQ(0, expanding.m_iNumChildren) << "an owner that does not answer reports no children";
}

TEST(TreeRecords, CoGetItemCopiesItsText)
{
    QvoTreeWnd::CoGetItem item;
    item.m_strText = "Chapter";
    item.m_iImage = 3;
    QvoTreeWnd::CoGetItem copied(item);
    QvoTreeWnd::CoGetItem assigned;
    assigned = item;
    item.m_strText = "changed";
    EXPECT_STREQ("Chapter", copied.m_strText) << "copy construction copies the text";
    EXPECT_STREQ("Chapter", assigned.m_strText) << "assignment copies the text";
    EXPECT_EQ(3, assigned.m_iImage) << "assignment copies the image";
}

TEST(TreeRecords, DefaultOwnerLeavesRecordsAlone)
{
    QvoTreeWnd::JTreeParent owner;
    QvoTreeWnd::CoGetItem item;
    owner.JTPGetItem(item);
    QvoTreeWnd::CoExpanding expanding;
    expanding.m_iNumChildren = 7;
    owner.JTPExpanding(expanding);
    int index = 0;
    QvoTreeWnd::CoItemSelected selected(1, &index);
    owner.JTPItemSelected(selected);
    EXPECT_EQ(-1, item.m_iHasChildren) << "the default owner tells nothing about children";
    EXPECT_TRUE(item.m_strText.IsEmpty()) << "the default owner gives no text";
    EXPECT_EQ(7, expanding.m_iNumChildren) << "the default owner leaves the count alone";
    EXPECT_FALSE(selected.m_bDblClk) << "the default owner leaves the flags alone";
}
