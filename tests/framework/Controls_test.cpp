#include "FrameworkTestIds.h"
#include "WindowTestSupport.h"

#include <afxcmn.h>
#include <afxdlgs.h>
#include <afxext.h>
#include <afxpriv.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
// The controls of a dialog template, bound to members by DDX_Control.
class CControlsDialog : public CDialog
{
public:
    CControlsDialog() : CDialog(IDD_CONTROLS) {}

    CListBox m_list;
    CComboBox m_combo;
    CButton m_check;
    CListCtrl m_listView;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_LIST, m_list);
        DDX_Control(pDX, IDC_COMBO, m_combo);
        DDX_Control(pDX, IDC_CHECK, m_check);
        DDX_Control(pDX, IDC_LISTVIEW, m_listView);
    }
};

class Controls : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.Create(IDD_CONTROLS, nullptr)); }
    void TearDown() override { m_dialog.DestroyWindow(); }

    CControlsDialog m_dialog;
};

const char kGreek[] = "\xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1"; // Αθήνα
} // namespace

TEST_F(Controls, DataExchangeBindsTheTemplatesControls)
{
    EXPECT_EQ(&m_dialog.m_list, CWnd::FromHandlePermanent(m_dialog.GetDlgItem(IDC_LIST)->m_hWnd));
    EXPECT_EQ(&m_dialog.m_listView,
              CWnd::FromHandlePermanent(::GetDlgItem(m_dialog.m_hWnd, IDC_LISTVIEW)));
    // A second exchange leaves the bound controls as they are.
    const HWND hWndList = m_dialog.m_list.m_hWnd;
    EXPECT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(hWndList, m_dialog.m_list.m_hWnd);
}

TEST_F(Controls, ListBoxKeepsItsOwnOrderAndText)
{
    CListBox& list = m_dialog.m_list;
    EXPECT_EQ(LB_ERR, list.GetCurSel());
    EXPECT_EQ(0, list.AddString("Zeta"));
    EXPECT_EQ(1, list.AddString(kGreek));
    EXPECT_EQ(1, list.InsertString(1, "alpha"));
    EXPECT_EQ(3, list.GetCount());
    CString text;
    list.GetText(2, text);
    EXPECT_STREQ(kGreek, (LPCSTR)text);
    list.GetText(7, text);
    EXPECT_STREQ("", (LPCSTR)text) << "no such item";
    EXPECT_EQ(1, list.FindStringExact(-1, "ALPHA")) << "exact search ignores case";
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "alp"));
    EXPECT_EQ(1, list.FindString(-1, "alp"));
    EXPECT_EQ(2, list.SetCurSel(2));
    EXPECT_EQ(2, list.GetCurSel());
    EXPECT_EQ(2, list.DeleteString(0)) << "two items left";
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(Controls, ComboBoxAndButton)
{
    CComboBox& combo = m_dialog.m_combo;
    combo.AddString("ABC");
    combo.InsertString(0, kGreek);
    EXPECT_EQ(1, combo.FindString(-1, "ab")) << "prefix search ignoring case";
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "ab"));
    CString text;
    combo.GetLBText(0, text);
    EXPECT_STREQ(kGreek, (LPCSTR)text);
    EXPECT_EQ(1, combo.DeleteString(1));
    combo.SetWindowText("typed");
    combo.GetWindowText(text);
    EXPECT_STREQ("typed", (LPCSTR)text);

    CButton& check = m_dialog.m_check;
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
}

