// Classes: JXmlBstr; Functions: JXmlNarrow, JXmlNarrowNoThrow
// Conversion between the program's narrow strings (ANSI code page) and the DOM's BSTRs.
#pragma once

#include <afx.h>

#include <oleauto.h>

// An owned BSTR made from a narrow string; raises JXmlError(E_OUTOFMEMORY) when it cannot.
class JXmlBstr
{
public:
    explicit JXmlBstr(LPCSTR psz);
    ~JXmlBstr() { ::SysFreeString(m_bstr); }
    JXmlBstr(const JXmlBstr&) = delete;
    JXmlBstr& operator=(const JXmlBstr&) = delete;

    operator BSTR() const { return m_bstr; }

private:
    BSTR m_bstr;
};

// A BSTR taken over from a DOM call: freed when the holder goes.
class JXmlBstrResult
{
public:
    JXmlBstrResult() = default;
    ~JXmlBstrResult() { ::SysFreeString(m_bstr); }
    JXmlBstrResult(const JXmlBstrResult&) = delete;
    JXmlBstrResult& operator=(const JXmlBstrResult&) = delete;

    BSTR* operator&() { return &m_bstr; }
    BSTR Get() const { return m_bstr; }

private:
    BSTR m_bstr = nullptr;
};

// Wide to narrow through the ANSI code page; raises JXmlError(E_OUTOFMEMORY) on failure.
CString JXmlNarrow(LPCWSTR pwsz, int nChars = -1);
// The same for error paths that must not raise: empty text on failure.
CString JXmlNarrowNoThrow(LPCWSTR pwsz);
