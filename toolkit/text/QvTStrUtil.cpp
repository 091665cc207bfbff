// Formatting, duplication, case-insensitive search and resource loading of narrow strings.
#include "QvText.h"

#include <mbstring.h>
#include <stdarg.h>
#include <string.h>

#include <new>

CString FQvTStrFormat(const char* format, ...)
{
    CString result;
    if (!format)
        return result;
    va_list args;
    va_start(args, format);
    // FormatV measures the output first and sizes the buffer to it, so no length overflows.
    result.FormatV(format, args);
    va_end(args);
    return result;
}

char* FQvTStrDup(const char* text)
{
    if (!text)
        return nullptr;
    const size_t nBytes = strlen(text) + 1;
    char* pCopy = new (std::nothrow) char[nBytes];
    if (pCopy)
        memcpy(pCopy, text, nBytes);
    return pCopy;
}

const char* FQvTStrFindNoCase(const char* text, const char* pattern)
{
    if (!text || !pattern)
        return nullptr;
    const size_t nPattern = strlen(pattern);
    const unsigned char* pPattern = reinterpret_cast<const unsigned char*>(pattern);
    // Byte steps, not character steps; _mbsnbicmp stops at the terminator of either side.
    for (const char* p = text; *p; ++p)
    {
        if (_mbsnbicmp(reinterpret_cast<const unsigned char*>(p), pPattern, nPattern) == 0)
            return p;
    }
    return nullptr;
}

CString FQvTLoadString(unsigned int id)
{
    CString text;
    if (!text.LoadString(id))
        text.Empty(); // a missing resource gives the empty string
    return text;
}
