#include "ShellTestSupport.h"

#include "app/res/resource.h"
#include "app/shell/JRecentFiles.h"
#include "toolkit/text/QvText.h"

namespace
{
std::vector<CString> Paths(const JRecentFiles& files)
{
    std::vector<CString> paths;
    for (int i = 0; i < files.GetCount(); ++i)
        paths.push_back(files.GetAt(i));
    return paths;
}

std::vector<CString> Names(std::initializer_list<const char*> names)
{
    return std::vector<CString>(names.begin(), names.end());
}

// The texts and ids of the File menu's items between its first two separators.
std::vector<std::pair<UINT, CString>> RecentItems(CMenu& file)
{
    std::vector<std::pair<UINT, CString>> items;
    int separators = 0;
    for (UINT i = 0; i < file.GetMenuItemCount(); ++i)
    {
        const UINT id = file.GetMenuItemID(static_cast<int>(i));
        if (id == 0)
        {
            if (++separators == 2)
                break;
            continue;
        }
        if (separators == 1)
        {
            CString text;
            file.GetMenuString(i, text, MF_BYPOSITION);
            items.emplace_back(id, text);
        }
    }
    return items;
}

class RecentFilesProfile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\ShelvixTests");
        app.SetRegistryKey("ShelvixTests");
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\ShelvixTests"); }

    ShellTestApp app;
};
} // namespace

TEST(RecentFiles, KeepsTheTenMostRecentFirstAndReplacesOtherLetterCase)
{
    JRecentFiles files;
    files.Add("C:\\A.xml");
    files.Add("C:\\B.xml");
    files.Add("C:\\A.xml");
    EXPECT_EQ(Names({"C:\\A.xml", "C:\\B.xml"}), Paths(files));

    files.Add("c:\\b.XML");
    EXPECT_EQ(Names({"c:\\b.XML", "C:\\A.xml"}), Paths(files)) << "the new letter case wins";

    JRecentFiles eleven;
    for (int i = 1; i <= 11; ++i)
        eleven.Add(FQvTStrFormat("C:\\%d.xml", i));
    ASSERT_EQ(10, eleven.GetCount());
    EXPECT_EQ(CString("C:\\11.xml"), eleven.GetAt(0));
    EXPECT_EQ(CString("C:\\2.xml"), eleven.GetAt(9)) << "the oldest, 1, is dropped";
}

TEST_F(RecentFilesProfile, SavesAllTenValuesAndLoadsUpToTheFirstEmptyOne)
{
    JRecentFiles files;
    files.Add("C:\\old.xml");
    files.Add("D:\\\xce\x92\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1.xml"); // Greek file name
    ASSERT_TRUE(files.Save(app));
    EXPECT_EQ(CString("D:\\\xce\x92\xce\xb9\xce\xb2\xce\xbb\xce\xaf\xce\xb1.xml"),
              app.GetProfileString("MRU", "Entry.0", "(missing)"));
    EXPECT_EQ(CString("C:\\old.xml"), app.GetProfileString("MRU", "Entry.1", "(missing)"));
    for (int i = 2; i < 10; ++i)
        EXPECT_EQ(CString(""),
                  app.GetProfileString("MRU", FQvTStrFormat("Entry.%d", i), "(missing)"))
            << "Entry." << i << " is written empty";

    // A gap: only the entries before it count, and the next save overwrites what follows.
    app.WriteProfileString("MRU", "Entry.0", "X");
    app.WriteProfileString("MRU", "Entry.1", "");
    app.WriteProfileString("MRU", "Entry.2", "Y");
    JRecentFiles loaded;
    loaded.Load(app);
    EXPECT_EQ(Names({"X"}), Paths(loaded));
    ASSERT_TRUE(loaded.Save(app));
    EXPECT_EQ(CString(""), app.GetProfileString("MRU", "Entry.2", "(missing)"));
}

TEST(RecentFiles, FileMenuShowsOneItemPerPathOrRecentFile)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    CMenu& file = *menu.GetSubMenu(0);
    JRecentFiles files;

    files.UpdateMenu(file);
    auto items = RecentItems(file);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(static_cast<UINT>(ID_FILE_MRU_FIRST), items[0].first);
    EXPECT_EQ(CString("Recent file"), items[0].second);

    files.Add("C:\\one.xml");
    files.Add("C:\\Books & Papers\\two.xml");
    files.Add("C:\\three.xml");
    files.UpdateMenu(file);
    items = RecentItems(file);
    ASSERT_EQ(3u, items.size());
    const char* expected[] = {"C:\\three.xml", "C:\\Books && Papers\\two.xml", "C:\\one.xml"};
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(ID_FILE_MRU_FIRST + i, items[i].first);
        EXPECT_EQ(CString(expected[i]), items[i].second) << "an ampersand shows as itself";
    }
    EXPECT_EQ(static_cast<UINT>(ID_APP_EXIT), file.GetMenuItemID(file.GetMenuItemCount() - 1));
}
