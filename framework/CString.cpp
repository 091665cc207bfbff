#include "afxstr.h"
#include "afxwin.h"

#include <mbstring.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace
{
const char kWhiteSpace[] = " \t\n\v\f\r";

const unsigned char* Mbs(LPCSTR psz)
{
    return reinterpret_cast<const unsigned char*>(psz ? psz : "");
}

bool IsIn(char ch, LPCSTR pszSet)
{
    return ch != '\0' && pszSet && strchr(pszSet, ch) != nullptr;
}
} // namespace

CString::CString(LPCSTR psz) : m_str(psz ? psz : "")
{
}

CString::CString(LPCSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString& CString::operator=(LPCSTR psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex <= GetLength());
    return nIndex >= 0 && nIndex < GetLength() ? m_str[static_cast<size_t>(nIndex)] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[static_cast<size_t>(nIndex)] = ch;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

void CString::Append(LPCSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.append(pch, static_cast<size_t>(nLength));
}

int CString::Compare(LPCSTR psz) const
{
    return _mbscmp(Mbs(m_str.c_str()), Mbs(psz));
}

int CString::CompareNoCase(LPCSTR psz) const
{
    return _mbsicmp(Mbs(m_str.c_str()), Mbs(psz));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - (nFirst < 0 ? 0 : nFirst));
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst >= GetLength() || nCount == 0)
        return CString();
    if (nCount > GetLength() - nFirst)
        nCount = GetLength() - nFirst;
    return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return Mid(GetLength() - nCount, nCount);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    if (!pszCharSet || !*pszCharSet)
        return -1;
    size_t pos = m_str.find_first_of(pszCharSet);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        _mbsupr(reinterpret_cast<unsigned char*>(&m_str[0]));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        _mbslwr(reinterpret_cast<unsigned char*>(&m_str[0]));
    return *this;
}

// Trimming is byte-wise: target characters are single-byte, and no byte of a multibyte
// character in the UTF-8 or DBCS code pages can be mistaken for one of them.
CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhiteSpace);
}

CString& CString::TrimLeft(char chTarget)
{
    const char targets[2] = {chTarget, '\0'};
    return TrimLeft(targets);
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    size_t first = 0;
    while (first < m_str.size() && IsIn(m_str[first], pszTargets))
        ++first;
    m_str.erase(0, first);
    return *this;
}

CString& CString::TrimRight()
{
    return TrimRight(kWhiteSpace);
}

CString& CString::TrimRight(char chTarget)
{
    const char targets[2] = {chTarget, '\0'};
    return TrimRight(targets);
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    size_t end = m_str.size();
    while (end > 0 && IsIn(m_str[end - 1], pszTargets))
        --end;
    m_str.erase(end);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    for (char& ch : m_str)
    {
        if (ch == chOld)
        {
            ch = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    const std::string from(pszOld);
    const std::string to(pszNew ? pszNew : "");
    int count = 0;
    std::string result;
    size_t pos = 0;
    for (size_t hit; (hit = m_str.find(from, pos)) != std::string::npos; pos = hit + from.size())
    {
        result.append(m_str, pos, hit - pos).append(to);
        ++count;
    }
    if (count)
    {
        result.append(m_str, pos, std::string::npos);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    const size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    const char text[2] = {ch, '\0'};
    return Insert(nIndex, text);
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    if (psz)
        m_str.insert(static_cast<size_t>(nIndex), psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < GetLength())
        m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    m_str.clear();
    AppendFormatV(pszFormat, args);
}

void CString::AppendFormat(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormatV(LPCSTR pszFormat, va_list args)
{
    ASSERT(pszFormat);
    if (!pszFormat)
        return;
    // The C runtime's own printf (msvcrt), not MinGW's C99 replacement that libstdc++ switches
    // on: numbers must read as every other program of the platform writes them.
    va_list count;
    va_copy(count, args);
    const int length = _vscprintf(pszFormat, count);
    va_end(count);
    if (length <= 0)
        return;
    const size_t oldSize = m_str.size();
    m_str.resize(oldSize + static_cast<size_t>(length) + 1);
    _vsnprintf(&m_str[oldSize], static_cast<size_t>(length) + 1, pszFormat, args);
    m_str.resize(oldSize + static_cast<size_t>(length));
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
    if (!hInstance)
        return FALSE;
    return LoadString(hInstance, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // With a zero buffer size LoadStringW hands back a pointer into the resource itself, so
    // strings of any length load without a fixed buffer.
    LPCWSTR pText = nullptr;
    const int nChars = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (nChars <= 0 || !pText)
        return FALSE;
    const int nBytes =
        ::WideCharToMultiByte(CP_ACP, 0, pText, nChars, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return FALSE;
    std::string text(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pText, nChars, &text[0], nBytes, nullptr, nullptr);
    m_str.swap(text);
    return TRUE;
}

LPSTR CString::GetBuffer()
{
    return &m_str[0];
}

LPSTR CString::GetBuffer(int nMinBufferLength)
{
    if (nMinBufferLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufferLength));
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nLength)
{
    m_str.resize(static_cast<size_t>(nLength < 0 ? 0 : nLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_str.c_str(), m_str.size()));
    ASSERT(nNewLength <= GetLength());
    m_str.resize(static_cast<size_t>(nNewLength));
}

CString operator+(const CString& str1, const CString& str2)
{
    CString result(str1);
    result += str2;
    return result;
}

CString operator+(const CString& str, LPCSTR psz)
{
    CString result(str);
    result += psz;
    return result;
}

CString operator+(LPCSTR psz, const CString& str)
{
    CString result(psz);
    result += str;
    return result;
}

CString operator+(const CString& str, char ch)
{
    CString result(str);
    result += ch;
    return result;
}

CString operator+(char ch, const CString& str)
{
    CString result(ch);
    result += str;
    return result;
}
