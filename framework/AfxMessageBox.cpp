#include "afxwin.h"

#include <string.h>

namespace
{
AFX_MESSAGEBOX_HANDLER s_pfnMessageBox = nullptr;
CString s_appName;

int CALLBACK PlatformMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

CString ProgramBaseName()
{
    char path[MAX_PATH] = "";
    if (!::GetModuleFileNameA(nullptr, path, MAX_PATH))
        return CString();
    const char* name = strrchr(path, '\\');
    name = name ? name + 1 : path;
    CString base(name);
    const int dot = base.ReverseFind('.');
    return dot > 0 ? base.Left(dot) : base;
}
} // namespace

LPCSTR AfxGetAppName()
{
    if (s_appName.IsEmpty())
        s_appName = ProgramBaseName();
    return s_appName;
}

void AfxSetAppName(LPCSTR lpszAppName)
{
    s_appName = lpszAppName;
}

AFX_MESSAGEBOX_HANDLER AfxSetMessageBoxHandler(AFX_MESSAGEBOX_HANDLER pfnHandler)
{
    AFX_MESSAGEBOX_HANDLER pfnOld = s_pfnMessageBox;
    s_pfnMessageBox = pfnHandler;
    return pfnOld;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT /*nIDHelp*/)
{
    AFX_MESSAGEBOX_HANDLER pfn = s_pfnMessageBox ? s_pfnMessageBox : PlatformMessageBox;
    // The owner is the active window of this thread, as for the framework's own boxes.
    return pfn(::GetActiveWindow(), lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        return 0;
    return AfxMessageBox(text, nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    AFX_MESSAGEBOX_HANDLER pfn = s_pfnMessageBox ? s_pfnMessageBox : PlatformMessageBox;
    return pfn(m_hWnd, lpszText, lpszCaption ? lpszCaption : "Error", nType);
}
