// Build settings shared by every header of the framework layer: the export macro and the
// Windows headers in the form the framework expects them.
#pragma once

#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The framework is one DLL shared by every module of the process; the build defines
// AFX_FRAMEWORK_EXPORTS only while it compiles the framework itself.
#ifdef AFX_FRAMEWORK_EXPORTS
#define AFX_FRAMEWORK_API __declspec(dllexport)
#else
#define AFX_FRAMEWORK_API __declspec(dllimport)
#endif

// Calling convention of the framework's global functions
#define AFXAPI __stdcall

#ifndef ASSERT
#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#else
#include <assert.h>
#define ASSERT(f) assert(f)
#endif
#endif
#ifndef VERIFY
#ifdef NDEBUG
#define VERIFY(f) ((void)(f))
#else
#define VERIFY(f) ASSERT(f)
#endif
#endif
