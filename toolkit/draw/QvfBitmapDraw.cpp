// Bitmaps drawn plainly, with a transparent colour, and double buffering over a background.
#include "QvDraw.h"

namespace
{
bool SizeOf(const CBitmap& bitmap, int& cx, int& cy)
{
    BITMAP bm;
    if (!bitmap.GetSafeHandle() || !bitmap.GetBitmap(&bm))
        return false;
    cx = bm.bmWidth;
    cy = bm.bmHeight;
    return true;
}

bool IsDibSection(const CBitmap& bitmap)
{
    DIBSECTION dib;
    return bitmap.GetObject(sizeof(dib), &dib) == static_cast<int>(sizeof(dib));
}
} // namespace

bool QvfMemDCInit(CDC& dc, CBitmap& background, CDC& mem)
{
    int cx, cy;
    if (!SizeOf(background, cx, cy))
        return false;
    // CopyImage keeps the bit depth: a DIB section stays one, a device bitmap stays one.
    HBITMAP hCopy =
        static_cast<HBITMAP>(::CopyImage(background.GetSafeHandle(), IMAGE_BITMAP, 0, 0,
                                         IsDibSection(background) ? LR_CREATEDIBSECTION : 0));
    if (!hCopy)
        return false;
    if (!mem.CreateCompatibleDC(&dc))
    {
        ::DeleteObject(hCopy);
        return false;
    }
    if (!::SelectObject(mem.GetSafeHdc(), hCopy))
    {
        mem.DeleteDC();
        ::DeleteObject(hCopy);
        return false;
    }
    return true;
}

bool QvfMemDCFinish(CDC& dc, CBitmap& background, CDC& mem)
{
    if (!mem.GetSafeHdc())
        return false;
    int cx, cy;
    const bool bCopied = SizeOf(background, cx, cy) && dc.BitBlt(0, 0, cx, cy, &mem, 0, 0, SRCCOPY);
    // The copy that QvfMemDCInit made is free to go once its DC is.
    HGDIOBJ hCopy = ::GetCurrentObject(mem.GetSafeHdc(), OBJ_BITMAP);
    mem.DeleteDC();
    ::DeleteObject(hCopy);
    return bCopied;
}

bool QvfDrawBitmap(CDC& dc, CPoint& at, CBitmap& bitmap)
{
    int cx, cy;
    if (!SizeOf(bitmap, cx, cy))
        return false;
    CDC source;
    if (!source.CreateCompatibleDC(&dc) || !source.SelectObject(&bitmap))
        return false;
    return dc.BitBlt(at.x, at.y, cx, cy, &source, 0, 0, SRCCOPY);
}

bool QvfDrawOpaque(CDC& dc, CPoint& at, CBitmap& bitmap)
{
    int w, h;
    if (!SizeOf(bitmap, w, h) || w <= 0 || h <= 0)
        return false;
    // The bitmaps are declared before the DCs, so that every DC lets go of its bitmap before
    // the bitmap is deleted.
    CBitmap backBits, objectBits, memBits, saveBits;
    CDC source, back, object, mem, save;
    if (!backBits.CreateBitmap(w, h, 1, 1, nullptr) ||
        !objectBits.CreateBitmap(w, h, 1, 1, nullptr) ||
        !memBits.CreateCompatibleBitmap(&dc, w, h) || !saveBits.CreateCompatibleBitmap(&dc, w, h) ||
        !source.CreateCompatibleDC(&dc) || !back.CreateCompatibleDC(&dc) ||
        !object.CreateCompatibleDC(&dc) || !mem.CreateCompatibleDC(&dc) ||
        !save.CreateCompatibleDC(&dc) || !source.SelectObject(&bitmap) ||
        !back.SelectObject(&backBits) || !object.SelectObject(&objectBits) ||
        !mem.SelectObject(&memBits) || !save.SelectObject(&saveBits))
        return false;
    source.SetMapMode(dc.GetMapMode());

    // The bitmap's own pixels are cleared where it is transparent on the way: save keeps
    // them to be put back.
    if (!save.BitBlt(0, 0, w, h, &source, 0, 0, SRCCOPY))
        return false;

    // The mask: set where the bitmap has the transparent colour (a colour to monochrome copy
    // turns the background colour into 1). Between monochrome bitmaps the bits are copied as
    // they are (1 is white), so the mask of a black transparent colour is the inverted copy.
    const COLORREF key = source.GetPixel(0, 0);
    BITMAP bm = {};
    const bool bMonochrome = bitmap.GetBitmap(&bm) && bm.bmBitsPixel == 1 && bm.bmPlanes == 1;
    const DWORD keyToOne = bMonochrome && key == RGB(0, 0, 0) ? NOTSRCCOPY : SRCCOPY;
    const COLORREF previousBk = source.SetBkColor(key);
    bool bDrawn = object.BitBlt(0, 0, w, h, &source, 0, 0, keyToOne);
    source.SetBkColor(previousBk);

    // mem, with the default black text and white background of a new DC, turns the masks'
    // 0 into black and 1 into white.
    bDrawn = bDrawn && back.BitBlt(0, 0, w, h, &object, 0, 0, NOTSRCCOPY) &&
             mem.BitBlt(0, 0, w, h, &dc, at.x, at.y, SRCCOPY) &&
             mem.BitBlt(0, 0, w, h, &object, 0, 0, SRCAND) &&
             source.BitBlt(0, 0, w, h, &back, 0, 0, SRCAND) &&
             mem.BitBlt(0, 0, w, h, &source, 0, 0, SRCPAINT) &&
             dc.BitBlt(at.x, at.y, w, h, &mem, 0, 0, SRCCOPY);

    const bool bRestored = source.BitBlt(0, 0, w, h, &save, 0, 0, SRCCOPY);
    return bDrawn && bRestored;
}
