// Control glue: attachments that keep controls at fixed distances from a window's edges.
#include "QvLayout.h"
#include "toolkit/text/QvText.h"

#include <afxcoll.h>

// One attachment of one control. The control is kept by its window handle: callers often
// attach the temporary object GetDlgItem returns, which the framework frees at idle time.
class QvoCtrlGlue::JGlueItem : public CObject
{
public:
    explicit JGlueItem(HWND hControl) : m_hControl(hControl) {}

    // Places the control for a client area of cx by cy.
    virtual void Resize(int /*cx*/, int /*cy*/) {}

    HWND m_hControl;

protected:
    // The control's restored rectangle in the window's client coordinates.
    CRect Placement() const { return FQvTWndGetChildRect(m_hControl); }
    void MoveTo(int x, int y, int w, int h) const
    {
        ::SetWindowPos(m_hControl, nullptr, x, y, w, h, SWP_NOZORDER);
        ::InvalidateRect(m_hControl, nullptr, FALSE);
    }
};

class QvoCtrlGlue::JGlueRight : public JGlueItem
{
public:
    JGlueRight(HWND hControl, int stretch, const CRect& rect, int cx)
        : JGlueItem(hControl), m_nStretch(stretch), m_nRightGap(cx - rect.right),
          m_nLeft0(rect.left), m_nWidth0(stretch ? 0 : rect.Width())
    {
    }
    void Resize(int cx, int /*cy*/) override
    {
        const CRect rect = Placement();
        if (m_nStretch)
            MoveTo(m_nLeft0, rect.top, cx - m_nRightGap - m_nLeft0, rect.Height());
        else
            MoveTo(cx - m_nRightGap - m_nWidth0, rect.top, rect.Width(), rect.Height());
    }

private:
    int m_nStretch;
    int m_nRightGap;
    int m_nLeft0;
    int m_nWidth0;
};

class QvoCtrlGlue::JGlueBottom : public JGlueItem
{
public:
    JGlueBottom(HWND hControl, bool stretch, const CRect& rect, int cy)
        : JGlueItem(hControl), m_bStretch(stretch), m_nBottomGap(cy - rect.bottom),
          m_nTop0(rect.top), m_nHeight0(stretch ? 0 : rect.Height())
    {
    }
    void Resize(int /*cx*/, int cy) override
    {
        const CRect rect = Placement();
        if (m_bStretch)
            MoveTo(rect.left, m_nTop0, rect.Width(), cy - m_nBottomGap - m_nTop0);
        else
            MoveTo(rect.left, cy - m_nBottomGap - m_nHeight0, rect.Width(), rect.Height());
    }

private:
    bool m_bStretch;
    int m_nBottomGap;
    int m_nTop0;
    int m_nHeight0;
};

class QvoCtrlGlue::JGlueGrow : public JGlueItem
{
public:
    JGlueGrow(HWND hControl, const CRect& rect, int cx, int cy)
        : JGlueItem(hControl), m_nRightGap(cx - rect.right), m_nBottomGap(cy - rect.bottom)
    {
    }
    void Resize(int cx, int cy) override
    {
        // Sizes below the gaps come out negative and go to the platform as they are.
        const CRect rect = Placement();
        MoveTo(rect.left, rect.top, cx - (m_nRightGap + rect.left), cy - (m_nBottomGap + rect.top));
    }

private:
    int m_nRightGap;
    int m_nBottomGap;
};

class QvoCtrlGlue::JGlueCenter : public JGlueItem
{
public:
    JGlueCenter(HWND hControl, bool horizontal, bool vertical)
        : JGlueItem(hControl), m_bHorizontal(horizontal), m_bVertical(vertical)
    {
    }
    void Resize(int cx, int cy) override
    {
        const CRect rect = Placement();
        CPoint centred;
        FQvTCenter(CRect(0, 0, cx, cy), rect.Size(), centred);
        MoveTo(m_bHorizontal ? centred.x : rect.left, m_bVertical ? centred.y : rect.top,
               rect.Width(), rect.Height());
    }

private:
    bool m_bHorizontal;
    bool m_bVertical;
};

