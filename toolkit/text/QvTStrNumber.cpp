// Strict parsing: the runtime's conversion must consume the whole text.
#include "QvText.h"

#include <stdlib.h>

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
    if (!text)
        return false;
    char* pEnd = nullptr;
    const double result = strtod(text, &pEnd);
    if (!pEnd || *pEnd != '\0')
        return false;
    value = result;
    return true;
}
