// Classes: QvoTreeWnd (with CoItemPath, JItemPathAuto, JItemPathBuilder, CoGetItem, CoExpanding,
//          CoItemSelected, JTreeParent), QvoTreeModel (with JTreeView)
#pragma once

#include "toolkit/QvToolsApi.h"

class CImageList;
class QvoTreeModel;

// An owner-drawn, virtual tree window of the class "QVTREE". It keeps only the shape of the
// tree (child counts, expanded nodes, the selection) and asks its owner, a JTreeParent, for
// everything else when it needs it, for the visible lines only. Items are named by their path
// of sibling indices from the root level, never by handles. The shape and its line arithmetic
// live in a QvoTreeModel that the tree owns, so that they work the same with or without a
// window; without one nothing is drawn or scrolled.
//
// Layout of a line k (L high, at 2 + k * L): the item's button (11 x 11) at 25 * depth + 7,
// dotted lines to its parent and siblings, its image and its label from 25 * (depth + 1).
// A click on a label selects the item and tells the owner; a click on a button expands or
// collapses the item.
class QVTOOLS_API QvoTreeWnd : public CWnd
{
public:
    // An item named by its sibling index on each level, element 0 at the root level. A plain
    // value: copies share the index array, which this class never frees.
    class QVTOOLS_API CoItemPath
    {
    public:
        CoItemPath() : m_iCount(0), m_piIndex(nullptr) {}
        CoItemPath(int iCount, int* piIndex) : m_iCount(iCount), m_piIndex(piIndex) {}

        int m_iCount;   // number of levels; 1 names a root item
        int* m_piIndex; // -1 in the last place means after the last sibling where it is allowed
    };

    // A path that owns its index array. Copies are deep, so that two never free one array.
    class QVTOOLS_API JItemPathAuto : public CoItemPath
    {
    public:
        JItemPathAuto() = default;
        JItemPathAuto(const JItemPathAuto& src);
        ~JItemPathAuto();
        JItemPathAuto& operator=(const JItemPathAuto& src);
    };

    // An owning path that grows a level at a time, four places at once.
    class QVTOOLS_API JItemPathBuilder : public JItemPathAuto
    {
    public:
        JItemPathBuilder();
        // A copy of the indices of path, with room for four more levels.
        explicit JItemPathBuilder(const CoItemPath& path);
        JItemPathBuilder(const JItemPathBuilder& src);
        JItemPathBuilder& operator=(const JItemPathBuilder& src);

        // Appends a level; false (and the path unchanged) when no memory is left.
        bool AddLevel(int iIndex);

        int m_iCapacity; // allocated length of m_piIndex
    };

    // Callback records. The path in each points to an index array that the tree or its
    // caller owns and that is valid only during the call.
    class QVTOOLS_API CoGetItem
    {
    public:
        CoGetItem();
        CoGetItem(const CoGetItem& src);
        CoGetItem& operator=(const CoGetItem& src);
        ~CoGetItem();

        CoItemPath m_path;
        CString m_strText;
        int m_iImage;       // image-list index, -1 none
        int m_iHasChildren; // -1 not told, 0 a leaf, any other value not a leaf
    };

    class QVTOOLS_API CoExpanding
    {
    public:
        CoExpanding();
        CoExpanding& operator=(const CoExpanding& src);

        CoItemPath m_path;
        int m_iNumChildren; // set by the owner; 0 until it does
    };

    class QVTOOLS_API CoItemSelected
    {
    public:
        CoItemSelected(int iCount, int* piIndex);
        CoItemSelected& operator=(const CoItemSelected& src);

        CoItemPath m_path;
        bool m_bDblClk;
        bool m_bUser;
    };

    // The owner's side. Every operation has an empty default body.
    class QVTOOLS_API JTreeParent
    {
    public:
        JTreeParent();
        JTreeParent(const JTreeParent& src);
        JTreeParent& operator=(const JTreeParent& src);
        virtual ~JTreeParent();

