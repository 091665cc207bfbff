// Classes: DibCanvas, ResourceChainScope. Functions: PixelIs, IsHeapBlockInUse, PrintTo
// Drawing tests draw into a memory DC over a 32-bit DIB section and read the pixels back.
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

#include <stdio.h>

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255); // the transparent colour of the tests

// A cx x cy top-down 32-bit DIB section selected into a memory CDC, filled with white.
class DibCanvas
{
public:
    DibCanvas(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_pBits = static_cast<DWORD*>(pBits);
        if (m_dc.CreateCompatibleDC(nullptr) && m_hBitmap)
            m_hOldBitmap = ::SelectObject(m_dc, m_hBitmap);
        Fill(kWhite);
    }
    ~DibCanvas()
    {
        if (m_hOldBitmap)
            ::SelectObject(m_dc, m_hOldBitmap);
        m_dc.DeleteDC();
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool IsReady() const { return m_pBits && m_hOldBitmap; }
    CDC& DC() { return m_dc; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

    void Fill(COLORREF colour)
    {
        if (!m_pBits)
            return;
        ::GdiFlush();
        const DWORD value = ToPixel(colour);
        for (int i = 0; i < m_cx * m_cy; ++i)
            m_pBits[i] = value;
    }
    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        const DWORD value = m_pBits[y * m_cx + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
    // How many pixels of the rectangle have the colour.
    int Count(const RECT& rect, COLORREF colour) const
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                count += Pixel(x, y) == colour;
        return count;
    }

private:
    static DWORD ToPixel(COLORREF colour)
    {
        return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }

    int m_cx;
    int m_cy;
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    DWORD* m_pBits = nullptr;
};

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
