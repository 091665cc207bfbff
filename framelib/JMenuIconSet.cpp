#include "JMenuIconSet.h"

#include <algorithm>
#include <vector>

namespace
{
// Room between the image and the item's text
const int kTextGap = 4;

// Whether the menu (or one of its sub menus) has an item of the command marked for the set;
// bFound tells whether it has any item of the command.
bool IsMarkedItem(HMENU hMenu, UINT nCommandID, bool& bFound)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_BITMAP;
    bFound = hMenu && ::GetMenuItemInfoA(hMenu, nCommandID, FALSE, &mii);
    return bFound && !(mii.fType & MFT_OWNERDRAW) && mii.hbmpItem == HBMMENU_CALLBACK;
}
} // namespace

bool JMenuIconSet::Add(const std::map<UINT, int>& iconMap, UINT nBitmapID, COLORREF crMask)
{
    const auto key = std::make_pair(nBitmapID, crMask);
    auto found = m_imageLists.find(key);
    std::unique_ptr<CImageList> pNewImages;
    const CImageList* pImages = found != m_imageLists.end() ? found->second.get() : nullptr;
    if (!pImages)
    {
        CBitmap strip;
        BITMAP bm = {};
        if (!strip.LoadBitmap(nBitmapID) || !strip.GetBitmap(&bm) || bm.bmHeight <= 0)
            return false;
        // Square images side by side, as high as the strip.
        pNewImages = std::make_unique<CImageList>();
        if (!pNewImages->Create(bm.bmHeight, bm.bmHeight, ILC_COLOR32 | ILC_MASK,
                                bm.bmWidth / bm.bmHeight, 0) ||
            pNewImages->Add(&strip, crMask) == -1)
            return false;
        pImages = pNewImages.get();
    }
    for (const auto& entry : iconMap)
    {
        if (entry.second < 0 || entry.second >= pImages->GetImageCount())
            return false;
    }
    if (pNewImages)
        m_imageLists[key] = std::move(pNewImages);
    for (const auto& entry : iconMap)
        m_commandImages[entry.first] = Image{pImages, entry.second};
    return true;
}

const JMenuIconSet::Image* JMenuIconSet::Find(UINT nCommandID) const
{
    const auto found = m_commandImages.find(nCommandID);
    return found != m_commandImages.end() ? &found->second : nullptr;
}

CSize JMenuIconSet::ImageSize() const
{
    CSize size(0, 0);
    for (const auto& images : m_imageLists)
    {
        int cx = 0;
        int cy = 0;
        ::ImageList_GetIconSize(images.second->GetSafeHandle(), &cx, &cy);
        size.cx = std::max(size.cx, static_cast<LONG>(cx));
        size.cy = std::max(size.cy, static_cast<LONG>(cy));
    }
    return size;
}

void JMenuIconSet::Show(HMENU hMenu) const
{
    const int nCount = hMenu ? ::GetMenuItemCount(hMenu) : 0;
    std::vector<MENUITEMINFOA> items(static_cast<size_t>(std::max(nCount, 0)));
    bool bAnyImage = false;
    for (int i = 0; i < nCount; ++i)
    {
        MENUITEMINFOA& mii = items[static_cast<size_t>(i)];
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_ID | MIIM_BITMAP | MIIM_FTYPE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &mii))
            mii.fType = MFT_SEPARATOR; // left alone
        else if (mii.hSubMenu)
            Show(mii.hSubMenu);
        else if (!(mii.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)) && Find(mii.wID))
            bAnyImage = true;
    }
    if (!bAnyImage)
        return;
    // Every text item without an image of the program's own is marked: those of registered
    // commands show their image, the others keep the room free.
    for (int i = 0; i < nCount; ++i)
    {
        const MENUITEMINFOA& mii = items[static_cast<size_t>(i)];
        if (mii.hSubMenu || (mii.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)) ||
            mii.hbmpItem)
            continue;
        MENUITEMINFOA change = {};
        change.cbSize = sizeof(change);
        change.fMask = MIIM_BITMAP;
        change.hbmpItem = HBMMENU_CALLBACK;
        ::SetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &change);
    }
}

bool JMenuIconSet::Measure(MEASUREITEMSTRUCT& item, HMENU hMenu) const
{
    if (item.CtlType != ODT_MENU)
        return false;
    bool bFound = false;
    const bool bMarked = IsMarkedItem(hMenu, item.itemID, bFound);
    // A registered command in a menu of its own (a context menu) is the set's too.
    if (!(bMarked || (!bFound && Find(item.itemID))))
        return false;
    const CSize size = ImageSize();
    item.itemWidth = static_cast<UINT>(size.cx + kTextGap);
    item.itemHeight = static_cast<UINT>(size.cy + 2);
    return true;
}

bool JMenuIconSet::Draw(const DRAWITEMSTRUCT& item) const
{
    bool bFound = false;
    if (item.CtlType != ODT_MENU ||
        !IsMarkedItem(reinterpret_cast<HMENU>(item.hwndItem), item.itemID, bFound))
        return false;
    const Image* pImage = Find(item.itemID);
    if (!pImage)
        return true; // an item that only keeps the room
    HIMAGELIST hImages = pImage->pImages->GetSafeHandle();
    int cx = 0;
    int cy = 0;
    ::ImageList_GetIconSize(hImages, &cx, &cy);
    const int x = item.rcItem.left;
    const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - cy) / 2;
    if (item.itemState & (ODS_GRAYED | ODS_DISABLED))
    {
        HICON hIcon = ::ImageList_GetIcon(hImages, pImage->nImage, ILD_NORMAL);
        if (!hIcon)
            return false;
        ::DrawStateA(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, x, y, cx, cy,
                     DST_ICON | DSS_DISABLED);
        ::DestroyIcon(hIcon);
        return true;
    }
    return ::ImageList_Draw(hImages, pImage->nImage, item.hDC, x, y, ILD_TRANSPARENT) != FALSE;
}
