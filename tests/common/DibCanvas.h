// Classes: DibCanvas. Constants: kWhite, kRed, kGreen, kBlue, kMagenta
// Shared by the drawing tests and benchmarks: a memory DC over a 32-bit DIB section whose pixels
// are read back directly.
#pragma once

#include <afxwin.h>

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
    // The pixels, top row first, 0x00RRGGBB each; drawing must be finished.
    const DWORD* Bits() const
    {
        ::GdiFlush();
        return m_pBits;
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
