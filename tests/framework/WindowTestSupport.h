// Helpers of the framework's window tests: a message-box recorder behind the framework's
// message-box seam, message pumping, and plain test windows.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

// Records every message box while it lives and answers each with nAnswer.
class CMessageBoxRecorder
{
public:
    explicit CMessageBoxRecorder(int nAnswer = IDOK)
    {
        s_nAnswer = nAnswer;
        s_texts.clear();
        s_types.clear();
        m_pfnOld = AfxSetMessageBoxHandler(&Record);
    }
    ~CMessageBoxRecorder() { AfxSetMessageBoxHandler(m_pfnOld); }
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    const std::vector<std::string>& Texts() const { return s_texts; }
    const std::vector<UINT>& Types() const { return s_types; }

private:
    static int CALLBACK Record(HWND, LPCSTR lpszText, LPCSTR, UINT nType)
    {
        s_texts.push_back(lpszText ? lpszText : "");
        s_types.push_back(nType);
        return s_nAnswer;
    }

    AFX_MESSAGEBOX_HANDLER m_pfnOld;
    static inline int s_nAnswer = IDOK;
    static inline std::vector<std::string> s_texts;
    static inline std::vector<UINT> s_types;
};

// Dispatches what is in the thread's queue, through the framework's PreTranslateMessage walk.
inline void PumpPendingMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
            continue;
        }
        AfxPumpMessage();
    }
}

// A hidden top-level window of the framework's own class.
inline BOOL CreateTestPopup(CWnd& wnd, LPCSTR lpszTitle = "Test")
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), lpszTitle, WS_POPUP | WS_CAPTION, 0, 0, 300, 200,
                        nullptr, nullptr);
}
