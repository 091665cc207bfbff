// The balloon's sizes, its place and shape beside the anchor, and its painting.
#include "QvBalloon.h"

#include <algorithm>

namespace
{
const int kCloseButtonSize = 16;
const int kTailWidth = 20;
const int kCornerEllipse = 24;

const UINT kTitleFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;
const UINT kContentFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

CRect DesktopRect()
{
    CRect rect;
    ::GetWindowRect(::GetDesktopWindow(), &rect);
    return rect;
}

bool IsTailOnTop(QvTBalloonHelp::BALLOON_QUADRANT quadrant)
{
    return quadrant == 0 || quadrant == 1;
}

// Each channel through fn, with integer divisions.
template <class Fn> COLORREF MixChannels(COLORREF a, COLORREF b, Fn fn)
{
    return RGB(fn(GetRValue(a), GetRValue(b)), fn(GetGValue(a), GetGValue(b)),
               fn(GetBValue(a), GetBValue(b)));
}
} // namespace

// Sizes

CSize QvTBalloonHelp::DrawHeader(CDC* pDC, bool draw)
{
    CSize size(0, 0);
    CRect area;
    GetClientRect(&area);
    if (m_ilIcon.GetSafeHandle() && m_ilIcon.GetImageCount() > 0)
    {
        IMAGEINFO info;
        m_ilIcon.GetImageInfo(0, &info);
        const CSize icon(info.rcImage.right - info.rcImage.left,
                         info.rcImage.bottom - info.rcImage.top);
        size.cx += icon.cx;
        size.cy = std::max(size.cy, icon.cy);
        m_ilIcon.SetBkColor(m_crBackground);
        if (draw)
            m_ilIcon.Draw(pDC, 0, CPoint(0, 0), ILD_NORMAL);
        area.left += icon.cx;
    }
    if (m_unOptions & unSHOW_CLOSE_BUTTON)
    {
        if (size.cx > 0)
            size.cx += nTIP_MARGIN;
        size.cx += kCloseButtonSize;
        size.cy = std::max(size.cy, static_cast<LONG>(kCloseButtonSize));
        if (draw)
            DrawCloseButton(pDC,
                            CRect(area.right - kCloseButtonSize, area.top, area.right,
                                  area.top + kCloseButtonSize),
                            m_uCloseState);
        area.right -= kCloseButtonSize;
    }
    CString title;
    GetWindowText(title);
    if (!title.IsEmpty())
    {
        CFont* pOldFont = m_pTitleFont ? pDC->SelectObject(m_pTitleFont) : nullptr;
        if (size.cx > 0)
            size.cx += nTIP_MARGIN;
        CRect extent(0, 0, 0, 0);
        pDC->DrawText(title, &extent, kTitleFormat | DT_CALCRECT);
        size.cx += extent.Width();
        size.cy = std::max(size.cy, static_cast<LONG>(extent.Height()));
        if (draw)
        {
            pDC->SetBkMode(TRANSPARENT);
            pDC->SetTextColor(m_crForeground);
            pDC->DrawText(title, &area, kTitleFormat | DT_CENTER);
        }
        if (pOldFont)
            pDC->SelectObject(pOldFont);
    }
    return size;
}

CSize QvTBalloonHelp::DrawContent(CDC* pDC, int top, bool draw)
{
    // Lines wrap at half the screen's width.
    CRect rect;
    ::GetClientRect(::GetDesktopWindow(), &rect);
    rect.top = top;
    rect.right -= rect.Width() / 2;
    CFont* pOldFont = m_pContentFont ? pDC->SelectObject(m_pContentFont) : nullptr;
    if (m_strContent.IsEmpty())
    {
        rect.SetRectEmpty();
    }
    else
    {
        pDC->DrawText(m_strContent, &rect, kContentFormat | DT_CALCRECT);
        if (draw)
        {
            pDC->SetBkMode(TRANSPARENT);
            pDC->SetTextColor(m_crForeground);
            pDC->DrawText(m_strContent, &rect, kContentFormat);
        }
    }
    if (pOldFont)
        pDC->SelectObject(pOldFont);
    return rect.Size();
}

