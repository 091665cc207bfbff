#include "app/catalogue/JCatalogueEdits.h"

#include "app/xml/JXmlNodeList.h"

#include <stdlib.h>

namespace
{
const char kTitle[] = "title";
const char kId[] = "id";
} // namespace

JCatalogue::AddCollectionEdit::AddCollectionEdit(const JXmlNode& records, const JXmlNode& node,
                                                 int nEntry, const CString& name)
    : Edit("Add Collection"), m_records(records), m_node(node), m_nEntry(nEntry), m_name(name)
{
}

void JCatalogue::AddCollectionEdit::Revert(JCatalogue& catalogue)
{
    m_node.Remove();
    catalogue.m_collections.DeleteString(m_nEntry);
}

void JCatalogue::AddCollectionEdit::Apply(JCatalogue& catalogue)
{
    m_records.InsertChild(m_node, JXmlNode());
    catalogue.m_collections.InsertString(m_nEntry, m_name);
}

JCatalogue::DeleteCollectionEdit::DeleteCollectionEdit(const JXmlNode& node, int nEntry,
                                                       const CString& name)
    : Edit("Delete Collection"), m_parent(node.GetParent()), m_node(node),
      m_next(node.GetNextSibling()), m_nEntry(nEntry), m_name(name)
{
}

void JCatalogue::DeleteCollectionEdit::Revert(JCatalogue& catalogue)
{
    m_parent.InsertChild(m_node, m_next);
    catalogue.m_collections.InsertString(m_nEntry, m_name);
}

void JCatalogue::DeleteCollectionEdit::Apply(JCatalogue& catalogue)
{
    m_node.Remove();
    catalogue.m_collections.DeleteString(m_nEntry);
}

JCatalogue::RenameCollectionEdit::RenameCollectionEdit(const JXmlNode& node, int nEntry,
                                                       const CString& oldEntry,
                                                       const CString& newName)
    : Edit("Rename Collection"), m_node(node), m_nEntry(nEntry), m_oldEntry(oldEntry),
      m_newName(newName)
{
    m_bHadTitle = m_node.FindAttribute(kTitle, m_oldTitle);
}

void JCatalogue::RenameCollectionEdit::ShowEntry(JCatalogue& catalogue, const CString& text)
{
    catalogue.m_collections.DeleteString(m_nEntry);
    catalogue.m_collections.InsertString(m_nEntry, text);
}

void JCatalogue::RenameCollectionEdit::Revert(JCatalogue& catalogue)
{
    if (m_bHadTitle)
        m_node.SetAttributeText(kTitle, m_oldTitle);
    else
        m_node.RemoveAttribute(kTitle);
    ShowEntry(catalogue, m_oldEntry);
}

void JCatalogue::RenameCollectionEdit::Apply(JCatalogue& catalogue)
{
    m_node.SetAttributeText(kTitle, m_newName);
    ShowEntry(catalogue, m_newName);
}

void JCatalogue::AddBooksEdit::Revert(JCatalogue&)
{
    for (auto item = m_items.rbegin(); item != m_items.rend(); ++item)
        item->Remove();
}

void JCatalogue::AddBooksEdit::Apply(JCatalogue&)
{
    for (const JXmlNode& item : m_items)
        m_collection.InsertChild(item, JXmlNode());
}

JCatalogue::DeleteBookEdit::DeleteBookEdit(const JXmlNode& item)
    : Edit("Delete Book"), m_collection(item.GetParent()), m_item(item),
      m_next(item.GetNextSibling())
{
}

void JCatalogue::DeleteBookEdit::Revert(JCatalogue&)
{
    m_collection.InsertChild(m_item, m_next);
}

void JCatalogue::DeleteBookEdit::Apply(JCatalogue&)
{
    m_item.Remove();
}

JCatalogue::MoveBookEdit::MoveBookEdit(const JXmlNode& collection, int nFrom, int nTo)
    : Edit("Move Book"), m_collection(collection), m_nFrom(nFrom), m_nTo(nTo)
{
}

void JCatalogue::MoveBookEdit::NoteIrregularIds()
{
    JXmlNodeList items(m_collection.GetChildren());
    const int count = items.GetCount();
    for (int i = 0; i < count; ++i)
    {
        JXmlNode item(items.GetItem(i));
        CString text;
        const bool bPresent = item.FindAttribute(kId, text);
        CString number;
        number.Format("%d", atoi(text));
        if (!bPresent || text != number)
            m_irregular.push_back({i, bPresent, text});
    }
}

void JCatalogue::MoveBookEdit::Permute(std::vector<int>& ids, bool bForward) const
{
    const int count = static_cast<int>(ids.size());
    // Dropped on row m_nTo, the book lands before it: one place higher when it moved down.
    const int landed = m_nFrom < m_nTo ? m_nTo - 1 : m_nTo;
    if (m_nFrom >= count || landed >= count)
        return;
    const int take = bForward ? m_nFrom : landed;
    const int put = bForward ? landed : m_nFrom;
    const int id = ids[static_cast<size_t>(take)];
    ids.erase(ids.begin() + take);
    ids.insert(ids.begin() + put, id);
}

void JCatalogue::MoveBookEdit::RewriteIds(bool bForward)
{
    JXmlNodeList items(m_collection.GetChildren());
    const int count = items.GetCount();
    std::vector<JXmlNode> nodes;
    std::vector<int> ids;
    for (int i = 0; i < count; ++i)
    {
        nodes.emplace_back(items.GetItem(i));
        ids.push_back(nodes.back().GetAttributeInt(kId, 0));
    }
    Permute(ids, bForward);
    for (size_t i = 0; i < nodes.size(); ++i)
        nodes[i].SetAttributeInt(kId, ids[i], "", "");
}

void JCatalogue::MoveBookEdit::Revert(JCatalogue&)
{
    RewriteIds(false);
    if (m_irregular.empty())
        return;
    JXmlNodeList items(m_collection.GetChildren());
    for (const IdText& id : m_irregular)
    {
        JXmlNode item(items.GetItem(id.m_nItem));
        if (id.m_bPresent)
            item.SetAttributeText(kId, id.m_text);
        else
            item.RemoveAttribute(kId);
    }
}

void JCatalogue::MoveBookEdit::Apply(JCatalogue&)
{
    RewriteIds(true);
}
