// Classes: CMenu
// Included by afxwin.h.
#pragma once

#include "afx.h"

// A menu handle. An attached menu is destroyed with the object; FromHandle gives a temporary
// object for a menu nobody attached, valid until the thread next goes idle.
class AFX_FRAMEWORK_API CMenu : public CObject
{
    DECLARE_DYNCREATE(CMenu)

public:
    CMenu() = default;
    virtual ~CMenu();

    HMENU m_hMenu = nullptr;

    static CMenu* PASCAL FromHandle(HMENU hMenu);
    BOOL Attach(HMENU hNewMenu);
    HMENU Detach();
    // Null-safe: may be called through a null pointer
    HMENU GetSafeHmenu() const;
    operator HMENU() const { return GetSafeHmenu(); }

    // Creation
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    // Items
    UINT GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
    // 0 for a separator, (UINT)-1 for a sub menu
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCSTR lpszNewItem = nullptr)
    {
        return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCSTR lpszNewItem = nullptr)
    {
        return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL DeleteMenu(UINT nPosition, UINT nFlags)
    {
        return ::DeleteMenu(m_hMenu, nPosition, nFlags);
    }
    // The previous state, or (UINT)-1 when there is no such item
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
    {
        return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
    }
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
    {
        return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
    }
};
