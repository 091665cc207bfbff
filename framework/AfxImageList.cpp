#include "afxcmn.h"
#include "afxpermanent.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

namespace
{
void SetImageListHandle(CImageList* pImageList, HIMAGELIST hImageList)
{
    pImageList->m_hImageList = hImageList;
}

CHandleMap<CImageList, HIMAGELIST>& ImageListMap()
{
    return AfxThreadHandleMap<CImageList, HIMAGELIST>(&SetImageListHandle);
}

HBITMAP BitmapOf(const CBitmap* pBitmap)
{
    return pBitmap ? static_cast<HBITMAP>(*pBitmap) : nullptr;
}
} // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListMap().FromHandle(hImageList);
}

void PASCAL CImageList::DeleteTempMap()
{
    ImageListMap().DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    return AfxAttachPermanent(ImageListMap(), m_hImageList, hImageList, this);
}

HIMAGELIST CImageList::Detach()
{
    return AfxDetachPermanent(ImageListMap(), m_hImageList, static_cast<const CImageList*>(this));
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

BOOL CImageList::AttachCreated(HIMAGELIST hCreated)
{
    if (Attach(hCreated))
        return TRUE;
    if (hCreated)
        ::ImageList_Destroy(hCreated); // this object already holds another list
    return FALSE;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return AttachCreated(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nBitmapID);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
    return AttachCreated(::ImageList_LoadBitmap(hInst, lpszName, cx, nGrow, crMask));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    if (!pbmImage)
        return -1;
    return ::ImageList_Add(m_hImageList, *pbmImage, BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    if (!pbmImage)
        return -1;
    return ::ImageList_AddMasked(m_hImageList, *pbmImage, crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    if (!pbmImage)
        return FALSE;
    return ::ImageList_Replace(m_hImageList, nImage, *pbmImage, BitmapOf(pbmMask));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    if (!pDC)
        return FALSE;
    return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
