#include "afxstate_.h"

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    int nReturnCode = -1;
    try
    {
        if (!pApp->InitInstance())
        {
            // A main window left behind by a failed start goes now.
            if (pApp->m_pMainWnd)
                pApp->m_pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        }
        else
        {
            nReturnCode = pApp->Run();
        }
    }
    catch (...)
    {
        AfxReportCurrentException();
    }
    return nReturnCode;
}
