// The callback records that the tree hands to its owner, and the owner's interface.
#include "toolkit/tree/QvTree.h"

QvoTreeWnd::CoGetItem::CoGetItem() : m_iImage(-1), m_iHasChildren(-1)
{
}

QvoTreeWnd::CoGetItem::CoGetItem(const CoGetItem& src) = default;
QvoTreeWnd::CoGetItem& QvoTreeWnd::CoGetItem::operator=(const CoGetItem& src) = default;
QvoTreeWnd::CoGetItem::~CoGetItem() = default;

QvoTreeWnd::CoExpanding::CoExpanding() : m_iNumChildren(0)
{
}

QvoTreeWnd::CoExpanding& QvoTreeWnd::CoExpanding::operator=(const CoExpanding& src) = default;

QvoTreeWnd::CoItemSelected::CoItemSelected(int iCount, int* piIndex)
    : m_path(iCount, piIndex), m_bDblClk(false), m_bUser(true)
{
}

QvoTreeWnd::CoItemSelected& QvoTreeWnd::CoItemSelected::operator=(const CoItemSelected& src) =
    default;

QvoTreeWnd::JTreeParent::JTreeParent() = default;
QvoTreeWnd::JTreeParent::JTreeParent(const JTreeParent& src) = default;
QvoTreeWnd::JTreeParent& QvoTreeWnd::JTreeParent::operator=(const JTreeParent& src) = default;
QvoTreeWnd::JTreeParent::~JTreeParent() = default;

void QvoTreeWnd::JTreeParent::JTPGetItem(CoGetItem& /*item*/)
{
}

void QvoTreeWnd::JTreeParent::JTPExpanding(CoExpanding& /*expanding*/)
{
}

void QvoTreeWnd::JTreeParent::JTPItemSelected(CoItemSelected& /*selected*/)
{
}
