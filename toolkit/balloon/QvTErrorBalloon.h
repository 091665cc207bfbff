// Functions: FQvTShowErrorBalloon, FQvTShowFieldError
// Inside the library only: the error balloon that validation and the balloon dialogs point at
// a dialog control.
#pragma once

#include "QvBalloon.h"

// The stop icon at the balloon's icon size, title and content, a close button and the inner
// shadow, pointing at the centre of control, owned by dialog.
void FQvTShowErrorBalloon(QvTBalloonHelp& balloon, const CString& title, const CString& content,
                          HWND control, CWnd* dialog);

// Replaces the balloon's window with "Invalid field." and the application's string contentId
// at control, then gives control the focus.
void FQvTShowFieldError(QvTBalloonHelp& balloon, CWnd& control, UINT contentId, CWnd* dialog);
