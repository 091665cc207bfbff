#include "app/shell/JDlgCollectionAdd.h"

#include "app/res/resource.h"
#include "app/shell/JDlgMain.h"
#include "app/shell/JMainFormHost.h"

JDlgCollectionAdd::JDlgCollectionAdd(CWnd* pParent) : CDialog(IDD_COLLECTION_ADD, pParent)
{
}

JDlgCollectionAdd::JDlgCollectionAdd(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent)
{
}

void JDlgCollectionAdd::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COLLECTION_NAME, m_strName);
}

bool JDlgCollectionAdd::TakeName()
{
    if (!UpdateData(TRUE))
        return false;
    // The trimmed name is not written back: the edit control keeps what was typed.
    m_strName.TrimRight();
    m_strName.TrimLeft();
    if (m_strName.IsEmpty())
    {
        AfxMessageBox("Please enter a non-blank collection name.", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void JDlgCollectionAdd::OnOK()
{
    if (!TakeName())
        return;
    JMainFormHost* pHost = JMainFormHost::Get();
    if (pHost && pHost->m_pMainDlg)
        pHost->m_pMainDlg->AddCollection(m_strName);
}
