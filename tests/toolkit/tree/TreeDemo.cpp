// A library of a few hundred shelves, books and chapters in a tree window, for looking at the
// tree and taking the README's picture of it (tools/make_tree_screenshot.sh): some shelves and
// books are open, the view is scrolled into the middle and a chapter is selected.
//   TreeDemo.exe [MILLISECONDS]     closes itself after that long (else when the user does)
// Built, never run by CTest.
#include "TreeTestIds.h"

#include "toolkit/tree/QvTree.h"

#include <afxcmn.h>

#include <stdio.h>

#include <string>
#include <vector>

namespace
{
const char* const kShelves[] = {
    "Adventure",     "Biography", "Classics",   "Crime",    "Drama",        "Essays",
    "Fantasy",       "History",   "Horror",     "Humour",   "Letters",      "Mystery",
    "Mythology",     "Nature",    "Philosophy", "Poetry",   "Romance",      "Science",
    "Short stories", "Travel",    "War",        "Westerns", "Young readers"};
const char* const kTitles[] = {
    "The Voyage Out",     "Middlemarch",     "Bleak House",  "Persuasion",
    "The Moonstone",      "North and South", "Villette",     "Far from the Madding Crowd",
    "The Woman in White", "Cranford",        "Silas Marner", "Treasure Island",
    "Kidnapped",          "The Warden",      "Emma",         "Little Dorrit"};

enum
{
    kClosedFolder = 0,
    kOpenFolder = 1,
    kPage = 2
};

// Shelves hold books, books hold chapters; the counts vary with the position.
class CLibrary : public QvoTreeWnd::JTreeParent
{
public:
    explicit CLibrary(QvoTreeWnd& tree) : m_tree(tree) {}

    static int NumShelves() { return static_cast<int>(sizeof(kShelves) / sizeof(kShelves[0])); }
    static int Count(const QvoTreeWnd::CoItemPath& path)
    {
        const int* i = path.m_piIndex;
        if (path.m_iCount == 1)
            return 6 + (i[0] * 7) % 9;
        if (path.m_iCount == 2)
            return 3 + (i[0] + i[1] * 5) % 8;
        return 0;
    }

    void JTPGetItem(QvoTreeWnd::CoGetItem& item) override
    {
        const int* i = item.m_path.m_piIndex;
        char text[160];
        if (item.m_path.m_iCount == 1)
        {
            snprintf(text, sizeof(text), "%s", kShelves[i[0]]);
        }
        else if (item.m_path.m_iCount == 2)
        {
            const int nTitles = static_cast<int>(sizeof(kTitles) / sizeof(kTitles[0]));
            snprintf(text, sizeof(text), "%s (volume %d)", kTitles[(i[0] * 3 + i[1]) % nTitles],
                     i[1] + 1);
        }
        else
        {
            snprintf(text, sizeof(text), "Chapter %d", i[2] + 1);
        }
        item.m_strText = text;
        item.m_iHasChildren = Count(item.m_path);
        item.m_iImage = item.m_iHasChildren == 0 ? kPage
                        : IsOpen(item.m_path)    ? kOpenFolder
                                                 : kClosedFolder;
    }

    void JTPExpanding(QvoTreeWnd::CoExpanding& expanding) override
    {
        expanding.m_iNumChildren = Count(expanding.m_path);
    }

private:
    // An item drawn is on a visible line: its first child is too exactly when it is open.
    bool IsOpen(const QvoTreeWnd::CoItemPath& path) const
    {
        std::vector<int> child(path.m_piIndex, path.m_piIndex + path.m_iCount);
        child.push_back(0);
        return m_tree.GetLineNumber(
                   QvoTreeWnd::CoItemPath(static_cast<int>(child.size()), child.data())) >= 0;
    }

    QvoTreeWnd& m_tree;
};

class CDemoWnd : public CWnd
{
public:
    CDemoWnd() : m_library(m_tree) {}

    BOOL Make()
    {
        if (!CreateEx(0, AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)),
                      "Library - QVTREE", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 420, 520,
                      nullptr, nullptr))
            return FALSE;
        CRect client;
        GetClientRect(&client);
        // A list of the bitmap's own depth: one loaded from the resource would have 16 colours.
        CBitmap strip;
        if (!m_tree.Create("QVTREE", "", WS_CHILD | WS_VISIBLE, client, this, IDC_TREE) ||
            !m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0) ||
            !strip.LoadBitmap(IDB_TREE_IMAGES) || m_images.Add(&strip, RGB(255, 0, 255)) < 0)
            return FALSE;
        m_tree.SetParent(&m_library);
        m_tree.SetImageList(&m_images);
        m_tree.SetNumRootItems(CLibrary::NumShelves());
        m_tree.DataValid();

        // Open a few shelves and books, then look at the middle with a chapter selected.
        for (int shelf : {2, 3, 5, 7})
        {
            int path[] = {shelf, 1};
            m_tree.Expand(QvoTreeWnd::CoItemPath(1, path));
            if (shelf != 5)
                m_tree.Expand(QvoTreeWnd::CoItemPath(2, path));
        }
        int selected[] = {3, 1, 2};
        m_tree.SetSelection(QvoTreeWnd::CoItemPath(3, selected), false);
        m_tree.SetFirstVisibleLine(12);
        return TRUE;
    }

    void CloseAfter(UINT nMilliseconds) { SetTimer(1, nMilliseconds); }

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CWnd::OnSize(nType, cx, cy);
        if (m_tree.m_hWnd)
            m_tree.MoveWindow(0, 0, cx, cy);
    }
    afx_msg void OnTimer(UINT_PTR /*nIDEvent*/) { DestroyWindow(); }
    DECLARE_MESSAGE_MAP()

private:
    QvoTreeWnd m_tree;
    CImageList m_images;
    CLibrary m_library;
};

BEGIN_MESSAGE_MAP(CDemoWnd, CWnd)
ON_WM_SIZE()
ON_WM_TIMER()
END_MESSAGE_MAP()

class CTreeDemoApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        if (!m_demo.Make())
            return FALSE;
        unsigned nMilliseconds = 0;
        if (m_lpCmdLine && sscanf(m_lpCmdLine, "%u", &nMilliseconds) == 1 && nMilliseconds)
            m_demo.CloseAfter(nMilliseconds);
        m_pMainWnd = &m_demo;
        return TRUE;
    }

private:
    CDemoWnd m_demo;
};

CTreeDemoApp theApp;
} // namespace
