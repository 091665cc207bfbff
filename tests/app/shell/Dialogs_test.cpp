#include "ShellTestSupport.h"

#include "app/res/resource.h"
#include "app/shell/JDlgBooksAdd.h"
#include "app/shell/JDlgCollectionAdd.h"

namespace
{
std::vector<CString> Names(std::initializer_list<const char*> names)
{
    return std::vector<CString>(names.begin(), names.end());
}

CString ItemText(HWND hDialog, int nID)
{
    char text[256] = "";
    ::GetDlgItemTextA(hDialog, nID, text, sizeof text);
    return text;
}

// Steps that type a name and press "Add", once per name, then close the dialog.
std::vector<ModalDriver::Step> TypeAndAdd(std::vector<const char*> names,
                                          std::vector<CString>* pEditTexts = nullptr)
{
    std::vector<ModalDriver::Step> steps;
    for (const char* name : names)
        steps.push_back([name, pEditTexts](HWND hWnd) {
            ::SetDlgItemTextA(hWnd, IDC_COLLECTION_NAME, name);
            ClickButton(hWnd, IDOK);
            if (pEditTexts)
                pEditTexts->push_back(ItemText(hWnd, IDC_COLLECTION_NAME));
        });
    steps.push_back([](HWND hWnd) { ClickButton(hWnd, IDCANCEL); });
    return steps;
}

// The Add Books dialog object behind the window.
JDlgBooksAdd& BooksDialog(HWND hWnd)
{
    return *static_cast<JDlgBooksAdd*>(CWnd::FromHandlePermanent(hWnd));
}

std::vector<CString> OfferedTitles(HWND hWnd)
{
    std::vector<CString> titles;
    CListCtrl& list = BooksDialog(hWnd).m_lvList;
    for (int i = 0; i < list.GetItemCount(); ++i)
        titles.push_back(list.GetItemText(i, 0));
    return titles;
}

// Clicks a column header with the mouse messages the header itself reacts to.
void ClickHeader(HWND hWnd, int nColumn)
{
    HWND hHeader = reinterpret_cast<HWND>(
        ::SendMessageA(::GetDlgItem(hWnd, IDC_BOOKS_OFFERED), LVM_GETHEADER, 0, 0));
    RECT rect = {};
    ::SendMessageA(hHeader, HDM_GETITEMRECT, nColumn, reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, at);
}

// Books whose title, author and date sort in different orders.
const char kSortable[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<cache xmlns:xs1="urn:x-test:cache">
  <xs1:records>
    <xs1:text id="1" title="banana" author="Zoe" date="2003"/>
    <xs1:text id="2" title="Apple" author="mia" date="2001"/>
    <xs1:text id="3" title="cherry" author="Adam" date="2002"/>
    <xs1:text id="4" title="Held" author="Held" date="2000"/>
    <xs1:playlist title="Shelf" id="10"><xs1:item id="4"/></xs1:playlist>
  </xs1:records>
</cache>
)";
} // namespace

class CollectionAddTest : public MainFormTest
{
};

TEST_F(CollectionAddTest, AddsTrimmedNamesAndKeepsTheTypedText)
{
    Load(kFourBooks);
    std::vector<CString> editTexts;
    ModalDriver driver("Add Collection", TypeAndAdd({"  Fiction  ", "\tPoetry"}, &editTexts));

    form.OnCollectionAdd();

    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(3u, driver.StepsRun());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(Names({"Empty", "Shelf", "Fiction", "Poetry"}), CollectionNames());
    EXPECT_EQ(Names({"  Fiction  ", "\tPoetry"}), editTexts) << "the edit control is not trimmed";
    EXPECT_TRUE(form.IsModified());
}

TEST_F(CollectionAddTest, RefusesBlankAndDuplicateNames)
{
    struct Case
    {
        std::vector<const char*> typed;
        std::vector<const char*> messages;
        std::vector<CString> collections;
    };
    const Case cases[] = {
        {{" \t "}, {"Please enter a non-blank collection name."}, Names({"Empty", "Shelf"})},
        {{""}, {"Please enter a non-blank collection name."}, Names({"Empty", "Shelf"})},
        {{"SHELF"},
         {"That collection name already.\n\nCollection wasn't added."},
         Names({"Empty", "Shelf"})},
        {{"Fiction", "Fiction"},
         {"That collection name already.\n\nCollection wasn't added."},
         Names({"Empty", "Shelf", "Fiction"})},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed[0]);
        Load(kFourBooks);
        messages.Clear();
        ModalDriver driver("Add Collection", TypeAndAdd(c.typed));
        form.OnCollectionAdd();
        EXPECT_FALSE(driver.TimedOut());
        ASSERT_EQ(c.messages.size(), messages.Messages().size());
        for (size_t i = 0; i < c.messages.size(); ++i)
        {
            EXPECT_EQ(CString(c.messages[i]), messages.Messages()[i].text);
            EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), messages.Messages()[i].type);
        }
        EXPECT_EQ(c.collections, CollectionNames());
    }
}

