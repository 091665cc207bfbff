// Resource identifiers of the framework tests, shared by FrameworkTests.rc and the tests.
#pragma once

// Three 8 x 8 images side by side: magenta with a red, a green and a blue 4 x 4 square at (2, 2).
#define IDB_TEST_STRIP8 300
