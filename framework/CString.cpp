#include "afxstr.h"
#include "afxwin.h"

#include <mbstring.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace
{
const unsigned char* Mbs(LPCSTR psz)
{
    return reinterpret_cast<const unsigned char*>(psz ? psz : "");
}

// ch is a whole character: a byte, or lead and trail byte of a double-byte character.
bool IsIn(unsigned int ch, LPCSTR pszSet)
{
    return ch != 0 && pszSet && _mbschr(Mbs(pszSet), ch) != nullptr;
}

bool IsSpace(unsigned int ch)
{
    return _ismbcspace(ch) != 0;
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

// The searching and trimming members step through the text one character at a time with the
// C runtime's multibyte routines, so that the trail byte of a double-byte character (0x5C in
// code page 932) is never taken for a single-byte one such as '\\'. _setmbcp switches them all.
int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    const unsigned char* pszStart = Mbs(m_str.c_str());
    const unsigned char* psz = _mbschr(pszStart + nStart, static_cast<unsigned char>(ch));
    return psz ? static_cast<int>(psz - pszStart) : -1;
}

// Wine's _mbsstr matches at trail bytes too, so the walk is done here.
int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t subLength = strlen(pszSub);
    const size_t length = strnlen(m_str.c_str(), m_str.size());
    for (size_t i = static_cast<size_t>(nStart); i + subLength <= length; i += CharLength(i))
    {
        if (m_str.compare(i, subLength, pszSub, subLength) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    const unsigned char* pszStart = Mbs(m_str.c_str());
    const unsigned char* psz = _mbsrchr(pszStart, static_cast<unsigned char>(ch));
    return psz ? static_cast<int>(psz - pszStart) : -1;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    if (!pszCharSet || !*pszCharSet)
        return -1;
    const unsigned char* pszStart = Mbs(m_str.c_str());
    const unsigned char* psz = _mbspbrk(pszStart, Mbs(pszCharSet));
    return psz ? static_cast<int>(psz - pszStart) : -1;
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
    return TrimLeftWhile([](unsigned int ch) { return IsSpace(ch); });
}

CString& CString::TrimLeft(char chTarget)
{
    const unsigned int target = static_cast<unsigned char>(chTarget);
    return TrimLeftWhile([target](unsigned int ch) { return ch == target; });
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    return TrimLeftWhile([pszTargets](unsigned int ch) { return IsIn(ch, pszTargets); });
}

CString& CString::TrimRight()
{
    return TrimRightWhile([](unsigned int ch) { return IsSpace(ch); });
}

CString& CString::TrimRight(char chTarget)
{
    const unsigned int target = static_cast<unsigned char>(chTarget);
    return TrimRightWhile([target](unsigned int ch) { return ch == target; });
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    return TrimRightWhile([pszTargets](unsigned int ch) { return IsIn(ch, pszTargets); });
}

template <class Pred> CString& CString::TrimLeftWhile(Pred matches)
{
    size_t first = 0;
    while (first < m_str.size() && matches(CharAt(first)))
        first += CharLength(first);
    m_str.erase(0, std::min(first, m_str.size()));
    return *this;
}

template <class Pred> CString& CString::TrimRightWhile(Pred matches)
{
    // Walk forward from the start, remembering where the last run of matches began: walking
    // backwards cannot tell a trail byte from a character.
    size_t runStart = std::string::npos;
    for (size_t i = 0; i < m_str.size(); i += CharLength(i))
    {
        if (!matches(CharAt(i)))
            runStart = std::string::npos;
        else if (runStart == std::string::npos)
            runStart = i;
    }
    if (runStart != std::string::npos)
        m_str.erase(runStart);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    if (chOld == chNew)
        return 0;
    for (size_t i = 0; i < m_str.size(); i += CharLength(i))
    {
        if (m_str[i] == chOld)
        {
            m_str[i] = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    const size_t oldLength = strlen(pszOld);
    const char* pszTo = pszNew ? pszNew : "";
    int count = 0;
    std::string result;
    size_t copied = 0;
    for (size_t i = 0; i < m_str.size();)
    {
        if (m_str.compare(i, oldLength, pszOld, oldLength) == 0)
        {
            result.append(m_str, copied, i - copied).append(pszTo);
            ++count;
            i += oldLength;
            copied = i;
        }
        else
        {
            i += CharLength(i);
        }
    }
    if (count)
    {
        result.append(m_str, copied, std::string::npos);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    std::string result;
    result.reserve(m_str.size());
    for (size_t i = 0; i < m_str.size();)
    {
        const size_t length = std::min(CharLength(i), m_str.size() - i);
        if (length != 1 || m_str[i] != ch)
            result.append(m_str, i, length);
        i += length;
    }
    const int count = static_cast<int>(m_str.size() - result.size());
    m_str.swap(result);
    return count;
}

// A lead byte followed by the end of the text counts as one character of its own.
size_t CString::CharLength(size_t nIndex) const
{
    const unsigned char lead = static_cast<unsigned char>(m_str[nIndex]);
    return _ismbblead(lead) && nIndex + 1 < m_str.size() && m_str[nIndex + 1] != '\0' ? 2 : 1;
}

unsigned int CString::CharAt(size_t nIndex) const
{
    const unsigned int lead = static_cast<unsigned char>(m_str[nIndex]);
    if (CharLength(nIndex) == 1)
        return lead;
    return (lead << 8) | static_cast<unsigned char>(m_str[nIndex + 1]);
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
