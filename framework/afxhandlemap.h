// Classes: CHandleMap, CTempMapRegistry, CThreadHandleMaps
// Functions: AfxThreadHandleMap, AfxDeleteThreadTempMaps
// Inside the framework only: which framework object stands for a Win32 handle. There is one
// map per kind of handle and per thread. Attach makes a permanent entry; FromHandle on a
// handle nobody attached makes a temporary object, valid until the thread next goes idle
// (AfxDeleteThreadTempMaps), so a caller must not keep it across messages.
#pragma once

#include "afxver.h"

#include <atomic>
#include <memory>
#include <unordered_map>
#include <vector>

class CTempMapRegistry
{
public:
    virtual ~CTempMapRegistry() = default;
    virtual void DeleteTemp() = 0;
};

// TObject must be default-constructible; pfnSetHandle stores a handle into an object (null to
// take it away again, so that deleting a temporary object never destroys a foreign handle).
template <class TObject, class THandle> class CHandleMap : public CTempMapRegistry
{
public:
    using SetHandleFn = void (*)(TObject*, THandle);

    explicit CHandleMap(SetHandleFn pfnSetHandle) : m_pfnSetHandle(pfnSetHandle) {}
    ~CHandleMap() override { DeleteTemp(); }
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

// The handle maps of one thread, made on first use and destroyed, with their temporary
// objects, when the thread ends. They hang on fiber-local storage, whose callback runs at
// thread exit: MinGW runs the destructors of C++ thread_local objects after their storage is
// gone, which crashes a worker thread as it ends.
class CThreadHandleMaps
{
public:
    // The calling thread's maps; null when bCreate is false and the thread has none yet.
    static CThreadHandleMaps* Current(bool bCreate)
    {
        static const DWORD s_nSlot = ::FlsAlloc(&OnThreadExit);
        // Without a slot the maps stay until the process ends: a leak, not a fault.
        static thread_local CThreadHandleMaps* s_pFallback = nullptr;
        auto* pMaps = s_nSlot == FLS_OUT_OF_INDEXES
                          ? s_pFallback
                          : static_cast<CThreadHandleMaps*>(::FlsGetValue(s_nSlot));
        if (pMaps || !bCreate)
            return pMaps;
        pMaps = new CThreadHandleMaps;
        if (s_nSlot == FLS_OUT_OF_INDEXES || !::FlsSetValue(s_nSlot, pMaps))
            s_pFallback = pMaps;
        return pMaps;
    }

    template <class TObject, class THandle>
    CHandleMap<TObject, THandle>& Map(typename CHandleMap<TObject, THandle>::SetHandleFn pfn)
    {
        static const size_t s_nKind = NextKind()++;
        if (m_maps.size() <= s_nKind)
            m_maps.resize(s_nKind + 1);
        if (!m_maps[s_nKind])
            m_maps[s_nKind].reset(new CHandleMap<TObject, THandle>(pfn));
        return static_cast<CHandleMap<TObject, THandle>&>(*m_maps[s_nKind]);
    }

    void DeleteTemp()
    {
        for (auto& pMap : m_maps)
        {
            if (pMap)
                pMap->DeleteTemp();
        }
    }

private:
    static std::atomic<size_t>& NextKind()
    {
        static std::atomic<size_t> s_nNext{0};
        return s_nNext;
    }
    static void WINAPI OnThreadExit(PVOID pData) { delete static_cast<CThreadHandleMaps*>(pData); }

    std::vector<std::unique_ptr<CTempMapRegistry>> m_maps; // indexed by kind of handle
};

// The calling thread's map for one kind of handle.
template <class TObject, class THandle>
CHandleMap<TObject, THandle>& AfxThreadHandleMap(
    typename CHandleMap<TObject, THandle>::SetHandleFn pfnSetHandle)
{
    return CThreadHandleMaps::Current(true)->Map<TObject, THandle>(pfnSetHandle);
}

// Frees every temporary object of the calling thread; their handles stay alive.
inline void AfxDeleteThreadTempMaps()
{
    if (CThreadHandleMaps* pMaps = CThreadHandleMaps::Current(false))
        pMaps->DeleteTemp();
}
