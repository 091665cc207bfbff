// Window placement persistence and the profile readers on the test prefix's registry.
#include "toolkit/text/QvText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

std::ostream& operator<<(std::ostream& os, const RECT& rc)
{
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace
{
const char kCompany[] = "QvToolsTests";
const char kAppKey[] = "Software\\QvToolsTests\\Window Helpers";

class CHelpersApp : public CWinApp
{
public:
    CHelpersApp() : CWinApp("Window Helpers") {}
};

// An application whose profile is HKEY_CURRENT_USER\Software\QvToolsTests\Window Helpers, and
// a child window in a hidden pop-up whose placement is in its parent's client coordinates.
class Profile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QvToolsTests");
        m_app.SetRegistryKey(kCompany);
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 800, 600,
                                     nullptr, nullptr));
        ASSERT_TRUE(m_window.Create(nullptr, "Placed", WS_CHILD | WS_VISIBLE,
                                    CRect(100, 50, 740, 530), &m_owner, 1));
    }
    void TearDown() override
    {
        m_owner.DestroyWindow();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QvToolsTests");
    }

    // The stored text, or "(absent)".
    static std::string Stored(const char* section, const char* entry)
    {
        char text[256] = "";
        DWORD cbText = sizeof(text);
        const std::string key = std::string(kAppKey) + "\\" + section;
        if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_SZ, nullptr, text,
                           &cbText) != ERROR_SUCCESS)
            return "(absent)";
        return text;
    }
    CRect Placed() const { return FQvTWndGetChildRect(m_window.GetSafeHwnd()); }

    CHelpersApp m_app;
    CWnd m_owner;
    CWnd m_window;
};
} // namespace

TEST_F(Profile, SaveWritesTheRestoredRectangleAsLeftTopWidthHeight)
{
    FQvTWndPosSave(m_window, "");
    EXPECT_EQ("100, 50, 640, 480", Stored("General", "MainWinPos")) << "the default key";
    m_window.MoveWindow(-20, 30, 200, 100);
    FQvTWndPosSave(m_window, "Books");
    EXPECT_EQ("-20, 30, 200, 100", Stored("General", "Books"));
    EXPECT_EQ("100, 50, 640, 480", Stored("General", "MainWinPos")) << "the other key untouched";
}

TEST_F(Profile, AMaximisedWindowSavesThePlaceItReturnsTo)
{
    m_window.ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(m_window.IsZoomed());
    ASSERT_NE(CRect(100, 50, 740, 530), FQvTWndGetRect(m_window)) << "it fills its parent";
    FQvTWndPosSave(m_window, "");
    EXPECT_EQ("100, 50, 640, 480", Stored("General", "MainWinPos"));
}

TEST_F(Profile, LoadMovesAndSizesToWhatIsStored)
{
    struct Case
    {
        const char* stored; // null: nothing stored
        CRect expected;
    } cases[] = {
        {"100, 50, 640, 480", {100, 50, 740, 530}},
        {"10, 20", {10, 20, 10, 20}}, // missing values read as 0
        {"-30,-40,200,100", {-30, -40, 170, 60}},
        {"7", {7, 0, 7, 0}},
        {"", {1, 2, 4, 6}},      // empty: nothing to load
        {nullptr, {1, 2, 4, 6}}, // absent: the same
    };
    for (const char* key : {"", "MainWinPos", "Other"})
    {
        const char* entry = *key ? key : "MainWinPos";
        for (const Case& c : cases)
        {
            m_window.MoveWindow(1, 2, 3, 4);
            m_app.WriteProfileString("General", entry, c.stored);
            FQvTWndPosLoad(m_window, key);
            EXPECT_EQ(c.expected, Placed())
                << "key '" << key << "', stored '" << (c.stored ? c.stored : "(absent)") << "'";
        }
    }
}

TEST_F(Profile, SaveThenLoadRestoresTheWindow)
{
    FQvTWndPosSave(m_window, "Round trip");
    m_window.MoveWindow(0, 0, 10, 10);
    FQvTWndPosLoad(m_window, "Round trip");
    EXPECT_EQ(CRect(100, 50, 740, 530), Placed());
}

TEST_F(Profile, WithoutAWindowNothingIsSavedOrMoved)
{
    CWnd windowless;
    FQvTWndPosSave(windowless, "");
    EXPECT_EQ("(absent)", Stored("General", "MainWinPos"));
    m_app.WriteProfileString("General", "MainWinPos", "1, 2, 3, 4");
    FQvTWndPosLoad(windowless, ""); // no window to move: no crash, no effect
}

TEST_F(Profile, StringReaderTellsAbsentFromEmpty)
{
    ASSERT_TRUE(m_app.WriteProfileString("General", "Name", "Fiction \xe6\x9c\xac"));
    ASSERT_TRUE(m_app.WriteProfileString("General", "Empty", ""));
    ASSERT_TRUE(m_app.WriteProfileString("General", "Marker", "QKZRSVDSTR"));
    ASSERT_TRUE(m_app.WriteProfileInt("General", "Number", 5));
    struct Case
    {
        const char* section;
        const char* entry;
        int result;
        const char* value;
    } cases[] = {
        {"General", "Name", 0, "Fiction \xe6\x9c\xac"},
        {"General", "Empty", 0, ""}, // empty is not absent
        {"General", "Missing", 12, "before"},
        {"Nowhere", "Name", 12, "before"},
        {"General", "Marker", 12, "before"}, // the marker itself reads as absent
        {"General", "Number", 12, "before"}, // an integer is no string setting
    };
    for (const Case& c : cases)
    {
        CString value = "before";
        EXPECT_EQ(c.result, FQvTProfileGetString(m_app, c.section, c.entry, value))
            << c.section << "/" << c.entry;
        EXPECT_STREQ(c.value, value) << c.section << "/" << c.entry;
    }
}

TEST_F(Profile, BoolReaderTellsAbsentFromFalse)
{
    ASSERT_TRUE(m_app.WriteProfileInt("General", "Two", 2));
    ASSERT_TRUE(m_app.WriteProfileInt("General", "Zero", 0));
    ASSERT_TRUE(m_app.WriteProfileInt("General", "Minus", -1));
    ASSERT_TRUE(m_app.WriteProfileInt("General", "Marker", 9876543));
    ASSERT_TRUE(m_app.WriteProfileString("General", "Text", "1"));
    struct Case
    {
        const char* entry;
        int result;
        bool valueFromTrue;
        bool valueFromFalse;
    } cases[] = {
        {"Two", 0, true, true},       // any value but 0 is true
        {"Zero", 0, false, false},    // false, not absent
        {"Minus", 0, true, true},     // negative is not 0 either
        {"Missing", 12, true, false}, // absent: the value stays
        {"Marker", 12, true, false},  // the marker reads as absent
        {"Text", 12, true, false},    // a string is no integer
    };
    for (const Case& c : cases)
    {
        bool value = true;
        EXPECT_EQ(c.result, FQvTProfileGetBool(m_app, "General", c.entry, value)) << c.entry;
        EXPECT_EQ(c.valueFromTrue, value) << c.entry;
        value = false;
        FQvTProfileGetBool(m_app, "General", c.entry, value);
        EXPECT_EQ(c.valueFromFalse, value) << c.entry;
    }
}
