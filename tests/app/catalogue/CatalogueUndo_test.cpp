#include "CatalogueFixture.h"

#include <functional>

namespace
{
// Whitespace, a comment, foreign elements, ids that are not plain numbers and a collection
// without a title: undo must give all of it back exactly.
const char kShelf[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<library xmlns:xs1="urn:x-reader:cache">
  <!-- the reader's -->
  <xs1:records>
    <xs1:text id="1" title="One" author="A"/>
    <xs1:text id="2" title="Two" author="B"/>
    <xs1:text id="3" title="Three" author="C"/>
    <xs1:playlist title="Mixed" id="10" uuid="U10" sourceid="1">
      <xs1:item id="1"/><xs1:item id="002" note="n"/><xs1:item/><xs1:item id="3"/>
    </xs1:playlist>
    <other keep="yes"/>
    <xs1:playlist id="11" uuid="U11"><xs1:item id="2"/></xs1:playlist>
    <xs1:playlist title="Last" id="12" uuid="U12"/>
  </xs1:records>
</library>
)";

struct Snapshot
{
    std::string xml;
    std::vector<CString> names;
    int collection;
    std::vector<CString> titles;
    int book;
};
} // namespace

class CatalogueUndoTest : public CatalogueTest
{
protected:
    Snapshot Take()
    {
        const CString copy = folder.Path("snapshot.xml");
        EXPECT_TRUE(catalogue.m_pDoc && catalogue.m_pDoc->Save(copy));
        return Snapshot{ReadBytes(copy), CollectionNames(), collections.GetCurSel(), Titles(),
                        books.GetFirstSelected()};
    }

    void ExpectSame(const Snapshot& expected, const char* when)
    {
        const Snapshot now = Take();
        EXPECT_EQ(expected.xml, now.xml) << when;
        EXPECT_EQ(expected.names, now.names) << when;
        EXPECT_EQ(expected.collection, now.collection) << when;
        EXPECT_EQ(expected.titles, now.titles) << when;
        EXPECT_EQ(expected.book, now.book) << when;
    }
};

