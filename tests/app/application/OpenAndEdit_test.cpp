// The program's additions to the catalogue commands: opening by command line and by drop, the
// Edit menu and the rename command, through the frame as the user reaches them.
#include "ProgramTestSupport.h"

#include <shlobj.h>

namespace
{
const char kShelf[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<cache xmlns:xs1="urn:x-test:cache"><xs1:records>
<xs1:text id="1" title="A"/><xs1:text id="2" title="B"/>
<xs1:playlist title="Shelf" id="10"><xs1:item id="1"/><xs1:item id="2"/></xs1:playlist>
<xs1:playlist title="Other" id="11"/>
</xs1:records></cache>
)";

// A WM_DROPFILES handle naming the files, as the shell makes one.
HDROP MakeDrop(const std::vector<CString>& files)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const CString& file : files)
        size += static_cast<size_t>(file.GetLength()) + 1;
    HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    char* pName = reinterpret_cast<char*>(pDrop + 1);
    for (const CString& file : files)
    {
        memcpy(pName, (LPCSTR)file, static_cast<size_t>(file.GetLength()));
        pName += file.GetLength() + 1;
    }
    ::GlobalUnlock(hDrop);
    return static_cast<HDROP>(hDrop);
}
} // namespace

TEST_F(ProgramTest, ACatalogueNamedOnTheCommandLineOpensAtStart)
{
    const CString path = folder.Write("named catalogue.xml", kShelf);
    CString commandLine = "\"" + path + "\"";
    theApp.m_lpCmdLine = commandLine.GetBuffer();
    const bool bStarted = Start();
    theApp.m_lpCmdLine = nullptr;
    ASSERT_TRUE(bStarted);
    EXPECT_EQ((std::vector<CString>{"Other", "Shelf"}), CollectionNames());
    EXPECT_STREQ((LPCSTR)path, (LPCSTR)Form().m_pDoc->GetPath());
    EXPECT_TRUE(messages.Messages().empty());
    Shutdown();
}

TEST_F(ProgramTest, AFileDroppedOnTheWindowOpensAfterTheUnsavedChangesQuestion)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame().GetExStyle() & WS_EX_ACCEPTFILES);
    Load(kShelf);
    Select("Other");
    Command(ID_COLLECTION_DELETE);
    const CString dropped = folder.Write("dropped.xml", R"(<r xmlns:xs1="u"><records>
        <xs1:playlist title="Dropped"/></records></r>)");

    messages.SetAnswer(IDNO);
    Frame().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped, "ignored.xml"})));
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_STREQ("There are unsaved changes.\n\nAre you sure you want to open a new file?",
                 (LPCSTR)messages.Messages()[0].text);
    EXPECT_EQ((std::vector<CString>{"Shelf"}), CollectionNames());

    messages.SetAnswer(IDYES);
    Frame().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped})));
    EXPECT_EQ((std::vector<CString>{"Dropped"}), CollectionNames());
    Shutdown();
}

TEST_F(ProgramTest, EditMenuUndoesAndRedoesAndRenameFollowsTheSelection)
{
    ASSERT_TRUE(Start());
    EXPECT_FALSE(MenuItemEnabled(ID_EDIT_UNDO));
    EXPECT_FALSE(MenuItemEnabled(ID_EDIT_REDO));
    EXPECT_FALSE(MenuItemEnabled(ID_COLLECTION_RENAME));
    Load(kShelf);
    EXPECT_FALSE(MenuItemEnabled(ID_COLLECTION_RENAME));
    Select("Shelf");
    EXPECT_TRUE(MenuItemEnabled(ID_COLLECTION_RENAME));

    Command(ID_COLLECTION_DELETE);
    EXPECT_TRUE(MenuItemEnabled(ID_EDIT_UNDO));
    EXPECT_TRUE(ButtonEnabled(ID_FILE_SAVE));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ((std::vector<CString>{"Other", "Shelf"}), CollectionNames());
    EXPECT_FALSE(ButtonEnabled(ID_FILE_SAVE)) << "back at the loaded state";
    EXPECT_TRUE(MenuItemEnabled(ID_EDIT_REDO));
    Command(ID_EDIT_REDO);
    EXPECT_EQ((std::vector<CString>{"Other"}), CollectionNames());
    Shutdown();
}

TEST(ProgramAccelerators, CtrlZUndoesAndCtrlYRedoes)
{
    HACCEL hAccel =
        ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hAccel);
    ACCEL keys[64];
    const int count = ::CopyAcceleratorTableA(hAccel, keys, 64);
    auto commandOf = [&](WORD key) {
        for (int i = 0; i < count; ++i)
            if (keys[i].key == key && keys[i].fVirt == (FVIRTKEY | FCONTROL | FNOINVERT))
                return static_cast<UINT>(keys[i].cmd);
        return 0u;
    };
    EXPECT_EQ(UINT(ID_EDIT_UNDO), commandOf('Z'));
    EXPECT_EQ(UINT(ID_EDIT_REDO), commandOf('Y'));
    ::DestroyAcceleratorTable(hAccel);
}
