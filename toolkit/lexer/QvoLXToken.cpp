#include "QvoLex.h"

#include <new>
#include <string.h>

namespace
{
// A copy from new[], as the token releases its text with delete[]; null when out of memory.
char* DuplicateText(const char* pszText)
{
    size_t nSize = strlen(pszText) + 1;
    char* pszCopy = new (std::nothrow) char[nSize];
    if (pszCopy)
        memcpy(pszCopy, pszText, nSize);
    return pszCopy;
}
} // namespace

QvoLXToken::QvoLXToken() : m_eType(QvoLex::eNone), m_pszText(nullptr), m_nValue(0)
{
}

QvoLXToken::QvoLXToken(const QvoLXToken& other)
    : m_eType(QvoLex::eNone), m_pszText(nullptr), m_nValue(0)
{
    Put(other);
}

QvoLXToken::~QvoLXToken()
{
    Cleanup();
}

QvoLXToken& QvoLXToken::operator=(const QvoLXToken& other)
{
    Put(other);
    return *this;
}

void QvoLXToken::Cleanup()
{
    if (m_eType == QvoLex::eWord)
        delete[] m_pszText;
    // Never left dangling: a later word without text must not release it a second time.
    m_pszText = nullptr;
    m_eType = QvoLex::eNone;
}

void QvoLXToken::Put(const QvoLXToken& other)
{
    // Cleaning up first would release the very text that is about to be copied.
    if (&other == this)
        return;
    Cleanup();
    if (other.m_eType == QvoLex::eWord && other.m_pszText)
        m_pszText = DuplicateText(other.m_pszText); // out of memory: a word without text
    m_eType = other.m_eType;
    // The value goes with every type, so that a copy reads the same as its original.
    m_nValue = other.m_nValue;
}

void QvoLXToken::Put(char* pszText)
{
    // Taking back the text the token already owns must not release it first.
    if (m_eType == QvoLex::eWord && pszText == m_pszText)
        return;
    Cleanup();
    m_eType = QvoLex::eWord;
    m_pszText = pszText;
}

void QvoLXToken::Put(QvoLex::eType eType)
{
    Cleanup();
    m_eType = eType;
}

void QvoLXToken::Put(QvoLex::eType eType, int nValue)
{
    Cleanup();
    // A word given only a value becomes an empty word rather than one without text: there is
    // no result through which to refuse the call, and readers of the text get a valid string.
    if (eType == QvoLex::eWord)
        m_pszText = DuplicateText("");
    m_eType = eType;
    m_nValue = nValue;
}
