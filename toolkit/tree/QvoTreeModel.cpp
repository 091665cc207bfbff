// The tree's shape: nodes, lines, top line and selection, with the window reduced to a view.
#include "toolkit/tree/JSiblingList.h"

#include <new>

namespace
{
void DeleteNode(QvoTreeWnd::JNode* pNode)
{
    if (!pNode)
        return;
    pNode->m_children.ForEach(DeleteNode);
    delete pNode;
}

void DeleteChildren(QvoTreeWnd::JNode* pNode)
{
    pNode->m_children.ForEach(DeleteNode);
    pNode->m_children.Clear();
}

bool IsPath(const QvoTreeWnd::CoItemPath& path)
{
    return path.m_iCount > 0 && path.m_piIndex;
}

// Follows the first iLevels indices of path from the hidden root. pNode receives the node at
// that depth (null for a never-asked item). False when an index is out of range or the walk
// would pass through an item without children.
bool WalkTo(QvoTreeWnd::JNode* pRoot, const QvoTreeWnd::CoItemPath& path, int iLevels,
            QvoTreeWnd::JNode*& pNode)
{
    pNode = pRoot;
    for (int k = 0; k < iLevels; ++k)
    {
        if (!pNode)
            return false;
        const JSiblingList& list = pNode->m_children;
        const int i = path.m_piIndex[k];
        if (i < 0 || i >= list.GetCount())
            return false;
        pNode = list.GetAt(i);
    }
    return true;
}

// The node whose children hold the item that path names; null when the path does not lead
// to such a node.
QvoTreeWnd::JNode* ParentOf(QvoTreeWnd::JNode* pRoot, const QvoTreeWnd::CoItemPath& path)
{
    QvoTreeWnd::JNode* pParent;
    return WalkTo(pRoot, path, path.m_iCount - 1, pParent) ? pParent : nullptr;
}

// The parent and sibling index of the existing item that path names; false when there is none.
bool LocateItem(QvoTreeWnd::JNode* pRoot, const QvoTreeWnd::CoItemPath& path,
                QvoTreeWnd::JNode*& pParent, int& iIndex)
{
    pParent = ParentOf(pRoot, path);
    iIndex = path.m_piIndex[path.m_iCount - 1];
    return pParent && iIndex >= 0 && iIndex < pParent->m_children.GetCount();
}

// The member named by path[iLevels - 1] changed its weight by iDelta. The change reaches the
// entry of each ancestor only while every node between shows its children.
void Propagate(QvoTreeWnd::JNode* pRoot, const QvoTreeWnd::CoItemPath& path, int iLevels,
               int iDelta)
{
    if (iDelta == 0 || iLevels <= 0)
        return;
    int iFirst = 0;
    QvoTreeWnd::JNode* pNode = pRoot;
    for (int k = 0; k < iLevels - 1; ++k)
    {
        pNode = pNode->m_children.GetAt(path.m_piIndex[k]);
        if (!pNode->m_bExpanded)
            iFirst = k + 1;
    }
    pNode = pRoot;
    for (int k = 0; k < iLevels; ++k)
    {
        JSiblingList& list = pNode->m_children;
        pNode =
            k >= iFirst ? list.AddWeight(path.m_piIndex[k], iDelta) : list.GetAt(path.m_piIndex[k]);
    }
}
} // namespace

QvoTreeModel::JTreeView::~JTreeView() = default;
void QvoTreeModel::JTreeView::TVDataValid()
{
}
void QvoTreeModel::JTreeView::TVSetVScroll(bool /*bPosition*/)
{
}
void QvoTreeModel::JTreeView::TVRedraw()
{
}

QvoTreeModel::JSelection::~JSelection()
{
    delete[] m_piIndex;
}

