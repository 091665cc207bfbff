#include "app/catalogue/JCatalogue.h"

#include "app/catalogue/JCatalogueBackup.h"
#include "app/catalogue/JCatalogueEdits.h"
#include "app/catalogue/JUuidString.h"

#include <afxwin.h>

#include <algorithm>
#include <mbstring.h>

namespace
{
const char kRecords[] = "records";
const char kBookElement[] = "xs1:text";
const char kCollectionElement[] = "xs1:playlist";
const char kItemElement[] = "xs1:item";
const char kUntitled[] = "blank";
const char kPrefix[] = "xs1";
// The namespace that xs1 is bound to in a document that does not bind it and whose document
// element has no namespace of its own to lend it.
const char kOwnNamespace[] = "urn:x-shelvix:xs1";
const char kUndefined[] = "UNDEFINED";
const char kChangedElsewhere[] = "The file has been changed by another program since it was "
                                 "opened.\n\nOverwrite it with your changes?";
const char kNoBackup[] = "A backup copy of the file could not be made before saving over it."
                         "\n\nSave without a backup?";
const char kNameTaken[] = "That collection name is already in use.\n\nThe collection wasn't "
                          "renamed.";

// Turns a list's drawing off for the life of the object.
template <class TList> class JRedrawOff
{
public:
    explicit JRedrawOff(TList& list) : m_list(list) { m_list.SetRedraw(false); }
    ~JRedrawOff() { m_list.SetRedraw(true); }
    JRedrawOff(const JRedrawOff&) = delete;
    JRedrawOff& operator=(const JRedrawOff&) = delete;

private:
    TList& m_list;
};

bool SameName(const CString& a, const char* b)
{
    return _mbscmp(reinterpret_cast<const unsigned char*>((LPCSTR)a),
                   reinterpret_cast<const unsigned char*>(b)) == 0;
}
} // namespace

JCatalogue::JCatalogue(JCollectionsList& collections, JBooksList& books,
                       JRecentFileSink* pRecentFiles)
    : m_collections(collections), m_booksList(books), m_pRecentFiles(pRecentFiles)
{
}

JCatalogue::~JCatalogue() = default;

JXmlNodePtr JCatalogue::FindRecords()
{
    JXmlNode root(m_pDoc->GetRoot());
    return root.FindChild(kRecords, true);
}

