// Classes: JDlgBooksAdd
// Offers the catalogue's books that the selected collection does not hold, sortable by each
// column and filtered by what is typed above them, and hands the chosen ones to the main form;
// it stays open after adding.
#pragma once

#include "app/catalogue/JBook.h"
#include "toolkit/layout/QvLayout.h"

#include <afxcmn.h>

#include <string>
#include <vector>

class JDlgBooksAdd : public QvTDlgGlue
{
public:
    JDlgBooksAdd();

    // Rebuilds m_offered from the main form's books and shows it sorted.
    void FillList();
    // True when a is shown before b: key 1 title, 2 author, 3 date (any other value: title);
    // a negative sort state sorts descending.
    bool CompareBooks(const JBook& a, const JBook& b) const;

    // Shows only the books whose title or author holds the text, ignoring case; the books
    // chosen stay chosen, shown or not.
    void SetFilter(const CString& text);

    int m_nSort = 1;
    // Control 1003, a virtual list: it asks for the text of the rows it shows, so that tens
    // of thousands of books are listed and sorted without a row being inserted.
    CListCtrl m_lvList;
    JBookList m_offered; // row i shows element i: the books that pass the filter

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnHeaderClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnHeaderClickDone(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGetDispInfoA(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGetDispInfoW(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnFilterChange();

    DECLARE_MESSAGE_MAP()

private:
    // A book the collection does not hold, with its title and author folded for the filter.
    struct Candidate
    {
        JBook m_book;
        std::wstring m_foldedTitle;
        std::wstring m_foldedAuthor;
        bool m_bChosen = false;
    };

    void SortByColumn(int nColumn);
    // Notes which of the shown rows are selected, then shows the candidates that pass the
    // filter in sort order with the chosen ones selected.
    void KeepChoices();
    void ShowFiltered();
    // The text of a cell; empty for a row or column that is not there.
    const CString& CellText(int nRow, int nColumn) const;

    // The list view reports one header click twice, as its own column click and as the
    // header's notification, in an order of its choosing; the first sorts, the second is the
    // same click. A posted message marks the end of the click.
    bool m_bClickSorted = false;

    std::vector<Candidate> m_candidates; // in sort order
    std::vector<size_t> m_shown;         // row i shows m_candidates[m_shown[i]]
    std::wstring m_foldedFilter;
};
