// Classes: JDlgAbout
// The About box: the program icon, its name and version, and OK.
#pragma once

#include "app/res/resource.h"

#include <afxwin.h>

class JDlgAbout : public CDialog
{
public:
    JDlgAbout() : CDialog(IDD_ABOUTBOX) {}
};
