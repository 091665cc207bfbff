// Throughput of QvoLex on 10 MB of generated notation, beside a strtok scan of the same text
// with the same separators. Prints the figures; asserts nothing.
#include "toolkit/lexer/QvoLex.h"
#include "toolkit/threads/QvTThreads.h"

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

namespace
{
const size_t nTextSize = 10 * 1024 * 1024;
const int nRuns = 5;

// A fixed pseudo-random sequence, so that every run lexes the same text.
struct JRandom
{
    unsigned int m_nState = 12345;
    unsigned int Next(unsigned int nBound)
    {
        m_nState = m_nState * 1103515245u + 12345u;
        return (m_nState >> 8) % nBound;
    }
};

std::string Word(JRandom& random)
{
    static const char* const words[] = {"title", "author",     "date",      "id",    "records",
                                        "item",  "value",      "TRUE",      "false", "collection",
                                        "x",     "\"quoted\"", "2024-01-31"};
    if (random.Next(3) == 0)
    {
        std::string word;
        unsigned int nLength = 1 + random.Next(12);
        for (unsigned int i = 0; i < nLength; ++i)
            word += static_cast<char>('a' + random.Next(26));
        return word;
    }
    return words[random.Next(sizeof(words) / sizeof(words[0]))];
}

// Records like "{ name: value, flag: true, list: (a, b) }", one or two to a line.
std::string GenerateText()
{
    JRandom random;
    std::string text;
    text.reserve(nTextSize + 256);
    while (text.size() < nTextSize)
    {
        text += "{ ";
        unsigned int nFields = 1 + random.Next(5);
        for (unsigned int f = 0; f < nFields; ++f)
        {
            text += Word(random);
            text += ": ";
            if (random.Next(4) == 0)
            {
                text += '(';
                unsigned int nItems = 1 + random.Next(4);
                for (unsigned int i = 0; i < nItems; ++i)
                {
                    if (i)
                        text += ", ";
                    text += Word(random);
                }
                text += ')';
            }
            else
            {
                text += Word(random);
            }
            if (f + 1 < nFields)
                text += ",\t";
        }
        text += random.Next(2) ? " }\n" : "}";
    }
    text.resize(nTextSize);
    return text;
}

struct JResult
{
    double dBestSeconds = 1e300;
    size_t nTokens = 0;
    size_t nWordBytes = 0;
};

JResult RunLexer(const std::string& text)
{
    JResult result;
    for (int nRun = 0; nRun < nRuns; ++nRun)
    {
        QvoLex lex;
        QvoLXToken token;
        size_t nTokens = 0, nWordBytes = 0;
        QvTHResTimeStamp start;
        lex.Reset(text.c_str());
        while (lex(token) == 0)
        {
            ++nTokens;
            if (token.m_eType == QvoLex::eWord)
                nWordBytes += strlen(token.m_pszText);
        }
        QvTHResTimeStamp end;
        double dSeconds = (end - start).GetTotalSeconds();
        if (dSeconds < result.dBestSeconds)
            result.dBestSeconds = dSeconds;
        result.nTokens = nTokens;
        result.nWordBytes = nWordBytes;
    }
    return result;
}

// strtok splits in place and drops the separators, so each run works on a fresh copy, made
// outside the timed span.
JResult RunStrtok(const std::string& text)
{
    JResult result;
    std::vector<char> buffer(text.size() + 1);
    for (int nRun = 0; nRun < nRuns; ++nRun)
    {
        memcpy(buffer.data(), text.c_str(), text.size() + 1);
        size_t nTokens = 0, nWordBytes = 0;
        QvTHResTimeStamp start;
        for (char* psz = strtok(buffer.data(), " \n\t{}(),:"); psz;
             psz = strtok(nullptr, " \n\t{}(),:"))
        {
            ++nTokens;
            nWordBytes += strlen(psz);
        }
        QvTHResTimeStamp end;
        double dSeconds = (end - start).GetTotalSeconds();
        if (dSeconds < result.dBestSeconds)
            result.dBestSeconds = dSeconds;
        result.nTokens = nTokens;
        result.nWordBytes = nWordBytes;
    }
    return result;
}

double MegabytesPerSecond(size_t nBytes, double dSeconds)
{
    return dSeconds > 0 ? static_cast<double>(nBytes) / (1024.0 * 1024.0) / dSeconds : 0.0;
}
} // namespace

int main()
{
    std::string text = GenerateText();
    JResult lexer = RunLexer(text);
    JResult scan = RunStrtok(text);

    double dLexerRate = MegabytesPerSecond(text.size(), lexer.dBestSeconds);
    double dScanRate = MegabytesPerSecond(text.size(), scan.dBestSeconds);
    printf("text: %.1f MB generated notation, best of %d runs each\n",
           text.size() / (1024.0 * 1024.0), nRuns);
    printf("QvoLex: %8.1f MB/s  %9zu tokens  %9zu word bytes  %.4f s\n", dLexerRate, lexer.nTokens,
           lexer.nWordBytes, lexer.dBestSeconds);
    printf("strtok: %8.1f MB/s  %9zu words   %9zu word bytes  %.4f s\n", dScanRate, scan.nTokens,
           scan.nWordBytes, scan.dBestSeconds);
    printf("QvoLex / strtok: %.2fx (target at least 0.50x)\n",
           dScanRate > 0 ? dLexerRate / dScanRate : 0.0);
    return 0;
}
