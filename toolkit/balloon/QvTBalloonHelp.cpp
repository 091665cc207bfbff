// The balloon window: creation, its window class, the attributes and the icon.
#include "QvBalloon.h"
#include "QvTErrorBalloon.h"

#include "toolkit/draw/QvTLibResourceSet.h"
#include "toolkit/text/QvText.h"

#include <new>

namespace
{
const char kClassName[] = "BalloonHelpClass";
const int kLaunchIconSize = 32;
const int kLaunchSmallIconSize = 16;

// (0, 0) for no bitmap.
CSize BitmapSize(HBITMAP bitmap)
{
    BITMAP bm;
    if (!bitmap || !::GetObject(bitmap, sizeof(bm), &bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

// Null when the font cannot be made.
CFont* NewFont(const LOGFONT& lf)
{
    CFont* pFont = new (std::nothrow) CFont;
    if (pFont && !pFont->CreateFontIndirect(&lf))
    {
        delete pFont;
        pFont = nullptr;
    }
    return pFont;
}
} // namespace

unsigned short QvTBalloonHelp::m_ClassAtom = 0;
HHOOK QvTBalloonHelp::s_hKeyboardHook = nullptr;
CPtrArray QvTBalloonHelp::s_apKeyboardCloseWnds;
CCriticalSection QvTBalloonHelp::s_KeyboardHookSection;

QvTBalloonHelp::QvTBalloonHelp()
    : m_nIconSize(32),
      m_pfnSetLayeredWindowAttributes(
          reinterpret_cast<SetLayeredWindowAttributesFn>(reinterpret_cast<void*>(
              ::GetProcAddress(::GetModuleHandleA("USER32.DLL"), "SetLayeredWindowAttributes")))),
      m_unOptions(0), m_unTimeout(0), m_ptAnchor(0, 0), m_pTitleFont(nullptr),
      m_pContentFont(nullptr), m_crBackground(::GetSysColor(COLOR_INFOBK)),
      m_crForeground(::GetSysColor(COLOR_INFOTEXT)), m_nAlpha(0), m_ptMouseOrig(0, 0),
      m_uCloseState(0), m_nMouseMoveTolerance(3)
{
}

QvTBalloonHelp::~QvTBalloonHelp()
{
    // Destroyed while this is still a balloon, so that its destroy handling takes it out of
    // the key-closing list; the object is being deleted already.
    m_unOptions &= ~unDELETE_THIS_ON_CLOSE;
    if (m_hWnd)
        DestroyWindow();
    delete m_pTitleFont;
    delete m_pContentFont;
}

unsigned short QvTBalloonHelp::GetClassAtom()
{
    CSingleLock lock(&s_KeyboardHookSection, TRUE);
    if (m_ClassAtom)
        return m_ClassAtom;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    WNDCLASSEXA wndcls = {};
    wndcls.cbSize = sizeof(wndcls);
    // Registered already by an earlier load of the library in this process.
    ATOM atom = static_cast<ATOM>(::GetClassInfoExA(hInstance, kClassName, &wndcls));
    if (!atom)
    {
        wndcls.style = CS_DROPSHADOW | CS_SAVEBITS | CS_DBLCLKS;
        wndcls.lpfnWndProc = &AfxWndProc;
        wndcls.hInstance = hInstance;
        wndcls.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wndcls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wndcls.lpszClassName = kClassName;
        atom = ::RegisterClassExA(&wndcls);
        if (!atom)
        {
            // Systems without drop shadows refuse the style.
            wndcls.style &= ~CS_DROPSHADOW;
            atom = ::RegisterClassExA(&wndcls);
        }
    }
    m_ClassAtom = atom;
    return m_ClassAtom;
}

int QvTBalloonHelp::Create(const CString& title, const CString& content, const CPoint& anchor,
                           unsigned int options, CWnd* parent, CString url, unsigned int timeout,
                           HICON icon)
{
    if (m_hWnd)
        return 0; // one balloon at a time
    m_strContent = content;
    m_ptAnchor = anchor;
    m_unOptions = options;
    m_strURL = url;
    m_unTimeout = timeout;
    m_uCloseState = 0;
    if (icon)
        SetIcon(icon);

    if (!parent)
        parent = AfxGetMainWnd();
    const ATOM atom = GetClassAtom();
    if (!parent || !MakeDefaultFonts() || !atom)
    {
        PostNcDestroy(); // as a failed window creation ends
        return 0;
    }

    BOOL bAnimation = FALSE;
    BOOL bFade = FALSE;
    if (!::SystemParametersInfoA(SPI_GETTOOLTIPANIMATION, 0, &bAnimation, 0) || !bAnimation ||
        !::SystemParametersInfoA(SPI_GETTOOLTIPFADE, 0, &bFade, 0) || !bFade ||
        !m_pfnSetLayeredWindowAttributes)
        m_unOptions |= unDISABLE_FADE;

    DWORD dwExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
    if (m_unOptions & unSHOW_TOPMOST)
        dwExStyle |= WS_EX_TOPMOST;
    try
    {
        // A failed creation has ended in PostNcDestroy.
        if (!CreateEx(dwExStyle, MAKEINTATOM(atom), title, WS_POPUP, CRect(0, 0, 10, 10), parent,
                      0))
            return 0;
        PositionWindow();
        ShowBalloon();
        if (m_unOptions & unCLOSE_ON_MOUSE_MOVE)
        {
            ::GetCursorPos(&m_ptMouseOrig);
            ScreenToClient(&m_ptMouseOrig);
            SetTimer(kMousePollTimer, 100);
        }
        if (m_unOptions & (unCLOSE_ON_LBUTTON_UP | unCLOSE_ON_RBUTTON_UP))
            SetCapture();
        if (m_unOptions & unCLOSE_ON_KEYPRESS)
            SetKeyboardHook();
        ShowWindow(SW_SHOWNOACTIVATE);
    }
    catch (CException* e)
    {
        // No device context or no memory for the layout: no balloon.
        e->Delete();
        if (m_hWnd)
            DestroyWindow();
        return 0;
    }
    return 1;
}

bool QvTBalloonHelp::MakeDefaultFonts()
{
    LOGFONT lf;
    if (!m_pContentFont)
    {
        if (!::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf))
            return false;
        m_pContentFont = NewFont(lf);
        if (!m_pContentFont)
            return false;
    }
    if (!m_pTitleFont)
    {
        if (!m_pContentFont->GetLogFont(&lf))
            return false;
        lf.lfWeight = FW_BOLD;
        m_pTitleFont = NewFont(lf);
    }
    return m_pTitleFont != nullptr;
}

void QvTBalloonHelp::LaunchBalloon(const CString& title, const CString& content,
                                   const CPoint& anchor, const char* iconName, unsigned int options,
                                   CWnd* parent, CString url, unsigned int timeout)
{
    QvTBalloonHelp* pBalloon = new (std::nothrow) QvTBalloonHelp;
    if (!pBalloon)
        return;
    HICON icon = iconName
                     ? static_cast<HICON>(::LoadImageA(nullptr, iconName, IMAGE_ICON,
                                                       kLaunchIconSize, kLaunchIconSize, LR_SHARED))
                     : nullptr;
    if (icon)
    {
        // The system icon drawn over the balloon's colour and shrunk with halftone, so that its
        // edges blend into the balloon.
        CDC large;
        CDC small;
        CBitmap largeBitmap;
        CBitmap smallBitmap;
        HDC hScreen = ::GetDC(nullptr);
        CDC* pScreen = CDC::FromHandle(hScreen);
        const bool bMade =
            hScreen && large.CreateCompatibleDC(pScreen) && small.CreateCompatibleDC(pScreen) &&
            largeBitmap.CreateCompatibleBitmap(pScreen, kLaunchIconSize, kLaunchIconSize) &&
            smallBitmap.CreateCompatibleBitmap(pScreen, kLaunchSmallIconSize, kLaunchSmallIconSize);
        if (hScreen)
            ::ReleaseDC(nullptr, hScreen);
        if (bMade)
        {
            CBitmap* pOldLarge = large.SelectObject(&largeBitmap);
            CBitmap* pOldSmall = small.SelectObject(&smallBitmap);
            large.FillSolidRect(0, 0, kLaunchIconSize, kLaunchIconSize, pBalloon->m_crBackground);
            ::DrawIconEx(large, 0, 0, icon, kLaunchIconSize, kLaunchIconSize, 0, nullptr,
                         DI_NORMAL);
            small.SetStretchBltMode(HALFTONE);
            ::SetBrushOrgEx(small, 0, 0, nullptr);
            small.StretchBlt(0, 0, kLaunchSmallIconSize, kLaunchSmallIconSize, &large, 0, 0,
                             kLaunchIconSize, kLaunchIconSize, SRCCOPY);
            large.SelectObject(pOldLarge);
            small.SelectObject(pOldSmall);
            pBalloon->SetIcon(smallBitmap, pBalloon->m_crBackground);
        }
    }
    // Deletes itself when its window is gone, and when it cannot be made.
    pBalloon->Create(title, content, anchor, options | unDELETE_THIS_ON_CLOSE, parent, url, timeout,
                     nullptr);
}

void QvTBalloonHelp::Balloon(unsigned int controlId, unsigned int titleId, unsigned int contentId,
                             bool libraryStrings, CWnd* dialog)
{
    // The new balloon is this object's: the old window must not take the object with it.
    m_unOptions &= ~unDELETE_THIS_ON_CLOSE;
    if (m_hWnd)
        DestroyWindow();
    HWND hControl = ::GetDlgItem(dialog->GetSafeHwnd(), static_cast<int>(controlId));
    if (!hControl)
        return;
    CString title;
    CString content;
    {
        QvTLibResourceSet library(libraryStrings);
        title = FQvTLoadString(titleId);
        content = FQvTLoadString(contentId);
    }
    FQvTShowErrorBalloon(*this, title, content, hControl, dialog);
}

void QvTBalloonHelp::PostNcDestroy()
{
    if (m_unOptions & unDELETE_THIS_ON_CLOSE)
        delete this;
}

// Attributes

void QvTBalloonHelp::RepositionIfShown()
{
    if (!m_hWnd)
        return;
    PositionWindow();
    // The window may keep its size and place, and then nothing else repaints the new contents.
    Invalidate();
}

void QvTBalloonHelp::SetTitle(const CString& title)
{
    if (!m_hWnd)
        return;
    SetWindowText(title);
    RepositionIfShown();
}

void QvTBalloonHelp::SetContent(const CString& content)
{
    m_strContent = content;
    RepositionIfShown();
}

void QvTBalloonHelp::SetURL(const CString& url)
{
    m_strURL = url;
}

void QvTBalloonHelp::SetTitleFont(CFont* pFont)
{
    if (pFont != m_pTitleFont)
    {
        delete m_pTitleFont;
        m_pTitleFont = pFont;
    }
    RepositionIfShown();
}

void QvTBalloonHelp::SetContentFont(CFont* pFont)
{
    if (pFont != m_pContentFont)
    {
        delete m_pContentFont;
        m_pContentFont = pFont;
    }
    RepositionIfShown();
}

void QvTBalloonHelp::ClearIcon()
{
    if (m_ilIcon.GetSafeHandle())
        m_ilIcon.DeleteImageList();
}

bool QvTBalloonHelp::NewIconList(const CSize& size)
{
    ClearIcon();
    return size.cx > 0 && size.cy > 0 &&
           m_ilIcon.Create(size.cx, size.cy, ILC_COLOR24 | ILC_MASK, 1, 0);
}

void QvTBalloonHelp::SetIcon(HICON icon)
{
    ICONINFO info;
    if (!icon || !::GetIconInfo(icon, &info))
    {
        ClearIcon();
        RepositionIfShown();
        return;
    }
    if (info.hbmColor)
    {
        SetIcon(info.hbmColor, info.hbmMask);
        ::DeleteObject(info.hbmColor);
    }
    else
    {
        // A monochrome icon: its mask holds the AND and the XOR halves one above the other.
        const CSize mask = BitmapSize(info.hbmMask);
        if (NewIconList(CSize(mask.cx, mask.cy / 2)) && m_ilIcon.Add(icon) < 0)
            ClearIcon();
        RepositionIfShown();
    }
    ::DeleteObject(info.hbmMask);
}

void QvTBalloonHelp::SetIcon(HBITMAP bitmap, COLORREF transparent)
{
    if (NewIconList(BitmapSize(bitmap)) && ::ImageList_AddMasked(m_ilIcon, bitmap, transparent) < 0)
        ClearIcon();
    RepositionIfShown();
}

void QvTBalloonHelp::SetIcon(HBITMAP bitmap, HBITMAP mask)
{
    if (NewIconList(BitmapSize(bitmap)) && ::ImageList_Add(m_ilIcon, bitmap, mask) < 0)
        ClearIcon();
    RepositionIfShown();
}

void QvTBalloonHelp::SetIcon(CImageList* pImageList, int index)
{
    ClearIcon();
    if (pImageList && pImageList->GetSafeHandle() && index >= 0 &&
        index < pImageList->GetImageCount())
    {
        HICON icon = pImageList->ExtractIcon(index);
        if (icon)
        {
            SetIcon(icon);
            ::DestroyIcon(icon);
            return;
        }
    }
    RepositionIfShown();
}

void QvTBalloonHelp::SetIconSize(int size)
{
    m_nIconSize = size;
}

CSize QvTBalloonHelp::GetIconSize() const
{
    return CSize(m_nIconSize, m_nIconSize);
}

void QvTBalloonHelp::SetAnchorPoint(CPoint anchor)
{
    m_ptAnchor = anchor;
    RepositionIfShown();
}

void QvTBalloonHelp::SetTimeout(unsigned int timeout)
{
    m_unTimeout = timeout;
    if (!m_hWnd)
        return;
    if (timeout)
        SetTimer(kTimeoutTimer, timeout);
    else
        KillTimer(kTimeoutTimer);
}

void QvTBalloonHelp::SetForegroundColor(COLORREF color)
{
    m_crForeground = color;
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void QvTBalloonHelp::SetBackgroundColor(COLORREF color)
{
    m_crBackground = color;
    // The margins and the tail are the frame's: they take the new colour too.
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void QvTBalloonHelp::SetMouseMoveTolerance(int tolerance)
{
    m_nMouseMoveTolerance = tolerance;
}
