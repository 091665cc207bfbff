// Classes: JCollectionsList, JBooksList
// The few list operations the catalogue needs from the main form's Collections list box and
// Books list view, named after the controls' own operations. The form implements them over
// the real controls; tests and benchmarks use the in-memory lists of JMemoryLists.h.
#pragma once

#include <afx.h>

class JCollectionsList
{
public:
    virtual ~JCollectionsList() = default;
    virtual int GetCount() const = 0;
    virtual CString GetText(int nIndex) const = 0;
    // -1 when no entry is selected.
    virtual int GetCurSel() const = 0;
    // Appends at the end (the list does not sort); returns the new entry's index.
    virtual int AddString(const CString& text) = 0;
    // Inserts at nIndex (entries from there move down); returns the new entry's index.
    virtual int InsertString(int nIndex, const CString& text) = 0;
    virtual void DeleteString(int nIndex) = 0;
    virtual void SetCurSel(int nIndex) = 0;
    virtual void ResetContent() = 0;
    // Drawing off and on around a bulk change (a control redrawn after every entry is slow).
    virtual void SetRedraw(bool /*bRedraw*/) {}
};

class JBooksList
{
public:
    virtual ~JBooksList() = default;
    virtual void DeleteAllItems() = 0;
    virtual int GetItemCount() const = 0;
    // Inserts a row whose Title is title at nItem; returns its index.
    virtual int InsertItem(int nItem, const CString& title) = 0;
    // Sub-item 1 is the Author column, 2 the Date column.
    virtual void SetItemText(int nItem, int nSubItem, const CString& text) = 0;
    virtual void DeleteItem(int nItem) = 0;
    // The first selected row; -1 when none is.
    virtual int GetFirstSelected() const = 0;
    // Selects that one row and scrolls it into view; -1 clears the selection.
    virtual void SelectItem(int nItem) = 0;
    // Drawing off and on around a bulk change (a control redrawn after every row is slow).
    virtual void SetRedraw(bool /*bRedraw*/) {}
};

// Receives each path that was opened or saved successfully.
class JRecentFileSink
{
public:
    virtual ~JRecentFileSink() = default;
    virtual void AddRecentFile(const CString& path) = 0;
};
