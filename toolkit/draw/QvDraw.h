// Classes: QvTLogFont, QvTFont, QvTFontAuto, QvTGDIFontAuto, QvTGDIPenAuto, QvTGDIBrushAuto,
//          QvTDCTemp, QvTDCRef, QvTGDIRef, QvTGDIRefBitmap, QvTAfxResourceHandleSet
#pragma once

#include "toolkit/QvToolsApi.h"

// A logical-font record. Face names longer than the record holds (31 bytes) are cut at the
// last whole character that fits.
class QVTOOLS_API QvTLogFont : public LOGFONT
{
public:
    // The font's description; all fields 0 when the font holds nothing.
    explicit QvTLogFont(CFont& font);
    // All fields 0 except the face name (and the height: negative for a character height,
    // positive for a cell height, in logical units).
    explicit QvTLogFont(const char* face);
    QvTLogFont(const char* face, int height);
    QvTLogFont(const QvTLogFont& src) = default;
    QvTLogFont& operator=(const QvTLogFont& src);
};

// A font made from a face and a size: a logical height (byHeight) or tenths of a point. When
// it cannot be made the object holds no font (GetSafeHandle() is null).
class QVTOOLS_API QvTFont : public CFont
{
public:
    QvTFont(const char* face, int size, bool byHeight);
    virtual ~QvTFont();
};

// Scope objects: the constructor makes the font, pen or brush and selects it into dc, the
// destructor selects back what was selected before and deletes it. Several on one DC must end
// in the reverse order of their making. What could not be made is not selected.
class QVTOOLS_API QvTFontAuto : public QvTFont
{
public:
    QvTFontAuto(CDC& dc, const char* face, int size, bool byHeight);
    virtual ~QvTFontAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

class QVTOOLS_API QvTGDIFontAuto : public QvTFont
{
public:
    QvTGDIFontAuto(CDC& dc, const char* face, int size, bool byHeight);
    virtual ~QvTGDIFontAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

class QVTOOLS_API QvTGDIPenAuto : public CPen
{
public:
    // style: PS_SOLID, PS_DASH...; width in pixels
    QvTGDIPenAuto(CDC& dc, int style, int width, COLORREF color);
    virtual ~QvTGDIPenAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

class QVTOOLS_API QvTGDIBrushAuto : public CBrush
{
public:
    QvTGDIBrushAuto(CDC& dc, COLORREF color);
    virtual ~QvTGDIBrushAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

// A framework DC for a handle that belongs to someone else: the destructor lets go of the
// handle without releasing or deleting it.
class QVTOOLS_API QvTDCTemp : public CDC
{
public:
    explicit QvTDCTemp(HDC hDC);
    virtual ~QvTDCTemp();
};

class QVTOOLS_API QvTDCRef : public CDC
{
public:
    explicit QvTDCRef(HDC hDC);
    virtual ~QvTDCRef();
};

// A framework GDI object of class T for a handle of type H that belongs to someone else: the
// destructor lets go of the handle and the GDI object survives.
template <class T, class H> class QvTGDIRef : public T
{
public:
    explicit QvTGDIRef(H handle) { this->Attach(handle); }
    virtual ~QvTGDIRef() { this->Detach(); }
};

class QVTOOLS_API QvTGDIRefBitmap : public QvTGDIRef<CBitmap, HBITMAP>
{
public:
    explicit QvTGDIRefBitmap(HBITMAP hBitmap);
    virtual ~QvTGDIRefBitmap();
};

// Makes module the framework's resource module for the scope and gives the earlier one back
// at its end. Nested scopes must end in the reverse order of their making.
class QVTOOLS_API QvTAfxResourceHandleSet
{
public:
    explicit QvTAfxResourceHandleSet(HINSTANCE module);
    ~QvTAfxResourceHandleSet();
    QvTAfxResourceHandleSet(const QvTAfxResourceHandleSet&) = delete;
    // Takes over src's remembered module: both scopes then give back the same one.
    QvTAfxResourceHandleSet& operator=(const QvTAfxResourceHandleSet& src);

private:
    HINSTANCE m_hPrevious;
};
