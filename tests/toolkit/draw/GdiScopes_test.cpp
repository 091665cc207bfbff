// Scoped selections of fonts, pens and brushes, and borrowed DC and bitmap handles, on memory
// DCs and windows' DCs.
#include "toolkit/draw/QvDraw.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
// A 32 x 32 memory DC, white.
class MemoryDC : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(m_bitmap.CreateBitmap(32, 32, 1, 32, nullptr));
        m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, 32, 32, RGB(255, 255, 255));
    }
    HGDIOBJ Current(UINT type) const { return ::GetCurrentObject(m_dc, type); }

    CDC m_dc;
    CBitmap m_bitmap;
};
} // namespace

TEST_F(MemoryDC, EachScopeSelectsItsObjectAndLeavesTheEarlierOneBehind)
{
    using Make = std::function<std::unique_ptr<CGdiObject>(CDC&)>;
    struct Case
    {
        const char* name;
        UINT type;
        Make make;
    } cases[] = {
        {"QvTFontAuto", OBJ_FONT,
         [](CDC& dc) { return std::make_unique<QvTFontAuto>(dc, "Arial", -12, true); }},
        {"QvTFontAuto in points", OBJ_FONT,
         [](CDC& dc) { return std::make_unique<QvTFontAuto>(dc, "Arial", 90, false); }},
        {"QvTGDIFontAuto", OBJ_FONT,
         [](CDC& dc) { return std::make_unique<QvTGDIFontAuto>(dc, "Arial", -20, true); }},
        {"QvTGDIPenAuto", OBJ_PEN,
         [](CDC& dc) { return std::make_unique<QvTGDIPenAuto>(dc, PS_DASH, 1, RGB(1, 2, 3)); }},
        {"QvTGDIBrushAuto", OBJ_BRUSH,
         [](CDC& dc) { return std::make_unique<QvTGDIBrushAuto>(dc, RGB(4, 5, 6)); }},
    };
    for (const Case& c : cases)
    {
        const HGDIOBJ hBefore = Current(c.type);
        std::unique_ptr<CGdiObject> pScope = c.make(m_dc);
        const HGDIOBJ hOwn = pScope->GetSafeHandle();
        ASSERT_EQ(c.type, ::GetObjectType(hOwn)) << c.name << " made its object";
        EXPECT_EQ(hOwn, Current(c.type)) << c.name << " selected it";
        pScope.reset();
        EXPECT_EQ(hBefore, Current(c.type)) << c.name << " put the earlier one back";
        EXPECT_EQ(0u, ::GetObjectType(hOwn)) << c.name << " deleted its own";
    }
}

TEST_F(MemoryDC, AFontThenAPenEndInReverseOrder)
{
    const HGDIOBJ hFontBefore = Current(OBJ_FONT);
    const HGDIOBJ hPenBefore = Current(OBJ_PEN);
    {
        QvTFontAuto font(m_dc, "Arial", -14, true);
        QvTGDIPenAuto pen(m_dc, PS_SOLID, 1, RGB(255, 0, 0));
        QvTGDIBrushAuto brush(m_dc, RGB(0, 0, 255));
        m_dc.Rectangle(2, 2, 12, 12);
        EXPECT_EQ(RGB(255, 0, 0), m_dc.GetPixel(2, 5)) << "drawn with the pen";
        EXPECT_EQ(RGB(0, 0, 255), m_dc.GetPixel(6, 6)) << "filled with the brush";
        EXPECT_EQ(font.GetSafeHandle(), Current(OBJ_FONT));
    }
    EXPECT_EQ(hFontBefore, Current(OBJ_FONT));
    EXPECT_EQ(hPenBefore, Current(OBJ_PEN));
    m_dc.MoveTo(0, 20);
    m_dc.LineTo(10, 20);
    EXPECT_EQ(RGB(0, 0, 0), m_dc.GetPixel(5, 20)) << "the earlier pen draws again";
}

TEST_F(MemoryDC, BorrowedDCsLeaveTheHandleToItsOwner)
{
    struct Case
    {
        const char* name;
        std::function<std::unique_ptr<CDC>(HDC)> make;
    } cases[] = {
        {"QvTDCTemp", [](HDC h) { return std::make_unique<QvTDCTemp>(h); }},
        {"QvTDCRef", [](HDC h) { return std::make_unique<QvTDCRef>(h); }},
    };
    int nRow = 0;
    for (const Case& c : cases)
    {
        {
            std::unique_ptr<CDC> pBorrowed = c.make(m_dc.GetSafeHdc());
            EXPECT_EQ(m_dc.GetSafeHdc(), pBorrowed->GetSafeHdc()) << c.name;
            pBorrowed->FillSolidRect(0, nRow, 32, 1, RGB(0, 128, 0));
        }
        EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(m_dc.GetSafeHdc()))
            << c.name << " neither deleted nor released it";
        EXPECT_EQ(RGB(0, 128, 0), m_dc.GetPixel(3, nRow)) << c.name << " drew into it";
        EXPECT_NE(CLR_INVALID, m_dc.SetPixel(4, nRow + 1, RGB(9, 9, 9))) << c.name;
        ++nRow;
    }
}

namespace
{
// A window whose paint handler lends its paint DC to a QvTDCTemp for a moment.
class CPaintingWnd : public CWnd
{
public:
    bool m_bPainted = false;
    bool m_bUsableAfter = false;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        {
            QvTDCTemp borrowed(dc.m_hDC);
            borrowed.SetTextColor(RGB(1, 2, 3));
        }
        m_bPainted = true;
        m_bUsableAfter = ::GetObjectType(dc.m_hDC) == OBJ_DC &&
                         ::GetTextColor(dc.m_hDC) == RGB(1, 2, 3) &&
                         dc.SetBkColor(RGB(4, 5, 6)) != CLR_INVALID;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()
} // namespace

TEST(QvTDCTemp, OnAPaintDCTheHandleStaysUsable)
{
    CPaintingWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), "Paint", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    wnd.Invalidate();
    wnd.SendMessage(WM_PAINT);
    EXPECT_TRUE(wnd.m_bPainted);
    EXPECT_TRUE(wnd.m_bUsableAfter) << "the paint DC survives its borrower";
    wnd.DestroyWindow();
}

TEST(QvTGDIRef, TheObjectSurvivesItsBorrower)
{
    const HBITMAP hBitmap = ::CreateBitmap(13, 7, 1, 32, nullptr);
    ASSERT_NE(nullptr, hBitmap);
    {
        QvTGDIRefBitmap borrowed(hBitmap);
        BITMAP info = {};
        ASSERT_EQ(static_cast<int>(sizeof(info)), borrowed.GetBitmap(&info));
        EXPECT_EQ(13, info.bmWidth);
        EXPECT_EQ(7, info.bmHeight);
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(hBitmap));
    EXPECT_EQ(hBitmap, CBitmap::FromHandle(hBitmap)->GetSafeHandle())
        << "the framework no longer takes the gone borrower for its object";

    const HPEN hPen = ::CreatePen(PS_SOLID, 2, RGB(7, 8, 9));
    {
        QvTGDIRef<CPen, HPEN> borrowed(hPen);
        LOGPEN logPen = {};
        ASSERT_EQ(static_cast<int>(sizeof(logPen)), borrowed.GetLogPen(&logPen));
        EXPECT_EQ(RGB(7, 8, 9), logPen.lopnColor);
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), ::GetObjectType(hPen));
    ::DeleteObject(hPen);
    ::DeleteObject(hBitmap);
}
