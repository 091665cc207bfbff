// Classes: JXmlBytes
// A document's bytes as the DOM loads them fastest: one SAFEARRAY of VT_UI1.
#pragma once

#include <afx.h>

#include <oleauto.h>
#include <stddef.h>

class JXmlBytes
{
public:
    JXmlBytes() = default;
    ~JXmlBytes() { Free(); }
    JXmlBytes(const JXmlBytes&) = delete;
    JXmlBytes& operator=(const JXmlBytes&) = delete;

    // The whole file. False when it cannot be opened, is too large for one array, or cannot be
    // read to its end.
    bool ReadFile(const char* pszPath);
    // A copy of the bytes. False when the memory cannot be had.
    bool Assign(const void* pData, size_t nBytes);
    // The bytes themselves, lent without a copy: they must outlive this object and stay as
    // they are while it lives.
    bool Borrow(const void* pData, size_t nBytes);

    const BYTE* GetData() const
    {
        return m_pArray ? static_cast<BYTE*>(m_pArray->pvData) : nullptr;
    }
    size_t GetSize() const { return m_pArray ? m_pArray->rgsabound[0].cElements : 0; }
    // The argument of IXMLDOMDocument::load; it borrows the array, so it lives no longer
    // than this object.
    VARIANT AsVariant() const;

private:
    bool Allocate(size_t nBytes);
    void Free();

    SAFEARRAY* m_pArray = nullptr;
    bool m_bBorrowed = false;
};
