// The resizable dialog base: its glue follows every size change.
#include "QvLayout.h"

BEGIN_MESSAGE_MAP(QvTDlgGlue, CDialog)
ON_WM_SIZE()
END_MESSAGE_MAP()

QvTDlgGlue::QvTDlgGlue(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_glue(this)
{
}

QvTDlgGlue::~QvTDlgGlue() = default;

void QvTDlgGlue::GlueInit(bool grip)
{
    if (grip)
        m_glue.InitGrip();
}

void QvTDlgGlue::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

void QvTDlgGlue::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    // Also before any attachment (while the dialog is being made): an empty glue does nothing.
    m_glue.WndResized();
}
