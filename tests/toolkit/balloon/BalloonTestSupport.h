// Helpers of the balloon tests: a balloon that shows its protected parts, the system's tooltip
// fade settings switched on for a test, and readings of a balloon window from outside.
#pragma once

#include "toolkit/balloon/QvBalloon.h"

#include <string>

// The balloon's timers, as the window knows them.
const UINT_PTR kFadeInTimer = 3333;
const UINT_PTR kFadeOutTimer = 3334;
const UINT_PTR kTimeoutTimer = 3335;
const UINT_PTR kMousePollTimer = 3336;

class CBalloonProbe : public QvTBalloonHelp
{
public:
    CBalloonProbe() = default;
    ~CBalloonProbe() override { ++s_nDeleted; }

    using QvTBalloonHelp::CalcHeaderSize;
    using QvTBalloonHelp::GetBalloonQuadrant;

    static HHOOK KeyboardHook()
    {
        CSingleLock lock(&s_KeyboardHookSection, TRUE);
        return s_hKeyboardHook;
    }
    static INT_PTR KeyClosingCount()
    {
        CSingleLock lock(&s_KeyboardHookSection, TRUE);
        return s_apKeyboardCloseWnds.GetSize();
    }

    // The top that the last paint gave the content.
    int m_nPaintedContentTop = -1;
    static inline int s_nDeleted = 0;

protected:
    CSize DrawContent(CDC* pDC, int top, bool draw) override
    {
        if (draw)
            m_nPaintedContentTop = top;
        return QvTBalloonHelp::DrawContent(pDC, top, draw);
    }
};

// Windows' tooltip animation and fade settings, which a balloon needs for its fades, switched
// on (or off) for the life of the object; Wine starts with both off.
class CTooltipFades
{
public:
    explicit CTooltipFades(BOOL bOn)
    {
        ::SystemParametersInfoA(SPI_GETTOOLTIPANIMATION, 0, &m_bOldAnimation, 0);
        ::SystemParametersInfoA(SPI_GETTOOLTIPFADE, 0, &m_bOldFade, 0);
        Set(bOn, bOn);
    }
    ~CTooltipFades() { Set(m_bOldAnimation, m_bOldFade); }
    CTooltipFades(const CTooltipFades&) = delete;
    CTooltipFades& operator=(const CTooltipFades&) = delete;

private:
    static void Set(BOOL bAnimation, BOOL bFade)
    {
        ::SystemParametersInfoA(SPI_SETTOOLTIPANIMATION, 0,
                                reinterpret_cast<PVOID>(static_cast<INT_PTR>(bAnimation)), 0);
        ::SystemParametersInfoA(SPI_SETTOOLTIPFADE, 0,
                                reinterpret_cast<PVOID>(static_cast<INT_PTR>(bFade)), 0);
    }

    BOOL m_bOldAnimation = FALSE;
    BOOL m_bOldFade = FALSE;
};

// The opacity last applied to a layered window; -1 when it has none.
inline int BalloonAlpha(HWND hWnd)
{
    BYTE alpha = 0;
    DWORD dwFlags = 0;
    if (!::GetLayeredWindowAttributes(hWnd, nullptr, &alpha, &dwFlags) || !(dwFlags & LWA_ALPHA))
        return -1;
    return alpha;
}

// Whether the window's timer was running; the timer is stopped by asking.
inline bool TimerWasRunning(HWND hWnd, UINT_PTR nIDEvent)
{
    return ::KillTimer(hWnd, nIDEvent) != FALSE;
}

// Whether the window's timer is running; a running one goes on, with a period long enough
// that it never fires during a test.
inline bool TimerIsRunning(HWND hWnd, UINT_PTR nIDEvent)
{
    if (!::KillTimer(hWnd, nIDEvent))
        return false;
    ::SetTimer(hWnd, nIDEvent, 60000, nullptr);
    return true;
}

// The first balloon window owned by hWndOwner, or null.
inline HWND FindBalloon(HWND hWndOwner)
{
    struct Search
    {
        HWND hWndOwner;
        HWND hWndFound;
    } search = {hWndOwner, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            Search* pSearch = reinterpret_cast<Search*>(lParam);
            char szClass[64] = "";
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            if (std::string(szClass) == "BalloonHelpClass" &&
                ::GetWindow(hWnd, GW_OWNER) == pSearch->hWndOwner)
            {
                pSearch->hWndFound = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hWndFound;
}

inline std::string WindowText(HWND hWnd)
{
    char szText[256] = "";
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

// Dispatches what is in the thread's queue.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
