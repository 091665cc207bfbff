// Classes: CButton, CEdit, CListBox, CComboBox, CScrollBar
// Included by afxwin.h. Thin wrappers over the standard controls: each member is one message.
#pragma once

#include "afxwnd_.h"

class AFX_FRAMEWORK_API CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)

public:
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
    }

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    // The image shown by a BS_BITMAP button; returns the previous one
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
};

class AFX_FRAMEWORK_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
    }

    void GetSel(int& nStartChar, int& nEndChar) const
    {
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&nStartChar),
                    reinterpret_cast<LPARAM>(&nEndChar));
    }
    // (0, -1) selects everything, (-1, 0) removes the selection
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE)
    {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
        if (!bNoScroll)
            SendMessage(EM_SCROLLCARET);
    }
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
};

// Results are indexes, or LB_ERR (-1) / LB_ERRSPACE (-2).
class AFX_FRAMEWORK_API CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // Attributes
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    // LB_ERR when nothing is selected
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    // -1 removes the selection
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(LB_SETCURSEL, nSelect)); }
    int GetTextLen(int nIndex) const
    {
        return static_cast<int>(SendMessage(LB_GETTEXTLEN, nIndex));
    }
    // lpszBuffer must hold GetTextLen(nIndex) + 1 characters
    int GetText(int nIndex, LPSTR lpszBuffer) const
    {
        return static_cast<int>(
            SendMessage(LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
    }
    // An empty string for an index that is not in the list
    void GetText(int nIndex, CString& rString) const;

    // Operations
    int AddString(LPCSTR lpszItem)
    {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
    }
    // nIndex -1 appends
    int InsertString(int nIndex, LPCSTR lpszItem)
    {
        return static_cast<int>(
            SendMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszItem)));
    }
    // The number of items left
    int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    // Case-insensitive search after nStartAfter (-1: from the start), wrapping round
    int FindStringExact(int nStartAfter, LPCSTR lpszFind) const
    {
        return static_cast<int>(
            SendMessage(LB_FINDSTRINGEXACT, nStartAfter, reinterpret_cast<LPARAM>(lpszFind)));
    }
    // The same for an item that begins with lpszFind
    int FindString(int nStartAfter, LPCSTR lpszFind) const
    {
        return static_cast<int>(
            SendMessage(LB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszFind)));
    }
};

// Results are indexes, or CB_ERR (-1) / CB_ERRSPACE (-2).
class AFX_FRAMEWORK_API CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
    }

    // Attributes
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
    // An empty string for an index that is not in the list
    void GetLBText(int nIndex, CString& rString) const;

    // Operations
    int AddString(LPCSTR lpszString)
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
    }
    int InsertString(int nIndex, LPCSTR lpszString)
    {
        return static_cast<int>(
            SendMessage(CB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszString)));
    }
    int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    // Case-insensitive prefix search after nStartAfter (-1: from the start), wrapping round
    int FindString(int nStartAfter, LPCSTR lpszString) const
    {
        return static_cast<int>(
            SendMessage(CB_FINDSTRING, nStartAfter, reinterpret_cast<LPARAM>(lpszString)));
    }
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const
    {
        return static_cast<int>(
            SendMessage(CB_FINDSTRINGEXACT, nIndexStart, reinterpret_cast<LPARAM>(lpszFind)));
    }
};

// A scroll bar control (SB_CTL); with SBS_SIZEGRIP it is a size grip.
class AFX_FRAMEWORK_API CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    // The previous position
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE)
    {
        return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
    }
    // nMask selects the fields to read (SIF_ALL, SIF_TRACKPOS...)
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const
    {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        lpScrollInfo->fMask = nMask;
        return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
    }
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE)
    {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
        return TRUE;
    }
};
