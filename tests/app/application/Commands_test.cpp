#include "ProgramTestSupport.h"

#include "toolkit/text/QvText.h"

namespace
{
std::vector<CString> Names(std::initializer_list<const char*> names)
{
    return std::vector<CString>(names.begin(), names.end());
}

std::vector<CString> Titles(JDlgMain& form)
{
    std::vector<CString> titles;
    for (int i = 0; i < form.m_lvBooks.GetItemCount(); ++i)
        titles.push_back(form.m_lvBooks.GetItemText(i, 0));
    return titles;
}

const char kOtherCatalogue[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<cache xmlns="urn:x-test:cache" xmlns:xs1="urn:x-test:cache">
  <xs1:records>
    <xs1:text id="1" title="Z" author="Author Z" date="2010"/>
    <xs1:playlist title="Other" id="3" sourceid="1"><xs1:item id="1"/></xs1:playlist>
  </xs1:records>
</cache>
)";

const UINT kSevenCommands[] = {ID_FILE_OPEN,         ID_FILE_SAVE, ID_COLLECTION_ADD,
                               ID_COLLECTION_DELETE, ID_BOOKS_ADD, ID_BOOK_DELETE,
                               ID_APP_ABOUT};
} // namespace

// Every command of the menus, in each state the program can be in, on the menu and on the
// toolbar.
TEST_F(ProgramTest, EnableRulesOfEveryCommandInEachState)
{
    struct Case
    {
        const char* state;
        std::function<void(ProgramTest&)> enter;
        bool save, collectionAdd, collectionDelete, booksAdd, bookDelete, recent;
    };
    const Case cases[] = {
        {"no catalogue", [](ProgramTest&) {}, false, false, false, false, false, false},
        {"loaded, nothing selected", [](ProgramTest& t) { t.Load(kFourBooks); }, false, true, false,
         false, false, true},
        {"collection selected",
         [](ProgramTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
         },
         false, true, true, true, false, true},
        {"collection and row selected",
         [](ProgramTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
             t.SelectRow(1);
         },
         false, true, true, true, true, true},
        {"changed",
         [](ProgramTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
             t.Form().MoveBook(0, 2);
         },
         true, true, true, true, false, true},
        {"saved after a change",
         [](ProgramTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
             t.Form().MoveBook(0, 2);
             t.Command(ID_FILE_SAVE);
         },
         false, true, true, true, false, true},
        {"a failed load after a changed catalogue",
         [](ProgramTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
             t.Form().MoveBook(0, 2);
             t.Form().LoadFile(t.folder.Path("missing.xml"));
         },
         false, false, false, false, false, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.state);
        ASSERT_TRUE(Start());
        c.enter(*this);
        const std::pair<UINT, bool> expected[] = {
            {ID_FILE_OPEN, true},
            {ID_FILE_SAVE, c.save},
            {ID_FILE_MRU_FIRST, c.recent},
            {ID_APP_EXIT, true},
            {ID_COLLECTION_ADD, c.collectionAdd},
            {ID_COLLECTION_DELETE, c.collectionDelete},
            {ID_BOOKS_ADD, c.booksAdd},
            {ID_BOOK_DELETE, c.bookDelete},
            {ID_VIEW_TOOLBAR, true},
            {ID_VIEW_STATUS_BAR, true},
            {ID_VIEW_CUSTOMIZE, true},
            {ID_APP_ABOUT, true},
        };
        for (const auto& command : expected)
        {
            EXPECT_EQ(command.second, MenuItemEnabled(command.first))
                << "menu item " << command.first;
            if (Frame().m_wndToolBar.SendMessage(TB_COMMANDTOINDEX, command.first) >= 0)
                EXPECT_EQ(command.second, ButtonEnabled(command.first))
                    << "button " << command.first;
        }
        Shutdown();
        messages.Clear();
    }
}

