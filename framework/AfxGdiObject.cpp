#include "afxwin.h"
#include "afxpermanent.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace
{
template <class TObject, class THandle> void SetObjectHandle(TObject* pObject, THandle hObject)
{
    pObject->m_hObject = hObject;
}

// Per thread: the owning objects of every kind of GDI handle, and the temporary objects of
// kinds without a class of their own.
CHandleMap<CGdiObject, HGDIOBJ>& ObjectMap()
{
    return AfxThreadHandleMap<CGdiObject, HGDIOBJ>(&SetObjectHandle<CGdiObject, HGDIOBJ>);
}

// Per thread and kind: the temporary objects, made in the handle's own class.
template <class TObject, class THandle> CHandleMap<TObject, THandle>& TemporaryMap()
{
    return AfxThreadHandleMap<TObject, THandle>(&SetObjectHandle<TObject, THandle>);
}

template <class TObject, class THandle> TObject* TypedFromHandle(THandle hObject)
{
    if (!hObject)
        return nullptr;
    CGdiObject* pOwner = ObjectMap().LookupPermanent(hObject);
    if (pOwner && pOwner->IsKindOf(RUNTIME_CLASS(TObject)))
        return static_cast<TObject*>(pOwner);
    return TemporaryMap<TObject, THandle>().FromHandle(hObject);
}
} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    if (CGdiObject* pOwner = ObjectMap().LookupPermanent(hObject))
        return pOwner;
    switch (::GetObjectType(hObject))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return CPen::FromHandle(static_cast<HPEN>(hObject));
    case OBJ_BRUSH:
        return CBrush::FromHandle(static_cast<HBRUSH>(hObject));
    case OBJ_FONT:
        return CFont::FromHandle(static_cast<HFONT>(hObject));
    case OBJ_BITMAP:
        return CBitmap::FromHandle(static_cast<HBITMAP>(hObject));
    case OBJ_REGION:
        return CRgn::FromHandle(static_cast<HRGN>(hObject));
    default:
        return ObjectMap().FromHandle(hObject);
    }
}

CPen* PASCAL CPen::FromHandle(HPEN hPen)
{
    return TypedFromHandle<CPen>(hPen);
}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush)
{
    return TypedFromHandle<CBrush>(hBrush);
}

CFont* PASCAL CFont::FromHandle(HFONT hFont)
{
    return TypedFromHandle<CFont>(hFont);
}

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap)
{
    return TypedFromHandle<CBitmap>(hBitmap);
}

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn)
{
    return TypedFromHandle<CRgn>(hRgn);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    ObjectMap().DeleteTemp();
    TemporaryMap<CPen, HPEN>().DeleteTemp();
    TemporaryMap<CBrush, HBRUSH>().DeleteTemp();
    TemporaryMap<CFont, HFONT>().DeleteTemp();
    TemporaryMap<CBitmap, HBITMAP>().DeleteTemp();
    TemporaryMap<CRgn, HRGN>().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return AfxAttachPermanent(ObjectMap(), m_hObject, hObject, this);
}

HGDIOBJ CGdiObject::Detach()
{
    return AfxDetachPermanent(ObjectMap(), m_hObject, static_cast<const CGdiObject*>(this));
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hCreated)
{
    if (Attach(hCreated))
        return TRUE;
    if (hCreated)
        ::DeleteObject(hCreated); // this object already holds another handle
    return FALSE;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return AttachCreated(::GetStockObject(nIndex));
}
