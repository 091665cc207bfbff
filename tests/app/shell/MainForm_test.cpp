#include "ShellTestSupport.h"

#include "app/res/resource.h"

namespace
{
std::vector<CString> Names(std::initializer_list<const char*> names)
{
    return std::vector<CString>(names.begin(), names.end());
}

bool Enabled(JDlgMain& form, void (JDlgMain::*pfnRule)(CCmdUI*))
{
    EnableProbe probe;
    probe.enabled = true;
    (form.*pfnRule)(&probe);
    return probe.enabled;
}
} // namespace

TEST_F(MainFormTest, ShowsTheCollectionsSortedAndTheBooksOfTheSelectedOne)
{
    Load(kFourBooks);
    EXPECT_EQ(Names({"Empty", "Shelf"}), CollectionNames());
    EXPECT_TRUE(Titles().empty()) << "no collection is selected after a load";

    Select("Shelf");
    EXPECT_EQ(Names({"A", "B", "C", "D"}), Titles());
    EXPECT_EQ(CString("Author B"), form.m_lvBooks.GetItemText(1, 1));
    EXPECT_EQ(CString("2004"), form.m_lvBooks.GetItemText(3, 2));
    EXPECT_FALSE(form.IsModified()) << "selecting a collection changes nothing";
    ASSERT_EQ(1u, app.recentFiles.size());
    EXPECT_EQ(path, app.recentFiles[0]);
}

TEST_F(MainFormTest, BooksListHasItsThreeColumnsAndStyles)
{
    const DWORD extended = form.m_lvBooks.GetExtendedStyle();
    EXPECT_EQ(0xa1u, extended & 0xa1u) << "grid lines, full-row selection, two-click activation";
    const char* headings[] = {"Title", "Author", "Date"};
    for (int column = 0; column < 3; ++column)
    {
        char text[32] = "";
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.pszText = text;
        info.cchTextMax = sizeof text;
        ASSERT_TRUE(
            form.m_lvBooks.SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
        EXPECT_STREQ(headings[column], text);
        EXPECT_EQ(140, info.cx) << "column " << column;
    }
}

// The three rules the form decides, in each state the form can be in.
TEST_F(MainFormTest, EnableRulesFollowTheFormsState)
{
    struct Case
    {
        const char* state;
        std::function<void(MainFormTest&)> enter;
        bool collectionDelete, booksAdd, bookDelete;
    };
    const Case cases[] = {
        {"no catalogue", [](MainFormTest&) {}, false, false, false},
        {"loaded, nothing selected", [](MainFormTest& t) { t.Load(kFourBooks); }, false, false,
         false},
        {"collection selected",
         [](MainFormTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
         },
         true, true, false},
        {"collection and row selected",
         [](MainFormTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
             t.SelectRow(2);
         },
         true, true, true},
        {"load failed after a catalogue was open",
         [](MainFormTest& t) {
             t.Load(kFourBooks);
             t.Select("Shelf");
             t.form.LoadFile(t.folder.Path("missing.xml"));
         },
         false, false, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.state);
        form.LoadFile(folder.Path("none.xml")); // back to no catalogue
        c.enter(*this);
        EXPECT_EQ(c.collectionDelete, Enabled(form, &JDlgMain::OnUpdateCollectionDelete));
        EXPECT_EQ(c.booksAdd, Enabled(form, &JDlgMain::OnUpdateBooksAdd));
        EXPECT_EQ(c.bookDelete, Enabled(form, &JDlgMain::OnUpdateBookDelete));
    }
}

TEST_F(MainFormTest, EnterAndEscapeLeaveTheFormInPlace)
{
    Load(kFourBooks);
    Select("Shelf");
    for (HWND hList : {form.m_lbCollections.GetSafeHwnd(), form.m_lvBooks.GetSafeHwnd()})
    {
        ::SetFocus(hList);
        for (WPARAM key : {VK_RETURN, VK_ESCAPE})
        {
            MSG msg = {hList, WM_KEYDOWN, key, 0, 0, {}};
            if (!form.PreTranslateMessage(&msg))
                ::DispatchMessageA(&msg);
            PumpMessages();
        }
    }
    form.SendMessage(WM_COMMAND, IDOK);
    form.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(form.IsWindowVisible());
    EXPECT_EQ(Names({"A", "B", "C", "D"}), Titles());
}

TEST_F(MainFormTest, ResizingStretchesTheListsAndKeepsTheLabels)
{
    CRect collections0, books0, label0;
    form.m_lbCollections.GetWindowRect(&collections0);
    form.m_lvBooks.GetWindowRect(&books0);
    HWND hLabel = ::GetWindow(form.GetSafeHwnd(), GW_CHILD); // "Collections", the first child
    ::GetWindowRect(hLabel, &label0);

    CRect client;
    form.GetClientRect(&client);
    form.MoveWindow(0, 0, client.Width() + 100, client.Height() + 60);

    CRect collections1, books1, label1;
    form.m_lbCollections.GetWindowRect(&collections1);
    form.m_lvBooks.GetWindowRect(&books1);
    ::GetWindowRect(hLabel, &label1);
    EXPECT_EQ(collections0.TopLeft(), collections1.TopLeft());
    EXPECT_EQ(collections0.Width(), collections1.Width());
    EXPECT_EQ(collections0.Height() + 60, collections1.Height());
    EXPECT_EQ(books0.TopLeft(), books1.TopLeft());
    EXPECT_EQ(books0.Width() + 100, books1.Width());
    EXPECT_EQ(books0.Height() + 60, books1.Height());
    EXPECT_EQ(label0, label1);
}

TEST_F(MainFormTest, OpenPromptAnsweredNoKeepsTheChangedCatalogue)
{
    Load(kFourBooks);
    Select("Shelf");
    form.MoveBook(0, 2);
    ASSERT_TRUE(form.IsModified());
    messages.Clear();
    messages.SetAnswer(IDNO);

    form.OnFileOpen(); // no file dialog may appear: the watchdog would end the test's wait

    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_EQ(CString("There are unsaved changes.\n\nAre you sure you want to open a new file?"),
              messages.Messages()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION), messages.Messages()[0].type);
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(Names({"B", "A", "C", "D"}), Titles());
}

