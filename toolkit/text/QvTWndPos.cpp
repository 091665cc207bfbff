// Window placement persistence and the profile readers with an answer for an absent entry.
#include "QvText.h"

#include <stdlib.h>

namespace
{
const char kPosSection[] = "General";
const char kDefaultPosKey[] = "MainWinPos";
// Defaults that no caller stores, so that getting one back means the entry is absent.
const char kAbsentString[] = "QKZRSVDSTR";
const int kAbsentInt = 9876543;
const int kAbsent = 12;

const char* PosKey(const CString& key)
{
    return key.IsEmpty() ? kDefaultPosKey : key.GetString();
}
} // namespace

void FQvTWndPosSave(const CWnd& window, const CString& key)
{
    CWinApp* pApp = AfxGetApp();
    WINDOWPLACEMENT placement = {};
    // The restored rectangle, so that a minimised or maximised window saves where it goes back.
    if (!pApp || !window.GetWindowPlacement(&placement))
        return;
    const RECT& rc = placement.rcNormalPosition;
    pApp->WriteProfileString(
        kPosSection, PosKey(key),
        FQvTStrFormat("%d, %d, %d, %d", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top));
}

void FQvTWndPosLoad(CWnd& window, const CString& key)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    const CString text = pApp->GetProfileString(kPosSection, PosKey(key));
    if (text.IsEmpty())
        return;
    // atoi skips the blank after each comma; a missing value reads as 0.
    int values[4] = {0, 0, 0, 0};
    QvTStrWalker walker(text, ',');
    CString token;
    for (int& value : values)
    {
        if (walker(token) != 0)
            break;
        value = atoi(token);
    }
    window.MoveWindow(values[0], values[1], values[2], values[3], TRUE);
}

int FQvTProfileGetString(CWinApp& app, const char* section, const char* entry, CString& value)
{
    const CString text = app.GetProfileString(section, entry, kAbsentString);
    if (text == kAbsentString)
        return kAbsent;
    value = text;
    return 0;
}

int FQvTProfileGetBool(CWinApp& app, const char* section, const char* entry, bool& value)
{
    const int stored = static_cast<int>(app.GetProfileInt(section, entry, kAbsentInt));
    if (stored == kAbsentInt)
        return kAbsent;
    value = stored != 0;
    return 0;
}