TEST_F(CollectionAddTest, EscapeEndsTheDialogWithoutAdding)
{
    Load(kFourBooks);
    ModalDriver driver("Add Collection", {[](HWND hWnd) {
                           ::SetDlgItemTextA(hWnd, IDC_COLLECTION_NAME, "Unsaved");
                           ::SendMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
                       }});
    form.OnCollectionAdd();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(Names({"Empty", "Shelf"}), CollectionNames());
    EXPECT_FALSE(form.IsModified());
}

class BooksAddTest : public MainFormTest
{
};

TEST_F(BooksAddTest, OffersTheBooksNotInTheCollectionByTitle)
{
    Load(kSortable);
    Select("Shelf");
    std::vector<CString> offered;
    ModalDriver driver("Add Books To Collection", {[&](HWND hWnd) {
                           offered = OfferedTitles(hWnd);
                           ClickButton(hWnd, IDCANCEL);
                       }});
    form.OnBooksAdd();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(Names({"Apple", "banana", "cherry"}), offered);
}

// Each click on a header sorts once: a new column ascending, the same column again reversed.
TEST_F(BooksAddTest, HeaderClicksSortByEachColumnAndDirection)
{
    struct Case
    {
        int column;
        int sort;
        std::vector<CString> titles;
    };
    const Case cases[] = {
        {0, -1, Names({"cherry", "banana", "Apple"})},
        {0, 1, Names({"Apple", "banana", "cherry"})},
        {1, 2, Names({"cherry", "Apple", "banana"})},
        {1, -2, Names({"banana", "Apple", "cherry"})},
        {2, 3, Names({"Apple", "cherry", "banana"})},
        {2, -3, Names({"banana", "cherry", "Apple"})},
        {1, 2, Names({"cherry", "Apple", "banana"})},
    };
    Load(kSortable);
    Select("Shelf");
    std::vector<ModalDriver::Step> steps;
    for (const Case& c : cases)
        steps.push_back([&c](HWND hWnd) {
            SCOPED_TRACE(::testing::Message() << "column " << c.column << " to sort " << c.sort);
            ClickHeader(hWnd, c.column);
            EXPECT_EQ(c.sort, BooksDialog(hWnd).m_nSort);
            EXPECT_EQ(c.titles, OfferedTitles(hWnd));
        });
    steps.push_back([](HWND hWnd) { ClickButton(hWnd, IDCANCEL); });
    ModalDriver driver("Add Books To Collection", steps);
    form.OnBooksAdd();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(steps.size(), driver.StepsRun());
}

TEST_F(BooksAddTest, AddsTheSelectedRowsInRowOrderAndDropsThemFromTheList)
{
    Load(kFourBooks);
    Select("Empty");
    std::vector<CString> left;
    ModalDriver driver("Add Books To Collection", {[&](HWND hWnd) {
                           CListCtrl& list = BooksDialog(hWnd).m_lvList;
                           list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED); // D
                           list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED); // B
                           ClickButton(hWnd, IDOK);
                           left = OfferedTitles(hWnd);
                           ClickButton(hWnd, IDCANCEL);
                       }});
    form.OnBooksAdd();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(Names({"B", "D"}), Titles());
    EXPECT_EQ(Names({"A", "C", "E", "F"}), left);
    EXPECT_TRUE(form.IsModified());
}

TEST_F(BooksAddTest, ACollectionHoldingEveryBookOffersNothing)
{
    Load(kFourBooks);
    Select("Shelf");
    JBookList rest = {form.m_books[4], form.m_books[5]};
    form.AddBooks(rest);
    std::vector<CString> offered = {"not read"};
    ModalDriver driver("Add Books To Collection", {[&](HWND hWnd) {
                           offered = OfferedTitles(hWnd);
                           ClickButton(hWnd, IDOK); // adds nothing, still marks a change
                           ClickButton(hWnd, IDCANCEL);
                       }});
    form.OnBooksAdd();
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(6, form.m_lvBooks.GetItemCount());
}

