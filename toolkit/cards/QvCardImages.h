// Classes: JLibraryImages
// Inside the library only: images of the library's own module by table index, each loaded on
// first use and kept until the process ends.
#pragma once

#include "toolkit/QvToolsApi.h"

#include <mutex>
#include <vector>

class JLibraryImages
{
public:
    // nType: IMAGE_BITMAP or IMAGE_ICON; pIds[i] is the resource of index i, 0 or less for
    // none. The table must outlive the object.
    JLibraryImages(UINT nType, const int* pIds, int nCount);
    ~JLibraryImages();
    JLibraryImages(const JLibraryImages&) = delete;
    JLibraryImages& operator=(const JLibraryImages&) = delete;

    // Null for an index outside the table, an index without a resource, or an image that did
    // not load (which is not tried again).
    HANDLE Get(int index);

private:
    UINT m_nType;
    const int* m_pIds;
    std::vector<HANDLE> m_handles;
    std::vector<bool> m_loaded;
    std::mutex m_mutex;
};
