// The balloon's life on the screen: fades, timers, the mouse and the keyboard hook.
#include "QvBalloon.h"

#include <shellapi.h>

#include <stdlib.h>

namespace
{
const int kFadeStep = 25;
const UINT kFadeInterval = 25;
const UINT kClosePollInterval = 500;
const UINT kMovePollInterval = 100;

QVT_SHELLEXECUTEA s_pfnShellExecute = nullptr;

HINSTANCE ShellOpen(LPCSTR lpFile)
{
    QVT_SHELLEXECUTEA pfn = s_pfnShellExecute ? s_pfnShellExecute : &::ShellExecuteA;
    return pfn(nullptr, "open", lpFile, nullptr, nullptr, SW_SHOWNORMAL);
}
} // namespace

QVT_SHELLEXECUTEA FQvTSetShellExecute(QVT_SHELLEXECUTEA pfnShellExecute)
{
    QVT_SHELLEXECUTEA pfnOld = s_pfnShellExecute ? s_pfnShellExecute : &::ShellExecuteA;
    s_pfnShellExecute = pfnShellExecute;
    return pfnOld;
}

BEGIN_MESSAGE_MAP(QvTBalloonHelp, CWnd)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_NCCALCSIZE()
ON_WM_TIMER()
ON_WM_MOUSEMOVE()
ON_WM_DESTROY()
ON_WM_RBUTTONUP()
ON_WM_CLOSE()
END_MESSAGE_MAP()

// Fades

BOOL QvTBalloonHelp::SetLayeredWindowAttributes(COLORREF key, int alpha, DWORD flags)
{
    if (!m_pfnSetLayeredWindowAttributes)
        return FALSE;
    return m_pfnSetLayeredWindowAttributes(m_hWnd, key, static_cast<BYTE>(alpha), flags);
}

void QvTBalloonHelp::ApplyAlpha()
{
    if (SetLayeredWindowAttributes(0, m_nAlpha, LWA_ALPHA))
        return;
    // A layered window that never got its attributes is not drawn at all.
    ModifyStyleEx(WS_EX_LAYERED, 0, SWP_FRAMECHANGED);
    m_unOptions |= unDISABLE_FADE;
}

void QvTBalloonHelp::ShowBalloon()
{
    m_nAlpha = 5;
    ApplyAlpha();
    if (!SetTimer(kFadeInTimer, kFadeInterval))
    {
        m_nAlpha = 255;
        ApplyAlpha();
        SetTimeout(m_unTimeout);
    }
}

void QvTBalloonHelp::HideBalloon()
{
    m_nAlpha = 250;
    if (!SetTimer(kFadeOutTimer, kFadeInterval))
        DestroyWindow();
}

void QvTBalloonHelp::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kFadeInTimer:
        m_nAlpha += kFadeStep;
        if (m_nAlpha >= 256 || (m_unOptions & unDISABLE_FADEIN))
        {
            m_nAlpha = 255;
            KillTimer(kFadeInTimer);
            SetTimeout(m_unTimeout);
        }
        ApplyAlpha();
        break;
    case kFadeOutTimer:
        KillTimer(kFadeInTimer);
        m_nAlpha -= kFadeStep;
        if (m_nAlpha < 0 || (m_unOptions & unDISABLE_FADEOUT))
        {
            m_nAlpha = 0;
            KillTimer(kFadeOutTimer);
            DestroyWindow(); // may delete this
            return;
        }
        ApplyAlpha();
        break;
    case kTimeoutTimer:
        KillTimer(kTimeoutTimer);
        HideBalloon();
        break;
    case kMousePollTimer: {
        KillTimer(kMousePollTimer);
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        OnMouseMove(0, point);
        break;
    }
    default:
        CWnd::OnTimer(nIDEvent);
        break;
    }
}

void QvTBalloonHelp::OnClose()
{
    HideBalloon();
}

void QvTBalloonHelp::OnDestroy()
{
    RemoveKeyboardHook();
    CWnd::OnDestroy();
}

// Mouse

