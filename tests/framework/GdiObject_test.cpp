#include "GdiTestSupport.h"

#include <functional>

namespace
{
bool IsLiveObject(HGDIOBJ hObject, DWORD type)
{
    return ::GetObjectType(hObject) == type;
}
} // namespace

TEST(HeapProbe, SeesABlockBeforeAndNotAfterItIsFreed)
{
    // The temporary-object tests rely on this probe; it must tell a live block from a freed one.
    auto* pBlock = new CPen;
    EXPECT_TRUE(IsHeapBlockInUse(pBlock));
    delete pBlock;
    EXPECT_FALSE(IsHeapBlockInUse(pBlock));
}

TEST(GdiObjectOwnership, DestructorDeletesTheObjectAndDetachLeavesItAlive)
{
    HGDIOBJ hDeleted = nullptr;
    {
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        hDeleted = pen.m_hObject;
    }
    EXPECT_FALSE(IsLiveObject(hDeleted, OBJ_PEN)) << "the pen that made it deletes it";

    HGDIOBJ hKept = nullptr;
    {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(4, 5, 6)));
        hKept = brush.Detach();
        EXPECT_EQ(nullptr, brush.m_hObject);
    }
    EXPECT_TRUE(IsLiveObject(hKept, OBJ_BRUSH)) << "a detached brush belongs to the caller";
    ::DeleteObject(hKept);

    HGDIOBJ hAttached = ::CreateRectRgn(0, 0, 1, 1);
    {
        CRgn rgn;
        ASSERT_TRUE(rgn.Attach(hAttached));
    }
    EXPECT_FALSE(IsLiveObject(hAttached, OBJ_REGION)) << "attaching hands the region over";
}

TEST(GdiObjectOwnership, CreatingAgainWhileHoldingKeepsTheFirstObjectAndLeaksNothing)
{
    CFont font;
    LOGFONT logFont = {};
    logFont.lfHeight = -12;
    lstrcpyA(logFont.lfFaceName, "Arial");
    ASSERT_TRUE(font.CreateFontIndirect(&logFont));
    HGDIOBJ hFirst = font.m_hObject;
    const DWORD objectsBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);

    logFont.lfHeight = -20;
    EXPECT_FALSE(font.CreateFontIndirect(&logFont));
    EXPECT_EQ(hFirst, font.m_hObject);
    EXPECT_FALSE(font.Attach(::GetStockObject(SYSTEM_FONT)));
    EXPECT_EQ(hFirst, font.m_hObject);
    if (objectsBefore)
    {
        EXPECT_EQ(objectsBefore, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    }

    LOGFONT held = {};
    ASSERT_EQ(int(sizeof(LOGFONT)), font.GetLogFont(&held));
    EXPECT_EQ(-12, held.lfHeight);
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_FALSE(font.DeleteObject()) << "nothing left to delete";
    EXPECT_FALSE(font.Attach(nullptr));
}

TEST(GdiObjectHandles, FromHandleGivesTheOwnerElseATemporaryOfTheHandlesClass)
{
    struct Case
    {
        const char* what;
        HGDIOBJ hObject;
        CRuntimeClass* pClass;
    };
    HGDIOBJ hBitmap = ::CreateBitmap(2, 2, 1, 1, nullptr);
    HGDIOBJ hRgn = ::CreateRectRgn(0, 0, 2, 2);
    const Case cases[] = {
        {"stock pen", ::GetStockObject(BLACK_PEN), RUNTIME_CLASS(CPen)},
        {"stock brush", ::GetStockObject(GRAY_BRUSH), RUNTIME_CLASS(CBrush)},
        {"stock font", ::GetStockObject(DEFAULT_GUI_FONT), RUNTIME_CLASS(CFont)},
        {"bitmap", hBitmap, RUNTIME_CLASS(CBitmap)},
        {"region", hRgn, RUNTIME_CLASS(CRgn)},
        {"palette", ::GetStockObject(DEFAULT_PALETTE), RUNTIME_CLASS(CGdiObject)},
    };
    for (const Case& c : cases)
    {
        CGdiObject* pTemp = CGdiObject::FromHandle(c.hObject);
        ASSERT_NE(nullptr, pTemp) << c.what;
        EXPECT_EQ(c.hObject, pTemp->m_hObject) << c.what;
        EXPECT_STREQ(c.pClass->m_lpszClassName, pTemp->GetRuntimeClass()->m_lpszClassName)
            << c.what;
        EXPECT_EQ(pTemp, CGdiObject::FromHandle(c.hObject)) << c.what << ": same idle period";
    }
    EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(::GetStockObject(BLACK_PEN))),
              CGdiObject::FromHandle(::GetStockObject(BLACK_PEN)))
        << "the class's own FromHandle shares the temporary";
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));
    CGdiObject::DeleteTempMap();

    CPen owner;
    ASSERT_TRUE(owner.CreatePen(PS_DASH, 1, RGB(0, 0, 0)));
    EXPECT_EQ(&owner, CGdiObject::FromHandle(owner.m_hObject));
    EXPECT_EQ(&owner, CPen::FromHandle(owner));
    ::DeleteObject(hBitmap);
    ::DeleteObject(hRgn);
}

