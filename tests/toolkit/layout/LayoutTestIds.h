// Resource identifiers of the layout tests.
#pragma once

#define IDD_GLUE_TEST 300

#define IDC_GLUE_LIST 1101
#define IDC_GLUE_BUTTON 1102
#define IDC_GLUE_OTHER 1103
