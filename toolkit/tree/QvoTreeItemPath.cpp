// Item paths: the plain path, the owning path and the growing path.
#include "toolkit/tree/QvTree.h"

#include <new>

namespace
{
// A new array holding the first nCount indices of piSource, nCapacity long.
int* CopyIndices(const int* piSource, int nCount, int nCapacity)
{
    int* piIndex = new int[nCapacity];
    for (int k = 0; k < nCount; ++k)
        piIndex[k] = piSource[k];
    return piIndex;
}

int CountOf(const QvoTreeWnd::CoItemPath& path)
{
    return path.m_piIndex && path.m_iCount > 0 ? path.m_iCount : 0;
}
} // namespace

// The pointer is cleared so that an owning path freed by hand is not freed again by its
// destructor.
void QvoTreeWnd::FreeItemPath(CoItemPath& path)
{
    delete[] path.m_piIndex;
    path.m_piIndex = nullptr;
}

QvoTreeWnd::JItemPathAuto::JItemPathAuto(const JItemPathAuto& src) : CoItemPath()
{
    const int nCount = CountOf(src);
    if (nCount > 0)
        m_piIndex = CopyIndices(src.m_piIndex, nCount, nCount);
    m_iCount = nCount;
}

QvoTreeWnd::JItemPathAuto::~JItemPathAuto()
{
    FreeItemPath(*this);
}

QvoTreeWnd::JItemPathAuto& QvoTreeWnd::JItemPathAuto::operator=(const JItemPathAuto& src)
{
    if (this == &src)
        return *this;
    const int nCount = CountOf(src);
    int* piIndex = nCount > 0 ? CopyIndices(src.m_piIndex, nCount, nCount) : nullptr;
    FreeItemPath(*this);
    m_iCount = nCount;
    m_piIndex = piIndex;
    return *this;
}

QvoTreeWnd::JItemPathBuilder::JItemPathBuilder() : m_iCapacity(4)
{
    m_piIndex = new int[m_iCapacity];
}

QvoTreeWnd::JItemPathBuilder::JItemPathBuilder(const CoItemPath& path)
{
    const int nCount = CountOf(path);
    m_iCapacity = nCount + 4;
    m_piIndex = CopyIndices(path.m_piIndex, nCount, m_iCapacity);
    m_iCount = nCount;
}

QvoTreeWnd::JItemPathBuilder::JItemPathBuilder(const JItemPathBuilder& src) : JItemPathAuto()
{
    const int nCount = CountOf(src);
    m_iCapacity = src.m_iCapacity > nCount ? src.m_iCapacity : nCount + 4;
    m_piIndex = CopyIndices(src.m_piIndex, nCount, m_iCapacity);
    m_iCount = nCount;
}

QvoTreeWnd::JItemPathBuilder& QvoTreeWnd::JItemPathBuilder::operator=(const JItemPathBuilder& src)
{
    if (this == &src)
        return *this;
    const int nCount = CountOf(src);
    const int nCapacity = src.m_iCapacity > nCount ? src.m_iCapacity : nCount + 4;
    int* piIndex = CopyIndices(src.m_piIndex, nCount, nCapacity);
    FreeItemPath(*this);
    m_iCount = nCount;
    m_piIndex = piIndex;
    m_iCapacity = nCapacity;
    return *this;
}

bool QvoTreeWnd::JItemPathBuilder::AddLevel(int iIndex)
{
    if (m_iCount < 0 || !m_piIndex)
        m_iCount = 0;
    if (!m_piIndex || m_iCount >= m_iCapacity)
    {
        const int nCapacity = (m_piIndex ? m_iCapacity : 0) + 4;
        int* piIndex = new (std::nothrow) int[nCapacity];
        if (!piIndex)
            return false;
        for (int k = 0; k < m_iCount; ++k)
            piIndex[k] = m_piIndex[k];
        FreeItemPath(*this);
        m_piIndex = piIndex;
        m_iCapacity = nCapacity;
    }
    m_piIndex[m_iCount++] = iIndex;
    return true;
}