TEST_F(Controls, ListViewRowsColumnsAndStates)
{
    CListCtrl& list = m_dialog.m_listView;
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
              list.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_EQ(0, list.InsertColumn(0, "Title", LVCFMT_LEFT, 140));
    EXPECT_EQ(1, list.InsertColumn(1, "Author", LVCFMT_LEFT, 140));
    ASSERT_NE(nullptr, list.GetHeaderCtrl());
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());

    const std::string longTitle(700, 'x');
    for (int i = 0; i < 4; ++i)
    {
        const int nItem =
            list.InsertItem(list.GetItemCount(), ("Row " + std::to_string(i)).c_str());
        EXPECT_EQ(i, nItem);
        EXPECT_TRUE(list.SetItemText(nItem, 1, i == 2 ? longTitle.c_str() : kGreek));
    }
    EXPECT_STREQ("Row 3", (LPCSTR)list.GetItemText(3, 0));
    EXPECT_STREQ(kGreek, (LPCSTR)list.GetItemText(0, 1));
    EXPECT_EQ(longTitle, std::string(list.GetItemText(2, 1))) << "longer than any first buffer";
    EXPECT_STREQ("", (LPCSTR)list.GetItemText(9, 0));

    // -1 applies a state to every row.
    list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(4u, list.GetSelectedCount());
    list.SetItemState(-1, 0, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(3, list.GetNextItem(1, LVNI_SELECTED));
    EXPECT_EQ(UINT(LVIS_SELECTED), list.GetItemState(3, LVIS_SELECTED));
    EXPECT_TRUE(list.RedrawItems(0, 3));
    EXPECT_TRUE(list.EnsureVisible(3, FALSE));

    CRect rect(LVIR_BOUNDS, 0, 0, 0);
    ASSERT_TRUE(list.SendMessage(LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    UINT nFlags = 0;
    EXPECT_EQ(2, list.HitTest(CPoint(rect.left + 4, rect.top + 2), &nFlags));
    EXPECT_NE(0u, nFlags & LVHT_ONITEM);
    EXPECT_EQ(-1, list.HitTest(CPoint(rect.left + 4, rect.bottom + 200)));

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
}

TEST(ScrollBar, CreateAndScrollInfo)
{
    CWnd parent;
    ASSERT_TRUE(CreateTestPopup(parent));
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 18, 100), &parent, 101));
    SCROLLINFO si = {};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 30;
    EXPECT_TRUE(bar.SetScrollInfo(&si));
    SCROLLINFO read = {};
    ASSERT_TRUE(bar.GetScrollInfo(&read));
    EXPECT_EQ(99, read.nMax);
    EXPECT_EQ(10u, read.nPage);
    EXPECT_EQ(30, bar.GetScrollPos());
    EXPECT_EQ(30, bar.SetScrollPos(95));
    EXPECT_EQ(90, bar.GetScrollPos()) << "the position stops where the last page starts";

    CScrollBar grip;
    EXPECT_TRUE(
        grip.Create(WS_CHILD | WS_CLIPSIBLINGS | SBS_SIZEGRIP, CRect(0, 0, 17, 17), &parent, 0));
    parent.DestroyWindow();
    EXPECT_EQ(nullptr, bar.m_hWnd);
    EXPECT_EQ(nullptr, grip.m_hWnd);
}

namespace
{
// A frame's part in the status bar's idle update: enable rules for two indicators.
class CStatusOwner : public CFrameWnd
{
protected:
    afx_msg void OnUpdateCaps(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateNum(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStatusOwner, CFrameWnd)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, &CStatusOwner::OnUpdateCaps)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CStatusOwner::OnUpdateNum)
END_MESSAGE_MAP()

CString ShownText(const CStatusBar& bar, int nPane)
{
    char text[128] = "";
    bar.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(text));
    return CString(text);
}
} // namespace