TEST_F(CatalogueUndoTest, EveryEditUndoesToTheDocumentAndListsBeforeAndRedoesToAfter)
{
    struct Case
    {
        const char* name;
        const char* select; // collection selected before the edit
        int book;           // row selected before the edit
        std::function<void(JCatalogue&)> edit;
    } cases[] = {
        {"Add Collection", "Mixed", 1, [](JCatalogue& c) { c.AddCollection("New one"); }},
        {"Delete Collection", "Mixed", 2, [](JCatalogue& c) { c.OnCollectionDelete(); }},
        {"Delete Collection", "blank", -1, [](JCatalogue& c) { c.OnCollectionDelete(); }},
        {"Rename Collection", "Mixed", 0, [](JCatalogue& c) { c.RenameCollection("Renamed"); }},
        {"Rename Collection", "blank", 0, [](JCatalogue& c) { c.RenameCollection("Named"); }},
        {"Add Books", "Last", -1,
         [](JCatalogue& c) {
             c.AddBooks({c.LookupBook(3), c.LookupBook(1)});
         }},
        {"Delete Book", "Mixed", 1, [](JCatalogue& c) { c.OnBookDelete(); }},
        {"Move Book", "Mixed", 3, [](JCatalogue& c) { c.MoveBook(0, 3); }},
        {"Move Book", "Mixed", 0, [](JCatalogue& c) { c.MoveBook(3, 1); }},
        {"Move Book", "Mixed", 0, [](JCatalogue& c) { c.MoveBook(2, 3); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + " in " + c.select);
        Load(kShelf);
        Select(c.select);
        books.SelectItem(c.book);
        const Snapshot before = Take();
        EXPECT_FALSE(catalogue.CanUndo());

        c.edit(catalogue);
        ASSERT_TRUE(catalogue.CanUndo());
        EXPECT_FALSE(catalogue.CanRedo());
        EXPECT_STREQ(c.name, (LPCSTR)catalogue.GetUndoName());
        const Snapshot after = Take();
        ASSERT_NE(before.xml, after.xml);

        catalogue.OnEditUndo();
        ExpectSame(before, "undone");
        EXPECT_FALSE(catalogue.IsModified()) << "back at the loaded state";
        EXPECT_FALSE(catalogue.CanUndo());
        EXPECT_STREQ(c.name, (LPCSTR)catalogue.GetRedoName());

        catalogue.OnEditRedo();
        ExpectSame(after, "redone");
        EXPECT_TRUE(catalogue.IsModified());

        catalogue.OnEditUndo();
        ExpectSame(before, "undone again");
        EXPECT_TRUE(messages.Messages().empty());
    }
}

TEST_F(CatalogueUndoTest, ManyStepsBackToTheLoadAndForwardAgain)
{
    Load(kShelf);
    const Snapshot loaded = Take();
    Select("Mixed");
    catalogue.MoveBook(0, 2);
    catalogue.AddCollection("Fresh");
    catalogue.AddBooks({catalogue.LookupBook(2), catalogue.LookupBook(2)});
    Select("Mixed");
    books.SelectItem(0);
    catalogue.OnBookDelete();
    catalogue.RenameCollection("Mixed up");
    Select("Last");
    catalogue.OnCollectionDelete();
    const Snapshot last = Take();

    const char* names[] = {"Delete Collection", "Rename Collection", "Delete Book",
                           "Add Books",         "Add Collection",    "Move Book"};
    for (const char* name : names)
    {
        EXPECT_STREQ(name, (LPCSTR)catalogue.GetUndoName());
        catalogue.OnEditUndo();
    }
    EXPECT_FALSE(catalogue.CanUndo());
    EXPECT_FALSE(catalogue.IsModified());
    EXPECT_EQ(loaded.xml, Take().xml);

    while (catalogue.CanRedo())
        catalogue.OnEditRedo();
    ExpectSame(last, "all redone");
}

TEST_F(CatalogueUndoTest, TheSavedStateIsUnmodifiedAndANewEditDropsTheRedoSteps)
{
    Load(kShelf);
    Select("Last");
    catalogue.AddBooks({catalogue.LookupBook(1)});
    catalogue.OnFileSave();
    EXPECT_FALSE(catalogue.IsModified());
    catalogue.AddBooks({catalogue.LookupBook(2)});
    EXPECT_TRUE(catalogue.IsModified());
    catalogue.OnEditUndo();
    EXPECT_FALSE(catalogue.IsModified()) << "back at the save";
    catalogue.OnEditUndo();
    EXPECT_TRUE(catalogue.IsModified()) << "before the save";
    catalogue.OnEditRedo();
    EXPECT_FALSE(catalogue.IsModified());

    // Undo below the save, then edit: the saved state cannot come back.
    catalogue.OnEditUndo();
    catalogue.AddCollection("Other");
    EXPECT_FALSE(catalogue.CanRedo());
    catalogue.OnEditUndo();
    EXPECT_TRUE(catalogue.IsModified());

    // An edit that failed half-way leaves the catalogue changed whatever is undone.
    catalogue.MarkChanged();
    while (catalogue.CanUndo())
        catalogue.OnEditUndo();
    EXPECT_TRUE(catalogue.IsModified());

    Load(kShelf);
    EXPECT_FALSE(catalogue.CanUndo());
    EXPECT_FALSE(catalogue.CanRedo());
    EXPECT_TRUE(catalogue.GetUndoName().IsEmpty());
}

TEST_F(CatalogueUndoTest, RenameRefusesAnotherCollectionsNameButAllowsItsOwnCase)
{
    Load(kShelf);
    Select("Mixed");
    EXPECT_FALSE(catalogue.RenameCollection("LAST"));
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_STREQ("That collection name is already in use.\n\nThe collection wasn't renamed.",
                 (LPCSTR)messages.Messages()[0].text);
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), messages.Messages()[0].type);
    EXPECT_FALSE(catalogue.IsModified());
    EXPECT_FALSE(catalogue.CanUndo());

    EXPECT_TRUE(catalogue.RenameCollection("Mixed")) << "the same name changes nothing";
    EXPECT_FALSE(catalogue.CanUndo());

    const std::vector<CString> namesBefore = CollectionNames();
    const int entry = collections.GetCurSel();
    EXPECT_TRUE(catalogue.RenameCollection("MIXED"));
    EXPECT_EQ(entry, collections.GetCurSel()) << "the entry keeps its place and selection";
    EXPECT_STREQ("MIXED", (LPCSTR)collections.GetText(entry));
    EXPECT_EQ(namesBefore.size(), CollectionNames().size());
    EXPECT_EQ(4, books.GetItemCount()) << "its books stay shown";
    catalogue.OnFileSave();
    EXPECT_NE(-1,
              SavedText().Find(R"(<xs1:playlist title="MIXED" id="10" uuid="U10" sourceid="1">)"))
        << "only the title changes, where it stands";
}

