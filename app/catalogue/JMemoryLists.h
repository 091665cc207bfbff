// Classes: JMemoryCollectionsList, JMemoryBooksList
// In-memory stand-ins for the main form's two lists, with the same ordering and selection.
#pragma once

#include "app/catalogue/JCatalogueLists.h"

#include <array>
#include <vector>

class JMemoryCollectionsList : public JCollectionsList
{
public:
    int GetCount() const override { return static_cast<int>(m_entries.size()); }
    CString GetText(int nIndex) const override;
    int GetCurSel() const override { return m_nSelected; }
    int AddString(const CString& text) override;
    int InsertString(int nIndex, const CString& text) override;
    void DeleteString(int nIndex) override;
    void SetCurSel(int nIndex) override;
    void ResetContent() override;

private:
    std::vector<CString> m_entries;
    int m_nSelected = -1;
};

class JMemoryBooksList : public JBooksList
{
public:
    using Row = std::array<CString, 3>; // Title, Author, Date

    void DeleteAllItems() override;
    int GetItemCount() const override { return static_cast<int>(m_rows.size()); }
    int InsertItem(int nItem, const CString& title) override;
    void SetItemText(int nItem, int nSubItem, const CString& text) override;
    void DeleteItem(int nItem) override;
    int GetFirstSelected() const override { return m_nSelected; }
    void SelectItem(int nItem) override;

    void SelectRow(int nItem) { m_nSelected = nItem; }
    const Row& GetRow(int nItem) const { return m_rows.at(static_cast<size_t>(nItem)); }

private:
    std::vector<Row> m_rows;
    int m_nSelected = -1;
};
