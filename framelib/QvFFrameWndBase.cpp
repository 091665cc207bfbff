#include "QvFTools.h"

BEGIN_TEMPLATE_MESSAGE_MAP(QvFFrameWndBase, TFrame, TFrame)
ON_WM_CREATE()
ON_WM_INITMENUPOPUP()
ON_WM_MEASUREITEM()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

template <class TFrame> int QvFFrameWndBase<TFrame>::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (TFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_wndMenuBar.m_hWndFrame = this->m_hWnd;
    return 0;
}

template <class TFrame>
void QvFFrameWndBase<TFrame>::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    TFrame::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    // Items may have been added since the popup last opened.
    QvFWinAppEx* pApp = QvFWinAppEx::GetInstance();
    if (pApp && !bSysMenu)
        pApp->ShowMenuIcons(pPopupMenu->GetSafeHmenu());
}

template <class TFrame>
void QvFFrameWndBase<TFrame>::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    QvFWinAppEx* pApp = QvFWinAppEx::GetInstance();
    if (!pApp || !pApp->MeasureMenuIcon(*lpMeasureItemStruct, ::GetMenu(this->m_hWnd)))
        TFrame::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

template <class TFrame>
void QvFFrameWndBase<TFrame>::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    QvFWinAppEx* pApp = QvFWinAppEx::GetInstance();
    if (!pApp || !pApp->DrawMenuIcon(*lpDrawItemStruct))
        TFrame::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

template <class TFrame> BOOL QvFFrameWndBase<TFrame>::ShowWindow(int nCmdShow, LPCSTR lpszName)
{
    CString strCaption = this->GetTitle();
    if (lpszName && *lpszName)
        strCaption += CString(" - ") + lpszName;
    this->SetWindowText(strCaption);
    const BOOL bWasVisible = this->IsWindowVisible();
    this->ActivateFrame(nCmdShow);
    return bWasVisible;
}

// Exported with the attribute of its extern declaration in the header.
template class QvFFrameWndBase<CFrameWnd>;
