// Resource identifiers of the balloon demo.
#pragma once

#define IDD_BALLOON_DEMO 410

#define IDC_DEMO_COPIES 1301
#define IDC_DEMO_SCALE 1302
