// Classes: JCatalogue::Edit and one class per kind of catalogue edit
// What undoes and redoes each edit: the nodes it added or removed and where they stood, never
// a copy of the document. Each edit puts the Collections list back as it was; the catalogue
// then restores the selection and refills the Books list.
#pragma once

#include "app/catalogue/JCatalogue.h"

#include <vector>

class JCatalogue::Edit
{
public:
    explicit Edit(const char* pszName) : m_pszName(pszName) {}
    virtual ~Edit() = default;
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    virtual void Revert(JCatalogue& catalogue) = 0;
    virtual void Apply(JCatalogue& catalogue) = 0;

    const char* m_pszName;
    // The lists before the edit, and as they were when it was last undone.
    View m_before;
    View m_after;
};

// A collection element appended under records, and its entry at the end of the list.
class JCatalogue::AddCollectionEdit : public Edit
{
public:
    AddCollectionEdit(const JXmlNode& records, const JXmlNode& node, int nEntry,
                      const CString& name);
    void Revert(JCatalogue& catalogue) override;
    void Apply(JCatalogue& catalogue) override;

private:
    JXmlNode m_records;
    JXmlNode m_node;
    int m_nEntry;
    CString m_name;
};

// A collection element taken out from before m_next, and its entry of the list.
class JCatalogue::DeleteCollectionEdit : public Edit
{
public:
    DeleteCollectionEdit(const JXmlNode& node, int nEntry, const CString& name);
    void Revert(JCatalogue& catalogue) override;
    void Apply(JCatalogue& catalogue) override;

private:
    JXmlNode m_parent;
    JXmlNode m_node;
    JXmlNode m_next;
    int m_nEntry;
    CString m_name;
};

// A collection's title attribute, as it was (possibly missing) and as it became.
class JCatalogue::RenameCollectionEdit : public Edit
{
public:
    RenameCollectionEdit(const JXmlNode& node, int nEntry, const CString& oldEntry,
                         const CString& newName);
    void Revert(JCatalogue& catalogue) override;
    void Apply(JCatalogue& catalogue) override;

private:
    void ShowEntry(JCatalogue& catalogue, const CString& text);

    JXmlNode m_node;
    int m_nEntry;
    CString m_oldEntry;
    CString m_newName;
    bool m_bHadTitle;
    CString m_oldTitle;
};

// Item elements appended to a collection, in order.
class JCatalogue::AddBooksEdit : public Edit
{
public:
    explicit AddBooksEdit(const JXmlNode& collection) : Edit("Add Books"), m_collection(collection)
    {
    }
    void Revert(JCatalogue& catalogue) override;
    void Apply(JCatalogue& catalogue) override;

    JXmlNode m_collection;
    std::vector<JXmlNode> m_items;
};

// One item element taken out from before m_next.
class JCatalogue::DeleteBookEdit : public Edit
{
public:
    explicit DeleteBookEdit(const JXmlNode& item);
    void Revert(JCatalogue& catalogue) override;
    void Apply(JCatalogue& catalogue) override;

private:
    JXmlNode m_collection;
    JXmlNode m_item;
    JXmlNode m_next;
};

// A move rewrites every item id of the collection as a number. Undo turns the ids back by the
// inverse move and then restores the few texts that were not plain numbers (or missing).
class JCatalogue::MoveBookEdit : public Edit
{
public:
    MoveBookEdit(const JXmlNode& collection, int nFrom, int nTo);
    // Notes the id texts that a rewrite as numbers would not give back.
    void NoteIrregularIds();
    void Revert(JCatalogue& catalogue) override;
    void Apply(JCatalogue& catalogue) override;

private:
    struct IdText
    {
        int m_nItem;
        bool m_bPresent;
        CString m_text;
    };

    // Moves one id of the list as the drag moved its book (bForward) or back.
    void Permute(std::vector<int>& ids, bool bForward) const;
    void RewriteIds(bool bForward);

    JXmlNode m_collection;
    int m_nFrom;
    int m_nTo;
    std::vector<IdText> m_irregular;
};
