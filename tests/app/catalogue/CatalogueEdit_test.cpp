#include "CatalogueFixture.h"
#include "app/catalogue/JUuidString.h"

#include <ctype.h>

namespace
{
RPC_STATUS RPC_ENTRY LocalOnlyUuid(UUID* pUuid)
{
    ::UuidCreateSequential(pUuid);
    return RPC_S_UUID_LOCAL_ONLY;
}

bool IsUpperUuid(const CString& text)
{
    if (text.GetLength() != 36)
        return false;
    for (int i = 0; i < 36; ++i)
    {
        const char ch = text[i];
        const bool hyphen = i == 8 || i == 13 || i == 18 || i == 23;
        if (hyphen ? ch != '-' : !(isdigit((unsigned char)ch) || (ch >= 'A' && ch <= 'F')))
            return false;
    }
    return true;
}

const char kRows[] = R"(<r xmlns:xs1="u"><records>
<xs1:text id="1" title="A"/><xs1:text id="2" title="B"/><xs1:text id="3" title="C"/><xs1:text id="4" title="D"/>
<xs1:playlist title="List"><xs1:item id="1"/><xs1:item id="2" extra="e"/><xs1:item id="3"/><xs1:item id="4"/></xs1:playlist>
</records></r>)";
} // namespace

TEST_F(CatalogueTest, AddCollectionRefusesANameTakenIgnoringCase)
{
    Load(
        R"(<r xmlns:xs1="u"><records><xs1:playlist title="Alpha" id="9"/><xs1:playlist title="beta"/>
            <xs1:playlist/></records></r>)");
    for (const char* name : {"alpha", "BETA", "Blank"})
    {
        messages.Clear();
        catalogue.AddCollection(name);
        ASSERT_EQ(1u, messages.Messages().size()) << name;
        EXPECT_STREQ("That collection name already.\n\nCollection wasn't added.",
                     (LPCSTR)messages.Messages()[0].text);
        EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), messages.Messages()[0].type);
        EXPECT_EQ(10, catalogue.m_nNextId) << name;
        EXPECT_EQ(3, collections.GetCount()) << name;
        EXPECT_FALSE(catalogue.IsModified()) << name;
    }
}

TEST_F(CatalogueTest, AddCollectionAppendsSelectsAndWritesItsAttributesInOrder)
{
    Load(
        R"(<r xmlns:xs1="u"><records><xs1:playlist title="Alpha" id="9"/><xs1:playlist title="beta"/></records></r>)");
    catalogue.AddCollection("Holiday");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ((std::vector<CString>{"Alpha", "beta", "Holiday"}), CollectionNames());
    EXPECT_EQ(2, collections.GetCurSel());
    EXPECT_EQ(0, books.GetItemCount());
    EXPECT_TRUE(catalogue.IsModified());
    catalogue.AddCollection("Gamma");
    EXPECT_EQ((std::vector<CString>{"Alpha", "beta", "Holiday", "Gamma"}), CollectionNames())
        << "not re-sorted until the next load";

    catalogue.OnFileSave();
    const CString text = SavedText();
    const char holiday[] = "<xs1:playlist title=\"Holiday\" sourceid=\"1\" id=\"10\" uuid=\"";
    const int at = text.Find(holiday);
    ASSERT_NE(-1, at) << (LPCSTR)text;
    const CString uuid = text.Mid(at + int(strlen(holiday)), 36);
    EXPECT_EQ('"', text[at + int(strlen(holiday)) + 36]);
    EXPECT_TRUE(IsUpperUuid(uuid)) << (LPCSTR)uuid;
    EXPECT_NE(-1, text.Find("<xs1:playlist title=\"Gamma\" sourceid=\"1\" id=\"11\" uuid=\""));
    EXPECT_LT(text.Find("Holiday"), text.Find("Gamma"));
    EXPECT_NE(-1, text.Find("\"/></records>"))
        << "the last one is the records element's last child";
}

