// Types: JBarStateRecords; Functions: FQvFParseBarState, FQvFFormatBarState
// Inside QVFTOOLS100: the text in which the bars keep their layout in the profile.
#pragma once

#include <afxwin.h>

#include <vector>

// "1;a,b;c,d": the format's version, then one record per button or band, each with the same
// number of integers from 0 to 65535.
typedef std::vector<std::vector<UINT>> JBarStateRecords;

// false for anything else (another version, a missing or extra field, a sign, a number out of
// range, more than 256 records); records is then left empty
bool FQvFParseBarState(LPCSTR lpszText, size_t nFields, JBarStateRecords& records);
CString FQvFFormatBarState(const JBarStateRecords& records);
