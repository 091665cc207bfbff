#include "afxstate_.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

CHandleMap<CMenu, HMENU>& AfxMenuMap()
{
    // One map per thread, never freed: objects of other threads may outlive a thread's exit.
    static thread_local CHandleMap<CMenu, HMENU>* pMap =
        new CHandleMap<CMenu, HMENU>([](CMenu* pMenu, HMENU hMenu) { pMenu->m_hMenu = hMenu; });
    return *pMap;
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return AfxMenuMap().FromHandle(hMenu);
}

BOOL CMenu::Attach(HMENU hNewMenu)
{
    ASSERT(m_hMenu == nullptr);
    if (!hNewMenu || m_hMenu)
        return FALSE;
    m_hMenu = hNewMenu;
    AfxMenuMap().SetPermanent(hNewMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu && AfxMenuMap().LookupPermanent(hMenu) == this)
        AfxMenuMap().RemoveHandle(hMenu);
    m_hMenu = nullptr;
    return hMenu;
}

HMENU CMenu::GetSafeHmenu() const
{
    const CMenu* pThis = this;
    return pThis ? m_hMenu : nullptr;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    return Attach(::LoadMenuA(AfxFindResourceHandle(lpszName, RT_MENU), lpszName));
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLength <= 0)
    {
        rString.Empty();
        return 0;
    }
    const int nCopied = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBufferSetLength(nLength),
                                         nLength + 1, nFlags);
    rString.ReleaseBuffer(nCopied > 0 ? -1 : 0);
    return rString.GetLength();
}
