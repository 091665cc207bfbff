// The tree window object: its model operations, its window class and its message handlers.
#include "toolkit/tree/JTreeData.h"

namespace
{
const char kClassName[] = "QVTREE";
}

const int QvoTreeWnd::m_iFRefresh;
const int QvoTreeWnd::m_iFResetSelection;
const int QvoTreeWnd::m_iFSelect;

BEGIN_MESSAGE_MAP(QvoTreeWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
ON_MESSAGE(WM_USER, &QvoTreeWnd::OnInit)
END_MESSAGE_MAP()

QvoTreeWnd::QvoTreeWnd() : m_pTD(new JTreeData(*this))
{
}

QvoTreeWnd::~QvoTreeWnd()
{
    // The window goes while the object is whole, and must not delete it a second time.
    m_pTD->m_bAutoDelete = false;
    DestroyWindow();
    delete m_pTD;
}

void QvoTreeWnd::PostNcDestroy()
{
    if (m_pTD->m_bAutoDelete)
        delete this;
}

BOOL QvoTreeWnd::RegisterWndClass(HINSTANCE hInstance)
{
    WNDCLASSA wndcls = {};
    wndcls.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wndcls.lpfnWndProc = &JTreeData::ClassWndProc;
    wndcls.hInstance = hInstance;
    wndcls.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    wndcls.hbrBackground = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
    wndcls.lpszClassName = kClassName;
    return ::RegisterClassA(&wndcls) != 0;
}

QvoTreeWnd* QvoTreeWnd::GetQvoTreeWnd(CWnd* pWnd)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    DWORD dwProcess = 0;
    // The answer is an address in the window's process: only this process can use it.
    if (!hWnd || !::GetWindowThreadProcessId(hWnd, &dwProcess) ||
        dwProcess != ::GetCurrentProcessId())
        return nullptr;
    QvoTreeWnd* pTree = nullptr;
    ::SendMessageA(hWnd, WM_USER, reinterpret_cast<WPARAM>(&pTree), 0);
    return pTree;
}

LRESULT QvoTreeWnd::OnInit(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam)
        *reinterpret_cast<QvoTreeWnd**>(wParam) = this;
    return 0;
}

int QvoTreeWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Every paint copies the whole client area: the scroll bars must not be painted over, nor
    // repainted with each picture.
    ModifyStyle(0, WS_CLIPCHILDREN);
    // Placed for real by the first WM_SIZE.
    const CRect placeholder(0, 100, 100, 120);
    if (!m_pTD->m_vScroll.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, placeholder, this,
                                 JTreeData::kVScrollID) ||
        !m_pTD->m_hScroll.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, placeholder, this,
                                 JTreeData::kHScrollID))
        return -1;
    return 0;
}

void QvoTreeWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    JTreeData& td = *m_pTD;
    const int S = JTreeData::kScrollBarSize;
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    const int iBarHeight = cy - S - 4 > 0 ? cy - S - 4 : 0;
    const int iBarWidth = cx - S - 4 > 0 ? cx - S - 4 : 0;
    td.m_vScroll.SetWindowPos(nullptr, cx - S - 2, 2, S, iBarHeight, nFlags);
    td.m_hScroll.SetWindowPos(nullptr, 2, cy - S - 2, iBarWidth, S, nFlags);
    td.m_iClientWidth = cx;
    td.m_iClientHeight = cy;
    td.m_model.SetNumVisibleLines(td.LinesPerPage());
    td.m_model.CheckTopLine();
    td.TVSetVScroll(true);
    td.m_iWidest = 0;
    td.m_iRebuildButtons = 1;
    td.RedrawWindow0();
}

void QvoTreeWnd::OnPaint()
{
    CPaintDC dc(this);
    m_pTD->Paint(dc);
}

void QvoTreeWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    m_pTD->VScroll(nSBCode, nPos);
}

void QvoTreeWnd::OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    m_pTD->HScroll(nSBCode);
}

void QvoTreeWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_pTD->LButton(point, false);
    CWnd::OnLButtonUp(nFlags, point);
}

void QvoTreeWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    m_pTD->LButton(point, true);
    CWnd::OnLButtonDblClk(nFlags, point);
}

void QvoTreeWnd::OnTimer(UINT_PTR nIDEvent)
{
    CWnd::OnTimer(nIDEvent);
}

void QvoTreeWnd::SetImageList(CImageList* pImageList)
{
    m_pTD->m_pImageList = pImageList;
    m_pTD->m_imageSize = CSize(0, 0);
    IMAGEINFO info;
    // The list's bitmap holds several images a row: the size is that of image 0's rectangle.
    if (pImageList && pImageList->GetImageInfo(0, &info))
        m_pTD->m_imageSize = CRect(info.rcImage).Size();
}

void QvoTreeWnd::SetDragRefreshDelay(int iDelay)
{
    m_pTD->m_iDragRefreshDelay = iDelay;
}

void QvoTreeWnd::SetParent(JTreeParent* pParent)
{
    m_pTD->m_model.SetParent(pParent);
}

void QvoTreeWnd::SetNumRootItems(int n)
{
    // Out of memory the tree is left empty, which DataValid then shows.
    m_pTD->m_model.SetNumRootItems(n);
}

void QvoTreeWnd::DataValid()
{
    m_pTD->m_model.DataValid();
}

void QvoTreeWnd::InsertItem(const CoItemPath& path, int iFlags)
{
    m_pTD->m_model.InsertItem(path, iFlags);
}

void QvoTreeWnd::DeleteItem(const CoItemPath& path)
{
    m_pTD->m_model.DeleteItem(path);
}

void QvoTreeWnd::Swap(const CoItemPath& path, int iIndex)
{
    m_pTD->m_model.Swap(path, iIndex);
}

void QvoTreeWnd::Expand(const CoItemPath& path)
{
    m_pTD->m_model.Expand(path);
}

void QvoTreeWnd::GetSelection(CoItemPath& path) const
{
    m_pTD->m_model.GetSelection(path);
}

void QvoTreeWnd::SetSelection(const CoItemPath& path, bool bEnsureVisible)
{
    m_pTD->m_model.SetSelection(path, bEnsureVisible);
}

int QvoTreeWnd::GetLineNumber(const CoItemPath& path) const
{
    return m_pTD->m_model.GetLineNumber(path);
}

bool QvoTreeWnd::IsLineVisible(int iLine) const
{
    return m_pTD->m_model.IsLineVisible(iLine);
}

int QvoTreeWnd::GetNumVisibleLines() const
{
    return m_pTD->m_model.GetNumVisibleLines();
}

void QvoTreeWnd::SetFirstVisibleLine(int iLine)
{
    m_pTD->m_model.SetFirstVisibleLine(iLine);
}

void QvoTreeWnd::TracePrintTree(const CString& strPrefix) const
{
    m_pTD->m_model.TracePrintTree(strPrefix);
}

void QvoTreeWnd::TracePrintNode(const CString& strPrefix, JNode* pNode) const
{
    m_pTD->m_model.TracePrintNode(strPrefix, pNode);
}

void QvoTreeWnd::Test()
{
}
