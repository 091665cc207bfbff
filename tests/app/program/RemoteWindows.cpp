#include "RemoteWindows.h"

#include <cstdio>

RemoteBuffer::RemoteBuffer(HANDLE hProcess, size_t size)
    : m_hProcess(hProcess),
      m_pRemote(::VirtualAllocEx(hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
{
}

RemoteBuffer::~RemoteBuffer()
{
    if (m_pRemote)
        ::VirtualFreeEx(m_hProcess, m_pRemote, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(const void* pData, size_t size, size_t offset)
{
    SIZE_T written = 0;
    return m_pRemote &&
           ::WriteProcessMemory(m_hProcess, static_cast<char*>(m_pRemote) + offset, pData, size,
                                &written) &&
           written == size;
}

bool RemoteBuffer::Read(void* pData, size_t size, size_t offset) const
{
    SIZE_T read = 0;
    return m_pRemote &&
           ::ReadProcessMemory(m_hProcess, static_cast<const char*>(m_pRemote) + offset, pData,
                               size, &read) &&
           read == size;
}

namespace
{
struct FindTop
{
    DWORD dwProcessId;
    const wchar_t* caption;
    const wchar_t* className;
    HWND hFound;
};

BOOL CALLBACK FindTopProc(HWND hWnd, LPARAM lParam)
{
    FindTop& find = *reinterpret_cast<FindTop*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != find.dwProcessId || !::IsWindowVisible(hWnd))
        return TRUE;
    wchar_t text[256] = L"";
    ::GetWindowTextW(hWnd, text, 256);
    if (wcscmp(text, find.caption) != 0)
        return TRUE;
    if (find.className)
    {
        wchar_t name[64] = L"";
        ::GetClassNameW(hWnd, name, 64);
        if (wcscmp(name, find.className) != 0)
            return TRUE;
    }
    find.hFound = hWnd;
    return FALSE;
}

struct FindChild
{
    int nID;
    HWND hFound;
};

BOOL CALLBACK FindChildProc(HWND hWnd, LPARAM lParam)
{
    FindChild& find = *reinterpret_cast<FindChild*>(lParam);
    if (::GetDlgCtrlID(hWnd) == find.nID)
    {
        find.hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK StaticTextProc(HWND hWnd, LPARAM lParam)
{
    wchar_t name[32] = L"";
    ::GetClassNameW(hWnd, name, 32);
    if (_wcsicmp(name, L"Static") == 0)
    {
        wchar_t text[1024] = L"";
        ::SendMessageW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        if (*text)
            reinterpret_cast<std::vector<std::wstring>*>(lParam)->push_back(text);
    }
    return TRUE;
}
} // namespace

HWND FindProcessWindow(DWORD dwProcessId, const wchar_t* caption, const wchar_t* className)
{
    FindTop find = {dwProcessId, caption, className, nullptr};
    ::EnumWindows(&FindTopProc, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}

HWND FindDescendant(HWND hParent, int nID)
{
    FindChild find = {nID, nullptr};
    ::EnumChildWindows(hParent, &FindChildProc, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}

std::vector<std::wstring> StaticTexts(HWND hDialog)
{
    std::vector<std::wstring> texts;
    ::EnumChildWindows(hDialog, &StaticTextProc, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::vector<std::wstring> ListBoxTexts(HWND hListBox)
{
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(::SendMessageW(hListBox, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        const int length = static_cast<int>(::SendMessageW(hListBox, LB_GETTEXTLEN, i, 0));
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        ::SendMessageW(hListBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(wcslen(text.c_str()));
        texts.push_back(text);
    }
    return texts;
}

int ListViewCount(HWND hListView)
{
    return static_cast<int>(::SendMessageW(hListView, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListViewText(HANDLE hProcess, HWND hListView, int nItem, int nSubItem)
{
    const size_t kChars = 1024;
    RemoteBuffer buffer(hProcess, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item = {};
    item.iSubItem = nSubItem;
    item.cchTextMax = static_cast<int>(kChars);
    item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(buffer.Address()) + sizeof item);
    if (!buffer.Write(&item, sizeof item))
        return L"(unreadable)";
    ::SendMessageW(hListView, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem),
                   reinterpret_cast<LPARAM>(buffer.Address()));
    std::wstring text(kChars, L'\0');
    if (!buffer.Read(&text[0], kChars * sizeof(wchar_t), sizeof item))
        return L"(unreadable)";
    text.resize(wcsnlen(text.c_str(), kChars));
    return text;
}

std::vector<std::wstring> ListViewColumn(HANDLE hProcess, HWND hListView, int nSubItem)
{
    std::vector<std::wstring> texts;
    const int count = ListViewCount(hListView);
    for (int i = 0; i < count; ++i)
        texts.push_back(ListViewText(hProcess, hListView, i, nSubItem));
    return texts;
}

void ListViewSelect(HANDLE hProcess, HWND hListView, int nItem, bool bSelected)
{
    RemoteBuffer buffer(hProcess, sizeof(LVITEMW));
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = bSelected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    buffer.Write(&item, sizeof item);
    ::SendMessageW(hListView, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem),
                   reinterpret_cast<LPARAM>(buffer.Address()));
}

POINT ListViewRowPoint(HANDLE hProcess, HWND hListView, int nItem)
{
    RemoteBuffer buffer(hProcess, sizeof(RECT));
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    buffer.Write(&rect, sizeof rect);
    ::SendMessageW(hListView, LVM_GETITEMRECT, static_cast<WPARAM>(nItem),
                   reinterpret_cast<LPARAM>(buffer.Address()));
    buffer.Read(&rect, sizeof rect);
    POINT pt = {rect.left + 40, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(hListView, &pt);
    return pt;
}

void ClickButton(HWND hDialog, int nID)
{
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

bool XDoTool(const std::string& arguments)
{
    // Wine starts a Unix program given by its path on the drive that maps the Unix root, but
    // gives no handle to wait on: the shell writes xdotool's exit code to a file, awaited here.
    char name[64];
    snprintf(name, sizeof name, "shelvix-xdotool-%lu-%lu", ::GetCurrentProcessId(),
             ::GetTickCount());
    const std::string done = std::string("Z:\\tmp\\") + name;
    ::DeleteFileA(done.c_str());
    std::string command =
        "Z:\\bin\\sh -c \"/usr/bin/xdotool " + arguments + "; echo $? >/tmp/" + name + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return false;
    if (process.hThread)
        ::CloseHandle(process.hThread);
    if (process.hProcess)
        ::CloseHandle(process.hProcess);
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 15000; ::Sleep(50))
    {
        FILE* pFile = fopen(done.c_str(), "r");
        int code = -1;
        const bool bWritten = pFile && fscanf(pFile, "%d", &code) == 1;
        if (pFile)
            fclose(pFile);
        if (bWritten)
        {
            ::DeleteFileA(done.c_str());
            return code == 0;
        }
    }
    return false;
}

bool MouseDrag(POINT from, POINT to)
{
    char arguments[512];
    snprintf(arguments, sizeof arguments,
             "mousemove --sync %ld %ld sleep 0.2 mousedown 1 sleep 0.2 "
             "mousemove %ld %ld sleep 0.1 mousemove %ld %ld sleep 0.1 mousemove %ld %ld sleep 0.1 "
             "mousemove %ld %ld sleep 0.3 mouseup 1 sleep 0.2",
             from.x, from.y, from.x + 3, from.y + (to.y - from.y) / 4, from.x + 6,
             from.y + (to.y - from.y) / 2, to.x, to.y - 1, to.x, to.y);
    return XDoTool(arguments);
}

std::wstring Wide(const char* utf8)
{
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &text[0], n);
    text.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
    return text;
}

std::string Utf8(const std::wstring& text)
{
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &bytes[0], n, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
    return bytes;
}
