// The counted B+ tree behind every sibling list of the tree.
#include "toolkit/tree/JSiblingList.h"

#include <string.h>

#include <new>

JSiblingList::JBlock* JSiblingList::NewBlock()
{
    JBlock* pBlock = new (std::nothrow) JBlock;
    if (pBlock)
        pBlock->m_n = 0;
    return pBlock;
}

void JSiblingList::FreeBlocks(JBlock* pBlock, int iHeight)
{
    if (iHeight > 0)
    {
        for (int k = 0; k < pBlock->m_n; ++k)
            FreeBlocks(static_cast<JBlock*>(pBlock->m_pKid[k]), iHeight - 1);
    }
    delete pBlock;
}

void JSiblingList::Clear()
{
    if (m_pRoot)
        FreeBlocks(m_pRoot, m_iHeight);
    m_pRoot = nullptr;
    m_iHeight = 0;
    m_iCount = 0;
    m_iTotal = 0;
}

void JSiblingList::BlockTotals(const JBlock* pBlock, int& iCnt, int& iSum)
{
    iCnt = 0;
    iSum = 0;
    for (int k = 0; k < pBlock->m_n; ++k)
    {
        iCnt += pBlock->m_iCnt[k];
        iSum += pBlock->m_iSum[k];
    }
}

void JSiblingList::PutEntry(JBlock* pBlock, int k, void* pKid, int iCnt, int iSum)
{
    const int nAfter = pBlock->m_n - k;
    memmove(pBlock->m_iCnt + k + 1, pBlock->m_iCnt + k, nAfter * sizeof(int));
    memmove(pBlock->m_iSum + k + 1, pBlock->m_iSum + k, nAfter * sizeof(int));
    memmove(pBlock->m_pKid + k + 1, pBlock->m_pKid + k, nAfter * sizeof(void*));
    pBlock->m_iCnt[k] = iCnt;
    pBlock->m_iSum[k] = iSum;
    pBlock->m_pKid[k] = pKid;
    ++pBlock->m_n;
}

void JSiblingList::DropEntry(JBlock* pBlock, int k)
{
    const int nAfter = pBlock->m_n - k - 1;
    memmove(pBlock->m_iCnt + k, pBlock->m_iCnt + k + 1, nAfter * sizeof(int));
    memmove(pBlock->m_iSum + k, pBlock->m_iSum + k + 1, nAfter * sizeof(int));
    memmove(pBlock->m_pKid + k, pBlock->m_pKid + k + 1, nAfter * sizeof(void*));
    --pBlock->m_n;
}

bool JSiblingList::Assign(int n)
{
    Clear();
    if (n <= 0)
        return true;

    // Members are spread evenly, so that every block but a lone root holds at least kMin.
    int nBlocks = (n + kMax - 1) / kMax;
    JBlock** ppLevel = new (std::nothrow) JBlock*[nBlocks];
    if (!ppLevel)
        return false;
    for (int b = 0; b < nBlocks; ++b)
    {
        JBlock* pBlock = NewBlock();
        if (!pBlock)
        {
            for (int f = 0; f < b; ++f)
                FreeBlocks(ppLevel[f], 0);
            delete[] ppLevel;
            return false;
        }
        const int nSize = n / nBlocks + (b < n % nBlocks ? 1 : 0);
        for (int k = 0; k < nSize; ++k)
        {
            pBlock->m_iCnt[k] = 1;
            pBlock->m_iSum[k] = 1;
            pBlock->m_pKid[k] = nullptr;
        }
        pBlock->m_n = nSize;
        ppLevel[b] = pBlock;
    }

    int iHeight = 0;
    while (nBlocks > 1)
    {
        const int nParents = (nBlocks + kMax - 1) / kMax;
        JBlock** ppUp = new (std::nothrow) JBlock*[nParents];
        bool bFailed = !ppUp;
        int iKid = 0;
        for (int b = 0; !bFailed && b < nParents; ++b)
        {
            JBlock* pBlock = NewBlock();
            if (!pBlock)
            {
                // The parents made so far are freed alone; their children are still listed
                // in ppLevel and freed with it.
                for (int f = 0; f < b; ++f)
                    delete ppUp[f];
                bFailed = true;
                break;
            }
            const int nSize = nBlocks / nParents + (b < nBlocks % nParents ? 1 : 0);
            for (int k = 0; k < nSize; ++k, ++iKid)
            {
                int iCnt, iSum;
                BlockTotals(ppLevel[iKid], iCnt, iSum);
                pBlock->m_iCnt[k] = iCnt;
                pBlock->m_iSum[k] = iSum;
                pBlock->m_pKid[k] = ppLevel[iKid];
            }
            pBlock->m_n = nSize;
            ppUp[b] = pBlock;
        }
        if (bFailed)
        {
            for (int f = 0; f < nBlocks; ++f)
                FreeBlocks(ppLevel[f], iHeight);
            delete[] ppLevel;
            delete[] ppUp;
            return false;
        }
        delete[] ppLevel;
        ppLevel = ppUp;
        nBlocks = nParents;
        ++iHeight;
    }

    m_pRoot = ppLevel[0];
    delete[] ppLevel;
    m_iHeight = iHeight;
    m_iCount = n;
    m_iTotal = n;
    return true;
}

