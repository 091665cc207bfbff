// Classes: QvFWinAppEx, QvFFrameWndBase, QvFFrameWndEx, QvFMenuBar, QvFSizableReBar, QvFToolBarEx
// QVFTOOLS100: the application, frame, menu bar, rebar and toolbar bases of a framework program.
#pragma once

#include <afxcmn.h>
#include <afxext.h>
#include <afxwin.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <vector>

// The build defines QVFTOOLS_EXPORTS only while it compiles the library itself.
#ifdef QVFTOOLS_EXPORTS
#define QVFTOOLS_API __declspec(dllexport)
#else
#define QVFTOOLS_API __declspec(dllimport)
#endif

class JMenuIconSet;

// The application base. There is one; menu icons registered here appear in every menu of
// the frames below.
class QVFTOOLS_API QvFWinAppEx : public CWinApp
{
    DECLARE_DYNAMIC(QvFWinAppEx)

public:
    explicit QvFWinAppEx(LPCSTR lpszAppName = nullptr);
    ~QvFWinAppEx() override;

    // The one application object, null before it is made
    static QvFWinAppEx* GetInstance();

    // Each menu item whose command is a key of iconMap shows that image of the bitmap (square
    // images side by side, as high as the bitmap; crMask marks transparent pixels), also items
    // added to a menu later. A command registered again takes its new image. false when the
    // bitmap cannot be loaded or an index lies outside it; then nothing changes.
    bool AddMenuIcon(const std::map<UINT, int>& iconMap, UINT nBitmapID, COLORREF crMask);

private:
    template <class TFrame> friend class QvFFrameWndBase;
    // Marks the menu's items of registered commands, which their owner window then measures
    // and draws (WM_MEASUREITEM, WM_DRAWITEM with HBMMENU_CALLBACK)
    void ShowMenuIcons(HMENU hMenu) const;
    // false when the item is not one with a registered image
    bool MeasureMenuIcon(MEASUREITEMSTRUCT& item, HMENU hOwnerMenu) const;
    bool DrawMenuIcon(const DRAWITEMSTRUCT& item) const;

    std::unique_ptr<JMenuIconSet> m_pMenuIcons;
};

// The menu of a frame: a plain menu bar whose popups the program may edit.
class QVFTOOLS_API QvFMenuBar
{
public:
    QvFMenuBar() = default;
    QvFMenuBar(const QvFMenuBar&) = delete;
    QvFMenuBar& operator=(const QvFMenuBar&) = delete;

    // The frame's menu; null before the frame exists or when it has none
    HMENU GetMenu() const;

private:
    template <class TFrame> friend class QvFFrameWndBase;
    HWND m_hWndFrame = nullptr;
};

// A rebar that lays itself out as a bar of its frame: each band holds a bar (a toolbar),
// movable by its gripper. The bands follow their bars: a hidden bar hides its band, and a bar
// that changes its size resizes its band when the frame next lays out.
class QVFTOOLS_API QvFSizableReBar : public CControlBar
{
    DECLARE_DYNAMIC(QvFSizableReBar)

public:
    QvFSizableReBar() = default;
    ~QvFSizableReBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_REBAR);

    // Adds pBar as a new band (pBar becomes the rebar's child). lpszText: the band's title, or
    // null to take lpszBandName as the title; pBitmap: the band's background, or null;
    // dwBandStyle: RBBS_* band styles (RBBS_BREAK starts a new row, RBBS_FIXEDBMP keeps the
    // background still while the band moves); bLocked: true fixes the band where it is without
    // a gripper, false lets the user move and size it by its gripper.
    bool AddBar(CWnd* pBar, LPCSTR lpszText, CBitmap* pBitmap, DWORD dwBandStyle,
                LPCSTR lpszBandName, bool bLocked);

    // The order, widths, row breaks and visibility of the bands, as the profile value "Bands"
    // of the section lpszName. SaveState is false when the value could not be written (the
    // stored one stays as it was); LoadState is false when nothing usable is stored, and then
    // changes nothing. Bands are known by their bar's id: stored bands that no longer exist
    // are skipped, new bands keep their place after the stored ones.
    bool LoadState(LPCSTR lpszName);
    bool SaveState(LPCSTR lpszName);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    // RBN_HEIGHTCHANGE: the frame lays out again
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A toolbar bar over the common toolbar control, customisable through the control's own
// Customize dialog when it has the CCS_ADJUSTABLE style. Its buttons follow the enable rules
// of their commands at idle time; a button whose command has no handler is disabled.
class QVFTOOLS_API QvFToolBarEx : public CControlBar
{
    DECLARE_DYNAMIC(QvFToolBarEx)

public:
    // One button the toolbar offers: the control's button record, then whether the button is
    // in the default set (non-zero: shown at first and after Reset; zero: offered in the
    // Customize dialog only). Separators have the BTNS_SEP style.
    struct CoButton
    {
        TBBUTTON tbButton;
        int nDefault;
    };

    // SetBitmaps: which images the buttons show
    static constexpr int nIconSmall = 1; // the 16-pixel images
    static constexpr int nIconLarge = 2; // the 24-pixel images

