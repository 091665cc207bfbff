#include "app/xml/JXmlBytes.h"

#include <string.h>

#include <algorithm>

namespace
{
// A SAFEARRAY counts its elements in a ULONG; the DOM takes no more than a LONG of them.
const size_t kMaxBytes = 0x7FFFFFFF;
const DWORD kReadChunkBytes = 1 << 20;
} // namespace

void JXmlBytes::Free()
{
    if (m_pArray && m_bBorrowed)
    {
        // Only the descriptor is ours; the platform would clear the data of a static array.
        m_pArray->pvData = nullptr;
        ::SafeArrayDestroyDescriptor(m_pArray);
    }
    else if (m_pArray)
    {
        ::SafeArrayDestroy(m_pArray);
    }
    m_pArray = nullptr;
    m_bBorrowed = false;
}

bool JXmlBytes::Allocate(size_t nBytes)
{
    Free();
    if (nBytes > kMaxBytes)
        return false;
    m_pArray = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(nBytes));
    return m_pArray != nullptr;
}

bool JXmlBytes::Assign(const void* pData, size_t nBytes)
{
    if (!Allocate(nBytes))
        return false;
    if (nBytes)
        memcpy(m_pArray->pvData, pData, nBytes);
    return true;
}

bool JXmlBytes::Borrow(const void* pData, size_t nBytes)
{
    Free();
    if (nBytes > kMaxBytes || (!pData && nBytes))
        return false;
    SAFEARRAY* pArray = nullptr;
    if (FAILED(::SafeArrayAllocDescriptorEx(VT_UI1, 1, &pArray)) || !pArray)
        return false;
    pArray->cbElements = 1;
    pArray->rgsabound[0].cElements = static_cast<ULONG>(nBytes);
    pArray->rgsabound[0].lLbound = 0;
    pArray->pvData = const_cast<void*>(pData);
    pArray->fFeatures |= FADF_STATIC | FADF_FIXEDSIZE;
    m_pArray = pArray;
    m_bBorrowed = true;
    return true;
}

bool JXmlBytes::ReadFile(const char* pszPath)
{
    Free();
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    bool bRead = ::GetFileSizeEx(hFile, &size) && size.QuadPart >= 0 &&
                 static_cast<unsigned long long>(size.QuadPart) <= kMaxBytes &&
                 Allocate(static_cast<size_t>(size.QuadPart));
    // Every byte the size promised, or the file changed under the read and is not taken.
    BYTE* pNext = bRead ? static_cast<BYTE*>(m_pArray->pvData) : nullptr;
    size_t nLeft = bRead ? GetSize() : 0;
    while (bRead && nLeft > 0)
    {
        const DWORD nChunk = static_cast<DWORD>(std::min<size_t>(nLeft, kReadChunkBytes));
        DWORD nGot = 0;
        bRead = ::ReadFile(hFile, pNext, nChunk, &nGot, nullptr) && nGot == nChunk;
        pNext += nGot;
        nLeft -= nGot;
    }
    ::CloseHandle(hFile);
    if (!bRead)
        Free();
    return bRead;
}

VARIANT JXmlBytes::AsVariant() const
{
    VARIANT v;
    ::VariantInit(&v);
    if (m_pArray)
    {
        V_VT(&v) = VT_ARRAY | VT_UI1;
        V_ARRAY(&v) = m_pArray;
    }
    return v;
}
