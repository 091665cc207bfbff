// Classes: CTestApp, CTestToolBar, CTestForm, CTestView, CTestFrame
// A frame built the way the program builds its own on the frame library: a view filled by a
// child dialog, a toolbar in a rebar band, a second band, a status bar with four panes, menu
// icons. Shared by the tests and the demo; each defines its own CTestApp object.
#pragma once

#include "FramelibTestIds.h"

#include <QvFTools.h>

#include <string>
#include <vector>

// Commands the application handles, with enable rules the tests switch.
class CTestApp : public QvFWinAppEx
{
public:
    CTestApp() : QvFWinAppEx("Framelib Test") {}

    std::vector<std::string> m_log; // handlers that ran, in order
    bool m_bModified = false;       // enables Save
    bool m_bBooksAddEnabled = true; // enables Add Books
    int m_nRecentFiles = 0;         // enables the first recent-file items

    BOOL InitInstance() override;

protected:
    afx_msg void OnFileOpen() { m_log.push_back("app open"); }
    afx_msg void OnFileSave() { m_log.push_back("app save"); }
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bModified); }
    afx_msg void OnCollectionAdd() { m_log.push_back("app add collection"); }
    afx_msg void OnCollectionDelete() { m_log.push_back("app delete collection"); }
    afx_msg void OnBooksAdd() { m_log.push_back("app add books"); }
    afx_msg void OnUpdateBooksAdd(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bBooksAddEnabled); }
    afx_msg void OnAppAbout() { m_log.push_back("app about"); }
    afx_msg void OnOpenRecent(UINT nID);
    afx_msg void OnUpdateOpenRecent(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};

// The program's toolbar: the ten entries, no labels.
class CTestToolBar : public QvFToolBarEx
{
public:
    static constexpr int nButtons = 10;
    static const CoButton s_buttons[nButtons];

    bool ShowButtonText(UINT) const override { return false; }
    void InitButtons() override;
};

// The form: a child dialog that fills the view; Enter and Escape do nothing.
class CTestForm : public CDialog
{
public:
    CTestForm() : CDialog(IDD_TESTFORM) {}

    CListBox m_list;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override {}
    void OnCancel() override {}
};

// The pane: a plain child window holding the form; it handles two commands itself.
class CTestView : public CWnd
{
public:
    CTestForm m_form;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnFileOpen();
    afx_msg void OnRefresh();

    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public QvFFrameWndEx
{
public:
    CStatusBar m_wndStatusBar;
    CTestToolBar m_wndToolBar;
    CWnd m_wndSecondBand;
    CTestView m_wndView;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnCollectionAdd();
    afx_msg void OnCustomize();

    DECLARE_MESSAGE_MAP()
};
