// Classes: QvTCriticalSection, QvTSingleLock, QvTHResTimeStamp, QvTDuration, QvTSetLocale
// Locks, high-resolution time stamps with their durations, and a scoped C runtime locale.
#pragma once

#include "toolkit/QvToolsApi.h"

#include <afxmt.h>
#include <locale.h>

class QVTOOLS_API QvTCriticalSection : public CCriticalSection
{
public:
    QvTCriticalSection() = default;
    virtual ~QvTCriticalSection();
};

// Holds the section from construction to destruction; the constructor returns only once the
// section is held.
class QVTOOLS_API QvTSingleLock : public CSingleLock
{
public:
    explicit QvTSingleLock(QvTCriticalSection& section);
    ~QvTSingleLock();
    QvTSingleLock(const QvTSingleLock&) = delete;
    // Releases this lock's section and takes other's, holding it if other holds it: each lock
    // owns one entry of its own, so every destructor releases exactly what it took.
    QvTSingleLock& operator=(const QvTSingleLock& other);

private:
    void LockUntilHeld();

    QvTCriticalSection* m_pSection;
};

// Total seconds of a span of time; negative for a span measured backwards.
class QVTOOLS_API QvTDuration
{
public:
    QvTDuration() : m_dTotalSeconds(0.0) {}
    QvTDuration(const QvTDuration& other) = default;
    QvTDuration& operator=(const QvTDuration& other) = default;

    double GetTotalSeconds() const { return m_dTotalSeconds; }
    void SetTotalSeconds(const double& dTotalSeconds) { m_dTotalSeconds = dTotalSeconds; }

private:
    double m_dTotalSeconds;
};

// One reading of the performance counter, taken at construction and by every Stamp.
class QVTOOLS_API QvTHResTimeStamp
{
public:
    QvTHResTimeStamp();

    void Stamp();
    void operator()() { Stamp(); }
    // The seconds from other to this stamp, by the counter's frequency.
    QvTDuration operator-(const QvTHResTimeStamp& other) const;

private:
    LONGLONG m_nCount;
};

// Switches the C runtime locale of one category to a Windows locale, named by its English
// language and country ("English_United States"), and restores the previous one when it ends.
class QVTOOLS_API QvTSetLocale
{
public:
    QvTSetLocale(int nCategory = LC_ALL, unsigned long nLocale = LOCALE_USER_DEFAULT);
    // Copies take the category and the saved locale, and restore it again when they end.
    QvTSetLocale(const QvTSetLocale& other) = default;
    virtual ~QvTSetLocale();
    QvTSetLocale& operator=(const QvTSetLocale& other) = default;

private:
    int m_nCategory;
    // Empty when the category was not one the C runtime knows: there is nothing to restore.
    CString m_strSaved;
};
