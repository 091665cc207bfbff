// QvFToolBarEx: the answers to the toolbar control's Customize dialog.
#include "QvFTools.h"

namespace
{
// TBN_INITCUSTOMIZE's record, which MinGW's commctrl.h lacks.
struct CustomizeDialogNotify
{
    NMHDR hdr;
    HWND hDlg;
};

void CopyText(const CString& strText, LPSTR pszText, int cchText)
{
    if (pszText && cchText > 0)
        lstrcpynA(pszText, strText, cchText);
}

void CopyText(const CString& strText, LPWSTR pszText, int cchText)
{
    if (!pszText || cchText <= 0)
        return;
    pszText[0] = L'\0';
    ::MultiByteToWideChar(CP_ACP, 0, strText, -1, pszText, cchText);
    pszText[cchText - 1] = L'\0';
}
} // namespace

template <class TNotify> bool QvFToolBarEx::OfferButton(TNotify* pInfo) const
{
    if (pInfo->iItem < 0 || pInfo->iItem >= static_cast<int>(m_buttons.size()))
        return false;
    const TBBUTTON& button = m_buttons[static_cast<size_t>(pInfo->iItem)].tbButton;
    // The label is shown as the buttons are (re)made after each change (TBN_TOOLBARCHANGE).
    pInfo->tbButton = button;
    pInfo->tbButton.iString = -1;
    const bool bSeparator = (button.fsStyle & BTNS_SEP) != 0;
    CopyText(bSeparator ? CString() : GetButtonTip(static_cast<UINT>(button.idCommand)),
             pInfo->pszText, pInfo->cchText);
    return true;
}

BOOL QvFToolBarEx::OnCustomizeNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    switch (pNMHDR->code)
    {
    case TBN_BEGINADJUST:
    case TBN_CUSTHELP:
        *pResult = 0;
        return TRUE;
    case TBN_INITCUSTOMIZE:
        m_hWndCustomize = reinterpret_cast<CustomizeDialogNotify*>(pNMHDR)->hDlg;
        *pResult = TBNRF_HIDEHELP;
        return TRUE;
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE:
        *pResult = TRUE;
        return TRUE;
    case TBN_GETBUTTONINFOA:
        *pResult = OfferButton(reinterpret_cast<NMTOOLBARA*>(pNMHDR));
        return TRUE;
    case TBN_GETBUTTONINFOW:
        *pResult = OfferButton(reinterpret_cast<NMTOOLBARW*>(pNMHDR));
        return TRUE;
    case TBN_TOOLBARCHANGE:
        // Buttons the dialog inserted get their labels and styles like the others.
        ShowButtons(ShownButtons());
        *pResult = 0;
        return TRUE;
    case TBN_RESET:
        ShowDefaultButtons();
        // The answer closes the dialog, whose lists no longer match the toolbar; the control
        // in Wine ignores the answer, so the dialog is also asked to close.
        if (::IsWindow(m_hWndCustomize))
            ::PostMessageA(m_hWndCustomize, WM_CLOSE, 0, 0);
        *pResult = TBNRF_ENDCUSTOMIZE;
        return TRUE;
    case TBN_ENDADJUST:
        m_hWndCustomize = nullptr;
        AfterButtonsChanged();
        *pResult = 0;
        return TRUE;
    default:
        return FALSE;
    }
}