class QvoCtrlGlue::JGlueData
{
public:
    explicit JGlueData(CWnd* pWindow) : m_pWindow(pWindow), m_pGripper(nullptr), m_items(10) {}
    ~JGlueData()
    {
        delete m_pGripper;
        while (!m_items.IsEmpty())
            delete static_cast<JGlueItem*>(m_items.RemoveHead());
    }

    // The window's client size and the control's rectangle at attach time; false when either
    // window is missing, and then nothing is attached.
    bool Measure(const CWnd& control, CRect& rect, CSize& client) const
    {
        CRect clientRect;
        if (!::IsWindow(control.GetSafeHwnd()) || !m_pWindow->GetSafeHwnd() ||
            !::GetClientRect(m_pWindow->GetSafeHwnd(), &clientRect))
            return false;
        rect = FQvTWndGetChildRect(control.GetSafeHwnd());
        client = clientRect.Size();
        return true;
    }

    CWnd* m_pWindow;
    QvTGripper* m_pGripper;
    CPtrList m_items; // JGlueItem*, in the order of attachment
};

QvoCtrlGlue::QvoCtrlGlue(CWnd* window) : m_pData(new JGlueData(window))
{
}

QvoCtrlGlue::~QvoCtrlGlue()
{
    delete m_pData;
}

void QvoCtrlGlue::AttachRight(CWnd& control, int stretch)
{
    CRect rect;
    CSize client;
    if (m_pData->Measure(control, rect, client))
        m_pData->m_items.AddTail(new JGlueRight(control.GetSafeHwnd(), stretch, rect, client.cx));
}

void QvoCtrlGlue::AttachBottom(CWnd& control, bool stretch)
{
    CRect rect;
    CSize client;
    if (m_pData->Measure(control, rect, client))
        m_pData->m_items.AddTail(new JGlueBottom(control.GetSafeHwnd(), stretch, rect, client.cy));
}

void QvoCtrlGlue::AttachGrow(CWnd& control)
{
    CRect rect;
    CSize client;
    if (m_pData->Measure(control, rect, client))
        m_pData->m_items.AddTail(new JGlueGrow(control.GetSafeHwnd(), rect, client.cx, client.cy));
}

void QvoCtrlGlue::AttachCenter(CWnd& control, bool horizontal, bool vertical)
{
    CRect rect;
    CSize client;
    if (m_pData->Measure(control, rect, client))
        m_pData->m_items.AddTail(new JGlueCenter(control.GetSafeHwnd(), horizontal, vertical));
}

void QvoCtrlGlue::Detach(const CWnd& control)
{
    const HWND hControl = control.GetSafeHwnd();
    if (!hControl)
        return;
    for (POSITION pos = m_pData->m_items.GetHeadPosition(); pos;)
    {
        const POSITION current = pos;
        JGlueItem* pItem = static_cast<JGlueItem*>(m_pData->m_items.GetNext(pos));
        if (pItem->m_hControl == hControl)
        {
            m_pData->m_items.RemoveAt(current);
            delete pItem;
        }
    }
}

void QvoCtrlGlue::InitGrip()
{
    // A second call replaces the first grip: its window may have gone with an earlier window
    // of the same dialog object, and deleting it here leaves nothing behind either way.
    delete m_pData->m_pGripper;
    m_pData->m_pGripper = new QvTGripper;
    m_pData->m_pGripper->Create(m_pData->m_pWindow);
}

void QvoCtrlGlue::WndResized()
{
    if (m_pData->m_pGripper)
        m_pData->m_pGripper->UpdateGripPos();
    CRect client;
    if (!m_pData->m_pWindow->GetSafeHwnd() ||
        !::GetClientRect(m_pData->m_pWindow->GetSafeHwnd(), &client))
        return;
    for (POSITION pos = m_pData->m_items.GetHeadPosition(); pos;)
        static_cast<JGlueItem*>(m_pData->m_items.GetNext(pos))
            ->Resize(client.Width(), client.Height());
}
