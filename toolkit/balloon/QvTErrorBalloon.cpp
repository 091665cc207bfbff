// The error balloon of validation and of the balloon dialogs.
#include "QvTErrorBalloon.h"

#include "toolkit/draw/QvTLibResourceSet.h"
#include "toolkit/res/resource.h"
#include "toolkit/text/QvText.h"

void FQvTShowErrorBalloon(QvTBalloonHelp& balloon, const CString& title, const CString& content,
                          HWND control, CWnd* dialog)
{
    const CSize iconSize = balloon.GetIconSize();
    // A shared icon: the balloon copies its bitmaps and nobody destroys it.
    HICON icon = static_cast<HICON>(
        ::LoadImageA(nullptr, IDI_ERROR, IMAGE_ICON, iconSize.cx, iconSize.cy, LR_SHARED));
    CRect rect;
    ::GetWindowRect(control, &rect);
    balloon.Create(title, content, rect.CenterPoint(),
                   QvTBalloonHelp::unSHOW_CLOSE_BUTTON | QvTBalloonHelp::unSHOW_INNER_SHADOW,
                   dialog, CString(), 0, icon);
}

void FQvTShowFieldError(QvTBalloonHelp& balloon, CWnd& control, UINT contentId, CWnd* dialog)
{
    if (balloon.m_hWnd)
        balloon.DestroyWindow();
    CString title;
    {
        QvTLibResourceSet library(true);
        title = FQvTLoadString(IDS_QVT_INVALID_FIELD);
    }
    FQvTShowErrorBalloon(balloon, title, FQvTLoadString(contentId), control.GetSafeHwnd(), dialog);
    control.SetFocus();
}
