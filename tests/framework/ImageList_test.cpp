#include "FrameworkTestIds.h"
#include "GdiTestSupport.h"

#include <afxcmn.h>

#include <algorithm>

namespace
{

// An 8 x 8 magenta bitmap with a red 4 x 4 square at (2, 2), compatible with the screen.
bool MakeSquareBitmap(CBitmap& bitmap, COLORREF square)
{
    DibCanvas canvas(8, 8);
    CDC* pScreen = CDC::FromHandle(::GetDC(nullptr));
    const bool made = canvas.IsReady() && bitmap.CreateCompatibleBitmap(pScreen, 8, 8);
    ::ReleaseDC(nullptr, pScreen->m_hDC);
    CDC::DeleteTempMap();
    if (!made)
        return false;
    canvas.Fill(kMagenta);
    canvas.DC().FillSolidRect(2, 2, 4, 4, square);
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return false;
    CBitmap* pEarlier = dc.SelectObject(&bitmap);
    const bool copied = dc.BitBlt(0, 0, 8, 8, &canvas.DC(), 0, 0, SRCCOPY);
    dc.SelectObject(pEarlier);
    CGdiObject::DeleteTempMap();
    return copied;
}

// How much redder than green and blue a colour is; the drag image may be drawn translucently.
int RedDominance(COLORREF colour)
{
    return int(GetRValue(colour)) - int(std::max(GetGValue(colour), GetBValue(colour)));
}

// Window stand-in for the drag functions, which take any framework window.
struct DesktopLock
{
    HWND GetSafeHwnd() const { return ::GetDesktopWindow(); }
};
} // namespace

TEST(ImageList, MaskColourImagesDrawTransparentlyOverTheBackground)
{
    struct Case
    {
        const char* what;
        UINT style;
        COLORREF listBackground;
        COLORREF expectedAtMask;
    };
    const Case cases[] = {
        {"ILD_TRANSPARENT", ILD_TRANSPARENT, kBlue, kGreen},
        {"ILD_NORMAL without background", ILD_NORMAL, CLR_NONE, kGreen},
        {"ILD_NORMAL over the list's background", ILD_NORMAL, kBlue, kBlue},
    };
    for (const Case& c : cases)
    {
        CBitmap bitmap;
        ASSERT_TRUE(MakeSquareBitmap(bitmap, kRed));
        CImageList list;
        ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
        EXPECT_EQ(0, list.Add(&bitmap, kMagenta)) << c.what;
        EXPECT_EQ(1, list.GetImageCount());
        list.SetBkColor(c.listBackground);

        DibCanvas canvas(16, 16);
        ASSERT_TRUE(canvas.IsReady());
        canvas.Fill(kGreen);
        EXPECT_TRUE(list.Draw(&canvas.DC(), 0, CPoint(4, 4), c.style)) << c.what;
        EXPECT_EQ(16, canvas.Count(CRect(6, 6, 10, 10), kRed)) << c.what << ": the image";
        EXPECT_EQ(64 - 16, canvas.Count(CRect(4, 4, 12, 12), c.expectedAtMask))
            << c.what << ": the mask pixels";
        EXPECT_EQ(0, canvas.Count(CRect(0, 0, 16, 16), kMagenta)) << c.what;
        EXPECT_TRUE(PixelIs(canvas, 2, 2, kGreen)) << c.what << ": outside the image";
    }
}

