#include "afxstate_.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

namespace
{
// The length message may count more bytes than the text has (a Unicode control asked for
// ANSI text), so the buffer takes that many and the string ends at the terminator.
void GetItemText(const CWnd& list, UINT nLenMsg, UINT nTextMsg, int nIndex, CString& rString)
{
    const int nLength = static_cast<int>(list.SendMessage(nLenMsg, nIndex));
    if (nLength < 0)
    {
        rString.Empty();
        return;
    }
    LPSTR pszBuffer = rString.GetBufferSetLength(nLength);
    const LRESULT nCopied = list.SendMessage(nTextMsg, nIndex, reinterpret_cast<LPARAM>(pszBuffer));
    rString.ReleaseBuffer(nCopied < 0 ? 0 : -1);
}
} // namespace

void CListBox::GetText(int nIndex, CString& rString) const
{
    GetItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    GetItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}
