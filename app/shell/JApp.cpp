#include "app/shell/JApp.h"

#include "app/res/resource.h"
#include "app/shell/JDlgAbout.h"
#include "app/shell/JDlgMain.h"
#include "app/shell/JMainFrame.h"

#include <objbase.h>

namespace
{
const DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
} // namespace

BEGIN_MESSAGE_MAP(JApp, QvFWinAppEx)
// afx_msg void OnFileOpen()
ON_COMMAND(ID_FILE_OPEN, &JApp::OnFileOpen)
// afx_msg void OnUpdateFileOpen(CCmdUI* pCmdUI)
ON_UPDATE_COMMAND_UI(ID_FILE_OPEN, &JApp::OnUpdateFileOpen)
// afx_msg void OnFileSave()
ON_COMMAND(ID_FILE_SAVE, &JApp::OnFileSave)
// afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &JApp::OnUpdateFileSave)
// afx_msg void OnCollectionAdd()
ON_COMMAND(ID_COLLECTION_ADD, &JApp::OnCollectionAdd)
// afx_msg void OnUpdateCollectionAdd(CCmdUI* pCmdUI)
ON_UPDATE_COMMAND_UI(ID_COLLECTION_ADD, &JApp::OnUpdateCollectionAdd)
// afx_msg void OnCollectionDelete()
ON_COMMAND(ID_COLLECTION_DELETE, &JApp::OnCollectionDelete)
// afx_msg void OnUpdateCollectionDelete(CCmdUI* pCmdUI)
ON_UPDATE_COMMAND_UI(ID_COLLECTION_DELETE, &JApp::OnUpdateCollectionDelete)
// afx_msg void OnBooksAdd()
ON_COMMAND(ID_BOOKS_ADD, &JApp::OnBooksAdd)
// afx_msg void OnUpdateBooksAdd(CCmdUI* pCmdUI)
ON_UPDATE_COMMAND_UI(ID_BOOKS_ADD, &JApp::OnUpdateBooksAdd)
// afx_msg void OnBookDelete()
ON_COMMAND(ID_BOOK_DELETE, &JApp::OnBookDelete)
// afx_msg void OnUpdateBookDelete(CCmdUI* pCmdUI)
ON_UPDATE_COMMAND_UI(ID_BOOK_DELETE, &JApp::OnUpdateBookDelete)
// afx_msg void OnAppAbout()
ON_COMMAND(ID_APP_ABOUT, &JApp::OnAppAbout)
// afx_msg void OnOpenRecent(UINT nID)
ON_COMMAND_RANGE(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, &JApp::OnOpenRecent)
// afx_msg void OnUpdateOpenRecent(CCmdUI* pCmdUI)
ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, &JApp::OnUpdateOpenRecent)
END_MESSAGE_MAP()

JApp::JApp() : QvFWinAppEx(nullptr)
{
}

JApp* JApp::Get()
{
    return dynamic_cast<JApp*>(AfxGetApp());
}

BOOL JApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_COOL_CLASSES |
                                                          ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    QvFWinAppEx::InitInstance();

    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    {
        AfxMessageBox("Shelvix cannot start: the COM libraries could not be initialised.",
                      MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    m_bComInitialized = true;

    SetRegistryKey("Shelvix");
    LoadRecentFiles();

    JMainFrame* pFrame = new JMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, kFrameStyle))
        return FALSE; // the frame is gone, and is no longer the main window

    UpdateRecentMenu();
    pFrame->ShowWindow(SW_SHOWNORMAL, "");
    pFrame->UpdateWindow();
    return TRUE;
}

int JApp::ExitInstance()
{
    // A start that failed before the list was read must not overwrite the stored list.
    if (m_bRecentFilesLoaded && !SaveRecentFiles())
        m_bSettingsLost = true;
    if (m_bSettingsLost)
        AfxMessageBox("Some settings (the recent files, the window's place or the toolbar's "
                      "layout) could not be saved.\n\nThe next start uses the settings saved "
                      "before.",
                      MB_OK | MB_ICONEXCLAMATION);
    if (m_bComInitialized)
    {
        ::CoUninitialize();
        m_bComInitialized = false;
    }
    return QvFWinAppEx::ExitInstance();
}

