// Classes: JSiblingList, QvoTreeWnd::JNode (internal to the tree family)
#pragma once

#include "toolkit/tree/QvTree.h"

// The members of one sibling list in order, each with a weight: the number of lines it takes,
// its own plus its visible descendants. A counted B+ tree: every block entry carries the number
// of members and the weight beneath it, so that lookups by position, sums of the weights before
// a position, insertions and removals visit one block per level, O(log n) with a small base.
// A never-asked member has no node record: its entry holds null and weight 1.
class JSiblingList
{
public:
    typedef QvoTreeWnd::JNode JNode;

    JSiblingList() = default;
    ~JSiblingList() { Clear(); }
    JSiblingList(const JSiblingList&) = delete;
    JSiblingList& operator=(const JSiblingList&) = delete;

    // Frees the blocks; the nodes belong to the caller, who deletes them first.
    void Clear();
    // Makes the list n never-asked members. False when memory ran out; the list is then empty.
    bool Assign(int n);

    int GetCount() const { return m_iCount; }
    int GetTotal() const { return m_iTotal; }

    // Positions are trusted: 0 <= i < GetCount() (InsertAt also takes GetCount()).
    JNode* GetAt(int i) const;
    void SetAt(int i, JNode* pNode);
    int GetWeight(int i) const;
    // Sum of the weights of members 0 to i - 1.
    int GetPrefix(int i) const;
    // Adds delta to member i's weight and returns the member.
    JNode* AddWeight(int i, int iDelta);
    // False, with the list unchanged, when memory for a new block ran out.
    bool InsertAt(int i, JNode* pNode, int iWeight);
    JNode* RemoveAt(int i, int& iWeight);
    void Swap(int i, int j);
    // The member whose lines hold line (0 <= line < GetTotal()); iOffset receives the line's
    // place among them, 0 for the member's own line.
    int FindLine(int iLine, int& iOffset) const;

    // Calls f(JNode*) for every member in order.
    template <class F> void ForEach(F f) const
    {
        if (m_pRoot)
            ForEachIn(m_pRoot, m_iHeight, f);
    }

private:
    // Blocks hold at most kMax entries and, except the root, at least kMin. One extra place
    // lets a block overflow by one before it is split.
    enum
    {
        kMax = 32,
        kMin = kMax / 2,
        kMaxHeight = 32
    };

    struct JBlock
    {
        int m_n;
        int m_iCnt[kMax + 1];   // members beneath each entry (1 at height 0)
        int m_iSum[kMax + 1];   // weight beneath each entry
        void* m_pKid[kMax + 1]; // child blocks, or JNode pointers at height 0
    };

    template <class F> static void ForEachIn(const JBlock* pBlock, int iHeight, F& f)
    {
        for (int k = 0; k < pBlock->m_n; ++k)
        {
            if (iHeight == 0)
                f(static_cast<JNode*>(pBlock->m_pKid[k]));
            else
                ForEachIn(static_cast<const JBlock*>(pBlock->m_pKid[k]), iHeight - 1, f);
        }
    }

    static JBlock* NewBlock();
    static void FreeBlocks(JBlock* pBlock, int iHeight);
    static void BlockTotals(const JBlock* pBlock, int& iCnt, int& iSum);
    static void PutEntry(JBlock* pBlock, int k, void* pKid, int iCnt, int iSum);
    static void DropEntry(JBlock* pBlock, int k);
    JBlock* InsertIn(JBlock* pBlock, int iHeight, int i, JNode* pNode, int iWeight,
                     JBlock*** pppSpare);
    void* RemoveIn(JBlock* pBlock, int iHeight, int i, int& iWeight);
    static void Rebalance(JBlock* pBlock, int k);

    JBlock* m_pRoot = nullptr;
    int m_iHeight = 0; // 0: the root block holds the members themselves
    int m_iCount = 0;
    int m_iTotal = 0;
};

// A node the owner has been asked about. Its child count is the length of its list (0 for a
// leaf); a node never asked has no record at all.
struct QvoTreeWnd::JNode
{
    JSiblingList m_children;
    int m_bExpanded = 0;

    // Lines the node takes: its own, plus its children's while it shows them.
    int GetWeight() const { return 1 + (m_bExpanded ? m_children.GetTotal() : 0); }
};
