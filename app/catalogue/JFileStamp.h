// Classes: JFileStamp
// The size and last-write time of a file: what tells that another program rewrote it.
#pragma once

#include <afx.h>

class JFileStamp
{
public:
    // The file's stamp; a stamp that says the file is missing when it cannot be read.
    static JFileStamp Of(const char* pszPath);

    bool Exists() const { return m_bExists; }
    bool operator==(const JFileStamp& other) const;
    bool operator!=(const JFileStamp& other) const { return !(*this == other); }

private:
    bool m_bExists = false;
    ULONGLONG m_nSize = 0;
    FILETIME m_lastWrite = {0, 0};
};
