#include <afxwin.h>

#include <gtest/gtest.h>

namespace
{
CString s_text;
CString s_caption;
UINT s_type = 0;

int CALLBACK RecordingHandler(HWND, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
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
