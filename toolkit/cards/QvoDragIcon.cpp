// An icon moved over a picture, composed off-screen and copied to the DC in one go.
#include "toolkit/cards/QvCards.h"
#include "toolkit/draw/QvDraw.h"

QvoDragIcon::QvoDragIcon() : m_hIcon(nullptr), m_size(0, 0), m_ptLast(0, 0), m_iDragging(0)
{
}

QvoDragIcon::~QvoDragIcon()
{
    Finish();
}

bool QvoDragIcon::Start(CDC& dc, HICON hIcon, CPoint& point)
{
    Finish();
    CSize size;
    if (!QvfIconGetSize(hIcon, size) || size.cx <= 0 || size.cy <= 0)
        return false;
    CDC background;
    if (!m_bmBackground.CreateCompatibleBitmap(&dc, size.cx, size.cy) ||
        !background.CreateCompatibleDC(&dc))
    {
        m_bmBackground.DeleteObject();
        return false;
    }
    CBitmap* pPrevious = background.SelectObject(&m_bmBackground);
    const bool bSaved =
        pPrevious && background.BitBlt(0, 0, size.cx, size.cy, &dc, point.x, point.y, SRCCOPY);
    if (pPrevious)
        background.SelectObject(pPrevious);
    if (!bSaved)
    {
        m_bmBackground.DeleteObject();
        return false;
    }
    m_hIcon = hIcon;
    m_size = size;
    m_ptLast = point;
    m_iDragging = 1;
    return true;
}

bool QvoDragIcon::Move(CDC& dc, CPoint& point)
{
    if (!m_iDragging)
        return false;
    const CRect last(m_ptLast, m_size);
    const CRect next(point, m_size);
    // Apart, the two places are put right one after the other: a work bitmap over both could be
    // as large as the screen.
    CRect area;
    const bool bApart = !area.IntersectRect(&last, &next);
    if (bApart)
    {
        CDC background;
        if (!background.CreateCompatibleDC(&dc))
            return false;
        CBitmap* pPrevious = background.SelectObject(&m_bmBackground);
        const bool bRestored = pPrevious && dc.BitBlt(last.left, last.top, m_size.cx, m_size.cy,
                                                      &background, 0, 0, SRCCOPY);
        if (pPrevious)
            background.SelectObject(pPrevious);
        if (!bRestored)
            return false;
        area = next;
    }
    else
        area.UnionRect(&last, &next);

    CBitmap work;
    CDC workDC, background;
    if (!work.CreateCompatibleBitmap(&dc, area.Width(), area.Height()) ||
        !workDC.CreateCompatibleDC(&dc) || !background.CreateCompatibleDC(&dc))
        return false;
    CBitmap* pWorkPrevious = workDC.SelectObject(&work);
    CBitmap* pBackgroundPrevious = background.SelectObject(&m_bmBackground);
    bool bDrawn =
        pWorkPrevious && pBackgroundPrevious &&
        workDC.BitBlt(0, 0, area.Width(), area.Height(), &dc, area.left, area.top, SRCCOPY);
    if (bDrawn && !bApart)
        bDrawn = workDC.BitBlt(last.left - area.left, last.top - area.top, m_size.cx, m_size.cy,
                               &background, 0, 0, SRCCOPY);
    const CSize at = next.TopLeft() - area.TopLeft();
    bDrawn =
        bDrawn && background.BitBlt(0, 0, m_size.cx, m_size.cy, &workDC, at.cx, at.cy, SRCCOPY) &&
        ::DrawIconEx(workDC, at.cx, at.cy, m_hIcon, m_size.cx, m_size.cy, 0, nullptr, DI_NORMAL) &&
        dc.BitBlt(area.left, area.top, area.Width(), area.Height(), &workDC, 0, 0, SRCCOPY);
    if (pWorkPrevious)
        workDC.SelectObject(pWorkPrevious);
    if (pBackgroundPrevious)
        background.SelectObject(pBackgroundPrevious);
    if (bDrawn)
        m_ptLast = point;
    return bDrawn;
}

void QvoDragIcon::Finish()
{
    if (!m_iDragging)
        return;
    m_iDragging = 0;
    m_bmBackground.DeleteObject();
}
