#include "CatalogueFixture.h"

const char kLibrary[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- kept as it is -->
<library xmlns:xs1="urn:x-reader:cache" xmlns:pl="urn:other">
  <xs1:records>
    <xs1:text id="3" title="Alpha Book" author="Ann" date="2001" path="a.epub"/>
    <xs1:text id="41" title="Beta Book" author="Bob" date="2002"/>
    <xs1:text id="7" author="Cy"/>
    <xs1:text id="41" title="Shadowed Duplicate" author="Dup" date="1999"/>
    <xs1:playlist title="beta" id="20" uuid="U1" sourceid="1"><xs1:item id="41"/><xs1:item id="3"/></xs1:playlist>
    <xs1:playlist title="Alpha" id="21"><xs1:item id="3"/><xs1:item id="99"/><xs1:item id="7"/></xs1:playlist>
    <xs1:playlist title="gamma" id="22"/>
  </xs1:records>
</library>
)";

TEST_F(CatalogueTest, LoadListsBooksAndSortedCollections)
{
    Load(kLibrary);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ((std::vector<CString>{"Alpha", "beta", "gamma"}), CollectionNames());
    EXPECT_EQ(-1, collections.GetCurSel());
    EXPECT_EQ(0, books.GetItemCount());
    EXPECT_TRUE(catalogue.m_collectionBooks.empty());

    ASSERT_EQ(4u, catalogue.m_books.size()) << "books with equal ids are all kept";
    EXPECT_EQ(3, catalogue.m_books[0].m_nId);
    EXPECT_STREQ("Alpha Book", (LPCSTR)catalogue.m_books[0].m_strTitle);
    EXPECT_STREQ("Ann", (LPCSTR)catalogue.m_books[0].m_strAuthor);
    EXPECT_STREQ("2001", (LPCSTR)catalogue.m_books[0].m_strDate);
    EXPECT_STREQ("", (LPCSTR)catalogue.m_books[2].m_strTitle) << "missing title";
    EXPECT_STREQ("", (LPCSTR)catalogue.m_books[2].m_strDate) << "missing date";

    EXPECT_EQ(42, catalogue.m_nNextId) << "one more than the highest id 41";
    EXPECT_FALSE(catalogue.IsModified());
    EXPECT_EQ((std::vector<CString>{path}), recent.paths);
}

TEST_F(CatalogueTest, FillBooksShowsItemsWithFirstBookOfAnIdAndPlaceholders)
{
    Load(kLibrary);
    Select("Alpha");
    ASSERT_EQ(3, books.GetItemCount());
    EXPECT_EQ((JMemoryBooksList::Row{"Alpha Book", "Ann", "2001"}), books.GetRow(0));
    EXPECT_EQ((JMemoryBooksList::Row{"UNDEFINED", "UNDEFINED", "UNDEFINED"}), books.GetRow(1));
    EXPECT_EQ((JMemoryBooksList::Row{"", "Cy", ""}), books.GetRow(2));
    ASSERT_EQ(3u, catalogue.m_collectionBooks.size());
    EXPECT_EQ(99, catalogue.m_collectionBooks[1].m_nId) << "a placeholder keeps the item's id";

    Select("beta");
    EXPECT_EQ((std::vector<CString>{"Beta Book", "Alpha Book"}), Titles())
        << "the first book with id 41 wins";
    Select("gamma");
    EXPECT_EQ(0, books.GetItemCount());
    EXPECT_FALSE(catalogue.IsModified()) << "selecting never changes the document";
}

