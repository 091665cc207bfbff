// Functions: AfxAttachPermanent, AfxDetachPermanent
// Inside the framework only: how an owning object takes a handle and gives it up again.
#pragma once

#include "afxhandlemap.h"

// Stores h in hHeld and makes pObject its permanent object. Refused for a null handle and
// while the object holds another one.
template <class TObject, class THandle>
bool AfxAttachPermanent(CHandleMap<TObject, THandle>& map, THandle& hHeld, THandle h,
                        TObject* pObject)
{
    if (!h || hHeld)
        return false;
    hHeld = h;
    map.SetPermanent(h, pObject);
    return true;
}

// Empties hHeld and returns what it held. Another object may have attached the same handle
// since, and then keeps its entry. A temporary object for the handle stays until idle time,
// because a caller may still hold it; the permanent entry is then only emptied.
template <class TObject, class THandle>
THandle AfxDetachPermanent(CHandleMap<TObject, THandle>& map, THandle& hHeld,
                           const TObject* pObject)
{
    const THandle h = hHeld;
    hHeld = nullptr;
    if (!h || map.LookupPermanent(h) != pObject)
        return h;
    if (map.LookupTemporary(h))
        map.SetPermanent(h, nullptr);
    else
        map.RemoveHandle(h);
    return h;
}
