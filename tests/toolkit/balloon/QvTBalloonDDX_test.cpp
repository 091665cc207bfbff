// Validation with error balloons on real dialogs from the test's own template: numeric fields
// exchanged through QvTBalloonDDX, and the three dialog bases closing their balloon when the
// dialog changes. One shown dialog per suite, because every top-level window shown under Xvfb
// costs time.
#include "BalloonTestIds.h"
#include "BalloonTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const int kUntouched = 111;
const double kUntouchedDouble = 111.5;

const char kInvalidField[] = "Invalid field.";
const char kInvalidInt[] = "Please enter a non-negative integer value.";
const char kInvalidFloat[] = "Invalid float value.";

class CFieldsDialog : public QvTDlgBalloonDDX
{
public:
    CFieldsDialog() : QvTDlgBalloonDDX(IDD_BALLOON_FIELDS, nullptr) {}

    int m_nCopies = 0;
    double m_dScale = 0.0;
    int m_nPrecision = 2;
    CString m_strName;
    bool m_bNameRequired = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        QvTDlgBalloonDDX::DoDataExchange(pDX);
        m_ddx.DDX_Edit(IDC_FIELD_INT, m_nCopies);
        m_ddx.DDX_Edit(IDC_FIELD_DOUBLE, m_dScale, m_nPrecision);
        DDX_Text(pDX, IDC_FIELD_NAME, m_strName);
        if (pDX->m_bSaveAndValidate && m_bNameRequired && m_strName.IsEmpty())
            m_ddx.DDX_EditError(IDC_FIELD_NAME, IDS_TEST_TITLE, IDS_TEST_NAME_MISSING);
    }
};

// What a failed exchange left on the screen.
struct Report
{
    bool bShown;
    std::string title;
    std::string content;
    int focusId;
    bool bAllSelected;
};

