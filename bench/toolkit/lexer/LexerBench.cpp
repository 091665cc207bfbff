// Throughput of QvoLex on 10 MB of generated notation, beside a strtok scan of the same text
// with the same separators. Prints the figures; asserts nothing.
#include "toolkit/lexer/QvoLex.h"
#include "toolkit/threads/QvTThreads.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const size_t nTextSize = 10 * 1024 * 1024;
const int nRuns = 9;

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
    std::vector<double> seconds;
    size_t nTokens = 0;
    size_t nWordBytes = 0;

    double Best() const { return *std::min_element(seconds.begin(), seconds.end()); }
    double Median() const
    {
        std::vector<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

void RunLexer(const std::string& text, JResult& result)
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
    result.seconds.push_back((end - start).GetTotalSeconds());
    result.nTokens = nTokens;
    result.nWordBytes = nWordBytes;
}

// strtok splits in place and drops the separators, so each run works on a fresh copy, made
// outside the timed span.
void RunStrtok(const std::string& text, std::vector<char>& buffer, JResult& result)
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
    result.seconds.push_back((end - start).GetTotalSeconds());
    result.nTokens = nTokens;
    result.nWordBytes = nWordBytes;
}
} // namespace

int main()
{
    std::string text = GenerateText();
    std::vector<char> buffer(text.size() + 1);
    JResult lexer, scan;
    // Alternating runs see the same load from whatever else shares the machine.
    for (int nRun = 0; nRun < nRuns; ++nRun)
    {
        RunLexer(text, lexer);
        RunStrtok(text, buffer, scan);
    }

    double dMegabytes = text.size() / (1024.0 * 1024.0);
    printf("text: %.1f MB of generated notation; %d alternating runs each\n", dMegabytes, nRuns);
    printf("QvoLex: best %7.1f MB/s, median %7.1f MB/s  %8zu tokens, %8zu word bytes\n",
           dMegabytes / lexer.Best(), dMegabytes / lexer.Median(), lexer.nTokens, lexer.nWordBytes);
    printf("strtok: best %7.1f MB/s, median %7.1f MB/s  %8zu words,  %8zu word bytes\n",
           dMegabytes / scan.Best(), dMegabytes / scan.Median(), scan.nTokens, scan.nWordBytes);
    printf("QvoLex / strtok: %.2fx best, %.2fx median (target at least 0.50x)\n",
           scan.Best() / lexer.Best(), scan.Median() / lexer.Median());
    return 0;
}
