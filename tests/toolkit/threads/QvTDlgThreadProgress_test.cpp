// The progress dialog run modally with a real worker thread: how it ends, what keeps it open,
// and the pixels of its percentage bar.
#include "tests/framework/GdiTestSupport.h"
#include "toolkit/res/resource.h"
#include "toolkit/threads/QvTThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <vector>

namespace
{
const COLORREF kNavy = RGB(0, 0, 128);
const DWORD kWaitLimit = 10000; // no wait of a test lasts longer: a fault fails, never hangs

// A manual-reset event with a bounded wait.
class Event
{
public:
    Event() : m_h(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Event() { ::CloseHandle(m_h); }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set() { ::SetEvent(m_h); }
    bool IsSet() const { return ::WaitForSingleObject(m_h, 0) == WAIT_OBJECT_0; }
    bool Wait() const { return ::WaitForSingleObject(m_h, kWaitLimit) == WAIT_OBJECT_0; }

private:
    HANDLE m_h;
};

// The caller's work: records its thread and whether it saw the cancel flag, and runs body.
class TestWork : public QvTDlgThreadProgress::JThreadExecute
{
public:
    explicit TestWork(std::function<void(QvTDlgThreadProgress&)> body = nullptr)
        : m_body(std::move(body))
    {
    }

    void Execute(QvTDlgThreadProgress& dialog) override
    {
        m_nThreadId = ::GetCurrentThreadId();
        ++m_nRuns;
        m_started.Set();
        if (m_body)
            m_body(dialog);
        m_bSawCancel = dialog.m_bCancel.load();
        m_returned.Set();
    }

    // Runs until the dialog's cancel flag is set or release is, then waits for release.
    static std::function<void(QvTDlgThreadProgress&)> UntilCancelledAndReleased(Event& release)
    {
        return [&release](QvTDlgThreadProgress& dialog) {
            for (DWORD waited = 0; !dialog.m_bCancel && !release.IsSet() && waited < kWaitLimit;
                 waited += 5)
                ::Sleep(5);
            release.Wait();
        };
    }

    Event m_started;
    Event m_returned;
    std::atomic<DWORD> m_nThreadId{0};
    std::atomic<int> m_nRuns{0};
    std::atomic<bool> m_bSawCancel{false};

private:
    std::function<void(QvTDlgThreadProgress&)> m_body;
};

// Works the modal dialog without a person: a thread timer set before DoModal fires inside the
// modal loop; each step runs once the dialog is shown and is tried again on the next tick while
// it returns false. A watchdog ends a dialog that would otherwise never close, and releases the
// work.
class ModalDriver
{
public:
    using Step = std::function<bool(QvTDlgThreadProgress&)>;
    static constexpr int kWatchdogResult = 12345;

    ModalDriver(QvTDlgThreadProgress& dialog, Event& release, std::vector<Step> steps)
    {
        s_pDialog = &dialog;
        s_pRelease = &release;
        s_steps = std::move(steps);
        s_nNext = 0;
        m_nTimer = ::SetTimer(nullptr, 0, 20, &Tick);
        m_nWatchdog = ::SetTimer(nullptr, 0, 20000, &Watchdog);
    }
    ~ModalDriver()
    {
        ::KillTimer(nullptr, m_nTimer);
        ::KillTimer(nullptr, m_nWatchdog);
        s_pDialog = nullptr;
        s_pRelease = nullptr;
    }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    static size_t StepsRun() { return s_nNext; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pDialog && s_pDialog->m_hWnd && s_pDialog->IsWindowVisible() &&
            s_nNext < s_steps.size() && s_steps[s_nNext](*s_pDialog))
            ++s_nNext;
    }
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pRelease)
            s_pRelease->Set();
        if (s_pDialog && s_pDialog->m_hWnd)
            s_pDialog->EndDialog(kWatchdogResult);
    }

    UINT_PTR m_nTimer;
    UINT_PTR m_nWatchdog;
    static inline QvTDlgThreadProgress* s_pDialog = nullptr;
    static inline Event* s_pRelease = nullptr;
    static inline std::vector<Step> s_steps;
    static inline size_t s_nNext = 0;
};

void Click(QvTDlgThreadProgress& dialog, int nID)
{
    dialog.GetDlgItem(nID)->SendMessage(BM_CLICK);
}
} // namespace

