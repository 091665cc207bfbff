// Resource identifiers of the frame library's tests and demo, shared by FramelibTests.rc and
// the sources. The frame is built like the program's: the same kinds of ids and resources.
#pragma once

// Menu, accelerators, icon and title of the test frame
#define IDR_TESTFRAME 128
// No resource of any kind has this id
#define IDR_MISSING 9999

// Toolbar strips (copies of the program's): 16-pixel normal and disabled, 24-pixel normal
// and disabled; fifteen images each, magenta where transparent
#define IDB_TOOLBAR16 1037
#define IDB_TOOLBAR16_DISABLED 1038
#define IDB_TOOLBAR24 1039
#define IDB_TOOLBAR24_DISABLED 1040

// The form filling the view: a child dialog with one list box
#define IDD_TESTFORM 130
#define IDC_FORM_LIST 1000

// Commands
#define ID_COLLECTION_DELETE 32776
#define ID_COLLECTION_ADD 32777
#define ID_BOOKS_ADD 32778
#define ID_BOOK_DELETE 32780
#define ID_RECENT_FIRST 32781
#define ID_RECENT_LAST 32790
#define ID_TOOLBAR_CUSTOMIZE 32791
#define ID_TEST_REFRESH 32795

// The second band of the rebar: a plain window
#define IDW_SECOND_BAND 0xE810