TEST_F(CatalogueTest, CollectionIdsOnlyGrow)
{
    Load(R"(<r xmlns:xs1="u"><records><xs1:text id="9"/></records></r>)");
    catalogue.AddCollection("One");
    catalogue.AddCollection("Two");
    Select("One");
    catalogue.OnCollectionDelete();
    catalogue.AddCollection("Three");
    catalogue.OnFileSave();
    const CString text = SavedText();
    EXPECT_EQ(-1, text.Find("\"One\""));
    EXPECT_NE(-1, text.Find("title=\"Two\" sourceid=\"1\" id=\"11\""));
    EXPECT_NE(-1, text.Find("title=\"Three\" sourceid=\"1\" id=\"12\""));
}

TEST_F(CatalogueTest, UuidIsEmptyUnlessTheServiceReportsPlainSuccess)
{
    EXPECT_TRUE(IsUpperUuid(JCatalogue::MakeUuidString()));
    UUID bytes = {};
    const CString text = JCatalogue::MakeUuidString(&bytes);
    EXPECT_NE(0, bytes.Data1 | bytes.Data2 | bytes.Data3) << "the caller's buffer gets the UUID";
    EXPECT_NE(text, JCatalogue::MakeUuidString()) << "a new one each call";

    JUuidCreator previous = JSetUuidCreator(LocalOnlyUuid);
    EXPECT_STREQ("", (LPCSTR)JCatalogue::MakeUuidString());
    Load(R"(<r xmlns:xs1="u"><records/></r>)");
    catalogue.AddCollection("Local");
    JSetUuidCreator(previous);
    catalogue.OnFileSave();
    EXPECT_NE(-1, SavedText().Find("title=\"Local\" sourceid=\"1\" id=\"1\" uuid=\"\""));
}

TEST_F(CatalogueTest, DeleteCollectionRemovesItsElementButNoBook)
{
    Load(kLibrary);
    catalogue.OnCollectionDelete();
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_STREQ("Unable to delete.\n\nPlease select a collection.",
                 (LPCSTR)messages.Messages()[0].text);
    EXPECT_EQ(UINT(MB_OK), messages.Messages()[0].type);
    EXPECT_FALSE(catalogue.IsModified());

    Select("beta");
    catalogue.OnCollectionDelete();
    EXPECT_EQ((std::vector<CString>{"Alpha", "gamma"}), CollectionNames());
    EXPECT_EQ(-1, collections.GetCurSel());
    EXPECT_EQ(0, books.GetItemCount());
    EXPECT_TRUE(catalogue.IsModified());
    EXPECT_EQ(4u, catalogue.m_books.size());
    catalogue.OnFileSave();
    const CString text = SavedText();
    EXPECT_EQ(-1, text.Find("title=\"beta\""));
    EXPECT_EQ(-1, text.Find("<xs1:item id=\"41\"/>")) << "its items went with it";
    EXPECT_NE(-1, text.Find("title=\"Beta Book\"")) << "the book stays";
    EXPECT_NE(-1, text.Find("<!-- kept as it is -->"));
}

TEST_F(CatalogueTest, DeleteOfADuplicateNameRemovesTheFirstInTheFile)
{
    Load(
        R"(<r xmlns:xs1="u"><records><xs1:playlist title="Same" id="1"><xs1:item id="5"/></xs1:playlist>
            <xs1:playlist title="Same" id="2"/></records></r>)");
    EXPECT_EQ((std::vector<CString>{"Same", "Same"}), CollectionNames());
    collections.SetCurSel(1);
    catalogue.FillBooks();
    EXPECT_EQ(1, books.GetItemCount()) << "either entry shows the first collection's items";
    catalogue.OnCollectionDelete();
    catalogue.OnFileSave();
    EXPECT_EQ(-1, SavedText().Find("id=\"1\""));
    EXPECT_NE(-1, SavedText().Find("<xs1:playlist title=\"Same\" id=\"2\"/>"));
}

TEST_F(CatalogueTest, AddBooksAppendsItemsInTheGivenOrder)
{
    Load(kLibrary);
    Select("gamma");
    catalogue.AddBooks({});
    EXPECT_TRUE(catalogue.IsModified()) << "even an empty list marks a change";
    EXPECT_EQ(0, books.GetItemCount());

    JBookList picked(2);
    picked[0].m_nId = 7;
    picked[1].m_nId = 3;
    catalogue.AddBooks(picked);
    EXPECT_EQ((std::vector<CString>{"", "Alpha Book"}), Titles());
    EXPECT_EQ((std::vector<CString>{"7", "3"}), ItemIds("gamma"));
    catalogue.OnFileSave();
    EXPECT_NE(-1, SavedText().Find("<xs1:playlist title=\"gamma\" id=\"22\"><xs1:item "
                                   "id=\"7\"/><xs1:item id=\"3\"/></xs1:playlist>"));
}

