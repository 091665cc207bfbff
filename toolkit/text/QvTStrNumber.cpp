// Strict parsing: the runtime's conversion must consume the whole text.
#include "QvText.h"

#include <stdlib.h>
#include <string.h>

namespace
{
using CrtStrtodFn = double(__cdecl*)(const char*, char**);

// The C runtime's own strtod (msvcrt). MinGW's headers put their C99 replacement in its place,
// which also reads "inf", "nan" and hexadecimal numbers.
CrtStrtodFn CrtStrtod()
{
    static const CrtStrtodFn pfn = reinterpret_cast<CrtStrtodFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("msvcrt.dll"), "strtod")));
    return pfn;
}

// Only decimal notation is a number: blanks, signs, digits, a point and an exponent mark.
bool IsDecimalNotation(const char* text)
{
    return text[strspn(text, " \t\n\v\f\r+-0123456789.eE")] == '\0';
}
} // namespace

bool FQvTStrToInt(const char* text, int& value)
{
    if (!text)
        return false;
    char* pEnd = nullptr;
    const long result = strtol(text, &pEnd, 10);
    if (!pEnd || *pEnd != '\0')
        return false;
    value = static_cast<int>(result);
    return true;
}

bool FQvTStrToDouble(const char* text, double& value)
{
    const CrtStrtodFn pfnStrtod = CrtStrtod();
    if (!text || !pfnStrtod || !IsDecimalNotation(text))
        return false;
    char* pEnd = nullptr;
    const double result = pfnStrtod(text, &pEnd);
    if (!pEnd || *pEnd != '\0')
        return false;
    value = result;
    return true;
}
