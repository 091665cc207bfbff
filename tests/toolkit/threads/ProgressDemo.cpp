// The progress dialog half way through a work, for looking at its bar and taking the README's
// picture of it (tools/make_progress_screenshot.sh).
//   ProgressDemo.exe [MILLISECONDS]     the work ends after that long (else on Cancel)
// Built, never run by CTest.
#include "toolkit/threads/QvTThreads.h"

#include <stdio.h>

namespace
{
// Counts up to half way, then waits for Cancel or the end of its time.
class CHalfWayWork : public QvTDlgThreadProgress::JThreadExecute
{
public:
    explicit CHalfWayWork(unsigned nMilliseconds) : m_nMilliseconds(nMilliseconds) {}

    void Execute(QvTDlgThreadProgress& dialog) override
    {
        for (int step = 0; step <= 50 && !dialog.m_bCancel; ++step)
        {
            dialog.SetPercent(step / 100.0);
            ::Sleep(10);
        }
        for (unsigned waited = 0;
             !dialog.m_bCancel && (!m_nMilliseconds || waited < m_nMilliseconds); waited += 20)
            ::Sleep(20);
    }

private:
    unsigned m_nMilliseconds;
};

class CProgressDemoApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        unsigned nMilliseconds = 0;
        if (m_lpCmdLine)
            sscanf(m_lpCmdLine, "%u", &nMilliseconds);
        CHalfWayWork work(nMilliseconds);
        QvTDlgThreadProgress dialog("Copying the catalogue", work);
        dialog.DoModal();
        return FALSE;
    }
};

CProgressDemoApp theApp;
} // namespace
