// Classes: QvTCriticalSection, QvTSingleLock, QvTHResTimeStamp, QvTDuration, QvTSetLocale,
//          QvTDlgThreadProgress
// Locks, high-resolution time stamps with their durations, a scoped C runtime locale, and a
// progress dialog that runs work on a worker thread.
#pragma once

#include "toolkit/QvToolsApi.h"

#include <afxmt.h>
#include <locale.h>

#include <atomic>

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

// A modal dialog with a percentage bar and a Cancel button that runs one piece of work on a
// worker thread. DoModal returns IDOK when the work returned, IDCANCEL when it returned after
// the user pressed Cancel (or Escape), and -1 when the dialog or the thread could not be
// started (the work then did not run). Enter does nothing: only the end of the work closes it.
class QVTOOLS_API QvTDlgThreadProgress : public CDialog
{
    DECLARE_DYNAMIC(QvTDlgThreadProgress)

public:
    // The caller's work, run on the worker thread. It reports with SetPercent and should
    // return soon after m_bCancel becomes true; it must not touch the dialog's windows.
    class JThreadExecute
    {
    public:
        virtual void Execute(QvTDlgThreadProgress& dialog) = 0;

    protected:
        ~JThreadExecute() = default;
    };

    QvTDlgThreadProgress(const char* title, JThreadExecute& work, CWnd* pParent = nullptr);
    // Waits for a worker that is still running (setting m_bCancel first), so that the work
    // never outlives the dialog it reports to.
    virtual ~QvTDlgThreadProgress();
    QvTDlgThreadProgress(const QvTDlgThreadProgress&) = delete;
    QvTDlgThreadProgress& operator=(const QvTDlgThreadProgress&) = delete;

    // From the worker: fraction 0.0 to 1.0 (1.0 shows 100.0%); values outside show as the
    // nearer end. The bar is repainted with the latest value; calls that come faster than the
    // dialog repaints share one repaint, so the message queue never fills.
    void SetPercent(double fraction);

    // Set by Cancel and Escape; read by the work.
    std::atomic<bool> m_bCancel;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    // afx_msg LRESULT OnProgress(WPARAM, LPARAM)
    afx_msg LRESULT OnProgress(WPARAM wParam, LPARAM lParam);
    // afx_msg LRESULT OnThreadDone(WPARAM, LPARAM)
    afx_msg LRESULT OnThreadDone(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static unsigned __stdcall ThreadExecute(void* pDialog);
    void DrawBar(CDC& dc, const CRect& item);
    void JoinThread();

    CString m_strTitle;
    double m_dFraction;
    QvTCriticalSection* m_pLock;
    JThreadExecute* m_pWork;
    CButton m_progressBar;
    HANDLE m_hThread;
    // The window the worker posts to, fixed before the thread starts.
    HWND m_hWndNotify;
    std::atomic<bool> m_bProgressPosted;
};
