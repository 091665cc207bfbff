// A small resizable dialog on QvTDlgGlue, for looking at the glue and the size grip:
//   GlueDemo.exe [WIDTHxHEIGHT]
// opens it at (10, 10) with that outer size (else its designed size). Built, never run by CTest.
#include "GlueDemoIds.h"

#include "toolkit/layout/QvLayout.h"

#include <afxcmn.h>

#include <stdio.h>

namespace
{
class CGlueDemoDialog : public QvTDlgGlue
{
public:
    CGlueDemoDialog() : QvTDlgGlue(IDD_GLUE_DEMO, nullptr) {}

    CSize m_initialSize;

protected:
    BOOL OnInitDialog() override
    {
        QvTDlgGlue::OnInitDialog();
        FillList();
        m_glue.AttachGrow(*GetDlgItem(IDC_DEMO_LIST));
        for (int id : {IDOK, IDCANCEL, IDC_DEMO_ADD, IDC_DEMO_REMOVE})
            m_glue.AttachRight(*GetDlgItem(id), 0);
        m_glue.AttachBottom(*GetDlgItem(IDC_DEMO_FILTER_LABEL), false);
        m_glue.AttachBottom(*GetDlgItem(IDC_DEMO_FILTER), false);
        m_glue.AttachRight(*GetDlgItem(IDC_DEMO_FILTER), 1);
        m_glue.AttachBottom(*GetDlgItem(IDC_DEMO_HELP), false);
        m_glue.AttachCenter(*GetDlgItem(IDC_DEMO_HELP), true, false);
        GlueInit(true);
        if (m_initialSize.cx > 0 && m_initialSize.cy > 0)
            SetWindowPos(nullptr, 10, 10, m_initialSize.cx, m_initialSize.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        else
            SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        return TRUE;
    }

private:
    void FillList()
    {
        CListCtrl* pList = static_cast<CListCtrl*>(GetDlgItem(IDC_DEMO_LIST));
        pList->SetExtendedStyle(LVS_EX_FULLROWSELECT);
        pList->InsertColumn(0, "Title", LVCFMT_LEFT, 160);
        pList->InsertColumn(1, "Author", LVCFMT_LEFT, 110);
        static const char* const kBooks[][2] = {
            {"The Voyage Out", "Virginia Woolf"},
            {"Middlemarch", "George Eliot"},
            {"Bleak House", "Charles Dickens"},
            {"Persuasion", "Jane Austen"},
            {"The Moonstone", "Wilkie Collins"},
            {"North and South", "Elizabeth Gaskell"},
            {"Far from the Madding Crowd", "Thomas Hardy"},
            {"Villette", "Charlotte Bronte"},
        };
        int row = 0;
        for (const auto& book : kBooks)
        {
            pList->InsertItem(row, book[0]);
            pList->SetItemText(row, 1, book[1]);
            ++row;
        }
    }
};

class CGlueDemoApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CGlueDemoDialog dialog;
        int cx = 0;
        int cy = 0;
        if (m_lpCmdLine && sscanf(m_lpCmdLine, "%dx%d", &cx, &cy) == 2)
            dialog.m_initialSize = CSize(cx, cy);
        dialog.DoModal();
        return FALSE;
    }
};

CGlueDemoApp theApp;
} // namespace