JSiblingList::JNode* JSiblingList::GetAt(int i) const
{
    const JBlock* pBlock = m_pRoot;
    for (int h = m_iHeight; h > 0; --h)
    {
        int k = 0;
        while (i >= pBlock->m_iCnt[k])
            i -= pBlock->m_iCnt[k++];
        pBlock = static_cast<const JBlock*>(pBlock->m_pKid[k]);
    }
    return static_cast<JNode*>(pBlock->m_pKid[i]);
}

void JSiblingList::SetAt(int i, JNode* pNode)
{
    JBlock* pBlock = m_pRoot;
    for (int h = m_iHeight; h > 0; --h)
    {
        int k = 0;
        while (i >= pBlock->m_iCnt[k])
            i -= pBlock->m_iCnt[k++];
        pBlock = static_cast<JBlock*>(pBlock->m_pKid[k]);
    }
    pBlock->m_pKid[i] = pNode;
}

int JSiblingList::GetWeight(int i) const
{
    const JBlock* pBlock = m_pRoot;
    for (int h = m_iHeight; h > 0; --h)
    {
        int k = 0;
        while (i >= pBlock->m_iCnt[k])
            i -= pBlock->m_iCnt[k++];
        pBlock = static_cast<const JBlock*>(pBlock->m_pKid[k]);
    }
    return pBlock->m_iSum[i];
}

int JSiblingList::GetPrefix(int i) const
{
    if (i <= 0)
        return 0;
    if (i >= m_iCount)
        return m_iTotal;
    int iSum = 0;
    const JBlock* pBlock = m_pRoot;
    for (int h = m_iHeight; h > 0; --h)
    {
        int k = 0;
        while (i >= pBlock->m_iCnt[k])
        {
            i -= pBlock->m_iCnt[k];
            iSum += pBlock->m_iSum[k++];
        }
        pBlock = static_cast<const JBlock*>(pBlock->m_pKid[k]);
    }
    for (int k = 0; k < i; ++k)
        iSum += pBlock->m_iSum[k];
    return iSum;
}

JSiblingList::JNode* JSiblingList::AddWeight(int i, int iDelta)
{
    m_iTotal += iDelta;
    JBlock* pBlock = m_pRoot;
    for (int h = m_iHeight; h > 0; --h)
    {
        int k = 0;
        while (i >= pBlock->m_iCnt[k])
            i -= pBlock->m_iCnt[k++];
        pBlock->m_iSum[k] += iDelta;
        pBlock = static_cast<JBlock*>(pBlock->m_pKid[k]);
    }
    pBlock->m_iSum[i] += iDelta;
    return static_cast<JNode*>(pBlock->m_pKid[i]);
}

void JSiblingList::Swap(int i, int j)
{
    if (i == j)
        return;
    JNode* pI = GetAt(i);
    JNode* pJ = GetAt(j);
    const int iWeightI = GetWeight(i);
    const int iWeightJ = GetWeight(j);
    SetAt(i, pJ);
    SetAt(j, pI);
    AddWeight(i, iWeightJ - iWeightI);
    AddWeight(j, iWeightI - iWeightJ);
}

int JSiblingList::FindLine(int iLine, int& iOffset) const
{
    int iIndex = 0;
    const JBlock* pBlock = m_pRoot;
    for (int h = m_iHeight; h > 0; --h)
    {
        int k = 0;
        while (iLine >= pBlock->m_iSum[k])
        {
            iLine -= pBlock->m_iSum[k];
            iIndex += pBlock->m_iCnt[k++];
        }
        pBlock = static_cast<const JBlock*>(pBlock->m_pKid[k]);
    }
    int k = 0;
    while (iLine >= pBlock->m_iSum[k])
        iLine -= pBlock->m_iSum[k++];
    iOffset = iLine;
    return iIndex + k;
}

