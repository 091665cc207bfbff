#include "QvTThreads.h"

QvTCriticalSection::~QvTCriticalSection()
{
}

QvTSingleLock::QvTSingleLock(QvTCriticalSection& section)
    : CSingleLock(&section, TRUE), m_pSection(&section)
{
    LockUntilHeld();
}

QvTSingleLock::~QvTSingleLock()
{
    Unlock();
}

QvTSingleLock& QvTSingleLock::operator=(const QvTSingleLock& other)
{
    if (&other == this)
        return *this;
    Unlock();
    m_pSection = other.m_pSection;
    m_pObject = other.m_pSection;
    if (other.m_bAcquired)
        LockUntilHeld();
    return *this;
}

void QvTSingleLock::LockUntilHeld()
{
    while (!IsLocked())
        Lock(INFINITE);
}
