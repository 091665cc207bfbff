#include "app/shell/JDlgCollectionRename.h"

#include "app/res/resource.h"
#include "app/shell/JDlgMain.h"
#include "app/shell/JMainFormHost.h"

JDlgCollectionRename::JDlgCollectionRename(const CString& currentName, CWnd* pParent)
    : CDialog(IDD_COLLECTION_RENAME, pParent), m_strName(currentName)
{
}

BOOL JDlgCollectionRename::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The whole name selected, so that typing replaces it and an arrow key edits it.
    CWnd* pEdit = GetDlgItem(IDC_COLLECTION_NAME);
    if (pEdit)
    {
        pEdit->SendMessage(EM_SETSEL, 0, -1);
        GotoDlgCtrl(pEdit);
    }
    return FALSE; // the focus is set
}

void JDlgCollectionRename::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COLLECTION_NAME, m_strName);
}

void JDlgCollectionRename::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strName.TrimRight();
    m_strName.TrimLeft();
    if (m_strName.IsEmpty())
    {
        AfxMessageBox("Please enter a non-blank collection name.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    JMainFormHost* pHost = JMainFormHost::Get();
    if (pHost && pHost->m_pMainDlg && pHost->m_pMainDlg->RenameCollection(m_strName))
        EndDialog(IDOK);
}
