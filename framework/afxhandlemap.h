// Classes: CHandleMap, CTempMapRegistry
// Inside the framework only: which framework object stands for a Win32 handle. There is one
// map per kind of handle and per thread. Attach makes a permanent entry; FromHandle on a
// handle nobody attached makes a temporary object, valid until the thread next goes idle
// (AfxDeleteTempMaps), so a caller must not keep it across messages.
#pragma once

#include "afxver.h"

#include <unordered_map>
#include <vector>

// Every map of the thread, so that one call at idle time frees all temporary objects.
class CTempMapRegistry
{
public:
    virtual void DeleteTemp() = 0;

protected:
    static std::vector<CTempMapRegistry*>& ThreadMaps()
    {
        static thread_local std::vector<CTempMapRegistry*> maps;
        return maps;
    }
    friend void AfxDeleteThreadTempMaps();
};

inline void AfxDeleteThreadTempMaps()
{
    for (CTempMapRegistry* pMap : CTempMapRegistry::ThreadMaps())
        pMap->DeleteTemp();
}

// TObject must be default-constructible; pfnSetHandle stores a handle into an object (null to
// take it away again, so that deleting a temporary object never destroys a foreign handle).
template <class TObject, class THandle> class CHandleMap : public CTempMapRegistry
{
public:
    using SetHandleFn = void (*)(TObject*, THandle);

    explicit CHandleMap(SetHandleFn pfnSetHandle) : m_pfnSetHandle(pfnSetHandle)
    {
        ThreadMaps().push_back(this);
    }
    ~CHandleMap()
    {
        DeleteTemp();
        auto& maps = ThreadMaps();
        for (auto it = maps.begin(); it != maps.end(); ++it)
        {
            if (*it == this)
            {
                maps.erase(it);
                break;
            }
        }
    }
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    // The permanent object, else a temporary one (made on first use); null for a null handle.
    TObject* FromHandle(THandle h)
    {
        if (!h)
            return nullptr;
        if (TObject* pObject = LookupPermanent(h))
            return pObject;
        auto found = m_temporary.find(h);
        if (found != m_temporary.end())
            return found->second;
        TObject* pObject = new TObject;
        m_pfnSetHandle(pObject, h);
        m_temporary.emplace(h, pObject);
        return pObject;
    }
    TObject* LookupPermanent(THandle h) const
    {
        auto found = m_permanent.find(h);
        return found != m_permanent.end() ? found->second : nullptr;
    }
    TObject* LookupTemporary(THandle h) const
    {
        auto found = m_temporary.find(h);
        return found != m_temporary.end() ? found->second : nullptr;
    }
    void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }
    // Forgets the handle in both maps; a temporary object for it is deleted.
    void RemoveHandle(THandle h)
    {
        m_permanent.erase(h);
        auto found = m_temporary.find(h);
        if (found != m_temporary.end())
        {
            TObject* pObject = found->second;
            m_temporary.erase(found);
            m_pfnSetHandle(pObject, nullptr);
            delete pObject;
        }
    }
    void DeleteTemp() override
    {
        std::unordered_map<THandle, TObject*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary)
        {
            m_pfnSetHandle(entry.second, nullptr);
            delete entry.second;
        }
    }

private:
    SetHandleFn m_pfnSetHandle;
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
