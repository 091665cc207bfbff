// Scrolling the tree window and the mouse: labels select, buttons expand and collapse.
#include "toolkit/tree/JTreeData.h"

void QvoTreeWnd::JTreeData::SetSI(SCROLLINFO& si) const
{
    si = SCROLLINFO();
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = m_model.GetTotalLines() - 1;
    si.nPage = static_cast<UINT>(m_model.GetNumVisibleLines());
    si.nPos = m_model.GetTopLine();
}

void QvoTreeWnd::JTreeData::VScroll(UINT nSBCode, UINT nPos)
{
    const int iTop = m_model.GetTopLine();
    const int iPage = m_model.GetNumVisibleLines();
    switch (nSBCode)
    {
    case SB_LINEUP:
        CheckVScroll(iTop - 1);
        break;
    case SB_LINEDOWN:
        CheckVScroll(iTop + 1);
        break;
    case SB_PAGEUP:
        CheckVScroll(iTop - iPage);
        break;
    case SB_PAGEDOWN:
        CheckVScroll(iTop + iPage);
        break;
    case SB_THUMBPOSITION: {
        // The message carries 16 bits of the position; a drag over a longer range is read
        // whole from the bar, whose tracking position ends in the same 16 bits.
        SCROLLINFO si;
        const bool bTracked = m_vScroll.GetScrollInfo(&si, SIF_TRACKPOS) &&
                              static_cast<UINT>(si.nTrackPos & 0xFFFF) == nPos;
        CheckVScroll(bTracked ? si.nTrackPos : static_cast<int>(nPos));
        break;
    }
    case SB_THUMBTRACK: {
        SCROLLINFO si;
        if (m_vScroll.GetScrollInfo(&si, SIF_TRACKPOS))
            CheckVScroll(si.nTrackPos);
        break;
    }
    default:
        break;
    }
}

void QvoTreeWnd::JTreeData::CheckVScroll(int iTop)
{
    m_model.ScrollTo(iTop);
    m_vScroll.SetScrollPos(m_model.GetTopLine(), TRUE);
    DrawClientArea();
}

void QvoTreeWnd::JTreeData::HScroll(UINT nSBCode)
{
    SCROLLINFO si;
    if (!m_hScroll.GetScrollInfo(&si, SIF_ALL))
        return;
    const int iPage = static_cast<int>(si.nPage);
    switch (nSBCode)
    {
    case SB_LINELEFT:
        CheckHScroll(m_iHOffset - kHScrollLine);
        break;
    case SB_LINERIGHT:
        CheckHScroll(m_iHOffset + kHScrollLine);
        break;
    case SB_PAGELEFT:
        CheckHScroll(m_iHOffset - iPage);
        break;
    case SB_PAGERIGHT:
        CheckHScroll(m_iHOffset + iPage);
        break;
    case SB_THUMBTRACK:
        // The bar moves its own thumb while it is dragged.
        m_iHOffset = si.nTrackPos;
        DrawClientArea();
        break;
    case SB_THUMBPOSITION:
        // The picture followed the drag already.
        m_hScroll.SetScrollPos(si.nTrackPos, TRUE);
        break;
    default:
        break;
    }
}

void QvoTreeWnd::JTreeData::CheckHScroll(int iOffset)
{
    SCROLLINFO si;
    if (!m_hScroll.GetScrollInfo(&si, SIF_RANGE | SIF_PAGE))
        return;
    const int iPage = static_cast<int>(si.nPage);
    if (si.nMax < iOffset + iPage)
        iOffset = si.nMax - iPage;
    if (iOffset < 0)
        iOffset = 0;
    m_iHOffset = iOffset;
    m_hScroll.SetScrollPos(iOffset, TRUE);
    DrawClientArea();
}

void QvoTreeWnd::JTreeData::LButton(CPoint point, bool bDblClk)
{
    if (!m_iLineHeight)
        return;
    const int n = (point.y - 2) / m_iLineHeight;
    if (0 <= n && n < m_model.GetNumVisibleLines())
        LButtonUp0(point, n, bDblClk);
}

CSize QvoTreeWnd::JTreeData::MeasureLabel(const CString& strText)
{
    CClientDC dc(&m_wnd);
    CFont* pPrevious = dc.SelectObject(&m_font);
    const CSize extent = dc.GetTextExtent(strText);
    if (pPrevious)
        dc.SelectObject(pPrevious);
    return extent;
}

void QvoTreeWnd::JTreeData::LButtonUp0(CPoint point, int n, bool bDblClk)
{
    JItemPathBuilder path;
    if (!m_model.GetPathAtLine(m_model.GetTopLine() + n, path))
        return; // below the last item
    const int L = m_iLineHeight;
    const int d = path.m_iCount - 1;
    const CRect button(CPoint(kIndent * d + 7 - m_iHOffset, 2 + n * L + m_iButtonTop),
                       CSize(kButtonSize, kButtonSize));
    if (!button.PtInRect(point))
    {
        CoGetItem item;
        item.m_path = path;
        JTreeParent* pParent = m_model.GetParent();
        if (pParent)
            pParent->JTPGetItem(item);
        const CSize extent = MeasureLabel(item.m_strText);
        // From 2 + Tt before the text to its right end, across the image as drawn.
        const bool bImage = m_pImageList && item.m_iImage != -1;
        CRect label;
        label.left = kIndent * d + 23 - m_iHOffset;
        label.right =
            kIndent * (d + 1) + m_iTextTop + (bImage ? kImageAdvance : 0) + extent.cx - m_iHOffset;
        label.top = 2 + n * L + m_iTextTop;
        label.bottom = label.top + extent.cy;
        if (!label.PtInRect(point))
            return;
        m_model.SetSelection(path, false);
        if (pParent)
        {
            CoItemSelected selected(path.m_iCount, path.m_piIndex);
            selected.m_bDblClk = bDblClk;
            pParent->JTPItemSelected(selected);
        }
        DrawClientArea();
        return;
    }

    int nChildren;
    bool bExpanded;
    if (!m_model.GetNodeState(path, nChildren, bExpanded) || nChildren == 0)
        return; // a leaf has no button
    m_model.SetSelection(path, false);
    if (nChildren != -1 && bExpanded)
        m_model.Collapse(path);
    else
        m_model.Expand(path);
    RedrawWindow0();
}
