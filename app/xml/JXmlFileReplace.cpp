#include "app/xml/JXmlFileReplace.h"

#include <algorithm>

namespace
{
const JXmlFileWriteCalls kPlatformCalls = {::WriteFile, ::FlushFileBuffers, ::CloseHandle};
const JXmlFileWriteCalls* s_pCalls = &kPlatformCalls;

// Large enough that a catalogue takes a few calls, small enough for a DWORD count.
const DWORD kChunkBytes = 1 << 20;

CString FolderOf(const CString& path)
{
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    if (slash < 0)
        return CString(".");
    if (slash == 2 && path[1] == ':')
        return path.Left(3); // keep the root of a drive: "C:\"
    return path.Left(slash);
}

bool TargetIsWritable(const char* pszPath)
{
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(hFile);
    return true;
}

// A write that reports fewer bytes than it was given failed as surely as one that returns
// FALSE: a disk that fills up may do either.
bool WriteAll(HANDLE hFile, const BYTE* pData, size_t nBytes)
{
    while (nBytes > 0)
    {
        const DWORD nChunk = static_cast<DWORD>(std::min<size_t>(nBytes, kChunkBytes));
        DWORD nWritten = 0;
        if (!s_pCalls->pfnWriteFile(hFile, pData, nChunk, &nWritten, nullptr) || nWritten != nChunk)
            return false;
        pData += nChunk;
        nBytes -= nChunk;
    }
    return true;
}

// The whole of the bytes, on the disk, in a closed file.
bool WriteNewFile(const char* pszPath, const void* pData, size_t nBytes)
{
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    const bool bWritten = WriteAll(hFile, static_cast<const BYTE*>(pData), nBytes) &&
                          s_pCalls->pfnFlushFileBuffers(hFile);
    // A failed close may have lost what the flush handed over: it fails the write too.
    const bool bClosed = s_pCalls->pfnCloseHandle(hFile) != FALSE;
    return bWritten && bClosed;
}
} // namespace

const JXmlFileWriteCalls* JXmlSetFileWriteCalls(const JXmlFileWriteCalls* pCalls)
{
    const JXmlFileWriteCalls* pOld = s_pCalls;
    s_pCalls = pCalls ? pCalls : &kPlatformCalls;
    return pOld;
}

bool JXmlReplaceFile(const char* pszTarget, const void* pData, size_t nBytes)
{
    if (!pszTarget || !*pszTarget || (!pData && nBytes))
        return false;
    // Beside the target, so that the final rename stays on one volume.
    char temp[MAX_PATH];
    if (!::GetTempFileNameA(FolderOf(pszTarget), "shv", 0, temp))
        return false;
    bool bDone = WriteNewFile(temp, pData, nBytes);

    // A read-only target, or one that another program holds open, is not replaced. The
    // attribute and an unshared open for writing ask exactly that without changing the
    // file; a rename over it would not refuse on every platform (Wine, or as root).
    const DWORD dwAttributes = ::GetFileAttributesA(pszTarget);
    if (bDone && dwAttributes != INVALID_FILE_ATTRIBUTES)
        bDone = !(dwAttributes & FILE_ATTRIBUTE_READONLY) && TargetIsWritable(pszTarget);
    bDone =
        bDone && ::MoveFileExA(temp, pszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bDone)
    {
        ::DeleteFileA(temp);
        return false;
    }
    // The new file keeps the old one's attributes (hidden, archive...); its bytes are in place
    // whether or not they can be restored.
    if (dwAttributes != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesA(pszTarget, dwAttributes);
    return true;
}
