// The shared test frame (made once for all tests, shown like the program's), the application
// object, and helpers of the frame library's tests; the framework tests' window helpers
// (PumpPendingMessages) come with them.
#pragma once

#include "TestFrame.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <string>

extern CTestApp theApp;

// The frame every test works on: loaded from IDR_TESTFRAME and shown. A test that changes
// it (bars hidden, buttons moved) puts it back.
CTestFrame& TestFrame();

// The text of the status bar's message pane as the control shows it.
std::string StatusText();

// The command ids of the toolbar's buttons in order, 0 for separators.
std::vector<UINT> ToolbarCommands();

// The toolbar's default set, as the frame first shows it
extern const std::vector<UINT> kDefaultToolbarCommands;
void ShowDefaultToolbar();

// The profile lives under HKEY_CURRENT_USER\Software\ShelvixFramelibTests while it exists.
const char kTestCompany[] = "ShelvixFramelibTests";
