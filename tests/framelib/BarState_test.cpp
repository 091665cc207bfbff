#include "FramelibTestSupport.h"

#include <stdlib.h>
#include <string.h>

#include <tuple>

namespace
{
const char kToolbarSection[] = "TestToolbarState";
const char kRebarSection[] = "TestRebarState";

int IndexOf(UINT nID)
{
    return static_cast<int>(TestFrame().m_wndToolBar.SendMessage(TB_COMMANDTOINDEX, nID));
}

std::string StoredValue(const char* section, const char* entry)
{
    return std::string(theApp.GetProfileString(section, entry, "(none)"));
}

// The profile as an initialisation file in a folder that does not exist: every write fails.
class CUnwritableProfile
{
public:
    CUnwritableProfile()
        : m_pszRegistryKey(theApp.m_pszRegistryKey), m_pszProfileName(theApp.m_pszProfileName)
    {
        theApp.m_pszRegistryKey = nullptr;
        theApp.m_pszProfileName = _strdup("C:\\no-such-folder\\FramelibTests.ini");
    }
    ~CUnwritableProfile()
    {
        free(const_cast<LPSTR>(theApp.m_pszProfileName));
        theApp.m_pszRegistryKey = m_pszRegistryKey;
        theApp.m_pszProfileName = m_pszProfileName;
    }
    CUnwritableProfile(const CUnwritableProfile&) = delete;
    CUnwritableProfile& operator=(const CUnwritableProfile&) = delete;

private:
    LPCSTR m_pszRegistryKey;
    LPCSTR m_pszProfileName;
};

// A band as the rebar shows it: bar id, width, starts a row, hidden.
typedef std::tuple<UINT, UINT, bool, bool> Band;

std::vector<Band> Bands()
{
    CWnd& reBar = TestFrame().GetReBar();
    std::vector<Band> bands;
    const UINT nCount = static_cast<UINT>(reBar.SendMessage(RB_GETBANDCOUNT));
    for (UINT i = 0; i < nCount; ++i)
    {
        REBARBANDINFOA band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_ID | RBBIM_SIZE | RBBIM_STYLE;
        reBar.SendMessage(RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
        bands.emplace_back(band.wID, band.cx, (band.fStyle & RBBS_BREAK) != 0,
                           (band.fStyle & RBBS_HIDDEN) != 0);
    }
    return bands;
}

void SetBand(UINT nBarID, UINT cx, bool bBreak)
{
    CWnd& reBar = TestFrame().GetReBar();
    const WPARAM nBand = static_cast<WPARAM>(reBar.SendMessage(RB_IDTOINDEX, nBarID));
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE;
    reBar.SendMessage(RB_GETBANDINFOA, nBand, reinterpret_cast<LPARAM>(&band));
    band.fMask = RBBIM_STYLE | RBBIM_SIZE;
    band.fStyle = bBreak ? band.fStyle | RBBS_BREAK : band.fStyle & ~RBBS_BREAK;
    band.cx = cx;
    reBar.SendMessage(RB_SETBANDINFOA, nBand, reinterpret_cast<LPARAM>(&band));
}

// The bands as the frame makes them: the toolbar first, starting the row, then the second.
void ShowDefaultBands()
{
    CTestFrame& frame = TestFrame();
    CWnd& reBar = frame.GetReBar();
    const int nToolbar = static_cast<int>(reBar.SendMessage(RB_IDTOINDEX, AFX_IDW_TOOLBAR));
    if (nToolbar != 0)
        reBar.SendMessage(RB_MOVEBAND, static_cast<WPARAM>(nToolbar), 0);
    SetBand(AFX_IDW_TOOLBAR, 300, true);
    SetBand(IDW_SECOND_BAND, 150, false);
    frame.ShowControlBar(&frame.m_wndToolBar, TRUE, FALSE);
    frame.m_wndSecondBand.ShowWindow(SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
}

class BarState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ShowDefaultToolbar();
        ShowDefaultBands();
    }
    void TearDown() override
    {
        theApp.WriteProfileString(kToolbarSection, nullptr, nullptr);
        theApp.WriteProfileString(kRebarSection, nullptr, nullptr);
        SetUp();
    }
};
} // namespace