TEST_F(ProgramTest, CommandsReachTheFormThroughTheApplication)
{
    ASSERT_TRUE(Start());
    const CString path = Load(kFourBooks);
    Select("Shelf");
    SelectRow(1);
    Command(ID_BOOK_DELETE);
    EXPECT_EQ(Names({"A", "C", "D"}), Titles(Form()));
    EXPECT_TRUE(Form().IsModified());

    Command(ID_FILE_SAVE);
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_EQ(CString("File saved successfully."), messages.Messages()[0].text);
    EXPECT_FALSE(Form().IsModified());
    EXPECT_EQ(std::string::npos, ReadBytes(path).find("<xs1:item id=\"2\"/>"));

    Select("Empty");
    Command(ID_COLLECTION_DELETE);
    EXPECT_EQ(Names({"Shelf"}), CollectionNames());

    // The two dialogs run modally from the commands.
    ModalDriver addCollection("Add Collection", {[](HWND hWnd) {
                                  ::SetDlgItemTextA(hWnd, IDC_COLLECTION_NAME, "Poetry");
                                  ClickButton(hWnd, IDOK);
                                  ClickButton(hWnd, IDCANCEL);
                              }});
    Command(ID_COLLECTION_ADD);
    EXPECT_EQ(1u, addCollection.StepsRun());
    EXPECT_EQ(Names({"Shelf", "Poetry"}), CollectionNames());

    ModalDriver addBooks("Add Books To Collection", {[](HWND hWnd) {
                             HWND hList = ::GetDlgItem(hWnd, IDC_BOOKS_OFFERED);
                             LVITEMA item = {};
                             item.stateMask = item.state = LVIS_SELECTED;
                             ::SendMessageA(hList, LVM_SETITEMSTATE, 0,
                                            reinterpret_cast<LPARAM>(&item));
                             ClickButton(hWnd, IDOK);
                             ClickButton(hWnd, IDCANCEL);
                         }});
    Command(ID_BOOKS_ADD);
    EXPECT_EQ(1u, addBooks.StepsRun());
    EXPECT_EQ(Names({"A"}), Titles(Form())) << "the first book offered, by title";
}

TEST_F(ProgramTest, AboutShowsTheProgramsNameVersionAndIcon)
{
    ASSERT_TRUE(Start());
    CString text;
    bool bIcon = false;
    ModalDriver about("About Shelvix", {[&](HWND hWnd) {
                          for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild;
                               hChild = ::GetWindow(hChild, GW_HWNDNEXT))
                          {
                              char part[64] = "";
                              ::GetWindowTextA(hChild, part, sizeof part);
                              text += part;
                              bIcon = bIcon || ::SendMessageA(hChild, STM_GETICON, 0, 0) != 0;
                          }
                          ClickButton(hWnd, IDOK);
                      }});
    Command(ID_APP_ABOUT);
    EXPECT_EQ(1u, about.StepsRun());
    EXPECT_NE(-1, text.Find("Shelvix Version 1.0")) << (LPCSTR)text;
    EXPECT_TRUE(bIcon);
}

TEST_F(ProgramTest, CustomizeOpensTheToolbarsCustomizeDialog)
{
    ASSERT_TRUE(Start());
    ModalDriver customize("Customize Toolbar", {[](HWND hWnd) { ClickButton(hWnd, IDCANCEL); }});
    Command(ID_VIEW_CUSTOMIZE);
    EXPECT_EQ(1u, customize.StepsRun());
    EXPECT_FALSE(customize.TimedOut());
}

// Closing the window (its close box or File > Exit) with and without unsaved changes.
TEST_F(ProgramTest, ExitPromptOnlyWithUnsavedChangesAndOnlyYesCloses)
{
    const struct Case
    {
        const char* state;
        bool bLoad, bChange;
        UINT nClose; // WM_CLOSE, or the Exit command
        int answer;
        bool bPrompt, bClosed;
    } cases[] = {
        {"no catalogue", false, false, WM_CLOSE, IDNO, false, true},
        {"unchanged catalogue", true, false, ID_APP_EXIT, IDNO, false, true},
        {"changes, No", true, true, WM_CLOSE, IDNO, true, false},
        {"changes, No, by Exit", true, true, ID_APP_EXIT, IDNO, true, false},
        {"changes, Yes", true, true, WM_CLOSE, IDYES, true, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.state);
        ASSERT_TRUE(Start());
        CString path;
        if (c.bLoad)
        {
            path = Load(kFourBooks);
            Select("Shelf");
        }
        if (c.bChange)
            Form().MoveBook(0, 2);
        const HWND hFrame = Frame().GetSafeHwnd();
        messages.Clear();
        messages.SetAnswer(c.answer);

        if (c.nClose == WM_CLOSE)
            Frame().SendMessage(WM_CLOSE);
        else
            Command(ID_APP_EXIT);
        PumpMessages();

        if (c.bPrompt)
        {
            ASSERT_EQ(1u, messages.Messages().size());
            const MessageRecorder::Message& prompt = messages.Messages()[0];
            EXPECT_EQ(CString("There are unsaved changes.\n\nAre you sure you want to exit?"),
                      prompt.text);
            EXPECT_EQ(CString("Shelvix"), prompt.caption);
            EXPECT_EQ(UINT(MB_YESNO | MB_ICONWARNING), prompt.type);
            EXPECT_EQ(hFrame, prompt.owner);
        }
        else
        {
            EXPECT_TRUE(messages.Messages().empty());
        }
        EXPECT_EQ(c.bClosed, !::IsWindow(hFrame));
        EXPECT_EQ(c.bClosed, !Running());
        if (c.bClosed)
        {
            EXPECT_EQ(nullptr, theApp.m_pMainDlg) << "the form is gone with the frame";
            if (c.bLoad)
                EXPECT_EQ(std::string(kFourBooks), ReadBytes(path)) << "nothing saved";
        }
        else
        {
            EXPECT_TRUE(Form().IsModified());
            EXPECT_EQ(Names({"B", "A", "C", "D"}), Titles(Form()));
        }
        Shutdown();
    }
}

