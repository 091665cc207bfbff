#include "afxstate_.h"

#include <stdlib.h>
#include <string.h>

#include <memory>
#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

namespace
{
CWinApp* s_pApp = nullptr;

LPCSTR Duplicate(LPCSTR psz)
{
    return psz ? _strdup(psz) : nullptr;
}

void Replace(LPCSTR& pszMember, LPCSTR pszNew)
{
    free(const_cast<LPSTR>(pszMember));
    pszMember = Duplicate(pszNew);
}

HKEY CreateKey(HKEY hParent, LPCSTR lpszName)
{
    HKEY hKey = nullptr;
    DWORD dw = 0;
    if (::RegCreateKeyExA(hParent, lpszName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &hKey, &dw) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

struct KeyCloser
{
    void operator()(HKEY hKey) const { ::RegCloseKey(hKey); }
};
using CKeyHolder = std::unique_ptr<std::remove_pointer<HKEY>::type, KeyCloser>;
} // namespace

CWinApp* AFXAPI AfxGetApp()
{
    return s_pApp;
}

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    ASSERT(s_pApp == nullptr); // one application object per program
    s_pApp = this;
    AfxGetThreadState().pThread = this;
    m_pszAppName = Duplicate(lpszAppName);
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
    free(const_cast<LPSTR>(m_pszAppName));
    free(const_cast<LPSTR>(m_pszExeName));
    free(const_cast<LPSTR>(m_pszProfileName));
    free(const_cast<LPSTR>(m_pszRegistryKey));
}

void CWinApp::SetCurrentHandles()
{
    if (!m_hInstance)
        m_hInstance = AfxGetInstanceHandle();
    if (!m_pszExeName)
    {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
        CString name(path);
        name = name.Mid(name.ReverseFind('\\') + 1);
        const int dot = name.ReverseFind('.');
        if (dot > 0)
            name = name.Left(dot);
        Replace(m_pszExeName, name);
    }
    if (!m_pszAppName)
    {
        CString title;
        Replace(m_pszAppName,
                title.LoadString(AFX_IDS_APP_TITLE) ? title.GetString() : m_pszExeName);
    }
    if (!m_pszProfileName)
        Replace(m_pszProfileName, CString(m_pszExeName) + ".INI");
    AfxSetAppName(m_pszAppName);
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    // Without a main window nothing would ever end the loop.
    if (!m_pMainWnd)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    // Call 0 updates the command UI, call 1 frees the temporary objects; then no more.
    if (lCount <= 1)
        CWinThread::OnIdle(lCount);
    return lCount < 1;
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    if (!m_pszAppName)
        SetCurrentHandles();
    Replace(m_pszRegistryKey, lpszRegistryKey);
    Replace(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    if (key.LoadString(nIDRegistryKey))
        SetRegistryKey(key);
}

LPCSTR CWinApp::ProfileFile()
{
    // A null file name would mean win.ini.
    if (!m_pszProfileName)
        SetCurrentHandles();
    return m_pszProfileName;
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    CKeyHolder software(CreateKey(HKEY_CURRENT_USER, "Software"));
    if (!software)
        return nullptr;
    CKeyHolder company(CreateKey(software.get(), m_pszRegistryKey));
    if (!company)
        return nullptr;
    return CreateKey(company.get(), m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    CKeyHolder app(GetAppRegistryKey());
    if (!app || !lpszSection)
        return nullptr;
    return CreateKey(app.get(), lpszSection);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (!m_pszRegistryKey)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, ProfileFile());
    CKeyHolder section(GetSectionKey(lpszSection));
    if (!section)
        return static_cast<UINT>(nDefault);
    DWORD dwValue = 0;
    DWORD dwType = REG_NONE;
    DWORD dwCount = sizeof(dwValue);
    const LONG lResult = ::RegQueryValueExA(section.get(), lpszEntry, nullptr, &dwType,
                                            reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
    // A value of another type is not an integer setting: it reads as absent.
    if (lResult != ERROR_SUCCESS || dwType != REG_DWORD || dwCount != sizeof(dwValue))
        return static_cast<UINT>(nDefault);
    return dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (!m_pszRegistryKey)
    {
        char text[16];
        wsprintfA(text, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, ProfileFile());
    }
    CKeyHolder section(GetSectionKey(lpszSection));
    if (!section)
        return FALSE;
    const DWORD dwValue = static_cast<DWORD>(nValue);
    return ::RegSetValueExA(section.get(), lpszEntry, 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof(dwValue)) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (!m_pszRegistryKey)
    {
        std::vector<char> buffer(4096);
        for (;;)
        {
            const DWORD nCopied = ::GetPrivateProfileStringA(
                lpszSection, lpszEntry, lpszDefault ? lpszDefault : "", buffer.data(),
                static_cast<DWORD>(buffer.size()), ProfileFile());
            if (nCopied + 1 < buffer.size())
                return CString(buffer.data(), static_cast<int>(nCopied));
            buffer.resize(buffer.size() * 2);
        }
    }
    CKeyHolder section(GetSectionKey(lpszSection));
    if (section)
    {
        for (int attempt = 0; attempt < 4; ++attempt)
        {
            DWORD dwType = REG_NONE;
            DWORD dwCount = 0;
            if (::RegQueryValueExA(section.get(), lpszEntry, nullptr, &dwType, nullptr, &dwCount) !=
                    ERROR_SUCCESS ||
                (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
                break;
            std::vector<char> buffer(dwCount + 1, '\0');
            const LONG lResult =
                ::RegQueryValueExA(section.get(), lpszEntry, nullptr, &dwType,
                                   reinterpret_cast<LPBYTE>(buffer.data()), &dwCount);
            if (lResult == ERROR_MORE_DATA)
                continue; // the value grew meanwhile
            if (lResult != ERROR_SUCCESS)
                break;
            // The stored bytes need not end with a terminator.
            buffer[dwCount < buffer.size() ? dwCount : buffer.size() - 1] = '\0';
            return CString(buffer.data());
        }
    }
    return CString(lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (!m_pszRegistryKey)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, ProfileFile());
    LONG lResult = ERROR_INVALID_PARAMETER;
    if (!lpszEntry)
    {
        CKeyHolder app(GetAppRegistryKey());
        if (!app)
            return FALSE;
        lResult = ::RegDeleteTreeA(app.get(), lpszSection);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    CKeyHolder section(GetSectionKey(lpszSection));
    if (!section)
        return FALSE;
    if (!lpszValue)
    {
        lResult = ::RegDeleteValueA(section.get(), lpszEntry);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    lResult = ::RegSetValueExA(section.get(), lpszEntry, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(lpszValue),
                               static_cast<DWORD>(strlen(lpszValue) + 1));
    return lResult == ERROR_SUCCESS;
}