void JApp::LoadRecentFiles()
{
    m_recentFiles.Load(*this);
    m_bRecentFilesLoaded = true;
}

BOOL JApp::SaveRecentFiles()
{
    return m_recentFiles.Save(*this);
}

void JApp::AddRecentFile(const CString& path)
{
    m_recentFiles.Add(path);
    UpdateRecentMenu();
}

void JApp::UpdateRecentMenu()
{
    if (!m_pFrame)
        return;
    CMenu* pFile = CMenu::FromHandle(::GetSubMenu(m_pFrame->GetMenuBar().GetMenu(), 0));
    if (pFile)
        m_recentFiles.UpdateMenu(*pFile);
}

JDlgMain* JApp::Form() const
{
    return m_pMainDlg && m_pMainDlg->GetSafeHwnd() ? m_pMainDlg : nullptr;
}

void JApp::OnFileOpen()
{
    if (JDlgMain* pForm = Form())
        pForm->OnFileOpen();
}

void JApp::OnUpdateFileOpen(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(Form() != nullptr);
}

void JApp::OnFileSave()
{
    if (JDlgMain* pForm = Form())
        pForm->OnFileSave();
}

void JApp::OnUpdateFileSave(CCmdUI* pCmdUI)
{
    JDlgMain* pForm = Form();
    pCmdUI->Enable(pForm && pForm->IsModified());
}

void JApp::OnCollectionAdd()
{
    if (JDlgMain* pForm = Form())
        pForm->OnCollectionAdd();
}

void JApp::OnUpdateCollectionAdd(CCmdUI* pCmdUI)
{
    JDlgMain* pForm = Form();
    pCmdUI->Enable(pForm && pForm->m_pDoc);
}

void JApp::OnCollectionDelete()
{
    if (JDlgMain* pForm = Form())
        pForm->OnCollectionDelete();
}

void JApp::OnUpdateCollectionDelete(CCmdUI* pCmdUI)
{
    if (JDlgMain* pForm = Form())
        pForm->OnUpdateCollectionDelete(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void JApp::OnBooksAdd()
{
    if (JDlgMain* pForm = Form())
        pForm->OnBooksAdd();
}

void JApp::OnUpdateBooksAdd(CCmdUI* pCmdUI)
{
    if (JDlgMain* pForm = Form())
        pForm->OnUpdateBooksAdd(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void JApp::OnBookDelete()
{
    if (JDlgMain* pForm = Form())
        pForm->OnBookDelete();
}

void JApp::OnUpdateBookDelete(CCmdUI* pCmdUI)
{
    if (JDlgMain* pForm = Form())
        pForm->OnUpdateBookDelete(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

void JApp::OnAppAbout()
{
    JDlgAbout dialog;
    dialog.DoModal();
}

void JApp::OnOpenRecent(UINT nID)
{
    const int index = static_cast<int>(nID - ID_FILE_MRU_FIRST);
    JDlgMain* pForm = Form();
    if (!pForm || index >= m_recentFiles.GetCount())
        return;
    // The load moves the path to the front of the list: the element is copied first.
    const CString path = m_recentFiles.GetAt(index);
    if (pForm->IsModified() &&
        AfxMessageBox("The current file has unsaved changes that will be lost.\n\nAre you sure "
                      "you want to open a new file?",
                      MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    pForm->LoadFile(path);
}

void JApp::OnUpdateOpenRecent(CCmdUI* pCmdUI)
{
    const int index = static_cast<int>(pCmdUI->m_nID - ID_FILE_MRU_FIRST);
    pCmdUI->Enable(Form() && index < m_recentFiles.GetCount());
}