TEST_F(CatalogueTest, StructureRulesOfTheFile)
{
    struct Case
    {
        const char* what;
        const char* xml;
        std::vector<CString> collections;
        int nextId;
        size_t books;
    } cases[] = {
        {"document element named records",
         R"(<records xmlns:xs1="u"><xs1:text id="5"/><xs1:playlist title="P" id="6"/></records>)",
         {},
         1,
         0},
        {"only the first records child counts",
         R"(<r xmlns:xs1="u"><records><xs1:playlist title="One" id="2"/></records>
            <records><xs1:playlist title="Two" id="9"/><xs1:text id="8"/></records></r>)",
         {"One"},
         3,
         0},
        {"other prefixes and other case are not collections, but their ids count",
         R"(<r xmlns:xs1="u" xmlns:pl="u"><records><xs1:Playlist title="X" id="30"/>
            <pl:playlist title="Y" id="31"/><other id="12"/><xs1:playlist id="-4"/></records></r>)",
         {"blank"},
         32,
         0},
        {"no positive id",
         R"(<r xmlns:xs1="u"><records><xs1:text id="abc"/><xs1:text/><xs1:playlist title="" id="-2"/></records></r>)",
         {"blank"},
         1,
         2},
        {"items and deeper elements are never counted",
         R"(<r xmlns:xs1="u"><records><xs1:playlist title="P" id="1"><xs1:item id="500"/></xs1:playlist>
            <group id="2"><xs1:text id="77"/></group></records></r>)",
         {"P"},
         3,
         0},
    };
    for (const Case& c : cases)
    {
        recent.paths.clear();
        Load(c.xml);
        EXPECT_EQ(c.collections, CollectionNames()) << c.what;
        EXPECT_EQ(c.nextId, catalogue.m_nNextId) << c.what;
        EXPECT_EQ(c.books, catalogue.m_books.size()) << c.what;
        EXPECT_FALSE(catalogue.IsModified()) << c.what;
        EXPECT_EQ(1u, recent.paths.size()) << c.what;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CatalogueTest, MissingRecordsElementIsCreatedAndSavedButNotAChange)
{
    Load(R"(<records xmlns:xs1="u"><xs1:text id="5"/></records>)");
    EXPECT_FALSE(catalogue.IsModified());
    catalogue.OnFileSave();
    EXPECT_NE(-1, SavedText().Find(R"(<xs1:text id="5"/><records/></records>)"))
        << (LPCSTR)SavedText();
}

TEST_F(CatalogueTest, FailedLoadLeavesNoCatalogue)
{
    Load(kLibrary);
    Select("Alpha");
    catalogue.AddCollection("Extra");
    ASSERT_TRUE(catalogue.IsModified());
    const std::vector<CString> recentBefore = recent.paths;

    const std::pair<const char*, std::string> cases[] = {
        {"missing file", ""},
        {"not XML", "this is not a catalogue"},
        {"external entity",
         R"(<?xml version="1.0"?><!DOCTYPE r [<!ENTITY x SYSTEM "file:///C:/windows/win.ini">]><r>&x;</r>)"},
    };
    for (const auto& c : cases)
    {
        messages.Clear();
        const CString target =
            c.second.empty() ? folder.Path("missing.xml") : folder.Write("bad.xml", c.second);
        catalogue.LoadFile(target);
        ASSERT_EQ(1u, messages.Messages().size()) << c.first;
        EXPECT_STREQ("Unable to open the file.", (LPCSTR)messages.Messages()[0].text) << c.first;
        EXPECT_EQ(UINT(MB_OK), messages.Messages()[0].type) << "no icon: " << c.first;
        EXPECT_EQ(nullptr, catalogue.m_pDoc) << c.first;
        EXPECT_EQ(0, collections.GetCount()) << c.first;
        EXPECT_EQ(0, books.GetItemCount()) << c.first;
        EXPECT_TRUE(catalogue.m_books.empty()) << c.first;
        EXPECT_FALSE(catalogue.m_bModified) << c.first;
        EXPECT_EQ(recentBefore, recent.paths) << c.first;
    }
}

TEST_F(CatalogueTest, SaveReportsEachOutcome)
{
    catalogue.OnFileSave();
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_STREQ("No file is loaded.\n\nThere is nothing to save.",
                 (LPCSTR)messages.Messages()[0].text);
    EXPECT_EQ(UINT(MB_OK), messages.Messages()[0].type);

    Load(kLibrary);
    catalogue.AddCollection("Delta");
    messages.Clear();
    recent.paths.clear();
    catalogue.OnFileSave();
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_STREQ("File saved successfully.", (LPCSTR)messages.Messages()[0].text);
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), messages.Messages()[0].type);
    EXPECT_FALSE(catalogue.IsModified());
    EXPECT_EQ((std::vector<CString>{path}), recent.paths);
    EXPECT_NE(-1, SavedText().Find("title=\"Delta\""));
}

