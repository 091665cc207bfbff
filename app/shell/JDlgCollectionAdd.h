// Classes: JDlgCollectionAdd
// Asks for the name of a new collection and hands each name confirmed with "Add" to the main
// form; it stays open for the next name until it is closed.
#pragma once

#include <afxwin.h>

class JDlgCollectionAdd : public CDialog
{
public:
    explicit JDlgCollectionAdd(CWnd* pParent = nullptr);

    CString m_strName; // the edit control's text

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
