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
    QvoLex::eType m_punct[256];
    constexpr JCharClasses() : m_class(), m_punct()
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
        m_punct['{'] = QvoLex::eLBrace;
        m_punct['}'] = QvoLex::eRBrace;
        m_punct['('] = QvoLex::eLParen;
        m_punct[')'] = QvoLex::eRParen;
        m_punct[','] = QvoLex::eComma;
        m_punct[':'] = QvoLex::eColon;
    }
};
constexpr JCharClasses s_classes;

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

// Releases a word's text as Cleanup does; the caller sets the new type.
inline void ReleaseText(QvoLXToken& token)
{
    if (token.m_eType == QvoLex::eWord)
        delete[] token.m_pszText;
    token.m_pszText = nullptr;
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

// The token is changed in place rather than through Put: this runs once per token, and a call
// pair per token is a large share of the time on short tokens.
int QvoLex::operator()(QvoLXToken& token)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(m_pCursor);
    unsigned char nClass;
    while ((nClass = s_classes.m_class[*p]) == cBlank)
        ++p;

    if (nClass == cEnd)
    {
        m_pCursor = reinterpret_cast<const char*>(p);
        return 1;
    }
    if (nClass == cPunct)
    {
        ReleaseText(token);
        token.m_eType = s_classes.m_punct[*p];
        m_pCursor = reinterpret_cast<const char*>(p + 1);
        return 0;
    }

    const unsigned char* pEnd = p + 1;
    while (s_classes.m_class[*pEnd] == cWord)
        ++pEnd;
    const char* pWord = reinterpret_cast<const char*>(p);
    size_t nLength = static_cast<size_t>(pEnd - p);
    if (EqualsNoCase(pWord, nLength, "false", 5) || EqualsNoCase(pWord, nLength, "true", 4))
    {
        ReleaseText(token);
        token.m_eType = eBool;
        token.m_nValue = nLength == 4 ? 1 : 0;
    }
    else
    {
        char* pszWord = new (std::nothrow) char[nLength + 1];
        if (!pszWord)
            return 2; // the cursor stays before the word, so a later call can retry
        memcpy(pszWord, pWord, nLength);
        pszWord[nLength] = '\0';
        ReleaseText(token);
        token.m_eType = eWord;
        token.m_pszText = pszWord;
    }
    m_pCursor = reinterpret_cast<const char*>(pEnd);
    return 0;
}

int QvoLex::GetLParen()
{
    QvoLXToken token;
    if ((*this)(token) != 0)
        return 1;
    return token.m_eType == eLParen ? 0 : 1;
}
