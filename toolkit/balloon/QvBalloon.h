// Classes: QvTBalloonHelp, QvTBalloonDDX, QvTDlgBalloon, QvTDlgBalloonDDX, QvTDlgGlueBalloon;
// Functions: FQvTSetShellExecute
#pragma once

#include "toolkit/QvToolsApi.h"
#include "toolkit/layout/QvLayout.h"

#include <afxcmn.h>
#include <afxcoll.h>
#include <afxmt.h>

// A balloon-shaped pop-up whose tail points at a screen point: an optional icon, a bold title
// and a close button above a word-wrapped text. It fades in and out, and hides itself after a
// timeout, on a click, a mouse move or a key press, as its options say. One object shows one
// balloon at a time; without unDELETE_THIS_ON_CLOSE it can show another once the first is gone.
class QVTOOLS_API QvTBalloonHelp : public CWnd
{
public:
    // Options
    static constexpr unsigned int unCLOSE_ON_LBUTTON_UP = 0x1;
    static constexpr unsigned int unCLOSE_ON_RBUTTON_UP = 0x2;
    static constexpr unsigned int unCLOSE_ON_MOUSE_MOVE = 0x4;
    static constexpr unsigned int unCLOSE_ON_KEYPRESS = 0x8;
    // The object must have been made with new.
    static constexpr unsigned int unDELETE_THIS_ON_CLOSE = 0x10;
    static constexpr unsigned int unSHOW_CLOSE_BUTTON = 0x20;
    static constexpr unsigned int unSHOW_INNER_SHADOW = 0x40;
    static constexpr unsigned int unSHOW_TOPMOST = 0x80;
    static constexpr unsigned int unDISABLE_FADEIN = 0x100;
    static constexpr unsigned int unDISABLE_FADEOUT = 0x200;
    static constexpr unsigned int unDISABLE_FADE = unDISABLE_FADEIN | unDISABLE_FADEOUT;

    // Geometry: the margin around and between the contents, and the height of the tail.
    static constexpr int nTIP_MARGIN = 8;
    static constexpr int nTIP_TAIL = 20;

    // Where the anchor lies on the screen: 0 upper right, 1 upper left, 2 lower right,
    // 3 lower left.
    typedef int BALLOON_QUADRANT;

    QvTBalloonHelp();
    virtual ~QvTBalloonHelp();

    // Makes and shows the balloon; 1 on success. 0, changing nothing, while this object still
    // shows a balloon. 0 when there is no parent and no main window or when the fonts or the
    // window could not be made: that ends in PostNcDestroy, as the framework's failed
    // creations do, so an object made for unDELETE_THIS_ON_CLOSE is gone then too.
    int Create(const CString& title, const CString& content, const CPoint& anchor,
               unsigned int options, CWnd* parent, CString url, unsigned int timeout, HICON icon);
    // A balloon that lives on its own and deletes itself when it is gone. iconName names a
    // shared system icon (IDI_INFORMATION...) or is null.
    static void LaunchBalloon(const CString& title, const CString& content, const CPoint& anchor,
                              const char* iconName, unsigned int options, CWnd* parent, CString url,
                              unsigned int timeout);
    // An error balloon at the centre of the dialog's control controlId, with the strings
    // titleId and contentId from the library's own table (libraryStrings) or from the
    // resource chain. Nothing is shown when the dialog has no such control.
    void Balloon(unsigned int controlId, unsigned int titleId, unsigned int contentId,
                 bool libraryStrings, CWnd* dialog);

    // Attributes; the setters re-position or redraw a balloon that is shown.
    // The title of a shown balloon; before Create the title comes with Create.
    void SetTitle(const CString& title);
    void SetContent(const CString& content);
    const CString& GetContent() const { return m_strContent; }
    void SetURL(const CString& url);
    // The balloon owns the font from now on (null: the default font at the next Create).
    void SetTitleFont(CFont* pFont);
    void SetContentFont(CFont* pFont);
    void SetIcon(HICON icon);
    void SetIcon(HBITMAP bitmap, COLORREF transparent);
    void SetIcon(HBITMAP bitmap, HBITMAP mask);
    // No icon when the list is null or has no image index.
    void SetIcon(CImageList* pImageList, int index);
    // The edge of the error icon that Balloon loads.
    void SetIconSize(int size);
    CSize GetIconSize() const;
    void SetAnchorPoint(CPoint anchor);
    // Milliseconds until a shown balloon hides itself; 0 never.
    void SetTimeout(unsigned int timeout);
    void SetForegroundColor(COLORREF color);
    void SetBackgroundColor(COLORREF color);
    void SetMouseMoveTolerance(int tolerance);

protected:
    // Overridables: the header (icon, close button, title) and the content, drawn into dc when
    // draw is true; each returns the size it takes.
    virtual CSize DrawHeader(CDC* pDC, bool draw);
    virtual CSize DrawContent(CDC* pDC, int top, bool draw);

    CSize CalcHeaderSize(CDC* pDC);
    CSize CalcContentSize(CDC* pDC);
    CSize CalcClientSize();
    CSize CalcWindowSize();
    BALLOON_QUADRANT GetBalloonQuadrant();
    void PositionWindow();
    void ShowBalloon();
    void HideBalloon();
    // The "BalloonHelpClass" window class, registered on first use; 0 when it cannot be.
    static unsigned short GetClassAtom();

    void PostNcDestroy() override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnClose();

    DECLARE_MESSAGE_MAP()

