// Classes: JCatalogue
// The open catalogue of the main form: the document, the book records, the selected
// collection's books, loading, saving and the collection edits. The form's Collections
// list and Books list are reached only through JCollectionsList and JBooksList.
#pragma once

#include "app/catalogue/JBook.h"
#include "app/catalogue/JCatalogueLists.h"
#include "app/catalogue/JCollectionRef.h"
#include "app/xml/JXmlDocument.h"

#include <memory>
#include <unordered_map>

class JCatalogue
{
public:
    JCatalogue(JCollectionsList& collections, JBooksList& books, JRecentFileSink* pRecentFiles);
    virtual ~JCatalogue() = default;
    JCatalogue(const JCatalogue&) = delete;
    JCatalogue& operator=(const JCatalogue&) = delete;

    // Loading and saving
    void LoadFile(const CString& path);
    bool IsModified() const { return m_pDoc && m_bModified; }
    void OnFileSave();

    // Look-ups
    bool FindCollection(const CString& name, JXmlNodeList& list, int& index);
    void GetCollection(const CString& name, JCollectionRef& ref);
    void GetSelectedCollection(JCollectionRef& ref);
    void FillBooks();
    JBook LookupBook(int id) const;

    // Collection edits
    void AddCollection(const CString& name);
    void OnCollectionDelete();
    void AddBooks(const JBookList& books);
    void OnBookDelete();
    void MoveBook(int from, int to);
    static CString MakeUuidString(UUID* pUuid = nullptr);

    std::unique_ptr<JXmlDocument> m_pDoc;
    bool m_bModified = false;
    int m_nNextId = 0;
    JBookList m_books;
    JBookList m_collectionBooks;

protected:
    JCollectionsList& m_collections;
    JBooksList& m_booksList;

private:
    JXmlNodePtr FindRecords();
    // Empty when the xs1 prefix is bound at parent; otherwise the namespace a new xs1 element
    // is created in, so that it carries its own binding.
    CString NamespaceForNew(const JXmlNode& parent) const;
    static JXmlNodePtr AddEntry(JXmlNode& parent, const char* name, const CString& namespaceUri);

    JRecentFileSink* m_pRecentFiles;
    // First book of each id, built at load: the books never change while a catalogue is open.
    std::unordered_map<int, size_t> m_bookIndex;
};
