#include "app/catalogue/JCatalogueBackup.h"

#include "app/xml/JXmlBytes.h"
#include "app/xml/JXmlFileReplace.h"

#include <shlobj.h>

#include <algorithm>
#include <ctype.h>
#include <vector>

namespace
{
const size_t kKeptCopies = 10;
CString g_folderOverride;

bool IsDigits(const char* psz, int nCount)
{
    for (int i = 0; i < nCount; ++i)
    {
        if (!isdigit(static_cast<unsigned char>(psz[i])))
            return false;
    }
    return true;
}

// The file name without its folder and without its last extension.
CString StemOf(const char* pszPath)
{
    CString name(pszPath);
    const int slash = std::max(name.ReverseFind('\\'), name.ReverseFind('/'));
    name = name.Mid(slash + 1);
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

bool CreateFolderPath(const CString& folder)
{
    const int result = ::SHCreateDirectoryExA(nullptr, folder, nullptr);
    if (result != ERROR_SUCCESS && result != ERROR_ALREADY_EXISTS && result != ERROR_FILE_EXISTS)
        return false;
    const DWORD attributes = ::GetFileAttributesA(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A name not yet taken in the folder: the time stamp, with -2 to -9 for copies within a second.
CString NewCopyPath(const CString& folder, const CString& stem)
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    CString base;
    base.Format("%s\\%s-%04u%02u%02u-%02u%02u%02u", (LPCSTR)folder, (LPCSTR)stem, now.wYear,
                now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    CString path = base + ".xml";
    for (int n = 2; n <= 9 && ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; ++n)
        path.Format("%s-%d.xml", (LPCSTR)base, n);
    return ::GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES ? path : CString();
}

void DeleteOldCopies(const CString& folder, const CString& stem)
{
    // Each copy under its time stamp and second's number: in that order they go oldest first.
    std::vector<std::pair<CString, CString>> copies;
    WIN32_FIND_DATAA found;
    const HANDLE hFind = ::FindFirstFileA(folder + "\\" + stem + "-*.xml", &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do
    {
        const CString name(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !JIsBackupOf(name, stem))
            continue;
        const int stamp = stem.GetLength() + 1;
        const bool bNumbered = name.GetLength() == stem.GetLength() + 22;
        copies.emplace_back(name.Mid(stamp, 15) + (bNumbered ? name[stamp + 16] : '1'), name);
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);

    std::sort(copies.begin(), copies.end());
    if (copies.size() <= kKeptCopies)
        return;
    for (size_t i = 0; i < copies.size() - kKeptCopies; ++i)
        ::DeleteFileA(folder + "\\" + copies[i].second);
}
} // namespace

bool JIsBackupOf(const CString& fileName, const CString& stem)
{
    // stem-yyyymmdd-hhmmss.xml, or stem-yyyymmdd-hhmmss-n.xml with n from 2 to 9.
    const int length = fileName.GetLength();
    const int stemLength = stem.GetLength();
    if (length != stemLength + 20 && length != stemLength + 22)
        return false;
    if (fileName.Left(stemLength).CompareNoCase(stem) != 0)
        return false;
    const char* p = static_cast<LPCSTR>(fileName) + stemLength;
    if (p[0] != '-' || !IsDigits(p + 1, 8) || p[9] != '-' || !IsDigits(p + 10, 6))
        return false;
    p += 16;
    if (length == stemLength + 22)
    {
        if (p[0] != '-' || p[1] < '2' || p[1] > '9')
            return false;
        p += 2;
    }
    return _stricmp(p, ".xml") == 0;
}

CString JGetBackupFolder()
{
    if (!g_folderOverride.IsEmpty())
        return g_folderOverride;
    char szFolder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                  szFolder)))
        return CString();
    return CString(szFolder) + "\\Shelvix\\Backups";
}

CString JSetBackupFolder(const CString& folder)
{
    const CString previous = g_folderOverride;
    g_folderOverride = folder;
    return previous;
}

bool JBackUpFile(const char* pszPath, CString* pBackupPath)
{
    const CString folder = JGetBackupFolder();
    if (folder.IsEmpty() || !CreateFolderPath(folder))
        return false;
    JXmlBytes bytes;
    if (!bytes.ReadFile(pszPath))
        return false;
    const CString stem = StemOf(pszPath);
    const CString copy = NewCopyPath(folder, stem);
    if (copy.IsEmpty() || !JXmlReplaceFile(copy, bytes.GetData(), bytes.GetSize()))
        return false;
    if (pBackupPath)
        *pBackupPath = copy;
    DeleteOldCopies(folder, stem);
    return true;
}
