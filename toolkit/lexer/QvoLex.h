// Classes: QvoLex, QvoLXToken
// A small tokenizer for words, the booleans true and false, and the punctuation "{}(),:".
#pragma once

#include "toolkit/QvToolsApi.h"

class QvoLXToken;

// Walks a zero-terminated text that the caller owns and keeps alive, unchanged, while lexing.
// Blanks are space, newline and tab; a carriage return belongs to the word it follows.
class QVTOOLS_API QvoLex
{
public:
    enum eType : int
    {
        eWord = 0,
        eLParen = 1,
        eRParen = 2,
        eLBrace = 3,
        eRBrace = 4,
        eComma = 5,
        eBool = 6,
        eColon = 7,
        eNone = 8
    };

    QvoLex();
    QvoLex(const QvoLex& other) = default;
    ~QvoLex() = default;
    QvoLex& operator=(const QvoLex& other);

    // Operations
    // Starts over at the beginning of pszText; a null text is lexed as an empty one.
    void Reset(const char* pszText);
    // 0 when a token was read into token; 1 at the end of the text and 2 when a word could not
    // be copied for lack of memory, both leaving token as it was.
    int operator()(QvoLXToken& token);
    // Reads and drops the next token: 0 when it was "(", 1 otherwise or at the end of the text.
    int GetLParen();

private:
    const char* m_pCursor;
};

// One token. A word owns its text, allocated with new[]; a word made by Put(eWord) has none.
class QVTOOLS_API QvoLXToken
{
public:
    QvoLXToken();
    QvoLXToken(const QvoLXToken& other);
    ~QvoLXToken();
    QvoLXToken& operator=(const QvoLXToken& other);

    // Operations
    // Releases a word's text; the type becomes eNone.
    void Cleanup();
    // Becomes a copy of other, with a text of its own for a word.
    void Put(const QvoLXToken& other);
    // Becomes a word that owns pszText, which must come from new char[] (or be null).
    void Put(char* pszText);
    // Takes the type; a word gets no text.
    void Put(QvoLex::eType eType);
    // Takes the type and the value; a word gets an empty text of its own.
    void Put(QvoLex::eType eType, int nValue);

    // Attributes
    QvoLex::eType m_eType;
    char* m_pszText;
    int m_nValue;
};
