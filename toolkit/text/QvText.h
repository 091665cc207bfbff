// Classes: QvTStrWalkerBase, QvTStrWalker, QvoStrSeg; Functions: FQvTStrFormat, FQvTStrToInt,
// FQvTStrToDouble, FQvTStrFromInt, FQvTSetLocaleInfoReader, FQvTStrDup, FQvTStrFindNoCase,
// FQvTLoadString, QvfStrBreak
#pragma once

#include "toolkit/QvToolsApi.h"

// ---------------------------------------------------------------------------------------------
// String walker: cuts a zero-terminated text into the tokens between occurrences of a delimiter.

class QVTOOLS_API QvTStrWalkerBase
{
public:
    virtual ~QvTStrWalkerBase();
    // 0 when a token was delivered, 1 when the walk is over (token then keeps what it held).
    virtual int operator()(CString& token) = 0;
};

// The walker does not copy the text: the caller keeps it alive and unchanged while walking.
// 'a,b,' yields "a", "b" and a last empty token; the empty text yields no token at all.
class QVTOOLS_API QvTStrWalker : public QvTStrWalkerBase
{
public:
    QvTStrWalker();
    QvTStrWalker(const char* text, char delimiter);
    QvTStrWalker(const char* text, const char* delimiter);
    QvTStrWalker(const QvTStrWalker& src) = default;
    QvTStrWalker& operator=(const QvTStrWalker& src) = default;
    ~QvTStrWalker() override;

    // Restarts on text. An empty delimiter never matches: the rest of the text is one token.
    void Init(const char* text, const char* delimiter);

    int operator()(CString& token) override;
    // As above, through the virtual one; trim removes white space from both ends of the token.
    int operator()(CString& token, bool trim);
    // The next token, or the empty string when the walk is over.
    CString operator()();

private:
    int m_bPendingEmpty;
    CString m_strDelimiter;
    const char* m_pCursor;
};

// ---------------------------------------------------------------------------------------------
// A view of a stretch of bytes: owns nothing, is not terminated, and copies nothing to search.

class QVTOOLS_API QvoStrSeg
{
public:
    QvoStrSeg() : m_pData(nullptr), m_nLength(0) {}
    QvoStrSeg(const QvoStrSeg& src) = default;
    QvoStrSeg& operator=(const QvoStrSeg& src) = default;

    int GetLength() const { return m_nLength; }

    // From start to the end; a start beyond the end gives the empty segment, a negative start
    // counts as 0. out may be this segment itself.
    void Mid(int start, QvoStrSeg& out) const;
    // Index of the first match and out = Mid(index); or -1 and out = the empty segment.
    int Find(char c, QvoStrSeg& out) const;
    // An empty pattern or an empty segment never matches.
    int Find(const QvoStrSeg& pattern, QvoStrSeg& out) const;

    // Exactly GetLength() bytes, terminated; nothing beyond them is read.
    operator CString() const;

    // Set directly by users: the first byte and the number of bytes.
    const char* m_pData;
    int m_nLength;
};

// ---------------------------------------------------------------------------------------------
// String helpers.

// printf-style formatting of any length into a new string.
QVTOOLS_API CString FQvTStrFormat(const char* format, ...);

// True when the whole text is one decimal integer (strtol, base 10), respectively one
// floating-point number (strtod); leading white space and a sign are accepted, any trailing
// character fails, and the empty text succeeds with 0. value is written only on success.
QVTOOLS_API bool FQvTStrToInt(const char* text, int& value);
QVTOOLS_API bool FQvTStrToDouble(const char* text, double& value);

// The decimal text of value, grouped with the user's default locale (rule, separator and
// negative sign); the last group size of the rule repeats for all further groups.
QVTOOLS_API void FQvTStrFromInt(int value, CString& out);

// The locale reader behind FQvTStrFromInt, with the contract of ::GetLocaleInfoA.
typedef int(WINAPI* QVT_GETLOCALEINFOA)(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData);
// Installs a reader (null restores ::GetLocaleInfoA) and returns the previous one.
QVTOOLS_API QVT_GETLOCALEINFOA FQvTSetLocaleInfoReader(QVT_GETLOCALEINFOA pfnReader);

// A new heap copy owned by the caller, released with delete[]; null for a null text or when
// memory runs out.
QVTOOLS_API char* FQvTStrDup(const char* text);

// The first byte position of text where pattern matches regardless of case, or null.
QVTOOLS_API const char* FQvTStrFindNoCase(const char* text, const char* pattern);

// The string resource id from the framework's resource chain; empty when none has it.
QVTOOLS_API CString FQvTLoadString(unsigned int id);

// Splits text at the first separator: 0 and left/right set, or 1 when it is absent (left and
// right untouched, or with wholeIfAbsent left = text and right empty). left or right may be
// text itself.
QVTOOLS_API int QvfStrBreak(const CString& text, char separator, CString& left, CString& right);
QVTOOLS_API int QvfStrBreak(const CString& text, char separator, CString& left, CString& right,
                            bool wholeIfAbsent);