bool QvoTreeModel::JSelection::Assign(const CoItemPath& path)
{
    const int nCount = IsPath(path) ? path.m_iCount : 0;
    if (nCount > m_iCapacity)
    {
        // Grows by ten places at a time, as the other path arrays of the tree do.
        const int nCapacity = (nCount + 9) / 10 * 10;
        int* piIndex = new (std::nothrow) int[nCapacity];
        if (!piIndex)
        {
            m_iCount = 0;
            return false;
        }
        delete[] m_piIndex;
        m_piIndex = piIndex;
        m_iCapacity = nCapacity;
    }
    for (int k = 0; k < nCount; ++k)
        m_piIndex[k] = path.m_piIndex[k];
    m_iCount = nCount;
    return true;
}

QvoTreeModel::QvoTreeModel()
    : m_pRoot(new JNode), m_pView(nullptr), m_pParent(nullptr), m_iTopLine(0), m_iLinesPerPage(0)
{
    m_pRoot->m_bExpanded = 1;
}

QvoTreeModel::~QvoTreeModel()
{
    DeleteNode(m_pRoot);
}

void QvoTreeModel::Redraw() const
{
    if (m_pView)
        m_pView->TVRedraw();
}

void QvoTreeModel::SetVScroll(bool bPosition) const
{
    if (m_pView)
        m_pView->TVSetVScroll(bPosition);
}

bool QvoTreeModel::SetNumRootItems(int n)
{
    DeleteChildren(m_pRoot);
    return m_pRoot->m_children.Assign(n);
}

int QvoTreeModel::GetNumRootItems() const
{
    return m_pRoot->m_children.GetCount();
}

int QvoTreeModel::GetTotalLines() const
{
    return m_pRoot->m_children.GetTotal();
}

void QvoTreeModel::DataValid()
{
    m_iTopLine = 0;
    ClearSelection();
    if (m_pView)
        m_pView->TVDataValid();
    SetVScroll(true);
    Redraw();
}

void QvoTreeModel::InsertItem(const CoItemPath& path, int iFlags)
{
    if (!IsPath(path))
        return;
    const int iLevel = path.m_iCount - 1;
    // A parent never asked gets its children, the new one among them, when it is expanded.
    JNode* pParent = ParentOf(m_pRoot, path);
    if (!pParent)
        return;
    JSiblingList& list = pParent->m_children;
    const bool bAppend = path.m_piIndex[iLevel] == -1;
    const int iIndex = bAppend ? list.GetCount() : path.m_piIndex[iLevel];
    if (iIndex < 0 || iIndex > list.GetCount())
        return;
    if (!list.InsertAt(iIndex, nullptr, 1))
        return;
    if (pParent->m_bExpanded)
        Propagate(m_pRoot, path, iLevel, 1);
    CheckTopLine();

    if (iFlags & QvoTreeWnd::m_iFResetSelection)
    {
        ClearSelection();
    }
    else if (iFlags & QvoTreeWnd::m_iFSelect)
    {
        if (m_selection.Assign(path))
            m_selection.m_piIndex[iLevel] = iIndex;
    }
    else if (HasSelection() && !bAppend && m_selection.m_iCount > iLevel)
    {
        bool bThroughParent = true;
        for (int k = 0; k < iLevel && bThroughParent; ++k)
            bThroughParent = m_selection.m_piIndex[k] == path.m_piIndex[k];
        if (bThroughParent && m_selection.m_piIndex[iLevel] >= iIndex)
            ++m_selection.m_piIndex[iLevel];
    }

    if (iFlags & QvoTreeWnd::m_iFRefresh)
    {
        SetVScroll(true);
        Redraw();
    }
}

void QvoTreeModel::DeleteItem(const CoItemPath& path)
{
    if (!IsPath(path))
        return;
    JNode* pParent;
    int iIndex;
    if (!LocateItem(m_pRoot, path, pParent, iIndex))
        return;
    int iWeight;
    JNode* pNode = pParent->m_children.RemoveAt(iIndex, iWeight);
    if (pParent->m_bExpanded)
        Propagate(m_pRoot, path, path.m_iCount - 1, -iWeight);
    CheckTopLine();
    SetVScroll(true);
    DeleteNode(pNode);
    ClearSelection();
    Redraw();
}

