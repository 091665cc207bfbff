// Classes: ProgramTest. Constants: kMenuGround, kDefaultToolbar. Object: theApp
// Shared by the application tests: the program's own JApp, started and shut down in this
// process as WinMain would, on a profile of its own, with helpers that read the frame's
// menus, toolbar and profile.
#pragma once

#include "ShellTestSupport.h"
#include "app/res/resource.h"
#include "app/shell/JApp.h"
#include "app/shell/JMainFrame.h"
#include "tests/framework/GdiTestSupport.h"

extern JApp theApp;

class ProgramTest : public ::testing::Test
{
public:
    void TearDown() override;

    // The application's start-up; false when it failed.
    bool Start();
    // Ends the frame as the framework does once the user's close went through (no prompt),
    // then the application's shut-down.
    void Shutdown();
    bool Running() const { return theApp.m_pFrame != nullptr; }

    JMainFrame& Frame() const { return *theApp.m_pFrame; }
    JDlgMain& Form() const { return *theApp.m_pMainDlg; }

    // Writes the text as a file of the scratch folder and loads it.
    CString Load(const std::string& xml, const char* name = "catalogue.xml");
    // Selects a collection or a Books row as a click would.
    void Select(const char* name);
    void SelectRow(int nRow);
    std::vector<CString> CollectionNames() const;

    // A command as a menu item or a toolbar button sends it.
    void Command(UINT nID) { Frame().SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0); }
    // The item's state once its menu opens: enabled (not greyed), checked.
    bool MenuItemEnabled(UINT nID);
    bool MenuItemChecked(UINT nID);
    // The button's state after the idle-time update.
    bool ButtonEnabled(UINT nID);
    // The command ids of the toolbar's buttons in order, 0 for separators.
    std::vector<UINT> ToolbarCommands() const;
    // The ids and texts of the File menu's items between its first two separators.
    std::vector<std::pair<UINT, CString>> RecentItems() const;

    // The pixels the frame draws for the item's menu image on a ground of kMenuGround, and
    // image nImage of the 16-pixel toolbar strip as it must look on that ground.
    std::vector<COLORREF> DrawnMenuImage(UINT nID);
    static std::vector<COLORREF> StripImage(int nImage);

    CRect FrameRect() const;
    int ProfileInt(const char* entry)
    {
        return static_cast<int>(theApp.GetProfileInt("General", entry, -1));
    }

    ProfileAside profile{"Shelvix"};
    MessageRecorder messages;
    ScratchFolder folder;

private:
    // The popup of the menu bar that holds the command, and its position; null if none.
    HMENU PopupOf(UINT nID, int& nIndex) const;
};

const COLORREF kMenuGround = RGB(10, 20, 30);

// The program's toolbar as the first start shows it
extern const std::vector<UINT> kDefaultToolbar;
