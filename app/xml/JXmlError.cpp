#include "app/xml/JXmlError.h"

#include "app/xml/JXmlString.h"

#include <oleauto.h>

void JXmlCheck(HRESULT hr)
{
    if (SUCCEEDED(hr))
        return;
    CString description;
    IErrorInfo* pInfo = nullptr;
    if (::GetErrorInfo(0, &pInfo) == S_OK && pInfo)
    {
        BSTR text = nullptr;
        if (SUCCEEDED(pInfo->GetDescription(&text)) && text)
        {
            description = JXmlNarrowNoThrow(text);
            ::SysFreeString(text);
        }
        pInfo->Release();
    }
    throw JXmlError(hr, description);
}
