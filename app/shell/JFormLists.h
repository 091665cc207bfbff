// Classes: JListBoxCollections, JListViewBooks
// The catalogue's Collections list and Books list over the main form's real controls: each
// operation is the control's own request.
#pragma once

#include "app/catalogue/JCatalogueLists.h"

#include <afxcmn.h>

class JListBoxCollections : public JCollectionsList
{
public:
    explicit JListBoxCollections(CListBox& listBox) : m_listBox(listBox) {}

    int GetCount() const override;
    CString GetText(int nIndex) const override;
    int GetCurSel() const override;
    int AddString(const CString& text) override;
    int InsertString(int nIndex, const CString& text) override;
    void DeleteString(int nIndex) override;
    void SetCurSel(int nIndex) override;
    void ResetContent() override;
    void SetRedraw(bool bRedraw) override;

private:
    CListBox& m_listBox;
};

class JListViewBooks : public JBooksList
{
public:
    explicit JListViewBooks(CListCtrl& listView) : m_listView(listView) {}

    void DeleteAllItems() override;
    int GetItemCount() const override;
    int InsertItem(int nItem, const CString& title) override;
    void SetItemText(int nItem, int nSubItem, const CString& text) override;
    void DeleteItem(int nItem) override;
    int GetFirstSelected() const override;
    void SelectItem(int nItem) override;
    void SetRedraw(bool bRedraw) override;

private:
    CListCtrl& m_listView;
};