TEST_F(BarState, ToolbarRoundTripKeepsButtonsOrderAndSeparators)
{
    CTestToolBar& toolBar = TestFrame().m_wndToolBar;
    ASSERT_TRUE(toolBar.SendMessage(TB_DELETEBUTTON, IndexOf(ID_COLLECTION_DELETE)));
    ASSERT_TRUE(toolBar.SendMessage(TB_MOVEBUTTON, IndexOf(ID_APP_ABOUT), 0));
    const std::vector<UINT> layout = {ID_APP_ABOUT,
                                      ID_FILE_OPEN,
                                      ID_FILE_SAVE,
                                      0,
                                      ID_COLLECTION_ADD,
                                      0,
                                      ID_BOOKS_ADD,
                                      ID_BOOK_DELETE,
                                      0};
    ASSERT_EQ(layout, ToolbarCommands());
    ASSERT_TRUE(toolBar.SaveState(kToolbarSection));
    EXPECT_EQ("1;57664;57601;57603;0;32777;0;32778;32780;0",
              StoredValue(kToolbarSection, "Buttons"));

    ShowDefaultToolbar();
    ASSERT_EQ(kDefaultToolbarCommands, ToolbarCommands());
    EXPECT_TRUE(toolBar.LoadState(kToolbarSection));
    EXPECT_EQ(layout, ToolbarCommands());
}

TEST_F(BarState, ToolbarStateSkipsVanishedAndRepeatedCommandsAndIgnoresGarbage)
{
    CTestToolBar& toolBar = TestFrame().m_wndToolBar;
    const struct Case
    {
        const char* stored;
        bool bLoaded;
        std::vector<UINT> shown;
    } cases[] = {
        {"1;12345;57664;57664;0;57601", true, {ID_APP_ABOUT, 0, ID_FILE_OPEN}},
        {"1", true, {}},                             // the user took every button off
        {"1;12345", false, kDefaultToolbarCommands}, // nothing stored is offered any more
        {"", false, kDefaultToolbarCommands},
        {"buttons", false, kDefaultToolbarCommands},
        {"2;57601", false, kDefaultToolbarCommands},
        {"1;57601;", false, kDefaultToolbarCommands},
        {"1;57601,57603", false, kDefaultToolbarCommands},
        {"1;-57601", false, kDefaultToolbarCommands},
        {"1;+57601", false, kDefaultToolbarCommands},
        {"1;99999999999", false, kDefaultToolbarCommands},
        {"1;57601 ", false, kDefaultToolbarCommands},
    };
    for (const Case& c : cases)
    {
        ShowDefaultToolbar();
        ASSERT_TRUE(theApp.WriteProfileString(kToolbarSection, "Buttons", c.stored));
        EXPECT_EQ(c.bLoaded, toolBar.LoadState(kToolbarSection)) << '"' << c.stored << '"';
        EXPECT_EQ(c.shown, ToolbarCommands()) << '"' << c.stored << '"';
    }
    theApp.WriteProfileString(kToolbarSection, nullptr, nullptr);
    ShowDefaultToolbar();
    EXPECT_FALSE(toolBar.LoadState(kToolbarSection)) << "nothing stored";
}

