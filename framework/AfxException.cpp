#include "afxstate_.h"

#include <exception>
#include <string.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)

namespace
{
BOOL LoadMessage(UINT nID, LPSTR lpszError, UINT nMaxError)
{
    CString text;
    if (!lpszError || nMaxError == 0 || !text.LoadString(nID))
        return FALSE;
    lstrcpynA(lpszError, text, static_cast<int>(nMaxError));
    return TRUE;
}
} // namespace

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char message[512];
    if (GetErrorMessage(message, sizeof(message)))
        return AfxMessageBox(message, nType);
    if (nMessageID != 0)
        return AfxMessageBox(nMessageID, nType);
    return AfxMessageBox(AFX_IDS_UNKNOWN_EXCEPTION, nType);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                             PUINT pnHelpContext) const
{
    CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    return LoadMessage(AFX_IDS_NOT_SUPPORTED_EXCEPTION, lpszError, nMaxError);
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    return LoadMessage(AFX_IDS_RESOURCE_EXCEPTION, lpszError, nMaxError);
}

void AfxThrowUserException()
{
    throw new CUserException;
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}

void AfxReportCurrentException()
{
    try
    {
        throw;
    }
    catch (CUserException* e)
    {
        e->Delete();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONSTOP, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
        AfxMessageBox(AFX_IDS_MEMORY_EXCEPTION, MB_ICONSTOP);
    }
    catch (const std::exception& e)
    {
        CString text;
        text.LoadString(AFX_IDP_INTERNAL_FAILURE);
        if (e.what() && *e.what())
            text += CString("\n\n") + e.what();
        AfxMessageBox(text, MB_ICONSTOP);
    }
    catch (...)
    {
        AfxMessageBox(AFX_IDP_INTERNAL_FAILURE, MB_ICONSTOP);
    }
}
