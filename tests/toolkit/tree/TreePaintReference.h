// The tree window's picture drawn the plain way over the plainly written model
// (TreeModelReference.h): DrawNodes recurses from the first root and counts every line above
// the top line before it draws anything, exactly as the layout is written down. The tests and
// the benchmark hold the window's pixels against it.
#pragma once

#include "TreeModelReference.h"
#include "toolkit/tree/QvTree.h"

#include <afxcmn.h>

#include <string.h>

#include <vector>

namespace TreeRef
{
// Line metrics of a screen with dpiY pixels per inch and images imageHeight high.
struct Metrics
{
    int F, L, Tt, Tb, Ti;

    Metrics(int dpiY, int imageHeight)
    {
        F = dpiY * 9 / 72;
        if (F + 8 < imageHeight)
        {
            L = imageHeight + 2;
            Tt = (L - F) / 2;
        }
        else
        {
            L = F + 8;
            Tt = 4;
        }
        Tb = (L - 11) / 2;
        Ti = (L - imageHeight) / 2;
    }
};

class Painter
{
public:
    static const int S = 18;

    Painter(Tree& tree, QvoTreeWnd::JTreeParent& owner, CImageList* pImages, int imageHeight,
            int dpiY)
        : m_tree(tree), m_owner(owner), m_pImages(pImages), m_m(dpiY, imageHeight)
    {
        LOGFONT logFont;
        memset(&logFont, 0, sizeof(logFont));
        logFont.lfHeight = -m_m.F;
        strcpy(logFont.lfFaceName, "Arial");
        m_font.CreateFontIndirect(&logFont);
        LOGBRUSH brush = {BS_SOLID, RGB(0, 0, 0), 0};
        m_linePen.CreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush);
        m_redPen.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
        m_blackPen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    }

    int LinesPerPage(int cy) const { return (cy - S - 4) / m_m.L; }

    // The tree area (2, 2)-(cx - S - 2, cy - S - 2) of a cx x cy client area, scrolled
    // offset pixels to the left, drawn into dc at the same place.
    void Paint(CDC& dc, int cx, int cy, int offset)
    {
        m_cx = cx;
        m_offset = offset;
        m_page = LinesPerPage(cy);
        if (!m_buttonDC[0].GetSafeHdc())
            MakeButtons(dc);
        const CRect area(2, 2, cx - S - 2, cy - S - 2);
        const int saved = dc.SaveDC();
        dc.IntersectClipRect(&area);
        dc.FillSolidRect(&area, RGB(255, 255, 255));
        dc.SetWindowOrg(offset, 0);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(&m_font);
        dc.SelectObject(&m_linePen);
        m_line = 0;
        m_k = 0;
        m_widest = 0;
        m_path.clear();
        m_flags.clear();
        DrawNodes(dc, m_tree.roots, 0);
        dc.RestoreDC(saved);
    }

    int Widest() const { return m_widest; }

private:
    void MakeButtons(CDC& dc)
    {
        for (int b = 0; b < 3; ++b)
        {
            m_buttonDC[b].CreateCompatibleDC(&dc);
            m_buttons[b].CreateCompatibleBitmap(&dc, 11, 11);
            m_buttonDC[b].SelectObject(&m_buttons[b]);
            m_buttonDC[b].FillSolidRect(0, 0, 11, 11, RGB(255, 255, 255));
            m_buttonDC[b].SelectObject(&m_blackPen);
            const POINT outline[] = {{1, 0},  {9, 0},  {10, 1}, {10, 9},
                                     {9, 10}, {1, 10}, {0, 9},  {0, 0}};
            m_buttonDC[b].Polyline(outline, 8);
            m_buttonDC[b].SelectObject(b == 0 ? &m_redPen : &m_blackPen);
            Line(m_buttonDC[b], 2, 5, 9, 5);
            if (b != 2)
                Line(m_buttonDC[b], 5, 2, 5, 9);
            m_buttonDC[b].SelectStockObject(BLACK_PEN);
        }
    }

    static void Line(CDC& dc, int x0, int y0, int x1, int y1)
    {
        dc.MoveTo(x0, y0);
        dc.LineTo(x1, y1);
    }