void QvoTreeModel::Swap(const CoItemPath& path, int iIndex)
{
    if (!IsPath(path))
        return;
    JNode* pParent;
    int iFrom;
    if (!LocateItem(m_pRoot, path, pParent, iFrom) || iIndex < 0 ||
        iIndex >= pParent->m_children.GetCount())
        return;
    pParent->m_children.Swap(iFrom, iIndex);
    ClearSelection();
    Redraw();
}

void QvoTreeModel::Expand(const CoItemPath& path)
{
    if (!IsPath(path))
        return;
    JNode* pNode;
    if (!WalkTo(m_pRoot, path, path.m_iCount, pNode))
        return;
    if (pNode)
    {
        if (pNode->m_bExpanded)
            return;
        pNode->m_bExpanded = 1;
        Propagate(m_pRoot, path, path.m_iCount, pNode->m_children.GetTotal());
        SetVScroll(false);
        Redraw();
        return;
    }

    if (!m_pParent)
        return;
    QvoTreeWnd::CoExpanding expanding;
    expanding.m_path = path;
    m_pParent->JTPExpanding(expanding);
    // The owner may have changed the tree while it answered.
    JNode* pParent;
    int iIndex;
    if (!LocateItem(m_pRoot, path, pParent, iIndex) || pParent->m_children.GetAt(iIndex))
        return;
    const int nChildren = expanding.m_iNumChildren;
    // A negative answer tells nothing: the item stays never asked and is asked again.
    if (nChildren >= 0)
    {
        pNode = new (std::nothrow) JNode;
        if (!pNode)
            return;
        if (!pNode->m_children.Assign(nChildren))
        {
            delete pNode;
            return;
        }
        pNode->m_bExpanded = 1;
        pParent->m_children.SetAt(iIndex, pNode);
        if (nChildren > 0)
        {
            Propagate(m_pRoot, path, path.m_iCount, nChildren);
            SetVScroll(false);
        }
    }
    Redraw();
}

void QvoTreeModel::Collapse(const CoItemPath& path)
{
    JNode* pNode;
    if (!IsPath(path) || !WalkTo(m_pRoot, path, path.m_iCount, pNode) || !pNode ||
        !pNode->m_bExpanded)
        return;
    pNode->m_bExpanded = 0;
    Propagate(m_pRoot, path, path.m_iCount, -pNode->m_children.GetTotal());
    CheckTopLine();
    SetVScroll(true);
    Redraw();
}

void QvoTreeModel::SetNoChildren(const CoItemPath& path)
{
    if (!IsPath(path))
        return;
    JNode* pParent;
    int iIndex;
    if (!LocateItem(m_pRoot, path, pParent, iIndex))
        return;
    JSiblingList& list = pParent->m_children;
    JNode* pNode = list.GetAt(iIndex);
    if (!pNode)
    {
        pNode = new (std::nothrow) JNode;
        if (pNode)
            list.SetAt(iIndex, pNode);
        return;
    }
    if (pNode->m_children.GetCount() == 0)
        return;
    const int iDelta = 1 - pNode->GetWeight();
    DeleteChildren(pNode);
    Propagate(m_pRoot, path, path.m_iCount, iDelta);
    CheckTopLine();
}

void QvoTreeModel::GetSelection(CoItemPath& path) const
{
    path.m_iCount = 0;
    path.m_piIndex = nullptr;
    if (!HasSelection())
        return;
    int* piIndex = new (std::nothrow) int[m_selection.m_iCount];
    if (!piIndex)
        return;
    for (int k = 0; k < m_selection.m_iCount; ++k)
        piIndex[k] = m_selection.m_piIndex[k];
    path.m_iCount = m_selection.m_iCount;
    path.m_piIndex = piIndex;
}

