// Resource identifiers of QVTOOLS201.
#pragma once

// String table
#define IDS_QVT_INVALID_FIELD 1
#define IDS_QVT_INVALID_UINT 2
#define IDS_QVT_INVALID_FLOAT 3

// Bitmaps
#define IDB_QVT_COLORFMT 202 // 16 x 16, 24 bits per pixel: the colour format of swatches

// The thread progress dialog
#define IDD_QVT_THREAD_PROGRESS 201
#define IDC_QVT_PROGRESS 1001 // owner-drawn percentage bar
