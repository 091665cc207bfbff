#include "FramelibTestSupport.h"

#include <afxwin.h>

namespace
{
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBackground = RGB(10, 20, 30);
const int kImage = 16;

HMENU Popup(int nPos)
{
    return ::GetSubMenu(TestFrame().GetMenuBar().GetMenu(), nPos);
}

// Opens the popup as far as its owner is concerned.
void InitPopup(HMENU hPopup)
{
    TestFrame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), 0);
}

HBITMAP ItemBitmap(HMENU hMenu, UINT nID)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_BITMAP;
    EXPECT_TRUE(::GetMenuItemInfoA(hMenu, nID, FALSE, &mii)) << "item " << nID;
    return mii.hbmpItem;
}

// What the frame draws for the item's image: the pixels of a 16 x 16 cell on a dark ground,
// row by row.
std::vector<COLORREF> DrawnImage(HMENU hMenu, UINT nID, UINT nState = 0)
{
    CDC dc;
    CBitmap bitmap;
    EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
    HDC hScreen = ::GetDC(nullptr);
    bitmap.Attach(::CreateCompatibleBitmap(hScreen, kImage, kImage));
    ::ReleaseDC(nullptr, hScreen);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, kImage, kImage, kBackground);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = nID;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = nState;
    item.hwndItem = reinterpret_cast<HWND>(hMenu);
    item.hDC = dc.GetSafeHdc();
    item.rcItem = CRect(0, 0, kImage, kImage);
    TestFrame().SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kImage; ++y)
    {
        for (int x = 0; x < kImage; ++x)
            pixels.push_back(dc.GetPixel(x, y));
    }
    dc.SelectObject(pOld);
    return pixels;
}

// Image nImage of the toolbar strip as it must appear on that ground.
std::vector<COLORREF> ExpectedImage(int nImage)
{
    CDC dc;
    EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap strip;
    EXPECT_TRUE(strip.LoadBitmap(IDB_TOOLBAR16));
    CBitmap* pOld = dc.SelectObject(&strip);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kImage; ++y)
    {
        for (int x = 0; x < kImage; ++x)
        {
            const COLORREF pixel = dc.GetPixel(nImage * kImage + x, y);
            pixels.push_back(pixel == kMagenta ? kBackground : pixel);
        }
    }
    dc.SelectObject(pOld);
    return pixels;
}

const std::vector<COLORREF> kNothingDrawn(kImage* kImage, kBackground);
} // namespace

TEST(MenuIcons, RegisteredCommandsShowTheirImageAndNothingElseDoes)
{
    HMENU hFile = Popup(0);
    InitPopup(hFile);
    const struct Case
    {
        UINT nID;
        int nImage; // -1: none
    } cases[] = {{ID_FILE_OPEN, 1}, {ID_FILE_SAVE, 2}, {ID_RECENT_FIRST, -1}, {ID_APP_EXIT, -1}};
    for (const Case& c : cases)
    {
        // Every text item of a popup with images is measured and drawn by the frame, so that
        // all texts line up; only registered commands draw an image.
        EXPECT_EQ(HBMMENU_CALLBACK, ItemBitmap(hFile, c.nID)) << "item " << c.nID;
        EXPECT_EQ(c.nImage < 0 ? kNothingDrawn : ExpectedImage(c.nImage), DrawnImage(hFile, c.nID))
            << "item " << c.nID;
    }
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, ID_APP_EXIT, 0, 0, 0};
    TestFrame().SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(UINT(kImage + 4), measure.itemWidth) << "the image and a gap before the text";
    EXPECT_EQ(UINT(kImage + 2), measure.itemHeight);

    // A popup without registered commands is left as it is.
    HMENU hView = Popup(3);
    InitPopup(hView);
    EXPECT_EQ(nullptr, ItemBitmap(hView, ID_VIEW_TOOLBAR));
    EXPECT_EQ(nullptr, ItemBitmap(hView, ID_TOOLBAR_CUSTOMIZE));
}

