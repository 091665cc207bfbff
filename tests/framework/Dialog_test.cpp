#include "FrameworkTestIds.h"
#include "WindowTestSupport.h"

#include <afxpriv.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace
{
// A dialog with one field of each exchanged type.
class CExchangeDialog : public CDialog
{
public:
    explicit CExchangeDialog(CWnd* pParent = nullptr, UINT nIDTemplate = IDD_EXCHANGE)
        : CDialog(nIDTemplate, pParent)
    {
    }

    CString m_strName;
    int m_nCount = 0;
    UINT m_nSize = 0;
    double m_dRatio = 0;
    int m_nKickIdle = 0;
    int m_nCancels = 0;
    bool m_bThrowInInit = false;

    CString Text(int nID) const
    {
        CString text;
        GetDlgItemText(nID, text);
        return text;
    }
    void Click(int nID) { GetDlgItem(nID)->SendMessage(BM_CLICK); }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_Text(pDX, IDC_AMOUNT, m_nSize);
        DDX_Text(pDX, IDC_RATIO, m_dRatio);
    }
    BOOL OnInitDialog() override
    {
        if (m_bThrowInInit)
            throw std::runtime_error("no data");
        return CDialog::OnInitDialog();
    }
    void OnCancel() override
    {
        ++m_nCancels;
        CDialog::OnCancel();
    }
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKickIdle;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExchangeDialog, CDialog)
ON_MESSAGE(WM_KICKIDLE, &CExchangeDialog::OnKickIdle)
END_MESSAGE_MAP()

// Works a modal dialog without a person: a thread timer, set before DoModal, fires inside the
// dialog's modal loop and runs the steps one per tick once the dialog is shown (a person can
// act only then); a watchdog ends a dialog that would otherwise never close.
class CModalDriver
{
public:
    using Step = std::function<void(CExchangeDialog&)>;
    static constexpr int kWatchdogResult = 12345;

    CModalDriver(CExchangeDialog& dialog, std::vector<Step> steps)
    {
        s_pDialog = &dialog;
        s_steps = std::move(steps);
        s_nNext = 0;
        m_nTimer = ::SetTimer(nullptr, 0, 20, &Tick);
        m_nWatchdog = ::SetTimer(nullptr, 0, 10000, &Watchdog);
    }
    ~CModalDriver()
    {
        ::KillTimer(nullptr, m_nTimer);
        ::KillTimer(nullptr, m_nWatchdog);
        s_pDialog = nullptr;
    }
    CModalDriver(const CModalDriver&) = delete;
    CModalDriver& operator=(const CModalDriver&) = delete;

    static size_t StepsRun() { return s_nNext; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pDialog && s_pDialog->m_hWnd && s_pDialog->IsWindowVisible() &&
            s_nNext < s_steps.size())
            s_steps[s_nNext++](*s_pDialog);
    }
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pDialog && s_pDialog->m_hWnd)
            s_pDialog->EndDialog(kWatchdogResult);
    }

    UINT_PTR m_nTimer;
    UINT_PTR m_nWatchdog;
    static inline CExchangeDialog* s_pDialog = nullptr;
    static inline std::vector<Step> s_steps;
    static inline size_t s_nNext = 0;
};

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateTestPopup(m_owner, "Owner")); }
    void TearDown() override { m_owner.DestroyWindow(); }

    CWnd m_owner;
};
} // namespace

TEST_F(DialogTest, ModalDialogExchangesDataBothWaysAndDisablesItsOwner)
{
    CExchangeDialog dialog(&m_owner);
    dialog.m_strName = "Holiday \xe6\x9c\xac";
    dialog.m_nCount = -12;
    dialog.m_nSize = 7;
    dialog.m_dRatio = 2.5;
    bool bOwnerEnabledDuring = true;
    CModalDriver driver(dialog, {[&](CExchangeDialog& d) {
                            bOwnerEnabledDuring = m_owner.IsWindowEnabled() != FALSE;
                            EXPECT_STREQ("Holiday \xe6\x9c\xac", (LPCSTR)d.Text(IDC_NAME));
                            EXPECT_STREQ("-12", (LPCSTR)d.Text(IDC_COUNT));
                            EXPECT_STREQ("7", (LPCSTR)d.Text(IDC_AMOUNT));
                            EXPECT_STREQ("2.5", (LPCSTR)d.Text(IDC_RATIO));
                            d.SetDlgItemText(IDC_NAME, "Fiction");
                            d.SetDlgItemText(IDC_COUNT, " 42 ");
                            d.SetDlgItemText(IDC_AMOUNT, "4294967295");
                            d.SetDlgItemText(IDC_RATIO, "1e3");
                            d.Click(IDOK);
                        }});
    EXPECT_EQ(IDOK, dialog.DoModal()) << "the modal loop shows the dialog, the step presses OK";
    EXPECT_EQ(1u, CModalDriver::StepsRun());
    EXPECT_FALSE(bOwnerEnabledDuring) << "the owner is disabled while the dialog runs";
    EXPECT_TRUE(m_owner.IsWindowEnabled()) << "and enabled again afterwards";
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_GT(dialog.m_nKickIdle, 0) << "idle processing goes on in the modal loop";
    EXPECT_STREQ("Fiction", (LPCSTR)dialog.m_strName);
    EXPECT_EQ(42, dialog.m_nCount);
    EXPECT_EQ(4294967295u, dialog.m_nSize);
    EXPECT_DOUBLE_EQ(1000.0, dialog.m_dRatio);
}

