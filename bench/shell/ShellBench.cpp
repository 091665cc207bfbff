// Program window benchmark: the program's own application and main frame, started in this
// process as Shelvix.exe starts them, under Wine (Xvfb without a display) on the generated
// catalogue. LoadFile against the bare MSXML load of the path, selecting the largest
// collection, a row drag in it, opening Add Books, sorting it by each column, adding 1,000
// books. Every step that changes what is shown is timed until the window has painted it.
//   ShellBench [catalogue.xml]   measure that file (a copy of it is edited)
//   ShellBench                   generate 20,000 books, 500 collections, 50,000 items
//   ShellBench --generate OUT    only write that catalogue (what the line above runs first)
#include "../catalogue/CatalogueGenerator.h"
#include "../common/BenchClock.h"
#include "app/res/resource.h"
#include "app/shell/JApp.h"
#include "app/shell/JDlgBooksAdd.h"
#include "app/shell/JDlgMain.h"
#include "app/shell/JMainFrame.h"
#include "app/xml/JXmlDomClasses.h"

#include <msxml2.h>
#include <objbase.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace
{
const char kBenchProfile[] = "Software\\Shelvix\\ShelvixBench";

// The program's application under a name of its own, so that its settings (a first run every
// time, removed at the end) never touch the program's.
class BenchApp : public JApp
{
public:
    BenchApp()
    {
        m_pszAppName = _strdup("ShelvixBench");
        AfxSetAppName(m_pszAppName);
    }
};

int CALLBACK SilentMessageBox(HWND, LPCSTR text, LPCSTR, UINT)
{
    fprintf(stderr, "message: %s\n", text);
    return IDOK;
}

// Writes the generated catalogue in a second run of this program: building 6 MB of XML in the
// measuring process leaves its heap in a state that slows every later load there by up to
// half, from one run to the next.
bool GenerateInChildProcess(const CString& path)
{
    char program[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    CString command = CString("\"") + program + "\" --generate \"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, command.GetBuffer(0), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process))
        return false;
    DWORD code = 1;
    const bool bEnded = ::WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                        ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return bEnded && code == 0;
}

double Now()
{
    return BenchSeconds() * 1000.0;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The bare load of the path, as the program's load was before it read the bytes itself.
double BareLoadByPath(const CString& path)
{
    const IID iidDocument = {
        0x2933BF81, 0x7B36, 0x11d2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    IXMLDOMDocument* doc = nullptr;
    if (FAILED(::CoCreateInstance(kJXmlDomLadder[0].clsid, nullptr, CLSCTX_INPROC_SERVER,
                                  iidDocument, reinterpret_cast<void**>(&doc))))
        return -1;
    doc->put_async(VARIANT_FALSE);
    const int n = ::MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    VARIANT source;
    source.vt = VT_BSTR;
    source.bstrVal = ::SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
    ::MultiByteToWideChar(CP_ACP, 0, path, -1, source.bstrVal, n);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const double start = Now();
    doc->load(source, &loaded);
    const double ms = Now() - start;
    ::SysFreeString(source.bstrVal);
    doc->Release();
    return loaded == VARIANT_TRUE ? ms : -1;
}

// The title of the first collection in the file: the generator makes it the largest.
CString FirstCollection(JDlgMain& form)
{
    JXmlNode records(JXmlNode(form.m_pDoc->GetRoot()).FindChild("records", false));
    JXmlNodeList entries(records.GetChildren());
    for (int i = 0; i < entries.GetCount(); ++i)
    {
        JXmlNode entry(entries.GetItem(i));
        if (entry.GetName() == "xs1:playlist")
            return entry.GetAttribute("title", "blank");
    }
    return CString();
}

// Runs the steps inside the Add Books dialog's modal loop, one per tick once it is shown.
struct DialogSteps
{
    static inline std::vector<std::function<void(JDlgBooksAdd&)>> steps;
    static inline size_t next = 0;
    static inline double opened = 0;
    static inline bool busy = false; // a step pumps messages: no step inside another

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (busy)
            return;
        HWND hWnd = ::FindWindowA("#32770", "Add Books To Collection");
        if (!hWnd || !::IsWindowVisible(hWnd) || next >= steps.size())
            return;
        auto* pDialog = static_cast<JDlgBooksAdd*>(CWnd::FromHandlePermanent(hWnd));
        if (next == 0)
        {
            pDialog->UpdateWindow();
            opened = Now();
        }
        busy = true;
        steps[next++](*pDialog);
        busy = false;
    }
};

void ClickHeader(JDlgBooksAdd& dialog, int nColumn)
{
    HWND hHeader = reinterpret_cast<HWND>(dialog.m_lvList.SendMessage(LVM_GETHEADER));
    RECT rect = {};
    ::SendMessageA(hHeader, HDM_GETITEMRECT, nColumn, reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, at);
    Pump(); // the mark of the click's end
}

void Report(const char* step, double ms, const char* note)
{
    printf("| %-44s | %9.1f | %s\n", step, ms, note);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "--generate") == 0)
        return WriteGeneratedCatalogue(argv[2], CatalogueShape()) ? 0 : 1;

    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    AfxSetMessageBoxHandler(&SilentMessageBox);
    BenchApp app;
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kBenchProfile);

    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const CString path = CString(temp) + "shell-bench-catalogue.xml";
    if (argc > 1)
    {
        if (!::CopyFileA(argv[1], path, FALSE))
        {
            fprintf(stderr, "cannot copy %s\n", argv[1]);
            return 1;
        }
    }
    else if (!GenerateInChildProcess(path))
    {
        fprintf(stderr, "cannot write %s\n", (LPCSTR)path);
        return 1;
    }

    if (!app.InitInstance() || !app.m_pFrame || !app.m_pMainDlg)
    {
        fprintf(stderr, "cannot start the program's window\n");
        return 1;
    }
    JMainFrame& frame = *app.m_pFrame;
    JDlgMain& form = *app.m_pMainDlg;
    Pump();

    // Alternating rounds, so that both loads see the same load from the rest of the machine.
    double bestBare = 1e300, bestLoad = 1e300;
    for (int round = 0; round < 3; ++round)
    {
        bestBare = std::min(bestBare, BareLoadByPath(path));
        const double start = Now();
        form.LoadFile(path);
        form.UpdateWindow();
        bestLoad = std::min(bestLoad, Now() - start);
        Pump();
    }
    if (!form.m_pDoc)
    {
        fprintf(stderr, "the catalogue did not load\n");
        return 1;
    }

    const CString largest = FirstCollection(form);
    double start = Now();
    form.m_lbCollections.SetCurSel(form.m_lbCollections.FindStringExact(-1, largest));
    form.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COLLECTIONS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(form.m_lbCollections.GetSafeHwnd()));
    form.m_lvBooks.UpdateWindow();
    const double select = Now() - start;
    const int rows = form.m_lvBooks.GetItemCount();

    // A drag of row 0 onto row 2 as the list view and the mouse report it.
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    form.m_lvBooks.SendMessage(LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
    CPoint target(rect.left + 40, (rect.top + rect.bottom) / 2);
    form.m_lvBooks.ClientToScreen(&target);
    form.ScreenToClient(&target);
    NMLISTVIEW begin = {};
    begin.hdr.hwndFrom = form.m_lvBooks.GetSafeHwnd();
    begin.hdr.idFrom = IDC_BOOKS;
    begin.hdr.code = LVN_BEGINDRAG;
    begin.iItem = 0;
    begin.ptAction = POINT{40, 30};
    start = Now();
    form.SendMessage(WM_NOTIFY, IDC_BOOKS, reinterpret_cast<LPARAM>(&begin));
    form.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(target.x, target.y));
    form.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
    form.m_lvBooks.UpdateWindow();
    const double drag = Now() - start;
    const bool moved = form.IsModified();

    double sorts[6] = {};
    // The filter typed a keystroke at a time, then cleared.
    const char* const typed[] = {"n",
                                 "no",
                                 "not",
                                 "note",
                                 "notes",
                                 "\xce\x98",
                                 "\xce\x98\xce\x86",
                                 "\xce\x98\xce\x86\xce\x9b",
                                 ""};
    const int kTyped = sizeof typed / sizeof typed[0];
    double keystrokes[kTyped] = {};
    int shown[kTyped] = {};
    double add = 0;
    double undoAdd = 0;
    int offered = 0;
    int added = 0;
    DialogSteps::steps = {
        [&](JDlgBooksAdd& dialog) {
            offered = dialog.m_lvList.GetItemCount();
            const int columns[] = {0, 0, 1, 1, 2, 2};
            for (int i = 0; i < 6; ++i)
            {
                const double sortStart = Now();
                ClickHeader(dialog, columns[i]);
                dialog.m_lvList.UpdateWindow();
                sorts[i] = Now() - sortStart;
            }
            for (int i = 0; i < kTyped; ++i)
            {
                const double keyStart = Now();
                dialog.SetDlgItemText(IDC_BOOKS_FILTER, typed[i]); // the edit reports the change
                dialog.m_lvList.UpdateWindow();
                keystrokes[i] = Now() - keyStart;
                shown[i] = dialog.m_lvList.GetItemCount();
            }
        },
        [&](JDlgBooksAdd& dialog) {
            for (int row = 0; row < 1000 && row < dialog.m_lvList.GetItemCount(); ++row)
                dialog.m_lvList.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            const int before = form.m_lvBooks.GetItemCount();
            const double addStart = Now();
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDOK)->GetSafeHwnd()));
            dialog.m_lvList.UpdateWindow();
            form.m_lvBooks.UpdateWindow();
            add = Now() - addStart;
            added = form.m_lvBooks.GetItemCount() - before;
        },
        [&](JDlgBooksAdd&) {
            const double undoStart = Now();
            form.OnEditUndo();
            form.m_lvBooks.UpdateWindow();
            undoAdd = Now() - undoStart;
        },
        [](JDlgBooksAdd& dialog) { dialog.EndDialog(IDCANCEL); },
    };
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, &DialogSteps::Tick);
    start = Now();
    frame.SendMessage(WM_COMMAND, ID_BOOKS_ADD); // as the menu item and the toolbar button do
    ::KillTimer(nullptr, timer);
    const double open = DialogSteps::opened - start;

    printf("Program window benchmark, %s\n", argc > 1 ? argv[1] : "generated catalogue");
    printf("| %-44s | %9s | %s\n", "step", "ms", "note");
    char note[128];
    Report("MSXML load by path (bare, best of 3)", bestBare, "");
    snprintf(note, sizeof note, "%.2f x bare load by path (target <= 0.5)", bestLoad / bestBare);
    Report("LoadFile, painted (best of 3)", bestLoad, note);
    snprintf(note, sizeof note, "%d rows (target <= 300 ms)", rows);
    Report("select the largest collection", select, note);
    Report("row drag in it: begin, move, drop", drag,
           moved ? "row 0 onto row 2 (target <= 300 ms)" : "NO MOVE");
    snprintf(note, sizeof note, "%d books offered (target <= 300 ms)", offered);
    Report("open Add Books", open, note);
    const char* names[] = {"sort by Title, descending", "sort by Title, ascending",
                           "sort by Author, ascending", "sort by Author, descending",
                           "sort by Date, ascending",   "sort by Date, descending"};
    for (int i = 0; i < 6; ++i)
        Report(names[i], sorts[i], "(target <= 300 ms)");
    for (int i = 0; i < kTyped; ++i)
    {
        char step[64];
        snprintf(step, sizeof step, "filter keystroke, \"%s\"", typed[i]);
        snprintf(note, sizeof note, "%d books shown (target <= 50 ms)", shown[i]);
        Report(step, keystrokes[i], note);
    }
    snprintf(note, sizeof note, "%d rows added (target <= 300 ms)", added);
    Report("add 1,000 books", add, note);
    Report("undo that add", undoAdd, "");

    frame.DestroyWindow();
    app.ExitInstance();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kBenchProfile);
    ::DeleteFileA(path);
    return 0;
}
