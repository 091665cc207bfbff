// A catalogue with in-memory lists over a scratch file, with messages and recent files recorded.
#pragma once

#include "AppTestSupport.h"
#include "app/catalogue/JCatalogue.h"
#include "app/catalogue/JCatalogueBackup.h"
#include "app/catalogue/JMemoryLists.h"

#include <gtest/gtest.h>

class RecordedRecentFiles : public JRecentFileSink
{
public:
    void AddRecentFile(const CString& path) override { paths.push_back(path); }
    std::vector<CString> paths;
};

class CatalogueTest : public ::testing::Test
{
protected:
    // Backups go to the scratch folder, not to the user's.
    CatalogueTest()
        : catalogue(collections, books, &recent),
          previousBackups(JSetBackupFolder(folder.Path("backups")))
    {
    }
    ~CatalogueTest() override { JSetBackupFolder(previousBackups); }

    // Writes the text as catalogue.xml and loads it.
    CString Load(const std::string& xml)
    {
        path = folder.Write("catalogue.xml", xml);
        catalogue.LoadFile(path);
        return path;
    }

    std::vector<CString> CollectionNames() const
    {
        std::vector<CString> names;
        for (int i = 0; i < collections.GetCount(); ++i)
            names.push_back(collections.GetText(i));
        return names;
    }

    std::vector<CString> Titles() const
    {
        std::vector<CString> titles;
        for (int i = 0; i < books.GetItemCount(); ++i)
            titles.push_back(books.GetRow(i)[0]);
        return titles;
    }

    void Select(const char* name)
    {
        for (int i = 0; i < collections.GetCount(); ++i)
        {
            if (collections.GetText(i) == name)
            {
                collections.SetCurSel(i);
                catalogue.FillBooks();
                return;
            }
        }
        ADD_FAILURE() << "no collection " << name;
    }

    // The "id" texts of the items of the first collection with that title, from the document.
    std::vector<CString> ItemIds(const char* name)
    {
        std::vector<CString> ids;
        JCollectionRef ref;
        catalogue.GetCollection(name, ref);
        JXmlNodeList items(ref.m_node.GetChildren());
        for (int i = 0; i < items.GetCount(); ++i)
            ids.push_back(JXmlNode(items.GetItem(i)).GetAttribute("id", "(none)"));
        return ids;
    }

    CString SavedText() { return ReadBytes(path).c_str(); }

    ScratchFolder folder;
    JMemoryCollectionsList collections;
    JMemoryBooksList books;
    RecordedRecentFiles recent;
    MessageRecorder messages;
    JCatalogue catalogue;
    CString path;
    CString previousBackups;
};

// A small catalogue: four books, three collections, one item with no book.
extern const char kLibrary[];
