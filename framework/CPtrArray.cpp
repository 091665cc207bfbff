#include "afxcoll.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)

// An index outside the array throws std::out_of_range rather than touching foreign memory.
void* CPtrArray::GetAt(INT_PTR nIndex) const
{
    return m_data.at(static_cast<size_t>(nIndex));
}

void CPtrArray::SetAt(INT_PTR nIndex, void* newElement)
{
    m_data.at(static_cast<size_t>(nIndex)) = newElement;
}

void*& CPtrArray::ElementAt(INT_PTR nIndex)
{
    return m_data.at(static_cast<size_t>(nIndex));
}

INT_PTR CPtrArray::Add(void* newElement)
{
    m_data.push_back(newElement);
    return GetUpperBound();
}

void CPtrArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
    if (nIndex < 0 || nCount <= 0 || nIndex >= GetSize())
        return;
    if (nCount > GetSize() - nIndex)
        nCount = GetSize() - nIndex;
    m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
}
