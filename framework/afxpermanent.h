// Functions: AfxRemovePermanent
// Inside the framework only: how an owning object leaves a handle map.
#pragma once

#include "afxhandlemap.h"

// Forgets pObject as the owner of h. Another object may have attached the same handle since,
// and then keeps its entry. A temporary object for h stays until idle time, because a caller
// may still hold it; the permanent entry is then only emptied.
template <class TObject, class THandle>
void AfxRemovePermanent(CHandleMap<TObject, THandle>& map, THandle h, const TObject* pObject)
{
    if (map.LookupPermanent(h) != pObject)
        return;
    if (map.LookupTemporary(h))
        map.SetPermanent(h, nullptr);
    else
        map.RemoveHandle(h);
}
