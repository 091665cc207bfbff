// Resource identifiers of the balloon tests.
#pragma once

#define IDD_BALLOON_FIELDS 400

#define IDC_FIELD_INT 1201
#define IDC_FIELD_DOUBLE 1202
#define IDC_FIELD_NAME 1203

// The test program's own strings. Ids 1 to 3 are the library's ids too: the program's texts
// must never show where the library's are asked for, nor the other way round.
#define IDS_TEST_TITLE 1
#define IDS_TEST_CONTENT 2
#define IDS_TEST_NAME_MISSING 3
