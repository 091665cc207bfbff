#include "GdiTestSupport.h"

namespace
{
// Selects first, then second, then whatever was there before, checking each answer.
template <class TObject>
void CheckSelectionRoundTrip(CDC& dc, TObject& first, TObject& second, UINT nObjectType,
                             TObject* (CDC::*pfnGetCurrent)() const, const char* what)
{
    SCOPED_TRACE(what);
    HGDIOBJ hEarlier = ::GetCurrentObject(dc, nObjectType);
    TObject* pEarlier = dc.SelectObject(&first);
    ASSERT_NE(nullptr, pEarlier);
    EXPECT_EQ(hEarlier, pEarlier->m_hObject) << "a temporary object for the DC's own object";
    EXPECT_EQ(&first, (dc.*pfnGetCurrent)());
    EXPECT_EQ(&first, dc.SelectObject(&second)) << "the framework object selected before";
    EXPECT_EQ(second.m_hObject, ::GetCurrentObject(dc, nObjectType));
    EXPECT_EQ(&second, dc.SelectObject(pEarlier));
    EXPECT_EQ(hEarlier, ::GetCurrentObject(dc, nObjectType)) << "the earlier object is back";
}
} // namespace

TEST(DCSelection, SelectObjectReturnsThePreviousObjectOfEachKind)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));

    CPen pen1, pen2;
    ASSERT_TRUE(pen1.CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    ASSERT_TRUE(pen2.CreatePen(PS_DOT, 1, RGB(0, 255, 0)));
    CheckSelectionRoundTrip(dc, pen1, pen2, OBJ_PEN, &CDC::GetCurrentPen, "pen");

    CBrush brush1, brush2;
    ASSERT_TRUE(brush1.CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_TRUE(brush2.CreateHatchBrush(HS_CROSS, RGB(4, 5, 6)));
    CheckSelectionRoundTrip(dc, brush1, brush2, OBJ_BRUSH, &CDC::GetCurrentBrush, "brush");

    CFont font1, font2;
    ASSERT_TRUE(font1.CreatePointFont(90, "Arial"));
    ASSERT_TRUE(font2.CreatePointFont(140, "Arial"));
    CheckSelectionRoundTrip(dc, font1, font2, OBJ_FONT, &CDC::GetCurrentFont, "font");

    CBitmap bitmap1, bitmap2;
    ASSERT_TRUE(bitmap1.CreateBitmap(4, 4, 1, 1, nullptr));
    ASSERT_TRUE(bitmap2.CreateBitmap(8, 2, 1, 1, nullptr));
    CheckSelectionRoundTrip(dc, bitmap1, bitmap2, OBJ_BITMAP, &CDC::GetCurrentBitmap, "bitmap");

    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(nullptr))) << "nothing to select";
    CGdiObject::DeleteTempMap();
}

TEST(DCSelection, StockObjectsAndRegions)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(7, 8, 9)));
    dc.SelectObject(&brush);

    CGdiObject* pPrevious = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(&brush, pPrevious);
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), ::GetCurrentObject(dc, OBJ_BRUSH));
    CGdiObject* pStock = dc.SelectObject(static_cast<CGdiObject*>(&brush));
    ASSERT_NE(nullptr, pStock);
    EXPECT_TRUE(pStock->IsKindOf(RUNTIME_CLASS(CBrush))) << "a brush comes back as a CBrush";
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), pStock->m_hObject);
    dc.SelectStockObject(WHITE_BRUSH);

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(10, 10, 1, 1, nullptr));
    dc.SelectObject(&bitmap);
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(1, 1, 4, 4));
    EXPECT_EQ(SIMPLEREGION, dc.SelectObject(&rgn)) << "a region answers with its kind";
    CRect clip;
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&clip));
    EXPECT_EQ(CRect(1, 1, 4, 4), clip);
    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CGdiObject*>(&rgn)))
        << "no previous object for a region";
    CGdiObject::DeleteTempMap();
}

