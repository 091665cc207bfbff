// Inside the framework only: what each thread keeps for its windows, and the framework's own
// helpers shared between its source files.
#pragma once

#include "afxwin.h"
#include "afxhandlemap.h"
#include "afxpermanent.h"
#include "afxpriv.h"

#include <vector>

struct AFX_THREAD_STATE
{
    CWinThread* pThread = nullptr;       // the thread's CWinThread, if it has one
    CWnd* pWndInit = nullptr;            // the object whose window is being created
    HHOOK hHookOldCbtFilter = nullptr;   // the creation hook, installed once per thread
    MSG lastSentMsg = {};                // the message being handled, for CWnd::Default
    MSG msgCur = {};                     // the message last taken from the queue
    HWND hLockoutNotifyWindow = nullptr; // notifications to it are ignored during UpdateData
    MSG superCall = {};                  // the message a window's own procedure is handling
};

AFX_THREAD_STATE& AfxGetThreadState();

// The thread's window and menu maps.
CHandleMap<CWnd, HWND>& AfxWindowMap();
CHandleMap<CMenu, HMENU>& AfxMenuMap();

// Window creation through an object: the hook attaches the new window to pWnd and subclasses
// it before its first message. AfxUnhookWindowCreate is FALSE when no window was attached.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

// Calls pWnd->WindowProc for one message: keeps it for CWnd::Default and catches every
// exception at the boundary.
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Inside a catch block: reports the exception being handled through AfxMessageBox
// (a CUserException has been reported already) and frees it.
void AfxReportCurrentException();

// The thread's PreTranslateMessage walk, for threads without a CWinThread object
BOOL AfxInternalPreTranslateMessage(MSG* pMsg);

// The dialog procedure of every framework dialog
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Common controls are registered once per process before a dialog or control needs them
void AfxInitCommonControls();

// A copy of an extended template with DS_SHELLFONT and the face "MS Shell Dlg" that names
// "MS Shell Dlg 2" instead, as the dialog manager of Windows does; false (copy untouched) for
// every other template.
bool AfxShellFontTemplate(LPCDLGTEMPLATE lpTemplate, std::vector<BYTE>& copy);

// The framework DLL's own module: its resources close the resource chain
HINSTANCE AfxGetFrameworkHandle();

// Sets a window's text only when it differs, so that controls do not flicker
void AfxSetWindowText(HWND hWndCtrl, LPCSTR lpszNew);