        virtual void JTPGetItem(CoGetItem& item);
        virtual void JTPExpanding(CoExpanding& expanding);
        virtual void JTPItemSelected(CoItemSelected& selected);
    };

    // A node of the tree's shape; defined inside the library.
    struct JNode;

    // Flags of InsertItem.
    static const int m_iFRefresh = 1;
    static const int m_iFResetSelection = 2;
    static const int m_iFSelect = 4;

    QvoTreeWnd();
    virtual ~QvoTreeWnd();
    QvoTreeWnd(const QvoTreeWnd&) = delete;
    QvoTreeWnd& operator=(const QvoTreeWnd&) = delete;

    // Deletes the index array of path, if any, and sets its pointer to null.
    static void FreeItemPath(CoItemPath& path);

    // Registers the window class "QVTREE" of the module; nonzero on success. The library does
    // it itself when it is loaded, so that dialog templates may hold "QVTREE" controls. Such a
    // control makes its own tree object on its first message and deletes it when it is
    // destroyed; a tree object made by the program is never deleted by its window.
    static BOOL RegisterWndClass(HINSTANCE hInstance);
    // The tree object of a window of this process (WM_USER asks for it); null when the window
    // is no tree.
    static QvoTreeWnd* GetQvoTreeWnd(CWnd* pWnd);

    // Operations
    void SetParent(JTreeParent* pParent);
    void SetNumRootItems(int n);
    void DataValid();
    void InsertItem(const CoItemPath& path, int iFlags);
    void DeleteItem(const CoItemPath& path);
    void Swap(const CoItemPath& path, int iIndex);
    void Expand(const CoItemPath& path);
    // With a selection, path receives a new copy of it that the caller frees with
    // FreeItemPath; without one, 0 and null.
    void GetSelection(CoItemPath& path) const;
    void SetSelection(const CoItemPath& path, bool bEnsureVisible);
    int GetLineNumber(const CoItemPath& path) const;
    bool IsLineVisible(int iLine) const;
    int GetNumVisibleLines() const;
    void SetFirstVisibleLine(int iLine);
    void TracePrintTree(const CString& strPrefix) const;
    void TracePrintNode(const CString& strPrefix, JNode* pNode) const;
    void Test();

    // Images drawn before the labels (16 pixels wide, as the layout takes them), null for none.
    // The list must outlive the tree; the line height follows it at the next DataValid.
    void SetImageList(CImageList* pImageList);
    // Kept for the owner; no drawing depends on it.
    void SetDragRefreshDelay(int iDelay);

    // Overridables
    // Deletes the object only when the class's own window procedure made it.
    void PostNcDestroy() override;

protected:
    // afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // afx_msg void OnSize(UINT nType, int cx, int cy)
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // afx_msg void OnPaint()
    afx_msg void OnPaint();
    // afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // afx_msg void OnLButtonUp(UINT nFlags, CPoint point)
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    // afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point)
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    // afx_msg void OnTimer(UINT_PTR nIDEvent)
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    // afx_msg LRESULT OnInit(WPARAM wParam, LPARAM lParam)  (WM_USER: *(QvoTreeWnd**)wParam = this)
    afx_msg LRESULT OnInit(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct JTreeData;
    JTreeData* m_pTD;
};

// The shape of a QvoTreeWnd's tree and its line arithmetic, usable without a window. Each
// sibling list is an order-statistic tree over the visible-line counts of its members, so
// that finding an item's line, inserting and deleting cost O(depth * log siblings) however
// large the tree grows.
//
// Lines: every root is a line; the children of an expanded node are lines when the node is.
// The total is always exactly the number of such lines: an item inserted, deleted or expanded
// below a collapsed node changes no visible line and so leaves the total alone.
class QVTOOLS_API QvoTreeModel
{
public:
    typedef QvoTreeWnd::CoItemPath CoItemPath;
    typedef QvoTreeWnd::JItemPathBuilder JItemPathBuilder;
    typedef QvoTreeWnd::JTreeParent JTreeParent;
    typedef QvoTreeWnd::JNode JNode;

