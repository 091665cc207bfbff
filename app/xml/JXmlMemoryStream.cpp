#include "app/xml/JXmlMemoryStream.h"

#include <string.h>

#include <algorithm>
#include <exception>
#include <new>

Microsoft::WRL::ComPtr<JXmlMemoryStream> JXmlMemoryStream::Create(size_t nExpectedBytes)
{
    Microsoft::WRL::ComPtr<JXmlMemoryStream> stream;
    stream.Attach(new (std::nothrow) JXmlMemoryStream);
    if (stream && nExpectedBytes)
    {
        try
        {
            stream->m_bytes.reserve(nExpectedBytes);
        }
        catch (const std::exception&)
        {
            // The writes will grow it as far as they can.
        }
    }
    return stream;
}

Microsoft::WRL::ComPtr<JXmlMemoryStream> JXmlMemoryStream::CreateComparing(const BYTE* pExpected,
                                                                           size_t nExpected)
{
    Microsoft::WRL::ComPtr<JXmlMemoryStream> stream;
    stream.Attach(new (std::nothrow) JXmlMemoryStream);
    if (stream)
    {
        stream->m_bComparing = true;
        stream->m_pExpected = pExpected;
        stream->m_nExpected = pExpected ? nExpected : 0;
    }
    return stream;
}

STDMETHODIMP JXmlMemoryStream::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISequentialStream) ||
        IsEqualIID(riid, IID_IStream))
    {
        *ppv = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) JXmlMemoryStream::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

STDMETHODIMP_(ULONG) JXmlMemoryStream::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

STDMETHODIMP JXmlMemoryStream::Read(void* pv, ULONG cb, ULONG* pcbRead)
{
    if (!pv && cb)
        return STG_E_INVALIDPOINTER;
    const size_t nLeft = m_nPosition < m_bytes.size() ? m_bytes.size() - m_nPosition : 0;
    const ULONG nRead = nLeft < cb ? static_cast<ULONG>(nLeft) : cb;
    if (nRead)
        memcpy(pv, m_bytes.data() + m_nPosition, nRead);
    m_nPosition += nRead;
    if (pcbRead)
        *pcbRead = nRead;
    return nRead < cb ? S_FALSE : S_OK;
}

STDMETHODIMP JXmlMemoryStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten)
{
    if (pcbWritten)
        *pcbWritten = 0;
    if (!pv && cb)
        return STG_E_INVALIDPOINTER;
    const BYTE* pBytes = static_cast<const BYTE*>(pv);
    if (m_bComparing)
    {
        if (m_nPosition > m_nExpected || cb > m_nExpected - m_nPosition ||
            (cb && memcmp(m_pExpected + m_nPosition, pBytes, cb) != 0))
            m_bDiffers = true;
        m_nPosition += cb;
        m_nEnd = std::max(m_nEnd, m_nPosition);
        if (pcbWritten)
            *pcbWritten = cb;
        return S_OK;
    }
    try
    {
        // Appending, as a save does, grows the block by doubling: a save of n bytes stays
        // O(n) whatever size its writes come in.
        const size_t nOverlap =
            m_nPosition < m_bytes.size() ? std::min<size_t>(cb, m_bytes.size() - m_nPosition) : 0;
        if (m_nPosition > m_bytes.size())
            m_bytes.resize(m_nPosition);
        if (nOverlap)
            memcpy(m_bytes.data() + m_nPosition, pBytes, nOverlap);
        m_bytes.insert(m_bytes.end(), pBytes + nOverlap, pBytes + cb);
    }
    catch (const std::exception&)
    {
        m_bFailed = true;
        return STG_E_MEDIUMFULL;
    }
    m_nPosition += cb;
    if (pcbWritten)
        *pcbWritten = cb;
    return S_OK;
}

STDMETHODIMP JXmlMemoryStream::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                                    ULARGE_INTEGER* plibNewPosition)
{
    LONGLONG nBase = 0;
    switch (dwOrigin)
    {
    case STREAM_SEEK_SET:
        break;
    case STREAM_SEEK_CUR:
        nBase = static_cast<LONGLONG>(m_nPosition);
        break;
    case STREAM_SEEK_END:
        nBase = static_cast<LONGLONG>(m_bComparing ? m_nEnd : m_bytes.size());
        break;
    default:
        return STG_E_INVALIDFUNCTION;
    }
    const LONGLONG nPosition = nBase + dlibMove.QuadPart;
    if (nPosition < 0)
        return STG_E_INVALIDFUNCTION;
    m_nPosition = static_cast<size_t>(nPosition);
    if (plibNewPosition)
        plibNewPosition->QuadPart = static_cast<ULONGLONG>(nPosition);
    return S_OK;
}

STDMETHODIMP JXmlMemoryStream::SetSize(ULARGE_INTEGER libNewSize)
{
    if (m_bComparing)
    {
        m_nEnd = static_cast<size_t>(libNewSize.QuadPart);
        return S_OK;
    }
    try
    {
        m_bytes.resize(static_cast<size_t>(libNewSize.QuadPart));
    }
    catch (const std::exception&)
    {
        m_bFailed = true;
        return STG_E_MEDIUMFULL;
    }
    return S_OK;
}

STDMETHODIMP JXmlMemoryStream::CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*)
{
    return E_NOTIMPL;
}

STDMETHODIMP JXmlMemoryStream::Commit(DWORD)
{
    return S_OK; // nothing is buffered apart from the memory itself
}

STDMETHODIMP JXmlMemoryStream::Revert()
{
    return S_OK;
}

STDMETHODIMP JXmlMemoryStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

STDMETHODIMP JXmlMemoryStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

STDMETHODIMP JXmlMemoryStream::Stat(STATSTG* pstatstg, DWORD)
{
    if (!pstatstg)
        return STG_E_INVALIDPOINTER;
    memset(pstatstg, 0, sizeof *pstatstg);
    pstatstg->type = STGTY_STREAM;
    pstatstg->cbSize.QuadPart = m_bComparing ? m_nEnd : m_bytes.size();
    return S_OK;
}

STDMETHODIMP JXmlMemoryStream::Clone(IStream** ppstm)
{
    if (ppstm)
        *ppstm = nullptr;
    return E_NOTIMPL;
}
