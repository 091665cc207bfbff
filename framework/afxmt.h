// Classes: CSyncObject, CCriticalSection, CSingleLock
// Synchronisation objects of the framework and the scoped lock that takes one of them.
#pragma once

#include "afx.h"

// Base of the framework's synchronisation objects: what CSingleLock locks and unlocks.
class AFX_FRAMEWORK_API CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)

public:
    virtual ~CSyncObject() = default;

    // Overridables: TRUE when the calling thread now owns the object
    virtual BOOL Lock(DWORD dwTimeout = INFINITE) = 0;
    virtual BOOL Unlock() = 0;

protected:
    explicit CSyncObject(LPCSTR pstrName);
};

// A Win32 critical section: recursive for the owning thread, usable only inside one process.
class AFX_FRAMEWORK_API CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)

public:
    CCriticalSection();
    virtual ~CCriticalSection();

    // Attributes
    operator CRITICAL_SECTION*();
    CRITICAL_SECTION m_sect;

    // Operations: a critical section cannot wait with a time-out, so Lock(dwTimeout) ignores
    // it and blocks until the section is free, as Lock() does.
    BOOL Lock();
    virtual BOOL Lock(DWORD dwTimeout);
    virtual BOOL Unlock();
};

// Takes one synchronisation object, optionally at once, and releases it at the latest when the
// lock is destroyed.
class AFX_FRAMEWORK_API CSingleLock
{
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock();
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    // Operations
    BOOL Lock(DWORD dwTimeOut = INFINITE);
    // TRUE when the object is no longer held by this lock
    BOOL Unlock();
    BOOL IsLocked() { return m_bAcquired; }

protected:
    CSyncObject* m_pObject;
    BOOL m_bAcquired;
};
