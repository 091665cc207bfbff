// Classes: ResourceChainScope (and DibCanvas). Functions: PixelIs, IsHeapBlockInUse, PrintTo
// Drawing tests draw into a memory DC over a 32-bit DIB section and read the pixels back.
#pragma once

#include "../common/DibCanvas.h"

#include <gtest/gtest.h>

#include <stdio.h>

// Readable failure messages for the geometric types (found by GoogleTest through ADL).
inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
inline void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}
inline void PrintTo(const CSize& size, std::ostream* os)
{
    *os << size.cx << " x " << size.cy;
}

inline std::string ColourText(COLORREF colour)
{
    char text[32];
    snprintf(text, sizeof(text), "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour),
             GetBValue(colour));
    return text;
}

inline ::testing::AssertionResult PixelIs(const DibCanvas& canvas, int x, int y, COLORREF expected)
{
    const COLORREF actual = canvas.Pixel(x, y);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << "): expected "
                                         << ColourText(expected) << ", got " << ColourText(actual);
}

// Whether p is the start of a live block of one of the process heaps: lets a test see that
// the framework freed an object it allocated, without touching the freed memory.
inline bool IsHeapBlockInUse(const void* p)
{
    HANDLE heaps[64];
    const DWORD nHeaps = ::GetProcessHeaps(64, heaps);
    bool inUse = false;
    for (DWORD i = 0; i < nHeaps && i < 64 && !inUse; ++i)
    {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[i], &entry))
        {
            if (entry.lpData == p && (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY))
            {
                inUse = true;
                break;
            }
        }
        ::HeapUnlock(heaps[i]);
    }
    return inUse;
}

// Makes the framework DLL the current resource module, so that the test program's own
// resources are found only through the resource chain; with registerProgram the program joins
// the chain as an extension module for the scope.
class ResourceChainScope
{
public:
    explicit ResourceChainScope(bool registerProgram) : m_hPrevious(AfxGetResourceHandle())
    {
        AfxSetResourceHandle(::GetModuleHandleA("ShvAfx.dll"));
        if (registerProgram && AfxInitExtensionModule(m_module, ::GetModuleHandleA(nullptr)))
            new CDynLinkLibrary(m_module); // unlinked and deleted by AfxTermExtensionModule
    }
    ~ResourceChainScope()
    {
        AfxTermExtensionModule(m_module);
        AfxSetResourceHandle(m_hPrevious);
    }
    ResourceChainScope(const ResourceChainScope&) = delete;
    ResourceChainScope& operator=(const ResourceChainScope&) = delete;

private:
    HINSTANCE m_hPrevious;
    AFX_EXTENSION_MODULE m_module = {};
};
