#include "ShellTestSupport.h"

#include "app/res/resource.h"

namespace
{
// Takes the state and the text an update handler gives a menu item.
class MenuProbe : public CCmdUI
{
public:
    MenuProbe() { m_pMenu = &menu; }
    void Enable(BOOL bOn = TRUE) override { enabled = bOn != FALSE; }
    void SetText(LPCSTR lpszText) override { text = lpszText; }
    CMenu menu;
    bool enabled = false;
    CString text;
};

CString ItemText(HWND hDialog, int nID)
{
    char text[256] = "";
    ::GetDlgItemTextA(hDialog, nID, text, sizeof text);
    return text;
}

} // namespace

class EditCommandsTest : public MainFormTest
{
};

TEST_F(EditCommandsTest, UndoAndRedoItemsNameTheEditAndAreDisabledWithout)
{
    struct Step
    {
        const char* action;
        const char* undo;
        const char* redo;
        bool canUndo;
        bool canRedo;
    } steps[] = {
        {"load", "&Undo\tCtrl+Z", "&Redo\tCtrl+Y", false, false},
        {"delete", "&Undo Delete Collection\tCtrl+Z", "&Redo\tCtrl+Y", true, false},
        {"undo", "&Undo\tCtrl+Z", "&Redo Delete Collection\tCtrl+Y", false, true},
        {"redo", "&Undo Delete Collection\tCtrl+Z", "&Redo\tCtrl+Y", true, false},
    };
    for (const Step& step : steps)
    {
        const CString action = step.action;
        if (action == "load")
            Load(kFourBooks);
        else if (action == "delete")
        {
            Select("Shelf");
            form.OnCollectionDelete();
        }
        else if (action == "undo")
            form.OnEditUndo();
        else
            form.OnEditRedo();
        MenuProbe undo, redo;
        form.OnUpdateEditUndo(&undo);
        form.OnUpdateEditRedo(&redo);
        EXPECT_EQ(step.canUndo, undo.enabled) << step.action;
        EXPECT_EQ(step.canRedo, redo.enabled) << step.action;
        EXPECT_STREQ(step.undo, (LPCSTR)undo.text) << step.action;
        EXPECT_STREQ(step.redo, (LPCSTR)redo.text) << step.action;
    }
}

TEST_F(EditCommandsTest, UndoShowsTheListsAsTheyWereInTheRealControls)
{
    Load(kFourBooks);
    Select("Shelf");
    SelectRow(2);
    form.OnBookDelete();
    EXPECT_EQ((std::vector<CString>{"A", "B", "D"}), Titles());
    form.OnEditUndo();
    EXPECT_EQ((std::vector<CString>{"A", "B", "C", "D"}), Titles());
    EXPECT_EQ(2, form.m_lvBooks.GetNextItem(-1, LVNI_SELECTED)) << "the deleted row selected";
    EXPECT_FALSE(form.IsModified());

    const std::vector<CString> names = CollectionNames();
    const int shelf = form.m_lbCollections.GetCurSel();
    form.OnCollectionDelete();
    form.OnEditUndo();
    EXPECT_EQ(names, CollectionNames());
    EXPECT_EQ(shelf, form.m_lbCollections.GetCurSel());
    EXPECT_EQ(4, form.m_lvBooks.GetItemCount());
}

TEST_F(EditCommandsTest, RenameDialogStartsWithTheNameAndStaysOpenOnARefusal)
{
    Load(kFourBooks);
    Select("Shelf");
    const int entry = form.m_lbCollections.GetCurSel();
    CString shown;
    ModalDriver driver("Rename Collection",
                       {[&](HWND hWnd) {
                            shown = ItemText(hWnd, IDC_COLLECTION_NAME);
                            ::SetDlgItemTextA(hWnd, IDC_COLLECTION_NAME, " empty ");
                            ClickButton(hWnd, IDOK); // taken by the other collection
                        },
                        [&](HWND hWnd) {
                            ::SetDlgItemTextA(hWnd, IDC_COLLECTION_NAME, "   ");
                            ClickButton(hWnd, IDOK); // blank
                        },
                        [&](HWND hWnd) {
                            ::SetDlgItemTextA(hWnd, IDC_COLLECTION_NAME, "  Novels ");
                            ClickButton(hWnd, IDOK);
                        }});
    form.OnCollectionRename();
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(3u, driver.StepsRun()) << "the dialog closes after the rename, not before";
    EXPECT_STREQ("Shelf", (LPCSTR)shown);
    ASSERT_EQ(2u, messages.Messages().size());
    EXPECT_STREQ("That collection name is already in use.\n\nThe collection wasn't renamed.",
                 (LPCSTR)messages.Messages()[0].text);
    EXPECT_STREQ("Please enter a non-blank collection name.", (LPCSTR)messages.Messages()[1].text);
    CString renamed;
    form.m_lbCollections.GetText(entry, renamed);
    EXPECT_STREQ("Novels", (LPCSTR)renamed);
    EXPECT_EQ(entry, form.m_lbCollections.GetCurSel());
    EXPECT_TRUE(form.IsModified());
    EXPECT_STREQ("Rename Collection", (LPCSTR)form.GetUndoName());
}

TEST_F(EditCommandsTest, F2OnTheCollectionsListOpensRenameAndNowhereElse)
{
    Load(kFourBooks);
    Select("Shelf");
    for (CWnd* pTarget :
         {static_cast<CWnd*>(&form.m_lvBooks), static_cast<CWnd*>(&form.m_lbCollections)})
    {
        const bool bCollections = pTarget == &form.m_lbCollections;
        pTarget->SetFocus();
        ModalDriver driver("Rename Collection", {[](HWND hWnd) { ClickButton(hWnd, IDCANCEL); }});
        pTarget->PostMessage(WM_KEYDOWN, VK_F2, 0);
        PumpFor(bCollections ? 1500 : 500);
        EXPECT_EQ(bCollections ? 1u : 0u, driver.StepsRun())
            << (bCollections ? "list box" : "books");
    }
    EXPECT_FALSE(form.IsModified()) << "Cancel renames nothing";
}

TEST_F(EditCommandsTest, ADroppedOrNamedFileOpensAfterTheUnsavedChangesQuestion)
{
    Load(kFourBooks);
    const CString other = folder.Write("other.xml", R"(<r xmlns:xs1="u"><records>
        <xs1:playlist title="Dropped"/></records></r>)");
    Select("Shelf");
    form.OnCollectionDelete();
    messages.SetAnswer(IDNO);
    form.OpenFile(other);
    ASSERT_EQ(1u, messages.Messages().size());
    EXPECT_STREQ("There are unsaved changes.\n\nAre you sure you want to open a new file?",
                 (LPCSTR)messages.Messages()[0].text);
    EXPECT_EQ((std::vector<CString>{"Empty"}), CollectionNames()) << "No keeps the catalogue";

    messages.SetAnswer(IDYES);
    form.OpenFile(other);
    EXPECT_EQ((std::vector<CString>{"Dropped"}), CollectionNames());
    EXPECT_FALSE(form.CanUndo()) << "a load clears the history";
}
