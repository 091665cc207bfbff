#include "app/shell/JDlgBooksAdd.h"

#include "app/catalogue/JTextFold.h"
#include "app/res/resource.h"
#include "app/shell/JDlgMain.h"
#include "app/shell/JMainFormHost.h"

#include <algorithm>
#include <mbstring.h>
#include <unordered_set>

namespace
{
const CString& SortKey(const JBook& book, int nSort)
{
    switch (nSort < 0 ? -nSort : nSort)
    {
    case 2:
        return book.m_strAuthor;
    case 3:
        return book.m_strDate;
    default:
        return book.m_strTitle;
    }
}

int CompareNoCase(const CString& a, const CString& b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>((LPCSTR)a),
                    reinterpret_cast<const unsigned char*>((LPCSTR)b));
}

const UINT WM_HEADERCLICKDONE = WM_APP + 1;

JDlgMain* MainForm()
{
    JMainFormHost* pHost = JMainFormHost::Get();
    return pHost ? pHost->m_pMainDlg : nullptr;
}
} // namespace

BEGIN_MESSAGE_MAP(JDlgBooksAdd, QvTDlgGlue)
// afx_msg void OnHeaderClick(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY(HDN_ITEMCLICKA, 0, &JDlgBooksAdd::OnHeaderClick)
ON_NOTIFY(HDN_ITEMCLICKW, 0, &JDlgBooksAdd::OnHeaderClick)
// afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_BOOKS_OFFERED, &JDlgBooksAdd::OnColumnClick)
// afx_msg LRESULT OnHeaderClickDone(WPARAM wParam, LPARAM lParam)
ON_MESSAGE(WM_HEADERCLICKDONE, &JDlgBooksAdd::OnHeaderClickDone)
// afx_msg void OnGetDispInfoA(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_BOOKS_OFFERED, &JDlgBooksAdd::OnGetDispInfoA)
ON_NOTIFY(LVN_GETDISPINFOW, IDC_BOOKS_OFFERED, &JDlgBooksAdd::OnGetDispInfoW)
// afx_msg void OnFilterChange()
ON_EN_CHANGE(IDC_BOOKS_FILTER, &JDlgBooksAdd::OnFilterChange)
END_MESSAGE_MAP()

JDlgBooksAdd::JDlgBooksAdd() : QvTDlgGlue(IDD_BOOKS_ADD, nullptr)
{
}

void JDlgBooksAdd::DoDataExchange(CDataExchange* pDX)
{
    QvTDlgGlue::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOOKS_OFFERED, m_lvList);
}

BOOL JDlgBooksAdd::OnInitDialog()
{
    QvTDlgGlue::OnInitDialog();

    m_lvList.SetExtendedStyle(m_lvList.GetExtendedStyle() | LVS_EX_FULLROWSELECT |
                              LVS_EX_GRIDLINES);
    m_lvList.InsertColumn(0, "Title", LVCFMT_LEFT, 140);
    m_lvList.InsertColumn(1, "Author", LVCFMT_LEFT, 140);
    m_lvList.InsertColumn(2, "Date", LVCFMT_LEFT, 160);

    CWnd* pAdd = GetDlgItem(IDOK);
    if (CWnd* pFilter = GetDlgItem(IDC_BOOKS_FILTER))
        m_glue.AttachRight(*pFilter, 1);
    m_glue.AttachGrow(m_lvList);
    if (pAdd)
    {
        m_glue.AttachCenter(*pAdd, true, false);
        m_glue.AttachBottom(*pAdd, false);
    }
    FillList();
    m_glue.InitGrip();
    return TRUE;
}

LRESULT JDlgBooksAdd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    try
    {
        return QvTDlgGlue::WindowProc(message, wParam, lParam);
    }
    catch (const JXmlError& error)
    {
        if (JDlgMain* pMain = MainForm())
            pMain->ReportXmlError(error);
        return 0;
    }
}

bool JDlgBooksAdd::CompareBooks(const JBook& a, const JBook& b) const
{
    const int order = CompareNoCase(SortKey(a, m_nSort), SortKey(b, m_nSort));
    return m_nSort < 0 ? order > 0 : order < 0;
}

void JDlgBooksAdd::FillList()
{
    JBookList candidates;
    if (JDlgMain* pMain = MainForm())
    {
        // Books are told apart by id alone.
        std::unordered_set<int> held;
        for (const JBook& book : pMain->m_collectionBooks)
            held.insert(book.m_nId);
        for (const JBook& book : pMain->m_books)
            if (held.find(book.m_nId) == held.end())
                candidates.push_back(book);
    }
    std::sort(candidates.begin(), candidates.end(),
              [this](const JBook& a, const JBook& b) { return CompareBooks(a, b); });

    m_candidates.clear();
    m_candidates.reserve(candidates.size());
    for (JBook& book : candidates)
    {
        Candidate candidate;
        candidate.m_foldedTitle = JFoldCase(book.m_strTitle);
        candidate.m_foldedAuthor = JFoldCase(book.m_strAuthor);
        candidate.m_book = std::move(book);
        m_candidates.push_back(std::move(candidate));
    }
    m_shown.clear();
    if (m_lvList.GetSafeHwnd())
        m_lvList.DeleteAllItems(); // no row selected afterwards
    ShowFiltered();
}

