// Classes: CFileDialog, CColorDialog
// The platform's common dialogs, run modally over the application's window.
#pragma once

#include "afxwin.h"

#include <commdlg.h>

class AFX_FRAMEWORK_API CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)

public:
    // lpszFilter: pairs of description and pattern, each ended by '|', the list by "||"
    // ("XML files (*.xml)|*.xml||"). OFN_EXPLORER is always added.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr,
                         LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

    // IDOK when the user chose a file, IDCANCEL otherwise
    INT_PTR DoModal() override;
    // The chosen file's full path
    CString GetPathName() const { return CString(m_ofn.lpstrFile); }

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strFilter;
    CString m_strDefExt;
    char m_szFileName[32768];
};

class AFX_FRAMEWORK_API CColorDialog : public CDialog
{
    DECLARE_DYNAMIC(CColorDialog)

public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    // IDOK when the user chose a colour, IDCANCEL otherwise
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc;
};