    void Descend(CDC& dc, Node& node, bool last, int d)
    {
        m_flags.push_back(!last);
        DrawNodes(dc, node.kids, d + 1);
        m_flags.pop_back();
    }

    void DrawNodes(CDC& dc, std::vector<std::unique_ptr<Node>>& list, int d)
    {
        m_path.push_back(0);
        const int L = m_m.L;
        for (size_t i = 0; i < list.size(); ++i)
        {
            m_path.back() = static_cast<int>(i);
            if (m_k >= m_page)
                break;
            Node& node = *list[i];
            const bool last = i + 1 == list.size();
            if (m_line < m_tree.top)
            {
                ++m_line;
                if (node.n > 0 && node.expanded)
                    Descend(dc, node, last, d);
                continue;
            }
            const int y = 2 + m_k * L;
            for (int j = 0; j < d; ++j)
            {
                const int x = 12 + 25 * j;
                if (x > m_offset + m_cx - S - 2)
                    break;
                if (m_flags[static_cast<size_t>(j)])
                    Line(dc, x, y, x, y + L);
            }

            QvoTreeWnd::CoGetItem item;
            item.m_path = QvoTreeWnd::CoItemPath(static_cast<int>(m_path.size()), m_path.data());
            m_owner.JTPGetItem(item);
            if (item.m_iHasChildren == 0)
                m_tree.SetNoChildren(m_path);

            const int xb = 25 * d + 7, yb = y + m_m.Tb, xc = xb + 5, yc = yb + 5;
            const bool firstRoot = i == 0 && d == 0;
            if (node.n != 0)
            {
                const int b = node.n == -1 ? 0 : node.expanded ? 2 : 1;
                dc.BitBlt(xb, yb, 11, 11, &m_buttonDC[b], 0, 0, SRCCOPY);
                if (!firstRoot)
                    Line(dc, xc, yb - m_m.Tb, xc, yb);
                if (!last)
                    Line(dc, xc, yb + 11, xc, yb + 12 + m_m.Tb);
            }
            else
            {
                if (!firstRoot)
                    Line(dc, xc, yb - m_m.Tb - 1, xc, yc);
                if (!last)
                    Line(dc, xc, yc, xc, yb + 12 + m_m.Tb);
                Line(dc, xc, yc, xb + 13, yc);
            }
            Line(dc, xb + 13, yc, 25 * d + 27, yc);

            int x = 25 * (d + 1) + m_m.Tt;
            if (m_pImages && item.m_iImage != -1)
            {
                m_pImages->Draw(&dc, item.m_iImage, CPoint(x, m_k * L + m_m.Ti), ILD_NORMAL);
                x += 18;
            }
            const CSize size = dc.GetTextExtent(item.m_strText);
            CRect text(x, y + m_m.Tt, x + size.cx, y + m_m.Tt + m_m.Tt + m_m.F);
            if (m_path == m_tree.sel)
            {
                dc.SetBkMode(OPAQUE);
                const COLORREF oldText = dc.SetTextColor(RGB(255, 255, 255));
                const COLORREF oldBk = dc.SetBkColor(RGB(0, 0, 255));
                dc.DrawText(item.m_strText, &text, DT_NOPREFIX);
                dc.SetBkMode(TRANSPARENT);
                dc.SetTextColor(oldText);
                dc.SetBkColor(oldBk);
            }
            else
            {
                dc.DrawText(item.m_strText, &text, DT_NOPREFIX);
            }
            if (m_widest < x + size.cx)
                m_widest = x + size.cx;

            ++m_line;
            ++m_k;
            if (node.n > 0 && node.expanded)
                Descend(dc, node, last, d);
        }
        m_path.pop_back();
    }

    Tree& m_tree;
    QvoTreeWnd::JTreeParent& m_owner;
    CImageList* m_pImages;
    Metrics m_m;
    CFont m_font;
    CPen m_linePen, m_redPen, m_blackPen;
    CBitmap m_buttons[3]; // before the DCs, which let go of them first
    CDC m_buttonDC[3];
    int m_cx = 0, m_offset = 0, m_page = 0;
    int m_line = 0, m_k = 0, m_widest = 0;
    Path m_path;
    std::vector<bool> m_flags;
};
} // namespace TreeRef