void JDlgBooksAdd::SetFilter(const CString& text)
{
    KeepChoices();
    m_foldedFilter = JFoldCase(text);
    ShowFiltered();
}

void JDlgBooksAdd::OnFilterChange()
{
    CString text;
    if (CWnd* pFilter = GetDlgItem(IDC_BOOKS_FILTER))
        pFilter->GetWindowText(text);
    SetFilter(text);
}

void JDlgBooksAdd::KeepChoices()
{
    if (!m_lvList.GetSafeHwnd())
        return;
    for (size_t candidate : m_shown)
        m_candidates[candidate].m_bChosen = false;
    for (int row = m_lvList.GetNextItem(-1, LVNI_SELECTED);
         row >= 0 && row < static_cast<int>(m_shown.size());
         row = m_lvList.GetNextItem(row, LVNI_SELECTED))
        m_candidates[m_shown[static_cast<size_t>(row)]].m_bChosen = true;
}

void JDlgBooksAdd::ShowFiltered()
{
    m_shown.clear();
    m_offered.clear();
    for (size_t i = 0; i < m_candidates.size(); ++i)
    {
        const Candidate& candidate = m_candidates[i];
        if (JBookMatches(candidate.m_foldedTitle, candidate.m_foldedAuthor, m_foldedFilter))
        {
            m_shown.push_back(i);
            m_offered.push_back(candidate.m_book);
        }
    }
    if (!m_lvList.GetSafeHwnd())
        return;
    // The selection of a virtual list is by row: cleared, then set again on the chosen rows.
    m_lvList.SetRedraw(FALSE);
    m_lvList.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_lvList.SendMessage(LVM_SETITEMCOUNT, m_offered.size(), LVSICF_NOSCROLL);
    for (size_t row = 0; row < m_shown.size(); ++row)
    {
        if (m_candidates[m_shown[row]].m_bChosen)
            m_lvList.SetItemState(static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
    }
    m_lvList.SetRedraw(TRUE);
    m_lvList.Invalidate();
}

const CString& JDlgBooksAdd::CellText(int nRow, int nColumn) const
{
    static const CString s_empty;
    if (nRow < 0 || nRow >= static_cast<int>(m_offered.size()))
        return s_empty;
    const JBook& book = m_offered[static_cast<size_t>(nRow)];
    switch (nColumn)
    {
    case 0:
        return book.m_strTitle;
    case 1:
        return book.m_strAuthor;
    case 2:
        return book.m_strDate;
    default:
        return s_empty;
    }
}

void JDlgBooksAdd::OnGetDispInfoA(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        lstrcpynA(item.pszText, CellText(item.iItem, item.iSubItem), item.cchTextMax);
}

void JDlgBooksAdd::OnGetDispInfoW(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    item.pszText[0] = L'\0';
    const int written = ::MultiByteToWideChar(CP_ACP, 0, CellText(item.iItem, item.iSubItem), -1,
                                              item.pszText, item.cchTextMax);
    if (written == 0) // too long for the buffer: the part that fits
        item.pszText[item.cchTextMax - 1] = L'\0';
}

void JDlgBooksAdd::SortByColumn(int nColumn)
{
    if (m_bClickSorted)
        return;
    // Without the mark of the click's end (a full queue) every report sorts.
    m_bClickSorted = PostMessage(WM_HEADERCLICKDONE) != FALSE;
    const int key = nColumn == 0 ? 1 : nColumn == 1 ? 2 : 3;
    m_nSort = m_nSort == key ? -key : key;
    FillList();
}

LRESULT JDlgBooksAdd::OnHeaderClickDone(WPARAM, LPARAM)
{
    m_bClickSorted = false;
    return 0;
}

void JDlgBooksAdd::OnHeaderClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    SortByColumn(reinterpret_cast<const NMHEADERA*>(pNMHDR)->iItem);
}

void JDlgBooksAdd::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    SortByColumn(reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->iSubItem);
}

void JDlgBooksAdd::OnOK()
{
    JDlgMain* pMain = MainForm();
    if (!pMain)
        return;
    // The chosen books in the order shown, those the filter hides included.
    KeepChoices();
    JBookList chosen;
    for (const Candidate& candidate : m_candidates)
    {
        if (candidate.m_bChosen)
            chosen.push_back(candidate.m_book);
    }
    pMain->AddBooks(chosen);
    FillList();
}
