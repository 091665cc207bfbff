#include "JBarState.h"
#include "QvFTools.h"

#include <set>

IMPLEMENT_DYNAMIC(QvFToolBarEx, CControlBar)

BEGIN_MESSAGE_MAP(QvFToolBarEx, CControlBar)
ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, &QvFToolBarEx::OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, &QvFToolBarEx::OnToolTipText)
END_MESSAGE_MAP()

namespace
{
const char kButtonsEntry[] = "Buttons";

// Drives one button from an update handler; only changes reach the control.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        const bool bEnabled = m_pOther->SendMessage(TB_ISBUTTONENABLED, m_nID) != 0;
        if (bEnabled != (bOn != FALSE))
            m_pOther->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELPARAM(bOn ? TRUE : FALSE, 0));
    }
    void SetCheck(int nCheck) override
    {
        const bool bChecked = m_pOther->SendMessage(TB_ISBUTTONCHECKED, m_nID) != 0;
        if (bChecked != (nCheck != 0))
            m_pOther->SendMessage(TB_CHECKBUTTON, m_nID, MAKELPARAM(nCheck ? TRUE : FALSE, 0));
    }
    void SetText(LPCSTR) override {}
};

// Part iPart of the command's string "prompt\ntooltip".
CString CommandText(UINT nCommandID, int iPart)
{
    CString strFull;
    CString strPart;
    if (nCommandID != 0 && strFull.LoadString(nCommandID))
        AfxExtractSubString(strPart, strFull, iPart);
    return strPart;
}

// A strip of cx x cx images from a bitmap resource; FALSE when it is missing or not cx high.
bool LoadStrip(CImageList& images, UINT nBitmapID, int cx, COLORREF crMask)
{
    CBitmap strip;
    BITMAP bm = {};
    if (!strip.LoadBitmap(nBitmapID) || !strip.GetBitmap(&bm) || bm.bmHeight != cx ||
        bm.bmWidth < cx)
        return false;
    return images.Create(cx, cx, ILC_COLOR32 | ILC_MASK, bm.bmWidth / cx, 0) &&
           images.Add(&strip, crMask) != -1;
}

bool IsSeparator(const TBBUTTON& button)
{
    return (button.fsStyle & BTNS_SEP) != 0;
}
} // namespace

QvFToolBarEx::QvFToolBarEx()
{
}

QvFToolBarEx::~QvFToolBarEx()
{
    // The control uses the image lists until its window is gone.
    DestroyWindow();
}

BOOL QvFToolBarEx::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_dwStyle = dwStyle & CBRS_ALL;
    // The frame or the rebar places the toolbar; the control only draws it. It notifies the
    // window it was made in (the frame), also from inside a rebar.
    const DWORD dwCtrlStyle = (dwStyle & ~CBRS_ALL) | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT |
                              TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwCtrlStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

bool QvFToolBarEx::SetBitmaps(UINT nNormal16, UINT nHot16, UINT nDisabled16, UINT nNormal24,
                              UINT nHot24, UINT nDisabled24, int nIconOption, COLORREF crMask)
{
    if (!m_hWnd)
        return false;
    const bool bLarge = nIconOption == nIconLarge;
    const int cx = bLarge ? 24 : 16;
    CImageList images;
    CImageList hotImages;
    CImageList disabledImages;
    if (!LoadStrip(images, bLarge ? nNormal24 : nNormal16, cx, crMask) ||
        !LoadStrip(hotImages, bLarge ? nHot24 : nHot16, cx, crMask) ||
        !LoadStrip(disabledImages, bLarge ? nDisabled24 : nDisabled16, cx, crMask))
        return false;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cx));
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.GetSafeHandle()));
    SendMessage(TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages.GetSafeHandle()));
    SendMessage(TB_SETDISABLEDIMAGELIST, 0,
                reinterpret_cast<LPARAM>(disabledImages.GetSafeHandle()));
    // The control holds the new lists now: the old ones can go.
    m_images.DeleteImageList();
    m_images.Attach(images.Detach());
    m_hotImages.DeleteImageList();
    m_hotImages.Attach(hotImages.Detach());
    m_disabledImages.DeleteImageList();
    m_disabledImages.Attach(disabledImages.Detach());
    AfterButtonsChanged();
    return true;
}

