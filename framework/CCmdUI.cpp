#include "afxstate_.h"

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu)
    {
        m_pMenu->EnableMenuItem(m_nIndex,
                                MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther)
    {
        // A control that is disabled must not keep the focus: it moves on to the next one.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
            HWND hWndNext =
                hWndParent ? ::GetNextDlgTabItem(hWndParent, m_pOther->m_hWnd, FALSE) : nullptr;
            ::SetFocus(hWndNext != m_pOther->m_hWnd ? hWndNext : nullptr);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu)
    {
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON))
    {
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
    }
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pMenu)
    {
        // Keep the item's command and its enabled and checked state.
        const UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) &
                            ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP | 0xFF00);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    }
    else if (m_pOther)
    {
        AfxSetWindowText(m_pOther->m_hWnd, lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE; // separators and sub menus have no command
    m_bEnableChanged = FALSE;
    const BOOL bResult =
        pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bResult;
}
