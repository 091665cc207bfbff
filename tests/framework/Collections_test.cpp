#include <afxcoll.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace
{
void* Item(INT_PTR n)
{
    return reinterpret_cast<void*>(n);
}

std::vector<INT_PTR> Forward(const CPtrList& list)
{
    std::vector<INT_PTR> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(reinterpret_cast<INT_PTR>(list.GetNext(pos)));
    return items;
}

std::vector<INT_PTR> Backward(const CPtrList& list)
{
    std::vector<INT_PTR> items;
    for (POSITION pos = list.GetTailPosition(); pos;)
        items.push_back(reinterpret_cast<INT_PTR>(list.GetPrev(pos)));
    return items;
}
} // namespace

TEST(CPtrList, KeepsOrderAcrossManyBlocks)
{
    CPtrList list(10);
    for (INT_PTR i = 1; i <= 25; ++i)
        list.AddTail(Item(i));
    list.AddHead(Item(0));
    ASSERT_EQ(26, list.GetCount());
    std::vector<INT_PTR> expected;
    for (INT_PTR i = 0; i <= 25; ++i)
        expected.push_back(i);
    EXPECT_EQ(expected, Forward(list));
    EXPECT_EQ(std::vector<INT_PTR>(expected.rbegin(), expected.rend()), Backward(list));
    EXPECT_EQ(Item(0), list.GetHead());
    EXPECT_EQ(Item(25), list.GetTail());
}

TEST(CPtrList, RemoveAtWhileWalkingKeepsTheRestLinked)
{
    CPtrList list;
    for (INT_PTR i = 0; i < 12; ++i)
        list.AddTail(Item(i % 3));
    // The pattern of the glue's Detach: take the next position before removing the current one.
    for (POSITION pos = list.GetHeadPosition(); pos;)
    {
        POSITION current = pos;
        if (list.GetNext(pos) == Item(1))
            list.RemoveAt(current);
    }
    EXPECT_EQ((std::vector<INT_PTR>{0, 2, 0, 2, 0, 2, 0, 2}), Forward(list));
    EXPECT_EQ((std::vector<INT_PTR>{2, 0, 2, 0, 2, 0, 2, 0}), Backward(list));

    EXPECT_EQ(Item(0), list.RemoveHead());
    EXPECT_EQ(Item(2), list.RemoveTail());
    EXPECT_EQ(6, list.GetCount());
    while (!list.IsEmpty())
        list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.GetTailPosition());
    list.AddTail(Item(7));
    EXPECT_EQ((std::vector<INT_PTR>{7}), Forward(list)) << "usable again after emptying";
}

TEST(CPtrList, FindStartsAfterTheGivenPosition)
{
    CPtrList list;
    const POSITION first = list.AddTail(Item(5));
    list.AddTail(Item(6));
    const POSITION second = list.AddTail(Item(5));
    EXPECT_EQ(first, list.Find(Item(5)));
    EXPECT_EQ(second, list.Find(Item(5), first));
    EXPECT_EQ(nullptr, list.Find(Item(5), second));
    EXPECT_EQ(nullptr, list.Find(Item(9)));
    list.SetAt(second, Item(9));
    EXPECT_EQ(Item(9), list.GetAt(list.Find(Item(9))));
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.Find(Item(6)));
}

TEST(CPtrArray, AddRemoveAndBounds)
{
    CPtrArray array;
    for (INT_PTR i = 0; i < 6; ++i)
        EXPECT_EQ(i, array.Add(Item(i * 10)));
    array.RemoveAt(1, 2);
    ASSERT_EQ(4, array.GetSize());
    EXPECT_EQ(3, array.GetUpperBound());
    EXPECT_EQ(Item(0), array[0]);
    EXPECT_EQ(Item(30), array.GetAt(1));
    array[1] = Item(31);
    EXPECT_EQ(Item(31), array.GetAt(1));
    EXPECT_THROW(array.GetAt(4), std::out_of_range);
    EXPECT_THROW(array.SetAt(-1, nullptr), std::out_of_range);
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}