bool QvFToolBarEx::SetButtons(int nCount, const CoButton* pButtons, int nTextOption)
{
    if (!m_hWnd || nCount < 0 || (nCount > 0 && !pButtons))
        return false;
    m_buttons.assign(pButtons, pButtons + nCount);
    m_nTextOption =
        nTextOption == nTextSelective || nTextOption == nTextBelow ? nTextOption : nTextNone;
    ModifyStyle(TBSTYLE_LIST, m_nTextOption == nTextSelective ? TBSTYLE_LIST : 0);
    const DWORD dwExStyle = static_cast<DWORD>(SendMessage(TB_GETEXTENDEDSTYLE));
    SendMessage(TB_SETEXTENDEDSTYLE, 0,
                (dwExStyle & ~TBSTYLE_EX_MIXEDBUTTONS) |
                    (m_nTextOption == nTextSelective ? TBSTYLE_EX_MIXEDBUTTONS : 0));
    ShowDefaultButtons();
    return true;
}

const QvFToolBarEx::CoButton* QvFToolBarEx::FindButton(UINT nCommandID, bool bSeparator) const
{
    for (const CoButton& record : m_buttons)
    {
        if (bSeparator ? IsSeparator(record.tbButton)
                       : !IsSeparator(record.tbButton) &&
                             static_cast<UINT>(record.tbButton.idCommand) == nCommandID)
            return &record;
    }
    return nullptr;
}

std::vector<const QvFToolBarEx::CoButton*> QvFToolBarEx::ShownButtons() const
{
    static const CoButton s_separator = {{0, 0, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, -1}, 1};
    std::vector<const CoButton*> shown;
    const int nCount = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)))
            continue;
        // Separators are all alike: the Customize dialog makes its own.
        const CoButton* pRecord =
            IsSeparator(button) ? FindButton(0, true) : FindButton(button.idCommand, false);
        if (!pRecord && IsSeparator(button))
            pRecord = &s_separator;
        if (pRecord)
            shown.push_back(pRecord);
    }
    return shown;
}

void QvFToolBarEx::ShowDefaultButtons()
{
    std::vector<const CoButton*> buttons;
    for (const CoButton& record : m_buttons)
    {
        if (record.nDefault)
            buttons.push_back(&record);
    }
    ShowButtons(buttons);
}

void QvFToolBarEx::ShowButtons(const std::vector<const CoButton*>& buttons)
{
    std::vector<CString> labels(buttons.size()); // the control copies them
    std::vector<TBBUTTON> shown;
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        TBBUTTON button = buttons[i]->tbButton;
        button.iString = -1;
        button.fsStyle &= ~(BTNS_SHOWTEXT | BTNS_AUTOSIZE);
        const UINT nID = static_cast<UINT>(button.idCommand);
        const bool bLabel =
            !IsSeparator(button) && (m_nTextOption == nTextBelow ||
                                     (m_nTextOption == nTextSelective && ShowButtonText(nID)));
        if (bLabel)
        {
            labels[i] = GetButtonTip(nID);
            button.iString = reinterpret_cast<INT_PTR>(labels[i].GetString());
            if (m_nTextOption == nTextSelective)
                button.fsStyle |= BTNS_SHOWTEXT | BTNS_AUTOSIZE;
        }
        shown.push_back(button);
    }
    SetRedraw(FALSE);
    while (SendMessage(TB_BUTTONCOUNT) > 0)
    {
        if (!SendMessage(TB_DELETEBUTTON, 0))
            break;
    }
    if (!shown.empty())
        SendMessage(TB_ADDBUTTONSA, shown.size(), reinterpret_cast<LPARAM>(shown.data()));
    SetRedraw(TRUE);
    Invalidate();
    AfterButtonsChanged();
}

void QvFToolBarEx::AfterButtonsChanged()
{
    // The band or the frame's top strip follows the toolbar's new size.
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
}

CSize QvFToolBarEx::CalcFixedLayout(BOOL bStretch, BOOL)
{
    SIZE size = {0, 0};
    if (m_hWnd)
        SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    if (size.cy == 0 && m_hWnd)
        size.cy = HIWORD(SendMessage(TB_GETBUTTONSIZE));
    return CSize(bStretch ? 32767 : size.cx, size.cy);
}

