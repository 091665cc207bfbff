// Types: AFX_MSGCALL, AFX_MSGMAP_ENTRY, AFX_MSGMAP
// Macros: DECLARE_MESSAGE_MAP, BEGIN_MESSAGE_MAP, BEGIN_TEMPLATE_MESSAGE_MAP, END_MESSAGE_MAP and
//         the entry macros (ON_WM_*, ON_COMMAND, ON_COMMAND_EX, ON_COMMAND_RANGE,
//         ON_UPDATE_COMMAND_UI[_RANGE], ON_NOTIFY[_RANGE], ON_NOTIFY_EX_RANGE, ON_CONTROL,
//         ON_BN_CLICKED, ON_EN_CHANGE, ON_LBN_SELCHANGE, ON_CBN_SELCHANGE, ON_MESSAGE)
// Included by afxwin.h.
//
// Each entry carries a small function that unpacks the message's parameters and calls the
// handler on the class that wrote the entry (ThisClass), so a handler's signature is checked
// by the compiler. Handlers named in an entry are written &Class::Member.
#pragma once

#include "afxver.h"

class CCmdTarget;

// Command codes besides the controls' notification codes
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// The WM_CTLCOLOR* messages share one entry, whose handler receives the kind of control.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// What an entry's function receives: the window message with its parameters, or for commands
// and notifications the id and the command's data (CCmdUI* of an update, AFX_NOTIFY* of a
// notification).
struct AFX_MSGCALL
{
    UINT nMsg;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    void* pExtra;
};

typedef LRESULT (*AFX_PMSGHANDLER)(CCmdTarget* pTarget, const AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message; WM_COMMAND or WM_NOTIFY for commands and notifications
    UINT nCode;    // control notification code (as a WORD) or CN_UPDATE_COMMAND_UI
    UINT nID;      // first command or control id, 0 for window messages
    UINT nLastID;  // last id of a range
    AFX_PMSGHANDLER pfn;
};

// A class's entries and its base class's map, reached through a function so that a map may
// chain to a base exported by another module.
struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                           \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                              \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                         \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

// The map of a class template: BEGIN_TEMPLATE_MESSAGE_MAP(CBarFrame, TBase, TBase) for
// template <class TBase> class CBarFrame : public TBase.
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                 \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const     \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    template <typename type_name>                                                                  \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap()                              \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass<type_name>;                                    \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

// clang-format off
#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, 0, nullptr}};                                                                \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,                    \
                                              &_messageEntries[0]};                                \
        return &messageMap;                                                                        \
    }
// clang-format on

// The function of one entry: pThis is the object as ThisClass, call the message.
#define AFX_MSG_HANDLER(...)                                                                       \
    [](CCmdTarget* pTarget, const AFX_MSGCALL& call) -> LRESULT {                                  \
        ThisClass* pThis = static_cast<ThisClass*>(pTarget);                                       \
        (void)call;                                                                                \
        __VA_ARGS__                                                                                \
    }

#define AFX_MSG_ENTRY(message, ...) {message, 0, 0, 0, AFX_MSG_HANDLER(__VA_ARGS__)},

#define AFX_LPARAM_X(call) static_cast<int>(static_cast<short>(LOWORD((call).lParam)))
#define AFX_LPARAM_Y(call) static_cast<int>(static_cast<short>(HIWORD((call).lParam)))
#define AFX_LPARAM_POINT(call) CPoint(AFX_LPARAM_X(call), AFX_LPARAM_Y(call))

// Window messages, each beside its handler's signature

// afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)  (-1 refuses the creation)
#define ON_WM_CREATE()                                                                             \
    AFX_MSG_ENTRY(WM_CREATE, return pThis->OnCreate(reinterpret_cast<LPCREATESTRUCT>(call.lParam));)
// afx_msg void OnDestroy()
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, pThis->OnDestroy(); return 0;)
// afx_msg void OnNcDestroy()
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, pThis->OnNcDestroy(); return 0;)
// afx_msg void OnClose()
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, pThis->OnClose(); return 0;)
// afx_msg void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE()                                                                               \
    AFX_MSG_ENTRY(WM_SIZE, pThis->OnSize(static_cast<UINT>(call.wParam), AFX_LPARAM_X(call),       \
                                         AFX_LPARAM_Y(call));                                      \
                  return 0;)
// afx_msg void OnMove(int x, int y)
#define ON_WM_MOVE()                                                                               \
    AFX_MSG_ENTRY(WM_MOVE, pThis->OnMove(AFX_LPARAM_X(call), AFX_LPARAM_Y(call)); return 0;)
// afx_msg void OnPaint()
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, pThis->OnPaint(); return 0;)
// afx_msg void OnNcPaint()
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, pThis->OnNcPaint(); return 0;)
// afx_msg BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND()                                                                         \
    AFX_MSG_ENTRY(WM_ERASEBKGND, return pThis->OnEraseBkgnd(                                       \
                                     CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)));)
// afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)  (nCtlColor: CTLCOLOR_*)
#define ON_WM_CTLCOLOR()                                                                           \
    AFX_MSG_ENTRY(WM_CTLCOLOR, return reinterpret_cast<LRESULT>(pThis->OnCtlColor(                 \
                                   CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)),            \
                                   CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),          \
                                   call.nMsg - WM_CTLCOLORMSGBOX));)
// afx_msg void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, pThis->OnTimer(call.wParam); return 0;)
// afx_msg void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW()                                                                         \
    AFX_MSG_ENTRY(WM_SHOWWINDOW, pThis->OnShowWindow(static_cast<BOOL>(call.wParam),               \
                                                     static_cast<UINT>(call.lParam));              \
                  return 0;)
// afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGING()                                                                  \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING,                                                            \
                  pThis->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(call.lParam));           \
                  return 0;)
// afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGED()                                                                   \
    AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED,                                                             \
                  pThis->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(call.lParam));            \
                  return 0;)
// afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
#define ON_WM_GETMINMAXINFO()                                                                      \
    AFX_MSG_ENTRY(WM_GETMINMAXINFO,                                                                \
                  pThis->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(call.lParam));              \
                  return 0;)
// afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM()                                                                           \
    AFX_MSG_ENTRY(WM_DRAWITEM, pThis->OnDrawItem(static_cast<int>(call.wParam),                    \
                                                 reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam)); \
                  return TRUE;)
// afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM()                                                                        \
    AFX_MSG_ENTRY(WM_MEASUREITEM,                                                                  \
                  pThis->OnMeasureItem(static_cast<int>(call.wParam),                              \
                                       reinterpret_cast<LPMEASUREITEMSTRUCT>(call.lParam));        \
                  return TRUE;)
// afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE()                                                                           \
    AFX_MSG_ENTRY(WM_ACTIVATE,                                                                     \
                  pThis->OnActivate(LOWORD(call.wParam),                                           \
                                    CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),         \
                                    HIWORD(call.wParam));                                          \
                  return 0;)
// afx_msg void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS()                                                                           \
    AFX_MSG_ENTRY(WM_SETFOCUS,                                                                     \
                  pThis->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)));        \
                  return 0;)
// afx_msg void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS()                                                                          \
    AFX_MSG_ENTRY(WM_KILLFOCUS,                                                                    \
                  pThis->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)));       \
                  return 0;)
// afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR()                                                                          \
    AFX_MSG_ENTRY(WM_SETCURSOR,                                                                    \
                  return pThis->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), \
                                            LOWORD(call.lParam), HIWORD(call.lParam));)
// afx_msg void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED()                                                                     \
    AFX_MSG_ENTRY(WM_CAPTURECHANGED,                                                               \
                  pThis->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)));  \
                  return 0;)
// afx_msg void OnDropFiles(HDROP hDropInfo)
#define ON_WM_DROPFILES()                                                                          \
    AFX_MSG_ENTRY(WM_DROPFILES, pThis->OnDropFiles(reinterpret_cast<HDROP>(call.wParam)); return 0;)
// afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_HSCROLL()                                                                            \
    AFX_MSG_ENTRY(WM_HSCROLL, pThis->OnHScroll(LOWORD(call.wParam), HIWORD(call.wParam),           \
                                               static_cast<CScrollBar*>(CWnd::FromHandle(          \
                                                   reinterpret_cast<HWND>(call.lParam))));         \
                  return 0;)
// afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_VSCROLL()                                                                            \
    AFX_MSG_ENTRY(WM_VSCROLL, pThis->OnVScroll(LOWORD(call.wParam), HIWORD(call.wParam),           \
                                               static_cast<CScrollBar*>(CWnd::FromHandle(          \
                                                   reinterpret_cast<HWND>(call.lParam))));         \
                  return 0;)
// afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN()                                                                            \
    AFX_MSG_ENTRY(WM_KEYDOWN, pThis->OnKeyDown(static_cast<UINT>(call.wParam),                     \
                                               LOWORD(call.lParam), HIWORD(call.lParam));          \
                  return 0;)
// afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_CHAR()                                                                               \
    AFX_MSG_ENTRY(WM_CHAR, pThis->OnChar(static_cast<UINT>(call.wParam), LOWORD(call.lParam),      \
                                         HIWORD(call.lParam));                                     \
                  return 0;)
// afx_msg UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, return pThis->OnGetDlgCode();)
// afx_msg void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE()                                                                     \
    AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, pThis->OnSysColorChange(); return 0;)
// afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP()                                                                      \
    AFX_MSG_ENTRY(WM_INITMENUPOPUP,                                                                \
                  pThis->OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(call.wParam)),  \
                                         LOWORD(call.lParam), HIWORD(call.lParam));                \
                  return 0;)
// afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
//   (nFlags 0xFFFF with a null menu: the menu closed)
#define ON_WM_MENUSELECT()                                                                         \
    AFX_MSG_ENTRY(WM_MENUSELECT, pThis->OnMenuSelect(LOWORD(call.wParam), HIWORD(call.wParam),     \
                                                     reinterpret_cast<HMENU>(call.lParam));        \
                  return 0;)
// afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
#define ON_WM_NCCALCSIZE()                                                                         \
    AFX_MSG_ENTRY(WM_NCCALCSIZE,                                                                   \
                  pThis->OnNcCalcSize(static_cast<BOOL>(call.wParam),                              \
                                      reinterpret_cast<NCCALCSIZE_PARAMS*>(call.lParam));          \
                  return 0;)
// afx_msg LRESULT OnNcHitTest(CPoint point)
#define ON_WM_NCHITTEST()                                                                          \
    AFX_MSG_ENTRY(WM_NCHITTEST, return pThis->OnNcHitTest(AFX_LPARAM_POINT(call));)

// Mouse messages: afx_msg void OnXxx(UINT nFlags, CPoint point), the point in client coordinates
#define AFX_MOUSE_ENTRY(message, handler)                                                          \
    AFX_MSG_ENTRY(message, pThis->handler(static_cast<UINT>(call.wParam), AFX_LPARAM_POINT(call)); \
                  return 0;)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)

// Non-client mouse messages: afx_msg void OnNcXxx(UINT nHitTest, CPoint point), the point on
// the screen
#define ON_WM_NCMOUSEMOVE() AFX_MOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_MOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)

// Any message: afx_msg LRESULT OnXxx(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_MSG_ENTRY(message, return (pThis->*(memberFxn))(call.wParam, call.lParam);)

// Commands from menus, accelerators and buttons: afx_msg void OnXxx()
#define ON_COMMAND(id, memberFxn)                                                                  \
    {                                                                                              \
        WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id),                      \
            AFX_MSG_HANDLER((pThis->*(memberFxn))(); return TRUE;)                                 \
    }                                                                                              \
    ,
// A command whose handler may decline it: afx_msg BOOL OnXxx(UINT nID); FALSE routes it on
#define ON_COMMAND_EX(id, memberFxn)                                                               \
    {                                                                                              \
        WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(id),                      \
            AFX_MSG_HANDLER(return (pThis->*(memberFxn))(call.nID);)                               \
    }                                                                                              \
    ,
// A range of commands: afx_msg void OnXxx(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    {                                                                                              \
        WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), static_cast<UINT>(idLast),                  \
            AFX_MSG_HANDLER((pThis->*(memberFxn))(call.nID); return TRUE;)                         \
    }                                                                                              \
    ,
// Enable rules: afx_msg void OnUpdateXxx(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) ON_UPDATE_COMMAND_UI_RANGE(id, id, memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                          \
    {                                                                                              \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, static_cast<UINT>(id), static_cast<UINT>(idLast),        \
            AFX_MSG_HANDLER((pThis->*(memberFxn))(static_cast<CCmdUI*>(call.pExtra));              \
                            return TRUE;)                                                          \
    }                                                                                              \
    ,

// Control notifications through WM_COMMAND: afx_msg void OnXxx()
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {                                                                                              \
        WM_COMMAND, static_cast<WORD>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id),  \
            AFX_MSG_HANDLER((pThis->*(memberFxn))(); return TRUE;)                                 \
    }                                                                                              \
    ,
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

// Notifications through WM_NOTIFY: afx_msg void OnXxx(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    {                                                                                              \
        WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), static_cast<UINT>(id),        \
            static_cast<UINT>(id),                                                                 \
            AFX_MSG_HANDLER(AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(call.pExtra);           \
                            (pThis->*(memberFxn))(pNotify->pNMHDR, pNotify->pResult);              \
                            return TRUE;)                                                          \
    }                                                                                              \
    ,
// A range of controls: afx_msg void OnXxx(UINT id, NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                        \
    {                                                                                              \
        WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), static_cast<UINT>(id),        \
            static_cast<UINT>(idLast),                                                             \
            AFX_MSG_HANDLER(AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(call.pExtra);           \
                            (pThis->*(memberFxn))(call.nID, pNotify->pNMHDR, pNotify->pResult);    \
                            return TRUE;)                                                          \
    }                                                                                              \
    ,
// A range of controls whose handler may decline the notification:
// afx_msg BOOL OnXxx(UINT id, NMHDR* pNotifyStruct, LRESULT* pResult); FALSE routes it on
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                     \
    {                                                                                              \
        WM_NOTIFY, static_cast<WORD>(static_cast<int>(wNotifyCode)), static_cast<UINT>(id),        \
            static_cast<UINT>(idLast),                                                             \
            AFX_MSG_HANDLER(                                                                       \
                AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(call.pExtra);                       \
                return (pThis->*(memberFxn))(call.nID, pNotify->pNMHDR, pNotify->pResult);)        \
    }                                                                                              \
    ,
