#include "afxstate_.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
{
}

CWinThread::~CWinThread()
{
    AFX_THREAD_STATE& state = AfxGetThreadState();
    if (state.pThread == this)
        state.pThread = nullptr;
}

CWinThread* AFXAPI AfxGetThread()
{
    return AfxGetThreadState().pThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(AfxGetThreadState().msgCur.wParam);
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return AfxInternalPreTranslateMessage(pMsg);
}

BOOL CWinThread::PumpMessage()
{
    MSG& msg = AfxGetThreadState().msgCur;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&msg))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // A mouse move to where the cursor already is, a paint or the caret's blink timer
    // (WM_SYSTIMER) changes nothing that idle processing would show.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y &&
            pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd && pMainWnd->m_hWnd && pMainWnd->IsWindowVisible() && !pMainWnd->IsIconic())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    }
    else
    {
        // Nothing of the last messages holds a temporary object any more.
        AfxDeleteThreadTempMaps();
    }
    return lCount < 0;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG& msg = AfxGetThreadState().msgCur;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            try
            {
                if (!OnIdle(lIdleCount++))
                    bIdle = FALSE;
            }
            catch (...)
            {
                AfxReportCurrentException();
                bIdle = FALSE;
            }
        }
        do
        {
            BOOL bMessage = TRUE;
            try
            {
                bMessage = PumpMessage();
            }
            catch (...)
            {
                AfxReportCurrentException(); // from PreTranslateMessage: the loop goes on
            }
            if (!bMessage)
                return ExitInstance();
            if (IsIdleMessage(&msg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}
