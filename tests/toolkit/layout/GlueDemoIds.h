// Resource identifiers of the glue demo.
#pragma once

#define IDD_GLUE_DEMO 200

#define IDC_DEMO_CAPTION 1001
#define IDC_DEMO_LIST 1002
#define IDC_DEMO_ADD 1003
#define IDC_DEMO_REMOVE 1004
#define IDC_DEMO_FILTER_LABEL 1005
#define IDC_DEMO_FILTER 1006
#define IDC_DEMO_HELP 1007
