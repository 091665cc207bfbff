#include "afxcoll.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)

CPtrList::CPtrList(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
{
}

CPtrList::~CPtrList()
{
    RemoveAll();
}

CPtrList::CNode* CPtrList::Node(POSITION position)
{
    ASSERT(position != nullptr);
    return reinterpret_cast<CNode*>(position);
}

CPtrList::CNode* CPtrList::NewNode(CNode* pPrev, CNode* pNext)
{
    if (!m_pNodeFree)
    {
        // One more block, threaded onto the free list from its last node down.
        CNode* pBlock = new CNode[static_cast<size_t>(m_nBlockSize)];
        m_blocks.push_back(pBlock);
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i)
        {
            pBlock[i].pNext = m_pNodeFree;
            m_pNodeFree = &pBlock[i];
        }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = pNode->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    pNode->data = nullptr;
    ++m_nCount;
    return pNode;
}

void CPtrList::FreeNode(CNode* pNode)
{
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    --m_nCount;
    // The blocks go back to the heap once the list is empty again.
    if (m_nCount == 0)
        RemoveAll();
}

void*& CPtrList::GetHead()
{
    ASSERT(m_pNodeHead != nullptr);
    return m_pNodeHead->data;
}

void* CPtrList::GetHead() const
{
    ASSERT(m_pNodeHead != nullptr);
    return m_pNodeHead->data;
}

void*& CPtrList::GetTail()
{
    ASSERT(m_pNodeTail != nullptr);
    return m_pNodeTail->data;
}

void* CPtrList::GetTail() const
{
    ASSERT(m_pNodeTail != nullptr);
    return m_pNodeTail->data;
}

void* CPtrList::RemoveHead()
{
    ASSERT(m_pNodeHead != nullptr);
    void* data = m_pNodeHead->data;
    RemoveAt(GetHeadPosition());
    return data;
}

void* CPtrList::RemoveTail()
{
    ASSERT(m_pNodeTail != nullptr);
    void* data = m_pNodeTail->data;
    RemoveAt(GetTailPosition());
    return data;
}

POSITION CPtrList::AddHead(void* newElement)
{
    CNode* pNewNode = NewNode(nullptr, m_pNodeHead);
    pNewNode->data = newElement;
    if (m_pNodeHead)
        m_pNodeHead->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

POSITION CPtrList::AddTail(void* newElement)
{
    CNode* pNewNode = NewNode(m_pNodeTail, nullptr);
    pNewNode->data = newElement;
    if (m_pNodeTail)
        m_pNodeTail->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

void CPtrList::RemoveAll()
{
    for (CNode* pBlock : m_blocks)
        delete[] pBlock;
    m_blocks.clear();
    m_pNodeHead = m_pNodeTail = m_pNodeFree = nullptr;
    m_nCount = 0;
}

void*& CPtrList::GetNext(POSITION& rPosition)
{
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pNext);
    return pNode->data;
}

void* CPtrList::GetNext(POSITION& rPosition) const
{
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pNext);
    return pNode->data;
}

void*& CPtrList::GetPrev(POSITION& rPosition)
{
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
    return pNode->data;
}

void* CPtrList::GetPrev(POSITION& rPosition) const
{
    CNode* pNode = Node(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
    return pNode->data;
}

void*& CPtrList::GetAt(POSITION position)
{
    return Node(position)->data;
}

void* CPtrList::GetAt(POSITION position) const
{
    return Node(position)->data;
}

void CPtrList::SetAt(POSITION pos, void* newElement)
{
    Node(pos)->data = newElement;
}

void CPtrList::RemoveAt(POSITION position)
{
    CNode* pOldNode = Node(position);
    if (pOldNode == m_pNodeHead)
        m_pNodeHead = pOldNode->pNext;
    else
        pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail)
        m_pNodeTail = pOldNode->pPrev;
    else
        pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
}

POSITION CPtrList::Find(void* searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter ? Node(startAfter)->pNext : m_pNodeHead;
    for (; pNode; pNode = pNode->pNext)
    {
        if (pNode->data == searchValue)
            return reinterpret_cast<POSITION>(pNode);
    }
    return nullptr;
}