TEST_F(BarState, RebarRoundTripKeepsOrderWidthsBreaksAndVisibility)
{
    CTestFrame& frame = TestFrame();
    QvFSizableReBar& reBar = frame.GetReBar();
    reBar.SendMessage(RB_MOVEBAND, 1, 0); // the second band first
    SetBand(IDW_SECOND_BAND, 180, false);
    SetBand(AFX_IDW_TOOLBAR, 320, true); // the toolbar on a row of its own
    frame.ShowControlBar(&frame.m_wndToolBar, FALSE, FALSE);
    const std::vector<Band> layout = Bands();
    ASSERT_EQ(IDW_SECOND_BAND, std::get<0>(layout[0]));
    ASSERT_TRUE(std::get<3>(layout[1])) << "the toolbar's band is hidden with it";
    ASSERT_TRUE(reBar.SaveState(kRebarSection));

    ShowDefaultBands();
    ASSERT_NE(layout, Bands());
    EXPECT_TRUE(reBar.LoadState(kRebarSection));
    EXPECT_EQ(layout, Bands());
    EXPECT_EQ(0u, frame.m_wndToolBar.GetStyle() & WS_VISIBLE) << "the bar is hidden again";
}

TEST_F(BarState, RebarStateSkipsVanishedBandsAndIgnoresGarbage)
{
    QvFSizableReBar& reBar = TestFrame().GetReBar();
    const std::vector<Band> defaults = Bands();
    const struct Case
    {
        const char* stored;
        bool bLoaded;
        UINT nFirstBand;
    } cases[] = {
        {"1;4242,100,0,1;59408,150,1,1", true, IDW_SECOND_BAND},
        {"1;59408,150,1,1;59408,120,0,1", true, IDW_SECOND_BAND}, // named twice: the first counts
        {"1;4242,100,0,1", false, AFX_IDW_TOOLBAR},
        {"", false, AFX_IDW_TOOLBAR},
        {"1;59408,150,1", false, AFX_IDW_TOOLBAR},
        {"1;59408,150,2,1", false, AFX_IDW_TOOLBAR},
        {"1;59408,150,1,1,7", false, AFX_IDW_TOOLBAR},
        {"1;59408;150;1;1", false, AFX_IDW_TOOLBAR},
        {"RB;59408,150,1,1", false, AFX_IDW_TOOLBAR},
    };
    for (const Case& c : cases)
    {
        ShowDefaultBands();
        ASSERT_TRUE(theApp.WriteProfileString(kRebarSection, "Bands", c.stored));
        EXPECT_EQ(c.bLoaded, reBar.LoadState(kRebarSection)) << '"' << c.stored << '"';
        EXPECT_EQ(c.nFirstBand, std::get<0>(Bands()[0])) << '"' << c.stored << '"';
        if (!c.bLoaded)
        {
            EXPECT_EQ(defaults, Bands()) << "unchanged by \"" << c.stored << '"';
        }
    }
}

TEST_F(BarState, AFailedSaveReportsItAndLeavesTheStoredStateAsItWas)
{
    CTestFrame& frame = TestFrame();
    ASSERT_TRUE(frame.m_wndToolBar.SaveState(kToolbarSection));
    ASSERT_TRUE(frame.GetReBar().SaveState(kRebarSection));
    const std::string storedButtons = StoredValue(kToolbarSection, "Buttons");
    const std::string storedBands = StoredValue(kRebarSection, "Bands");

    frame.m_wndToolBar.SendMessage(TB_DELETEBUTTON, 0);
    frame.GetReBar().SendMessage(RB_MOVEBAND, 1, 0);
    {
        CUnwritableProfile unwritable;
        ASSERT_FALSE(theApp.WriteProfileString("Probe", "Value", "x")) << "the premise";
        EXPECT_FALSE(frame.m_wndToolBar.SaveState(kToolbarSection));
        EXPECT_FALSE(frame.GetReBar().SaveState(kRebarSection));
    }
    EXPECT_EQ(storedButtons, StoredValue(kToolbarSection, "Buttons"));
    EXPECT_EQ(storedBands, StoredValue(kRebarSection, "Bands"));
    EXPECT_TRUE(frame.m_wndToolBar.LoadState(kToolbarSection));
    EXPECT_EQ(kDefaultToolbarCommands, ToolbarCommands());
}
