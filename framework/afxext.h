// Classes: CControlBar, CStatusBar
// Bars along the edges of a frame: CWnd::RepositionBars lays them out, and at idle time they
// update their items through the frame's command routing.
#pragma once

#include "afxwin.h"

#include <commctrl.h>

#include <vector>

// Bar styles (CControlBar::m_dwStyle): where the bar sits and which edge gets a border
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_ALL 0x0040FFFFL
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Status pane styles
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_DISABLED 0x04000000 // the pane shows no text
#define SBPS_STRETCH 0x08000000  // the pane takes the width the others leave

// A bar window. The window styles' low word carries the CBRS_* bits at creation; they are
// kept in m_dwStyle.
class AFX_FRAMEWORK_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }

    // The size the bar wants: its height for a horizontal bar (the width is the frame's)
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) = 0;
    // Updates the bar's items through the frame's command routing
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

protected:
    CControlBar() = default;

    // WM_SIZEPARENT: takes a strip of the frame's free rectangle at the bar's edge
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    // WM_IDLEUPDATECMDUI: OnUpdateCmdUI with the owner as target when it is a frame, else the
    // nearest parent frame (a bar inside a rebar), when the bar is visible
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DWORD m_dwStyle = 0;

    DECLARE_MESSAGE_MAP()
};

// A status bar over the common status control: a message pane and indicator panes.
// Its window text is the text of the message pane (the pane of ID_SEPARATOR), so a frame
// shows prompts with SetWindowText or WM_SETMESSAGESTRING.
class AFX_FRAMEWORK_API CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar() = default;
    virtual ~CStatusBar() = default;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id. ID_SEPARATOR makes the message pane, which stretches and starts with
    // the idle message (AFX_IDS_IDLEMESSAGE); any other id is an indicator that shows the
    // string of that id. FALSE when a string is missing.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    // Attributes
    int CommandToIndex(UINT nIDFind) const; // -1 when no pane has that id
    UINT GetItemID(int nIndex) const;
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Indicator panes whose command no handler enables follow their key (Caps Lock, Num Lock,
    // Scroll Lock): the pane shows its text while the key is on
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    struct Pane
    {
        UINT nID;
        UINT nStyle;
        int cxText;
        CString strText;
    };

    // Sends the panes' widths (parts) and, with bUpdateText, their texts to the control
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    void ShowPaneText(int nIndex);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);

    std::vector<Pane> m_panes;

    DECLARE_MESSAGE_MAP()
};
