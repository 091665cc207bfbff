// Classes: JXmlError
// The XML layer's own error object: a failed DOM call raised inside the layer and caught by
// every operation except JXmlNodeList::GetItem.
#pragma once

#include <afx.h>

class JXmlError
{
public:
    JXmlError(HRESULT hr, const CString& description) : m_hr(hr), m_description(description) {}

    HRESULT GetStatus() const { return m_hr; }
    const CString& GetDescription() const { return m_description; }

private:
    HRESULT m_hr;
    CString m_description;
};

// Raises JXmlError when hr is a failure status, with the error description that the object
// (if any) set for the calling thread.
void JXmlCheck(HRESULT hr);
