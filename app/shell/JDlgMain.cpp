#include "app/shell/JDlgMain.h"

#include "app/res/resource.h"
#include "app/shell/JDlgBooksAdd.h"
#include "app/shell/JDlgCollectionAdd.h"
#include "app/shell/JMainFormHost.h"

#include <afxdlgs.h>

namespace
{
const POINT kDragHotSpot = {10, 10};

bool IsWindowOf(const CWnd* pWnd, const CWnd& control)
{
    return pWnd && control.GetSafeHwnd() && pWnd->GetSafeHwnd() == control.GetSafeHwnd();
}
} // namespace

BEGIN_MESSAGE_MAP(JDlgMain, QvTDlgGlue)
// afx_msg void OnSelChangeCollections()
ON_LBN_SELCHANGE(IDC_COLLECTIONS, &JDlgMain::OnSelChangeCollections)
// afx_msg void OnBeginDragBooks(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY(LVN_BEGINDRAG, IDC_BOOKS, &JDlgMain::OnBeginDragBooks)
// afx_msg void OnDeleteAllBooks(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY(LVN_DELETEALLITEMS, IDC_BOOKS, &JDlgMain::OnDeleteAllBooks)
// afx_msg void OnMouseMove(UINT nFlags, CPoint point)
ON_WM_MOUSEMOVE()
// afx_msg void OnLButtonUp(UINT nFlags, CPoint point)
ON_WM_LBUTTONUP()
// afx_msg void OnCaptureChanged(CWnd* pWnd)
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

JDlgMain::JDlgMain()
    : QvTDlgGlue(IDD_SHELVIX_FORM, nullptr),
      JCatalogue(m_collectionsAdapter, m_booksAdapter, JMainFormHost::Get())
{
    if (JMainFormHost* pHost = JMainFormHost::Get())
        pHost->m_pMainDlg = this;
}

JDlgMain::~JDlgMain()
{
    // The application must not reach a form that is gone (a command at shut-down).
    JMainFormHost* pHost = JMainFormHost::Get();
    if (pHost && pHost->m_pMainDlg == this)
        pHost->m_pMainDlg = nullptr;
    m_pDoc.reset();
    delete m_pDragImage;
    if (m_bDragging)
        CImageList::EndDrag();
}

void JDlgMain::DoDataExchange(CDataExchange* pDX)
{
    QvTDlgGlue::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COLLECTIONS, m_lbCollections);
    DDX_Control(pDX, IDC_BOOKS, m_lvBooks);
}

BOOL JDlgMain::OnInitDialog()
{
    QvTDlgGlue::OnInitDialog();

    m_lvBooks.SetExtendedStyle(m_lvBooks.GetExtendedStyle() | LVS_EX_GRIDLINES |
                               LVS_EX_FULLROWSELECT | LVS_EX_TWOCLICKACTIVATE);
    m_lvBooks.InsertColumn(0, "Title", LVCFMT_LEFT, 140);
    m_lvBooks.InsertColumn(1, "Author", LVCFMT_LEFT, 140);
    m_lvBooks.InsertColumn(2, "Date", LVCFMT_LEFT, 140);

    m_glue.AttachBottom(m_lbCollections, true);
    m_glue.AttachGrow(m_lvBooks);
    return TRUE;
}

LRESULT JDlgMain::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    try
    {
        return QvTDlgGlue::WindowProc(message, wParam, lParam);
    }
    catch (const JXmlError& error)
    {
        ReportXmlError(error);
        return 0;
    }
}

void JDlgMain::ReportXmlError(const JXmlError& error)
{
    if (m_pDoc)
        m_bModified = true;
    CString text = "The catalogue could not be read.";
    if (!error.GetDescription().IsEmpty())
        text += "\n\n" + error.GetDescription();
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

void JDlgMain::OnFileOpen()
{
    if (m_pDoc && m_bModified &&
        AfxMessageBox("There are unsaved changes.\n\nAre you sure you want to open a new file?",
                      MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;

    CFileDialog dialog(TRUE, "xml", nullptr, OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING,
                       "XML files (*.xml)|*.xml||");
    if (dialog.DoModal() == IDOK)
        LoadFile(dialog.GetPathName());
}

void JDlgMain::OnCollectionAdd()
{
    JDlgCollectionAdd dialog(nullptr);
    dialog.DoModal();
}

void JDlgMain::OnBooksAdd()
{
    JDlgBooksAdd dialog;
    dialog.DoModal();
}

void JDlgMain::OnUpdateCollectionDelete(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDoc && m_collections.GetCurSel() >= 0);
}

void JDlgMain::OnUpdateBooksAdd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDoc && m_collections.GetCurSel() >= 0);
}

