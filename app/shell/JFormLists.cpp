#include "app/shell/JFormLists.h"

#include "toolkit/text/QvText.h"

namespace
{
// Drawing goes back on with one repaint of the whole control.
void SetControlRedraw(CWnd& control, bool bRedraw)
{
    if (!control.GetSafeHwnd())
        return;
    control.SetRedraw(bRedraw);
    if (bRedraw)
        control.Invalidate();
}
} // namespace

int JListBoxCollections::GetCount() const
{
    const int count = m_listBox.GetCount();
    return count < 0 ? 0 : count; // LB_ERR from a list box that is gone
}

CString JListBoxCollections::GetText(int nIndex) const
{
    CString text;
    m_listBox.GetText(nIndex, text);
    return text;
}

int JListBoxCollections::GetCurSel() const
{
    return m_listBox.GetCurSel(); // LB_ERR (-1) when nothing is selected
}

int JListBoxCollections::AddString(const CString& text)
{
    // The list box has no LBS_SORT, so the entry goes to the end.
    return m_listBox.AddString(text);
}

int JListBoxCollections::InsertString(int nIndex, const CString& text)
{
    return m_listBox.InsertString(nIndex, text);
}

void JListBoxCollections::DeleteString(int nIndex)
{
    m_listBox.DeleteString(static_cast<UINT>(nIndex));
}

void JListBoxCollections::SetCurSel(int nIndex)
{
    m_listBox.SetCurSel(nIndex);
}

void JListBoxCollections::ResetContent()
{
    m_listBox.ResetContent();
}

void JListBoxCollections::SetRedraw(bool bRedraw)
{
    SetControlRedraw(m_listBox, bRedraw);
}

void JListViewBooks::DeleteAllItems()
{
    m_listView.DeleteAllItems();
}

int JListViewBooks::GetItemCount() const
{
    return m_listView.GetItemCount();
}

int JListViewBooks::InsertItem(int nItem, const CString& title)
{
    return m_listView.InsertItem(nItem, title);
}

void JListViewBooks::SetItemText(int nItem, int nSubItem, const CString& text)
{
    m_listView.SetItemText(nItem, nSubItem, text);
}

void JListViewBooks::DeleteItem(int nItem)
{
    m_listView.DeleteItem(nItem);
}

int JListViewBooks::GetFirstSelected() const
{
    return FQvTGetSelect(m_listView);
}

void JListViewBooks::SelectItem(int nItem)
{
    // Item -1 addresses every row: clear them all, then select the one asked for.
    m_listView.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (nItem < 0)
        return;
    m_listView.SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listView.EnsureVisible(nItem, FALSE);
}

void JListViewBooks::SetRedraw(bool bRedraw)
{
    SetControlRedraw(m_listView, bRedraw);
}
