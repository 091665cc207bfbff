#include "QvTThreads.h"

QvTHResTimeStamp::QvTHResTimeStamp() : m_nCount(0)
{
    Stamp();
}

void QvTHResTimeStamp::Stamp()
{
    LARGE_INTEGER count;
    // Cannot fail since Windows XP; were it to, the stamp keeps its last reading.
    if (::QueryPerformanceCounter(&count))
        m_nCount = count.QuadPart;
}

QvTDuration QvTHResTimeStamp::operator-(const QvTHResTimeStamp& other) const
{
    QvTDuration duration;
    LARGE_INTEGER frequency;
    // Without a frequency there is no scale: the span is reported as none rather than infinite.
    if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0)
        return duration;
    LONGLONG nTicks = m_nCount - other.m_nCount;
    duration.SetTotalSeconds(static_cast<double>(nTicks) / static_cast<double>(frequency.QuadPart));
    return duration;
}