TEST(MenuIcons, DisabledItemsShowTheirImageGreyed)
{
    HMENU hFile = Popup(0);
    InitPopup(hFile);
    const std::vector<COLORREF> greyed = DrawnImage(hFile, ID_FILE_OPEN, ODS_GRAYED);
    EXPECT_NE(kNothingDrawn, greyed);
    EXPECT_NE(ExpectedImage(1), greyed);
    for (COLORREF pixel : greyed)
    {
        if (pixel == kBackground)
            continue;
        EXPECT_TRUE(GetRValue(pixel) == GetGValue(pixel) && GetGValue(pixel) == GetBValue(pixel))
            << "grey, not " << std::hex << pixel;
    }
}

TEST(MenuIcons, ItemsAddedLaterAreMarkedWhenTheirPopupOpens)
{
    // The program rebuilds its recent-file items through the menu bar's menu.
    HMENU hMenu = TestFrame().GetMenuBar().GetMenu();
    ASSERT_EQ(::GetMenu(TestFrame().m_hWnd), hMenu);
    HMENU hFile = ::GetSubMenu(hMenu, 0);
    ASSERT_TRUE(::ModifyMenuA(hFile, ID_RECENT_FIRST, MF_BYCOMMAND | MF_STRING, ID_RECENT_FIRST,
                              "C:\\Books\\reader.xml"));
    ASSERT_TRUE(::InsertMenuA(hFile, 4, MF_BYPOSITION | MF_STRING, ID_RECENT_FIRST + 1,
                              "C:\\Books\\old.xml"));
    // And a registered command in a popup that had none.
    HMENU hView = ::GetSubMenu(hMenu, 3);
    ASSERT_TRUE(::AppendMenuA(hView, MF_STRING, ID_COLLECTION_ADD, "Add Collection..."));

    char text[64] = "";
    ::GetMenuStringA(::GetMenu(TestFrame().m_hWnd), ID_RECENT_FIRST, text, sizeof(text),
                     MF_BYCOMMAND);
    EXPECT_STREQ("C:\\Books\\reader.xml", text) << "the frame shows the edit";

    InitPopup(hFile);
    InitPopup(hView);
    EXPECT_EQ(HBMMENU_CALLBACK, ItemBitmap(hFile, ID_RECENT_FIRST + 1));
    EXPECT_EQ(kNothingDrawn, DrawnImage(hFile, ID_RECENT_FIRST + 1)) << "no image of its own";
    EXPECT_EQ(ExpectedImage(4), DrawnImage(hView, ID_COLLECTION_ADD));
    EXPECT_EQ(HBMMENU_CALLBACK, ItemBitmap(hView, ID_VIEW_TOOLBAR)) << "keeps the room free";

    ::DeleteMenu(hView, ID_COLLECTION_ADD, MF_BYCOMMAND);
    ::DeleteMenu(hFile, ID_RECENT_FIRST + 1, MF_BYCOMMAND);
    ::ModifyMenuA(hFile, ID_RECENT_FIRST, MF_BYCOMMAND | MF_STRING, ID_RECENT_FIRST,
                  "Recently used");
}

TEST(MenuIcons, RegistrationsThatCannotBeShownChangeNothing)
{
    HMENU hFile = Popup(0);
    const struct Case
    {
        const char* what;
        std::map<UINT, int> icons;
        UINT nBitmapID;
    } cases[] = {{"an image past the strip's fifteen", {{ID_FILE_OPEN, 15}}, IDB_TOOLBAR16},
                 {"a negative image", {{ID_FILE_OPEN, -1}}, IDB_TOOLBAR16},
                 {"no such bitmap", {{ID_FILE_OPEN, 2}}, IDR_MISSING}};
    for (const Case& c : cases)
    {
        EXPECT_FALSE(theApp.AddMenuIcon(c.icons, c.nBitmapID, kMagenta)) << c.what;
        EXPECT_EQ(ExpectedImage(1), DrawnImage(hFile, ID_FILE_OPEN)) << c.what;
    }
    // A command registered again shows its new image.
    EXPECT_TRUE(theApp.AddMenuIcon({{ID_FILE_OPEN, 9}}, IDB_TOOLBAR16, kMagenta));
    EXPECT_EQ(ExpectedImage(9), DrawnImage(hFile, ID_FILE_OPEN));
    EXPECT_TRUE(theApp.AddMenuIcon({{ID_FILE_OPEN, 1}}, IDB_TOOLBAR16, kMagenta));
    EXPECT_EQ(&theApp, QvFWinAppEx::GetInstance());
}