void QvoTreeModel::SetSelection(const CoItemPath& path, bool bEnsureVisible)
{
    if (bEnsureVisible)
    {
        const int iLine = GetLineNumber(path);
        if (!IsLineVisible(iLine))
        {
            m_iTopLine = iLine;
            CheckTopLine();
            SetVScroll(true);
        }
    }
    m_selection.Assign(path);
    Redraw();
}

bool QvoTreeModel::IsSelection(const CoItemPath& path) const
{
    const int nCount = IsPath(path) ? path.m_iCount : 0;
    if (nCount != m_selection.m_iCount)
        return false;
    for (int k = 0; k < nCount; ++k)
    {
        if (path.m_piIndex[k] != m_selection.m_piIndex[k])
            return false;
    }
    return true;
}

int QvoTreeModel::GetLineNumber(const CoItemPath& path) const
{
    if (!IsPath(path))
        return -1;
    int iLine = 0;
    const JNode* pNode = m_pRoot;
    for (int k = 0;; ++k)
    {
        const JSiblingList& list = pNode->m_children;
        const int i = path.m_piIndex[k];
        if (i < 0 || i >= list.GetCount())
            return -1;
        iLine += list.GetPrefix(i);
        if (k == path.m_iCount - 1)
            return iLine;
        // A never-asked item (no record) is not expanded.
        pNode = list.GetAt(i);
        if (!pNode || !pNode->m_bExpanded)
            return -1;
        ++iLine; // the parent's own line
    }
}

bool QvoTreeModel::GetPathAtLine(int iLine, JItemPathBuilder& path) const
{
    path.m_iCount = 0;
    if (iLine < 0 || iLine >= GetTotalLines())
        return false;
    const JNode* pNode = m_pRoot;
    for (;;)
    {
        int iOffset;
        const int i = pNode->m_children.FindLine(iLine, iOffset);
        if (!path.AddLevel(i))
        {
            path.m_iCount = 0;
            return false;
        }
        if (iOffset == 0)
            return true;
        pNode = pNode->m_children.GetAt(i);
        iLine = iOffset - 1;
    }
}

bool QvoTreeModel::GetNodeState(const CoItemPath& path, int& iNumChildren, bool& bExpanded) const
{
    JNode* pNode;
    if (!IsPath(path) || !WalkTo(m_pRoot, path, path.m_iCount, pNode))
        return false;
    iNumChildren = pNode ? pNode->m_children.GetCount() : -1;
    bExpanded = pNode && pNode->m_bExpanded;
    return true;
}

bool QvoTreeModel::IsLineVisible(int iLine) const
{
    return m_iTopLine <= iLine && iLine < m_iTopLine + m_iLinesPerPage;
}

void QvoTreeModel::SetFirstVisibleLine(int iLine)
{
    m_iTopLine = iLine;
    CheckTopLine();
    SetVScroll(true);
    Redraw();
}

void QvoTreeModel::CheckTopLine()
{
    const int nTotal = GetTotalLines();
    if (m_iTopLine + m_iLinesPerPage > nTotal)
        m_iTopLine = nTotal - m_iLinesPerPage;
    if (m_iTopLine < 0)
        m_iTopLine = 0;
}

void QvoTreeModel::TracePrintTree(const CString& strPrefix) const
{
    m_pRoot->m_children.ForEach([&](JNode* pNode) { TracePrintNode(strPrefix + "   ", pNode); });
}

// A debugging walk kept for its shape: each level indents by three blanks, and nothing is
// written anywhere.
void QvoTreeModel::TracePrintNode(const CString& strPrefix, JNode* pNode) const
{
    if (!pNode)
        return;
    pNode->m_children.ForEach([&](JNode* pChild) { TracePrintNode(strPrefix + "   ", pChild); });
}
