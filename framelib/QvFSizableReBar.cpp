#include "JBarState.h"
#include "QvFTools.h"

IMPLEMENT_DYNAMIC(QvFSizableReBar, CControlBar)

namespace
{
const char kBandsEntry[] = "Bands";

// A band's record in the profile: bar id, width, starts a row, shown
enum BandField
{
    kBandId,
    kBandWidth,
    kBandBreak,
    kBandShown,
    kBandFields
};

// The size a band's bar wants: a bar's own layout, else its window's size.
CSize BarSize(HWND hWndBar)
{
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWndBar))
    {
        if (pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)))
            return static_cast<CControlBar*>(pWnd)->CalcFixedLayout(FALSE, TRUE);
    }
    CRect rect;
    ::GetWindowRect(hWndBar, &rect);
    return rect.Size();
}

bool IsShown(HWND hWnd)
{
    return (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

REBARBANDINFOA BandInfo(const CWnd& reBar, UINT nBand, UINT fMask)
{
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = fMask;
    if (!reBar.SendMessage(RB_GETBANDINFOA, nBand, reinterpret_cast<LPARAM>(&band)))
        band.fMask = 0;
    return band;
}
} // namespace

QvFSizableReBar::~QvFSizableReBar()
{
    DestroyWindow();
}

BOOL QvFSizableReBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_dwStyle = dwStyle & CBRS_ALL;
    // The frame places the rebar; the control lays out its bands inside.
    const DWORD dwCtrlStyle = (dwStyle & ~CBRS_ALL) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                              RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                              CCS_NORESIZE;
    if (!CWnd::Create(REBARCLASSNAMEA, nullptr, dwCtrlStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    REBARINFO info = {sizeof(info), 0, nullptr};
    return static_cast<BOOL>(SendMessage(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info)));
}

bool QvFSizableReBar::AddBar(CWnd* pBar, LPCSTR lpszText, CBitmap* pBitmap, DWORD dwBandStyle,
                             LPCSTR lpszBandName, bool bLocked)
{
    if (!m_hWnd || !pBar || !::IsWindow(pBar->GetSafeHwnd()))
        return false;
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_IDEALSIZE;
    band.fStyle = dwBandStyle & ~(RBBS_GRIPPERALWAYS | RBBS_NOGRIPPER | RBBS_FIXEDSIZE);
    band.fStyle |= bLocked ? RBBS_NOGRIPPER | RBBS_FIXEDSIZE : RBBS_GRIPPERALWAYS;
    LPCSTR lpszTitle = lpszText && *lpszText ? lpszText : lpszBandName;
    if (lpszTitle && *lpszTitle)
    {
        band.fMask |= RBBIM_TEXT;
        band.lpText = const_cast<LPSTR>(lpszTitle);
    }
    if (pBitmap && pBitmap->GetSafeHandle())
    {
        band.fMask |= RBBIM_BACKGROUND;
        band.hbmBack = *pBitmap;
    }
    band.hwndChild = pBar->m_hWnd;
    band.wID = static_cast<UINT>(pBar->GetDlgCtrlID());
    const CSize size = BarSize(pBar->m_hWnd);
    band.cxMinChild = static_cast<UINT>(size.cx);
    band.cyMinChild = static_cast<UINT>(size.cy);
    band.cxIdeal = static_cast<UINT>(size.cx);
    if (!SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)))
        return false;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    return true;
}

