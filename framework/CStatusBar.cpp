#include "afxext.h"
#include "afxstate_.h"

#include <algorithm>
#include <string.h>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, &CStatusBar::OnSetText)
ON_MESSAGE(WM_GETTEXT, &CStatusBar::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CStatusBar::OnGetTextLength)
ON_MESSAGE(WM_SETMESSAGESTRING, &CStatusBar::OnSetMessageString)
END_MESSAGE_MAP()

namespace
{
// Drives a pane from an update handler: disabled panes show no text, checked ones pop out.
class CStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        const int nIndex = static_cast<int>(m_nIndex);
        const UINT nStyle = pBar->GetPaneStyle(nIndex) & ~SBPS_DISABLED;
        pBar->SetPaneStyle(nIndex, bOn ? nStyle : nStyle | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override
    {
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        const int nIndex = static_cast<int>(m_nIndex);
        const UINT nStyle = pBar->GetPaneStyle(nIndex) & ~SBPS_POPOUT;
        pBar->SetPaneStyle(nIndex, nCheck ? nStyle | SBPS_POPOUT : nStyle);
    }
    void SetText(LPCSTR lpszText) override
    {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }
};

int KeyOfIndicator(UINT nID)
{
    switch (nID)
    {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

// A command's status prompt is its string up to the line break (the tooltip follows).
CString PromptOf(UINT nID)
{
    CString text;
    CString prompt;
    if (nID != 0 && text.LoadString(nID))
        AfxExtractSubString(prompt, text, 0);
    return prompt;
}
} // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    AfxInitCommonControls();
    m_dwStyle = dwStyle & CBRS_ALL;
    // The frame places the bar; the control only draws it.
    DWORD dwCtrlStyle =
        (dwStyle & ~CBRS_ALL) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (pParentWnd && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwCtrlStyle |= SBARS_SIZEGRIP;
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwCtrlStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.clear();
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; ++i)
    {
        Pane pane = {lpIDArray[i], SBPS_NORMAL, 0, CString()};
        if (pane.nID == ID_SEPARATOR)
        {
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
            {
                pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
                pane.strText.LoadString(AFX_IDS_IDLEMESSAGE);
            }
        }
        else
        {
            if (!pane.strText.LoadString(pane.nID))
                bResult = FALSE;
            SIZE size = {0, 0};
            ::GetTextExtentPoint32A(hDC, pane.strText, pane.strText.GetLength(), &size);
            pane.cxText = size.cx;
        }
        m_panes.push_back(pane);
    }
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); ++i)
    {
        if (m_panes[i].nID == nIDFind)
            return static_cast<int>(i);
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_panes.size()) ? m_panes[nIndex].nID : 0;
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_panes.size()) ? m_panes[nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size()) ||
        m_panes[nIndex].nStyle == nStyle)
        return;
    const bool bStretchChanged = ((m_panes[nIndex].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    m_panes[nIndex].nStyle = nStyle;
    if (bStretchChanged)
        UpdateAllPanes(TRUE, FALSE);
    ShowPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_panes.size()) ? m_panes[nIndex].strText
                                                                    : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size()))
        return FALSE;
    m_panes[nIndex].strText = lpszNewText;
    if (bUpdate)
        ShowPaneText(nIndex);
    return TRUE;
}

void CStatusBar::ShowPaneText(int nIndex)
{
    if (!m_hWnd)
        return;
    const Pane& pane = m_panes[nIndex];
    const UINT nType = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT);
    LPCSTR lpszShown = (pane.nStyle & SBPS_DISABLED) ? "" : pane.strText.GetString();
    CWnd::DefWindowProc(SB_SETTEXTA, static_cast<WPARAM>(nIndex) | nType,
                        reinterpret_cast<LPARAM>(lpszShown));
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (!m_hWnd || m_panes.empty())
        return;
    if (bUpdateRects)
    {
        int borders[3] = {0, 0, 0}; // horizontal border, vertical border, gap between panes
        CWnd::DefWindowProc(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        CRect rect;
        GetClientRect(&rect);
        const int cxExtra = 2 * ::GetSystemMetrics(SM_CXEDGE) + 2 * borders[0] + 4;
        int cxFixed = 0;
        int nStretch = 0;
        for (const Pane& pane : m_panes)
        {
            if (pane.nStyle & SBPS_STRETCH)
                ++nStretch;
            else
                cxFixed += pane.cxText + cxExtra + borders[2];
        }
        const int cxGrip = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
        const int cxStretch =
            nStretch ? std::max(0, rect.Width() - cxFixed - cxGrip - borders[0]) / nStretch : 0;
        std::vector<int> rightEdges;
        int right = borders[0];
        for (const Pane& pane : m_panes)
        {
            right += (pane.nStyle & SBPS_STRETCH) ? cxStretch : pane.cxText + cxExtra;
            rightEdges.push_back(right);
            right += borders[2];
        }
        rightEdges.back() = -1; // the last pane reaches the right edge (and the size grip)
        CWnd::DefWindowProc(SB_SETPARTS, rightEdges.size(),
                            reinterpret_cast<LPARAM>(rightEdges.data()));
    }
    if (bUpdateText)
    {
        for (int i = 0; i < static_cast<int>(m_panes.size()); ++i)
            ShowPaneText(i);
    }
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL)
{
    TEXTMETRICA tm = {};
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    int borders[3] = {0, 0, 0};
    CWnd::DefWindowProc(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int cy = tm.tmHeight - tm.tmInternalLeading + 2 * borders[1] +
                   4 * ::GetSystemMetrics(SM_CYBORDER) + 4;
    return CSize(32767, cy);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.size());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = m_panes[state.m_nIndex].nID;
        if (state.m_nID == ID_SEPARATOR)
            continue;
        state.DoUpdate(pTarget, FALSE);
        if (!state.m_bEnableChanged)
        {
            if (const int nVirtKey = KeyOfIndicator(state.m_nID))
                state.Enable(::GetKeyState(nVirtKey) & 1);
        }
    }
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 && SetPaneText(nIndex, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    LPSTR lpszDest = reinterpret_cast<LPSTR>(lParam);
    const int nMax = static_cast<int>(wParam);
    if (!lpszDest || nMax <= 0)
        return 0;
    const CString text = GetPaneText(CommandToIndex(ID_SEPARATOR));
    lstrcpynA(lpszDest, text, nMax);
    return static_cast<LRESULT>(strlen(lpszDest));
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return GetPaneText(CommandToIndex(ID_SEPARATOR)).GetLength();
}

LRESULT CStatusBar::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    const CString text =
        wParam ? PromptOf(static_cast<UINT>(wParam)) : CString(reinterpret_cast<LPCSTR>(lParam));
    return OnSetText(0, reinterpret_cast<LPARAM>(text.GetString()));
}