// One shown dialog of the test's template for a whole suite.
template <class TDialog> class BalloonDialog : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_pFades = new CTooltipFades(FALSE);
        s_pDialog = new TDialog;
        ASSERT_TRUE(s_pDialog->Create(IDD_BALLOON_FIELDS, nullptr));
        s_pDialog->ShowWindow(SW_SHOW);
        ::SetForegroundWindow(*s_pDialog);
        PumpMessages();
    }
    static void TearDownTestSuite()
    {
        delete s_pDialog;
        s_pDialog = nullptr;
        delete s_pFades;
        s_pFades = nullptr;
    }

    static TDialog& Dialog() { return *s_pDialog; }

    static HWND ShowError()
    {
        CWnd* pName = s_pDialog->GetDlgItem(IDC_FIELD_NAME);
        s_pDialog->Balloon(*pName, IDS_TEST_CONTENT);
        return FindBalloon(*s_pDialog);
    }
    static void Move()
    {
        CRect rect;
        s_pDialog->GetWindowRect(&rect);
        s_pDialog->SetWindowPos(nullptr, rect.left + 7, rect.top, 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    static void Widen(int dx)
    {
        CRect rect;
        s_pDialog->GetWindowRect(&rect);
        s_pDialog->SetWindowPos(nullptr, 0, 0, rect.Width() + dx, rect.Height(),
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    static inline TDialog* s_pDialog = nullptr;
    // Balloons without fades: shown at once.
    static inline CTooltipFades* s_pFades = nullptr;
};

class BalloonValidation : public BalloonDialog<CFieldsDialog>
{
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, s_pDialog);
        Dialog().m_ddx.Close();
        Dialog().m_bNameRequired = false;
        Dialog().m_nPrecision = 2;
    }

    // Fills the three fields and stores them.
    static BOOL Save(const char* copies, const char* scale, const char* name = "Name")
    {
        Dialog().SetDlgItemText(IDC_FIELD_INT, copies);
        Dialog().SetDlgItemText(IDC_FIELD_DOUBLE, scale);
        Dialog().SetDlgItemText(IDC_FIELD_NAME, name);
        Dialog().m_nCopies = kUntouched;
        Dialog().m_dScale = kUntouchedDouble;
        return Dialog().UpdateData(TRUE);
    }

    static Report Reported()
    {
        Report report = {};
        QvTBalloonDDX& balloon = Dialog().m_ddx;
        report.bShown = balloon.m_hWnd != nullptr;
        if (report.bShown)
        {
            report.title = WindowText(balloon);
            report.content = balloon.GetContent();
            EXPECT_EQ(Dialog().m_hWnd, ::GetWindow(balloon, GW_OWNER)) << "owned by the dialog";
        }
        HWND hFocus = ::GetFocus();
        report.focusId = hFocus ? ::GetDlgCtrlID(hFocus) : 0;
        if (hFocus)
        {
            DWORD start = 0;
            DWORD end = 0;
            ::SendMessageA(hFocus, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                           reinterpret_cast<LPARAM>(&end));
            report.bAllSelected =
                start == 0 && static_cast<int>(end) == ::GetWindowTextLengthA(hFocus);
        }
        return report;
    }
};

struct IntCase
{
    const char* text;
    bool bValid;
    int stored;
};

const IntCase kIntCases[] = {
    {"-3", false, -3}, // a parsed negative number is stored before the exchange fails
    {"", true, 0},
    {"42", true, 42},
    {" 7", true, 7},
    {"+5", true, 5},
    {"-0", true, 0},
    {"2147483647", true, 2147483647},
    {"7 ", false, kUntouched},
    {"4x", false, kUntouched},
    {"1.5", false, kUntouched},
    {"0x10", false, kUntouched},
    {"99999999999", false, kUntouched}, // beyond int: not clamped to 2147483647
    {"-99999999999", false, kUntouched},
};

TEST_F(BalloonValidation, IntegerField)
{
    for (const IntCase& c : kIntCases)
    {
        EXPECT_EQ(c.bValid, Save(c.text, "1") != FALSE) << '"' << c.text << '"';
        EXPECT_EQ(c.stored, Dialog().m_nCopies) << '"' << c.text << '"';
        const Report report = Reported();
        EXPECT_EQ(!c.bValid, report.bShown) << '"' << c.text << '"';
        if (!c.bValid)
        {
            EXPECT_EQ(kInvalidField, report.title) << '"' << c.text << '"';
            EXPECT_EQ(kInvalidInt, report.content) << '"' << c.text << '"';
            EXPECT_EQ(IDC_FIELD_INT, report.focusId) << '"' << c.text << '"';
            EXPECT_TRUE(report.bAllSelected) << '"' << c.text << '"';
            EXPECT_EQ(kUntouchedDouble, Dialog().m_dScale) << "the exchange stopped there";
        }
    }
}

struct DoubleCase
{
    const char* text;
    bool bValid;
    double stored;
};

const DoubleCase kDoubleCases[] = {
    {"2.5x", false, kUntouchedDouble},
    {"1e3", true, 1000.0},
    {"1.5e-2", true, 0.015},
    {"-2.5", true, -2.5}, // no sign check for doubles
    {" 1.5", true, 1.5},
    {"", true, 0.0},
    {"1,5", false, kUntouchedDouble},
    {"0x10", false, kUntouchedDouble},
    {"0x1p3", false, kUntouchedDouble},
    {"nan", false, kUntouchedDouble},
    {"inf", false, kUntouchedDouble},
    {"infinity", false, kUntouchedDouble},
    {"1e999", false, kUntouchedDouble}, // beyond double: not infinity
};

TEST_F(BalloonValidation, FloatField)
{
    for (const DoubleCase& c : kDoubleCases)
    {
        EXPECT_EQ(c.bValid, Save("1", c.text) != FALSE) << '"' << c.text << '"';
        EXPECT_EQ(1, Dialog().m_nCopies);
        EXPECT_DOUBLE_EQ(c.stored, Dialog().m_dScale) << '"' << c.text << '"';
        const Report report = Reported();
        EXPECT_EQ(!c.bValid, report.bShown) << '"' << c.text << '"';
        if (!c.bValid)
        {
            EXPECT_EQ(kInvalidField, report.title) << '"' << c.text << '"';
            EXPECT_EQ(kInvalidFloat, report.content) << '"' << c.text << '"';
            EXPECT_EQ(IDC_FIELD_DOUBLE, report.focusId) << '"' << c.text << '"';
            EXPECT_TRUE(report.bAllSelected) << '"' << c.text << '"';
        }
    }
}

TEST_F(BalloonValidation, LoadingFormatsWithTheRuntimesPrintf)
{
    const struct
    {
        int copies;
        double scale;
        int precision;
        const char* copiesText;
        const char* scaleText;
    } cases[] = {
        {42, 3.14159, 2, "42", "3.14"},
        {-7, 3.14159, -1, "-7", "3.141590"},
        {0, 2.5, 0, "0", "3"}, // the C runtime rounds half away from zero
        {1, 1500.0, 1, "1", "1500.0"},
    };
    for (const auto& c : cases)
    {
        Dialog().m_nCopies = c.copies;
        Dialog().m_dScale = c.scale;
        Dialog().m_nPrecision = c.precision;
        ASSERT_TRUE(Dialog().UpdateData(FALSE));
        CString text;
        Dialog().GetDlgItemText(IDC_FIELD_INT, text);
        EXPECT_EQ(c.copiesText, std::string(text));
        Dialog().GetDlgItemText(IDC_FIELD_DOUBLE, text);
        EXPECT_EQ(c.scaleText, std::string(text)) << c.scale << " with precision " << c.precision;
    }
}

TEST_F(BalloonValidation, CallersOwnErrorUsesTheProgramsStrings)
{
    Dialog().m_bNameRequired = true;
    EXPECT_FALSE(Save("1", "1", ""));
    const Report report = Reported();
    ASSERT_TRUE(report.bShown);
    EXPECT_EQ("Program title one", report.title);
    EXPECT_EQ("Program text three", report.content);
    EXPECT_EQ(IDC_FIELD_NAME, report.focusId);
}

TEST_F(BalloonValidation, ResourceModuleComesBackAfterAFailure)
{
    HINSTANCE hBefore = AfxGetResourceHandle();
    EXPECT_FALSE(Save("-1", "1"));
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
    EXPECT_TRUE(Save("1", "1"));
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
}

TEST_F(BalloonValidation, BalloonPointsAtTheFieldsCentre)
{
    EXPECT_FALSE(Save("x", "1"));
    ASSERT_NE(nullptr, Dialog().m_ddx.m_hWnd);
    CRect field;
    Dialog().GetDlgItem(IDC_FIELD_INT)->GetWindowRect(&field);
    CRect window;
    Dialog().m_ddx.GetWindowRect(&window);
    const CPoint centre = field.CenterPoint();
    // The dialog sits in the screen's upper half: the tail is on top, its tip on row 1.
    EXPECT_EQ(centre.y - 1, window.top);
    EXPECT_LT(window.left, centre.x);
    EXPECT_GT(window.right, centre.x);
}

TEST_F(BalloonValidation, NextExchangeClosesTheBalloon)
{
    EXPECT_FALSE(Save("-3", "1"));
    ASSERT_NE(nullptr, Dialog().m_ddx.m_hWnd);
    EXPECT_TRUE(Save("3", "1"));
    EXPECT_EQ(nullptr, Dialog().m_ddx.m_hWnd);
    EXPECT_EQ(nullptr, FindBalloon(Dialog()));
}

TEST_F(BalloonValidation, MovingTheDialogRemovesItsBalloon)
{
    EXPECT_FALSE(Save("-3", "1"));
    ASSERT_NE(nullptr, FindBalloon(Dialog()));
    CRect rect;
    Dialog().GetWindowRect(&rect);
    Dialog().SetWindowPos(nullptr, rect.left + 10, rect.top + 5, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(nullptr, Dialog().m_ddx.m_hWnd);
    EXPECT_EQ(nullptr, FindBalloon(Dialog()));
}

TEST_F(BalloonValidation, ExchangeWithoutAStartDoesNothing)
{
    QvTBalloonDDX loose;
    int value = kUntouched;
    double scale = kUntouchedDouble;
    loose.DDX_Edit(IDC_FIELD_INT, value);
    loose.DDX_Edit(IDC_FIELD_DOUBLE, scale, 2);
    loose.DDX_EditError(IDC_FIELD_INT, IDS_TEST_TITLE, IDS_TEST_CONTENT);
    EXPECT_EQ(kUntouched, value);
    EXPECT_EQ(kUntouchedDouble, scale);
    EXPECT_EQ(nullptr, loose.m_hWnd);
}

TEST_F(BalloonValidation, BalloonForAMissingControlShowsNothing)
{
    QvTBalloonHelp balloon;
    balloon.Balloon(9999, IDS_TEST_TITLE, IDS_TEST_CONTENT, false, &Dialog());
    EXPECT_EQ(nullptr, balloon.m_hWnd);
    balloon.Balloon(IDC_FIELD_NAME, IDS_TEST_TITLE, IDS_TEST_CONTENT, false, nullptr);
    EXPECT_EQ(nullptr, balloon.m_hWnd);
}

TEST_F(BalloonValidation, BalloonTakesItsStringsFromTheChosenTable)
{
    const struct
    {
        bool bLibrary;
        const char* title;
        const char* content;
    } cases[] = {
        {true, kInvalidField, kInvalidInt},
        {false, "Program title one", "Program text two"},
    };
    for (const auto& c : cases)
    {
        QvTBalloonHelp balloon;
        balloon.Balloon(IDC_FIELD_NAME, 1, 2, c.bLibrary, &Dialog());
        ASSERT_NE(nullptr, balloon.m_hWnd);
        EXPECT_EQ(c.title, WindowText(balloon));
        EXPECT_EQ(c.content, std::string(balloon.GetContent()));
    }
}

TEST_F(BalloonValidation, BalloonOnASelfDeletingObjectKeepsTheObject)
{
    CBalloonProbe::s_nDeleted = 0;
    CBalloonProbe* pBalloon = new CBalloonProbe;
    ASSERT_EQ(1, pBalloon->Create("Old", "Self-deleting", CPoint(300, 200),
                                  QvTBalloonHelp::unDELETE_THIS_ON_CLOSE, &Dialog(), CString(), 0,
                                  nullptr));
    pBalloon->Balloon(IDC_FIELD_NAME, 1, 2, true, &Dialog());
    EXPECT_EQ(0, CBalloonProbe::s_nDeleted) << "the old window went without the object";
    EXPECT_NE(nullptr, pBalloon->m_hWnd);
    EXPECT_EQ(kInvalidInt, std::string(pBalloon->GetContent()));
    delete pBalloon;
    EXPECT_EQ(1, CBalloonProbe::s_nDeleted);
}

// ---------------------------------------------------------------------------------------------
// The balloon dialogs

class CPlainBalloonDialog : public QvTDlgBalloon
{
public:
    CPlainBalloonDialog() : QvTDlgBalloon(IDD_BALLOON_FIELDS, nullptr) {}
};

class CGlueBalloonDialog : public QvTDlgGlueBalloon
{
public:
    CGlueBalloonDialog() : QvTDlgGlueBalloon(IDD_BALLOON_FIELDS, nullptr) {}

protected:
    BOOL OnInitDialog() override
    {
        QvTDlgGlueBalloon::OnInitDialog();
        m_glue.AttachRight(*GetDlgItem(IDOK), 0);
        GlueBalloonInit();
        return TRUE;
    }
};

using PlainBalloonDialog = BalloonDialog<CPlainBalloonDialog>;
using GlueBalloonDialog = BalloonDialog<CGlueBalloonDialog>;

TEST_F(PlainBalloonDialog, ErrorBalloonAtAControl)
{
    HWND hBalloon = ShowError();
    ASSERT_NE(nullptr, hBalloon);
    EXPECT_EQ(s_pDialog->m_balloon.m_hWnd, hBalloon);
    EXPECT_EQ(kInvalidField, WindowText(hBalloon)) << "the library's title";
    EXPECT_EQ("Program text two", std::string(s_pDialog->m_balloon.GetContent()))
        << "the program's content";
    EXPECT_EQ(IDC_FIELD_NAME, ::GetDlgCtrlID(::GetFocus()));
    HWND hSecond = ShowError();
    EXPECT_FALSE(::IsWindow(hBalloon)) << "one balloon at a time";
    EXPECT_TRUE(::IsWindow(hSecond));
}

TEST_F(PlainBalloonDialog, MoveSizeHideAndShowCloseTheBalloon)
{
    const struct
    {
        const char* name;
        void (*change)();
    } cases[] = {
        {"move", [] { Move(); }},
        {"size", [] { Widen(10); }},
        {"hide", [] { s_pDialog->ShowWindow(SW_HIDE); }},
        {"show", [] { s_pDialog->ShowWindow(SW_SHOW); }},
    };
    for (const auto& c : cases)
    {
        ASSERT_NE(nullptr, ShowError()) << c.name;
        c.change();
        EXPECT_EQ(nullptr, s_pDialog->m_balloon.m_hWnd) << c.name;
        EXPECT_EQ(nullptr, FindBalloon(*s_pDialog)) << c.name;
    }
}

TEST_F(GlueBalloonDialog, SizeClosesTheBalloonAndRelaysTheControls)
{
    ASSERT_NE(nullptr, ShowError());
    CRect before;
    s_pDialog->GetDlgItem(IDOK)->GetWindowRect(&before);
    Widen(40);
    EXPECT_EQ(nullptr, s_pDialog->m_pBalloon->m_hWnd);
    CRect after;
    s_pDialog->GetDlgItem(IDOK)->GetWindowRect(&after);
    EXPECT_EQ(before.left + 40, after.left) << "the glue follows the new size";
}

TEST_F(GlueBalloonDialog, MoveAndResetCloseTheBalloon)
{
    ASSERT_NE(nullptr, ShowError());
    Move();
    EXPECT_EQ(nullptr, s_pDialog->m_pBalloon->m_hWnd);
    ASSERT_NE(nullptr, ShowError());
    s_pDialog->BalloonReset();
    EXPECT_EQ(nullptr, s_pDialog->m_pBalloon->m_hWnd);
    EXPECT_EQ(nullptr, FindBalloon(*s_pDialog));
}

TEST_F(GlueBalloonDialog, GlueBalloonInitGivesAGrip)
{
    int nGrips = 0;
    for (HWND h = ::GetWindow(*s_pDialog, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        nGrips += ::GetPropA(h, "QvTGripper") ? 1 : 0;
    EXPECT_EQ(1, nGrips);
}
} // namespace
