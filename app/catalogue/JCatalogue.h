// Classes: JCatalogue
// The open catalogue of the main form: the document, the book records, the selected
// collection's books, loading, saving and the collection edits. The form's Collections
// list and Books list are reached only through JCollectionsList and JBooksList.
#pragma once

#include "app/catalogue/JBook.h"
#include "app/catalogue/JCatalogueLists.h"
#include "app/catalogue/JCollectionRef.h"
#include "app/catalogue/JEditHistory.h"
#include "app/catalogue/JFileStamp.h"
#include "app/xml/JXmlDocument.h"

#include <memory>
#include <unordered_map>

class JCatalogue
{
public:
    JCatalogue(JCollectionsList& collections, JBooksList& books, JRecentFileSink* pRecentFiles);
    virtual ~JCatalogue();
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
    // Renames the selected collection; false, after saying why, when the name is taken by
    // another collection. A change of case of its own name is allowed.
    bool RenameCollection(const CString& name);

    // Undo and redo of the edits since the load, back to the loaded document.
    bool CanUndo() const { return m_pDoc && m_history.NextUndo(); }
    bool CanRedo() const { return m_pDoc && m_history.NextRedo(); }
    // The name of the edit an undo or a redo would act on ("Delete Collection"); empty when none.
    CString GetUndoName() const;
    CString GetRedoName() const;
    void OnEditUndo();
    void OnEditRedo();
    // The document changed outside the recorded edits (an edit failed half-way): it stays
    // changed whatever is undone.
    void MarkChanged();

    std::unique_ptr<JXmlDocument> m_pDoc;
    bool m_bModified = false;
    int m_nNextId = 0;
    JBookList m_books;
    JBookList m_collectionBooks;

protected:
    JCollectionsList& m_collections;
    JBooksList& m_booksList;

private:
    class Edit;
    class AddCollectionEdit;
    class DeleteCollectionEdit;
    class RenameCollectionEdit;
    class AddBooksEdit;
    class DeleteBookEdit;
    class MoveBookEdit;
    // What the two lists show: the selected collection's entry and the selected book's row.
    struct View
    {
        int m_nCollection = -1;
        int m_nBook = -1;
    };

    View CurrentView() const;
    void ShowView(const View& view);
    // Adds a done edit to the history, with the lists as they were before it.
    void Record(std::unique_ptr<Edit> edit, const View& before);
    // Asks before a save over a file that another program changed since the load or the
    // last save; false when the user says no.
    bool ConfirmOverwrite();
    // Copies the file as it is on disk before the first save over it; false when that failed
    // and the user chose not to save without a copy.
    bool BackUpBeforeFirstSave();

    JXmlNodePtr FindRecords();
    // Empty when the xs1 prefix is bound at parent; otherwise the namespace a new xs1 element
    // is created in, so that it carries its own binding.
    CString NamespaceForNew(const JXmlNode& parent) const;
    static JXmlNodePtr AddEntry(JXmlNode& parent, const char* name, const CString& namespaceUri);

    JRecentFileSink* m_pRecentFiles;
    JEditHistory<Edit> m_history;
    // The file as the load or the last save left it, and whether it has been backed up since.
    JFileStamp m_fileStamp;
    bool m_bBackedUp = false;
    // First book of each id, built at load: the books never change while a catalogue is open.
    std::unordered_map<int, size_t> m_bookIndex;
};
