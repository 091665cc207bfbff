// Identifiers: Shelvix's resources, dialog controls and commands
// Shared by C++ sources and the resource script, so it holds nothing but #define lines.
#pragma once

// Menu, accelerators, icon and title of the main frame
#define IDR_MAINFRAME 128

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_SHELVIX_FORM 130
#define IDD_COLLECTION_ADD 131
#define IDD_BOOKS_ADD 132
#define IDD_COLLECTION_RENAME 133

// Controls
#define IDC_COLLECTIONS 1000
#define IDC_BOOKS 1001
#define IDC_COLLECTION_NAME 1002
#define IDC_BOOKS_OFFERED 1003
#define IDC_BOOKS_FILTER 1004

// Toolbar strips: 16-pixel images, the same greyed, 24-pixel images, the same greyed
#define IDB_TOOLBAR16 1037
#define IDB_TOOLBAR16_DISABLED 1038
#define IDB_TOOLBAR24 1039
#define IDB_TOOLBAR24_DISABLED 1040

// Commands of the program's own
#define ID_COLLECTION_DELETE 32776
#define ID_COLLECTION_ADD 32777
#define ID_BOOKS_ADD 32778
#define ID_BOOK_DELETE 32780
#define ID_FILE_MRU_FIRST 32781
#define ID_FILE_MRU_LAST 32790
#define ID_VIEW_CUSTOMIZE 32791
#define ID_COLLECTION_RENAME 32792
