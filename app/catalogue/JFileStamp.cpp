#include "app/catalogue/JFileStamp.h"

JFileStamp JFileStamp::Of(const char* pszPath)
{
    JFileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(pszPath, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return stamp;
    stamp.m_bExists = true;
    stamp.m_nSize = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.m_lastWrite = data.ftLastWriteTime;
    return stamp;
}

bool JFileStamp::operator==(const JFileStamp& other) const
{
    if (m_bExists != other.m_bExists)
        return false;
    return !m_bExists ||
           (m_nSize == other.m_nSize && ::CompareFileTime(&m_lastWrite, &other.m_lastWrite) == 0);
}
