// Core of the framework layer: build settings, the root class, exceptions, geometric types
// and CString.
#pragma once

#include "afxver.h"
#include "afxobj.h"
#include "afxexcept.h"
#include "afxstr.h"
#include "atltypes.h"