// File Open and a recent file, each with unsaved changes, answered No and Yes.
TEST_F(ProgramTest, OpenPromptsKeepTheChangesOnNoAndGoAheadOnYes)
{
    const struct Case
    {
        const char* command;
        UINT nID;
        CString text;
        UINT type;
    } cases[] = {
        {"File Open", ID_FILE_OPEN,
         "There are unsaved changes.\n\nAre you sure you want to open a new file?",
         MB_YESNO | MB_ICONINFORMATION},
        {"recent file", ID_FILE_MRU_FIRST + 1,
         "The current file has unsaved changes that will be lost.\n\nAre you sure you want to "
         "open a new file?",
         MB_YESNO | MB_ICONWARNING},
    };
    for (const Case& c : cases)
    {
        for (const int answer : {IDNO, IDYES})
        {
            SCOPED_TRACE(testing::Message() << c.command << (answer == IDYES ? ", Yes" : ", No"));
            ASSERT_TRUE(Start());
            const CString other = folder.Write("other.xml", kOtherCatalogue);
            Form().LoadFile(other);
            Load(kFourBooks); // the recent files: catalogue.xml, other.xml
            Select("Shelf");
            Form().MoveBook(0, 2);
            messages.Clear();
            messages.SetAnswer(answer);
            // The file dialog, if it comes, chooses the other catalogue.
            ModalDriver fileDialog("Open", {[&](HWND hWnd) {
                                       HWND hName = ::GetDlgItem(hWnd, 1148);
                                       if (!hName)
                                           hName = ::GetDlgItem(hWnd, 1152);
                                       ::SetWindowTextA(hName, other);
                                       ClickButton(hWnd, IDOK);
                                   }});

            Command(c.nID);

            ASSERT_EQ(1u, messages.Messages().size());
            EXPECT_EQ(c.text, messages.Messages()[0].text);
            EXPECT_EQ(c.type, messages.Messages()[0].type);
            if (answer == IDNO)
            {
                EXPECT_EQ(0u, fileDialog.StepsRun()) << "no file dialog";
                EXPECT_TRUE(Form().IsModified());
                EXPECT_EQ(Names({"Empty", "Shelf"}), CollectionNames());
                EXPECT_EQ(Names({"B", "A", "C", "D"}), Titles(Form()));
                ASSERT_EQ(2, theApp.m_recentFiles.GetCount());
                EXPECT_EQ(folder.Path("catalogue.xml"), theApp.m_recentFiles.GetAt(0));
            }
            else
            {
                EXPECT_FALSE(fileDialog.TimedOut());
                EXPECT_FALSE(Form().IsModified());
                EXPECT_EQ(Names({"Other"}), CollectionNames());
                ASSERT_EQ(2, theApp.m_recentFiles.GetCount());
                EXPECT_EQ(0, theApp.m_recentFiles.GetAt(0).CompareNoCase(other));
            }
            Shutdown();
        }
    }
}

TEST_F(ProgramTest, AnEmptyRecentFileListShowsOneDisabledRecentFileItem)
{
    ASSERT_TRUE(Start());
    const auto items = RecentItems();
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(UINT(ID_FILE_MRU_FIRST), items[0].first);
    EXPECT_EQ(CString("Recent file"), items[0].second);
    EXPECT_FALSE(MenuItemEnabled(ID_FILE_MRU_FIRST));
    Command(ID_FILE_MRU_FIRST);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(Form().m_pDoc);
}

