// Small chores on controls: list view selection, combo history, check boxes, and controls
// cloned from other controls or from a dialog template.
#include "QvText.h"

#include <afxcmn.h>

#include <stdarg.h>

int FQvTGetSelect(const CListCtrl& list)
{
    // The next selected item after -1 is the lowest selected one; -1 when there is none.
    return list.GetNextItem(-1, LVNI_SELECTED);
}

void FQvTComboAddHistory(CComboBox& combo, const char* text)
{
    // An empty text would match every item as a prefix and push out the newest entry.
    if (!text || !*text)
        return;
    // A prefix search ignoring case: 'ab' takes the place of 'ABC'.
    const int found = combo.FindString(-1, text);
    if (found < 0)
    {
        combo.InsertString(0, text);
        return;
    }
    const bool bFoundWasSelected = combo.GetCurSel() == found;
    // Insert before deleting, so that a refused insert loses nothing.
    if (combo.InsertString(0, text) < 0)
        return;
    combo.DeleteString(static_cast<UINT>(found + 1));
    // The entry the user had chosen stays chosen, in its new place and spelling.
    if (bFoundWasSelected)
        combo.SetCurSel(0);
}

int QvfBtnIsChecked(CButton& button)
{
    return button.GetCheck() == BST_CHECKED ? 1 : 0;
}

void QvfBtnSetChecked(CButton& button, int checked)
{
    button.SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

BOOL FQvTCreateControlFromControl(CWnd& model, unsigned int id, CDialog& dialog, CWnd& target)
{
    WINDOWPLACEMENT placement = {};
    char className[128] = "";
    if (!model.GetWindowPlacement(&placement) ||
        !::GetClassNameA(model.GetSafeHwnd(), className, sizeof(className)))
        return FALSE;
    const CString text = FQvTWndGetText(model);
    if (!target.CreateEx(model.GetExStyle(), className, text, model.GetStyle(),
                         placement.rcNormalPosition, &dialog, id))
        return FALSE;
    target.SetFont(dialog.GetFont(), TRUE);
    return TRUE;
}

BOOL FQvTCreateControlsFromControls(unsigned int templateId, CDialog* dialog, ...)
{
    if (!dialog || !dialog->GetSafeHwnd())
        return FALSE;
    // The template's dialog, made only to read its controls. Its parent is the target dialog,
    // so that templates of child dialogs load as well as those of pop-ups.
    CDialog source;
    const BOOL bLoaded = source.Create(templateId, dialog);
    BOOL bAll = bLoaded;
    va_list args;
    va_start(args, dialog);
    for (unsigned int id = va_arg(args, unsigned int); id != 0; id = va_arg(args, unsigned int))
    {
        CWnd* pTarget = va_arg(args, CWnd*);
        CWnd* pModel = bLoaded ? source.GetDlgItem(static_cast<int>(id)) : nullptr;
        if (!pTarget || !pModel || !FQvTCreateControlFromControl(*pModel, id, *dialog, *pTarget))
            bAll = FALSE;
    }
    va_end(args);
    if (bLoaded)
        source.DestroyWindow();
    return bAll;
}
