// Functions: VisibleHostWindow
// Shared by the window tests of the library.
#pragma once

#include <afxwin.h>

// A visible 800 x 600 top-level window at the screen's origin, made on first use and kept until
// the process ends, to hold test windows that must really paint. Wine without a window manager
// waits two seconds for every top-level window it hides or destroys; children are spared that.
inline CWnd& VisibleHostWindow()
{
    static CWnd* s_pHost = [] {
        CWnd* pHost = new CWnd; // left to the end of the process with its window
        pHost->CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                        0, 0, 800, 600, nullptr, nullptr);
        return pHost;
    }();
    return *s_pHost;
}
