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

// Sets HKEY_CURRENT_USER\Software\<company> aside for the life of the object, so that a test
// starts with an empty profile and the settings of the build's own prefix come back after it.
class ProfileAside
{
public:
    explicit ProfileAside(const char* company);
    ~ProfileAside();
    ProfileAside(const ProfileAside&) = delete;
    ProfileAside& operator=(const ProfileAside&) = delete;

private:
    CString m_key;
    CString m_aside;
};

// Records every message box and answers each with a fixed button.
class MessageRecorder
{
public:
    struct Message
    {
        CString text;
        CString caption;
        UINT type;
        HWND owner;
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
