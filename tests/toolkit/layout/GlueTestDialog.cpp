#include "GlueTestDialog.h"

#include "LayoutTestIds.h"

BEGIN_MESSAGE_MAP(CGlueTestDialog, QvTDlgGlue)
ON_BN_CLICKED(IDC_GLUE_OTHER, &CGlueTestDialog::OnOther)
ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CGlueTestDialog::CGlueTestDialog(bool glueOwnControls)
    : QvTDlgGlue(IDD_GLUE_TEST, nullptr), m_bGlueOwnControls(glueOwnControls)
{
}

void CGlueTestDialog::SetClientSize(int cx, int cy)
{
    CRect window;
    CRect client;
    GetWindowRect(&window);
    GetClientRect(&client);
    SetWindowPos(nullptr, 0, 0, cx + window.Width() - client.Width(),
                 cy + window.Height() - client.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGlueTestDialog::OnInitDialog()
{
    m_bInitDone = true;
    QvTDlgGlue::OnInitDialog();
    if (m_bGlueOwnControls)
    {
        m_glue.AttachGrow(*GetDlgItem(IDC_GLUE_LIST));
        m_glue.AttachRight(*GetDlgItem(IDC_GLUE_BUTTON), 0);
        GlueInit(true);
    }
    return TRUE;
}

LRESULT CGlueTestDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && !m_bInitDone)
        ++m_nSizesBeforeInit;
    return QvTDlgGlue::WindowProc(message, wParam, lParam);
}

void CGlueTestDialog::OnOther()
{
    ++m_nOtherClicks;
}

void CGlueTestDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize = CPoint(1, 1);
}