TEST(QvTDlgThreadProgress, WorkThatReturnsAtOnceEndsWithOK)
{
    TestWork work;
    QvTDlgThreadProgress dialog("Copying", work);
    Event release;
    ModalDriver driver(dialog, release, {});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, work.m_nRuns.load());
    EXPECT_NE(::GetCurrentThreadId(), work.m_nThreadId.load()) << "the work runs on its own thread";
    EXPECT_FALSE(dialog.m_bCancel.load());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(QvTDlgThreadProgress, SetPercentBeforeTheDialogRunsPostsNothing)
{
    TestWork work;
    QvTDlgThreadProgress dialog("Copying", work);
    dialog.SetPercent(0.3);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_APP, WM_APP + 2, PM_REMOVE))
        << "nothing lands in the caller's own queue";
    EXPECT_EQ(0, work.m_nRuns.load());
}

TEST(QvTDlgThreadProgress, ShowsTheTitleAndTheTemplateOfTheLibrary)
{
    Event release;
    TestWork work(TestWork::UntilCancelledAndReleased(release));
    QvTDlgThreadProgress dialog("Copying \xc3\xa9tag\xc3\xa8res", work);
    CString caption, cancelText;
    DWORD barStyle = 0, barExStyle = 0;
    ModalDriver driver(dialog, release, {[&](QvTDlgThreadProgress& d) {
                           d.GetWindowText(caption);
                           d.GetDlgItem(IDCANCEL)->GetWindowText(cancelText);
                           CWnd* pBar = d.GetDlgItem(IDC_QVT_PROGRESS);
                           barStyle = pBar ? pBar->GetStyle() : 0;
                           barExStyle = pBar ? pBar->GetExStyle() : 0;
                           release.Set();
                           return true;
                       }});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("Copying \xc3\xa9tag\xc3\xa8res", (LPCSTR)caption);
    EXPECT_STREQ("Cancel", (LPCSTR)cancelText);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), barStyle & BS_TYPEMASK);
    EXPECT_TRUE(barStyle & WS_DISABLED) << "the bar takes no clicks";
    EXPECT_TRUE(barExStyle & WS_EX_CLIENTEDGE) << "the bar is sunken";
}

