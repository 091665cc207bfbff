// Classes: CWinThread, CWinApp
// Functions: AfxGetApp, AfxGetThread, AfxGetMainWnd, AfxWinMain, AfxWinInit, AfxPumpMessage,
//            AfxWndProc, AfxRegisterWndClass
// Included by afxwin.h.
#pragma once

#include "afxwnd_.h"

// A thread with a message loop: PreTranslateMessage, then dispatch, and idle processing
// whenever the queue runs empty.
class AFX_FRAMEWORK_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread();
    virtual ~CWinThread();

    // Attributes
    CWnd* m_pMainWnd = nullptr; // the loop ends when this window is destroyed
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

    // Overridables
    virtual BOOL InitInstance();
    // The message loop; returns ExitInstance's result once WM_QUIT arrives
    virtual int Run();
    // The exit code: the wParam of WM_QUIT
    virtual int ExitInstance();
    // lCount counts the idle calls since the last message; TRUE asks for another call.
    // Call 0 updates the command UI of the main window and its descendants
    // (WM_IDLEUPDATECMDUI); a later call frees the thread's temporary handle-map objects.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // FALSE when WM_QUIT was taken
    virtual BOOL PumpMessage();
    // FALSE for messages that do not start a new idle phase (repeated mouse moves, paints)
    virtual BOOL IsIdleMessage(MSG* pMsg);

private:
    POINT m_ptCursorLast = {-1, -1};
    UINT m_nMsgLast = 0;
};

// The application: one object per program. AfxWinMain calls InitInstance, then Run, or
// ExitInstance when InitInstance fails.
class AFX_FRAMEWORK_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)

public:
    // Null takes the title from string AFX_IDS_APP_TITLE, else the program file's name
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();

    // Attributes. The strings are allocated with malloc and freed by the destructor; assign
    // only malloc'd strings (after freeing the old one).
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszExeName = nullptr;
    // Without a registry key: the initialisation file; with one: the key under it
    LPCSTR m_pszProfileName = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;

    // Resources
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const
    {
        return ::LoadCursorA(nullptr, lpszCursorName);
    }

    // Settings. With a registry key they live under
    // HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>, else in the
    // initialisation file. A read falls back to the default; a write returns FALSE when the
    // value could not be stored.
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // A null value deletes the entry, a null entry the whole section
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);

    // Overridables
    BOOL InitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;

    // Switches the settings to the registry under the given company key; the profile name
    // becomes the application's name
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // The keys the settings live in, created when missing; the caller closes them. Null
    // when they cannot be opened.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR lpszSection);

    // Fills the names that the constructor left open from the program module
    void SetCurrentHandles();

protected:
    // ID_APP_EXIT: closes the main window
    afx_msg void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    // The initialisation file, named after the program when nobody named it yet
    LPCSTR ProfileFile();
};

AFX_FRAMEWORK_API CWinApp* AFXAPI AfxGetApp();
// The current thread's CWinThread (the application on its own thread), or null
AFX_FRAMEWORK_API CWinThread* AFXAPI AfxGetThread();
AFX_FRAMEWORK_API CWnd* AFXAPI AfxGetMainWnd();

// The program's entry: executables link the framework_main library, whose WinMain calls it
AFX_FRAMEWORK_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance,
                                        LPSTR lpCmdLine, int nCmdShow);
AFX_FRAMEWORK_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance,
                                         LPSTR lpCmdLine, int nCmdShow);

// Takes one message and dispatches it through the thread's PreTranslateMessage; FALSE on
// WM_QUIT
AFX_FRAMEWORK_API BOOL AFXAPI AfxPumpMessage();

// The framework's window procedure: hands every message to the window's permanent object.
// A window class may use it directly, or a class procedure may forward to it.
AFX_FRAMEWORK_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Registers (once) a window class with these attributes and returns its generated name,
// valid until the next call on this thread; throws CResourceException on failure
AFX_FRAMEWORK_API LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                                    HBRUSH hbrBackground = nullptr,
                                                    HICON hIcon = nullptr);
