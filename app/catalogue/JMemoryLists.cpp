#include "app/catalogue/JMemoryLists.h"

CString JMemoryCollectionsList::GetText(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return CString();
    return m_entries[static_cast<size_t>(nIndex)];
}

int JMemoryCollectionsList::AddString(const CString& text)
{
    m_entries.push_back(text);
    return GetCount() - 1;
}

int JMemoryCollectionsList::InsertString(int nIndex, const CString& text)
{
    if (nIndex < 0 || nIndex > GetCount())
        return -1; // LB_ERR
    m_entries.insert(m_entries.begin() + nIndex, text);
    if (m_nSelected >= nIndex)
        ++m_nSelected;
    return nIndex;
}

void JMemoryCollectionsList::DeleteString(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_entries.erase(m_entries.begin() + nIndex);
    // A list box drops the selection of a deleted entry and keeps the others' selection.
    if (m_nSelected == nIndex)
        m_nSelected = -1;
    else if (m_nSelected > nIndex)
        --m_nSelected;
}

void JMemoryCollectionsList::SetCurSel(int nIndex)
{
    m_nSelected = nIndex >= 0 && nIndex < GetCount() ? nIndex : -1;
}

void JMemoryCollectionsList::ResetContent()
{
    m_entries.clear();
    m_nSelected = -1;
}

void JMemoryBooksList::DeleteAllItems()
{
    m_rows.clear();
    m_nSelected = -1;
}

int JMemoryBooksList::InsertItem(int nItem, const CString& title)
{
    if (nItem < 0 || nItem > GetItemCount())
        nItem = GetItemCount();
    m_rows.insert(m_rows.begin() + nItem, Row{title, CString(), CString()});
    return nItem;
}

void JMemoryBooksList::SetItemText(int nItem, int nSubItem, const CString& text)
{
    if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0 || nSubItem > 2)
        return;
    m_rows[static_cast<size_t>(nItem)][static_cast<size_t>(nSubItem)] = text;
}

void JMemoryBooksList::DeleteItem(int nItem)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return;
    m_rows.erase(m_rows.begin() + nItem);
    if (m_nSelected == nItem)
        m_nSelected = -1;
    else if (m_nSelected > nItem)
        --m_nSelected;
}

void JMemoryBooksList::SelectItem(int nItem)
{
    m_nSelected = nItem >= 0 && nItem < GetItemCount() ? nItem : -1;
}
