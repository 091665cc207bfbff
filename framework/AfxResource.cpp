#include "afxstate_.h"

#include <mutex>

namespace
{
std::recursive_mutex s_chainLock;
HINSTANCE s_hResource = nullptr;
CDynLinkLibrary* s_pFirstDLL = nullptr;

bool ModuleHasString(HMODULE hModule, UINT nID)
{
    LPCWSTR pText = nullptr;
    return hModule && ::LoadStringW(hModule, nID, reinterpret_cast<LPWSTR>(&pText), 0) > 0;
}
} // namespace

HINSTANCE AfxGetFrameworkHandle()
{
    static const HINSTANCE hFramework = [] {
        HMODULE hModule = nullptr;
        ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                 GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCSTR>(&AfxGetFrameworkHandle), &hModule);
        return hModule;
    }();
    return hFramework;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    std::lock_guard<std::recursive_mutex> lock(s_chainLock);
    return s_hResource ? s_hResource : ::GetModuleHandleA(nullptr);
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    std::lock_guard<std::recursive_mutex> lock(s_chainLock);
    s_hResource = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResourceA(hInst, lpszName, lpszType))
        return hInst;
    std::lock_guard<std::recursive_mutex> lock(s_chainLock);
    for (CDynLinkLibrary* pDLL = s_pFirstDLL; pDLL; pDLL = pDLL->m_pNextDLL)
    {
        if (pDLL->m_hResource && ::FindResourceA(pDLL->m_hResource, lpszName, lpszType))
            return pDLL->m_hResource;
    }
    HINSTANCE hFramework = AfxGetFrameworkHandle();
    if (hFramework && ::FindResourceA(hFramework, lpszName, lpszType))
        return hFramework;
    return hInst;
}

HINSTANCE AfxFindStringResourceHandle(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (ModuleHasString(hInst, nID))
        return hInst;
    std::lock_guard<std::recursive_mutex> lock(s_chainLock);
    for (CDynLinkLibrary* pDLL = s_pFirstDLL; pDLL; pDLL = pDLL->m_pNextDLL)
    {
        if (ModuleHasString(pDLL->m_hResource, nID))
            return pDLL->m_hResource;
    }
    if (ModuleHasString(AfxGetFrameworkHandle(), nID))
        return AfxGetFrameworkHandle();
    return nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    if (!hModule)
        return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL /*bAll*/)
{
    if (!state.bInitialized)
        return;
    std::lock_guard<std::recursive_mutex> lock(s_chainLock);
    CDynLinkLibrary* pDLL = s_pFirstDLL;
    while (pDLL)
    {
        CDynLinkLibrary* pNext = pDLL->m_pNextDLL;
        if (pDLL->m_hModule == state.hModule)
            delete pDLL;
        pDLL = pNext;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_pNextDLL(nullptr)
{
    std::lock_guard<std::recursive_mutex> lock(s_chainLock);
    CDynLinkLibrary** ppLast = &s_pFirstDLL;
    while (*ppLast)
        ppLast = &(*ppLast)->m_pNextDLL;
    *ppLast = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    std::lock_guard<std::recursive_mutex> lock(s_chainLock);
    for (CDynLinkLibrary** pp = &s_pFirstDLL; *pp; pp = &(*pp)->m_pNextDLL)
    {
        if (*pp == this)
        {
            *pp = m_pNextDLL;
            break;
        }
    }
}