TEST_F(MainFormTest, OpenPromptAnsweredYesThenFileDialogCancelledKeepsEverything)
{
    Load(kFourBooks);
    Select("Shelf");
    form.MoveBook(0, 2);
    messages.Clear();
    messages.SetAnswer(IDYES);
    ModalDriver driver("Open", {[](HWND hWnd) { ClickButton(hWnd, IDCANCEL); }});

    form.OnFileOpen();

    EXPECT_EQ(1u, driver.StepsRun()) << "the file dialog was shown and cancelled";
    EXPECT_FALSE(driver.TimedOut());
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(Names({"Empty", "Shelf"}), CollectionNames());
    EXPECT_EQ(Names({"B", "A", "C", "D"}), Titles());
}

TEST_F(MainFormTest, FileOpenLoadsTheChosenFile)
{
    const CString chosen = folder.Write("chosen.xml", kFourBooks);
    ModalDriver driver("Open", {[&](HWND hWnd) {
                           // The explorer dialog's file name box is control 1148 (edt1 in
                           // older templates is 1152); whichever exists takes the path.
                           HWND hName = ::GetDlgItem(hWnd, 1148);
                           if (!hName)
                               hName = ::GetDlgItem(hWnd, 1152);
                           ::SetWindowTextA(hName, chosen);
                           ClickButton(hWnd, IDOK);
                       }});

    form.OnFileOpen();

    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(Names({"Empty", "Shelf"}), CollectionNames());
    ASSERT_FALSE(app.recentFiles.empty());
    EXPECT_EQ(0, app.recentFiles.back().CompareNoCase(chosen));
}