CSize QvTBalloonHelp::CalcHeaderSize(CDC* pDC)
{
    return DrawHeader(pDC, false);
}

CSize QvTBalloonHelp::CalcContentSize(CDC* pDC)
{
    return DrawContent(pDC, 0, false);
}

CSize QvTBalloonHelp::CalcClientSize()
{
    CClientDC dc(this);
    const CSize header = CalcHeaderSize(&dc);
    const CSize content = CalcContentSize(&dc);
    return CSize(std::max(header.cx, content.cx), header.cy + content.cy + nTIP_MARGIN);
}

CSize QvTBalloonHelp::CalcWindowSize()
{
    return CalcClientSize() + CSize(2 * nTIP_MARGIN, 2 * nTIP_MARGIN + nTIP_TAIL);
}

// Place and shape

QvTBalloonHelp::BALLOON_QUADRANT QvTBalloonHelp::GetBalloonQuadrant()
{
    const CRect desktop = DesktopRect();
    BALLOON_QUADRANT quadrant = 0;
    if (m_ptAnchor.y >= desktop.Height() / 2)
        quadrant = 2;
    if (m_ptAnchor.x < desktop.Width() / 2)
        quadrant += 1;
    return quadrant;
}

void QvTBalloonHelp::PositionWindow()
{
    const CSize size = CalcWindowSize();
    const int w = size.cx;
    const int h = size.cy;
    const BALLOON_QUADRANT quadrant = GetBalloonQuadrant();

    CRect body(0, 0, w, h);
    if (IsTailOnTop(quadrant))
        body.top = nTIP_TAIL;
    else
        body.bottom = h - nTIP_TAIL;

    // The second point is the tip. The tail's upright edge faces the screen's nearer side, so
    // the body reaches toward the screen's centre.
    const int a = (w - kTailWidth) / 4;
    CPoint tail[3];
    switch (quadrant)
    {
    case 0:
        tail[0] = CPoint(3 * a, 21);
        tail[1] = CPoint(3 * a + kTailWidth, 1);
        tail[2] = CPoint(3 * a + kTailWidth, 21);
        break;
    case 1:
        tail[0] = CPoint(a + kTailWidth, 21);
        tail[1] = CPoint(a, 1);
        tail[2] = CPoint(a, 21);
        break;
    case 2:
        tail[0] = CPoint(3 * a, h - 22);
        tail[1] = CPoint(3 * a + kTailWidth, h - 2);
        tail[2] = CPoint(3 * a + kTailWidth, h - 22);
        break;
    default:
        tail[0] = CPoint(a + kTailWidth, h - 22);
        tail[1] = CPoint(a, h - 2);
        tail[2] = CPoint(a, h - 22);
        break;
    }
    for (CPoint& point : tail)
        point.x = std::max(static_cast<LONG>(nTIP_MARGIN),
                           std::min(point.x, static_cast<LONG>(w - nTIP_MARGIN)));

    // Kept on the desktop; the tip follows a horizontal shift so that it stays on the anchor.
    const CRect desktop = DesktopRect();
    CPoint topLeft(m_ptAnchor.x - tail[1].x, m_ptAnchor.y - tail[1].y);
    int shift = 0;
    if (topLeft.x < desktop.left)
        shift = desktop.left - topLeft.x;
    else if (topLeft.x + w >= desktop.right)
        shift = desktop.right - topLeft.x - w;
    topLeft.x += shift;
    tail[1].x -= shift;
    if (topLeft.y < desktop.top)
        topLeft.y = desktop.top;
    else if (topLeft.y + h >= desktop.bottom)
        topLeft.y = desktop.bottom - h;

    MoveWindow(topLeft.x, topLeft.y, w, h, TRUE);

    CRgn tailRegion;
    CRgn bodyRegion;
    CRgn region;
    if (!tailRegion.CreatePolygonRgn(tail, 3, ALTERNATE) ||
        !bodyRegion.CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, kCornerEllipse,
                                       kCornerEllipse) ||
        !region.CreateRectRgn(0, 0, 1, 1) ||
        region.CombineRgn(&tailRegion, &bodyRegion, RGN_OR) == ERROR)
        return; // the balloon stays a rectangle

    bool bUnchanged = false;
    if (!m_rgnComplete.GetSafeHandle())
    {
        if (!m_rgnComplete.CreateRectRgn(0, 0, 1, 1))
            return;
    }
    else
    {
        bUnchanged = m_rgnComplete.EqualRgn(&region) != FALSE;
    }
    m_rgnComplete.CopyRgn(&region);
    // The window owns the region once it took it.
    HRGN hRegion = static_cast<HRGN>(region.Detach());
    if (!SetWindowRgn(hRegion, TRUE))
        ::DeleteObject(hRegion);
    if (!bUnchanged)
        RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void QvTBalloonHelp::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect client(lpncsp->rgrc[0]);
    client.DeflateRect(nTIP_MARGIN, nTIP_MARGIN);
    if (IsTailOnTop(GetBalloonQuadrant()))
        client.top += nTIP_TAIL;
    else
        client.bottom -= nTIP_TAIL;
    if (client.right < client.left)
        client.right = client.left;
    if (client.bottom < client.top)
        client.bottom = client.top;
    lpncsp->rgrc[0] = client;
    // Nothing of the old client area is kept.
    if (bCalcValidRects && !client.EqualRect(&lpncsp->rgrc[2]))
        ::SetRectEmpty(&lpncsp->rgrc[2]);
}

