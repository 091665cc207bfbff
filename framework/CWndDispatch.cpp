#include "afxstate_.h"

namespace
{
// A control's notification goes to the control's own object first, wherever the control sits
// (a toolbar in a rebar notifies the frame directly).
BOOL ReflectToControl(HWND hWndCtrl, HWND hWndReceiver, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* pResult)
{
    CWnd* pCtrl = CWnd::FromHandlePermanent(hWndCtrl);
    return pCtrl && hWndCtrl != hWndReceiver &&
           pCtrl->OnChildNotify(message, wParam, lParam, pResult);
}

// Answers the update query that OnCommand makes before carrying out a menu or accelerator
// command: a command whose update handler disables it is not carried out.
class CTestCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(LPCSTR) override {}

    BOOL m_bEnabled = TRUE;
};

// Dialogs are centred over their owner unless their initialisation placed or showed them.
void PostInitDialog(CWnd* pWnd, const RECT& rectOld, DWORD dwStyleOld)
{
    if (dwStyleOld & WS_VISIBLE)
        return;
    const DWORD dwStyle = pWnd->GetStyle();
    if (dwStyle & (WS_VISIBLE | WS_CHILD | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN))
        return;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    if (rect.left != rectOld.left || rect.top != rectOld.top)
        return;
    // Only dialogs whose owner is disabled, that is modal ones.
    HWND hWndOwner = ::GetWindow(pWnd->m_hWnd, GW_OWNER);
    if (hWndOwner && ::IsWindowEnabled(hWndOwner))
        return;
    pWnd->CenterWindow();
}
} // namespace

AFX_THREAD_STATE& AfxGetThreadState()
{
    static thread_local AFX_THREAD_STATE state;
    return state;
}

// Window creation hook

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE& state = AfxGetThreadState();
    if (code == HCBT_CREATEWND && state.pWndInit)
    {
        CWnd* pWndInit = state.pWndInit;
        state.pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        try
        {
            if (pWndInit->Attach(hWnd))
            {
                pWndInit->PreSubclassWindow();
                WNDPROC oldWndProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
                    hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
                if (oldWndProc != &AfxWndProc)
                    pWndInit->m_pfnSuper = oldWndProc;
            }
        }
        catch (...)
        {
            AfxReportCurrentException();
        }
    }
    return ::CallNextHookEx(state.hHookOldCbtFilter, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE& state = AfxGetThreadState();
    if (!state.hHookOldCbtFilter)
    {
        state.hHookOldCbtFilter =
            ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
        if (!state.hHookOldCbtFilter)
            AfxThrowResourceException();
    }
    state.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE& state = AfxGetThreadState();
    if (state.pWndInit)
    {
        state.pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

// The window procedure

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    // A class procedure that forwards to this one, reached as the window's own procedure
    // (the window was subclassed at creation), hands back the very message the framework gave
    // it for default handling: that is the end of the chain.
    const MSG& superCall = AfxGetThreadState().superCall;
    if (superCall.hwnd == hWnd && superCall.message == nMsg && superCall.wParam == wParam &&
        superCall.lParam == lParam)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE& state = AfxGetThreadState();
    const MSG oldState = state.lastSentMsg;
    state.lastSentMsg.hwnd = hWnd;
    state.lastSentMsg.message = nMsg;
    state.lastSentMsg.wParam = wParam;
    state.lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    try
    {
        CRect rectOld;
        DWORD dwStyleOld = 0;
        if (nMsg == WM_INITDIALOG)
        {
            pWnd->GetWindowRect(&rectOld);
            dwStyleOld = pWnd->GetStyle();
        }
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
        if (nMsg == WM_INITDIALOG && ::IsWindow(hWnd))
            PostInitDialog(pWnd, rectOld, dwStyleOld);
    }
    catch (...)
    {
        // No exception may unwind through Windows: report it and carry on.
        AfxReportCurrentException();
        if (nMsg == WM_CREATE)
            lResult = -1; // the creation fails rather than leaving a half-made window
        else if (nMsg == WM_PAINT)
            ::ValidateRect(hWnd, nullptr); // else the paint would come back at once
    }
    state.lastSentMsg = oldState;
    return lResult;
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return TRUE;
    CDialog* pDlg = static_cast<CDialog*>(pWnd);
    try
    {
        return pDlg->OnInitDialog();
    }
    catch (...)
    {
        AfxReportCurrentException();
        pDlg->EndDialog(-1); // a dialog that could not be filled in is not shown
        return FALSE;
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    }
    else if (message == WM_NOTIFY)
    {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else
    {
        const UINT nEntryMessage =
            message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? WM_CTLCOLOR : message;
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nEntryMessage);
        if (!pEntry)
            return FALSE;
        const AFX_MSGCALL call = {message, wParam, lParam, 0, nullptr};
        lResult = pEntry->pfn(this, call);
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_pfnSuper)
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    MSG& superCall = AfxGetThreadState().superCall;
    const MSG oldCall = superCall;
    superCall.hwnd = m_hWnd;
    superCall.message = message;
    superCall.wParam = wParam;
    superCall.lParam = lParam;
    const LRESULT lResult = ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    superCall = oldCall;
    return lResult;
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl)
    {
        // A menu item or an accelerator.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState().hLockoutNotifyWindow == m_hWnd)
            return TRUE; // UpdateData is changing the controls
        if (ReflectToControl(hWndCtrl, m_hWnd, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (AfxGetThreadState().hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectToControl(pNMHDR->hwndFrom, m_hWnd, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom),
                    static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

// Messages on their way to being dispatched

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

BOOL AfxInternalPreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd ? pMainWnd->m_hWnd : nullptr, pMsg))
        return TRUE;
    // A modeless window outside the main window still gets the main window's accelerators.
    if (pMainWnd && pMainWnd->m_hWnd && pMsg->hwnd)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL AFXAPI AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    MSG& msg = AfxGetThreadState().msgCur;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    if (!AfxInternalPreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

// Default handlers

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnNcDestroy()
{
    // The end of the main window is the end of its thread's message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd == this)
    {
        ::PostQuitMessage(0);
        pThread->m_pMainWnd = nullptr;
    }
    // A modal loop on a window that is going away must not wait for ever.
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostThreadMessageA(::GetCurrentThreadId(), WM_NULL, 0, 0);
    }
    WNDPROC pfnWndProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    Default();
    // Give the window its own procedure back, unless someone subclassed it after us.
    if (m_pfnSuper &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == pfnWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

void CWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    Default();
    if (!bSysMenu)
        UpdateMenuCmdUI(pPopupMenu, FALSE);
}

void CWnd::UpdateMenuCmdUI(CMenu* pPopupMenu, BOOL bDisableIfNoHndler)
{
    if (!pPopupMenu || !pPopupMenu->m_hMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        // Separators and sub menus have no command of their own.
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;
        state.DoUpdate(this, bDisableIfNoHndler && state.m_nID < 0xF000);
        // A handler may have added or removed items.
        state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    }
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnMove(int, int)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnNcPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}

void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT)
{
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT)
{
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}

void CWnd::OnDropFiles(HDROP)
{
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}

void CWnd::OnSysColorChange()
{
    Default();
}

void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}

void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}

LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnNcMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnNcLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnNcLButtonDblClk(UINT, CPoint)
{
    Default();
}