TEST_F(CatalogueTest, BookDeleteRemovesOnlyTheSelectedItem)
{
    Load(R"(<r xmlns:xs1="u"><records><xs1:text id="1" title="A"/><xs1:text id="2" title="B"/>
            <xs1:playlist title="L"><xs1:item id="1" n="first"/><xs1:item id="2"/><xs1:item id="1" n="second"/></xs1:playlist></records></r>)");
    Select("L");
    catalogue.OnBookDelete();
    EXPECT_EQ(3, books.GetItemCount()) << "no row selected: nothing happens";
    EXPECT_FALSE(catalogue.IsModified());

    books.SelectRow(2);
    catalogue.OnBookDelete();
    EXPECT_EQ((std::vector<CString>{"A", "B"}), Titles());
    EXPECT_EQ(2u, catalogue.m_collectionBooks.size());
    EXPECT_TRUE(catalogue.IsModified());
    catalogue.OnFileSave();
    EXPECT_NE(-1, SavedText().Find("n=\"first\""));
    EXPECT_EQ(-1, SavedText().Find("n=\"second\"")) << "the second of two equal rows goes";
    EXPECT_EQ(2u, catalogue.m_books.size());
}

TEST_F(CatalogueTest, MovePlacesTheRowBeforeTheDropTarget)
{
    struct Case
    {
        int from;
        int to;
        std::vector<CString> titles;
    } cases[] = {
        {0, 2, {"B", "A", "C", "D"}}, {3, 1, {"A", "D", "B", "C"}}, {0, 1, {"A", "B", "C", "D"}},
        {3, 0, {"D", "A", "B", "C"}}, {1, 3, {"A", "C", "B", "D"}},
    };
    for (const Case& c : cases)
    {
        Load(kRows);
        Select("List");
        catalogue.MoveBook(c.from, c.to);
        EXPECT_EQ(c.titles, Titles()) << c.from << " onto " << c.to;
        EXPECT_TRUE(catalogue.IsModified()) << c.from << " onto " << c.to;
        std::vector<CString> ids;
        for (const CString& title : c.titles)
            ids.push_back(CString(char('1' + (title[0] - 'A'))));
        EXPECT_EQ(ids, ItemIds("List")) << c.from << " onto " << c.to;
    }
}

TEST_F(CatalogueTest, MoveRewritesEveryItemIdInPlace)
{
    Load(R"(<r xmlns:xs1="u"><records><xs1:text id="12" title="Twelve"/>
            <xs1:playlist title="L"><xs1:item/><xs1:item id="12x" keep="k"/><xs1:item id="77"/></xs1:playlist></records></r>)");
    Select("L");
    EXPECT_EQ((std::vector<CString>{"UNDEFINED", "Twelve", "UNDEFINED"}), Titles());
    catalogue.MoveBook(2, 0);
    EXPECT_EQ((std::vector<CString>{"77", "0", "12"}), ItemIds("L"));
    catalogue.OnFileSave();
    EXPECT_NE(-1, SavedText().Find(
                      R"(<xs1:item id="77"/><xs1:item id="0" keep="k"/><xs1:item id="12"/>)"))
        << "elements stay where they are; only ids move" << (LPCSTR)SavedText();
}

TEST_F(CatalogueTest, EditsNeedTheirPreconditionsAndNeverCrashWithout)
{
    // Without a catalogue or a selection, the edits change nothing they cannot reach.
    catalogue.AddBooks({JBook()});
    catalogue.OnBookDelete();
    catalogue.MoveBook(0, 1);
    EXPECT_EQ(nullptr, catalogue.m_pDoc);
    Load(kRows);
    Select("List");
    catalogue.MoveBook(1, 9);
    catalogue.MoveBook(-1, 0);
    EXPECT_EQ((std::vector<CString>{"A", "B", "C", "D"}), Titles());
    EXPECT_FALSE(catalogue.IsModified());
}
