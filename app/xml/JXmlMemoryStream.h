// Classes: JXmlMemoryStream
// An IStream in memory for the DOM to save a document into: it keeps the bytes in a block
// that grows by doubling (Wine's stream on an HGLOBAL reallocates to the exact size on every
// write, which takes seconds for a catalogue of a few megabytes), or, made to compare, keeps
// nothing and tells whether the bytes equal those it was given.
#pragma once

#include <objidl.h>
#include <wrl/client.h>

#include <vector>

class JXmlMemoryStream : public IStream
{
public:
    // Null when there is no memory for it. nExpectedBytes is room made at once, when known.
    static Microsoft::WRL::ComPtr<JXmlMemoryStream> Create(size_t nExpectedBytes = 0);
    // A stream that compares what is written with pExpected, which must outlive it.
    static Microsoft::WRL::ComPtr<JXmlMemoryStream> CreateComparing(const BYTE* pExpected,
                                                                    size_t nExpected);

    const std::vector<BYTE>& GetBytes() const { return m_bytes; }
    // A write failed for want of memory; what the stream holds is then not the document.
    bool Failed() const { return m_bFailed; }
    // Of a comparing stream: every byte written equals the expected byte at its place, and all
    // the expected bytes were written.
    bool MatchesExpected() const { return !m_bDiffers && m_nEnd == m_nExpected; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // ISequentialStream
    STDMETHODIMP Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    STDMETHODIMP Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    // IStream
    STDMETHODIMP Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                      ULARGE_INTEGER* plibNewPosition) override;
    STDMETHODIMP SetSize(ULARGE_INTEGER libNewSize) override;
    STDMETHODIMP CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                        ULARGE_INTEGER* pcbWritten) override;
    STDMETHODIMP Commit(DWORD grfCommitFlags) override;
    STDMETHODIMP Revert() override;
    STDMETHODIMP LockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
    STDMETHODIMP UnlockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb,
                              DWORD dwLockType) override;
    STDMETHODIMP Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
    STDMETHODIMP Clone(IStream** ppstm) override;

private:
    JXmlMemoryStream() = default;
    virtual ~JXmlMemoryStream() = default;

    LONG m_nRefs = 1;
    std::vector<BYTE> m_bytes;
    size_t m_nPosition = 0;
    bool m_bFailed = false;
    // Comparing: the bytes expected, and how far the writes have reached.
    bool m_bComparing = false;
    const BYTE* m_pExpected = nullptr;
    size_t m_nExpected = 0;
    size_t m_nEnd = 0;
    bool m_bDiffers = false;
};
