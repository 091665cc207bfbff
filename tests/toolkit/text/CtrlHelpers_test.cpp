// List view selection, combo history, check boxes and controls copied from other controls,
// on real controls in a hidden window.
#include "TextTestIds.h"

#include "toolkit/text/QvText.h"

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

std::ostream& operator<<(std::ostream& os, const RECT& rc);

namespace
{
class Controls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 400, 300,
                                     nullptr, nullptr));
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    CWnd m_owner;
};

std::vector<std::string> Items(const CComboBox& combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo.GetCount(); ++i)
    {
        CString text;
        combo.GetLBText(i, text);
        items.push_back(text.GetString());
    }
    return items;
}

std::string ClassName(HWND hWnd)
{
    char name[64] = "";
    ::GetClassNameA(hWnd, name, sizeof(name));
    return name;
}
} // namespace

TEST_F(Controls, GetSelectAnswersTheLowestSelectedRow)
{
    CListCtrl list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 200), &m_owner, 1));
    list.InsertColumn(0, "Title");
    for (int i = 0; i < 8; ++i)
        ASSERT_EQ(i, list.InsertItem(i, "Book"));
    struct Case
    {
        std::vector<int> selected;
        int expected;
    } cases[] = {{{}, -1}, {{3, 5}, 3}, {{5, 3}, 3}, {{0}, 0}, {{7}, 7}, {{1, 2, 6}, 1}};
    for (const Case& c : cases)
    {
        list.SetItemState(-1, 0, LVIS_SELECTED);
        for (int row : c.selected)
            list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(c.expected, FQvTGetSelect(list)) << c.selected.size() << " rows selected";
    }
    list.DeleteAllItems();
    EXPECT_EQ(-1, FQvTGetSelect(list)) << "an empty list";
}

TEST_F(Controls, ComboHistoryPutsTheTextOnTopInPlaceOfItsPrefixMatch)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> items;
        int selected;
        const char* text;
        std::vector<std::string> expected;
        int expectedSelection;
        const char* expectedEdit;
    } cases[] = {
        {"new text", {"one", "two"}, -1, "three", {"three", "one", "two"}, -1, "typed"},
        {"prefix, case ignored", {"ABC", "x"}, -1, "ab", {"ab", "x"}, -1, "typed"},
        {"prefix lower down", {"x", "y", "ABC"}, -1, "ab", {"ab", "x", "y"}, -1, "typed"},
        {"the chosen entry stays chosen", {"x", "abc"}, 1, "ab", {"ab", "x"}, 0, "ab"},
        {"another entry chosen", {"x", "abc"}, 0, "ab", {"ab", "x"}, 1, "x"},
        {"already on top", {"ab", "x"}, -1, "ab", {"ab", "x"}, -1, "typed"},
        {"only the first match goes", {"abc", "abd"}, -1, "ab", {"ab", "abd"}, -1, "typed"},
        {"no prefix of the text", {"a"}, -1, "ab", {"ab", "a"}, -1, "typed"},
        {"empty text changes nothing", {"a", "b"}, -1, "", {"a", "b"}, -1, "typed"},
        {"multibyte", {"caf\xc3\xa9 noir"}, -1, "CAF\xc3\xa9", {"CAF\xc3\xa9"}, -1, "typed"},
    };
    for (const Case& c : cases)
    {
        CComboBox combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL,
                                 CRect(0, 0, 150, 200), &m_owner, 2));
        for (const std::string& item : c.items)
            combo.AddString(item.c_str());
        if (c.selected >= 0)
            combo.SetCurSel(c.selected);
        else
            combo.SetWindowText("typed");
        FQvTComboAddHistory(combo, c.text);
        EXPECT_EQ(c.expected, Items(combo)) << c.name;
        EXPECT_EQ(c.expectedSelection, combo.GetCurSel()) << c.name;
        EXPECT_STREQ(c.expectedEdit, FQvTWndGetText(combo)) << c.name;
        combo.DestroyWindow();
    }
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 150, 200), &m_owner, 3));
    FQvTComboAddHistory(combo, nullptr);
    EXPECT_EQ(0, combo.GetCount()) << "a null text is no entry";
    for (int i = 0; i < 50; ++i)
        FQvTComboAddHistory(combo, FQvTStrFormat("entry %02d", i));
    EXPECT_EQ(50, combo.GetCount()) << "the history is never shortened";
    EXPECT_EQ("entry 49", Items(combo).front());
}

TEST_F(Controls, CheckBoxStates)
{
    CButton check;
    ASSERT_TRUE(check.Create("Check", WS_CHILD | BS_AUTO3STATE, CRect(0, 0, 80, 20), &m_owner, 4));
    struct Case
    {
        int state;
        int checked;
    } cases[] = {{BST_UNCHECKED, 0}, {BST_CHECKED, 1}, {BST_INDETERMINATE, 0}};
    for (const Case& c : cases)
    {
        check.SetCheck(c.state);
        EXPECT_EQ(c.checked, QvfBtnIsChecked(check)) << "state " << c.state;
    }
    for (int value : {5, 1, -1})
    {
        check.SetCheck(BST_INDETERMINATE);
        QvfBtnSetChecked(check, value);
        EXPECT_EQ(BST_CHECKED, check.GetCheck()) << value;
    }
    QvfBtnSetChecked(check, 0);
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
}

