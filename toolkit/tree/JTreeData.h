// Classes: QvoTreeWnd::JTreeData (internal to the tree family)
// The tree window's private record: the model, and the window side that draws it, scrolls it
// and hit-tests it.
#pragma once

#include "toolkit/draw/QvDraw.h"
#include "toolkit/tree/QvTree.h"

#include <afxcmn.h>

struct QvoTreeWnd::JTreeData : public QvoTreeModel::JTreeView
{
    enum
    {
        kScrollBarSize = 18,
        kVScrollID = 101,
        kHScrollID = 102,
        kButtonSize = 11,
        kIndent = 25,         // per level
        kImageAdvance = 18,   // the label follows an image this far on
        kHScrollLine = 5,     // pixels per line left or right
        kButtonNotAsked = 0,  // red plus
        kButtonCollapsed = 1, // black plus
        kButtonExpanded = 2,  // minus
    };

    explicit JTreeData(QvoTreeWnd& wnd);
    ~JTreeData() override;
    JTreeData(const JTreeData&) = delete;
    JTreeData& operator=(const JTreeData&) = delete;

    // JTreeView
    void TVDataValid() override;
    void TVSetVScroll(bool bPosition) override;
    void TVRedraw() override;

    // Line metrics from the screen's vertical resolution, the point size and the image height.
    void ComputeLineMetrics();
    int LinesPerPage() const;
    // The part of the client area where lines are drawn.
    CRect TreeArea() const;

    // Drawing (QvoTreeWndPaint.cpp)
    void Paint(CDC& dc);
    // Redraws the tree area at once, through a client DC.
    void DrawClientArea();
    void DrawTreeArea(CDC& dc);
    void RebuildButtons(CDC& dc);
    // The visible lines, found from the top line without walking the lines above it.
    void DrawNodes(CDC& dc);
    void DrawLine(CDC& dc, int k, const CoItemPath& path);
    void RedrawWindow0();

    // Scrolling and the mouse (QvoTreeWndMouse.cpp)
    void SetSI(SCROLLINFO& si) const;
    void VScroll(UINT nSBCode, UINT nPos);
    void HScroll(UINT nSBCode);
    void CheckVScroll(int iTop);
    void CheckHScroll(int iOffset);
    void LButton(CPoint point, bool bDblClk);
    void LButtonUp0(CPoint point, int n, bool bDblClk);
    // The label's width (and height) in the label font.
    CSize MeasureLabel(const CString& strText);

    // The window's own procedure for "QVTREE" windows that no tree object was made for.
    static LRESULT CALLBACK ClassWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    QvoTreeWnd& m_wnd;
    QvoTreeModel m_model;
    bool m_bAutoDelete = false; // made by ClassWndProc, deleted with its window

    QvoMemDC m_backBuffer;
    int m_iClientWidth = 0;
    int m_iClientHeight = 0;
    CScrollBar m_hScroll;
    CScrollBar m_vScroll;
    int m_iFontHeight = 0; // F
    int m_iLineHeight = 0; // L
    int m_iTextTop = 0;    // Tt
    int m_iButtonTop = 0;  // Tb
    int m_iImageTop = 0;   // Ti
    int m_iHOffset = 0;    // pixels scrolled to the left
    int m_iWidest = 0;     // right edge of the widest label since DataValid or the last resize
    int m_iWidestPass = 0; // the same for the paint going on
    CPen m_penNotAsked;
    CPen m_penLine;
    CImageList* m_pImageList = nullptr;
    CString m_strFontFace = "Arial";
    int m_iPointSize = 9;
    CFont m_font;
    CSize m_imageSize = CSize(0, 0);
    int m_iDragRefreshDelay = 10;
    int m_iRebuildButtons = 0;
    CDC m_buttonDC[3];
    CBitmap m_buttonBitmap[3];
};
