// The tree object. Its shape lives in the model of its private record; the window side adds
// drawing, scrolling and the mouse around it, and until it does the model has no view.
#include "toolkit/tree/QvTree.h"

struct QvoTreeWnd::JTreeData
{
    QvoTreeModel m_model;
};

const int QvoTreeWnd::m_iFRefresh;
const int QvoTreeWnd::m_iFResetSelection;
const int QvoTreeWnd::m_iFSelect;

QvoTreeWnd::QvoTreeWnd() : m_pTD(new JTreeData)
{
}

QvoTreeWnd::~QvoTreeWnd()
{
    delete m_pTD;
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