TEST(GdiObjectHandles, DeleteTempMapFreesTemporariesButNotTheirHandles)
{
    HGDIOBJ hBrush = ::CreateSolidBrush(RGB(10, 20, 30));
    CBrush* pTemp = CBrush::FromHandle(static_cast<HBRUSH>(hBrush));
    ASSERT_NE(nullptr, pTemp);
    EXPECT_TRUE(IsHeapBlockInUse(pTemp));

    CGdiObject::DeleteTempMap();
    EXPECT_FALSE(IsHeapBlockInUse(pTemp)) << "the temporary object is freed";
    EXPECT_TRUE(IsLiveObject(hBrush, OBJ_BRUSH)) << "the foreign brush survives";
    ::DeleteObject(hBrush);
}

TEST(GdiObjectHandles, DetachingAnOwnerDoesNotFreeATemporaryACallerStillHolds)
{
    HGDIOBJ hPen = ::CreatePen(PS_SOLID, 3, RGB(9, 9, 9));
    CPen* pTemp = CPen::FromHandle(static_cast<HPEN>(hPen));
    {
        CPen borrowed;
        ASSERT_TRUE(borrowed.Attach(hPen));
        EXPECT_EQ(&borrowed, CPen::FromHandle(static_cast<HPEN>(hPen)));
        borrowed.Detach();
    }
    ASSERT_TRUE(IsHeapBlockInUse(pTemp));
    EXPECT_EQ(pTemp, CPen::FromHandle(static_cast<HPEN>(hPen)));
    LOGPEN logPen = {};
    EXPECT_EQ(int(sizeof(LOGPEN)), pTemp->GetLogPen(&logPen));
    EXPECT_EQ(3, logPen.lopnWidth.x);
    CGdiObject::DeleteTempMap();
    ::DeleteObject(hPen);
}

TEST(GdiObjectHandles, EachThreadHasItsOwnTemporariesFreedWhenItEnds)
{
    HGDIOBJ hPen = ::GetStockObject(WHITE_PEN);
    CPen* pMine = CPen::FromHandle(static_cast<HPEN>(hPen));
    CPen* pOther = nullptr;
    HANDLE hThread = ::CreateThread(
        nullptr, 0,
        [](LPVOID pParam) -> DWORD {
            // Left for the end of the thread to free.
            *static_cast<CPen**>(pParam) =
                CPen::FromHandle(static_cast<HPEN>(::GetStockObject(WHITE_PEN)));
            return 0;
        },
        &pOther, 0, nullptr);
    ASSERT_NE(nullptr, hThread);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 10000)) << "the thread ends cleanly";
    DWORD exitCode = STILL_ACTIVE;
    ::GetExitCodeThread(hThread, &exitCode);
    EXPECT_EQ(0u, exitCode);
    ::CloseHandle(hThread);
    EXPECT_NE(nullptr, pOther);
    EXPECT_NE(pMine, pOther);
    EXPECT_FALSE(IsHeapBlockInUse(pOther)) << "freed with the thread's maps";
    EXPECT_EQ(pMine, CPen::FromHandle(static_cast<HPEN>(hPen))) << "untouched by the other thread";
    CGdiObject::DeleteTempMap();
}

TEST(GdiObjectHandles, StockAndSystemObjectsAreHeldWithoutHarm)
{
    CBrush brush;
    ASSERT_TRUE(brush.CreateStockObject(WHITE_BRUSH));
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), brush.m_hObject);
    EXPECT_TRUE(brush == *CGdiObject::FromHandle(::GetStockObject(WHITE_BRUSH)));
    brush.DeleteObject();
    EXPECT_TRUE(IsLiveObject(::GetStockObject(WHITE_BRUSH), OBJ_BRUSH));

    CBrush sysBrush;
    ASSERT_TRUE(sysBrush.CreateSysColorBrush(COLOR_BTNFACE));
    LOGBRUSH logBrush = {};
    ASSERT_EQ(int(sizeof(LOGBRUSH)), sysBrush.GetLogBrush(&logBrush));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), logBrush.lbColor);
}