    // SetButtons: where the buttons show their label (the tooltip text of their command)
    static constexpr int nTextNone = 0;      // never: images only
    static constexpr int nTextSelective = 1; // right of the image, on buttons ShowButtonText picks
    static constexpr int nTextBelow = 2;     // under the image, on every button

    QvFToolBarEx();
    ~QvFToolBarEx() override;

    // dwStyle: window styles and CBRS_* bar styles (CBRS_FLYBY: the status bar shows the
    // prompt of the button under the mouse)
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);

    // The button images: normal, hot and disabled strips of square images at 16 and at 24
    // pixels, crMask marking transparent pixels; nIconOption picks the size shown
    // (nIconSmall, nIconLarge). false when a strip of that size cannot be loaded.
    bool SetBitmaps(UINT nNormal16, UINT nHot16, UINT nDisabled16, UINT nNormal24, UINT nHot24,
                    UINT nDisabled24, int nIconOption, COLORREF crMask);
    // The buttons offered, in the order of the default set; the toolbar shows the default set
    // with labels as nTextOption says (nTextNone, nTextSelective, nTextBelow). false when the
    // toolbar has no window or the records are missing.
    bool SetButtons(int nCount, const CoButton* pButtons, int nTextOption);

    // The buttons shown, in order, as the profile value "Buttons" of the section lpszName.
    // SaveState is false when the value could not be written (the stored one stays as it
    // was); LoadState is false when nothing usable is stored, and then changes nothing.
    // Commands no longer offered and repeated commands are skipped.
    bool LoadState(LPCSTR lpszName);
    bool SaveState(LPCSTR lpszName);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Overridables
    // NM_CUSTOMDRAW of the toolbar; the default lets the control draw (CDRF_DODEFAULT)
    virtual LRESULT OnCustomDraw(NMTBCUSTOMDRAW* pDraw);
    // With nTextSelective: whether the button of this command shows its label; the default
    // shows every label
    virtual bool ShowButtonText(UINT nCommandID) const;
    // The button's tooltip; the default is the second part of the command's string
    // ("prompt\ntooltip")
    virtual CString GetButtonTip(UINT nCommandID) const;
    // The status-bar prompt while the mouse is on the button; the default is the first part
    // of the command's string
    virtual CString GetButtonPrompt(UINT nCommandID) const;
    // Called once by the frame after it made the toolbar: SetBitmaps and SetButtons
    virtual void InitButtons();

protected:
    // The toolbar's notifications to its frame: custom draw, hot item (fly-by prompts) and
    // the Customize dialog's questions
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // TTN_GETDISPINFO from the toolbar's tooltip
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    // The records of the buttons shown, in order (separators share one record)
    std::vector<const CoButton*> ShownButtons() const;
    // Replaces the buttons shown by these records, in this order, labelled as the text option
    // says
    void ShowButtons(const std::vector<const CoButton*>& buttons);
    void ShowDefaultButtons();
    // The record of a command, or with bSeparator the first separator record; null if none
    const CoButton* FindButton(UINT nCommandID, bool bSeparator) const;
    void AfterButtonsChanged();
    void ShowFlyByPrompt(const NMTBHOTITEM& hotItem);
    BOOL OnCustomizeNotify(NMHDR* pNMHDR, LRESULT* pResult);
    // TBN_GETBUTTONINFO: the record of pInfo->iItem, false past the last one
    template <class TNotify> bool OfferButton(TNotify* pInfo) const;

    std::vector<CoButton> m_buttons;
    int m_nTextOption = nTextNone;
    CImageList m_images;
    CImageList m_hotImages;
    CImageList m_disabledImages;
    HWND m_hWndCustomize = nullptr; // the Customize dialog while it is open
};

// The frame base over a framework frame class (CFrameWnd): its menu shows the application's
// menu icons, and ShowWindow names what the frame shows in its caption.
template <class TFrame> class QvFFrameWndBase : public TFrame
{
public:
    QvFFrameWndBase() = default;
    ~QvFFrameWndBase() override = default;

    using TFrame::ShowWindow;
    // Lays out the bars, sets the caption to the frame's title, followed by " - " and
    // lpszName when that is not empty, and shows the frame (ActivateFrame)
    BOOL ShowWindow(int nCmdShow, LPCSTR lpszName);

    QvFMenuBar& GetMenuBar() { return m_wndMenuBar; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    // The menu icons; anything else goes to the base
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);

    QvFMenuBar m_wndMenuBar;

    DECLARE_MESSAGE_MAP()
};

extern template class QVFTOOLS_API QvFFrameWndBase<CFrameWnd>;

// The main frame base: a sizable rebar (AFX_IDW_REBAR) along the top, made with the frame,
// for the program's toolbars. LoadFrame and the normal close (OnClose) are CFrameWnd's.
class QVFTOOLS_API QvFFrameWndEx : public QvFFrameWndBase<CFrameWnd>
{
    DECLARE_DYNAMIC(QvFFrameWndEx)

public:
    QvFFrameWndEx() = default;
    ~QvFFrameWndEx() override = default;

    QvFSizableReBar& GetReBar() { return m_wndReBar; }

protected:
    // The base's creation, then the rebar; -1 when either fails
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

    QvFSizableReBar m_wndReBar;

    DECLARE_MESSAGE_MAP()
};