TEST_F(BooksAddTest, ResizingGrowsTheListAndKeepsTheButtonCentredAtTheBottom)
{
    Load(kFourBooks);
    Select("Shelf");
    CRect list0, list1, button0, button1, client0, client1, grip1;
    ModalDriver driver("Add Books To Collection", {[&](HWND hWnd) {
                           JDlgBooksAdd& dialog = BooksDialog(hWnd);
                           dialog.GetClientRect(&client0);
                           ::GetWindowRect(::GetDlgItem(hWnd, IDC_BOOKS_OFFERED), &list0);
                           ::GetWindowRect(::GetDlgItem(hWnd, IDOK), &button0);
                           CRect window;
                           dialog.GetWindowRect(&window);
                           dialog.MoveWindow(window.left, window.top, window.Width() + 120,
                                             window.Height() + 80);
                           dialog.GetClientRect(&client1);
                           ::GetWindowRect(::GetDlgItem(hWnd, IDC_BOOKS_OFFERED), &list1);
                           ::GetWindowRect(::GetDlgItem(hWnd, IDOK), &button1);
                           ClickButton(hWnd, IDCANCEL);
                       }});
    form.OnBooksAdd();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(client0.Width() + 120, client1.Width());
    EXPECT_EQ(list0.TopLeft(), list1.TopLeft());
    EXPECT_EQ(list0.Width() + 120, list1.Width());
    EXPECT_EQ(list0.Height() + 80, list1.Height());
    EXPECT_EQ(button0.Size(), button1.Size());
    EXPECT_EQ(button0.top + 80, button1.top) << "the same distance from the bottom";
    EXPECT_NEAR(button0.left + 60, button1.left, 1) << "still centred";
}

namespace
{
const char kFilterable[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<cache xmlns:xs1="urn:x-test:cache">
  <xs1:records>
    <xs1:text id="1" title="Οδύσσεια" author="Όμηρος" date="1"/>
    <xs1:text id="2" title="The Sea" author="Ann Ray" date="2"/>
    <xs1:text id="3" title="École du soir" author="Zoé" date="3"/>
    <xs1:text id="4" title="Seasons" author="Bo Ek" date="4"/>
    <xs1:text id="5" title="Night" author="Ana Seabright" date="5"/>
    <xs1:playlist title="Shelf" id="10"/>
  </xs1:records>
</cache>
)";

void TypeFilter(HWND hWnd, const char* text)
{
    ::SetDlgItemTextA(hWnd, IDC_BOOKS_FILTER, text); // the edit reports EN_CHANGE
}

std::vector<CString> SelectedTitles(HWND hWnd)
{
    std::vector<CString> titles;
    CListCtrl& list = BooksDialog(hWnd).m_lvList;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
         row = list.GetNextItem(row, LVNI_SELECTED))
        titles.push_back(list.GetItemText(row, 0));
    return titles;
}
} // namespace

TEST_F(BooksAddTest, TheFilterMatchesTitleOrAuthorInAnyScriptAndKeepsSortAndChoices)
{
    Load(kFilterable);
    Select("Shelf");
    std::vector<CString> all, sorted, chosen;
    ModalDriver driver("Add Books To Collection", {[&](HWND hWnd) {
                           all = OfferedTitles(hWnd);
                           ClickHeader(hWnd, 1); // by author
                           ClickHeader(hWnd, 1); // descending
                           sorted = OfferedTitles(hWnd);
                           TypeFilter(hWnd, "ΌΜΗ"); // the author of one book, in capitals
                           EXPECT_EQ(Names({"Οδύσσεια"}), OfferedTitles(hWnd));
                           BooksDialog(hWnd).m_lvList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
                           TypeFilter(hWnd, "SEA"); // two titles and one author
                           std::vector<CString> expected;
                           for (const CString& title : sorted)
                               if (title == "The Sea" || title == "Seasons" || title == "Night")
                                   expected.push_back(title);
                           EXPECT_EQ(expected, OfferedTitles(hWnd)) << "in the sort order";
                           EXPECT_TRUE(SelectedTitles(hWnd).empty());
                           BooksDialog(hWnd).m_lvList.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
                           const CString picked = OfferedTitles(hWnd)[1];
                           TypeFilter(hWnd, "");
                           EXPECT_EQ(sorted, OfferedTitles(hWnd));
                           for (const CString& title : sorted)
                               if (title == "Οδύσσεια" || title == picked)
                                   chosen.push_back(title);
                           EXPECT_EQ(chosen, SelectedTitles(hWnd)) << "choices survive the filter";
                           TypeFilter(hWnd, "école");
                           EXPECT_EQ(Names({"École du soir"}), OfferedTitles(hWnd));
                           ClickButton(hWnd, IDOK); // adds the two chosen books, hidden as they are
                           EXPECT_TRUE(OfferedTitles(hWnd).size() == 1u);
                           TypeFilter(hWnd, "zzz");
                           EXPECT_TRUE(OfferedTitles(hWnd).empty());
                           ClickButton(hWnd, IDCANCEL);
                       }});
    form.OnBooksAdd();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(5u, all.size());
    EXPECT_EQ(chosen, Titles()) << "the chosen books, in the order shown";
}
