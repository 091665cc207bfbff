// CFrameWnd's bars and status texts: the bar toggles, the message pane, menu prompts and
// tooltips.
#include "afxext.h"
#include "afxstate_.h"

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (!lpszFullString || iSubString < 0)
        return FALSE;
    LPCSTR lpszStart = lpszFullString;
    for (; iSubString > 0; --iSubString)
    {
        lpszStart = strchr(lpszStart, chSep);
        if (!lpszStart)
            return FALSE;
        ++lpszStart;
    }
    LPCSTR lpszEnd = strchr(lpszStart, chSep);
    const int nLength =
        lpszEnd ? static_cast<int>(lpszEnd - lpszStart) : static_cast<int>(strlen(lpszStart));
    rString = CString(lpszStart, nLength);
    return TRUE;
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    if (nID == 0)
        return nullptr;
    CWnd* pWnd = GetDescendantWindow(static_cast<int>(nID), TRUE);
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)) ? static_cast<CControlBar*>(pWnd)
                                                              : nullptr;
}

CWnd* CFrameWnd::GetMessageBar() const
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!pBar)
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (bDelay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    if (CControlBar* pBar = GetControlBar(pCmdUI->m_nID))
        pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
    else
        pCmdUI->ContinueRouting();
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString strFull;
    if (nID != 0 && strFull.LoadString(nID))
        AfxExtractSubString(rMessage, strFull, 0);
    else
        rMessage.Empty();
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    const UINT nIDLast = m_nIDLastMessage;
    const UINT nID = static_cast<UINT>(wParam);
    CString strMessage;
    if (lParam)
        strMessage = reinterpret_cast<LPCSTR>(lParam);
    else if (nID == AFX_IDS_IDLEMESSAGE)
        strMessage.LoadString(AFX_IDS_IDLEMESSAGE);
    else
        GetMessageString(nID, strMessage);
    if (CWnd* pMessageBar = GetMessageBar())
    {
        pMessageBar->SetWindowText(strMessage);
        pMessageBar->UpdateWindow();
    }
    m_nIDLastMessage = lParam ? 0 : nID;
    return nIDLast;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    UINT nIDShow = nItemID;
    if (nFlags == 0xFFFF && !hSysMenu)
        nIDShow = AFX_IDS_IDLEMESSAGE; // the menu closed
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)) || nItemID >= 0xF000)
        nIDShow = 0; // sub menus, separators and system commands have no prompt
    if (nIDShow != m_nIDLastMessage)
        SetMessageText(nIDShow);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    const bool bWide = pNMHDR->code == TTN_GETDISPINFOW;
    NMTTDISPINFOA* pInfoA = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    NMTTDISPINFOW* pInfoW = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    UINT_PTR nID = pNMHDR->idFrom;
    const UINT uFlags = bWide ? pInfoW->uFlags : pInfoA->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    CString strFull;
    m_strTipText.Empty();
    if (nID != 0 && strFull.LoadString(static_cast<UINT>(nID)))
        AfxExtractSubString(m_strTipText, strFull, 1);
    // The tooltip reads the text after this returns: it points into the frame.
    if (bWide)
    {
        const int nChars = ::MultiByteToWideChar(CP_ACP, 0, m_strTipText, -1, nullptr, 0);
        m_wstrTipText.assign(nChars > 0 ? nChars : 1, L'\0');
        if (nChars > 0)
            ::MultiByteToWideChar(CP_ACP, 0, m_strTipText, -1, &m_wstrTipText[0], nChars);
        pInfoW->lpszText = &m_wstrTipText[0];
        pInfoW->hinst = nullptr;
    }
    else
    {
        pInfoA->lpszText = const_cast<LPSTR>(m_strTipText.GetString());
        pInfoA->hinst = nullptr;
    }
    *pResult = 0;
    return TRUE;
}