TEST_F(DialogTest, BadNumberKeepsTheDialogOpenWithTheFieldSelected)
{
    CMessageBoxRecorder boxes;
    CExchangeDialog dialog(&m_owner);
    HWND hWndFocus = nullptr;
    DWORD dwSelection = 0;
    bool bOpenAfterBadOK = false;
    CModalDriver driver(dialog, {[](CExchangeDialog& d) {
                                     d.SetDlgItemText(IDC_COUNT, "12abc");
                                     d.Click(IDOK);
                                 },
                                 [&](CExchangeDialog& d) {
                                     bOpenAfterBadOK = d.IsWindowVisible() != FALSE;
                                     hWndFocus = ::GetFocus();
                                     dwSelection = static_cast<DWORD>(
                                         d.GetDlgItem(IDC_COUNT)->SendMessage(EM_GETSEL));
                                     d.SetDlgItemText(IDC_COUNT, "5");
                                     d.Click(IDOK);
                                 }});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(2u, CModalDriver::StepsRun());
    EXPECT_TRUE(bOpenAfterBadOK);
    ASSERT_EQ(1u, boxes.Texts().size());
    EXPECT_EQ("Please enter an integer.", boxes.Texts()[0]);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 5)), dwSelection) << "the whole bad text selected";
    EXPECT_NE(nullptr, hWndFocus);
    EXPECT_EQ(5, dialog.m_nCount);
}

TEST_F(DialogTest, UserExceptionAbandonsTheExchange)
{
    struct Case
    {
        int nID;
        const char* text;
        const char* message;
    } cases[] = {
        {IDC_COUNT, "12abc", "Please enter an integer."},
        {IDC_COUNT, "", "Please enter an integer."},
        {IDC_COUNT, "2147483648", "Please enter an integer."},
        {IDC_AMOUNT, "-1", "Please enter a positive integer."},
        {IDC_AMOUNT, "4294967296", "Please enter a positive integer."},
        {IDC_RATIO, "2.5x", "Please enter a number."},
        {IDC_RATIO, " ", "Please enter a number."},
    };
    for (const Case& c : cases)
    {
        CMessageBoxRecorder boxes;
        CExchangeDialog dialog(&m_owner);
        ASSERT_TRUE(dialog.Create(IDD_EXCHANGE, &m_owner));
        dialog.SetDlgItemText(IDC_NAME, "New name");
        dialog.SetDlgItemText(IDC_COUNT, "3");
        dialog.SetDlgItemText(IDC_AMOUNT, "4");
        dialog.SetDlgItemText(IDC_RATIO, "0.5");
        dialog.SetDlgItemText(c.nID, c.text);

        EXPECT_FALSE(dialog.UpdateData(TRUE)) << c.text;
        ASSERT_EQ(1u, boxes.Texts().size()) << c.text;
        EXPECT_EQ(c.message, boxes.Texts()[0]) << c.text;
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), boxes.Types()[0] & MB_ICONMASK);
        // Fields before the bad one were exchanged, the bad one and those after it were not.
        EXPECT_STREQ("New name", (LPCSTR)dialog.m_strName) << c.text;
        EXPECT_EQ(c.nID > IDC_COUNT ? 3 : 0, dialog.m_nCount) << c.text;
        EXPECT_EQ(c.nID > IDC_AMOUNT ? 4u : 0u, dialog.m_nSize) << c.text;
        EXPECT_EQ(0.0, dialog.m_dRatio) << c.text;
        dialog.DestroyWindow();
    }
}

