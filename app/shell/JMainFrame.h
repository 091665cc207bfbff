// Classes: JMainFrame
// The main window: menu with icons, the toolbar in a movable rebar band, the status bar and
// the view with the main form. It keeps its rectangle and the bar layouts in the profile and
// asks before a close would drop unsaved changes.
#pragma once

#include "app/shell/JMainToolBar.h"
#include "app/shell/JMainView.h"

#include <QvFTools.h>

class JMainFrame : public QvFFrameWndEx
{
public:
    JMainFrame();
    ~JMainFrame() override;

    // The view first, then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CStatusBar m_wndStatusBar;
    JMainToolBar m_wndToolBar;
    JMainView m_wndView;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // A failed read of the catalogue is reported and the program goes on.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnViewCustomize();

    DECLARE_MESSAGE_MAP()

private:
    // Places the frame where the profile says; a rectangle on no monitor (a screen that has
    // gone) gives the first-run rectangle.
    void RestoreWindowRect();
    // false when a value could not be written
    bool SaveWindowRect();

    bool m_bCreated = false; // every creation step succeeded
};