void QvTBalloonHelp::OnLButtonDown(UINT nFlags, CPoint point)
{
    if ((m_unOptions & unSHOW_CLOSE_BUTTON) && GetCloseButtonRect().PtInRect(point))
    {
        m_uCloseState |= DFCS_PUSHED;
        SetCapture();
        OnMouseMove(nFlags, point);
    }
}

void QvTBalloonHelp::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_unOptions & unSHOW_CLOSE_BUTTON)
    {
        const CRect button = GetCloseButtonRect();
        UINT state = 0;
        if (button.PtInRect(point))
        {
            state = DFCS_HOT | (m_uCloseState & DFCS_PUSHED);
            // Leaving the balloon sends no move: the poll turns the hot look off again.
            SetTimer(kMousePollTimer, kClosePollInterval);
        }
        if (state != m_uCloseState)
        {
            CClientDC dc(this);
            DrawCloseButton(&dc, button, state);
            m_uCloseState = state | (m_uCloseState & DFCS_PUSHED);
        }
    }
    if (m_unOptions & unCLOSE_ON_MOUSE_MOVE)
    {
        if (m_nAlpha == 255 && (abs(point.x - m_ptMouseOrig.x) > m_nMouseMoveTolerance ||
                                abs(point.y - m_ptMouseOrig.y) > m_nMouseMoveTolerance))
            HideBalloon();
        else
            SetTimer(kMousePollTimer, kMovePollInterval);
    }
}

void QvTBalloonHelp::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (m_uCloseState & DFCS_PUSHED)
    {
        ::ReleaseCapture();
        m_uCloseState &= ~DFCS_PUSHED;
        if (GetCloseButtonRect().PtInRect(point))
            HideBalloon();
    }
    else if (m_unOptions & unCLOSE_ON_LBUTTON_UP)
    {
        ::ReleaseCapture();
        HideBalloon();
    }
    else if (!m_strURL.IsEmpty())
    {
        OpenURL();
    }
}

void QvTBalloonHelp::OnRButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_unOptions & unCLOSE_ON_RBUTTON_UP)
    {
        ::ReleaseCapture();
        HideBalloon();
    }
}

void QvTBalloonHelp::OpenURL()
{
    // ShellExecute's result is greater than 32 when the shell took the url.
    if (reinterpret_cast<INT_PTR>(ShellOpen(m_strURL)) > 32)
        HideBalloon();
    else
        ::MessageBeep(MB_ICONERROR); // the balloon stays, so the click can be tried again
}

// Keyboard hook

void QvTBalloonHelp::SetKeyboardHook()
{
    CSingleLock lock(&s_KeyboardHookSection, TRUE);
    if (!s_hKeyboardHook)
        s_hKeyboardHook =
            ::SetWindowsHookExA(WH_KEYBOARD, &KeyboardProc, nullptr, ::GetCurrentThreadId());
    // Without a hook no key closes the balloon; its other ways of closing still work.
    if (s_hKeyboardHook)
        s_apKeyboardCloseWnds.Add(m_hWnd);
}

void QvTBalloonHelp::RemoveKeyboardHook()
{
    CSingleLock lock(&s_KeyboardHookSection, TRUE);
    for (INT_PTR i = s_apKeyboardCloseWnds.GetSize() - 1; i >= 0; --i)
    {
        if (s_apKeyboardCloseWnds.GetAt(i) == m_hWnd)
            s_apKeyboardCloseWnds.RemoveAt(i);
    }
    if (s_apKeyboardCloseWnds.IsEmpty() && s_hKeyboardHook)
    {
        ::UnhookWindowsHookEx(s_hKeyboardHook);
        s_hKeyboardHook = nullptr;
    }
}

LRESULT CALLBACK QvTBalloonHelp::KeyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    // A negative code must go on unprocessed; the transition bit is set for a key going up.
    if (code >= 0 && (lParam & 0x80000000) == 0)
    {
        CSingleLock lock(&s_KeyboardHookSection, TRUE);
        for (INT_PTR i = 0; i < s_apKeyboardCloseWnds.GetSize(); ++i)
            ::PostMessageA(static_cast<HWND>(s_apKeyboardCloseWnds.GetAt(i)), WM_CLOSE, 0, 0);
        s_apKeyboardCloseWnds.RemoveAll();
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
