// Classes: JMenuIconSet
// Inside QVFTOOLS100: the images that menu items show beside their text.
#pragma once

#include <afxcmn.h>

#include <map>
#include <memory>
#include <utility>

// The items of registered commands get HBMMENU_CALLBACK as their bitmap: the menu asks its
// owner window to measure and draw the image (WM_MEASUREITEM, WM_DRAWITEM), which draws it
// from a masked image list, transparent, and embossed when the item is disabled. (Wine draws
// an item's own 32-bit bitmap without its alpha, on black.)
// Wine also shifts every text of a popup right by its widest image without making the popup
// wider, which cuts off the longest texts; so the other text items of a popup that shows an
// image get an empty image of the same size.
class JMenuIconSet
{
public:
    JMenuIconSet() = default;
    JMenuIconSet(const JMenuIconSet&) = delete;
    JMenuIconSet& operator=(const JMenuIconSet&) = delete;

    // Commands -> image of the bitmap; false (nothing changed) when the bitmap cannot be read
    // or an index is outside it
    bool Add(const std::map<UINT, int>& iconMap, UINT nBitmapID, COLORREF crMask);
    // Marks the items of the menu and its sub menus
    void Show(HMENU hMenu) const;
    // false when the item is none of the set's. hMenu: the owner's menu, in which the item's
    // marking is looked up.
    bool Measure(MEASUREITEMSTRUCT& item, HMENU hMenu) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    struct Image
    {
        const CImageList* pImages;
        int nImage;
    };
    const Image* Find(UINT nCommandID) const;
    // The largest image: the room every marked item of a popup takes
    CSize ImageSize() const;

    // One image list per bitmap and mask colour
    std::map<std::pair<UINT, COLORREF>, std::unique_ptr<CImageList>> m_imageLists;
    std::map<UINT, Image> m_commandImages;
};
