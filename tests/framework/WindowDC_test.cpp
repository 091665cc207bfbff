#include "WindowTestSupport.h"

#include <afxcmn.h>

#include <gtest/gtest.h>

namespace
{
const COLORREF kPainted = RGB(200, 30, 40);

// Paints its client area through CPaintDC and answers the erase and control-colour messages.
class CPaintingWnd : public CWnd
{
public:
    CRect m_rectPainted;
    int m_nPaints = 0;
    HDC m_hEraseDC = nullptr;
    UINT m_nCtlColor = 0;
    HWND m_hWndCtlColor = nullptr;
    CBrush m_brush;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_rectPainted = dc.m_ps.rcPaint;
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kPainted);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        m_hEraseDC = pDC->GetSafeHdc();
        return TRUE;
    }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor)
    {
        m_nCtlColor = nCtlColor;
        m_hWndCtlColor = pWnd->GetSafeHwnd();
        return static_cast<HBRUSH>(m_brush.GetSafeHandle());
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()
} // namespace

TEST(WindowDC, PaintDCDrawsTheInvalidPartAndValidatesIt)
{
    CPaintingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Paint", WS_POPUP | WS_VISIBLE, 10, 10, 80,
                             60, nullptr, nullptr));
    wnd.UpdateWindow();
    wnd.m_nPaints = 0;
    const CRect part(5, 6, 30, 20);
    wnd.InvalidateRect(&part);
    wnd.UpdateWindow();
    EXPECT_EQ(1, wnd.m_nPaints);
    EXPECT_EQ(part, wnd.m_rectPainted);
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE)) << "EndPaint validated it";
    {
        CClientDC dc(&wnd);
        EXPECT_EQ(kPainted, dc.GetPixel(10, 10));
    }
    CDC* pDC = wnd.GetDC();
    ASSERT_NE(nullptr, pDC);
    EXPECT_EQ(kPainted, pDC->GetPixel(1, 1));
    EXPECT_EQ(1, wnd.ReleaseDC(pDC));
    {
        CWindowDC dc(&wnd);
        EXPECT_EQ(kPainted, dc.GetPixel(2, 2)) << "no frame: window and client area coincide";
    }

    // A region limits what RedrawWindow invalidates.
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(40, 30, 50, 45));
    ASSERT_TRUE(wnd.RedrawWindow(nullptr, &rgn, RDW_INVALIDATE));
    CRect update;
    ASSERT_TRUE(::GetUpdateRect(wnd.m_hWnd, &update, FALSE));
    EXPECT_EQ(CRect(40, 30, 50, 45), update);
    wnd.DestroyWindow();
}

TEST(WindowDC, EraseAndControlColourHandlersReceiveTheDC)
{
    CPaintingWnd wnd;
    ASSERT_TRUE(CreateTestPopup(wnd));
    ASSERT_TRUE(wnd.m_brush.CreateSolidBrush(RGB(1, 2, 3)));
    CWnd label;
    ASSERT_TRUE(label.Create("STATIC", "Label", WS_CHILD, CRect(0, 0, 40, 10), &wnd, 5));

    CClientDC dc(&wnd);
    EXPECT_EQ(TRUE, wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())));
    EXPECT_EQ(dc.GetSafeHdc(), wnd.m_hEraseDC);

    struct Case
    {
        UINT message;
        UINT nCtlColor;
    } cases[] = {{WM_CTLCOLORSTATIC, CTLCOLOR_STATIC},
                 {WM_CTLCOLOREDIT, CTLCOLOR_EDIT},
                 {WM_CTLCOLORBTN, CTLCOLOR_BTN}};
    for (const Case& c : cases)
    {
        const LRESULT brush = wnd.SendMessage(c.message, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                              reinterpret_cast<LPARAM>(label.m_hWnd));
        EXPECT_EQ(reinterpret_cast<LRESULT>(wnd.m_brush.GetSafeHandle()), brush);
        EXPECT_EQ(c.nCtlColor, wnd.m_nCtlColor);
        EXPECT_EQ(label.m_hWnd, wnd.m_hWndCtlColor);
    }
    wnd.DestroyWindow();
}

TEST(WindowDC, FontOfAControl)
{
    CWnd parent;
    ASSERT_TRUE(CreateTestPopup(parent));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 50, 20), &parent, 3));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    edit.SetFont(&font, FALSE);
    ASSERT_NE(nullptr, edit.GetFont());
    EXPECT_EQ(font.GetSafeHandle(), edit.GetFont()->GetSafeHandle());
    EXPECT_EQ(&font, edit.GetFont()) << "the object that holds the font";
    parent.DestroyWindow();
}

TEST(WindowDC, ListViewDragImageIsANewImageListOfTheRow)
{
    CWnd parent;
    ASSERT_TRUE(CreateTestPopup(parent));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 100), &parent, 9));
    list.InsertColumn(0, "Title", LVCFMT_LEFT, 140);
    list.InsertItem(0, "Row 0");
    list.InsertItem(1, "Row 1");
    CPoint pt(-1, -1);
    CImageList* pImage = list.CreateDragImage(1, &pt);
    ASSERT_NE(nullptr, pImage);
    EXPECT_EQ(1, pImage->GetImageCount());
    IMAGEINFO info = {};
    ASSERT_TRUE(pImage->GetImageInfo(0, &info));
    EXPECT_GT(info.rcImage.right - info.rcImage.left, 0);
    EXPECT_NE(CPoint(-1, -1), pt) << "the position of the row's picture is reported";
    delete pImage;
    EXPECT_EQ(nullptr, list.CreateDragImage(7, nullptr)) << "no such row";
    parent.DestroyWindow();
}
