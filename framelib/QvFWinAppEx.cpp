#include "JMenuIconSet.h"
#include "QvFTools.h"

IMPLEMENT_DYNAMIC(QvFWinAppEx, CWinApp)

namespace
{
QvFWinAppEx* s_pInstance = nullptr;
}

QvFWinAppEx::QvFWinAppEx(LPCSTR lpszAppName)
    : CWinApp(lpszAppName), m_pMenuIcons(std::make_unique<JMenuIconSet>())
{
    s_pInstance = this;
}

QvFWinAppEx::~QvFWinAppEx()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

QvFWinAppEx* QvFWinAppEx::GetInstance()
{
    return s_pInstance;
}

bool QvFWinAppEx::AddMenuIcon(const std::map<UINT, int>& iconMap, UINT nBitmapID, COLORREF crMask)
{
    if (!m_pMenuIcons->Add(iconMap, nBitmapID, crMask))
        return false;
    // The main menu's items show their images at once; every popup is brought up to date
    // again when it opens.
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        ShowMenuIcons(::GetMenu(m_pMainWnd->m_hWnd));
    return true;
}

void QvFWinAppEx::ShowMenuIcons(HMENU hMenu) const
{
    m_pMenuIcons->Show(hMenu);
}

bool QvFWinAppEx::MeasureMenuIcon(MEASUREITEMSTRUCT& item, HMENU hOwnerMenu) const
{
    return m_pMenuIcons->Measure(item, hOwnerMenu);
}

bool QvFWinAppEx::DrawMenuIcon(const DRAWITEMSTRUCT& item) const
{
    return m_pMenuIcons->Draw(item);
}
