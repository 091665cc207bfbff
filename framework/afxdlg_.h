// Classes: CDialog, CDataExchange
// Functions: DDX_Text, DDX_Control
// Included by afxwin.h.
#pragma once

#include "afxwnd_.h"

// A dialog box from a template of the resource chain, modal (DoModal) or modeless (Create).
class AFX_FRAMEWORK_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual ~CDialog();

    // Modeless: FALSE when the template is missing or the window could not be made. A null
    // parent means the application's main window.
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Modal: runs until EndDialog and returns its result; -1 when the dialog could not be
    // shown. The owner (the parent, else the main window) is disabled meanwhile.
    virtual INT_PTR DoModal();

    // Operations
    void EndDialog(int nResult);
    // The default push button's id in the low word (DC_HASDEFID in the high word), or 0
    DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
    void NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl)
    {
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), 1);
    }

    // Overridables
    // Loads the controls from the members (UpdateData(FALSE)); TRUE lets Windows set the focus
    virtual BOOL OnInitDialog();
    // Stores the controls into the members (UpdateData(TRUE)), and ends with IDOK if they pass
    virtual void OnOK();
    virtual void OnCancel();

    // Dialog keys through IsDialogMessage; a child dialog (a form in a frame) lets its parent
    // frames translate their accelerators first
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The dialog's own map, then for commands its owner's routing, then the application
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Attributes
    LPCSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

protected:
    // The owner of a modal run (the parent, else the main window, never a child window);
    // a top-level window above it is disabled until PostModal
    HWND PreModal();
    void PostModal();

    DECLARE_MESSAGE_MAP()

private:
    LPCDLGTEMPLATE LoadTemplate(HINSTANCE* phInst) const;

    HWND m_hWndTop = nullptr; // top-level window disabled by PreModal
};

// One run of a dialog's DoDataExchange, in one direction.
class AFX_FRAMEWORK_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // Attributes
    BOOL m_bSaveAndValidate; // TRUE: controls to members, FALSE: members to controls
    CWnd* m_pDlgWnd;

    // Operations
    // The control's handle, remembered for Fail; throws CNotSupportedException if the
    // dialog has no control nIDC
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Gives the focus back to the last prepared control (selecting an edit control's text),
    // then abandons the exchange with a CUserException
    [[noreturn]] void Fail();

    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

// Text of an edit control. Numbers that do not parse (or do not fit) are refused with a
// message box and Fail.
AFX_FRAMEWORK_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_FRAMEWORK_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_FRAMEWORK_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_FRAMEWORK_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// Subclasses control nIDC into rControl the first time
AFX_FRAMEWORK_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
