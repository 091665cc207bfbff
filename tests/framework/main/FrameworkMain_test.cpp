// A program built the way Shelvix is: a global application object and the framework's WinMain.
// It exits with 0 when AfxWinMain ran the application as the framework does, else with the
// number of the first check that failed.
#include <afxwin.h>

#include <string.h>

namespace
{
int s_nFailedCheck = 0;

void Check(bool bPassed, int nCheck)
{
    if (!bPassed && s_nFailedCheck == 0)
        s_nFailedCheck = nCheck;
}

class CMainTestApp : public CWinApp
{
public:
    bool m_bInitRan = false;

    BOOL InitInstance() override
    {
        m_bInitRan = true;
        Check(AfxGetApp() == this, 1);
        Check(m_hInstance == ::GetModuleHandleA(nullptr), 2);
        Check(m_pszAppName && strcmp(m_pszAppName, "FrameworkMainTest") == 0, 3);
        Check(strcmp(AfxGetAppName(), "FrameworkMainTest") == 0, 4);
        return FALSE; // no window: straight to ExitInstance
    }
    int ExitInstance() override
    {
        Check(m_bInitRan, 5);
        return s_nFailedCheck;
    }
};

CMainTestApp theApp;
} // namespace
