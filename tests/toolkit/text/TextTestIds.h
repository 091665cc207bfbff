// Resource identifiers of the text and window helper tests.
#pragma once

#define IDD_TEXT_SOURCE 400
#define IDD_TEXT_TARGET 401
#define IDD_TEXT_CHILD_SOURCE 402

#define IDC_SOURCE_EDIT 1201
#define IDC_SOURCE_BUTTON 1202
#define IDC_SOURCE_LISTVIEW 1203
#define IDC_SOURCE_MISSING 1299
