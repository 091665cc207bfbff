#include "app/xml/JXmlString.h"

#include "app/xml/JXmlError.h"

#include <string.h>
#include <wchar.h>

JXmlBstr::JXmlBstr(LPCSTR psz) : m_bstr(nullptr)
{
    if (!psz)
        psz = "";
    const int nBytes = static_cast<int>(strlen(psz));
    const int nChars = nBytes ? ::MultiByteToWideChar(CP_ACP, 0, psz, nBytes, nullptr, 0) : 0;
    if (nBytes && nChars <= 0)
        throw JXmlError(E_OUTOFMEMORY, CString());
    m_bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(nChars));
    if (!m_bstr)
        throw JXmlError(E_OUTOFMEMORY, CString());
    if (nChars)
        ::MultiByteToWideChar(CP_ACP, 0, psz, nBytes, m_bstr, nChars);
}

CString JXmlNarrow(LPCWSTR pwsz, int nChars)
{
    if (!pwsz)
        return CString();
    if (nChars < 0)
        nChars = static_cast<int>(wcslen(pwsz));
    if (nChars == 0)
        return CString();
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pwsz, nChars, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        throw JXmlError(E_OUTOFMEMORY, CString());
    CString result;
    char* buffer = result.GetBufferSetLength(nBytes);
    ::WideCharToMultiByte(CP_ACP, 0, pwsz, nChars, buffer, nBytes, nullptr, nullptr);
    result.ReleaseBuffer(nBytes);
    return result;
}

CString JXmlNarrowNoThrow(LPCWSTR pwsz)
{
    try
    {
        return JXmlNarrow(pwsz);
    }
    catch (const JXmlError&)
    {
        return CString();
    }
}
