// Classes: JMainFormHost
// What the main form and its dialogs need of the application object: the pointer to the one
// main form, and the recent-file list that takes every path opened or saved. JApp is one.
#pragma once

#include "app/catalogue/JCatalogueLists.h"

class JDlgMain;

class JMainFormHost : public JRecentFileSink
{
public:
    // The application object when it is a host; null otherwise (no application, or a
    // program that has no main form).
    static JMainFormHost* Get();

    JDlgMain* m_pMainDlg = nullptr; // not owned; set by the main form's constructor
};
