// Scope objects that hold a font, pen or brush selected in a DC for their lifetime.
#include "QvDraw.h"

namespace
{
// Selects object into dc and returns what was selected before; null, and nothing selected,
// when the object could not be made.
HGDIOBJ SelectInto(CDC& dc, CGdiObject& object)
{
    if (!object.GetSafeHandle())
        return nullptr;
    CGdiObject* pPrevious = dc.SelectObject(&object);
    return pPrevious ? pPrevious->GetSafeHandle() : nullptr;
}

void SelectBack(CDC* pDC, HGDIOBJ hPrevious)
{
    if (hPrevious)
        pDC->SelectObject(CGdiObject::FromHandle(hPrevious));
}
} // namespace

QvTFontAuto::QvTFontAuto(CDC& dc, const char* face, int size, bool byHeight)
    : QvTFont(face, size, byHeight), m_pDC(&dc), m_hPrevious(SelectInto(dc, *this))
{
}

QvTFontAuto::~QvTFontAuto()
{
    SelectBack(m_pDC, m_hPrevious);
}

QvTGDIFontAuto::QvTGDIFontAuto(CDC& dc, const char* face, int size, bool byHeight)
    : QvTFont(face, size, byHeight), m_pDC(&dc), m_hPrevious(SelectInto(dc, *this))
{
}

QvTGDIFontAuto::~QvTGDIFontAuto()
{
    SelectBack(m_pDC, m_hPrevious);
}

QvTGDIPenAuto::QvTGDIPenAuto(CDC& dc, int style, int width, COLORREF color)
    : m_pDC(&dc), m_hPrevious(CreatePen(style, width, color) ? SelectInto(dc, *this) : nullptr)
{
}

QvTGDIPenAuto::~QvTGDIPenAuto()
{
    SelectBack(m_pDC, m_hPrevious);
    DeleteObject();
}

QvTGDIBrushAuto::QvTGDIBrushAuto(CDC& dc, COLORREF color)
    : m_pDC(&dc), m_hPrevious(CreateSolidBrush(color) ? SelectInto(dc, *this) : nullptr)
{
}

QvTGDIBrushAuto::~QvTGDIBrushAuto()
{
    SelectBack(m_pDC, m_hPrevious);
    DeleteObject();
}