void QvFToolBarEx::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(SendMessage(TB_BUTTONCOUNT));
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        TBBUTTON button = {};
        if (!SendMessage(TB_GETBUTTON, state.m_nIndex, reinterpret_cast<LPARAM>(&button)) ||
            IsSeparator(button))
            continue;
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

bool QvFToolBarEx::SaveState(LPCSTR lpszName)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !m_hWnd)
        return false;
    JBarStateRecords records;
    for (const CoButton* pButton : ShownButtons())
    {
        const UINT nID =
            IsSeparator(pButton->tbButton) ? 0 : static_cast<UINT>(pButton->tbButton.idCommand);
        records.push_back({nID});
    }
    // One value, written whole or not at all.
    return pApp->WriteProfileString(lpszName, kButtonsEntry, FQvFFormatBarState(records)) != FALSE;
}

bool QvFToolBarEx::LoadState(LPCSTR lpszName)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !m_hWnd || m_buttons.empty())
        return false;
    JBarStateRecords records;
    if (!FQvFParseBarState(pApp->GetProfileString(lpszName, kButtonsEntry), 1, records))
        return false;
    std::vector<const CoButton*> buttons;
    std::set<UINT> placed;
    for (const auto& record : records)
    {
        const UINT nID = record[0];
        const CoButton* pButton = nID == 0 ? FindButton(0, true) : FindButton(nID, false);
        if (!pButton || (nID != 0 && !placed.insert(nID).second))
            continue;
        buttons.push_back(pButton);
    }
    // Stored buttons of which none is offered any more: keep what is shown.
    if (buttons.empty() && !records.empty())
        return false;
    ShowButtons(buttons);
    return true;
}

LRESULT QvFToolBarEx::OnCustomDraw(NMTBCUSTOMDRAW*)
{
    return CDRF_DODEFAULT;
}

bool QvFToolBarEx::ShowButtonText(UINT) const
{
    return true;
}

CString QvFToolBarEx::GetButtonTip(UINT nCommandID) const
{
    return CommandText(nCommandID, 1);
}

CString QvFToolBarEx::GetButtonPrompt(UINT nCommandID) const
{
    return CommandText(nCommandID, 0);
}

void QvFToolBarEx::InitButtons()
{
}

BOOL QvFToolBarEx::OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    const CString strTip = GetButtonTip(nID);
    // The control's own buffer holds 80 characters; tips are short.
    if (pNMHDR->code == TTN_GETDISPINFOW)
    {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        pInfo->szText[0] = L'\0';
        ::MultiByteToWideChar(CP_ACP, 0, strTip, -1, pInfo->szText, ARRAYSIZE(pInfo->szText));
        pInfo->szText[ARRAYSIZE(pInfo->szText) - 1] = L'\0';
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    }
    else
    {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        lstrcpynA(pInfo->szText, strTip, ARRAYSIZE(pInfo->szText));
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    }
    *pResult = 0;
    return TRUE;
}

BOOL QvFToolBarEx::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NOTIFY || !pResult)
        return FALSE;
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    switch (pNMHDR->code)
    {
    case NM_CUSTOMDRAW:
        *pResult = OnCustomDraw(reinterpret_cast<NMTBCUSTOMDRAW*>(pNMHDR));
        return TRUE;
    case TBN_HOTITEMCHANGE:
        ShowFlyByPrompt(*reinterpret_cast<NMTBHOTITEM*>(pNMHDR));
        *pResult = 0; // the hot item may change
        return TRUE;
    default:
        return OnCustomizeNotify(pNMHDR, pResult);
    }
}

void QvFToolBarEx::ShowFlyByPrompt(const NMTBHOTITEM& hotItem)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (!pFrame || !(m_dwStyle & CBRS_FLYBY))
        return;
    if ((hotItem.dwFlags & HICF_LEAVING) || hotItem.idNew == 0)
        pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    else
        pFrame->SetMessageText(GetButtonPrompt(static_cast<UINT>(hotItem.idNew)));
}
