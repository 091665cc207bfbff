// Classes: CGlueTestDialog
// The layout tests' resizable dialog, made from template IDD_GLUE_TEST.
#pragma once

#include "toolkit/layout/QvLayout.h"

class CGlueTestDialog : public QvTDlgGlue
{
public:
    // With glueOwnControls the dialog glues its list (grow) and button (right) and asks for a
    // grip, as a derived dialog does; without, its glue stays empty for the test's own glue.
    explicit CGlueTestDialog(bool glueOwnControls = true);

    // Client size cx by cy, however thick the frame.
    void SetClientSize(int cx, int cy);

    int m_nSizesBeforeInit = 0;
    int m_nOtherClicks = 0;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnOther();
    // Lets the tests make the dialog smaller than the system's minimum tracking size.
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    DECLARE_MESSAGE_MAP()

private:
    bool m_bGlueOwnControls;
    bool m_bInitDone = false;
};