TEST(QvTDlgThreadProgress, CancelKeepsTheDialogOpenUntilTheWorkReturns)
{
    struct Case
    {
        const char* name;
        std::function<void(QvTDlgThreadProgress&)> cancel;
    } cases[] = {
        {"Cancel button", [](QvTDlgThreadProgress& d) { Click(d, IDCANCEL); }},
        {"Escape key",
         [](QvTDlgThreadProgress&) {
             ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Event release;
        TestWork work(TestWork::UntilCancelledAndReleased(release));
        QvTDlgThreadProgress dialog("Copying", work);
        bool bOpenAfterCancel = false, bReturnedBeforeRelease = true;
        ModalDriver driver(dialog, release,
                           {[&](QvTDlgThreadProgress& d) {
                                if (!work.m_started.IsSet())
                                    return false;
                                c.cancel(d);
                                return true;
                            },
                            [&](QvTDlgThreadProgress& d) { return d.m_bCancel.load(); },
                            [&](QvTDlgThreadProgress& d) {
                                // Some ticks later: the cancel was handled long ago.
                                bOpenAfterCancel = d.m_hWnd && d.IsWindowVisible();
                                bReturnedBeforeRelease = work.m_returned.IsSet();
                                release.Set();
                                return true;
                            }});
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_TRUE(bOpenAfterCancel) << "Cancel only asks the work to stop";
        EXPECT_FALSE(bReturnedBeforeRelease);
        EXPECT_TRUE(work.m_returned.IsSet()) << "the dialog ended after the work returned";
        EXPECT_TRUE(work.m_bSawCancel.load()) << "the work sees the flag";
        EXPECT_EQ(3u, ModalDriver::StepsRun());
    }
}

TEST(QvTDlgThreadProgress, EnterDoesNotCloseTheDialog)
{
    Event release;
    TestWork work(TestWork::UntilCancelledAndReleased(release));
    QvTDlgThreadProgress dialog("Copying", work);
    bool bOpenAfterEnter = false;
    ModalDriver driver(dialog, release,
                       {[&](QvTDlgThreadProgress& d) {
                            // What Enter sends when no push button holds the focus.
                            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                            return true;
                        },
                        [&](QvTDlgThreadProgress& d) {
                            bOpenAfterEnter = d.m_hWnd && d.IsWindowVisible();
                            release.Set();
                            return true;
                        }});
    EXPECT_EQ(IDOK, dialog.DoModal()) << "the end of the work closes it, with OK";
    EXPECT_TRUE(bOpenAfterEnter);
    EXPECT_FALSE(dialog.m_bCancel.load());
}

TEST(QvTDlgThreadProgress, DestroyedDialogWaitsForItsWorker)
{
    Event release;
    std::atomic<bool> bReportedAfterCancel{false};
    TestWork work([&](QvTDlgThreadProgress& dialog) {
        for (DWORD waited = 0; !dialog.m_bCancel && waited < kWaitLimit; waited += 5)
            ::Sleep(5);
        ::Sleep(100); // the dialog object must still be there for this report
        dialog.SetPercent(1.0);
        bReportedAfterCancel = true;
    });
    {
        QvTDlgThreadProgress dialog("Copying", work);
        ModalDriver driver(dialog, release, {[&](QvTDlgThreadProgress& d) {
                               if (!work.m_started.IsSet())
                                   return false;
                               d.DestroyWindow(); // not by the end of the work
                               return true;
                           }});
        dialog.DoModal();
        EXPECT_FALSE(work.m_returned.IsSet()) << "the work is still running";
    }
    EXPECT_TRUE(work.m_returned.IsSet()) << "the destructor waited for the work";
    EXPECT_TRUE(work.m_bSawCancel.load()) << "and asked it to stop";
    EXPECT_TRUE(bReportedAfterCancel.load());
}

TEST(QvTDlgThreadProgress, BarShowsTheFractionInNavyWithATwoColourLabel)
{
    struct Case
    {
        double fraction;
        bool barAtLeft, barAtRight; // navy at the ends of the inner rectangle
        bool whiteLabel, navyLabel;
    } cases[] = {
        {0.0, false, false, false, true},  {0.5, true, false, true, true},
        {1.0, true, true, true, false},    {1.7, true, true, true, false}, // shown as full
        {-0.3, false, false, false, true},
    };
    Event release;
    TestWork work(TestWork::UntilCancelledAndReleased(release));
    QvTDlgThreadProgress dialog("Copying", work);
    int nChecked = 0;
    ModalDriver driver(
        dialog, release, {[&](QvTDlgThreadProgress& d) {
            CRect item;
            d.GetDlgItem(IDC_QVT_PROGRESS)->GetClientRect(&item);
            const int w = item.Width(), h = item.Height();
            EXPECT_GT(w, 100);
            EXPECT_GT(h, 12);
            const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
            for (const Case& c : cases)
            {
                SCOPED_TRACE(testing::Message() << "fraction " << c.fraction);
                d.SetPercent(c.fraction);
                DibCanvas canvas(w, h);
                DRAWITEMSTRUCT dis = {};
                dis.CtlType = ODT_BUTTON;
                dis.CtlID = IDC_QVT_PROGRESS;
                dis.itemAction = ODA_DRAWENTIRE;
                dis.hwndItem = d.GetDlgItem(IDC_QVT_PROGRESS)->m_hWnd;
                dis.hDC = canvas.DC();
                dis.rcItem = item;
                d.SendMessage(WM_DRAWITEM, IDC_QVT_PROGRESS, reinterpret_cast<LPARAM>(&dis));

                const double shown = c.fraction < 0 ? 0 : c.fraction > 1 ? 1 : c.fraction;
                const int barEnd = 2 + static_cast<int>((w - 4) * shown);
                const int split = static_cast<int>(w * shown);
                // The frame of 2 pixels is button face; the bar starts inside it.
                EXPECT_EQ(w * 2, canvas.Count(CRect(0, 0, w, 2), face));
                EXPECT_EQ(h, canvas.Count(CRect(0, 0, 1, h), face));
                EXPECT_EQ(c.barAtLeft ? h - 4 : 0, canvas.Count(CRect(2, 2, 4, h - 2), kNavy) / 2)
                    << "the left end of the inner rectangle";
                EXPECT_EQ(c.barAtRight ? h - 4 : 0,
                          canvas.Count(CRect(w - 4, 2, w - 2, h - 2), kNavy) / 2)
                    << "the right end of the inner rectangle";
                EXPECT_EQ(0, canvas.Count(CRect(2, 2, barEnd, h - 2), face))
                    << "the bar has no gap";
                // The label: white only over the bar, navy only beyond it.
                const int whiteLeft = canvas.Count(CRect(0, 0, split, h), kWhite);
                const int whiteRight = canvas.Count(CRect(split, 0, w, h), kWhite);
                const int navyRight = canvas.Count(CRect(split, 0, w, h), kNavy);
                EXPECT_EQ(c.whiteLabel, whiteLeft > 0);
                EXPECT_EQ(0, whiteRight) << "no white beyond the split at " << split;
                EXPECT_EQ(c.navyLabel, navyRight > 0);
                ++nChecked;
            }
            release.Set();
            return true;
        }});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(5, nChecked);
}
