// Classes: CImageList, CHeaderCtrl, CListCtrl
// The framework's common-control classes: thin wrappers, each member one call or message.
#pragma once

#include "afxwin.h"

#include <commctrl.h>

// An image list. The object owns the list it creates or attaches and destroys it in its
// destructor; Detach gives it up. FromHandle on a list that no object holds returns a
// temporary object, valid until the thread next goes idle.
class AFX_FRAMEWORK_API CImageList : public CObject
{
    DECLARE_DYNAMIC(CImageList)
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList() override;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();

    // Creation and ownership; creating fails while the object already holds a list.
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip of cx-wide images from a bitmap resource found through the resource chain;
    // crMask is the transparent colour, or CLR_NONE.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);

    // Attributes
    int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    {
        return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    COLORREF SetBkColor(COLORREF cr) { return ::ImageList_SetBkColor(m_hImageList, cr); }

    // Operations. Add returns the new image's index, -1 on failure; the bitmaps stay the
    // caller's (Add with a mask colour blackens the bitmap's pixels of that colour).
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon)
    {
        return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
    }
    BOOL Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); } // -1: all
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    // A new icon the caller destroys (DestroyIcon); null on failure.
    HICON ExtractIcon(int nImage) { return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }

    // Dragging: one drag image per process, in screen coordinates relative to the lock
    // window's top left corner.
    BOOL BeginDrag(int nImage, CPoint ptHotSpot)
    {
        return ::ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y);
    }
    // The lock window is any framework window (GetSafeHwnd); a template, so that the image
    // list does not depend on the window classes.
    template <class TWnd> static BOOL PASCAL DragEnter(TWnd* pWndLock, CPoint point)
    {
        return ::ImageList_DragEnter(pWndLock ? pWndLock->GetSafeHwnd() : nullptr, point.x,
                                     point.y);
    }
    template <class TWnd> static BOOL PASCAL DragLeave(TWnd* pWndLock)
    {
        return ::ImageList_DragLeave(pWndLock ? pWndLock->GetSafeHwnd() : nullptr);
    }
    static BOOL PASCAL DragMove(CPoint pt) { return ::ImageList_DragMove(pt.x, pt.y); }
    static BOOL PASCAL DragShowNolock(BOOL bShow) { return ::ImageList_DragShowNolock(bShow); }
    static void PASCAL EndDrag() { ::ImageList_EndDrag(); }

private:
    BOOL AttachCreated(HIMAGELIST hCreated);
};

class AFX_FRAMEWORK_API CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)

public:
    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
};

// A list view. Results are indexes, or -1 when the control refuses.
class AFX_FRAMEWORK_API CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    DWORD GetExtendedStyle() const
    {
        return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    }
    // The previous extended style
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    // The next item after nItem (-1: from the start) with the LVNI_* properties of nFlags
    int GetNextItem(int nItem, int nFlags) const
    {
        return static_cast<int>(
            SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
    }
    // nItem -1 sets the state of every item
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
    }
    // The whole text, however long; empty for an item or column that does not exist
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    // The header of a report view, a temporary object; null when there is none
    CHeaderCtrl* GetHeaderCtrl() const;

    // Operations
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn)
    {
        return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol),
                                            reinterpret_cast<LPARAM>(pColumn)));
    }
    // A width or sub-item of -1 is left to the control
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    int InsertItem(const LVITEMA* pItem)
    {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    int InsertItem(int nItem, LPCSTR lpszItem);
    BOOL DeleteItem(int nItem)
    {
        return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(nItem)));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast));
    }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return static_cast<BOOL>(
            SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK));
    }
    // A new image list, owned by the caller, holding the picture of item nItem; lpPoint
    // receives the picture's upper left corner in view coordinates. Null on failure.
    CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);
    // The item at pt (client coordinates), -1 if none; pFlags receives the LVHT_* flags
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const
    {
        return static_cast<int>(
            SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
    }
};