TEST(DCSelection, SaveDCAndRestoreDCBringBackTheSelection)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CPen pen1, pen2;
    ASSERT_TRUE(pen1.CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    ASSERT_TRUE(pen2.CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
    CPen* pEarlier = dc.SelectObject(&pen1);
    dc.SetTextColor(RGB(10, 20, 30));

    const int nSaved = dc.SaveDC();
    ASSERT_NE(0, nSaved);
    dc.SelectObject(&pen2);
    dc.SetTextColor(RGB(40, 50, 60));
    EXPECT_TRUE(dc.RestoreDC(nSaved));
    EXPECT_EQ(&pen1, dc.GetCurrentPen());
    EXPECT_EQ(RGB(10, 20, 30), dc.GetTextColor());
    dc.SelectObject(pEarlier);
    CGdiObject::DeleteTempMap();
}

TEST(DCHandles, OwnershipOfCreatedAttachedAndDetachedDCs)
{
    HDC hCreated = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        hCreated = dc.m_hDC;
        EXPECT_EQ(hCreated, dc.m_hAttribDC);
        EXPECT_EQ(hCreated, dc.GetSafeHdc());
        EXPECT_EQ(&dc, CDC::FromHandle(hCreated)) << "the owner, not a temporary";
        EXPECT_FALSE(dc.CreateCompatibleDC(nullptr)) << "already holds a DC";
        EXPECT_EQ(hCreated, dc.m_hDC);
    }
    EXPECT_EQ(0u, ::GetObjectType(hCreated)) << "the CDC that made it deletes it";

    HDC hForeign = ::CreateCompatibleDC(nullptr);
    {
        CDC borrowed;
        ASSERT_TRUE(borrowed.Attach(hForeign));
        EXPECT_EQ(hForeign, borrowed.Detach());
        EXPECT_EQ(nullptr, borrowed.m_hDC);
        EXPECT_EQ(nullptr, borrowed.m_hAttribDC);
    }
    EXPECT_EQ(DWORD(OBJ_MEMDC), ::GetObjectType(hForeign)) << "a detached DC survives";

    CDC dc;
    EXPECT_FALSE(dc.Attach(nullptr));
    EXPECT_FALSE(dc.DeleteDC()) << "nothing to delete";
    ASSERT_TRUE(dc.Attach(hForeign));
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(0u, ::GetObjectType(hForeign));
}

TEST(DCHandles, TemporaryDCIsOneObjectUntilDeleteTempMapAndLeavesTheHandleAlive)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hDC);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hDC, pTemp->m_hDC);
    EXPECT_EQ(hDC, pTemp->m_hAttribDC);
    EXPECT_EQ(pTemp, CDC::FromHandle(hDC));
    EXPECT_EQ(nullptr, CDC::FromHandle(nullptr));
    EXPECT_TRUE(IsHeapBlockInUse(pTemp));

    CDC::DeleteTempMap();
    EXPECT_FALSE(IsHeapBlockInUse(pTemp)) << "the temporary object is freed";
    EXPECT_EQ(DWORD(OBJ_MEMDC), ::GetObjectType(hDC)) << "its DC is not deleted";
    ::DeleteDC(hDC);
}

TEST(DCHandles, BorrowingADCDoesNotFreeATemporaryACallerStillHolds)
{
    // A handler's DC wrapped for a moment, as a paint or draw-item handler does.
    HDC hDC = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hDC);
    {
        CDC borrowed;
        ASSERT_TRUE(borrowed.Attach(hDC));
        EXPECT_EQ(&borrowed, CDC::FromHandle(hDC));
        EXPECT_EQ(hDC, borrowed.Detach());
    }
    ASSERT_TRUE(IsHeapBlockInUse(pTemp));
    EXPECT_EQ(pTemp, CDC::FromHandle(hDC)) << "the same temporary until idle time";
    EXPECT_EQ(hDC, pTemp->m_hDC);
    CDC::DeleteTempMap();
    ::DeleteDC(hDC);
}

TEST(DCHandles, AttributeChangesReachBothDCsAndOutputGoesToTheOutputDC)
{
    DibCanvas output(4, 4), attribute(4, 4);
    ASSERT_TRUE(output.IsReady() && attribute.IsReady());
    CDC dc;
    dc.SetOutputDC(output.DC());
    dc.SetAttribDC(attribute.DC());

    dc.SetBkColor(RGB(200, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), ::GetBkColor(output.DC()));
    EXPECT_EQ(RGB(200, 0, 0), ::GetBkColor(attribute.DC()));
    ::SetBkColor(output.DC(), RGB(1, 1, 1));
    EXPECT_EQ(RGB(200, 0, 0), dc.GetBkColor()) << "attributes are read from the attribute DC";
    dc.FillSolidRect(0, 0, 2, 2, RGB(0, 99, 0));
    EXPECT_TRUE(PixelIs(output, 1, 1, RGB(0, 99, 0)));
    EXPECT_TRUE(PixelIs(attribute, 1, 1, RGB(255, 255, 255))) << "no output on the attribute DC";

    dc.ReleaseAttribDC();
    dc.ReleaseOutputDC();
    EXPECT_EQ(nullptr, dc.m_hDC);
}
