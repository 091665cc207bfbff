// Classes: JMainView
// The frame's pane: a plain child window with a sunken edge that holds the main form and
// keeps it filling its client area.
#pragma once

#include "app/shell/JDlgMain.h"

#include <afxwin.h>

class JMainView : public CWnd
{
public:
    // Creates the window at (0, 0, 100, 100), whatever rect says (the frame lays it out), then
    // the main form in it. A form that cannot be made is reported; the view stays, empty.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;

    JDlgMain m_dlgMain;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DECLARE_MESSAGE_MAP()
};
