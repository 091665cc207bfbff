// The export macro of QVTOOLS201. The build defines QVTOOLS_EXPORTS only while it compiles
// the library itself; every other module imports.
#pragma once

#include <afxwin.h>

#ifdef QVTOOLS_EXPORTS
#define QVTOOLS_API __declspec(dllexport)
#else
#define QVTOOLS_API __declspec(dllimport)
#endif

// The library's own module handle, for loading its resources directly.
QVTOOLS_API HINSTANCE FQvTGetModuleHandle();
