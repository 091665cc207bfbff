// Messages and records the framework's own windows exchange: bar layout, idle command-UI
// updates, status texts and idle processing in modal loops.
#pragma once

#include "afxver.h"

#define WM_SIZEPARENT 0x0361       // lParam: AFX_SIZEPARENTPARAMS*
#define WM_SETMESSAGESTRING 0x0362 // wParam: string id, or lParam: text
#define WM_IDLEUPDATECMDUI 0x0363  // wParam: disable commands that have no handler
#define WM_KICKIDLE 0x036A         // lParam: idle count; TRUE asks for more idle time

// What a frame hands its bars when it lays them out: each bar takes its strip from rect
// (top or bottom) and, with hDWP, moves itself through that deferred positioning.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};