TEST_F(CatalogueUndoTest, RenameNeedsASelectedCollectionAndAName)
{
    Load(kShelf);
    EXPECT_FALSE(catalogue.RenameCollection("Any"));
    Select("Mixed");
    EXPECT_FALSE(catalogue.RenameCollection(""));
    EXPECT_FALSE(catalogue.IsModified());
    EXPECT_TRUE(messages.Messages().empty());
}

// ---- Saving over a file that another program changed ----

TEST_F(CatalogueUndoTest, SaveAsksBeforeOverwritingAFileChangedElsewhere)
{
    for (const int answer : {IDNO, IDYES})
    {
        Load(kShelf);
        Select("Last");
        catalogue.AddBooks({catalogue.LookupBook(1)});
        const std::string theirs = std::string(kShelf) + "<!-- rewritten by the reader -->\n";
        folder.Write("catalogue.xml", theirs);
        messages.Clear();
        messages.SetAnswer(answer);
        catalogue.OnFileSave();
        ASSERT_FALSE(messages.Messages().empty());
        EXPECT_STREQ("The file has been changed by another program since it was opened.\n\n"
                     "Overwrite it with your changes?",
                     (LPCSTR)messages.Messages()[0].text);
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONEXCLAMATION), messages.Messages()[0].type);
        if (answer == IDNO)
        {
            EXPECT_EQ(1u, messages.Messages().size());
            EXPECT_EQ(theirs, ReadBytes(path)) << "No writes nothing";
            EXPECT_TRUE(catalogue.IsModified());
        }
        else
        {
            EXPECT_NE(theirs, ReadBytes(path));
            EXPECT_NE(-1,
                      SavedText().Find(
                          R"(<xs1:playlist title="Last" id="12" uuid="U12"><xs1:item id="1"/>)"));
            EXPECT_FALSE(catalogue.IsModified());
            // Saved by this program, the file is its own again: no question the next time.
            messages.Clear();
            catalogue.AddBooks({catalogue.LookupBook(2)});
            catalogue.OnFileSave();
            ASSERT_EQ(1u, messages.Messages().size());
            EXPECT_STREQ("File saved successfully.", (LPCSTR)messages.Messages()[0].text);
        }
    }
}

TEST_F(CatalogueUndoTest, SaveAsksWhenTheFileWasDeletedElsewhere)
{
    Load(kShelf);
    Select("Last");
    catalogue.AddBooks({catalogue.LookupBook(1)});
    ASSERT_TRUE(::DeleteFileA(path));
    messages.SetAnswer(IDNO);
    catalogue.OnFileSave();
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path));
}

// ---- Backups ----

