#include "QvoLex.h"

#include <new>
#include <string.h>

namespace
{
enum eCharClass : unsigned char
{
    cWord,
    cBlank,
    cPunct,
    cEnd
};

// Indexed by the byte as unsigned char, so that bytes of multibyte characters are word bytes.
struct JCharClasses
{
    unsigned char m_class[256];
    constexpr JCharClasses() : m_class()
    {
        for (unsigned char& c : m_class)
            c = cWord;
        m_class[0] = cEnd;
        for (unsigned char c : " \n\t")
            if (c)
                m_class[c] = cBlank;
        for (unsigned char c : "{}(),:")
            if (c)
                m_class[c] = cPunct;
    }
};
constexpr JCharClasses s_classes;

inline unsigned char ClassOf(char ch)
{
    return s_classes.m_class[static_cast<unsigned char>(ch)];
}

// pszLower is lower-case ASCII letters; OR-ing 0x20 folds only a letter's upper-case partner.
bool EqualsNoCase(const char* pch, size_t nLength, const char* pszLower, size_t nLowerLength)
{
    if (nLength != nLowerLength)
        return false;
    for (size_t i = 0; i < nLength; ++i)
    {
        if ((static_cast<unsigned char>(pch[i]) | 0x20) != static_cast<unsigned char>(pszLower[i]))
            return false;
    }
    return true;
}

const char s_szEmpty[] = "";
} // namespace

QvoLex::QvoLex() : m_pCursor(s_szEmpty)
{
}

QvoLex& QvoLex::operator=(const QvoLex& other)
{
    m_pCursor = other.m_pCursor;
    return *this;
}

void QvoLex::Reset(const char* pszText)
{
    m_pCursor = pszText ? pszText : s_szEmpty;
}

int QvoLex::operator()(QvoLXToken& token)
{
    const char* p = m_pCursor;
    while (ClassOf(*p) == cBlank)
        ++p;
    m_pCursor = p;

    switch (*p)
    {
    case '\0':
        return 1;
    case '{':
        token.Put(eLBrace);
        break;
    case '}':
        token.Put(eRBrace);
        break;
    case '(':
        token.Put(eLParen);
        break;
    case ')':
        token.Put(eRParen);
        break;
    case ',':
        token.Put(eComma);
        break;
    case ':':
        token.Put(eColon);
        break;
    default: {
        const char* pEnd = p + 1;
        while (ClassOf(*pEnd) == cWord)
            ++pEnd;
        size_t nLength = static_cast<size_t>(pEnd - p);
        if (EqualsNoCase(p, nLength, "false", 5))
        {
            token.Put(eBool, 0);
        }
        else if (EqualsNoCase(p, nLength, "true", 4))
        {
            token.Put(eBool, 1);
        }
        else
        {
            char* pszWord = new (std::nothrow) char[nLength + 1];
            if (!pszWord)
                return 2; // the cursor stays before the word, so a later call can retry
            memcpy(pszWord, p, nLength);
            pszWord[nLength] = '\0';
            token.Put(pszWord);
        }
        m_pCursor = pEnd;
        return 0;
    }
    }
    m_pCursor = p + 1;
    return 0;
}

int QvoLex::GetLParen()
{
    QvoLXToken token;
    if ((*this)(token) != 0)
        return 1;
    return token.m_eType == eLParen ? 0 : 1;
}
