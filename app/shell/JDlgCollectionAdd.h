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
    // For a dialog of another template that asks for a collection name the same way.
    JDlgCollectionAdd(UINT nIDTemplate, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // Takes the typed name into m_strName, trimmed; false, after saying so, when it is blank.
    // The edit control keeps what was typed.
    bool TakeName();
};