CSize QvFSizableReBar::CalcFixedLayout(BOOL, BOOL)
{
    // Bring each band in line with its bar: shown or hidden with it, sized to what it wants.
    bool bAnyShown = false;
    const UINT nBands = static_cast<UINT>(SendMessage(RB_GETBANDCOUNT));
    for (UINT i = 0; i < nBands; ++i)
    {
        const REBARBANDINFOA band =
            BandInfo(*this, i, RBBIM_CHILD | RBBIM_STYLE | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE);
        if (!band.fMask || !band.hwndChild)
            continue;
        const bool bShown = IsShown(band.hwndChild);
        if (bShown == ((band.fStyle & RBBS_HIDDEN) != 0))
            SendMessage(RB_SHOWBAND, i, bShown);
        bAnyShown = bAnyShown || bShown;
        const CSize size = BarSize(band.hwndChild);
        if (static_cast<UINT>(size.cx) != band.cxMinChild ||
            static_cast<UINT>(size.cy) != band.cyMinChild)
        {
            REBARBANDINFOA change = {};
            change.cbSize = sizeof(change);
            change.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
            change.cxMinChild = static_cast<UINT>(size.cx);
            change.cyMinChild = static_cast<UINT>(size.cy);
            change.cxIdeal = static_cast<UINT>(size.cx);
            SendMessage(RB_SETBANDINFOA, i, reinterpret_cast<LPARAM>(&change));
        }
    }
    const int cy = bAnyShown ? static_cast<int>(SendMessage(RB_GETBARHEIGHT)) : 0;
    return CSize(32767, cy);
}

void QvFSizableReBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The bars in the bands update themselves.
}

BOOL QvFSizableReBar::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT*)
{
    // A band that moves to another row changes the rebar's height.
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == RBN_HEIGHTCHANGE)
    {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->RecalcLayout();
    }
    return FALSE;
}

bool QvFSizableReBar::SaveState(LPCSTR lpszName)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !m_hWnd)
        return false;
    JBarStateRecords records;
    const UINT nBands = static_cast<UINT>(SendMessage(RB_GETBANDCOUNT));
    for (UINT i = 0; i < nBands; ++i)
    {
        const REBARBANDINFOA band =
            BandInfo(*this, i, RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE | RBBIM_CHILD);
        if (!band.fMask)
            return false;
        const bool bShown = band.hwndChild ? IsShown(band.hwndChild) : !(band.fStyle & RBBS_HIDDEN);
        records.push_back(
            {band.wID, band.cx, (band.fStyle & RBBS_BREAK) ? 1u : 0u, bShown ? 1u : 0u});
    }
    // One value, written whole or not at all.
    return pApp->WriteProfileString(lpszName, kBandsEntry, FQvFFormatBarState(records)) != FALSE;
}

bool QvFSizableReBar::LoadState(LPCSTR lpszName)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !m_hWnd)
        return false;
    JBarStateRecords records;
    if (!FQvFParseBarState(pApp->GetProfileString(lpszName, kBandsEntry), kBandFields, records))
        return false;
    for (const auto& record : records)
    {
        if (record[kBandBreak] > 1 || record[kBandShown] > 1)
            return false;
    }
    UINT nPlaced = 0;
    for (const auto& record : records)
    {
        const int nIndex = static_cast<int>(SendMessage(RB_IDTOINDEX, record[kBandId]));
        // Unknown bands, and a band named twice, are skipped.
        if (nIndex < static_cast<int>(nPlaced))
            continue;
        if (nIndex != static_cast<int>(nPlaced))
            SendMessage(RB_MOVEBAND, static_cast<WPARAM>(nIndex), nPlaced);
        const REBARBANDINFOA band = BandInfo(*this, nPlaced, RBBIM_STYLE | RBBIM_CHILD);
        REBARBANDINFOA change = {};
        change.cbSize = sizeof(change);
        change.fMask = RBBIM_STYLE | RBBIM_SIZE;
        change.fStyle = (band.fStyle & ~RBBS_BREAK) | (record[kBandBreak] ? RBBS_BREAK : 0);
        change.cx = record[kBandWidth];
        SendMessage(RB_SETBANDINFOA, nPlaced, reinterpret_cast<LPARAM>(&change));
        const bool bShown = record[kBandShown] != 0;
        if (band.hwndChild)
            ::ShowWindow(band.hwndChild, bShown ? SW_SHOWNOACTIVATE : SW_HIDE);
        SendMessage(RB_SHOWBAND, nPlaced, bShown);
        ++nPlaced;
    }
    if (nPlaced == 0)
        return false;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    return true;
}
