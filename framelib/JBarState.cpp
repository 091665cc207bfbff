#include "JBarState.h"

#include <stdio.h>

namespace
{
const char kVersion = '1';
const size_t kMaxRecords = 256;
const UINT kMaxValue = 65535;

// Digits up to the next ',' or ';' or the end; FALSE for anything else.
bool ParseNumber(LPCSTR& p, UINT& value)
{
    if (*p < '0' || *p > '9')
        return false;
    value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
    {
        value = value * 10 + static_cast<UINT>(*p - '0');
        if (value > kMaxValue)
            return false;
    }
    return true;
}
} // namespace

bool FQvFParseBarState(LPCSTR lpszText, size_t nFields, JBarStateRecords& records)
{
    records.clear();
    if (!lpszText || lpszText[0] != kVersion || (lpszText[1] != ';' && lpszText[1] != '\0'))
        return false;
    JBarStateRecords parsed;
    for (LPCSTR p = lpszText + 1; *p;)
    {
        if (*p++ != ';' || parsed.size() == kMaxRecords)
            return false;
        std::vector<UINT> record(nFields);
        for (size_t i = 0; i < nFields; ++i)
        {
            if ((i > 0 && *p++ != ',') || !ParseNumber(p, record[i]))
                return false;
        }
        parsed.push_back(record);
    }
    records.swap(parsed);
    return true;
}

CString FQvFFormatBarState(const JBarStateRecords& records)
{
    CString text(kVersion);
    char number[16];
    for (const auto& record : records)
    {
        for (size_t i = 0; i < record.size(); ++i)
        {
            snprintf(number, sizeof(number), "%c%u", i == 0 ? ';' : ',', record[i]);
            text += number;
        }
    }
    return text;
}