TEST_F(CatalogueUndoTest, TheFirstSaveAfterOpeningKeepsACopyOfTheFileAsItWas)
{
    Load(kShelf);
    Select("Last");
    catalogue.AddBooks({catalogue.LookupBook(1)});
    catalogue.OnFileSave();
    const CString backups = folder.Path("backups");
    std::vector<CString> copies = FileNames(backups);
    ASSERT_EQ(1u, copies.size());
    EXPECT_TRUE(JIsBackupOf(copies[0], "catalogue")) << (LPCSTR)copies[0];
    EXPECT_EQ(std::string(kShelf), ReadBytes(backups + "\\" + copies[0]));

    catalogue.AddBooks({catalogue.LookupBook(2)});
    catalogue.OnFileSave();
    EXPECT_EQ(1u, FileNames(backups).size()) << "only the first save after opening";

    const std::string secondSave = ReadBytes(path);
    catalogue.LoadFile(path);
    Select("Last");
    catalogue.AddBooks({catalogue.LookupBook(3)});
    catalogue.OnFileSave();
    copies = FileNames(backups);
    ASSERT_EQ(2u, copies.size()) << "a second copy within a second gets a number";
    const std::string first = ReadBytes(backups + "\\" + copies[0]);
    const std::string second = ReadBytes(backups + "\\" + copies[1]);
    EXPECT_TRUE((first == kShelf && second == secondSave) ||
                (second == kShelf && first == secondSave))
        << "the original, and the file as the save before the reopening left it";
}

TEST_F(CatalogueUndoTest, OnlyTheTenNewestCopiesOfANameAreKept)
{
    const CString backups = folder.Path("backups");
    ASSERT_TRUE(::CreateDirectoryA(backups, nullptr));
    const char* others[] = {"catalogue-note.xml", "catalogue-20010101-000000.txt",
                            "catalogues-20010101-000000.xml", "other-20010101-000000.xml"};
    for (const char* name : others)
        folder.Write((CString("backups\\") + name), "x");
    for (int i = 0; i < 12; ++i)
    {
        CString name;
        name.Format("backups\\catalogue-200%d0101-000000.xml", i % 10);
        if (i >= 10)
            name.Format("backups\\catalogue-20090101-000000-%d.xml", i - 8);
        folder.Write(name, "old");
    }
    Load(kShelf);
    Select("Last");
    catalogue.AddBooks({catalogue.LookupBook(1)});
    catalogue.OnFileSave();

    std::vector<CString> kept;
    for (const CString& name : FileNames(backups))
    {
        if (JIsBackupOf(name, "catalogue"))
            kept.push_back(name);
    }
    ASSERT_EQ(10u, kept.size());
    for (const char* gone : {"catalogue-20000101-000000.xml", "catalogue-20010101-000000.xml",
                             "catalogue-20020101-000000.xml"})
        EXPECT_EQ(kept.end(), std::find(kept.begin(), kept.end(), CString(gone))) << gone;
    for (const char* other : others)
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(backups + "\\" + other)) << other;
}

TEST_F(CatalogueUndoTest, ACopyThatCannotBeMadeAsksWhetherToSaveWithoutOne)
{
    // A file where the folder should be: the copy really fails.
    folder.Write("backups", "not a folder");
    for (const int answer : {IDNO, IDYES})
    {
        Load(kShelf);
        Select("Last");
        catalogue.AddBooks({catalogue.LookupBook(1)});
        messages.Clear();
        messages.SetAnswer(answer);
        catalogue.OnFileSave();
        ASSERT_FALSE(messages.Messages().empty());
        EXPECT_STREQ("A backup copy of the file could not be made before saving over it.\n\n"
                     "Save without a backup?",
                     (LPCSTR)messages.Messages()[0].text);
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONEXCLAMATION), messages.Messages()[0].type);
        EXPECT_EQ(answer == IDNO, std::string(kShelf) == ReadBytes(path));
        EXPECT_EQ(answer == IDNO, catalogue.IsModified());
    }
}

TEST(CatalogueBackupNames, OnlyTheCopyPatternOfTheSameNameMatches)
{
    struct Case
    {
        const char* name;
        bool match;
    } cases[] = {
        {"cat-20261210-081500.xml", true},    {"CAT-20261210-081500.XML", true},
        {"cat-20261210-081500-2.xml", true},  {"cat-20261210-081500-9.xml", true},
        {"cat-20261210-081500-1.xml", false}, {"cat-20261210-081500-10.xml", false},
        {"cat-2026121-0081500.xml", false},   {"cat-20261210-08150x.xml", false},
        {"cat-20261210-081500.txt", false},   {"cats-20261210-081500.xml", false},
        {"cat-x-20261210-081500.xml", false}, {"cat.xml", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, JIsBackupOf(c.name, "cat")) << c.name;
}
