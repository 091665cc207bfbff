// Identifiers: the framework's standard command, string, window and indicator ids
// Shared by C++ sources and resource scripts, so it holds nothing but #define lines.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define ID_SEPARATOR 0

// Standard commands
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_UNDO 0xE12B
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801

// Status bar indicators: their string is the text the pane shows while the key is on
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703

// Child window ids of a frame
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_REBAR 0xE804
#define AFX_IDW_PANE_FIRST 0xE900

// Strings the program provides
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001

// Strings the framework provides (an application may override them with its own)
#define AFX_IDP_INTERNAL_FAILURE 0xF108
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_UINT 0xF117
#define AFX_IDS_MEMORY_EXCEPTION 0xF180
#define AFX_IDS_NOT_SUPPORTED_EXCEPTION 0xF181
#define AFX_IDS_RESOURCE_EXCEPTION 0xF182
#define AFX_IDS_UNKNOWN_EXCEPTION 0xF183
