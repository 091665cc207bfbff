// Classes: QvTGripper, QvoCtrlGlue, QvTDlgGlue
#pragma once

#include "toolkit/QvToolsApi.h"

// A size grip in the lower right corner of a resizable window: a triangular size-box scroll
// bar that the user drags to size the window. It hides while the window is maximised.
class QVTOOLS_API QvTGripper
{
public:
    QvTGripper();
    ~QvTGripper();
    QvTGripper(const QvTGripper&) = delete;
    QvTGripper& operator=(const QvTGripper&) = delete;

    // 0 when the grip was made, non-zero when it could not be (the reverse of the framework's
    // creation result); the window then simply has no grip. A gripper makes one grip: a
    // second call fails and changes nothing.
    int Create(CWnd* resizable);
    // Moves the grip into the corner, above the other children, and hides it while the
    // window is maximised.
    void UpdateGripPos();
    void ShowSizeGrip(int show);
    CWnd* GetResizableWnd() { return m_pResizableWnd; }

    // Non-zero for a window with the right-to-left layout (WS_EX_LAYOUTRTL).
    static int IsRTL(HWND hWnd);
    // The grip's window procedure: a mouse on the grip is on the window's sizing corner.
    static LRESULT CALLBACK GripWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    int m_cxGrip;
    int m_cyGrip;
    CScrollBar m_grip;
    CWnd* m_pResizableWnd;
};

// Keeps the child controls of a resizable window at fixed distances from its edges or in its
// centre. Attach once the window and its controls have their designed size; WndResized after
// every size change moves and stretches the controls to those distances again. A control may
// have several attachments: they apply in the order they were made. Not copyable: a glue
// owns its attachments and its gripper.
class QVTOOLS_API QvoCtrlGlue
{
public:
    explicit QvoCtrlGlue(CWnd* window);
    ~QvoCtrlGlue();
    QvoCtrlGlue(const QvoCtrlGlue&) = delete;
    QvoCtrlGlue& operator=(const QvoCtrlGlue&) = delete;

    // The right edge keeps its distance from the window's right edge: with stretch non-zero
    // the left edge stays and the width changes, with 0 the control moves.
    void AttachRight(CWnd& control, int stretch);
    // The same for the bottom edge.
    void AttachBottom(CWnd& control, bool stretch);
    // Right and bottom edges keep their distances; left and top stay.
    void AttachGrow(CWnd& control);
    // The control stays centred along the chosen axes; its size stays.
    void AttachCenter(CWnd& control, bool horizontal, bool vertical);
    // Removes every attachment of control.
    void Detach(const CWnd& control);
    // Gives the window a size grip. Called again, it replaces the grip with a new one (for a
    // dialog object whose window was made again).
    void InitGrip();
    void WndResized();

private:
    class JGlueData;
    class JGlueItem;
    class JGlueRight;
    class JGlueBottom;
    class JGlueGrow;
    class JGlueCenter;

    JGlueData* m_pData;
};

// The base of resizable dialogs: re-lays out m_glue on every size change. Derived dialogs
// attach their controls to m_glue in OnInitDialog and may ask for a grip with GlueInit(true).
// A derived dialog that handles WM_SIZE itself calls QvTDlgGlue::OnSize.
class QVTOOLS_API QvTDlgGlue : public CDialog
{
public:
    QvTDlgGlue(UINT nIDTemplate, CWnd* pParent);
    virtual ~QvTDlgGlue();

    void GlueInit(bool grip);

    QvoCtrlGlue m_glue;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
