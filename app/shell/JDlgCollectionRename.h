// Classes: JDlgCollectionRename
// Asks for a new name of the selected collection, with its current name filled in, and hands
// it to the main form; it closes once the form has renamed the collection.
#pragma once

#include "app/shell/JDlgCollectionAdd.h"

class JDlgCollectionRename : public JDlgCollectionAdd
{
public:
    explicit JDlgCollectionRename(const CString& currentName, CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
