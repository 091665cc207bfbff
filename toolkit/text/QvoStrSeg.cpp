#include "QvText.h"

#include <string.h>

namespace
{
bool IsEmptySegment(const QvoStrSeg& seg)
{
    return !seg.m_pData || seg.m_nLength <= 0;
}
} // namespace

void QvoStrSeg::Mid(int start, QvoStrSeg& out) const
{
    if (start < 0)
        start = 0;
    QvoStrSeg result;
    if (start <= m_nLength && m_pData)
    {
        result.m_pData = m_pData + start;
        result.m_nLength = m_nLength - start;
    }
    out = result;
}

int QvoStrSeg::Find(char c, QvoStrSeg& out) const
{
    if (!IsEmptySegment(*this))
    {
        const void* pHit =
            memchr(m_pData, static_cast<unsigned char>(c), static_cast<size_t>(m_nLength));
        if (pHit)
        {
            const int index = static_cast<int>(static_cast<const char*>(pHit) - m_pData);
            Mid(index, out);
            return index;
        }
    }
    out = QvoStrSeg();
    return -1;
}

int QvoStrSeg::Find(const QvoStrSeg& pattern, QvoStrSeg& out) const
{
    if (!IsEmptySegment(*this) && !IsEmptySegment(pattern))
    {
        const size_t nPattern = static_cast<size_t>(pattern.m_nLength);
        for (int i = 0; static_cast<size_t>(i) + nPattern <= static_cast<size_t>(m_nLength); ++i)
        {
            if (memcmp(m_pData + i, pattern.m_pData, nPattern) == 0)
            {
                Mid(i, out);
                return i;
            }
        }
    }
    out = QvoStrSeg();
    return -1;
}

QvoStrSeg::operator CString() const
{
    if (IsEmptySegment(*this))
        return CString();
    return CString(m_pData, m_nLength);
}