TEST_F(DialogTest, ModelessDialogFromTemplate)
{
    CExchangeDialog dialog(&m_owner);
    dialog.m_strName = "First";
    dialog.m_nCount = 9;
    ASSERT_TRUE(dialog.Create(IDD_EXCHANGE, &m_owner));
    EXPECT_EQ(&dialog, CWnd::FromHandlePermanent(dialog.m_hWnd));
    EXPECT_EQ(m_owner.m_hWnd, ::GetWindow(dialog.m_hWnd, GW_OWNER));
    EXPECT_TRUE(m_owner.IsWindowEnabled()) << "a modeless dialog leaves its owner enabled";
    EXPECT_STREQ("First", (LPCSTR)dialog.Text(IDC_NAME)) << "OnInitDialog loads the members";
    EXPECT_STREQ("9", (LPCSTR)dialog.Text(IDC_COUNT));

    dialog.SetDlgItemText(IDC_NAME, "Second");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_STREQ("Second", (LPCSTR)dialog.m_strName);
    dialog.m_nCount = -3;
    EXPECT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_STREQ("-3", (LPCSTR)dialog.Text(IDC_COUNT));

    // Esc in a field reaches the dialog through IsDialogMessage in the message loop.
    dialog.ShowWindow(SW_SHOW);
    dialog.GetDlgItem(IDC_NAME)->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PumpPendingMessages();
    EXPECT_EQ(1, dialog.m_nCancels);
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

// Windows' dialog manager gives an extended template with DS_SHELLFONT and "MS Shell Dlg" the
// face "MS Shell Dlg 2"; every other template keeps the face it names.
TEST_F(DialogTest, ShellFontTemplatesTakeTheShellDialogFace)
{
    struct Case
    {
        UINT nIDTemplate;
        const char* face;
    } cases[] = {{IDD_SHELLFONT, "MS Shell Dlg 2"}, {IDD_EXCHANGE, "MS Shell Dlg"}};
    for (const Case& c : cases)
    {
        CExchangeDialog dialog(&m_owner, c.nIDTemplate);
        dialog.m_strName = "Field";
        dialog.m_dRatio = 0.5;
        ASSERT_TRUE(dialog.Create(c.nIDTemplate, &m_owner)) << c.nIDTemplate;
        LOGFONTA font = {};
        HFONT hFont = reinterpret_cast<HFONT>(dialog.SendMessage(WM_GETFONT));
        ASSERT_NE(nullptr, hFont) << c.nIDTemplate;
        ASSERT_NE(0, ::GetObjectA(hFont, sizeof font, &font));
        EXPECT_STREQ(c.face, font.lfFaceName) << "template " << c.nIDTemplate;
        // Every control after the face came through where the template put it.
        EXPECT_STREQ("Field", (LPCSTR)dialog.Text(IDC_NAME)) << c.nIDTemplate;
        EXPECT_STREQ("0.5", (LPCSTR)dialog.Text(IDC_RATIO)) << c.nIDTemplate;
        CRect ratio;
        dialog.GetDlgItem(IDC_RATIO)->GetWindowRect(&ratio);
        dialog.ScreenToClient(&ratio);
        CRect expected(10, 64, 70, 78);
        ::MapDialogRect(dialog.m_hWnd, &expected);
        EXPECT_EQ(expected, ratio) << "template " << c.nIDTemplate;
        EXPECT_NE(nullptr, dialog.GetDlgItem(IDOK)) << c.nIDTemplate;
        dialog.DestroyWindow();
    }
}

TEST_F(DialogTest, EscapeEndsAModalDialogWithCancel)
{
    CExchangeDialog dialog(&m_owner);
    dialog.m_strName = "Kept";
    CModalDriver driver(dialog, {[](CExchangeDialog& d) {
                            d.SetDlgItemText(IDC_NAME, "Typed");
                            d.GetDlgItem(IDC_NAME)->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                        }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, dialog.m_nCancels);
    EXPECT_STREQ("Kept", (LPCSTR)dialog.m_strName) << "cancel exchanges nothing";
}

TEST_F(DialogTest, DialogThatCannotBeShownReportsFailure)
{
    CExchangeDialog missing(&m_owner, IDD_MISSING);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_FALSE(missing.Create(IDD_MISSING, &m_owner));
    EXPECT_EQ(nullptr, missing.m_hWnd);
    EXPECT_TRUE(m_owner.IsWindowEnabled());

    CMessageBoxRecorder boxes;
    CExchangeDialog throwing(&m_owner);
    throwing.m_bThrowInInit = true;
    EXPECT_EQ(-1, throwing.DoModal());
    ASSERT_EQ(1u, boxes.Texts().size());
    EXPECT_EQ("An internal application error has occurred.\n\nno data", boxes.Texts()[0]);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, throwing.m_hWnd);
}