TEST(StatusBar, MessagePaneAndKeyIndicators)
{
    // A frame deletes itself with its window.
    CStatusOwner& frame = *new CStatusOwner;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Frame", WS_POPUP | WS_THICKFRAME, 0, 0,
                               400, 300, nullptr, nullptr));
    CWnd view;
    ASSERT_TRUE(view.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &frame,
                            AFX_IDW_PANE_FIRST));
    CStatusBar bar;
    ASSERT_TRUE(bar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                               ID_INDICATOR_SCRL};
    ASSERT_TRUE(bar.SetIndicators(indicators, 4));
    EXPECT_EQ(4, static_cast<int>(bar.SendMessage(SB_GETPARTS)));
    EXPECT_EQ(2, bar.CommandToIndex(ID_INDICATOR_NUM));
    EXPECT_STREQ("Ready", (LPCSTR)ShownText(bar, 0)) << "the idle message";

    // The frame lays out its bars: the status bar takes the bottom, the view the rest.
    frame.RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    CRect client;
    CRect barRect;
    CRect viewRect;
    frame.GetClientRect(&client);
    bar.GetWindowRect(&barRect);
    frame.ScreenToClient(&barRect);
    view.GetWindowRect(&viewRect);
    frame.ScreenToClient(&viewRect);
    EXPECT_EQ(client.bottom, barRect.bottom);
    EXPECT_EQ(client.Width(), barRect.Width());
    EXPECT_GT(barRect.Height(), 10);
    EXPECT_EQ(CRect(0, 0, client.right, barRect.top), viewRect);

    // Idle update: handlers decide two indicators, the key itself the third.
    bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_STREQ("", (LPCSTR)ShownText(bar, 1)) << "CAP disabled by its handler";
    EXPECT_STREQ("NUM", (LPCSTR)ShownText(bar, 2)) << "NUM enabled by its handler";
    EXPECT_STREQ((::GetKeyState(VK_SCROLL) & 1) ? "SCRL" : "", (LPCSTR)ShownText(bar, 3))
        << "SCRL follows the Scroll Lock key";
    EXPECT_STREQ("CAP", (LPCSTR)bar.GetPaneText(1)) << "a disabled pane keeps its text";

    // The bar's window text is the message pane.
    bar.SetWindowText("Opening...");
    EXPECT_STREQ("Opening...", (LPCSTR)ShownText(bar, 0));
    CString text;
    bar.GetWindowText(text);
    EXPECT_STREQ("Opening...", (LPCSTR)text);
    bar.SendMessage(WM_SETMESSAGESTRING, IDS_ADD_COLLECTION);
    EXPECT_STREQ("Add a new collection.", (LPCSTR)ShownText(bar, 0)) << "the prompt, not the tip";
    bar.SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    EXPECT_STREQ("Ready", (LPCSTR)ShownText(bar, 0));
    frame.DestroyWindow();
}

TEST(CommonDialogs, FileOpenReturnsThePathTheUserChose)
{
    char windowsDir[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windowsDir, MAX_PATH);
    const std::string path = std::string(windowsDir) + "\\win.ini";

    CFileDialog open(TRUE, "xml", nullptr, OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING,
                     "XML files (*.xml)|*.xml||");
    EXPECT_STREQ("XML files (*.xml)", open.m_ofn.lpstrFilter);
    EXPECT_STREQ("*.xml", open.m_ofn.lpstrFilter + strlen(open.m_ofn.lpstrFilter) + 1);
    CCommonDialogAnswer::Arm(path.c_str(), IDOK);
    EXPECT_EQ(IDOK, open.DoModal());
    EXPECT_TRUE(CCommonDialogAnswer::s_bAnswered);
    EXPECT_STREQ(path.c_str(), (LPCSTR)open.GetPathName());

    CFileDialog cancelled(TRUE, "xml", nullptr, OFN_HIDEREADONLY | OFN_EXPLORER,
                          "XML files (*.xml)|*.xml||");
    CCommonDialogAnswer::Arm("", IDCANCEL);
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_STREQ("", (LPCSTR)cancelled.GetPathName());
}

TEST(CommonDialogs, ColorDialogStartsOnTheGivenColour)
{
    CColorDialog dialog(RGB(10, 200, 30));
    CCommonDialogAnswer::Arm("", IDOK);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(RGB(10, 200, 30), dialog.GetColor());

    CColorDialog cancelled(RGB(1, 2, 3));
    CCommonDialogAnswer::Arm("", IDCANCEL);
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
}
