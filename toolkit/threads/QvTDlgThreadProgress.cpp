// The progress dialog that runs the caller's work on a worker thread.
#include "QvTThreads.h"
#include "toolkit/draw/QvDraw.h"
#include "toolkit/res/resource.h"

#include <process.h>

namespace
{
const UINT WM_QVT_PROGRESS = WM_APP + 1;
const UINT WM_QVT_THREAD_DONE = WM_APP + 2;
const COLORREF kBarColour = RGB(0, 0, 128);
const COLORREF kWhite = RGB(255, 255, 255);

double ShownFraction(double fraction)
{
    if (!(fraction > 0.0)) // also NaN
        return 0.0;
    return fraction < 1.0 ? fraction : 1.0;
}
} // namespace

IMPLEMENT_DYNAMIC(QvTDlgThreadProgress, CDialog)

BEGIN_MESSAGE_MAP(QvTDlgThreadProgress, CDialog)
ON_WM_DRAWITEM()
ON_MESSAGE(WM_QVT_PROGRESS, &QvTDlgThreadProgress::OnProgress)
ON_MESSAGE(WM_QVT_THREAD_DONE, &QvTDlgThreadProgress::OnThreadDone)
END_MESSAGE_MAP()

QvTDlgThreadProgress::QvTDlgThreadProgress(const char* title, JThreadExecute& work, CWnd* pParent)
    : CDialog(IDD_QVT_THREAD_PROGRESS, pParent), m_bCancel(false), m_strTitle(title),
      m_dFraction(0.0), m_pLock(new QvTCriticalSection), m_pWork(&work), m_hThread(nullptr),
      m_hWndNotify(nullptr), m_bProgressPosted(false)
{
}

QvTDlgThreadProgress::~QvTDlgThreadProgress()
{
    // Only when the dialog ended some other way than by the end of the work.
    m_bCancel = true;
    JoinThread();
    delete m_pLock;
}

void QvTDlgThreadProgress::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QVT_PROGRESS, m_progressBar);
}

BOOL QvTDlgThreadProgress::OnInitDialog()
{
    if (!CDialog::OnInitDialog())
        return FALSE;
    SetWindowText(m_strTitle);
    m_hWndNotify = m_hWnd;
    // _beginthreadex rather than CreateThread: the work may use the C runtime.
    m_hThread = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &QvTDlgThreadProgress::ThreadExecute, this, 0, nullptr));
    if (!m_hThread)
        EndDialog(-1); // no work is running, so nothing would ever close the dialog
    return TRUE;
}

unsigned __stdcall QvTDlgThreadProgress::ThreadExecute(void* pDialog)
{
    QvTDlgThreadProgress* pThis = static_cast<QvTDlgThreadProgress*>(pDialog);
    pThis->m_pWork->Execute(*pThis);
    // The last touch of the dialog: it may be ended and destroyed as soon as this arrives.
    ::PostMessageA(pThis->m_hWndNotify, WM_QVT_THREAD_DONE, 0, 0);
    return 0;
}

void QvTDlgThreadProgress::JoinThread()
{
    if (!m_hThread)
        return;
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
}

void QvTDlgThreadProgress::SetPercent(double fraction)
{
    {
        QvTSingleLock lock(*m_pLock);
        m_dFraction = fraction;
    }
    // Before the dialog has a window the first paint shows the value. A null window would post
    // to the calling thread's own queue.
    if (!m_hWndNotify)
        return;
    // One progress message waits at a time: the queue cannot fill up and lose the message
    // that ends the dialog.
    if (!m_bProgressPosted.exchange(true) && !::PostMessageA(m_hWndNotify, WM_QVT_PROGRESS, 0, 0))
        m_bProgressPosted = false;
}

LRESULT QvTDlgThreadProgress::OnProgress(WPARAM, LPARAM)
{
    // Cleared before the repaint reads the value, so a later SetPercent always posts again.
    m_bProgressPosted = false;
    m_progressBar.Invalidate(FALSE);
    return 1;
}

LRESULT QvTDlgThreadProgress::OnThreadDone(WPARAM, LPARAM)
{
    // The worker has only its return left to do.
    JoinThread();
    if (m_bCancel)
        CDialog::OnCancel();
    else
        CDialog::OnOK();
    return 1;
}

void QvTDlgThreadProgress::OnOK()
{
}

void QvTDlgThreadProgress::OnCancel()
{
    m_bCancel = true;
}

void QvTDlgThreadProgress::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (nIDCtl != IDC_QVT_PROGRESS || !lpDrawItemStruct)
    {
        CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
        return;
    }
    QvTDCRef dc(lpDrawItemStruct->hDC);
    DrawBar(dc, lpDrawItemStruct->rcItem);
}

void QvTDlgThreadProgress::DrawBar(CDC& dc, const CRect& item)
{
    const int w = item.Width();
    const int h = item.Height();
    QvoMemDC mem;
    if (w <= 0 || h <= 0 || !mem.Check(&dc, w, h))
        return;

    double fraction;
    {
        QvTSingleLock lock(*m_pLock);
        fraction = m_dFraction;
    }
    fraction = ShownFraction(fraction);

    mem.ExFillSolidRect(CRect(0, 0, w, h), ::GetSysColor(COLOR_BTNFACE));
    mem.ExFillSolidRect(CPoint(2, 2), CSize(static_cast<int>((w - 4) * fraction), h - 4),
                        kBarColour);

    CFont* pDialogFont = GetFont();
    QvTLogFont description = pDialogFont ? QvTLogFont(*pDialogFont) : QvTLogFont("Arial");
    lstrcpynA(description.lfFaceName, "Arial", LF_FACESIZE);
    description.lfHeight = 8 - h;
    CFont font;
    HGDIOBJ hPreviousFont = nullptr;
    if (font.CreateFontIndirect(&description))
        hPreviousFont = ::SelectObject(mem, font);

    CString label;
    label.Format("%6.1f%%", fraction * 100.0);
    const CSize extent = mem.GetTextExtent(label, label.GetLength());
    CRect text(CPoint((w - extent.cx) / 2, (h - extent.cy) / 2), extent);
    const int split = static_cast<int>(w * fraction);
    mem.SetBkMode(TRANSPARENT);

    // The same text twice at the same place, each pass clipped to its side of the split.
    CRect overBar(text);
    overBar.right = split;
    if (overBar.right > overBar.left)
    {
        mem.SetTextColor(kWhite);
        mem.SetBkColor(kBarColour);
        mem.ExDrawText(label, overBar, DT_SINGLELINE | DT_LEFT);
    }
    CRect beyondBar(text);
    beyondBar.left = split;
    if (beyondBar.right > beyondBar.left)
    {
        mem.SetTextColor(kBarColour);
        mem.SetBkColor(kWhite);
        mem.ExDrawText(label, beyondBar, DT_SINGLELINE | DT_RIGHT);
    }

    if (hPreviousFont)
        ::SelectObject(mem, hPreviousFont);
    dc.BitBlt(item.left, item.top, w, h, &mem, 0, 0, SRCCOPY);
}
