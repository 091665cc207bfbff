// Functions: AfxGetResourceHandle, AfxSetResourceHandle, AfxGetInstanceHandle,
//            AfxFindResourceHandle, AfxFindStringResourceHandle, AfxInitExtensionModule,
//            AfxTermExtensionModule, AfxGetAppName, AfxMessageBox, AfxSetMessageBoxHandler,
//            AfxExtractSubString and those of afxapp_.h
// Classes: AFX_EXTENSION_MODULE, CDynLinkLibrary, and through the headers below the GDI classes
//          of afxgdi.h, CCmdTarget, CCmdUI, CMenu, CWnd, CPaintDC, CClientDC, CWindowDC,
//          CDialog, CDataExchange, CButton, CEdit, CListBox, CComboBox, CScrollBar, CFrameWnd,
//          CView, CWinThread, CWinApp
// The framework's window layer.
#pragma once

#include "afx.h"
#include "afxgdi.h"
#include "afxres.h"

// Resources. The program's own resource module comes first; the modules of extension DLLs
// follow in the order they registered, so that a DLL's strings and images are found by id;
// the framework's own messages come last.
AFX_FRAMEWORK_API HINSTANCE AfxGetInstanceHandle();
AFX_FRAMEWORK_API HINSTANCE AfxGetResourceHandle();
AFX_FRAMEWORK_API void AfxSetResourceHandle(HINSTANCE hInstResource);
AFX_FRAMEWORK_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
AFX_FRAMEWORK_API HINSTANCE AfxFindStringResourceHandle(UINT nID);

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// Called from an extension DLL's DllMain on DLL_PROCESS_ATTACH; FALSE when hModule is null.
AFX_FRAMEWORK_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Called on DLL_PROCESS_DETACH: unlinks every CDynLinkLibrary made for the module.
AFX_FRAMEWORK_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// One link of the resource chain. An extension DLL creates one with new in its DllMain; the
// framework deletes it in AfxTermExtensionModule.
class AFX_FRAMEWORK_API CDynLinkLibrary
{
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    CDynLinkLibrary* m_pNextDLL;
};

// The application's title: the caption of every message box. Until an application object
// names itself it is the program file's base name.
AFX_FRAMEWORK_API LPCSTR AfxGetAppName();
AFX_FRAMEWORK_API void AfxSetAppName(LPCSTR lpszAppName);

// Message boxes. Every message box of the process goes through one handler, so that a test
// can read the text, caption and style of a message and give the answer without a modal loop.
typedef int(CALLBACK* AFX_MESSAGEBOX_HANDLER)(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption,
                                              UINT nType);
// Installs a handler (null restores ::MessageBoxA) and returns the previous one.
AFX_FRAMEWORK_API AFX_MESSAGEBOX_HANDLER AfxSetMessageBoxHandler(AFX_MESSAGEBOX_HANDLER pfnHandler);
// Shows the text captioned with the application's title; returns the button chosen (IDOK...).
AFX_FRAMEWORK_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_FRAMEWORK_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));

#include "afxcmd_.h"
#include "afxmenu_.h"
#include "afxwnd_.h"
#include "afxwindc_.h"
#include "afxdlg_.h"
#include "afxctl_.h"
#include "afxframe_.h"
#include "afxapp_.h"