TEST_F(Controls, ControlFromControlCopiesClassStylesPlaceTextAndFont)
{
    CDialog target(IDD_TEXT_TARGET);
    ASSERT_TRUE(target.Create(IDD_TEXT_TARGET, &m_owner));
    CEdit model;
    ASSERT_TRUE(model.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "Caf\xc3\xa9",
                               WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL,
                               CRect(12, 14, 112, 36), &m_owner, 9));
    CEdit copy;
    ASSERT_TRUE(FQvTCreateControlFromControl(model, 77, target, copy));
    EXPECT_EQ(&target, copy.GetParent());
    EXPECT_EQ(77, copy.GetDlgCtrlID());
    EXPECT_EQ("Edit", ClassName(copy));
    EXPECT_EQ(model.GetStyle(), copy.GetStyle());
    EXPECT_TRUE(copy.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_STREQ("Caf\xc3\xa9", FQvTWndGetText(copy));
    EXPECT_EQ(CRect(12, 14, 112, 36), FQvTWndGetChildRect(copy.GetSafeHwnd()));
    EXPECT_EQ(target.SendMessage(WM_GETFONT), copy.SendMessage(WM_GETFONT)) << "the dialog's font";

    CEdit windowless;
    CEdit again;
    EXPECT_FALSE(FQvTCreateControlFromControl(windowless, 78, target, again))
        << "no model window, nothing to copy";
    EXPECT_EQ(nullptr, again.GetSafeHwnd());
}

TEST_F(Controls, ControlsFromATemplateTakeTheirPlacesThere)
{
    CDialog source;
    ASSERT_TRUE(source.Create(IDD_TEXT_SOURCE, &m_owner));
    CDialog target;
    ASSERT_TRUE(target.Create(IDD_TEXT_TARGET, &m_owner));
    CEdit edit;
    CButton button;
    CListCtrl list;
    ASSERT_TRUE(FQvTCreateControlsFromControls(IDD_TEXT_SOURCE, &target, IDC_SOURCE_EDIT, &edit,
                                               IDC_SOURCE_BUTTON, &button, IDC_SOURCE_LISTVIEW,
                                               &list, 0));
    const struct
    {
        int nID;
        CWnd* pCopy;
        const char* className;
    } copies[] = {{IDC_SOURCE_EDIT, &edit, "Edit"},
                  {IDC_SOURCE_BUTTON, &button, "Button"},
                  {IDC_SOURCE_LISTVIEW, &list, WC_LISTVIEWA}};
    for (const auto& c : copies)
    {
        HWND hModel = ::GetDlgItem(source, c.nID);
        ASSERT_EQ(c.pCopy->GetSafeHwnd(), ::GetDlgItem(target, c.nID)) << c.className;
        EXPECT_EQ(c.className, ClassName(*c.pCopy));
        EXPECT_EQ(FQvTWndGetChildRect(hModel), FQvTWndGetChildRect(c.pCopy->GetSafeHwnd()))
            << c.className << ": the same place as in the template";
        EXPECT_EQ(static_cast<DWORD>(::GetWindowLongPtrA(hModel, GWL_STYLE)), c.pCopy->GetStyle())
            << c.className;
        EXPECT_STREQ(FQvTWndGetText(hModel), FQvTWndGetText(*c.pCopy)) << c.className;
    }
    EXPECT_STREQ("Caf\xc3\xa9 &go", FQvTWndGetText(button));
    EXPECT_EQ(list.InsertItem(0, "usable"), 0) << "a working list view";

    int nTopLevel = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            char title[32] = "";
            ::GetWindowTextA(hWnd, title, sizeof(title));
            if (std::string(title) == "Source")
                ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&nTopLevel));
    EXPECT_EQ(1, nTopLevel) << "the temporary dialog is gone, only the test's own is left";
}

TEST_F(Controls, ControlsFromATemplateReportWhatTheyCouldNotMake)
{
    CDialog target;
    ASSERT_TRUE(target.Create(IDD_TEXT_TARGET, &m_owner));
    CButton missing;
    CButton button;
    EXPECT_FALSE(FQvTCreateControlsFromControls(IDD_TEXT_SOURCE, &target, IDC_SOURCE_MISSING,
                                                &missing, IDC_SOURCE_BUTTON, &button, 0))
        << "an id the template lacks";
    EXPECT_EQ(nullptr, missing.GetSafeHwnd());
    EXPECT_NE(nullptr, button.GetSafeHwnd()) << "the others are made all the same";

    CButton fromChild;
    EXPECT_TRUE(FQvTCreateControlsFromControls(IDD_TEXT_CHILD_SOURCE, &target, IDC_SOURCE_BUTTON,
                                               &fromChild, 0))
        << "a child dialog's template";
    EXPECT_STREQ("Child", FQvTWndGetText(fromChild));

    CButton noTemplate;
    EXPECT_FALSE(FQvTCreateControlsFromControls(4242, &target, IDC_SOURCE_BUTTON, &noTemplate, 0));
    EXPECT_EQ(nullptr, noTemplate.GetSafeHwnd());
    EXPECT_FALSE(FQvTCreateControlsFromControls(IDD_TEXT_SOURCE, nullptr, 0));
    EXPECT_TRUE(FQvTCreateControlsFromControls(IDD_TEXT_SOURCE, &target, 0)) << "nothing asked";
}