TEST(ImageList, CreateFromABitmapResourceFoundThroughTheResourceChain)
{
    ResourceChainScope chain(true);
    CImageList list;
    ASSERT_TRUE(list.Create(IDB_TEST_STRIP8, 8, 0, kMagenta));
    ASSERT_EQ(3, list.GetImageCount());
    IMAGEINFO info = {};
    ASSERT_TRUE(list.GetImageInfo(2, &info));
    EXPECT_EQ(8, info.rcImage.right - info.rcImage.left);
    EXPECT_EQ(8, info.rcImage.bottom - info.rcImage.top);
    EXPECT_NE(nullptr, info.hbmImage);

    DibCanvas canvas(8, 8);
    ASSERT_TRUE(canvas.IsReady());
    EXPECT_TRUE(list.Draw(&canvas.DC(), 1, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(16, canvas.Count(CRect(2, 2, 6, 6), kGreen)) << "image 1 is the green one";
    EXPECT_EQ(64 - 16, canvas.Count(CRect(0, 0, 8, 8), kWhite));

    CImageList again;
    ASSERT_TRUE(again.Create(8, 8, ILC_COLOR24, 1, 1));
    EXPECT_FALSE(again.Create(IDB_TEST_STRIP8, 8, 0, kMagenta)) << "already holds a list";
    EXPECT_EQ(0, again.GetImageCount()) << "the list it holds is kept";
}

TEST(ImageList, IconsReplaceRemoveAndExtract)
{
    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24 | ILC_MASK, 2, 2));
    CBitmap red, blue, mask;
    ASSERT_TRUE(MakeSquareBitmap(red, kRed));
    ASSERT_TRUE(MakeSquareBitmap(blue, kBlue));
    ASSERT_TRUE(mask.CreateBitmap(8, 8, 1, 1, nullptr)); // all 0: every pixel opaque
    EXPECT_EQ(0, list.Add(&red, &mask));
    EXPECT_EQ(-1, list.Add(static_cast<CBitmap*>(nullptr), &mask));

    HICON hIcon = list.ExtractIcon(0);
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(1, list.Add(hIcon));
    EXPECT_TRUE(list.Replace(0, &blue, &mask));
    EXPECT_EQ(1, list.Replace(1, hIcon));
    ::DestroyIcon(hIcon);
    EXPECT_EQ(2, list.GetImageCount());

    DibCanvas canvas(8, 8);
    ASSERT_TRUE(canvas.IsReady());
    list.Draw(&canvas.DC(), 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(16, canvas.Count(CRect(2, 2, 6, 6), kBlue)) << "image 0 was replaced";
    list.Draw(&canvas.DC(), 1, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(16, canvas.Count(CRect(2, 2, 6, 6), kRed)) << "image 1 came from the icon";
    EXPECT_FALSE(list.Draw(nullptr, 0, CPoint(0, 0), ILD_NORMAL));

    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(1, list.GetImageCount());
    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(0, list.GetImageCount());
}

TEST(ImageList, OwnershipAndTemporaryObjects)
{
    HIMAGELIST hDestroyed = nullptr;
    {
        CImageList list;
        ASSERT_TRUE(list.Create(4, 4, ILC_COLOR24, 1, 1));
        hDestroyed = list;
        EXPECT_EQ(&list, CImageList::FromHandle(hDestroyed)) << "the owner, not a temporary";
        EXPECT_TRUE(IsHeapBlockInUse(hDestroyed));
    }
    EXPECT_FALSE(IsHeapBlockInUse(hDestroyed)) << "the destructor destroys the list it owns";

    HIMAGELIST hForeign = ::ImageList_Create(4, 4, ILC_COLOR24, 1, 1);
    ASSERT_NE(nullptr, hForeign);
    {
        CImageList borrowed;
        ASSERT_TRUE(borrowed.Attach(hForeign));
        EXPECT_FALSE(borrowed.Attach(hForeign));
        EXPECT_EQ(hForeign, borrowed.Detach());
        EXPECT_EQ(nullptr, borrowed.GetSafeHandle());
        EXPECT_FALSE(borrowed.DeleteImageList());
    }
    EXPECT_EQ(0, ::ImageList_GetImageCount(hForeign)) << "a detached list survives";

    CImageList* pTemp = CImageList::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->m_hImageList);
    EXPECT_EQ(pTemp, CImageList::FromHandle(hForeign));
    CImageList::DeleteTempMap();
    EXPECT_FALSE(IsHeapBlockInUse(pTemp)) << "the temporary object is freed";
    EXPECT_TRUE(IsHeapBlockInUse(hForeign)) << "its list is not destroyed";
    EXPECT_TRUE(::ImageList_Destroy(hForeign));
}

TEST(ImageList, DragImageIsShownOnTheLockWindowAndRemovedWhenTheDragLeaves)
{
    CBitmap bitmap;
    ASSERT_TRUE(MakeSquareBitmap(bitmap, kRed));
    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
    ASSERT_EQ(0, list.Add(&bitmap, kMagenta));

    HDC hScreen = ::GetDC(nullptr);
    const CPoint at(40, 40);
    const COLORREF before = ::GetPixel(hScreen, at.x + 3, at.y + 3);
    DesktopLock lock;
    ASSERT_TRUE(list.BeginDrag(0, CPoint(0, 0)));
    EXPECT_TRUE(CImageList::DragEnter(&lock, at));
    EXPECT_GT(RedDominance(::GetPixel(hScreen, at.x + 3, at.y + 3)), RedDominance(before) + 64)
        << "the image under the cursor";
    EXPECT_TRUE(CImageList::DragMove(CPoint(at.x + 20, at.y)));
    EXPECT_GT(RedDominance(::GetPixel(hScreen, at.x + 23, at.y + 3)), RedDominance(before) + 64)
        << "it follows the cursor";
    EXPECT_EQ(before, ::GetPixel(hScreen, at.x + 3, at.y + 3)) << "and leaves its old place";
    EXPECT_TRUE(CImageList::DragShowNolock(FALSE));
    EXPECT_EQ(before, ::GetPixel(hScreen, at.x + 23, at.y + 3)) << "hidden";
    EXPECT_TRUE(CImageList::DragShowNolock(TRUE));
    EXPECT_TRUE(CImageList::DragLeave(&lock));
    EXPECT_EQ(before, ::GetPixel(hScreen, at.x + 23, at.y + 3)) << "gone after the drag left";
    CImageList::EndDrag();
    POINT pt, hot;
    EXPECT_EQ(nullptr, ::ImageList_GetDragImage(&pt, &hot)) << "no drag after EndDrag";
    ::ReleaseDC(nullptr, hScreen);
}
