// Resource ids of the framework tests' dialogs and controls.
#pragma once

#define IDD_ROUTE 1100
#define IDD_EXCHANGE 1101
#define IDD_CONTROLS 1102
#define IDD_MISSING 1199

#define IDS_ADD_COLLECTION 32777

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_AMOUNT 1003
#define IDC_RATIO 1004
#define IDC_LIST 1010
#define IDC_COMBO 1011
#define IDC_CHECK 1012
#define IDC_LISTVIEW 1013
