// Core of the framework layer: build settings and CString.
#pragma once

#include "afxver.h"
#include "afxstr.h"
