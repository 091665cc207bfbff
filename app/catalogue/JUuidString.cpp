#include "app/catalogue/JUuidString.h"

#include <mbstring.h>

namespace
{
JUuidCreator s_pfnUuidCreate = ::UuidCreateSequential;
}

JUuidCreator JSetUuidCreator(JUuidCreator pfnCreator)
{
    JUuidCreator pfnOld = s_pfnUuidCreate;
    s_pfnUuidCreate = pfnCreator ? pfnCreator : ::UuidCreateSequential;
    return pfnOld;
}

CString JMakeUuidString(UUID* pUuid)
{
    UUID uuid;
    if (!pUuid)
        pUuid = &uuid;
    // RPC_S_UUID_LOCAL_ONLY is not success: such a UUID is unique only on this computer.
    if (s_pfnUuidCreate(pUuid) != RPC_S_OK)
        return CString();
    RPC_CSTR text = nullptr;
    if (::UuidToStringA(pUuid, &text) != RPC_S_OK || !text)
        return CString();
    CString result(reinterpret_cast<LPCSTR>(text));
    ::RpcStringFreeA(&text);
    return result.MakeUpper();
}
