// Shared by the shell tests: an application that hosts the main form, a main form in a
// visible window, command-update probes, modal dialogs worked by timers, and real mouse input.
#pragma once

#include "AppTestSupport.h"
#include "app/catalogue/JCatalogueBackup.h"
#include "app/shell/JDlgMain.h"
#include "app/shell/JMainFormHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The application object of a test: it hosts the main form and records the recent files.
class ShellTestApp : public CWinApp, public JMainFormHost
{
public:
    ShellTestApp() : CWinApp("Shelvix") {}
    void AddRecentFile(const CString& path) override { recentFiles.push_back(path); }
    std::vector<CString> recentFiles;
};

// Takes the state an update handler gives, without any menu or bar.
class EnableProbe : public CCmdUI
{
public:
    void Enable(BOOL bOn = TRUE) override { enabled = bOn != FALSE; }
    bool enabled = false;
};

// Works a modal window that the code under test opens: a thread timer fires inside its modal
// loop, finds the visible top-level window of this thread with the caption, and runs one step
// per tick; a watchdog closes the window if the steps never do. The steps must end the loop.
class ModalDriver
{
public:
    using Step = std::function<void(HWND hWnd)>;

    ModalDriver(const char* caption, std::vector<Step> steps);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    size_t StepsRun() const { return s_nNext; }
    bool TimedOut() const { return s_bTimedOut; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD);

    UINT_PTR m_nTimer;
    UINT_PTR m_nWatchdog;
    static inline std::string s_caption;
    static inline std::vector<Step> s_steps;
    static inline size_t s_nNext = 0;
    static inline bool s_bTimedOut = false;
};

// The visible top-level window of this thread with that caption; null if none.
HWND FindThreadWindow(const char* caption);
// Clicks a button of a dialog as the dialog manager would.
void ClickButton(HWND hDialog, int nID);

// Dispatches what is in the thread's queue, through the framework's message walk.
void PumpMessages();
// Pumps for a while, so that posted and hardware messages are all handled.
void PumpFor(DWORD dwMilliseconds);

// Presses the left button at from, moves to to in steps and releases it there, as real mouse
// input (SendInput) from a second thread while this thread handles the messages.
void MouseDrag(POINT from, POINT to);

// A visible top-level window holding a main form that fills it, as the view does.
class MainFormTest : public ::testing::Test
{
public: // the cases' tables reach the helpers through lambdas
    void SetUp() override;
    void TearDown() override;

    // Writes the text as catalogue.xml and loads it.
    CString Load(const std::string& xml);
    // Selects a collection as a click would: the list box's selection, then its notification.
    void Select(const char* name);
    void SelectRow(int nRow);
    std::vector<CString> CollectionNames() const;
    std::vector<CString> Titles() const;
    // The centre of a Books row, in screen coordinates.
    POINT RowCentre(int nRow) const;

    ShellTestApp app;
    MessageRecorder messages;
    ScratchFolder folder;
    CWnd host;
    JDlgMain form;
    CString path;
    CString previousBackups;
};

// Four books A, B, C, D (ids 1 to 4) and E, F (5, 6); collection "Shelf" holds A, B, C, D,
// collection "Empty" nothing.
extern const char kFourBooks[];
