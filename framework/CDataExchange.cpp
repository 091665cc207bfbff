#include "afxstate_.h"

#include <errno.h>
#include <float.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

CString ControlText(HWND hWndCtrl)
{
    CString text;
    CWnd::FromHandle(hWndCtrl)->GetWindowText(text);
    return text;
}

// The whole text must be the number, blanks around it aside, and it must fit.
bool ParseInt(LPCSTR psz, int& value)
{
    while (IsBlank(*psz))
        ++psz;
    char* pszEnd = nullptr;
    errno = 0;
    const long long parsed = strtoll(psz, &pszEnd, 10);
    if (pszEnd == psz || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    while (IsBlank(*pszEnd))
        ++pszEnd;
    if (*pszEnd != '\0')
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseUInt(LPCSTR psz, UINT& value)
{
    while (IsBlank(*psz))
        ++psz;
    if (*psz == '-')
        return false;
    char* pszEnd = nullptr;
    errno = 0;
    const unsigned long long parsed = strtoull(psz, &pszEnd, 10);
    if (pszEnd == psz || errno == ERANGE || parsed > UINT_MAX)
        return false;
    while (IsBlank(*pszEnd))
        ++pszEnd;
    if (*pszEnd != '\0')
        return false;
    value = static_cast<UINT>(parsed);
    return true;
}

bool ParseDouble(LPCSTR psz, double& value)
{
    while (IsBlank(*psz))
        ++psz;
    char* pszEnd = nullptr;
    errno = 0;
    const double parsed = strtod(psz, &pszEnd);
    if (pszEnd == psz || errno == ERANGE)
        return false;
    while (IsBlank(*pszEnd))
        ++pszEnd;
    if (*pszEnd != '\0')
        return false;
    value = parsed;
    return true;
}

[[noreturn]] void FailWithMessage(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxMessageBox(nIDPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}
} // namespace

void AfxSetWindowText(HWND hWndCtrl, LPCSTR lpszNew)
{
    if (ControlText(hWndCtrl) != (lpszNew ? lpszNew : ""))
        ::SetWindowTextA(hWndCtrl, lpszNew);
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    ASSERT(nIDC != 0 && nIDC != -1);
    HWND hWndCtrl = nullptr;
    m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (!hWndCtrl)
        AfxThrowNotSupportedException(); // the dialog has no such control
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0)
    {
        HWND hWndLastControl = nullptr;
        m_pDlgWnd->GetDlgItem(static_cast<int>(m_idLastControl), &hWndLastControl);
        if (hWndLastControl)
        {
            ::SetFocus(hWndLastControl);
            if (m_bEditLastControl)
                ::SendMessageA(hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        AfxSetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        if (!ParseInt(ControlText(hWndCtrl), value))
            FailWithMessage(pDX, AFX_IDP_PARSE_INT);
    }
    else
    {
        char text[32];
        snprintf(text, sizeof(text), "%d", value);
        AfxSetWindowText(hWndCtrl, text);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        if (!ParseUInt(ControlText(hWndCtrl), value))
            FailWithMessage(pDX, AFX_IDP_PARSE_UINT);
    }
    else
    {
        char text[32];
        snprintf(text, sizeof(text), "%u", value);
        AfxSetWindowText(hWndCtrl, text);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        if (!ParseDouble(ControlText(hWndCtrl), value))
            FailWithMessage(pDX, AFX_IDP_PARSE_REAL);
    }
    else
    {
        char text[64];
        snprintf(text, sizeof(text), "%.*g", DBL_DIG, value);
        AfxSetWindowText(hWndCtrl, text);
    }
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return; // bound by an earlier exchange
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}
