// A bitmap drawn with its key colour transparent, its masks made once.
#include "toolkit/cards/QvCards.h"

QvoBmOpaque::QvoBmOpaque() : m_bm(), m_bInit(false)
{
}

int QvoBmOpaque::LoadBitmapA(int nID)
{
    CBitmap image;
    BITMAP bm;
    if (!image.LoadBitmap(static_cast<UINT>(nID)) || !image.GetBitmap(&bm))
        return 0;
    // Masks of the earlier image would cut the new one wrongly.
    m_bmMaskInverted.DeleteObject();
    m_bmMask.DeleteObject();
    m_bmWork.DeleteObject();
    m_bmImage.DeleteObject();
    m_bmImage.Attach(image.Detach());
    m_bm = bm;
    m_bInit = false;
    return 1;
}

bool QvoBmOpaque::Init(CDC& dc)
{
    const int w = m_bm.bmWidth;
    const int h = m_bm.bmHeight;
    // Declared before the DCs, so that the DCs end first.
    CBitmap mask, maskInverted, work;
    CDC imageDC, maskDC, maskInvertedDC;
    if (!mask.CreateBitmap(w, h, 1, 1, nullptr) ||
        !maskInverted.CreateBitmap(w, h, 1, 1, nullptr) ||
        !work.CreateCompatibleBitmap(&dc, w, h) || !imageDC.CreateCompatibleDC(&dc) ||
        !maskDC.CreateCompatibleDC(&dc) || !maskInvertedDC.CreateCompatibleDC(&dc))
        return false;
    CBitmap* pImagePrevious = imageDC.SelectObject(&m_bmImage);
    CBitmap* pMaskPrevious = maskDC.SelectObject(&mask);
    CBitmap* pInvertedPrevious = maskInvertedDC.SelectObject(&maskInverted);
    bool bMade = pImagePrevious && pMaskPrevious && pInvertedPrevious;
    if (bMade)
    {
        // A colour to monochrome copy sets the pixels of the background colour to 1. Between
        // monochrome bitmaps the bits are copied as they are (1 is white), so a black key is
        // copied inverted.
        const COLORREF key = imageDC.GetPixel(0, 0);
        const DWORD keyToOne = m_bm.bmBitsPixel == 1 && key == RGB(0, 0, 0) ? NOTSRCCOPY : SRCCOPY;
        imageDC.SetBkColor(key);
        bMade = maskDC.BitBlt(0, 0, w, h, &imageDC, 0, 0, keyToOne) &&
                maskInvertedDC.BitBlt(0, 0, w, h, &maskDC, 0, 0, NOTSRCCOPY);
        // Monochrome to colour turns 0 into the text colour and 1 into the background.
        imageDC.SetTextColor(RGB(0, 0, 0));
        imageDC.SetBkColor(RGB(255, 255, 255));
        bMade = bMade && imageDC.BitBlt(0, 0, w, h, &maskInvertedDC, 0, 0, SRCAND);
    }
    if (pImagePrevious)
        imageDC.SelectObject(pImagePrevious);
    if (pMaskPrevious)
        maskDC.SelectObject(pMaskPrevious);
    if (pInvertedPrevious)
        maskInvertedDC.SelectObject(pInvertedPrevious);
    if (!bMade)
        return false;
    m_bmMask.Attach(mask.Detach());
    m_bmMaskInverted.Attach(maskInverted.Detach());
    m_bmWork.Attach(work.Detach());
    m_bInit = true;
    return true;
}

bool QvoBmOpaque::Draw(CDC& dc, CPoint& point)
{
    if (!m_bmImage.GetSafeHandle() || (!m_bInit && !Init(dc)))
        return false;
    const int w = m_bm.bmWidth;
    const int h = m_bm.bmHeight;
    CDC workDC, maskDC, imageDC;
    if (!workDC.CreateCompatibleDC(&dc) || !maskDC.CreateCompatibleDC(&dc) ||
        !imageDC.CreateCompatibleDC(&dc))
        return false;
    CBitmap* pWorkPrevious = workDC.SelectObject(&m_bmWork);
    CBitmap* pMaskPrevious = maskDC.SelectObject(&m_bmMask);
    CBitmap* pImagePrevious = imageDC.SelectObject(&m_bmImage);
    bool bDrawn = pWorkPrevious && pMaskPrevious && pImagePrevious;
    if (bDrawn)
    {
        // The work DC keeps its default black text and white background, so the mask's 1
        // (key colour) keeps the background and its 0 clears it for the image.
        bDrawn = workDC.BitBlt(0, 0, w, h, &dc, point.x, point.y, SRCCOPY) &&
                 workDC.BitBlt(0, 0, w, h, &maskDC, 0, 0, SRCAND) &&
                 workDC.BitBlt(0, 0, w, h, &imageDC, 0, 0, SRCPAINT) &&
                 dc.BitBlt(point.x, point.y, w, h, &workDC, 0, 0, SRCCOPY);
    }
    if (pWorkPrevious)
        workDC.SelectObject(pWorkPrevious);
    if (pMaskPrevious)
        maskDC.SelectObject(pMaskPrevious);
    if (pImagePrevious)
        imageDC.SelectObject(pImagePrevious);
    return bDrawn;
}
