// Resource identifiers of the drawing tests.
#pragma once

#define IDB_TEST_STRIP160 101 // five 32 x 8 frames (tools/make_toolkit_test_images.py)
#define IDB_TEST_STRIP170 102 // the same five and a 10-pixel rest
#define IDI_TEST_ICON24 103   // one 24 x 24 image
#define IDB_TEST_MISSING 199  // no resource has this id