bool JSiblingList::InsertAt(int i, JNode* pNode, int iWeight)
{
    // Every block that will split gets its new sibling before anything changes, so that
    // running out of memory leaves the list as it was. A block splits when it is full and
    // every block below it on the way splits too; a root that splits needs a new root.
    JBlock* pSpare[kMaxHeight + 2] = {};
    int nSpare = 0;
    if (!m_pRoot)
    {
        m_pRoot = NewBlock();
        if (!m_pRoot)
            return false;
        m_iHeight = 0;
    }
    else
    {
        bool bFull[kMaxHeight + 1];
        const JBlock* pBlock = m_pRoot;
        int iAt = i;
        for (int h = m_iHeight; h >= 0; --h)
        {
            bFull[h] = pBlock->m_n == kMax;
            if (h == 0)
                break;
            int k = 0;
            while (k < pBlock->m_n - 1 && iAt > pBlock->m_iCnt[k])
                iAt -= pBlock->m_iCnt[k++];
            pBlock = static_cast<const JBlock*>(pBlock->m_pKid[k]);
        }
        int nNeeded = 0;
        while (nNeeded <= m_iHeight && bFull[nNeeded])
            ++nNeeded;
        if (nNeeded > m_iHeight)
            ++nNeeded;
        for (; nSpare < nNeeded; ++nSpare)
        {
            pSpare[nSpare] = NewBlock();
            if (!pSpare[nSpare])
            {
                for (int f = 0; f < nSpare; ++f)
                    delete pSpare[f];
                return false;
            }
        }
    }

    JBlock** ppSpare = pSpare;
    JBlock* pRight = InsertIn(m_pRoot, m_iHeight, i, pNode, iWeight, &ppSpare);
    if (pRight)
    {
        JBlock* pNewRoot = *ppSpare++;
        int iCnt, iSum;
        BlockTotals(m_pRoot, iCnt, iSum);
        PutEntry(pNewRoot, 0, m_pRoot, iCnt, iSum);
        BlockTotals(pRight, iCnt, iSum);
        PutEntry(pNewRoot, 1, pRight, iCnt, iSum);
        m_pRoot = pNewRoot;
        ++m_iHeight;
    }
    ++m_iCount;
    m_iTotal += iWeight;
    return true;
}

// Inserts beneath pBlock; returns the new right half when pBlock had to split.
JSiblingList::JBlock* JSiblingList::InsertIn(JBlock* pBlock, int iHeight, int i, JNode* pNode,
                                             int iWeight, JBlock*** pppSpare)
{
    if (iHeight == 0)
    {
        PutEntry(pBlock, i, pNode, 1, iWeight);
    }
    else
    {
        // Inserting at the end of a child is preferred to the start of the next one, so that
        // appending reaches the last block.
        int k = 0;
        while (k < pBlock->m_n - 1 && i > pBlock->m_iCnt[k])
            i -= pBlock->m_iCnt[k++];
        pBlock->m_iCnt[k] += 1;
        pBlock->m_iSum[k] += iWeight;
        JBlock* pKid = static_cast<JBlock*>(pBlock->m_pKid[k]);
        JBlock* pRight = InsertIn(pKid, iHeight - 1, i, pNode, iWeight, pppSpare);
        if (!pRight)
            return nullptr;
        int iCnt, iSum;
        BlockTotals(pKid, iCnt, iSum);
        pBlock->m_iCnt[k] = iCnt;
        pBlock->m_iSum[k] = iSum;
        BlockTotals(pRight, iCnt, iSum);
        PutEntry(pBlock, k + 1, pRight, iCnt, iSum);
    }
    if (pBlock->m_n <= kMax)
        return nullptr;

    JBlock* pRight = *(*pppSpare)++;
    const int nLeft = pBlock->m_n / 2;
    const int nRight = pBlock->m_n - nLeft;
    memcpy(pRight->m_iCnt, pBlock->m_iCnt + nLeft, nRight * sizeof(int));
    memcpy(pRight->m_iSum, pBlock->m_iSum + nLeft, nRight * sizeof(int));
    memcpy(pRight->m_pKid, pBlock->m_pKid + nLeft, nRight * sizeof(void*));
    pRight->m_n = nRight;
    pBlock->m_n = nLeft;
    return pRight;
}

