#include "afxstate_.h"

#include <stdio.h>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace
{
const char kDefaultClassName[] = "ShvAfxWnd";

bool IsMarker(const CWnd* pWnd)
{
    return pWnd == &CWnd::wndTop || pWnd == &CWnd::wndBottom || pWnd == &CWnd::wndTopMost ||
           pWnd == &CWnd::wndNoTopMost;
}

// The class of child windows created without one: double clicks, redrawn on resizing,
// arrow cursor, no background (the window paints itself).
BOOL RegisterDefaultClass()
{
    WNDCLASSA wndcls = {};
    if (::GetClassInfoA(AfxGetInstanceHandle(), kDefaultClassName, &wndcls))
        return TRUE;
    wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = AfxGetInstanceHandle();
    wndcls.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wndcls.lpszClassName = kDefaultClassName;
    return ::RegisterClassA(&wndcls) != 0;
}
} // namespace

CHandleMap<CWnd, HWND>& AfxWindowMap()
{
    return AfxThreadHandleMap<CWnd, HWND>([](CWnd* pWnd, HWND hWnd) { pWnd->m_hWnd = hWnd; });
}

CWnd::CWnd() : m_hWnd(nullptr)
{
}

CWnd::CWnd(HWND hWndMarker) : m_hWnd(hWndMarker)
{
}

CWnd::~CWnd()
{
    // A window that outlives its object would call into freed memory: destroy it. Derived
    // classes are gone by now, so only CWnd's own handling sees its last messages.
    if (m_hWnd && !IsMarker(this))
        DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return AfxWindowMap().FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? AfxWindowMap().LookupPermanent(hWnd) : nullptr;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    ASSERT(m_hWnd == nullptr && FromHandlePermanent(hWndNew) == nullptr);
    // A window has one permanent object.
    if (FromHandlePermanent(hWndNew))
        return FALSE;
    return AfxAttachPermanent(AfxWindowMap(), m_hWnd, hWndNew, this);
}

HWND CWnd::Detach()
{
    if (IsMarker(this))
        return m_hWnd;
    // A temporary object only lets go of its handle: the map deletes it at idle time.
    return AfxDetachPermanent(AfxWindowMap(), m_hWnd, this);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (!oldWndProc)
    {
        Detach();
        return FALSE;
    }
    // Windows of a class whose procedure is the framework's own have nothing to chain to.
    if (oldWndProc != &AfxWndProc)
        m_pfnSuper = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
    {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

HWND CWnd::GetSafeHwnd() const
{
    const CWnd* pThis = this;
    return pThis ? m_hWnd : nullptr;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // A child window; pop-ups go through CreateEx.
    ASSERT(pParentWnd != nullptr && (dwStyle & WS_POPUP) == 0);
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                  static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the window never reached this object
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
    {
        if (!RegisterDefaultClass())
            return FALSE;
        cs.lpszClass = kDefaultClassName;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd || IsMarker(this))
        return FALSE;
    HWND hWnd = m_hWnd;
    const bool bPermanent = FromHandlePermanent(hWnd) == this;
    const BOOL bResult = ::DestroyWindow(hWnd);
    // A permanent object was detached by WM_NCDESTROY and may have deleted itself; anything
    // else lets go of the handle here.
    if (!bPermanent)
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwStyle = GetStyle();
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwStyle = GetExStyle();
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

CWnd* CWnd::GetOwner() const
{
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    return hWndOwner ? FromHandle(hWndOwner) : GetParent();
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = GetSafeHwnd();
    if (!hWnd)
        return nullptr;
    for (HWND hWndParent; (hWndParent = ::GetParent(hWnd)) != nullptr;)
        hWnd = hWndParent;
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(GetSafeHwnd()); hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

namespace
{
HWND FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    HWND hWndChild = ::GetDlgItem(hWnd, nID);
    if (hWndChild && (!bOnlyPerm || CWnd::FromHandlePermanent(hWndChild)))
        return hWndChild;
    for (hWndChild = ::GetTopWindow(hWnd); hWndChild;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT))
    {
        if (HWND hWndFound = FindDescendant(hWndChild, nID, bOnlyPerm))
            return hWndFound;
    }
    return nullptr;
}
} // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    // A null window would search the desktop's windows.
    HWND hWndFound = GetSafeHwnd() ? FindDescendant(m_hWnd, nID, bOnlyPerm) : nullptr;
    if (!hWndFound)
        return nullptr;
    return bOnlyPerm ? FromHandlePermanent(hWndFound) : FromHandle(hWndFound);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    if (nLength <= 0)
    {
        rString.Empty();
        return;
    }
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLength), nLength + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    if (!hWndItem)
    {
        rString.Empty();
        return 0;
    }
    FromHandle(hWndItem)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::MapRect(HWND hWndFrom, HWND hWndTo, LPRECT lpRect)
{
    ::MapWindowPoints(hWndFrom, hWndTo, reinterpret_cast<LPPOINT>(lpRect), 2);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    HRGN hRgn = prgnUpdate ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr;
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hRgn, flags);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            if (CWnd* pWnd = FromHandlePermanent(hWndChild))
                AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        }
        else
        {
            ::SendMessageA(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hWndChild))
            FromHandle(hWndChild)->SendMessageToDescendants(message, wParam, lParam, bDeep,
                                                            bOnlyPerm);
    }
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    const DWORD dwStyle = GetStyle();
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea;
    CRect rcCenter;
    if (dwStyle & WS_CHILD)
    {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        ::MapWindowPoints(hWndParent, nullptr, reinterpret_cast<LPPOINT>(&rcArea), 2);
        rcCenter = rcArea;
    }
    else
    {
        HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter)
        {
            // Over the owner's top-level window, unless it cannot be seen.
            while (::GetParent(hWndCenter))
                hWndCenter = ::GetParent(hWndCenter);
            if (!::IsWindowVisible(hWndCenter) || ::IsIconic(hWndCenter))
                hWndCenter = nullptr;
        }
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        ::GetMonitorInfoA(
            ::MonitorFromWindow(hWndCenter ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
        rcArea = mi.rcWork;
        if (hWndCenter)
            ::GetWindowRect(hWndCenter, &rcCenter);
        else
            rcCenter = rcArea;
    }
    int x = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    // Keep the whole window inside the area where possible.
    if (x + rcDlg.Width() > rcArea.right)
        x = rcArea.right - rcDlg.Width();
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + rcDlg.Height() > rcArea.bottom)
        y = rcArea.bottom - rcDlg.Height();
    if (y < rcArea.top)
        y = rcArea.top;
    if (dwStyle & WS_CHILD)
    {
        POINT pt = {x, y};
        ::ScreenToClient(::GetParent(m_hWnd), &pt);
        x = pt.x;
        y = pt.y;
    }
    SetWindowPos(nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                  HICON hIcon)
{
    static thread_local char szClassName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    snprintf(szClassName, sizeof(szClassName), "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst),
             nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
             static_cast<void*>(hIcon));
    WNDCLASSA wndcls = {};
    if (::GetClassInfoA(hInst, szClassName, &wndcls))
        return szClassName;
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProcA;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = szClassName;
    if (!::RegisterClassA(&wndcls))
        AfxThrowResourceException();
    return szClassName;
}