void JDlgMain::OnUpdateBookDelete(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pDoc && m_collections.GetCurSel() >= 0 && m_lvBooks.GetSafeHwnd() &&
                   m_lvBooks.GetSelectedCount() > 0);
}

void JDlgMain::OnSelChangeCollections()
{
    FillBooks();
}

void JDlgMain::OnBeginDragBooks(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pInfo = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (m_bDragging || pInfo->iItem < 0)
        return;

    POINT origin;
    CImageList* pImage = m_lvBooks.CreateDragImage(pInfo->iItem, &origin);
    if (!pImage)
        return; // no picture of the row: no drag, the click stays a click
    m_nDragItem = pInfo->iItem;
    m_pDragImage = pImage;
    m_pDragImage->BeginDrag(0, CPoint(kDragHotSpot));
    CPoint cursor(pInfo->ptAction);
    m_lvBooks.ClientToScreen(&cursor);
    CImageList::DragEnter(CWnd::FromHandle(::GetDesktopWindow()), cursor);

    m_nDropItem = -1;
    m_pDropWnd = &m_lvBooks;
    m_bDragging = true;
    SetCapture();
}

void JDlgMain::OnDeleteAllBooks(NMHDR*, LRESULT* pResult)
{
    // TRUE: no notification for each row emptied out of the list; nothing here needs them.
    *pResult = TRUE;
}

void JDlgMain::SetDropItem(int nItem)
{
    if (nItem == m_nDropItem)
        return;
    if (m_nDropItem >= 0)
    {
        m_lvBooks.SetItemState(m_nDropItem, 0, LVIS_DROPHILITED);
        m_lvBooks.RedrawItems(m_nDropItem, m_nDropItem);
    }
    m_nDropItem = nItem;
    if (m_nDropItem >= 0)
    {
        m_lvBooks.SetItemState(m_nDropItem, LVIS_DROPHILITED, LVIS_DROPHILITED);
        m_lvBooks.RedrawItems(m_nDropItem, m_nDropItem);
    }
    m_lvBooks.UpdateWindow();
}

void JDlgMain::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragging)
    {
        QvTDlgGlue::OnMouseMove(nFlags, point);
        return;
    }
    CPoint screen(point);
    ClientToScreen(&screen);
    CImageList::DragMove(screen);
    CImageList::DragShowNolock(FALSE);

    CWnd* pWnd = WindowFromPoint(screen);
    if (IsWindowOf(pWnd, m_lvBooks))
    {
        // Below the last row the hit test finds none (-1): nothing is highlighted there and
        // a release there moves nothing.
        CPoint client(screen);
        m_lvBooks.ScreenToClient(&client);
        SetDropItem(m_lvBooks.HitTest(client));
    }
    else
    {
        SetDropItem(-1);
    }
    m_pDropWnd = pWnd;

    CImageList::DragShowNolock(TRUE);
}

void JDlgMain::EndDrag()
{
    m_bDragging = false; // first: releasing the capture must not end the drag a second time
    if (GetCapture() == this)
        ::ReleaseCapture();
    CImageList::DragLeave(CWnd::FromHandle(::GetDesktopWindow()));
    CImageList::EndDrag();
    delete m_pDragImage;
    m_pDragImage = nullptr;
    SetDropItem(-1);
    m_pDropWnd = nullptr;
}

void JDlgMain::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bDragging)
    {
        QvTDlgGlue::OnLButtonUp(nFlags, point);
        return;
    }
    CPoint screen(point);
    ClientToScreen(&screen);
    int nDropItem = -1;
    if (IsWindowOf(WindowFromPoint(screen), m_lvBooks))
    {
        CPoint client(screen);
        m_lvBooks.ScreenToClient(&client);
        nDropItem = m_lvBooks.HitTest(client);
    }
    const int nDragItem = m_nDragItem;
    EndDrag();
    if (nDropItem >= 0 && nDropItem != nDragItem)
        MoveBook(nDragItem, nDropItem);
}

void JDlgMain::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse (a message box, a switch to another program): the drag
    // ends without a move.
    if (m_bDragging && !IsWindowOf(pWnd, *this))
        EndDrag();
    QvTDlgGlue::OnCaptureChanged(pWnd);
}