JSiblingList::JNode* JSiblingList::RemoveAt(int i, int& iWeight)
{
    JNode* pNode = static_cast<JNode*>(RemoveIn(m_pRoot, m_iHeight, i, iWeight));
    --m_iCount;
    m_iTotal -= iWeight;
    while (m_iHeight > 0 && m_pRoot->m_n == 1)
    {
        JBlock* pOld = m_pRoot;
        m_pRoot = static_cast<JBlock*>(pOld->m_pKid[0]);
        delete pOld;
        --m_iHeight;
    }
    if (m_iCount == 0)
        Clear();
    return pNode;
}

void* JSiblingList::RemoveIn(JBlock* pBlock, int iHeight, int i, int& iWeight)
{
    if (iHeight == 0)
    {
        void* pNode = pBlock->m_pKid[i];
        iWeight = pBlock->m_iSum[i];
        DropEntry(pBlock, i);
        return pNode;
    }
    int k = 0;
    while (i >= pBlock->m_iCnt[k])
        i -= pBlock->m_iCnt[k++];
    JBlock* pKid = static_cast<JBlock*>(pBlock->m_pKid[k]);
    void* pNode = RemoveIn(pKid, iHeight - 1, i, iWeight);
    pBlock->m_iCnt[k] -= 1;
    pBlock->m_iSum[k] -= iWeight;
    if (pKid->m_n < kMin)
        Rebalance(pBlock, k);
    return pNode;
}

// Child k of pBlock has fallen below kMin: it borrows an entry from a neighbour that can spare
// one, or else merges with a neighbour (two blocks of kMin - 1 and kMin fit in one).
void JSiblingList::Rebalance(JBlock* pBlock, int k)
{
    JBlock* pKid = static_cast<JBlock*>(pBlock->m_pKid[k]);
    JBlock* pLeft = k > 0 ? static_cast<JBlock*>(pBlock->m_pKid[k - 1]) : nullptr;
    JBlock* pRight = k < pBlock->m_n - 1 ? static_cast<JBlock*>(pBlock->m_pKid[k + 1]) : nullptr;
    if (pLeft && pLeft->m_n > kMin)
    {
        const int e = pLeft->m_n - 1;
        const int iCnt = pLeft->m_iCnt[e];
        const int iSum = pLeft->m_iSum[e];
        PutEntry(pKid, 0, pLeft->m_pKid[e], iCnt, iSum);
        DropEntry(pLeft, e);
        pBlock->m_iCnt[k - 1] -= iCnt;
        pBlock->m_iSum[k - 1] -= iSum;
        pBlock->m_iCnt[k] += iCnt;
        pBlock->m_iSum[k] += iSum;
    }
    else if (pRight && pRight->m_n > kMin)
    {
        const int iCnt = pRight->m_iCnt[0];
        const int iSum = pRight->m_iSum[0];
        PutEntry(pKid, pKid->m_n, pRight->m_pKid[0], iCnt, iSum);
        DropEntry(pRight, 0);
        pBlock->m_iCnt[k + 1] -= iCnt;
        pBlock->m_iSum[k + 1] -= iSum;
        pBlock->m_iCnt[k] += iCnt;
        pBlock->m_iSum[k] += iSum;
    }
    else if (pLeft || pRight)
    {
        // Merge the right one of the pair into the left one.
        const int kLeft = pLeft ? k - 1 : k;
        JBlock* pInto = static_cast<JBlock*>(pBlock->m_pKid[kLeft]);
        JBlock* pFrom = static_cast<JBlock*>(pBlock->m_pKid[kLeft + 1]);
        memcpy(pInto->m_iCnt + pInto->m_n, pFrom->m_iCnt, pFrom->m_n * sizeof(int));
        memcpy(pInto->m_iSum + pInto->m_n, pFrom->m_iSum, pFrom->m_n * sizeof(int));
        memcpy(pInto->m_pKid + pInto->m_n, pFrom->m_pKid, pFrom->m_n * sizeof(void*));
        pInto->m_n += pFrom->m_n;
        pBlock->m_iCnt[kLeft] += pBlock->m_iCnt[kLeft + 1];
        pBlock->m_iSum[kLeft] += pBlock->m_iSum[kLeft + 1];
        DropEntry(pBlock, kLeft + 1);
        delete pFrom;
    }
}
