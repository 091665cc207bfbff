#include "afxstate_.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

CHandleMap<CMenu, HMENU>& AfxMenuMap()
{
    return AfxThreadHandleMap<CMenu, HMENU>(
        [](CMenu* pMenu, HMENU hMenu) { pMenu->m_hMenu = hMenu; });
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
    return AfxAttachPermanent(AfxMenuMap(), m_hMenu, hNewMenu, this);
}

HMENU CMenu::Detach()
{
    return AfxDetachPermanent(AfxMenuMap(), m_hMenu, this);
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
