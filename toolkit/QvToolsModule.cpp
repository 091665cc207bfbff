// Entry point of QVTOOLS201: registers the library as an extension module of the framework so
// that the framework finds its resources (strings, dialog templates, images) by id.
#include "QvToolsApi.h"

namespace
{
AFX_EXTENSION_MODULE s_qvToolsModule = {FALSE, nullptr, nullptr};
}

HINSTANCE FQvTGetModuleHandle()
{
    return s_qvToolsModule.hModule;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(s_qvToolsModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(s_qvToolsModule);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(s_qvToolsModule);
    }
    return TRUE;
}
