#include "QvText.h"

#include <mbctype.h>
#include <mbstring.h>
#include <string.h>

namespace
{
const unsigned char* Mbs(const char* psz)
{
    return reinterpret_cast<const unsigned char*>(psz);
}

// Removes white space from both ends in place, stepping whole multibyte characters so that a
// trail byte is never taken for a blank.
void TrimMultibyte(CString& token)
{
    const unsigned char* const pBegin = Mbs(token.GetString());
    const unsigned char* pFirst = pBegin;
    while (*pFirst && _ismbcspace(_mbsnextc(pFirst)))
        pFirst = _mbsinc(pFirst);

    const unsigned char* pTrailingRun = nullptr;
    for (const unsigned char* p = pFirst; *p; p = _mbsinc(p))
    {
        if (_ismbcspace(_mbsnextc(p)))
        {
            if (!pTrailingRun)
                pTrailingRun = p;
        }
        else
        {
            pTrailingRun = nullptr;
        }
    }
    const int nEnd =
        static_cast<int>((pTrailingRun ? pTrailingRun : pBegin + token.GetLength()) - pBegin);
    const int nFirst = static_cast<int>(pFirst - pBegin);
    if (nFirst == 0 && nEnd == token.GetLength())
        return;
    token = token.Mid(nFirst, nEnd - nFirst);
}
} // namespace

QvTStrWalkerBase::~QvTStrWalkerBase() = default;

QvTStrWalker::QvTStrWalker() : m_bPendingEmpty(0), m_pCursor(nullptr)
{
    Init("", ",");
}

QvTStrWalker::QvTStrWalker(const char* text, char delimiter)
    : m_bPendingEmpty(0), m_pCursor(nullptr)
{
    const char delimiterText[2] = {delimiter, '\0'};
    Init(text, delimiterText);
}

QvTStrWalker::QvTStrWalker(const char* text, const char* delimiter)
    : m_bPendingEmpty(0), m_pCursor(nullptr)
{
    Init(text, delimiter);
}

QvTStrWalker::~QvTStrWalker() = default;

void QvTStrWalker::Init(const char* text, const char* delimiter)
{
    m_bPendingEmpty = 0;
    m_pCursor = text ? text : "";
    m_strDelimiter = delimiter;
}

int QvTStrWalker::operator()(CString& token)
{
    if (*m_pCursor == '\0')
    {
        if (!m_bPendingEmpty)
            return 1;
        token.Empty();
        m_bPendingEmpty = 0;
        return 0;
    }

    // An empty delimiter would match in place forever; it takes the rest as one token instead.
    const unsigned char* pFound =
        m_strDelimiter.IsEmpty() ? nullptr : _mbsstr(Mbs(m_pCursor), Mbs(m_strDelimiter));
    if (pFound)
    {
        const char* pDelimiter = reinterpret_cast<const char*>(pFound);
        // Empty and Append keep the token's buffer, so a long walk does not allocate per token.
        token.Empty();
        token.Append(m_pCursor, static_cast<int>(pDelimiter - m_pCursor));
        m_pCursor = pDelimiter + m_strDelimiter.GetLength();
        m_bPendingEmpty = 1;
    }
    else
    {
        m_bPendingEmpty = 0;
        const size_t nRest = strlen(m_pCursor);
        token.Empty();
        token.Append(m_pCursor, static_cast<int>(nRest));
        m_pCursor += nRest;
    }
    return 0;
}

int QvTStrWalker::operator()(CString& token, bool trim)
{
    QvTStrWalkerBase& walker = *this;
    const int result = walker(token);
    if (result == 0 && trim)
        TrimMultibyte(token);
    return result;
}

CString QvTStrWalker::operator()()
{
    CString token;
    QvTStrWalkerBase& walker = *this;
    if (walker(token) != 0)
        token.Empty();
    return token;
}