// Rows A, B, C, D dragged with the real mouse.
TEST_F(MainFormTest, DraggingARowOntoAnotherMovesTheBookInFrontOfIt)
{
    Load(kFourBooks);
    Select("Shelf");
    ASSERT_FALSE(form.IsModified());

    MouseDrag(RowCentre(0), RowCentre(2));

    EXPECT_FALSE(form.m_bDragging) << "the drag has ended";
    EXPECT_EQ(Names({"B", "A", "C", "D"}), Titles());
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(nullptr, form.m_pDragImage);
}

TEST_F(MainFormTest, DroppingElsewhereMovesNothing)
{
    struct Case
    {
        const char* where;
        std::function<POINT(MainFormTest&)> target;
    };
    const Case cases[] = {{"on the Collections list",
                           [](MainFormTest& t) {
                               CRect rect;
                               t.form.m_lbCollections.GetWindowRect(&rect);
                               return POINT{rect.CenterPoint().x, rect.CenterPoint().y};
                           }},
                          {"below the last row",
                           [](MainFormTest& t) {
                               POINT pt = t.RowCentre(3);
                               pt.y += 60;
                               return pt;
                           }},
                          {"on the row it started from", [](MainFormTest& t) {
                               POINT pt = t.RowCentre(1);
                               pt.x += 30; // far enough to start a drag, still on the same row
                               return pt;
                           }}};
    Load(kFourBooks);
    Select("Shelf");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.where);
        MouseDrag(RowCentre(1), c.target(*this));
        EXPECT_FALSE(form.m_bDragging);
        EXPECT_EQ(Names({"A", "B", "C", "D"}), Titles());
        EXPECT_FALSE(form.IsModified());
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(0u, form.m_lvBooks.GetItemState(row, LVIS_DROPHILITED))
                << "row " << row << " keeps a drop highlight";
    }
}

TEST_F(MainFormTest, TheRowUnderTheCursorIsDropHighlightedDuringADrag)
{
    Load(kFourBooks);
    Select("Shelf");
    // Begin a drag as the list view reports it, then move as the mouse would.
    NMLISTVIEW begin = {};
    begin.hdr.hwndFrom = form.m_lvBooks.GetSafeHwnd();
    begin.hdr.idFrom = IDC_BOOKS;
    begin.hdr.code = LVN_BEGINDRAG;
    begin.iItem = 0;
    POINT start = RowCentre(0);
    form.m_lvBooks.ScreenToClient(&start);
    begin.ptAction = start;
    form.SendMessage(WM_NOTIFY, IDC_BOOKS, reinterpret_cast<LPARAM>(&begin));
    ASSERT_TRUE(form.m_bDragging);

    auto moveTo = [&](POINT screen) {
        form.ScreenToClient(&screen);
        form.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    };
    moveTo(RowCentre(2));
    EXPECT_EQ(2, form.m_nDropItem);
    EXPECT_EQ(static_cast<UINT>(LVIS_DROPHILITED),
              form.m_lvBooks.GetItemState(2, LVIS_DROPHILITED));
    EXPECT_EQ(0u, form.m_lvBooks.GetItemState(0, LVIS_DROPHILITED));

    CRect collections;
    form.m_lbCollections.GetWindowRect(&collections);
    moveTo(POINT{collections.CenterPoint().x, collections.CenterPoint().y});
    EXPECT_EQ(-1, form.m_nDropItem);
    EXPECT_EQ(0u, form.m_lvBooks.GetItemState(2, LVIS_DROPHILITED));

    POINT release = {collections.CenterPoint().x, collections.CenterPoint().y};
    form.ScreenToClient(&release);
    form.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
    EXPECT_FALSE(form.m_bDragging);
    EXPECT_EQ(Names({"A", "B", "C", "D"}), Titles());
    EXPECT_FALSE(form.IsModified());
}
