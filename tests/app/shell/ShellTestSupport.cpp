#include "ShellTestSupport.h"

#include "app/res/resource.h"

#include <atomic>
#include <cstring>
#include <thread>

const char kFourBooks[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<cache xmlns="urn:x-test:cache" xmlns:xs1="urn:x-test:cache">
  <xs1:records>
    <xs1:text id="1" title="A" author="Author A" date="2001"/>
    <xs1:text id="2" title="B" author="Author B" date="2002"/>
    <xs1:text id="3" title="C" author="Author C" date="2003"/>
    <xs1:text id="4" title="D" author="Author D" date="2004"/>
    <xs1:text id="5" title="E" author="Author E" date="2005"/>
    <xs1:text id="6" title="F" author="Author F" date="2006"/>
    <xs1:playlist title="Shelf" id="10" sourceid="1">
      <xs1:item id="1"/>
      <xs1:item id="2"/>
      <xs1:item id="3"/>
      <xs1:item id="4"/>
    </xs1:playlist>
    <xs1:playlist title="Empty" id="11" sourceid="1"/>
  </xs1:records>
</cache>
)";

ModalDriver::ModalDriver(const char* caption, std::vector<Step> steps)
{
    s_caption = caption;
    s_steps = std::move(steps);
    s_nNext = 0;
    s_bTimedOut = false;
    m_nTimer = ::SetTimer(nullptr, 0, 30, &Tick);
    m_nWatchdog = ::SetTimer(nullptr, 0, 15000, &Watchdog);
}

ModalDriver::~ModalDriver()
{
    ::KillTimer(nullptr, m_nTimer);
    ::KillTimer(nullptr, m_nWatchdog);
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hWnd = FindThreadWindow(s_caption.c_str());
    if (hWnd && s_nNext < s_steps.size())
        s_steps[s_nNext++](hWnd);
}

void CALLBACK ModalDriver::Watchdog(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND hWnd = FindThreadWindow(s_caption.c_str()))
    {
        s_bTimedOut = true;
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
}

namespace
{
struct FindData
{
    const char* caption;
    HWND hFound;
};

BOOL CALLBACK FindCaption(HWND hWnd, LPARAM lParam)
{
    FindData& data = *reinterpret_cast<FindData*>(lParam);
    char text[256] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    if (::IsWindowVisible(hWnd) && strcmp(text, data.caption) == 0)
    {
        data.hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND FindThreadWindow(const char* caption)
{
    FindData data = {caption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindCaption, reinterpret_cast<LPARAM>(&data));
    return data.hFound;
}

void ClickButton(HWND hDialog, int nID)
{
    ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
            continue;
        }
        AfxPumpMessage();
    }
}

void PumpFor(DWORD dwMilliseconds)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < dwMilliseconds)
    {
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    PumpMessages();
}

namespace
{
void SendMouse(DWORD dwFlags, POINT pt)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((pt.x * 65535LL + cx / 2) / (cx - 1));
    input.mi.dy = static_cast<LONG>((pt.y * 65535LL + cy / 2) / (cy - 1));
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
}
} // namespace

void MouseDrag(POINT from, POINT to)
{
    std::atomic<bool> done(false);
    std::thread mouse([&] {
        SendMouse(0, from);
        ::Sleep(80);
        SendMouse(MOUSEEVENTF_LEFTDOWN, from);
        ::Sleep(80);
        const int steps = 8;
        for (int i = 1; i <= steps; ++i)
        {
            POINT pt = {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
            SendMouse(0, pt);
            ::Sleep(40);
        }
        ::Sleep(80);
        SendMouse(MOUSEEVENTF_LEFTUP, to);
        ::Sleep(80);
        done = true;
    });
    while (!done)
    {
        PumpMessages();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    mouse.join();
    PumpFor(150);
}

void MainFormTest::SetUp()
{
    // Backups of the saved catalogues go to the scratch folder, not to the user's.
    previousBackups = JSetBackupFolder(folder.Path("backups"));
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Shelvix test",
                              WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 700, 500, nullptr,
                              nullptr));
    ASSERT_TRUE(form.Create(IDD_SHELVIX_FORM, &host));
    CRect client;
    host.GetClientRect(&client);
    form.MoveWindow(&client);
    form.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(host.GetSafeHwnd());
    PumpMessages();
}

void MainFormTest::TearDown()
{
    if (form.GetSafeHwnd())
        form.DestroyWindow();
    if (host.GetSafeHwnd())
        host.DestroyWindow();
    PumpMessages();
    JSetBackupFolder(previousBackups);
}

CString MainFormTest::Load(const std::string& xml)
{
    path = folder.Write("catalogue.xml", xml);
    form.LoadFile(path);
    return path;
}

void MainFormTest::Select(const char* name)
{
    const int index = form.m_lbCollections.FindStringExact(-1, name);
    ASSERT_GE(index, 0) << "no collection " << name;
    form.m_lbCollections.SetCurSel(index);
    form.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COLLECTIONS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(form.m_lbCollections.GetSafeHwnd()));
}

void MainFormTest::SelectRow(int nRow)
{
    form.m_lvBooks.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<CString> MainFormTest::CollectionNames() const
{
    std::vector<CString> names;
    for (int i = 0; i < form.m_lbCollections.GetCount(); ++i)
    {
        CString text;
        form.m_lbCollections.GetText(i, text);
        names.push_back(text);
    }
    return names;
}

std::vector<CString> MainFormTest::Titles() const
{
    std::vector<CString> titles;
    for (int i = 0; i < form.m_lvBooks.GetItemCount(); ++i)
        titles.push_back(form.m_lvBooks.GetItemText(i, 0));
    return titles;
}

POINT MainFormTest::RowCentre(int nRow) const
{
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    form.m_lvBooks.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nRow),
                               reinterpret_cast<LPARAM>(&rect));
    // In the Title column, where the row's text is.
    POINT pt = {rect.left + 40, (rect.top + rect.bottom) / 2};
    form.m_lvBooks.ClientToScreen(&pt);
    return pt;
}
