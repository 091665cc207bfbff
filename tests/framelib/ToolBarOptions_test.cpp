#include "FramelibTestSupport.h"

namespace
{
// A toolbar that picks one label to show.
class CLabelledToolBar : public QvFToolBarEx
{
public:
    bool ShowButtonText(UINT nCommandID) const override { return nCommandID == ID_FILE_OPEN; }
};

CString ButtonText(const CWnd& toolBar, UINT nID)
{
    char text[128] = "";
    if (toolBar.SendMessage(TB_GETBUTTONTEXTA, nID, reinterpret_cast<LPARAM>(text)) < 0)
        return CString();
    return CString(text);
}

bool ShowsText(const CWnd& toolBar, UINT nID)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE;
    toolBar.SendMessage(TB_GETBUTTONINFOA, nID, reinterpret_cast<LPARAM>(&info));
    return (info.fsStyle & BTNS_SHOWTEXT) != 0;
}

class ToolBarOptions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_toolBar.Create(&TestFrame(), WS_CHILD | CBRS_TOP, 0xE812));
    }
    void TearDown() override
    {
        m_toolBar.DestroyWindow();
        TestFrame().RecalcLayout();
    }
    bool SetBitmaps(int nIconOption)
    {
        return m_toolBar.SetBitmaps(IDB_TOOLBAR16, IDB_TOOLBAR16, IDB_TOOLBAR16_DISABLED,
                                    IDB_TOOLBAR24, IDB_TOOLBAR24, IDB_TOOLBAR24_DISABLED,
                                    nIconOption, RGB(255, 0, 255));
    }
    int ImageSize() const
    {
        int cx = 0;
        int cy = 0;
        ::ImageList_GetIconSize(
            reinterpret_cast<HIMAGELIST>(m_toolBar.SendMessage(TB_GETIMAGELIST)), &cx, &cy);
        return cy == cx ? cx : -1;
    }

    CLabelledToolBar m_toolBar;
};
} // namespace

TEST_F(ToolBarOptions, TheIconOptionPicksTheImageSize)
{
    const struct Case
    {
        int nIconOption;
        int nSize;
    } cases[] = {{QvFToolBarEx::nIconLarge, 24}, {QvFToolBarEx::nIconSmall, 16}};
    for (const Case& c : cases)
    {
        EXPECT_TRUE(SetBitmaps(c.nIconOption));
        EXPECT_EQ(c.nSize, ImageSize()) << "option " << c.nIconOption;
        for (UINT nList : {TB_GETHOTIMAGELIST, TB_GETDISABLEDIMAGELIST})
            EXPECT_NE(0, m_toolBar.SendMessage(nList)) << "option " << c.nIconOption;
    }
    // A strip that is missing, or of the wrong height, changes nothing.
    EXPECT_FALSE(m_toolBar.SetBitmaps(IDR_MISSING, IDB_TOOLBAR16, IDB_TOOLBAR16, IDB_TOOLBAR24,
                                      IDB_TOOLBAR24, IDB_TOOLBAR24, QvFToolBarEx::nIconSmall,
                                      RGB(255, 0, 255)));
    EXPECT_FALSE(m_toolBar.SetBitmaps(IDB_TOOLBAR24, IDB_TOOLBAR24, IDB_TOOLBAR24, IDB_TOOLBAR24,
                                      IDB_TOOLBAR24, IDB_TOOLBAR24, QvFToolBarEx::nIconSmall,
                                      RGB(255, 0, 255)));
    EXPECT_EQ(16, ImageSize());
}

