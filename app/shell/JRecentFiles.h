// Classes: JRecentFiles
// The last ten catalogue files opened or saved, most recent first, as the application keeps
// them in the profile section "MRU" and shows them in the File menu.
#pragma once

#include <afxwin.h>

#include <vector>

class JRecentFiles
{
public:
    static constexpr int kMaxFiles = 10;
    static constexpr UINT kFirstCommand = 32781; // the item of element k is kFirstCommand + k

    int GetCount() const { return static_cast<int>(m_paths.size()); }
    const CString& GetAt(int nIndex) const { return m_paths.at(static_cast<size_t>(nIndex)); }

    // Entry.0 onwards of section "MRU", up to the first empty one.
    void Load(CWinApp& app);
    // All ten values: the list, then empty strings. FALSE when a value could not be written.
    BOOL Save(CWinApp& app) const;
    // Makes path the first element; the same path in other letter case gives its place up.
    void Add(const CString& path);
    // Rewrites the recent-file items of the File menu: one item per element, the bare path,
    // or one item "Recent file" when the list is empty.
    void UpdateMenu(CMenu& fileMenu) const;

private:
    std::vector<CString> m_paths;
};
