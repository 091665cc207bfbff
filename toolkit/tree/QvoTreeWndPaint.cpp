// Painting the tree window: everything is drawn into the back buffer, which reaches the screen
// in one copy. Only the visible lines are visited: the model names the item on a line in
// O(depth * log n), so a paint costs the same at the top of a tree of millions and at its end.
#include "toolkit/tree/JTreeData.h"

#include <vector>

namespace
{
void Line(CDC& dc, int x0, int y0, int x1, int y1)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}
} // namespace

void QvoTreeWnd::JTreeData::Paint(CDC& dc)
{
    // Without a back buffer the window keeps the background it was erased with.
    if (!m_backBuffer.Check(&dc, &m_wnd, false))
        return;
    m_backBuffer.Draw3DFrame();
    const CRect area = TreeArea();
    m_backBuffer.IntersectClipRect(&area);
    m_backBuffer.ExFillSolidRect(area, RGB(255, 255, 255));
    DrawTreeArea(m_backBuffer);
    m_backBuffer.SelectClipRgn(nullptr);
    m_backBuffer.Blt(&dc);
}

void QvoTreeWnd::JTreeData::DrawClientArea()
{
    if (!m_wnd.m_hWnd)
        return;
    // A back buffer of another size than the window waits for the paint that resizes it.
    if (!m_backBuffer.GetSafeHdc() || m_backBuffer.GetWidth() != m_iClientWidth ||
        m_backBuffer.GetHeight() != m_iClientHeight)
    {
        RedrawWindow0();
        return;
    }
    const CRect area = TreeArea();
    m_backBuffer.IntersectClipRect(&area);
    m_backBuffer.ExFillSolidRect(area, RGB(255, 255, 255));
    DrawTreeArea(m_backBuffer);
    m_backBuffer.SelectClipRgn(nullptr);
    CClientDC dc(&m_wnd);
    dc.BitBlt(area.left, area.top, area.Width(), area.Height(), &m_backBuffer, area.left, area.top,
              SRCCOPY);
}

void QvoTreeWnd::JTreeData::DrawTreeArea(CDC& dc)
{
    const int iSaved = dc.SaveDC();
    // Logical x is before scrolling.
    dc.SetWindowOrg(m_iHOffset, 0);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(&m_font);
    dc.SelectObject(&m_penLine);
    if (m_iRebuildButtons)
        RebuildButtons(dc);

    const int iTotal = m_model.GetTotalLines();
    const int iTop = m_model.GetTopLine();
    m_iWidestPass = 0;
    DrawNodes(dc);
    dc.RestoreDC(iSaved);

    if (m_iWidest < m_iWidestPass && m_hScroll.m_hWnd)
    {
        m_iWidest = m_iWidestPass;
        SCROLLINFO si = {};
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        si.nMax = m_iWidest;
        si.nPage = static_cast<UINT>(
            m_iClientWidth - kScrollBarSize - 4 > 0 ? m_iClientWidth - kScrollBarSize - 4 : 0);
        si.nPos = m_iHOffset;
        m_hScroll.SetScrollInfo(&si);
    }
    // An owner that told of a leaf where children were shown changed the lines: the bar
    // follows, and the picture once more if the top line had to move.
    if (iTotal != m_model.GetTotalLines())
    {
        TVSetVScroll(true);
        if (iTop != m_model.GetTopLine())
            RedrawWindow0();
    }
}

void QvoTreeWnd::JTreeData::RebuildButtons(CDC& dc)
{
    for (int b = 0; b < 3; ++b)
    {
        if (!m_buttonDC[b].GetSafeHdc() && !m_buttonDC[b].CreateCompatibleDC(&dc))
            return;
        CBitmap fresh;
        if (!fresh.CreateCompatibleBitmap(&dc, kButtonSize, kButtonSize) ||
            !m_buttonDC[b].SelectObject(&fresh))
            return;
        m_buttonBitmap[b].DeleteObject();
        m_buttonBitmap[b].Attach(fresh.Detach());
    }
    CDC& first = m_buttonDC[kButtonNotAsked];
    first.FillSolidRect(0, 0, kButtonSize, kButtonSize, RGB(255, 255, 255));
    // The outline leaves the four corner pixels white.
    static const POINT outline[] = {{1, 0},  {9, 0},  {10, 1}, {10, 9},
                                    {9, 10}, {1, 10}, {0, 9},  {0, 0}};
    {
        QvTGDIPenAuto black(first, PS_SOLID, 1, RGB(0, 0, 0));
        first.Polyline(outline, 8);
    }
    for (int b = 1; b < 3; ++b)
        m_buttonDC[b].BitBlt(0, 0, kButtonSize, kButtonSize, &first, 0, 0, SRCCOPY);
    {
        CPen* pPrevious = first.SelectObject(&m_penNotAsked);
        Line(first, 2, 5, 9, 5);
        Line(first, 5, 2, 5, 9);
        first.SelectObject(pPrevious);
    }
    {
        QvTGDIPenAuto black(m_buttonDC[kButtonCollapsed], PS_SOLID, 1, RGB(0, 0, 0));
        Line(m_buttonDC[kButtonCollapsed], 2, 5, 9, 5);
        Line(m_buttonDC[kButtonCollapsed], 5, 2, 5, 9);
    }
    {
        QvTGDIPenAuto black(m_buttonDC[kButtonExpanded], PS_SOLID, 1, RGB(0, 0, 0));
        Line(m_buttonDC[kButtonExpanded], 2, 5, 9, 5);
    }
    m_iRebuildButtons = 0;
}

