// Throughput of QvTStrWalker on a generated 10 MB text, against a strtok scan of the same text
// in the same run. Prints MB/s for both and their ratio; the best of several rounds counts.
#include "toolkit/text/QvText.h"

#include <stdio.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

namespace
{
const size_t kTextBytes = 10 * 1024 * 1024;
const int kRounds = 5;

struct Scan
{
    size_t tokens = 0;
    size_t bytes = 0;
};

// Tokens of random letters between minLength and maxLength bytes, one ',' between two tokens
// and none at either end, so that strtok (which skips empty tokens) and the walker (which
// delivers them) see the same tokens.
std::string MakeText(int minLength, int maxLength)
{
    std::mt19937 random(20240601u);
    std::uniform_int_distribution<int> length(minLength, maxLength);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string text;
    text.reserve(kTextBytes + static_cast<size_t>(maxLength) + 1);
    while (text.size() < kTextBytes)
    {
        if (!text.empty())
            text += ',';
        for (int n = length(random); n > 0; --n)
            text += static_cast<char>(letter(random));
    }
    return text;
}

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double TimeWalker(const std::string& text, Scan& scan)
{
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    QvTStrWalker walker(text.c_str(), ',');
    CString token;
    scan = Scan();
    while (walker(token) == 0)
    {
        ++scan.tokens;
        scan.bytes += static_cast<size_t>(token.GetLength());
    }
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

// strtok writes into the text, so each round scans a fresh copy made before the clock starts.
double TimeStrtok(const std::string& text, std::vector<char>& buffer, Scan& scan)
{
    buffer.assign(text.c_str(), text.c_str() + text.size() + 1);
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    scan = Scan();
    for (char* p = strtok(buffer.data(), ","); p; p = strtok(nullptr, ","))
    {
        ++scan.tokens;
        scan.bytes += strlen(p);
    }
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

bool RunScenario(const char* name, int minLength, int maxLength)
{
    const std::string text = MakeText(minLength, maxLength);
    const double megabytes = static_cast<double>(text.size()) / (1024.0 * 1024.0);
    std::vector<char> buffer;
    double bestWalker = 1e30, bestStrtok = 1e30;
    Scan walkerScan, strtokScan;
    for (int round = 0; round < kRounds; ++round)
    {
        const double walkerSeconds = TimeWalker(text, walkerScan);
        const double strtokSeconds = TimeStrtok(text, buffer, strtokScan);
        if (walkerSeconds < bestWalker)
            bestWalker = walkerSeconds;
        if (strtokSeconds < bestStrtok)
            bestStrtok = strtokSeconds;
    }
    if (walkerScan.tokens != strtokScan.tokens || walkerScan.bytes != strtokScan.bytes)
    {
        printf("%s: MISMATCH walker %zu tokens / %zu bytes, strtok %zu tokens / %zu bytes\n", name,
               walkerScan.tokens, walkerScan.bytes, strtokScan.tokens, strtokScan.bytes);
        return false;
    }
    const double walkerRate = megabytes / bestWalker;
    const double strtokRate = megabytes / bestStrtok;
    printf("%-28s %6.2f MB, %8zu tokens: QvTStrWalker %8.1f MB/s, strtok %8.1f MB/s, "
           "ratio %.2fx\n",
           name, megabytes, walkerScan.tokens, walkerRate, strtokRate, walkerRate / strtokRate);
    return true;
}
} // namespace

int main()
{
    printf("QvTStrWalker against strtok, delimiter ',', best of %d rounds\n", kRounds);
    bool ok = RunScenario("words (1-12 bytes)", 1, 12);
    ok = RunScenario("lines (40-120 bytes)", 40, 120) && ok;
    return ok ? 0 : 1;
}
