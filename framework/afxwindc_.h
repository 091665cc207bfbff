// Classes: CPaintDC, CClientDC, CWindowDC
// Included by afxwin.h. Scope objects: each takes a window's DC in its constructor and gives it
// back in its destructor. A DC that cannot be had throws CResourceException.
#pragma once

#include "afxwnd_.h"

// BeginPaint and EndPaint, for a WM_PAINT handler.
class AFX_FRAMEWORK_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)

public:
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();

    PAINTSTRUCT m_ps; // rcPaint is the part to draw

protected:
    HWND m_hWnd;
};

// The client area's DC (GetDC and ReleaseDC); null window: the screen.
class AFX_FRAMEWORK_API CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)

public:
    explicit CClientDC(CWnd* pWnd);
    virtual ~CClientDC();

protected:
    HWND m_hWnd;
};

// The whole window's DC, non-client area included (GetWindowDC and ReleaseDC).
class AFX_FRAMEWORK_API CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)

public:
    explicit CWindowDC(CWnd* pWnd);
    virtual ~CWindowDC();

protected:
    HWND m_hWnd;
};
