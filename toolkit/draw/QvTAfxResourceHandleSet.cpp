// A scope that switches the framework's resource module.
#include "QvDraw.h"

QvTAfxResourceHandleSet::QvTAfxResourceHandleSet(HINSTANCE module)
    : m_hPrevious(AfxGetResourceHandle())
{
    AfxSetResourceHandle(module);
}

QvTAfxResourceHandleSet::~QvTAfxResourceHandleSet()
{
    AfxSetResourceHandle(m_hPrevious);
}

QvTAfxResourceHandleSet& QvTAfxResourceHandleSet::operator=(const QvTAfxResourceHandleSet& src)
{
    m_hPrevious = src.m_hPrevious;
    return *this;
}