    // Shared by every balloon of the process and touched only under s_KeyboardHookSection.
    static unsigned short m_ClassAtom;
    static HHOOK s_hKeyboardHook;
    static CPtrArray s_apKeyboardCloseWnds;
    static CCriticalSection s_KeyboardHookSection;

private:
    typedef BOOL(WINAPI* SetLayeredWindowAttributesFn)(HWND, COLORREF, BYTE, DWORD);

    static constexpr UINT_PTR kFadeInTimer = 3333;
    static constexpr UINT_PTR kFadeOutTimer = 3334;
    static constexpr UINT_PTR kTimeoutTimer = 3335;
    static constexpr UINT_PTR kMousePollTimer = 3336;

    // The looked-up platform entry; 0 when there is none.
    BOOL SetLayeredWindowAttributes(COLORREF key, int alpha, DWORD flags);
    // Applies m_nAlpha; a window that refuses it is shown opaque from then on.
    void ApplyAlpha();
    void SetKeyboardHook();
    void RemoveKeyboardHook();
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);

    // The title font from the content font, which is the system's GUI font unless set.
    bool MakeDefaultFonts();
    CRect GetCloseButtonRect() const;
    void DrawCloseButton(CDC* pDC, const CRect& rect, UINT state);
    void RepositionIfShown();
    void ClearIcon();
    // Empties the icon list and makes it anew for one image of size; false when it cannot be.
    bool NewIconList(const CSize& size);
    void OpenURL();

    int m_nIconSize;
    SetLayeredWindowAttributesFn m_pfnSetLayeredWindowAttributes;
    unsigned int m_unOptions;
    unsigned int m_unTimeout;
    CString m_strContent;
    CString m_strURL;
    CPoint m_ptAnchor;
    CImageList m_ilIcon;
    CFont* m_pTitleFont;
    CFont* m_pContentFont;
    COLORREF m_crBackground;
    COLORREF m_crForeground;
    CRgn m_rgnComplete;
    int m_nAlpha;
    CPoint m_ptMouseOrig;
    UINT m_uCloseState;
    int m_nMouseMoveTolerance;
};

// The shell's open call behind a balloon's url, with the contract of ::ShellExecuteA.
typedef HINSTANCE(WINAPI* QVT_SHELLEXECUTEA)(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile,
                                             LPCSTR lpParameters, LPCSTR lpDirectory, INT nShowCmd);
// Installs the call (null restores ::ShellExecuteA) and returns the previous one.
QVTOOLS_API QVT_SHELLEXECUTEA FQvTSetShellExecute(QVT_SHELLEXECUTEA pfnShellExecute);

// Dialog data exchange of edit controls holding an int or a double: a field that does not
// parse gets an error balloon, the focus and its text selected, and the exchange fails.
class QVTOOLS_API QvTBalloonDDX : public QvTBalloonHelp
{
public:
    QvTBalloonDDX();

    // Starts an exchange (call it at the start of DoDataExchange): closes the balloon.
    void operator()(CDataExchange* pDX);
    // Destroys the balloon's window at once.
    void Close();
    void Move();

    // A non-negative integer: "Please enter a non-negative integer value." otherwise. A
    // negative number has been stored when the exchange fails.
    void DDX_Edit(UINT controlId, int& value);
    // A decimal number, shown with precision digits (-1: "%f"); "Invalid float value."
    // otherwise.
    void DDX_Edit(UINT controlId, double& value, int precision);
    // Reports the caller's own validation error with the application's strings titleId and
    // contentId, then fails the exchange.
    void DDX_EditError(UINT controlId, UINT titleId, UINT contentId);

private:
    [[noreturn]] void Fail(UINT controlId, UINT titleId, UINT contentId, bool libraryStrings);

    CDataExchange* m_pExchange;
};

// A dialog with an error balloon that closes when the dialog moves, is resized, shown or
// hidden.
class QVTOOLS_API QvTDlgBalloon : public CDialog
{
public:
    QvTDlgBalloon(UINT nIDTemplate, CWnd* pParent);
    virtual ~QvTDlgBalloon();

    // Shows "Invalid field." with the application's string contentId at control and gives
    // it the focus.
    void Balloon(CWnd& control, UINT contentId);

    QvTBalloonHelp m_balloon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()
};

// A dialog whose exchanges use m_ddx (call QvTDlgBalloonDDX::DoDataExchange first, then
// m_ddx.DDX_Edit...); its balloon closes at every exchange and when the dialog moves.
class QVTOOLS_API QvTDlgBalloonDDX : public CDialog
{
public:
    QvTDlgBalloonDDX(UINT nIDTemplate, CWnd* pParent);
    virtual ~QvTDlgBalloonDDX();

    QvTBalloonDDX m_ddx;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnMove(int x, int y);

    DECLARE_MESSAGE_MAP()
};

// A resizable dialog (m_glue) with an error balloon that closes when the dialog moves or is
// resized.
class QVTOOLS_API QvTDlgGlueBalloon : public CDialog
{
public:
    QvTDlgGlueBalloon(UINT nIDTemplate, CWnd* pParent);
    virtual ~QvTDlgGlueBalloon();
    QvTDlgGlueBalloon(const QvTDlgGlueBalloon&) = delete;
    QvTDlgGlueBalloon& operator=(const QvTDlgGlueBalloon&) = delete;

    // As QvTDlgBalloon::Balloon.
    void Balloon(CWnd& control, UINT contentId);
    void GlueBalloonInit();
    // Destroys the balloon's window.
    void BalloonReset();

    QvoCtrlGlue m_glue;
    QvTBalloonDDX* m_pBalloon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
