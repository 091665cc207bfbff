// Working another process's windows from outside, as a person's tools would: finding them,
// reading list boxes and list views, clicking buttons, answering message boxes, and dragging
// with the real mouse (xdotool).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// A buffer in the other process, for the list view requests whose data must live there.
class RemoteBuffer
{
public:
    RemoteBuffer(HANDLE hProcess, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void* Address() const { return m_pRemote; }
    bool Write(const void* pData, size_t size, size_t offset = 0);
    bool Read(void* pData, size_t size, size_t offset = 0) const;

private:
    HANDLE m_hProcess;
    void* m_pRemote;
};

// Waits until pred returns a window, pumping nothing (the windows are another process's);
// null after dwTimeout milliseconds.
template <class Pred> HWND WaitForWindow(Pred pred, DWORD dwTimeout = 15000)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        if (HWND hWnd = pred())
            return hWnd;
        if (::GetTickCount() - start > dwTimeout)
            return nullptr;
        ::Sleep(50);
    }
}

// The visible top-level window of the process with that caption (and class, if given).
HWND FindProcessWindow(DWORD dwProcessId, const wchar_t* caption,
                       const wchar_t* className = nullptr);
// The descendant with that control id.
HWND FindDescendant(HWND hParent, int nID);
// Texts of the static controls of a dialog (a message box's text among them).
std::vector<std::wstring> StaticTexts(HWND hDialog);

std::vector<std::wstring> ListBoxTexts(HWND hListBox);
int ListViewCount(HWND hListView);
std::wstring ListViewText(HANDLE hProcess, HWND hListView, int nItem, int nSubItem);
std::vector<std::wstring> ListViewColumn(HANDLE hProcess, HWND hListView, int nSubItem);
void ListViewSelect(HANDLE hProcess, HWND hListView, int nItem, bool bSelected);
// Screen coordinates of a point inside a row's Title cell.
POINT ListViewRowPoint(HANDLE hProcess, HWND hListView, int nItem);

// A button click as the dialog manager reports it to the dialog.
void ClickButton(HWND hDialog, int nID);
// Runs xdotool with the arguments; false when it could not run or failed.
bool XDoTool(const std::string& arguments);
// Presses the left button at from, moves to to and releases it, with the real mouse.
bool MouseDrag(POINT from, POINT to);

std::wstring Wide(const char* utf8);
std::string Utf8(const std::wstring& text);
