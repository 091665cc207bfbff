#include "QvTThreads.h"

#include <memory>
#include <new>

namespace
{
// Appends one locale text of lcid to str; false when Windows has none or memory runs out.
bool AppendLocaleInfo(LCID lcid, LCTYPE lcType, CString& str)
{
    int nLength = ::GetLocaleInfoA(lcid, lcType, nullptr, 0);
    if (nLength <= 0)
        return false;
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[nLength + 1]);
    if (!buffer)
        return false;
    if (::GetLocaleInfoA(lcid, lcType, buffer.get(), nLength) <= 0)
        return false;
    buffer[nLength] = '\0';
    str += buffer.get();
    return true;
}
} // namespace

QvTSetLocale::QvTSetLocale(int nCategory, unsigned long nLocale) : m_nCategory(nCategory)
{
    const char* pszCurrent = ::setlocale(nCategory, nullptr);
    if (!pszCurrent)
        return;
    m_strSaved = pszCurrent;

    CString strName;
    if (!AppendLocaleInfo(nLocale, LOCALE_SENGLANGUAGE, strName))
        return;
    strName += '_';
    if (!AppendLocaleInfo(nLocale, LOCALE_SENGCOUNTRY, strName))
        return;
    // A name the C runtime does not know leaves its locale as it was.
    ::setlocale(nCategory, strName);
}

QvTSetLocale::~QvTSetLocale()
{
    // An empty name would not mean "as before" to setlocale but the system default.
    if (!m_strSaved.IsEmpty())
        ::setlocale(m_nCategory, m_strSaved);
}
