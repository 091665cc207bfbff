// Classes: JXmlFileWriteCalls; Functions: JXmlSetFileWriteCalls, JXmlReplaceFile
// Replacing a file by new bytes, so that it holds either all of its old bytes or all of the new.
#pragma once

#include <afx.h>

#include <stddef.h>

// The platform calls that write the new file. The defaults are the platform's own; a test
// installs its own to make a write, the flush or the close fail.
struct JXmlFileWriteCalls
{
    BOOL(WINAPI* pfnWriteFile)
    (HANDLE hFile, LPCVOID lpBuffer, DWORD nBytes, LPDWORD lpnWritten, LPOVERLAPPED lpOverlapped);
    BOOL(WINAPI* pfnFlushFileBuffers)(HANDLE hFile);
    BOOL(WINAPI* pfnCloseHandle)(HANDLE hObject);
};
// Installs the calls (null restores the platform's) and returns the previous ones.
const JXmlFileWriteCalls* JXmlSetFileWriteCalls(const JXmlFileWriteCalls* pCalls);

// Writes the bytes to a new file beside pszTarget, makes them durable, and only then puts that
// file in the target's place. False when any step fails, or when the target is read-only or
// held open by another program: the target is then as it was and no new file is left behind.
bool JXmlReplaceFile(const char* pszTarget, const void* pData, size_t nBytes);
