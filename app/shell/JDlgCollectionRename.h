// Classes: JDlgCollectionRename
// Asks for a new name of the selected collection, with its current name filled in, and hands
// it to the main form; it closes once the form has renamed the collection.
#pragma once

#include <afxwin.h>

class JDlgCollectionRename : public CDialog
{
public:
    explicit JDlgCollectionRename(const CString& currentName, CWnd* pParent = nullptr);

    CString m_strName; // the edit control's text

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
