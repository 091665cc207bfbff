// A message log in the manner of Wine's control tests: subclasses a window for its lifetime
// and records the chosen messages it receives, with the window position of position changes.
#pragma once

#include <afxwin.h>

#include <commctrl.h>

#include <set>
#include <vector>

class CMessageLog
{
public:
    struct Entry
    {
        UINT message;
        WPARAM wParam;
        WINDOWPOS pos; // for WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED
    };

    // swallowed messages are recorded and answered with 0 instead of being handled.
    CMessageLog(HWND hWnd, std::set<UINT> recorded, std::set<UINT> swallowed = {})
        : m_hWnd(hWnd), m_recorded(std::move(recorded)), m_swallowed(std::move(swallowed))
    {
        m_bSubclassed = ::SetWindowSubclass(m_hWnd, &Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~CMessageLog()
    {
        if (m_bSubclassed)
            ::RemoveWindowSubclass(m_hWnd, &Proc, 1);
    }
    CMessageLog(const CMessageLog&) = delete;
    CMessageLog& operator=(const CMessageLog&) = delete;

    bool IsActive() const { return m_bSubclassed != FALSE; }
    const std::vector<Entry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data)
    {
        CMessageLog* pLog = reinterpret_cast<CMessageLog*>(data);
        if (pLog->m_recorded.count(message))
        {
            Entry entry = {message, wParam, {}};
            if (message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED)
                entry.pos = *reinterpret_cast<const WINDOWPOS*>(lParam);
            pLog->m_entries.push_back(entry);
        }
        if (pLog->m_swallowed.count(message))
            return 0;
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd;
    std::set<UINT> m_recorded;
    std::set<UINT> m_swallowed;
    std::vector<Entry> m_entries;
    BOOL m_bSubclassed = FALSE;
};
