#include "ProgramTestSupport.h"

JApp theApp;

const std::vector<UINT> kDefaultToolbar = {
    ID_FILE_OPEN, ID_FILE_SAVE,   0, ID_COLLECTION_ADD, ID_COLLECTION_DELETE, 0,
    ID_BOOKS_ADD, ID_BOOK_DELETE, 0, ID_APP_ABOUT};

void ProgramTest::TearDown()
{
    Shutdown();
}

bool ProgramTest::Start()
{
    const BOOL bStarted = theApp.InitInstance();
    PumpMessages();
    return bStarted && theApp.m_pFrame && theApp.m_pMainDlg;
}

void ProgramTest::Shutdown()
{
    if (theApp.m_pFrame)
        theApp.m_pFrame->DestroyWindow(); // the frame deletes itself
    PumpMessages();
    theApp.ExitInstance();
}

CString ProgramTest::Load(const std::string& xml, const char* name)
{
    const CString path = folder.Write(name, xml);
    Form().LoadFile(path);
    return path;
}

void ProgramTest::Select(const char* name)
{
    CListBox& list = Form().m_lbCollections;
    const int index = list.FindStringExact(-1, name);
    ASSERT_GE(index, 0) << "no collection " << name;
    list.SetCurSel(index);
    Form().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COLLECTIONS, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(list.GetSafeHwnd()));
}

void ProgramTest::SelectRow(int nRow)
{
    Form().m_lvBooks.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<CString> ProgramTest::CollectionNames() const
{
    std::vector<CString> names;
    for (int i = 0; i < Form().m_lbCollections.GetCount(); ++i)
    {
        CString text;
        Form().m_lbCollections.GetText(i, text);
        names.push_back(text);
    }
    return names;
}

HMENU ProgramTest::PopupOf(UINT nID, int& nIndex) const
{
    HMENU hBar = Frame().GetMenuBar().GetMenu();
    for (int i = 0; i < ::GetMenuItemCount(hBar); ++i)
    {
        HMENU hPopup = ::GetSubMenu(hBar, i);
        if (hPopup && ::GetMenuState(hPopup, nID, MF_BYCOMMAND) != UINT(-1))
        {
            nIndex = i;
            return hPopup;
        }
    }
    return nullptr;
}

bool ProgramTest::MenuItemEnabled(UINT nID)
{
    int nIndex = 0;
    HMENU hPopup = PopupOf(nID, nIndex);
    EXPECT_NE(nullptr, hPopup) << "no menu item " << nID;
    if (!hPopup)
        return false;
    Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                        MAKELPARAM(nIndex, FALSE));
    return (::GetMenuState(hPopup, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool ProgramTest::MenuItemChecked(UINT nID)
{
    int nIndex = 0;
    HMENU hPopup = PopupOf(nID, nIndex);
    EXPECT_NE(nullptr, hPopup) << "no menu item " << nID;
    if (!hPopup)
        return false;
    Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                        MAKELPARAM(nIndex, FALSE));
    return (::GetMenuState(hPopup, nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool ProgramTest::ButtonEnabled(UINT nID)
{
    theApp.OnIdle(0);
    return Frame().m_wndToolBar.SendMessage(TB_ISBUTTONENABLED, nID) != 0;
}

std::vector<UINT> ProgramTest::ToolbarCommands() const
{
    std::vector<UINT> commands;
    JMainToolBar& toolBar = Frame().m_wndToolBar;
    const int nCount = static_cast<int>(toolBar.SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        toolBar.SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(&button));
        commands.push_back((button.fsStyle & BTNS_SEP) ? 0u : static_cast<UINT>(button.idCommand));
    }
    return commands;
}

std::vector<std::pair<UINT, CString>> ProgramTest::RecentItems() const
{
    std::vector<std::pair<UINT, CString>> items;
    HMENU hFile = ::GetSubMenu(Frame().GetMenuBar().GetMenu(), 0);
    int separators = 0;
    for (int i = 0; i < ::GetMenuItemCount(hFile); ++i)
    {
        const UINT id = ::GetMenuItemID(hFile, i);
        if (id == 0 && ++separators == 2)
            break;
        if (id != 0 && separators == 1)
        {
            char text[MAX_PATH] = "";
            ::GetMenuStringA(hFile, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            items.emplace_back(id, text);
        }
    }
    return items;
}

namespace
{
const int kMenuImage = 16;

std::vector<COLORREF> Pixels(CDC& dc, int nLeft, COLORREF crTransparent)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kMenuImage; ++y)
    {
        for (int x = 0; x < kMenuImage; ++x)
        {
            const COLORREF pixel = dc.GetPixel(nLeft + x, y);
            pixels.push_back(pixel == crTransparent ? kMenuGround : pixel);
        }
    }
    return pixels;
}
} // namespace

std::vector<COLORREF> ProgramTest::DrawnMenuImage(UINT nID)
{
    int nIndex = 0;
    HMENU hPopup = PopupOf(nID, nIndex);
    EXPECT_NE(nullptr, hPopup) << "no menu item " << nID;
    Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                        MAKELPARAM(nIndex, FALSE));
    DibCanvas canvas(kMenuImage, kMenuImage);
    canvas.Fill(kMenuGround);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = nID;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = reinterpret_cast<HWND>(hPopup);
    item.hDC = canvas.DC().GetSafeHdc();
    item.rcItem = CRect(0, 0, kMenuImage, kMenuImage);
    Frame().SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    ::GdiFlush();
    return Pixels(canvas.DC(), 0, CLR_INVALID);
}

std::vector<COLORREF> ProgramTest::StripImage(int nImage)
{
    CDC dc;
    CBitmap strip;
    EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_TRUE(strip.LoadBitmap(IDB_TOOLBAR16));
    CBitmap* pOld = dc.SelectObject(&strip);
    std::vector<COLORREF> pixels = Pixels(dc, nImage * kMenuImage, RGB(255, 0, 255));
    dc.SelectObject(pOld);
    return pixels;
}

CRect ProgramTest::FrameRect() const
{
    CRect rect;
    Frame().GetWindowRect(&rect);
    return rect;
}
