#include "app/shell/JRecentFiles.h"

#include "toolkit/text/QvText.h"

#include <mbstring.h>

namespace
{
const char kSection[] = "MRU";

CString EntryName(int nIndex)
{
    return FQvTStrFormat("Entry.%d", nIndex);
}

// A menu takes '&' as the mark of a mnemonic; doubled, the path shows as it is.
CString MenuText(const CString& path)
{
    CString text(path);
    text.Replace("&", "&&");
    return text;
}
} // namespace

void JRecentFiles::Load(CWinApp& app)
{
    m_paths.clear();
    for (int i = 0; i < kMaxFiles; ++i)
    {
        const CString path = app.GetProfileString(kSection, EntryName(i), "");
        if (path.IsEmpty())
            break;
        m_paths.push_back(path);
    }
}

BOOL JRecentFiles::Save(CWinApp& app) const
{
    BOOL bSaved = TRUE;
    for (int i = 0; i < kMaxFiles; ++i)
    {
        const char* value = i < GetCount() ? (LPCSTR)m_paths[static_cast<size_t>(i)] : "";
        if (!app.WriteProfileString(kSection, EntryName(i), value))
            bSaved = FALSE;
    }
    return bSaved;
}

void JRecentFiles::Add(const CString& path)
{
    for (auto it = m_paths.begin(); it != m_paths.end(); ++it)
    {
        if (_mbsicmp(reinterpret_cast<const unsigned char*>((LPCSTR)*it),
                     reinterpret_cast<const unsigned char*>((LPCSTR)path)) == 0)
        {
            m_paths.erase(it);
            break;
        }
    }
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<size_t>(kMaxFiles))
        m_paths.resize(static_cast<size_t>(kMaxFiles));
}

void JRecentFiles::UpdateMenu(CMenu& fileMenu) const
{
    for (UINT id = kFirstCommand + 1; id < kFirstCommand + kMaxFiles; ++id)
        fileMenu.DeleteMenu(id, MF_BYCOMMAND);

    if (m_paths.empty())
    {
        fileMenu.ModifyMenu(kFirstCommand, MF_BYCOMMAND | MF_STRING, kFirstCommand, "Recent file");
        return;
    }
    int position = -1;
    const int count = static_cast<int>(fileMenu.GetMenuItemCount());
    for (int i = 1; i < count; ++i)
    {
        if (fileMenu.GetMenuItemID(i) == kFirstCommand)
        {
            position = i;
            break;
        }
    }
    if (position < 0)
        return; // the menu has lost its recent-file item: nothing to anchor the list to
    fileMenu.ModifyMenu(kFirstCommand, MF_BYCOMMAND | MF_STRING, kFirstCommand,
                        MenuText(m_paths[0]));
    for (int j = 1; j < GetCount(); ++j)
        fileMenu.InsertMenu(static_cast<UINT>(position + j), MF_BYPOSITION | MF_STRING,
                            kFirstCommand + static_cast<UINT>(j),
                            MenuText(m_paths[static_cast<size_t>(j)]));
}
