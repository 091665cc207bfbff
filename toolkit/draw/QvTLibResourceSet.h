// Classes: QvTLibResourceSet
// Inside the library only: a scope that makes the library's own module the framework's
// resource module, so that the library's images and strings load whichever module called it.
#pragma once

#include "toolkit/QvToolsApi.h"

class QvTLibResourceSet
{
public:
    // With useLibrary false nothing is switched, and nothing is given back at the end.
    explicit QvTLibResourceSet(bool useLibrary)
        : m_bSwitched(useLibrary), m_hPrevious(useLibrary ? AfxGetResourceHandle() : nullptr)
    {
        if (m_bSwitched)
            AfxSetResourceHandle(FQvTGetModuleHandle());
    }
    ~QvTLibResourceSet()
    {
        if (m_bSwitched)
            AfxSetResourceHandle(m_hPrevious);
    }
    QvTLibResourceSet(const QvTLibResourceSet&) = delete;
    QvTLibResourceSet& operator=(const QvTLibResourceSet&) = delete;

private:
    bool m_bSwitched;
    HINSTANCE m_hPrevious;
};
