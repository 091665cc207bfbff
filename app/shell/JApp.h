// Classes: JApp
// The application: start-up and shut-down, the recent-file list, and the commands of the
// menus and the toolbar, which it hands to the main form with their enable rules.
#pragma once

#include "app/shell/JMainFormHost.h"
#include "app/shell/JRecentFiles.h"

#include <QvFTools.h>

class JMainFrame;

class JApp : public QvFWinAppEx, public JMainFormHost
{
public:
    JApp();

    // The application object when it is a JApp; null otherwise
    static JApp* Get();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Recent-file list
    void LoadRecentFiles();
    // FALSE when a value could not be written to the profile
    BOOL SaveRecentFiles();
    void AddRecentFile(const CString& path) override;
    void UpdateRecentMenu();

    // Set by the frame when a setting could not be written at its destruction
    void SettingsNotSaved() { m_bSettingsLost = true; }

    JMainFrame* m_pFrame = nullptr; // not owned; set by the frame's constructor
    JRecentFiles m_recentFiles;

protected:
    // The main form when its window exists: every command needs the form's lists.
    JDlgMain* Form() const;

    afx_msg void OnFileOpen();
    afx_msg void OnUpdateFileOpen(CCmdUI* pCmdUI);
    afx_msg void OnFileSave();
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);
    afx_msg void OnCollectionAdd();
    afx_msg void OnUpdateCollectionAdd(CCmdUI* pCmdUI);
    afx_msg void OnCollectionDelete();
    afx_msg void OnUpdateCollectionDelete(CCmdUI* pCmdUI);
    afx_msg void OnBooksAdd();
    afx_msg void OnUpdateBooksAdd(CCmdUI* pCmdUI);
    afx_msg void OnBookDelete();
    afx_msg void OnUpdateBookDelete(CCmdUI* pCmdUI);
    afx_msg void OnAppAbout();
    afx_msg void OnOpenRecent(UINT nID);
    afx_msg void OnUpdateOpenRecent(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    bool m_bComInitialized = false;
    bool m_bRecentFilesLoaded = false;
    bool m_bSettingsLost = false;
};
