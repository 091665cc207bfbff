// Classes: JDlgMain
// The main form: the Collections list and the Books list of the open catalogue, the commands
// the application forwards to it with their enable rules, and reordering books by dragging
// a row of the Books list onto another.
#pragma once

#include "app/catalogue/JCatalogue.h"
#include "app/shell/JFormLists.h"
#include "app/xml/JXmlError.h"
#include "toolkit/layout/QvLayout.h"

#include <afxcmn.h>

// The two controls and the catalogue's view of them. A base of JDlgMain placed before
// JCatalogue, so that the lists exist before the catalogue is given them.
class JMainFormControls
{
protected:
    JMainFormControls() : m_collectionsAdapter(m_lbCollections), m_booksAdapter(m_lvBooks) {}

public:
    CListBox m_lbCollections; // control 1000
    CListCtrl m_lvBooks;      // control 1001

protected:
    JListBoxCollections m_collectionsAdapter;
    JListViewBooks m_booksAdapter;
};

class JDlgMain : public QvTDlgGlue, public JMainFormControls, public JCatalogue
{
public:
    JDlgMain();
    ~JDlgMain() override;

    // Commands the application forwards (the catalogue's own: OnFileSave,
    // OnCollectionDelete, OnBookDelete)
    void OnFileOpen();
    void OnCollectionAdd();
    void OnBooksAdd();
    void OnCollectionRename();
    // Opens a file named on the command line or dropped on the window: after the
    // unsaved-changes question, as File Open does.
    void OpenFile(const CString& path);

    // Enable rules decided by the form
    void OnUpdateCollectionDelete(CCmdUI* pCmdUI);
    void OnUpdateBooksAdd(CCmdUI* pCmdUI);
    void OnUpdateBookDelete(CCmdUI* pCmdUI);
    void OnUpdateCollectionRename(CCmdUI* pCmdUI);
    // Enabled with something to undo or redo; the menu item names the edit.
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);

    // Shows the text of a failed read of the document. The document may have been changed
    // part of the way, so a loaded catalogue counts as changed: nothing is lost unasked.
    void ReportXmlError(const JXmlError& error);

    // F2 on the Collections list renames the selected collection.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Row drag state
    bool m_bDragging = false;
    int m_nDragItem = -1;
    CImageList* m_pDragImage = nullptr; // owned
    CWnd* m_pDropWnd = nullptr;         // not owned
    int m_nDropItem = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Escape neither close nor hide the form.
    void OnOK() override {}
    void OnCancel() override {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnSelChangeCollections();
    afx_msg void OnBeginDragBooks(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteAllBooks(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);

    DECLARE_MESSAGE_MAP()

private:
    // False when there are unsaved changes and the user does not want to lose them.
    bool ConfirmDiscard();
    // Ends the drag feedback: capture, image, highlight. The drop decision is the caller's.
    void EndDrag();
    void SetDropItem(int nItem);
};
