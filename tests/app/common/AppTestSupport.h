// Shared by the Shelvix test suites: COM for the thread, scratch files, recorded message boxes.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

// A folder of its own under the temporary folder, removed with everything in it.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    CString Path(const char* name) const;
    // Writes the bytes as they are (UTF-8 text stays UTF-8) and returns the full path.
    CString Write(const char* name, const std::string& bytes) const;
    const CString& Folder() const { return m_folder; }

private:
    CString m_folder;
};

std::string ReadBytes(const CString& path);
// The names of the files (not folders) in a folder, sorted.
std::vector<CString> FileNames(const CString& folder);
// The Windows path of a Unix path: Wine's Z: drive maps the Unix root.
CString WinePathOf(const char* unixPath);

// Records every message box and answers each with a fixed button.
class MessageRecorder
{
public:
    struct Message
    {
        CString text;
        CString caption;
        UINT type;
    };

    explicit MessageRecorder(int answer = IDOK);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<Message>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }
    // The button that the next messages are answered with.
    void SetAnswer(int answer) { m_answer = answer; }

private:
    static int CALLBACK Handler(HWND, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
    static MessageRecorder* s_pActive;

    std::vector<Message> m_messages;
    int m_answer;
    AFX_MESSAGEBOX_HANDLER m_pfnPrevious;
};
