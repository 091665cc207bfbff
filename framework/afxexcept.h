// Classes: CException, CUserException, CNotSupportedException, CResourceException
// Functions: AfxThrowUserException, AfxThrowNotSupportedException, AfxThrowResourceException
// The framework's exceptions are thrown as pointers (throw new ...) and released by the catcher
// with Delete(). None of them may leave a window procedure: the framework catches them there.
#pragma once

#include "afxobj.h"

class AFX_FRAMEWORK_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)

public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    virtual ~CException() = default;

    // Operations
    // Frees the exception when it was made with new (bAutoDelete), as every thrown one is
    void Delete();
    // The text of the error; FALSE when the exception has none
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                 PUINT pnHelpContext = nullptr) const;
    // Shows the text in a message box; nMessageID is the fallback prompt when there is none
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

protected:
    BOOL m_bAutoDelete;
};

// Abandons an operation that has already told the user why: catchers report nothing.
class AFX_FRAMEWORK_API CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
};

class AFX_FRAMEWORK_API CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)

public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         PUINT pnHelpContext = nullptr) const override;
};

class AFX_FRAMEWORK_API CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)

public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] AFX_FRAMEWORK_API void AfxThrowUserException();
[[noreturn]] AFX_FRAMEWORK_API void AfxThrowNotSupportedException();
[[noreturn]] AFX_FRAMEWORK_API void AfxThrowResourceException();
