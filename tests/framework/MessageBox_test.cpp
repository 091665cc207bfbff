#include <afxwin.h>

#include <gtest/gtest.h>

namespace
{
CString s_text;
CString s_caption;
UINT s_type = 0;
HWND s_hOwner = nullptr;

int CALLBACK RecordingHandler(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    s_hOwner = hOwner;
    s_text = lpszText;
    s_caption = lpszCaption;
    s_type = nType;
    return IDNO;
}
} // namespace

TEST(AfxMessageBox, GoesThroughTheInstalledHandlerWithTheAppTitle)
{
    AFX_MESSAGEBOX_HANDLER previous = AfxSetMessageBoxHandler(RecordingHandler);
    AfxSetAppName("Shelvix");
    EXPECT_EQ(IDNO, AfxMessageBox("Question?", MB_YESNO | MB_ICONWARNING));
    EXPECT_STREQ("Question?", (LPCSTR)s_text);
    EXPECT_STREQ("Shelvix", (LPCSTR)s_caption);
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONWARNING), s_type);
    EXPECT_EQ(RecordingHandler, AfxSetMessageBoxHandler(previous));
}

TEST(CWndMessageBox, IsOwnedByTheWindowAndCaptionedAsAsked)
{
    AFX_MESSAGEBOX_HANDLER previous = AfxSetMessageBoxHandler(RecordingHandler);
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 10, 10,
                               nullptr, nullptr));
    const struct Case
    {
        LPCSTR lpszCaption;
        LPCSTR lpszShown;
    } cases[] = {{"Shelvix", "Shelvix"}, {nullptr, "Error"}};
    for (const Case& c : cases)
    {
        s_hOwner = nullptr;
        EXPECT_EQ(IDNO, owner.MessageBox("Exit?", c.lpszCaption, MB_YESNO | MB_ICONWARNING));
        EXPECT_EQ(owner.GetSafeHwnd(), s_hOwner);
        EXPECT_STREQ("Exit?", (LPCSTR)s_text);
        EXPECT_STREQ(c.lpszShown, (LPCSTR)s_caption);
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONWARNING), s_type);
    }
    owner.DestroyWindow();
    AfxSetMessageBoxHandler(previous);
}
