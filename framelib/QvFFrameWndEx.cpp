#include "QvFTools.h"

IMPLEMENT_DYNAMIC(QvFFrameWndEx, CFrameWnd)

BEGIN_MESSAGE_MAP(QvFFrameWndEx, QvFFrameWndBase<CFrameWnd>)
ON_WM_CREATE()
END_MESSAGE_MAP()

int QvFFrameWndEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (QvFFrameWndBase<CFrameWnd>::OnCreate(lpCreateStruct) == -1)
        return -1;
    return m_wndReBar.Create(this) ? 0 : -1;
}
