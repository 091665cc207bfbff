// The three dialog bases that carry an error balloon and close it when the dialog changes.
#include "QvBalloon.h"
#include "QvTErrorBalloon.h"

// QvTDlgBalloon

BEGIN_MESSAGE_MAP(QvTDlgBalloon, CDialog)
ON_WM_MOVE()
ON_WM_SIZE()
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

QvTDlgBalloon::QvTDlgBalloon(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent)
{
}

QvTDlgBalloon::~QvTDlgBalloon() = default;

void QvTDlgBalloon::Balloon(CWnd& control, UINT contentId)
{
    FQvTShowFieldError(m_balloon, control, contentId, this);
}

void QvTDlgBalloon::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

void QvTDlgBalloon::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (m_balloon.m_hWnd)
        m_balloon.DestroyWindow();
}

void QvTDlgBalloon::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_balloon.m_hWnd)
        m_balloon.DestroyWindow();
}

void QvTDlgBalloon::OnShowWindow(BOOL bShow, UINT nStatus)
{
    if (m_balloon.m_hWnd)
        m_balloon.DestroyWindow();
    CDialog::OnShowWindow(bShow, nStatus);
}

// QvTDlgBalloonDDX

BEGIN_MESSAGE_MAP(QvTDlgBalloonDDX, CDialog)
ON_WM_MOVE()
END_MESSAGE_MAP()

QvTDlgBalloonDDX::QvTDlgBalloonDDX(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent)
{
}

QvTDlgBalloonDDX::~QvTDlgBalloonDDX() = default;

void QvTDlgBalloonDDX::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    m_ddx(pDX);
}

void QvTDlgBalloonDDX::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    m_ddx.Move();
}

// QvTDlgGlueBalloon

BEGIN_MESSAGE_MAP(QvTDlgGlueBalloon, CDialog)
ON_WM_MOVE()
ON_WM_SIZE()
END_MESSAGE_MAP()

QvTDlgGlueBalloon::QvTDlgGlueBalloon(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_glue(this), m_pBalloon(new QvTBalloonDDX)
{
}

QvTDlgGlueBalloon::~QvTDlgGlueBalloon()
{
    delete m_pBalloon;
}

void QvTDlgGlueBalloon::Balloon(CWnd& control, UINT contentId)
{
    FQvTShowFieldError(*m_pBalloon, control, contentId, this);
}

void QvTDlgGlueBalloon::GlueBalloonInit()
{
    m_glue.InitGrip();
}

void QvTDlgGlueBalloon::BalloonReset()
{
    if (m_pBalloon->m_hWnd)
        m_pBalloon->DestroyWindow();
}

void QvTDlgGlueBalloon::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

void QvTDlgGlueBalloon::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    BalloonReset();
}

void QvTDlgGlueBalloon::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    BalloonReset();
    m_glue.WndResized();
}