TEST_F(ToolBarOptions, TheTextOptionPlacesTheLabels)
{
    ASSERT_TRUE(SetBitmaps(QvFToolBarEx::nIconSmall));
    const CTestToolBar::CoButton* pButtons = CTestToolBar::s_buttons;
    const int nButtons = CTestToolBar::nButtons;

    ASSERT_TRUE(m_toolBar.SetButtons(nButtons, pButtons, QvFToolBarEx::nTextSelective));
    EXPECT_STREQ("Open a file", (LPCSTR)ButtonText(m_toolBar, ID_FILE_OPEN));
    EXPECT_TRUE(ShowsText(m_toolBar, ID_FILE_OPEN)) << "the one label picked";
    EXPECT_STREQ("", (LPCSTR)ButtonText(m_toolBar, ID_FILE_SAVE));
    EXPECT_FALSE(ShowsText(m_toolBar, ID_FILE_SAVE));
    EXPECT_NE(0u, m_toolBar.GetStyle() & TBSTYLE_LIST) << "labels right of the images";

    ASSERT_TRUE(m_toolBar.SetButtons(nButtons, pButtons, QvFToolBarEx::nTextBelow));
    EXPECT_EQ(0u, m_toolBar.GetStyle() & TBSTYLE_LIST);
    for (int i = 0; i < nButtons; ++i)
    {
        if (pButtons[i].tbButton.fsStyle & BTNS_SEP)
            continue;
        const UINT nID = static_cast<UINT>(pButtons[i].tbButton.idCommand);
        EXPECT_STREQ((LPCSTR)m_toolBar.GetButtonTip(nID), (LPCSTR)ButtonText(m_toolBar, nID));
    }

    ASSERT_TRUE(m_toolBar.SetButtons(nButtons, pButtons, QvFToolBarEx::nTextNone));
    EXPECT_STREQ("", (LPCSTR)ButtonText(m_toolBar, ID_FILE_OPEN));
    EXPECT_FALSE(m_toolBar.SetButtons(1, nullptr, QvFToolBarEx::nTextNone));
}

TEST_F(ToolBarOptions, OnlyTheDefaultSetIsShownAtFirst)
{
    const QvFToolBarEx::CoButton buttons[] = {
        {{1, ID_FILE_OPEN, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
        {{2, ID_FILE_SAVE, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 0},
        {{3, ID_APP_ABOUT, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0}, 1},
    };
    ASSERT_TRUE(m_toolBar.SetButtons(3, buttons, QvFToolBarEx::nTextNone));
    EXPECT_EQ(2, static_cast<int>(m_toolBar.SendMessage(TB_BUTTONCOUNT)));
    EXPECT_EQ(-1, static_cast<int>(m_toolBar.SendMessage(TB_COMMANDTOINDEX, ID_FILE_SAVE)))
        << "offered in the Customize dialog only";
}

TEST(ReBarBands, BandsAreTitledAndMovableOrLocked)
{
    QvFSizableReBar& reBar = TestFrame().GetReBar();
    const auto band = [&reBar](UINT nBarID) {
        static char text[64];
        REBARBANDINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = RBBIM_STYLE | RBBIM_TEXT;
        info.lpText = text;
        info.cch = sizeof(text);
        text[0] = '\0';
        reBar.SendMessage(RB_GETBANDINFOA, reBar.SendMessage(RB_IDTOINDEX, nBarID),
                          reinterpret_cast<LPARAM>(&info));
        return std::make_pair(std::string(text), info.fStyle);
    };
    const auto toolbarBand = band(AFX_IDW_TOOLBAR);
    EXPECT_EQ("&Toolbar", toolbarBand.first) << "no text: the band's name is its title";
    EXPECT_EQ(UINT(RBBS_BREAK | RBBS_FIXEDBMP | RBBS_GRIPPERALWAYS),
              toolbarBand.second & (RBBS_BREAK | RBBS_FIXEDBMP | RBBS_GRIPPERALWAYS |
                                    RBBS_NOGRIPPER | RBBS_FIXEDSIZE));

    CWnd locked;
    ASSERT_TRUE(locked.Create("STATIC", "Locked", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20),
                              &TestFrame(), 0xE811));
    EXPECT_TRUE(reBar.AddBar(&locked, "Fixed", nullptr, RBBS_GRIPPERALWAYS, "Locked band", true));
    const auto lockedBand = band(0xE811);
    EXPECT_EQ("Fixed", lockedBand.first) << "a text wins over the name";
    EXPECT_EQ(UINT(RBBS_NOGRIPPER | RBBS_FIXEDSIZE),
              lockedBand.second & (RBBS_GRIPPERALWAYS | RBBS_NOGRIPPER | RBBS_FIXEDSIZE));
    EXPECT_FALSE(reBar.AddBar(nullptr, nullptr, nullptr, 0, "None", false));
    reBar.SendMessage(RB_DELETEBAND, reBar.SendMessage(RB_IDTOINDEX, 0xE811));
    locked.DestroyWindow();
    TestFrame().RecalcLayout();
}
