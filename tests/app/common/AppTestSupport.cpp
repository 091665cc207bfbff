#include "AppTestSupport.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <stdio.h>

#include <algorithm>

namespace
{
// The program initialises COM on its user-interface thread; so do the tests.
class ComEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { ::CoUninitialize(); }
};

const ::testing::Environment* const s_comEnvironment =
    ::testing::AddGlobalTestEnvironment(new ComEnvironment);

void RemoveTree(const CString& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(folder + "\\*", &data);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const CString name(data.cFileName);
            if (name == "." || name == "..")
                continue;
            const CString path = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
            {
                ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path);
            }
        } while (::FindNextFileA(hFind, &data));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(folder);
}
} // namespace

ScratchFolder::ScratchFolder()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    static int s_counter = 0;
    m_folder.Format("%sshelvix-test-%lu-%d", temp, ::GetCurrentProcessId(), ++s_counter);
    ::CreateDirectoryA(m_folder, nullptr);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_folder);
}

CString ScratchFolder::Path(const char* name) const
{
    return m_folder + "\\" + name;
}

CString ScratchFolder::Write(const char* name, const std::string& bytes) const
{
    const CString path = Path(name);
    FILE* file = fopen(path, "wb");
    EXPECT_NE(nullptr, file) << "cannot write " << (LPCSTR)path;
    if (file)
    {
        EXPECT_EQ(bytes.size(), fwrite(bytes.data(), 1, bytes.size(), file))
            << "cannot write " << (LPCSTR)path;
        EXPECT_EQ(0, fclose(file)) << "cannot write " << (LPCSTR)path;
    }
    return path;
}

std::string ReadBytes(const CString& path)
{
    std::string bytes;
    FILE* file = fopen(path, "rb");
    if (!file)
        return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    fclose(file);
    return bytes;
}

std::vector<CString> FileNames(const CString& folder)
{
    std::vector<CString> names;
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(folder + "\\*", &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
    std::sort(names.begin(), names.end(),
              [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return names;
}

CString WinePathOf(const char* unixPath)
{
    CString path = CString("Z:") + unixPath;
    path.Replace('/', '\\');
    return path;
}

ProfileAside::ProfileAside(const char* company)
    : m_key(CString("Software\\") + company), m_aside(CString("Software\\") + company + ".aside")
{
    // An aside key left by a run that did not end keeps the older settings; the key is then
    // a test's leftover.
    HKEY hAside = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_aside, 0, KEY_READ, &hAside) == ERROR_SUCCESS)
    {
        ::RegCloseKey(hAside);
    }
    else
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_key, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
        {
            if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_aside, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &hAside, nullptr) == ERROR_SUCCESS)
            {
                ::RegCopyTreeA(hKey, nullptr, hAside);
                ::RegCloseKey(hAside);
            }
            ::RegCloseKey(hKey);
        }
    }
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_key);
}

ProfileAside::~ProfileAside()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_key);
    HKEY hAside = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_aside, 0, KEY_READ, &hAside) != ERROR_SUCCESS)
        return;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, m_key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                          nullptr) == ERROR_SUCCESS)
    {
        if (::RegCopyTreeA(hAside, nullptr, hKey) == ERROR_SUCCESS)
        {
            ::RegCloseKey(hAside);
            hAside = nullptr;
            ::RegDeleteTreeA(HKEY_CURRENT_USER, m_aside);
        }
        ::RegCloseKey(hKey);
    }
    if (hAside)
        ::RegCloseKey(hAside);
}

MessageRecorder* MessageRecorder::s_pActive = nullptr;

MessageRecorder::MessageRecorder(int answer) : m_answer(answer)
{
    s_pActive = this;
    m_pfnPrevious = AfxSetMessageBoxHandler(Handler);
}

MessageRecorder::~MessageRecorder()
{
    AfxSetMessageBoxHandler(m_pfnPrevious);
    s_pActive = nullptr;
}

int CALLBACK MessageRecorder::Handler(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption,
                                      UINT nType)
{
    s_pActive->m_messages.push_back({lpszText, lpszCaption, nType, hOwner});
    return s_pActive->m_answer;
}
