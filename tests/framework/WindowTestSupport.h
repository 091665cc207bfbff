// Helpers of the window tests: a message-box recorder behind the framework's message-box seam,
// message pumping, plain test windows, and an answer to the next common dialog.
#pragma once

#include <afxwin.h>

#include <commdlg.h>
#include <dlgs.h>
#include <string.h>

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

// Answers the common dialog that the thread opens next: sets the file name, then OK or Cancel.
struct CCommonDialogAnswer
{
    static inline std::string s_fileName;
    static inline int s_nButton = IDOK;
    static inline bool s_bAnswered = false;

    static BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
    {
        char className[16] = "";
        ::GetClassNameA(hWnd, className, sizeof(className));
        if (strcmp(className, "#32770") != 0 || !::IsWindowVisible(hWnd))
            return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        HWND hDlg = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&hDlg));
        if (!hDlg)
            return;
        ::KillTimer(nullptr, nTimer);
        if (!s_fileName.empty())
            ::SendMessageA(hDlg, CDM_SETCONTROLTEXT, cmb13,
                           reinterpret_cast<LPARAM>(s_fileName.c_str()));
        s_bAnswered = true;
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(s_nButton, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, s_nButton)));
    }
    static void Arm(const char* fileName, int nButton)
    {
        s_fileName = fileName;
        s_nButton = nButton;
        s_bAnswered = false;
        ::SetTimer(nullptr, 0, 50, &Tick);
    }
};