TEST_F(ProgramTest, RecentFilesComeFromTheProfileOpenFromTheMenuAndGoBackAtExit)
{
    const CString a = folder.Write("a.xml", kFourBooks);
    const CString b = folder.Write("b.xml", kOtherCatalogue);
    const CString gone = folder.Path("gone.xml");
    theApp.SetRegistryKey("Shelvix");
    theApp.WriteProfileString("MRU", "Entry.0", b);
    theApp.WriteProfileString("MRU", "Entry.1", gone);
    theApp.WriteProfileString("MRU", "Entry.2", a);
    ASSERT_TRUE(Start());

    const std::vector<std::pair<UINT, CString>> listed = {
        {ID_FILE_MRU_FIRST, b}, {ID_FILE_MRU_FIRST + 1, gone}, {ID_FILE_MRU_FIRST + 2, a}};
    EXPECT_EQ(listed, RecentItems());
    for (const auto& item : listed)
        EXPECT_TRUE(MenuItemEnabled(item.first)) << (LPCSTR)item.second;

    Command(ID_FILE_MRU_FIRST + 2); // a.xml
    EXPECT_EQ(Names({"Empty", "Shelf"}), CollectionNames());
    const std::vector<std::pair<UINT, CString>> reordered = {
        {ID_FILE_MRU_FIRST, a}, {ID_FILE_MRU_FIRST + 1, b}, {ID_FILE_MRU_FIRST + 2, gone}};
    EXPECT_EQ(reordered, RecentItems());

    // A file that is gone: the load's own message, and the list stays as it was.
    Command(ID_FILE_MRU_FIRST + 2);
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_EQ(CString("Unable to open the file."), messages.Messages()[0].text);
    EXPECT_EQ(reordered, RecentItems());

    Shutdown();
    const CString expected[10] = {a, b, gone};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(expected[i],
                  theApp.GetProfileString("MRU", FQvTStrFormat("Entry.%d", i), "(missing)"))
            << "Entry." << i;
}

TEST_F(ProgramTest, TheEleventhFileDropsTheOldestFromTheMenuAndTheProfile)
{
    ASSERT_TRUE(Start());
    for (int i = 1; i <= 11; ++i)
        Form().LoadFile(folder.Write(FQvTStrFormat("%d.xml", i), kOtherCatalogue));
    const auto items = RecentItems();
    ASSERT_EQ(10u, items.size());
    EXPECT_EQ(folder.Path("11.xml"), items.front().second);
    EXPECT_EQ(UINT(ID_FILE_MRU_LAST), items.back().first);
    EXPECT_EQ(folder.Path("2.xml"), items.back().second);
    Shutdown();
    EXPECT_EQ(folder.Path("2.xml"), theApp.GetProfileString("MRU", "Entry.9", ""));
}

namespace
{
// A frame whose command 0xE001 fails the way a failed read of the document does.
class FailingReadFrame : public JMainFrame
{
public:
    static constexpr UINT nFailingCommand = 0xE001;

protected:
    afx_msg void OnFailingCommand() { throw JXmlError(E_FAIL, "The node list is gone."); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FailingReadFrame, JMainFrame)
ON_COMMAND(nFailingCommand, &FailingReadFrame::OnFailingCommand)
END_MESSAGE_MAP()
} // namespace

TEST_F(ProgramTest, AFailedReadOfTheCatalogueIsReportedAndTheProgramGoesOn)
{
    ASSERT_TRUE(Start());
    Frame().DestroyWindow(); // the frame below takes its place
    PumpMessages();
    FailingReadFrame* pFrame = new FailingReadFrame;
    theApp.m_pMainWnd = pFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    pFrame->ShowWindow(SW_SHOWNORMAL, "");
    Load(kFourBooks);
    Select("Shelf");
    messages.Clear();

    pFrame->SendMessage(WM_COMMAND, FailingReadFrame::nFailingCommand);

    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_EQ(CString("The catalogue could not be read.\n\nThe node list is gone."),
              messages.Messages()[0].text);
    EXPECT_TRUE(::IsWindow(pFrame->GetSafeHwnd()));
    EXPECT_TRUE(Form().IsModified()) << "nothing is lost unasked";
    EXPECT_EQ(Names({"A", "B", "C", "D"}), Titles(Form()));
    SelectRow(0);
    Command(ID_BOOK_DELETE); // the program goes on
    EXPECT_EQ(Names({"B", "C", "D"}), Titles(Form()));
}
