#include "app/shell/JDlgCollectionRename.h"

#include "app/res/resource.h"
#include "app/shell/JDlgMain.h"
#include "app/shell/JMainFormHost.h"

JDlgCollectionRename::JDlgCollectionRename(const CString& currentName, CWnd* pParent)
    : JDlgCollectionAdd(IDD_COLLECTION_RENAME, pParent)
{
    m_strName = currentName;
}

BOOL JDlgCollectionRename::OnInitDialog()
{
    JDlgCollectionAdd::OnInitDialog();
    // The whole name selected, so that typing replaces it and an arrow key edits it.
    CWnd* pEdit = GetDlgItem(IDC_COLLECTION_NAME);
    if (pEdit)
    {
        pEdit->SendMessage(EM_SETSEL, 0, -1);
        GotoDlgCtrl(pEdit);
    }
    return FALSE; // the focus is set
}

void JDlgCollectionRename::OnOK()
{
    if (!TakeName())
        return;
    JMainFormHost* pHost = JMainFormHost::Get();
    if (pHost && pHost->m_pMainDlg && pHost->m_pMainDlg->RenameCollection(m_strName))
        EndDialog(IDOK);
}
