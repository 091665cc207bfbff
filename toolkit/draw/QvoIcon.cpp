// The owned icon handle and the size of an icon.
#include "QvDraw.h"

QvoIcon::~QvoIcon()
{
    Cleanup();
}

void QvoIcon::Cleanup()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}

int QvoIcon::LoadIconA(UINT nID)
{
    Cleanup();
    // Size 0 x 0 without LR_DEFAULTSIZE: the size the icon resource itself has.
    m_hIcon = static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nID),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    return m_hIcon ? 0 : 1;
}

bool QvfIconGetSize(HICON hIcon, CSize& size)
{
    size = CSize(0, 0);
    ICONINFO info;
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return false;
    // GetIconInfo hands out copies of both bitmaps, which are the caller's to delete.
    BITMAP bm;
    bool bKnown = false;
    if (info.hbmColor && ::GetObject(info.hbmColor, sizeof(bm), &bm))
    {
        size = CSize(bm.bmWidth, bm.bmHeight);
        bKnown = true;
    }
    else if (info.hbmMask && ::GetObject(info.hbmMask, sizeof(bm), &bm))
    {
        // A monochrome icon has no colour bitmap: its mask holds the AND image above the XOR
        // image, so the icon is half as high as the mask.
        size = CSize(bm.bmWidth, bm.bmHeight / 2);
        bKnown = true;
    }
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    return bKnown;
}
