// Data exchange of numeric edit fields, reported with an error balloon.
#include "QvBalloon.h"

#include "toolkit/draw/QvDraw.h"
#include "toolkit/res/resource.h"
#include "toolkit/text/QvText.h"

#include <errno.h>
#include <math.h>

QvTBalloonDDX::QvTBalloonDDX() : m_pExchange(nullptr)
{
}

void QvTBalloonDDX::operator()(CDataExchange* pDX)
{
    m_pExchange = pDX;
    Close();
}

void QvTBalloonDDX::Close()
{
    if (m_hWnd)
        DestroyWindow();
}

void QvTBalloonDDX::Move()
{
    Close();
}

void QvTBalloonDDX::Fail(UINT controlId, UINT titleId, UINT contentId, bool libraryStrings)
{
    Balloon(controlId, titleId, contentId, libraryStrings, m_pExchange->m_pDlgWnd);
    m_pExchange->PrepareEditCtrl(static_cast<int>(controlId));
    m_pExchange->Fail();
}

void QvTBalloonDDX::DDX_Edit(UINT controlId, int& value)
{
    ASSERT(m_pExchange != nullptr); // operator() starts every exchange
    if (!m_pExchange)
        return;
    QvTAfxResourceHandleSet library(FQvTGetModuleHandle());
    HWND hControl = m_pExchange->PrepareEditCtrl(static_cast<int>(controlId));
    if (!m_pExchange->m_bSaveAndValidate)
    {
        ::SetWindowTextA(hControl, FQvTStrFormat("%d", value));
        return;
    }
    int parsed = 0;
    errno = 0;
    // strtol clamps a number beyond the int range and tells it only through errno.
    if (!FQvTStrToInt(FQvTWndGetText(hControl), parsed) || errno == ERANGE)
        Fail(controlId, IDS_QVT_INVALID_FIELD, IDS_QVT_INVALID_UINT, true);
    value = parsed;
    if (parsed < 0)
        Fail(controlId, IDS_QVT_INVALID_FIELD, IDS_QVT_INVALID_UINT, true);
}

void QvTBalloonDDX::DDX_Edit(UINT controlId, double& value, int precision)
{
    ASSERT(m_pExchange != nullptr);
    if (!m_pExchange)
        return;
    QvTAfxResourceHandleSet library(FQvTGetModuleHandle());
    HWND hControl = m_pExchange->PrepareEditCtrl(static_cast<int>(controlId));
    if (!m_pExchange->m_bSaveAndValidate)
    {
        ::SetWindowTextA(hControl, precision < 0 ? FQvTStrFormat("%f", value)
                                                 : FQvTStrFormat("%.*f", precision, value));
        return;
    }
    double parsed = 0.0;
    // A number too large for a double reads as infinity.
    if (!FQvTStrToDouble(FQvTWndGetText(hControl), parsed) || !isfinite(parsed))
        Fail(controlId, IDS_QVT_INVALID_FIELD, IDS_QVT_INVALID_FLOAT, true);
    value = parsed;
}

void QvTBalloonDDX::DDX_EditError(UINT controlId, UINT titleId, UINT contentId)
{
    ASSERT(m_pExchange != nullptr);
    if (!m_pExchange)
        return;
    Fail(controlId, titleId, contentId, false);
}
