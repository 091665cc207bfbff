// A dialog whose fields are validated with error balloons, for looking at them:
//   BalloonDemo.exe [COPIES]
// opens it at (20, 20) with COPIES in the Copies field (else 1); a value such as -3 is checked
// at once, as if OK had been pressed, so that its error balloon shows. Built, never run by
// CTest.
#include "BalloonDemoIds.h"

#include "toolkit/balloon/QvBalloon.h"

namespace
{
const UINT_PTR kValidateTimer = 1;

class CBalloonDemoDialog : public QvTDlgBalloonDDX
{
public:
    CBalloonDemoDialog() : QvTDlgBalloonDDX(IDD_BALLOON_DEMO, nullptr) {}

    CString m_strInitialCopies;

protected:
    BOOL OnInitDialog() override
    {
        QvTDlgBalloonDDX::OnInitDialog();
        SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        if (!m_strInitialCopies.IsEmpty())
        {
            SetDlgItemText(IDC_DEMO_COPIES, m_strInitialCopies);
            // Once the dialog is on the screen: a modal dialog shows when its loop first idles.
            SetTimer(kValidateTimer, 300, nullptr);
        }
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        QvTDlgBalloonDDX::DoDataExchange(pDX);
        m_ddx.DDX_Edit(IDC_DEMO_COPIES, m_nCopies);
        m_ddx.DDX_Edit(IDC_DEMO_SCALE, m_dScale, 1);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != kValidateTimer)
        {
            QvTDlgBalloonDDX::OnTimer(nIDEvent);
            return;
        }
        KillTimer(kValidateTimer);
        UpdateData(TRUE);
    }

    DECLARE_MESSAGE_MAP()

private:
    int m_nCopies = 1;
    double m_dScale = 100.0;
};

BEGIN_MESSAGE_MAP(CBalloonDemoDialog, QvTDlgBalloonDDX)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CBalloonDemoApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CBalloonDemoDialog dialog;
        if (m_lpCmdLine && *m_lpCmdLine)
            dialog.m_strInitialCopies = m_lpCmdLine;
        dialog.DoModal();
        return FALSE;
    }
};

CBalloonDemoApp theApp;
} // namespace
