// Entry point of QVTOOLS201: registers the library as an extension module of the framework so
// that the framework finds its resources (strings, dialog templates, images) by id, and
// registers the tree window class for every dialog of the process.
#include "QvToolsApi.h"
#include "toolkit/tree/QvTree.h"

namespace
{
AFX_EXTENSION_MODULE s_qvToolsModule = {FALSE, nullptr, nullptr};
}

HINSTANCE FQvTGetModuleHandle()
{
    return s_qvToolsModule.hModule;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(s_qvToolsModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(s_qvToolsModule);
        // Without the class only "QVTREE" controls fail, which their dialogs report.
        QvoTreeWnd::RegisterWndClass(hInstance);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        // A library unloaded by FreeLibrary must not leave a class whose procedure is gone.
        if (!lpReserved)
            ::UnregisterClassA("QVTREE", hInstance);
        AfxTermExtensionModule(s_qvToolsModule);
    }
    return TRUE;
}