void QvoTreeWnd::JTreeData::DrawNodes(CDC& dc)
{
    const int iTop = m_model.GetTopLine();
    const int nLines = m_model.GetNumVisibleLines();
    JItemPathBuilder path;
    for (int k = 0; k < nLines; ++k)
    {
        if (!m_model.GetPathAtLine(iTop + k, path))
            break;
        DrawLine(dc, k, path);
    }
}

void QvoTreeWnd::JTreeData::DrawLine(CDC& dc, int k, const CoItemPath& path)
{
    const int L = m_iLineHeight;
    const int d = path.m_iCount - 1;
    const int i = path.m_piIndex[d];
    const int y = 2 + k * L;

    CoGetItem item;
    item.m_path = path;
    if (JTreeParent* pParent = m_model.GetParent())
        pParent->JTPGetItem(item);
    if (item.m_iHasChildren == 0)
        m_model.SetNoChildren(path);

    // After the owner's answer, which may have changed the tree: the item's state and the
    // number of siblings on each level of its path.
    int nChildren;
    bool bExpanded;
    if (!m_model.GetNodeState(path, nChildren, bExpanded))
        return;
    std::vector<int> siblings(static_cast<size_t>(d + 1));
    siblings[0] = m_model.GetNumRootItems();
    for (int j = 1; j <= d; ++j)
    {
        int nCount;
        bool bShown;
        m_model.GetNodeState(CoItemPath(j, path.m_piIndex), nCount, bShown);
        siblings[static_cast<size_t>(j)] = nCount;
    }
    auto isLast = [&](int j) { return path.m_piIndex[j] >= siblings[static_cast<size_t>(j)] - 1; };

    // The lines of the ancestors that have siblings below.
    const int iRight = m_iHOffset + m_iClientWidth - kScrollBarSize - 2;
    for (int j = 0; j < d; ++j)
    {
        const int x = 12 + kIndent * j;
        if (x > iRight)
            break;
        if (!isLast(j))
            Line(dc, x, y, x, y + L);
    }

    const int Tb = m_iButtonTop;
    const int xb = kIndent * d + 7;
    const int yb = y + Tb;
    const int xc = xb + 5;
    const int yc = yb + 5;
    const bool bFirstRoot = i == 0 && d == 0;
    const bool bLastSibling = isLast(d);
    if (nChildren != 0)
    {
        const int b = nChildren == -1 ? kButtonNotAsked
                      : bExpanded     ? kButtonExpanded
                                      : kButtonCollapsed;
        dc.BitBlt(xb, yb, kButtonSize, kButtonSize, &m_buttonDC[b], 0, 0, SRCCOPY);
        if (!bFirstRoot)
            Line(dc, xc, yb - Tb, xc, yb);
        if (!bLastSibling)
            Line(dc, xc, yb + 11, xc, yb + 12 + Tb);
    }
    else
    {
        if (!bFirstRoot)
            Line(dc, xc, yb - Tb - 1, xc, yc);
        if (!bLastSibling)
            Line(dc, xc, yc, xc, yb + 12 + Tb);
        Line(dc, xc, yc, xb + 13, yc);
    }
    Line(dc, xb + 13, yc, kIndent * d + 27, yc);

    const int Tt = m_iTextTop;
    int x = kIndent * (d + 1) + Tt;
    if (m_pImageList && item.m_iImage != -1)
    {
        m_pImageList->Draw(&dc, item.m_iImage, CPoint(x, k * L + m_iImageTop), ILD_NORMAL);
        x += kImageAdvance;
    }
    const CSize extent = dc.GetTextExtent(item.m_strText);
    CRect text(x, y + Tt, x + extent.cx, y + Tt + Tt + m_iFontHeight);
    if (m_model.IsSelection(path))
    {
        const int iMode = dc.SetBkMode(OPAQUE);
        const COLORREF textColor = dc.SetTextColor(RGB(255, 255, 255));
        const COLORREF bkColor = dc.SetBkColor(RGB(0, 0, 255));
        dc.DrawText(item.m_strText, &text, DT_NOPREFIX);
        dc.SetBkMode(iMode);
        dc.SetTextColor(textColor);
        dc.SetBkColor(bkColor);
    }
    else
    {
        dc.DrawText(item.m_strText, &text, DT_NOPREFIX);
    }
    if (m_iWidestPass < x + extent.cx)
        m_iWidestPass = x + extent.cx;
}
