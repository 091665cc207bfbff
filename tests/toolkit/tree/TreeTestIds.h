// Resource identifiers of the tree tests and the tree demo.
#pragma once

#define IDB_TREE_IMAGES 101 // three 16 x 16 images on magenta (tools/make_toolkit_test_images.py)
#define IDD_TREE_DIALOG 102 // a dialog template with a "QVTREE" control
#define IDC_TREE 1001
#define IDC_LABEL 1002
