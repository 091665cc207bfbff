// Classes: CPtrList, CPtrArray
// The framework's collections of untyped pointers. They hold the pointers only: the objects
// pointed to belong to the caller.
#pragma once

#include "afx.h"

#include <vector>

// An opaque place in a list; null means before the head or after the tail.
struct __POSITION
{
};
typedef __POSITION* POSITION;

// A doubly linked list whose nodes are allocated in blocks of nBlockSize and recycled through
// a free list, so that adding and removing many elements costs few heap calls.
class AFX_FRAMEWORK_API CPtrList : public CObject
{
    DECLARE_DYNAMIC(CPtrList)

public:
    explicit CPtrList(INT_PTR nBlockSize = 10);
    virtual ~CPtrList();

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    void*& GetHead();
    void* GetHead() const;
    void*& GetTail();
    void* GetTail() const;

    // Operations
    void* RemoveHead();
    void* RemoveTail();
    POSITION AddHead(void* newElement);
    POSITION AddTail(void* newElement);
    void RemoveAll();

    // Iteration: GetNext and GetPrev return the element at rPosition and move it on
    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    void*& GetNext(POSITION& rPosition);
    void* GetNext(POSITION& rPosition) const;
    void*& GetPrev(POSITION& rPosition);
    void* GetPrev(POSITION& rPosition) const;

    // Access at a position
    void*& GetAt(POSITION position);
    void* GetAt(POSITION position) const;
    void SetAt(POSITION pos, void* newElement);
    void RemoveAt(POSITION position);

    // Searching: null when not found
    POSITION Find(void* searchValue, POSITION startAfter = nullptr) const;

private:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        void* data;
    };

    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);
    static CNode* Node(POSITION position);

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    CNode* m_pNodeFree = nullptr;
    std::vector<CNode*> m_blocks;
    INT_PTR m_nBlockSize;
};

// A growable array of pointers, indexed from 0.
class AFX_FRAMEWORK_API CPtrArray : public CObject
{
    DECLARE_DYNAMIC(CPtrArray)

public:
    CPtrArray() = default;
    virtual ~CPtrArray() = default;

    // Attributes
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // Operations
    void RemoveAll() { m_data.clear(); }
    void* GetAt(INT_PTR nIndex) const;
    void SetAt(INT_PTR nIndex, void* newElement);
    void*& ElementAt(INT_PTR nIndex);
    INT_PTR Add(void* newElement);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

    void* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    void*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

private:
    std::vector<void*> m_data;
};
