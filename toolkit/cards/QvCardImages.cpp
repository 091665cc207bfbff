// The library's card, chip and digit images, loaded once.
#include "QvCardImages.h"

JLibraryImages::JLibraryImages(UINT nType, const int* pIds, int nCount)
    : m_nType(nType), m_pIds(pIds), m_handles(nCount, nullptr), m_loaded(nCount, false)
{
}

JLibraryImages::~JLibraryImages()
{
    for (HANDLE h : m_handles)
    {
        if (!h)
            continue;
        if (m_nType == IMAGE_ICON)
            ::DestroyIcon(static_cast<HICON>(h));
        else
            ::DeleteObject(h);
    }
}

HANDLE JLibraryImages::Get(int index)
{
    if (index < 0 || index >= static_cast<int>(m_handles.size()) || m_pIds[index] <= 0)
        return nullptr;
    std::lock_guard<std::mutex> guard(m_mutex);
    if (!m_loaded[index])
    {
        // From the library's module directly: switching the framework's resource module would
        // change it for every thread of the process. Size 0 x 0 keeps the image's own size.
        m_handles[index] = ::LoadImageA(FQvTGetModuleHandle(), MAKEINTRESOURCEA(m_pIds[index]),
                                        m_nType, 0, 0, LR_DEFAULTCOLOR);
        m_loaded[index] = true;
    }
    return m_handles[index];
}
