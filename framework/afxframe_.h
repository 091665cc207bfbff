// Classes: CFrameWnd, CView
// Functions: AfxExtractSubString
// Included by afxwin.h.
#pragma once

#include "afxdlg_.h"

#include <string>

class CControlBar;

// Part iSubString (from 0) of a string whose parts are separated by chSep; FALSE and an empty
// result when there are fewer parts. A command's string is "prompt\ntooltip".
AFX_FRAMEWORK_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString,
                                                  int iSubString, char chSep = '\n');

// A top-level window with a menu, bars along its edges and one pane (the child
// AFX_IDW_PANE_FIRST) filling the rest. Frames are made with new: once the window is gone the
// object deletes itself (PostNcDestroy), and closing the application's main window ends the
// application.
class AFX_FRAMEWORK_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    // Windows chooses position and size
    static const CRect rectDefault;

    CFrameWnd();
    virtual ~CFrameWnd();

    // Creation. Both delete the object when they fail.
    // The menu, accelerator table and icon of resource nIDResource, the title its string's first
    // part; FALSE when the menu or the window could not be made.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // FALSE when the resource has no accelerator table
    BOOL LoadAccelTable(LPCSTR lpszResourceName);

    // Attributes
    // The title the frame was made with
    CString GetTitle() const { return m_strTitle; }
    // The bar with that id among the descendants, null if none
    CControlBar* GetControlBar(UINT nID) const;
    // The status bar (AFX_IDW_STATUS_BAR), null if none
    virtual CWnd* GetMessageBar() const;

    // Menu items whose command nobody handles are disabled when their menu opens
    BOOL m_bAutoMenuEnable = TRUE;
    HACCEL m_hAccelTable = nullptr;

    // Operations
    // Bars take their strips (WM_SIZEPARENT), the pane AFX_IDW_PANE_FIRST the rest
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // RecalcLayout at the next idle time
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Shows the frame (-1: shown normally, or restored when minimised) and brings it to the top
    virtual void ActivateFrame(int nCmdShow = -1);
    // Shows or hides the bar and lays out the frame now or (bDelay) at the next idle time
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The message pane of the status bar
    void SetMessageText(LPCSTR lpszText);
    // The prompt of a command, or AFX_IDS_IDLEMESSAGE
    void SetMessageText(UINT nID);
    // The prompt of a command: its string up to the line break
    virtual void GetMessageString(UINT nID, CString& rMessage) const;

    // Overridables
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Keys through the frame's accelerator table
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The frame's map, then the application
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Deletes the object
    void PostNcDestroy() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Destroys the window; for the main window that ends the application
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Updates the popup's items; with m_bAutoMenuEnable items nobody handles are disabled
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    // The highlighted item's prompt in the status bar; "Ready" again when the menu closes
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    // wParam a string id, or lParam a text; returns the id shown before
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // ID_VIEW_TOOLBAR and ID_VIEW_STATUS_BAR show or hide the bar with that id
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // TTN_GETDISPINFO: the tooltip is the second part of the command's string
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    CString m_strTitle;
    UINT m_nIDLastMessage = 0; // what the status bar shows: a string id, or 0 for a text

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bInRecalcLayout = FALSE;
    BOOL m_bLayoutPending = FALSE;
    // The tooltip text handed to the tooltip control, which reads it after the handler returns
    CString m_strTipText;
    std::wstring m_wstrTipText;
};

// A frame's pane that draws itself through OnDraw. Views are made with new and delete
// themselves when their window is gone.
class AFX_FRAMEWORK_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)

public:
    virtual ~CView();

    // Overridables
    virtual void OnDraw(CDC* pDC) = 0;
    void PostNcDestroy() override;

protected:
    CView();

    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()
};