TEST_F(CatalogueTest, FailedSaveKeepsTheFileAndTheChanges)
{
    Load(kLibrary);
    catalogue.AddCollection("Delta");
    messages.Clear();
    recent.paths.clear();
    ASSERT_TRUE(::SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY));
    catalogue.OnFileSave();
    ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_STREQ("Error occured trying to save.", (LPCSTR)messages.Messages()[0].text);
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), messages.Messages()[0].type);
    EXPECT_TRUE(catalogue.IsModified());
    EXPECT_TRUE(recent.paths.empty());
    EXPECT_EQ(std::string(kLibrary), ReadBytes(path)) << "the old file, byte for byte";
}

TEST_F(CatalogueTest, UnchangedCatalogueSavesBackWithEveryValue)
{
    const std::string xml = std::string(R"(<?xml version="1.0" encoding="UTF-8"?>
<lib xmlns:xs1="urn:x"><records>
<xs1:text id="1" title="Οδύσσεια" author="Όμηρος" date="-700"/>
<xs1:text id="2" title="吾輩は猫である" author="夏目漱石" date="1905"/>
<xs1:text id="3" title="Emoji 📚😀 Café" author="Zoë Ünal" date="2020-01-01"/>
<xs1:playlist title="Βιβλία α"><xs1:item id="1"/></xs1:playlist>
<xs1:playlist title="Βιβλία β"><xs1:item id="2"/></xs1:playlist>
<xs1:playlist title="本あ"><xs1:item id="3"/></xs1:playlist>
<xs1:playlist title="本い"><xs1:item id="1"/><xs1:item id="2"/></xs1:playlist>
</records></lib>
)");
    Load(xml);
    EXPECT_EQ((std::vector<CString>{"Βιβλία α", "Βιβλία β", "本あ", "本い"}), CollectionNames());

    // Titles that differ only outside Latin-1 are different collections.
    const std::pair<const char*, std::vector<CString>> expected[] = {
        {"Βιβλία α", {"Οδύσσεια"}},
        {"Βιβλία β", {"吾輩は猫である"}},
        {"本あ", {"Emoji 📚😀 Café"}},
        {"本い", {"Οδύσσεια", "吾輩は猫である"}},
    };
    for (const auto& e : expected)
    {
        Select(e.first);
        EXPECT_EQ(e.second, Titles()) << e.first;
    }

    catalogue.m_bModified = true;
    catalogue.OnFileSave();
    const std::vector<JBook> before = catalogue.m_books;
    catalogue.LoadFile(path);
    ASSERT_EQ(before.size(), catalogue.m_books.size());
    for (size_t i = 0; i < before.size(); ++i)
    {
        EXPECT_STREQ(before[i].m_strTitle, catalogue.m_books[i].m_strTitle);
        EXPECT_STREQ(before[i].m_strAuthor, catalogue.m_books[i].m_strAuthor);
        EXPECT_STREQ(before[i].m_strDate, catalogue.m_books[i].m_strDate);
    }
    EXPECT_NE(std::string::npos, ReadBytes(path).find("title=\"Emoji 📚😀 Café\""))
        << "the saved bytes are UTF-8 as they were";
}

TEST_F(CatalogueTest, BundledSampleOpens)
{
    catalogue.LoadFile(WinePathOf(SHELVIX_SOURCE_DIR "/samples/reader-catalogue.xml"));
    ASSERT_TRUE(messages.Messages().empty());
    // Where names outside ASCII sort depends on the runtime's case-blind comparison of their
    // bytes; the ASCII names keep their case-blind order among themselves.
    std::vector<CString> ascii, others;
    for (const CString& name : CollectionNames())
        ((unsigned char)name[0] < 0x80 ? ascii : others).push_back(name);
    EXPECT_EQ((std::vector<CString>{"blank", "Cookbooks", "Reading now", "travel"}), ascii);
    EXPECT_EQ((std::vector<CString>{"Βιβλία στα ελληνικά", "日本の本"}), others);
    EXPECT_EQ(13u, catalogue.m_books.size());
    EXPECT_EQ(52, catalogue.m_nNextId);
    Select("Cookbooks");
    EXPECT_EQ((std::vector<CString>{"Crème brûlée et autres délices",
                                    "Ελληνική μαγειρική για αρχάριους", "UNDEFINED"}),
              Titles());
}