    // The window side, told when what it shows must follow the model. Without a view the
    // model draws and scrolls nothing but keeps every line, count and selection.
    class QVTOOLS_API JTreeView
    {
    public:
        virtual ~JTreeView();
        // Line metrics, font and lines per page for a fresh display (calls SetNumVisibleLines).
        virtual void TVDataValid();
        // Vertical scroll bar: range 0 to total - 1 and page; the position too when asked.
        virtual void TVSetVScroll(bool bPosition);
        // The whole window must be drawn again.
        virtual void TVRedraw();
    };

    QvoTreeModel();
    ~QvoTreeModel();
    QvoTreeModel(const QvoTreeModel&) = delete;
    QvoTreeModel& operator=(const QvoTreeModel&) = delete;

    void SetView(JTreeView* pView) { m_pView = pView; }
    void SetParent(JTreeParent* pParent) { m_pParent = pParent; }
    JTreeParent* GetParent() const { return m_pParent; }

    // Replaces every node by n fresh roots; false when there was no memory for them, and
    // the tree is then empty.
    bool SetNumRootItems(int n);
    void DataValid();
    void InsertItem(const CoItemPath& path, int iFlags);
    void DeleteItem(const CoItemPath& path);
    void Swap(const CoItemPath& path, int iIndex);
    void Expand(const CoItemPath& path);
    // Hides the children of an expanded node (the mouse's minus button).
    void Collapse(const CoItemPath& path);
    // The owner told that the item has no children: it becomes a leaf.
    void SetNoChildren(const CoItemPath& path);

    void GetSelection(CoItemPath& path) const;
    void SetSelection(const CoItemPath& path, bool bEnsureVisible);
    void ClearSelection() { m_selection.m_iCount = 0; }
    bool HasSelection() const { return m_selection.m_iCount > 0; }
    bool IsSelection(const CoItemPath& path) const;

    // The item's line counted from 0 over all visible lines; -1 when it is on none (hidden
    // under a collapsed or never-asked node, or not in the tree).
    int GetLineNumber(const CoItemPath& path) const;
    // The item on a line (inverse of GetLineNumber); false when no item is on it.
    bool GetPathAtLine(int iLine, JItemPathBuilder& path) const;
    // Child count (-1 never asked, 0 leaf) and expanded mark; false for a path not in the tree.
    bool GetNodeState(const CoItemPath& path, int& iNumChildren, bool& bExpanded) const;

    int GetNumRootItems() const;
    int GetTotalLines() const;
    int GetTopLine() const { return m_iTopLine; }
    bool IsLineVisible(int iLine) const;
    int GetNumVisibleLines() const { return m_iLinesPerPage; }
    void SetNumVisibleLines(int iLines) { m_iLinesPerPage = iLines < 0 ? 0 : iLines; }
    void SetFirstVisibleLine(int iLine);
    // Sets the top line and clamps it without telling the view (a window scrolling itself).
    void ScrollTo(int iLine)
    {
        m_iTopLine = iLine;
        CheckTopLine();
    }
    // Pulls the top line back so that the last page is filled, and never above line 0.
    void CheckTopLine();

    void TracePrintTree(const CString& strPrefix) const;
    void TracePrintNode(const CString& strPrefix, JNode* pNode) const;

private:
    class JSelection
    {
    public:
        JSelection() : m_iCount(0), m_iCapacity(0), m_piIndex(nullptr) {}
        ~JSelection();
        JSelection(const JSelection&) = delete;
        JSelection& operator=(const JSelection&) = delete;
        // A copy of path (empty for an empty path); false and empty when memory ran out.
        bool Assign(const CoItemPath& path);

        int m_iCount;
        int m_iCapacity;
        int* m_piIndex;
    };

    void Redraw() const;
    void SetVScroll(bool bPosition) const;

    JNode* m_pRoot; // the roots are its children; it is always expanded and never drawn
    JTreeView* m_pView;
    JTreeParent* m_pParent;
    int m_iTopLine;
    int m_iLinesPerPage;
    JSelection m_selection;
};