// Painting

BOOL QvTBalloonHelp::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, m_crBackground);
    return TRUE;
}

void QvTBalloonHelp::OnPaint()
{
    CPaintDC dc(this);
    const CSize header = DrawHeader(&dc, true);
    DrawContent(&dc, header.cy + nTIP_MARGIN, true);
}

void QvTBalloonHelp::OnNcPaint()
{
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.left, -window.top);
    window.OffsetRect(-window.left, -window.top);
    dc.ExcludeClipRect(&client);
    dc.FillSolidRect(&window, m_crBackground);
    if (!m_rgnComplete.GetSafeHandle())
        return;

    if (m_unOptions & unSHOW_INNER_SHADOW)
    {
        CBrush light;
        CBrush dark;
        const bool bBrushes =
            light.CreateSolidBrush(MixChannels(m_crBackground, m_crBackground,
                                               [](int bg, int) { return bg / 3 + 170; })) &&
            dark.CreateSolidBrush(MixChannels(m_crForeground, m_crBackground, [](int fg, int bg) {
                return fg / 3 + 2 * (bg / 3);
            }));
        if (bBrushes)
        {
            m_rgnComplete.OffsetRgn(1, 1);
            dc.FrameRgn(&m_rgnComplete, &light, 2, 2);
            m_rgnComplete.OffsetRgn(-2, -2);
            dc.FrameRgn(&m_rgnComplete, &dark, 2, 2);
            m_rgnComplete.OffsetRgn(1, 1);
        }
    }
    CBrush frame;
    if (frame.CreateSolidBrush(m_crForeground))
        dc.FrameRgn(&m_rgnComplete, &frame, 1, 1);
}

CRect QvTBalloonHelp::GetCloseButtonRect() const
{
    CRect client;
    GetClientRect(&client);
    return CRect(client.right - kCloseButtonSize, client.top, client.right,
                 client.top + kCloseButtonSize);
}

void QvTBalloonHelp::DrawCloseButton(CDC* pDC, const CRect& rect, UINT state)
{
    CRect button(rect);
    pDC->DrawFrameControl(&button, DFC_CAPTION, DFCS_CAPTIONCLOSE | state);
}
