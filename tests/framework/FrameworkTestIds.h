// Resource identifiers of the framework tests, shared by FrameworkTests.rc and the tests.
#pragma once

// Three 8 x 8 images side by side: magenta with a red, a green and a blue 4 x 4 square at (2, 2).
#define IDB_TEST_STRIP8 300

// Dialogs and their controls
#define IDD_ROUTE 1100
#define IDD_EXCHANGE 1101
#define IDD_CONTROLS 1102
#define IDD_SHELLFONT 1103
#define IDD_MISSING 1199

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_AMOUNT 1003
#define IDC_RATIO 1004
#define IDC_LIST 1010
#define IDC_COMBO 1011
#define IDC_CHECK 1012
#define IDC_LISTVIEW 1013

// A command string: status prompt, then tooltip
#define IDS_ADD_COLLECTION 32777
