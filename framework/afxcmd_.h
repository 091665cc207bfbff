// Classes: CCmdTarget, CCmdUI
// Types: AFX_NOTIFY, AFX_CMDHANDLERINFO
// Included by afxwin.h.
#pragma once

#include "afx.h"
#include "afxmsg_.h"

class CMenu;
class CWnd;

// The data of a WM_NOTIFY routed as a command.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled instead of calling the handler, when a caller only asks whether one exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSGHANDLER pfn;
};

// Anything that receives commands through a message map.
class AFX_FRAMEWORK_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;

    // Looks for a handler of the command (nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI, a control's
    // notification code, or MAKELONG(code, WM_NOTIFY) with an AFX_NOTIFY as pExtra) in this
    // object's map and calls it; TRUE when one handled it. Classes that route commands further
    // (dialogs to their owner, frames to their view and the application) override it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    // The entry for a window message in this object's maps, most derived first; null if none.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage) const;

    DECLARE_MESSAGE_MAP()
};

// One user-interface item (a menu item, a toolbar button, a status pane, a control) whose
// state an update handler sets. Derived classes drive other kinds of items.
class AFX_FRAMEWORK_API CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    // Operations
    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(LPCSTR lpszText);
    // Lets the routing go on to the next command target after this handler
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Routes the update to pTarget; with bDisableIfNoHndler an item that no handler enabled
    // is enabled exactly when some target handles its command. TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Attributes
    UINT m_nID = 0;
    UINT m_nIndex = 0;        // position of the item in its menu or bar
    CMenu* m_pMenu = nullptr; // the menu, for a menu item
    CWnd* m_pOther = nullptr; // the window, for anything else
    UINT m_nIndexMax = 0;     // number of items, when iterating a menu or bar
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};