void JCatalogue::LoadFile(const CString& path)
{
    m_collections.ResetContent();
    m_bModified = false;
    m_nNextId = 0;
    m_pDoc.reset();
    m_books.clear();
    m_bookIndex.clear();
    m_history.Clear();
    m_bBackedUp = false;
    FillBooks();

    m_pDoc = std::make_unique<JXmlDocument>();
    if (!m_pDoc->Open(path))
    {
        m_pDoc.reset();
        AfxMessageBox("Unable to open the file.", MB_OK);
        return;
    }

    JXmlNode records(FindRecords());
    if (records.IsNull())
    {
        m_pDoc.reset();
        AfxMessageBox("No records found\n\nApperas to be an invalid file.", MB_OK);
        return;
    }

    std::vector<CString> names;
    JXmlNodeList entries(records.GetChildren());
    for (int i = 0; i < entries.GetCount(); ++i)
    {
        JXmlNode entry(entries.GetItem(i));
        const CString name = entry.GetName();
        const int id = entry.GetAttributeInt("id", 0);
        if (id > m_nNextId)
            m_nNextId = id;
        if (SameName(name, kBookElement))
        {
            JBook book;
            book.m_nId = id;
            book.m_strTitle = entry.GetAttribute("title", "");
            book.m_strAuthor = entry.GetAttribute("author", "");
            book.m_strDate = entry.GetAttribute("date", "");
            m_bookIndex.emplace(id, m_books.size()); // keeps the first book of an id
            m_books.push_back(std::move(book));
        }
        else if (SameName(name, kCollectionElement))
        {
            names.push_back(entry.GetAttribute("title", kUntitled));
        }
    }

    std::sort(names.begin(), names.end(),
              [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    JRedrawOff<JCollectionsList> noRedraw(m_collections);
    for (const CString& name : names)
        m_collections.AddString(name);

    m_nNextId = m_nNextId + 1;
    m_fileStamp = JFileStamp::Of(path);
    if (m_pRecentFiles)
        m_pRecentFiles->AddRecentFile(path);
}

void JCatalogue::OnFileSave()
{
    if (!m_pDoc)
    {
        AfxMessageBox("No file is loaded.\n\nThere is nothing to save.", MB_OK);
        return;
    }
    if (!ConfirmOverwrite() || !BackUpBeforeFirstSave())
        return;
    if (m_pDoc->Save(nullptr))
    {
        m_bModified = false;
        m_history.MarkSaved();
        m_fileStamp = JFileStamp::Of(m_pDoc->GetPath());
        AfxMessageBox("File saved successfully.", MB_OK | MB_ICONINFORMATION);
        if (m_pRecentFiles)
            m_pRecentFiles->AddRecentFile(m_pDoc->GetPath());
    }
    else
    {
        AfxMessageBox("Error occured trying to save.", MB_OK | MB_ICONEXCLAMATION);
    }
}

bool JCatalogue::ConfirmOverwrite()
{
    if (JFileStamp::Of(m_pDoc->GetPath()) == m_fileStamp)
        return true;
    return AfxMessageBox(kChangedElsewhere, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool JCatalogue::BackUpBeforeFirstSave()
{
    if (m_bBackedUp || !JFileStamp::Of(m_pDoc->GetPath()).Exists())
        return true;
    if (!JBackUpFile(m_pDoc->GetPath()) &&
        AfxMessageBox(kNoBackup, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return false;
    m_bBackedUp = true;
    return true;
}

bool JCatalogue::FindCollection(const CString& name, JXmlNodeList& list, int& index)
{
    if (!m_pDoc)
        return false;
    JXmlNode records(FindRecords());
    list = JXmlNodeList(records.GetChildren());
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i)
    {
        JXmlNode entry(list.GetItem(i));
        if (SameName(entry.GetName(), kCollectionElement) &&
            SameName(entry.GetAttribute("title", kUntitled), name))
        {
            index = i;
            return true;
        }
    }
    return false;
}

void JCatalogue::GetCollection(const CString& name, JCollectionRef& ref)
{
    if (FindCollection(name, ref.m_list, ref.m_nIndex))
        ref.m_node = JXmlNode(ref.m_list.GetItem(ref.m_nIndex));
}

void JCatalogue::GetSelectedCollection(JCollectionRef& ref)
{
    const int selected = m_collections.GetCurSel();
    if (selected < 0)
        return;
    GetCollection(m_collections.GetText(selected), ref);
}

void JCatalogue::FillBooks()
{
    const int selected = m_collections.GetCurSel();
    JRedrawOff<JBooksList> noRedraw(m_booksList);
    m_booksList.DeleteAllItems();
    m_collectionBooks.clear();
    if (selected < 0)
        return;

    JCollectionRef ref;
    GetCollection(m_collections.GetText(selected), ref);
    JXmlNodeList items(ref.m_node.GetChildren());
    const int count = items.GetCount();
    if (count > 0)
        m_collectionBooks.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
    {
        JXmlNode item(items.GetItem(i));
        const JBook book = LookupBook(item.GetAttributeInt("id", 0));
        m_collectionBooks.push_back(book);
        const int row = m_booksList.InsertItem(m_booksList.GetItemCount(), book.m_strTitle);
        m_booksList.SetItemText(row, 1, book.m_strAuthor);
        m_booksList.SetItemText(row, 2, book.m_strDate);
    }
}

JBook JCatalogue::LookupBook(int id) const
{
    const auto found = m_bookIndex.find(id);
    if (found != m_bookIndex.end())
        return m_books[found->second];
    JBook placeholder;
    placeholder.m_nId = id;
    placeholder.m_strTitle = kUndefined;
    placeholder.m_strAuthor = kUndefined;
    placeholder.m_strDate = kUndefined;
    return placeholder;
}

void JCatalogue::AddCollection(const CString& name)
{
    for (int i = 0; i < m_collections.GetCount(); ++i)
    {
        if (m_collections.GetText(i).CompareNoCase(name) == 0)
        {
            AfxMessageBox("That collection name already.\n\nCollection wasn't added.",
                          MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }

    const View before = CurrentView();
    JXmlNode records;
    JXmlNode collection;
    if (m_pDoc)
    {
        records = JXmlNode(FindRecords());
        collection = JXmlNode(AddEntry(records, kCollectionElement, NamespaceForNew(records)));
        collection.SetAttribute("title", name, "", "");
        collection.SetAttributeInt("sourceid", 1, "", "");
        collection.SetAttributeInt("id", m_nNextId, "", "");
        collection.SetAttribute("uuid", MakeUuidString(), "", "");
    }
    ++m_nNextId;

    const int entry = m_collections.AddString(name);
    m_collections.SetCurSel(entry);
    FillBooks();
    m_bModified = true;
    if (collection.IsNull())
        return MarkChanged();
    auto edit = std::make_unique<AddCollectionEdit>(records, collection, entry, name);
    Record(std::move(edit), before);
}

void JCatalogue::OnCollectionDelete()
{
    const int selected = m_collections.GetCurSel();
    if (selected < 0)
    {
        AfxMessageBox("Unable to delete.\n\nPlease select a collection.", MB_OK);
        return;
    }
    const View before = CurrentView();
    const CString name = m_collections.GetText(selected);
    JXmlNodeList list;
    int index = -1;
    std::unique_ptr<Edit> edit;
    if (FindCollection(name, list, index))
    {
        JXmlNode collection(list.GetItem(index));
        edit = std::make_unique<DeleteCollectionEdit>(collection, selected, name);
        collection.Remove();
    }
    m_collections.DeleteString(selected);
    m_collections.SetCurSel(-1);
    FillBooks();
    m_bModified = true;
    if (!edit)
        return MarkChanged();
    Record(std::move(edit), before);
}

void JCatalogue::AddBooks(const JBookList& books)
{
    const View before = CurrentView();
    JCollectionRef ref;
    GetSelectedCollection(ref);
    const CString namespaceUri = NamespaceForNew(ref.m_node);
    auto edit = std::make_unique<AddBooksEdit>(ref.m_node);
    for (const JBook& book : books)
    {
        JXmlNode item(AddEntry(ref.m_node, kItemElement, namespaceUri));
        item.SetAttributeInt("id", book.m_nId, "", "");
        if (!item.IsNull())
            edit->m_items.push_back(item);
    }
    m_bModified = true;
    FillBooks();
    if (edit->m_items.size() != books.size())
        return MarkChanged();
    if (edit->m_items.empty())
        return;
    Record(std::move(edit), before);
}

void JCatalogue::OnBookDelete()
{
    const int row = m_booksList.GetFirstSelected();
    if (row < 0 || row >= static_cast<int>(m_collectionBooks.size()))
        return;
    const View before = CurrentView();
    JCollectionRef ref;
    GetSelectedCollection(ref);
    JXmlNodeList items(ref.m_node.GetChildren());
    std::unique_ptr<Edit> edit;
    if (row < items.GetCount())
    {
        JXmlNode item(items.GetItem(row));
        edit = std::make_unique<DeleteBookEdit>(item);
        item.Remove();
    }
    m_booksList.DeleteItem(row);
    m_collectionBooks.erase(m_collectionBooks.begin() + row);
    m_bModified = true;
    if (!edit)
        return MarkChanged();
    Record(std::move(edit), before);
}

void JCatalogue::MoveBook(int from, int to)
{
    const int count = static_cast<int>(m_collectionBooks.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    const View before = CurrentView();
    const JBook book = m_collectionBooks[static_cast<size_t>(from)];
    m_collectionBooks.insert(m_collectionBooks.begin() + to, book);
    m_collectionBooks.erase(m_collectionBooks.begin() + (from < to ? from : from + 1));

    JCollectionRef ref;
    GetSelectedCollection(ref);
    auto edit = std::make_unique<MoveBookEdit>(ref.m_node, from, to);
    edit->NoteIrregularIds();
    JXmlNodeList items(ref.m_node.GetChildren());
    const int itemCount = items.GetCount();
    for (int i = 0; i < itemCount && i < count; ++i)
        JXmlNode(items.GetItem(i))
            .SetAttributeInt("id", m_collectionBooks[static_cast<size_t>(i)].m_nId, "", "");
    FillBooks();
    m_bModified = true;
    if (ref.m_node.IsNull())
        return MarkChanged();
    Record(std::move(edit), before);
}

bool JCatalogue::RenameCollection(const CString& name)
{
    const int selected = m_collections.GetCurSel();
    if (!m_pDoc || selected < 0 || name.IsEmpty())
        return false;
    const CString current = m_collections.GetText(selected);
    if (current == name)
        return true;
    for (int i = 0; i < m_collections.GetCount(); ++i)
    {
        if (i != selected && m_collections.GetText(i).CompareNoCase(name) == 0)
        {
            AfxMessageBox(kNameTaken, MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }

    JCollectionRef ref;
    GetSelectedCollection(ref);
    if (ref.m_node.IsNull())
        return false;
    auto edit = std::make_unique<RenameCollectionEdit>(ref.m_node, selected, current, name);
    const View before = CurrentView();
    edit->Apply(*this);
    m_collections.SetCurSel(selected);
    m_bModified = true;
    Record(std::move(edit), before);
    return true;
}

CString JCatalogue::GetUndoName() const
{
    const Edit* pEdit = m_pDoc ? m_history.NextUndo() : nullptr;
    return pEdit ? CString(pEdit->m_pszName) : CString();
}

CString JCatalogue::GetRedoName() const
{
    const Edit* pEdit = m_pDoc ? m_history.NextRedo() : nullptr;
    return pEdit ? CString(pEdit->m_pszName) : CString();
}

void JCatalogue::OnEditUndo()
{
    Edit* pEdit = m_pDoc ? m_history.NextUndo() : nullptr;
    if (!pEdit)
        return;
    pEdit->m_after = CurrentView();
    pEdit->Revert(*this);
    m_history.StepBack();
    m_bModified = !m_history.IsAtSaved();
    ShowView(pEdit->m_before);
}

void JCatalogue::OnEditRedo()
{
    Edit* pEdit = m_pDoc ? m_history.NextRedo() : nullptr;
    if (!pEdit)
        return;
    pEdit->Apply(*this);
    m_history.StepForward();
    m_bModified = !m_history.IsAtSaved();
    ShowView(pEdit->m_after);
}

void JCatalogue::MarkChanged()
{
    m_bModified = true;
    m_history.ForgetSaved();
}

JCatalogue::View JCatalogue::CurrentView() const
{
    View view;
    view.m_nCollection = m_collections.GetCurSel();
    view.m_nBook = m_booksList.GetFirstSelected();
    return view;
}

void JCatalogue::ShowView(const View& view)
{
    m_collections.SetCurSel(view.m_nCollection);
    FillBooks();
    m_booksList.SelectItem(view.m_nBook);
}

void JCatalogue::Record(std::unique_ptr<Edit> edit, const View& before)
{
    edit->m_before = before;
    m_history.Add(std::move(edit));
}

// The reader binds xs1 on its document element, so a new xs1 element is normally created by
// its name alone. Where xs1 is bound nowhere in scope, the element is created in a namespace
// (the document element's own, as in the reader's files, or else the program's), and the DOM
// declares xs1 on it: the saved file stays namespace-well-formed and reads back the same.
CString JCatalogue::NamespaceForNew(const JXmlNode& parent) const
{
    if (!m_pDoc || !parent.LookupNamespace(kPrefix).IsEmpty())
        return CString();
    const CString rootNamespace = JXmlNode(m_pDoc->GetRoot()).GetNamespaceUri();
    return rootNamespace.IsEmpty() ? CString(kOwnNamespace) : rootNamespace;
}

JXmlNodePtr JCatalogue::AddEntry(JXmlNode& parent, const char* name, const CString& namespaceUri)
{
    return namespaceUri.IsEmpty() ? parent.AddChild(name) : parent.AddChild(name, namespaceUri);
}

CString JCatalogue::MakeUuidString(UUID* pUuid)
{
    return JMakeUuidString(pUuid);
}
