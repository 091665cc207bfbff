// Classes: CString
// The framework's narrow string: text in the process's ANSI code page, compared, searched,
// trimmed and case-mapped through the multibyte routines of the C runtime.
#pragma once

#include "afxver.h"

#include <stdarg.h>
#include <string>

class AFX_FRAMEWORK_API CString
{
public:
    // Construction
    CString() = default;
    CString(const CString& src) = default;
    CString(CString&& src) noexcept = default;
    CString(LPCSTR psz);
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString() = default;

    CString& operator=(const CString& src) = default;
    CString& operator=(CString&& src) noexcept = default;
    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);

    // Attributes
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_str.c_str(); }
    LPCSTR GetString() const { return m_str.c_str(); }

    // Concatenation
    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);
    void Append(LPCSTR pch, int nLength);

    // Comparison: byte order of the multibyte runtime (_mbscmp / _mbsicmp)
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    // Extraction
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    // Searching: index of the match, -1 when there is none
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    // Changes in place
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Formatting with the C runtime's printf rules
    void Format(LPCSTR pszFormat, ...);
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormat(LPCSTR pszFormat, ...);
    void AppendFormatV(LPCSTR pszFormat, va_list args);

    // Resources: the string with that id from the resource chain; false when none has it
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Direct buffer access
    LPSTR GetBuffer();
    LPSTR GetBuffer(int nMinBufferLength);
    LPSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    // Bytes taken by the character at nIndex (1 or 2), and that character as one code.
    size_t CharLength(size_t nIndex) const;
    unsigned int CharAt(size_t nIndex) const;
    template <class Pred> CString& TrimLeftWhile(Pred matches);
    template <class Pred> CString& TrimRightWhile(Pred matches);

    std::string m_str;
};

AFX_FRAMEWORK_API CString operator+(const CString& str1, const CString& str2);
AFX_FRAMEWORK_API CString operator+(const CString& str, LPCSTR psz);
AFX_FRAMEWORK_API CString operator+(LPCSTR psz, const CString& str);
AFX_FRAMEWORK_API CString operator+(const CString& str, char ch);
AFX_FRAMEWORK_API CString operator+(char ch, const CString& str);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
