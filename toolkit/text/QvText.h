// Classes: QvTStrWalkerBase, QvTStrWalker, QvoStrSeg; Functions: FQvTStrFormat, FQvTStrToInt,
// FQvTStrToDouble, FQvTStrFromInt, FQvTSetLocaleInfoReader, FQvTStrDup, FQvTStrFindNoCase,
// FQvTLoadString, QvfStrBreak, FQvTWndPosLoad, FQvTWndPosSave, FQvTProfileGetString,
// FQvTProfileGetBool, FQvTGetSelect, FQvTComboAddHistory, FQvTCreateControlFromControl,
// FQvTCreateControlsFromControls, FQvTWndGetText, FQvTWndSetText, FQvTWndGetRect,
// FQvTWndGetChildRect, FQvTWndSetSize, FQvTGetTextExtent, FQvTFontCreate,
// FQvTFontCreatePointSize, QvfBtnIsChecked, QvfBtnSetChecked, QvfSetStatusText, FQvTCenter,
// FQvTGetPointsOnLine, QvfDistance, QvfRand
#pragma once

#include "toolkit/QvToolsApi.h"

#include <vector>

class CListCtrl;
class CView;

// ---------------------------------------------------------------------------------------------
// String walker: cuts a zero-terminated text into the tokens between occurrences of a delimiter.

class QVTOOLS_API QvTStrWalkerBase
{
public:
    virtual ~QvTStrWalkerBase();
    // 0 when a token was delivered, 1 when the walk is over (token then keeps what it held).
    virtual int operator()(CString& token) = 0;
};

// The walker does not copy the text: the caller keeps it alive and unchanged while walking.
// 'a,b,' yields "a", "b" and a last empty token; the empty text yields no token at all.
class QVTOOLS_API QvTStrWalker : public QvTStrWalkerBase
{
public:
    QvTStrWalker();
    QvTStrWalker(const char* text, char delimiter);
    QvTStrWalker(const char* text, const char* delimiter);
    QvTStrWalker(const QvTStrWalker& src) = default;
    QvTStrWalker& operator=(const QvTStrWalker& src) = default;
    ~QvTStrWalker() override;

    // Restarts on text. An empty delimiter never matches: the rest of the text is one token.
    void Init(const char* text, const char* delimiter);

    int operator()(CString& token) override;
    // As above, through the virtual one; trim removes white space from both ends of the token.
    int operator()(CString& token, bool trim);
    // The next token, or the empty string when the walk is over.
    CString operator()();

private:
    int m_bPendingEmpty;
    CString m_strDelimiter;
    const char* m_pCursor;
};

// ---------------------------------------------------------------------------------------------
// A view of a stretch of bytes: owns nothing, is not terminated, and copies nothing to search.

class QVTOOLS_API QvoStrSeg
{
public:
    QvoStrSeg() : m_pData(nullptr), m_nLength(0) {}
    QvoStrSeg(const QvoStrSeg& src) = default;
    QvoStrSeg& operator=(const QvoStrSeg& src) = default;

    int GetLength() const { return m_nLength; }

    // From start to the end; a start beyond the end gives the empty segment, a negative start
    // counts as 0. out may be this segment itself.
    void Mid(int start, QvoStrSeg& out) const;
    // Index of the first match and out = Mid(index); or -1 and out = the empty segment.
    int Find(char c, QvoStrSeg& out) const;
    // An empty pattern or an empty segment never matches.
    int Find(const QvoStrSeg& pattern, QvoStrSeg& out) const;

    // Exactly GetLength() bytes, terminated; nothing beyond them is read.
    operator CString() const;

    // Set directly by users: the first byte and the number of bytes.
    const char* m_pData;
    int m_nLength;
};

// ---------------------------------------------------------------------------------------------
// String helpers.

// printf-style formatting of any length into a new string.
QVTOOLS_API CString FQvTStrFormat(const char* format, ...);

// True when the whole text is one decimal integer (strtol, base 10), respectively one
// floating-point number (strtod); leading white space and a sign are accepted, any trailing
// character fails, and the empty text succeeds with 0. value is written only on success.
QVTOOLS_API bool FQvTStrToInt(const char* text, int& value);
QVTOOLS_API bool FQvTStrToDouble(const char* text, double& value);

// The decimal text of value, grouped with the user's default locale (rule, separator and
// negative sign); the last group size of the rule repeats for all further groups.
QVTOOLS_API void FQvTStrFromInt(int value, CString& out);

// The locale reader behind FQvTStrFromInt, with the contract of ::GetLocaleInfoA.
typedef int(WINAPI* QVT_GETLOCALEINFOA)(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData);
// Installs a reader (null restores ::GetLocaleInfoA) and returns the previous one.
QVTOOLS_API QVT_GETLOCALEINFOA FQvTSetLocaleInfoReader(QVT_GETLOCALEINFOA pfnReader);

// A new heap copy owned by the caller, released with delete[]; null for a null text or when
// memory runs out.
QVTOOLS_API char* FQvTStrDup(const char* text);

// The first byte position of text where pattern matches regardless of case, or null.
QVTOOLS_API const char* FQvTStrFindNoCase(const char* text, const char* pattern);

// The string resource id from the framework's resource chain; empty when none has it.
QVTOOLS_API CString FQvTLoadString(unsigned int id);

// Splits text at the first separator: 0 and left/right set, or 1 when it is absent (left and
// right untouched, or with wholeIfAbsent left = text and right empty). left or right may be
// text itself.
QVTOOLS_API int QvfStrBreak(const CString& text, char separator, CString& left, CString& right);
QVTOOLS_API int QvfStrBreak(const CString& text, char separator, CString& left, CString& right,
                            bool wholeIfAbsent);

// ---------------------------------------------------------------------------------------------
// Window placement and settings, through the application's profile.

// The window's restored rectangle as "left, top, width, height" in section "General" under
// key ("MainWinPos" when key is empty). Load leaves the window alone when nothing is stored.
QVTOOLS_API void FQvTWndPosLoad(CWnd& window, const CString& key);
QVTOOLS_API void FQvTWndPosSave(const CWnd& window, const CString& key);

// 0 and value set when the entry is stored (an empty string is stored), 12 and value untouched
// when it is absent. A stored integer 9876543 reads as absent.
QVTOOLS_API int FQvTProfileGetString(CWinApp& app, const char* section, const char* entry,
                                     CString& value);
QVTOOLS_API int FQvTProfileGetBool(CWinApp& app, const char* section, const char* entry,
                                   bool& value);

// ---------------------------------------------------------------------------------------------
// Controls and windows.

// The lowest selected index of a list view, or -1.
QVTOOLS_API int FQvTGetSelect(const CListCtrl& list);

// Puts text at the top of the combo's list, taking out the first item that begins with it
// (case ignored). The list is never shortened. A null or empty text changes nothing.
QVTOOLS_API void FQvTComboAddHistory(CComboBox& combo, const char* text);

// Creates target as a child of dialog with control id id, a copy of model's class, styles,
// restored rectangle and text, drawn in the dialog's font. FALSE when it could not be made.
QVTOOLS_API BOOL FQvTCreateControlFromControl(CWnd& model, unsigned int id, CDialog& dialog,
                                              CWnd& target);
// Pairs of control id and CWnd* after dialog, ended by the id 0: each target is made from the
// control of that id in dialog template templateId, at its place there. FALSE when the
// template could not be loaded or a control was missing or could not be made; the others are
// made all the same.
QVTOOLS_API BOOL FQvTCreateControlsFromControls(unsigned int templateId, CDialog* dialog, ...);

QVTOOLS_API CString FQvTWndGetText(const CWnd& window);
QVTOOLS_API CString FQvTWndGetText(HWND window);
// The window text becomes string resource id (empty when no module has it).
QVTOOLS_API void FQvTWndSetText(HWND window, unsigned int id);
// The window rectangle on the screen.
QVTOOLS_API CRect FQvTWndGetRect(const CWnd& window);
// The window rectangle relative to the top left corner of the parent's window rectangle (on
// the screen for a window without a parent).
QVTOOLS_API CRect FQvTWndGetChildRect(const CWnd& window);
// The restored rectangle of the window placement, for a child relative to the parent's
// client area; empty when the window has no placement.
QVTOOLS_API CRect FQvTWndGetChildRect(HWND window);
// Resizes without moving, activating or changing the z-order.
QVTOOLS_API void FQvTWndSetSize(CWnd& window, const CSize& size);

// The text's size, widened by the overhang of its last character (italics); (0, 0) when the
// text cannot be measured.
QVTOOLS_API SIZE FQvTGetTextExtent(HDC dc, const char* text);
// Empties font, then creates it from face and a logical height (negative: character height),
// respectively a size in tenths of a point on the screen. FALSE when it could not be made.
QVTOOLS_API BOOL FQvTFontCreate(const char* face, int size, CFont& font);
QVTOOLS_API BOOL FQvTFontCreatePointSize(const char* face, int size, CFont& font);

// 1 only for the checked state (an indeterminate check box answers 0).
QVTOOLS_API int QvfBtnIsChecked(CButton& button);
QVTOOLS_API void QvfBtnSetChecked(CButton& button, int checked);

// Shows text in the status bar of the application's main frame (WM_SETMESSAGESTRING); the
// view is not used.
QVTOOLS_API void QvfSetStatusText(CView& view, const char* text);

// ---------------------------------------------------------------------------------------------
// Geometry and numbers. Divisions truncate toward zero.

// (outer.cx / 2 - inner.cx / 2, outer.cy / 2 - inner.cy / 2)
QVTOOLS_API CPoint FQvTCenter(const CSize& outer, const CSize& inner);
// ((width(outer) - inner.cx) / 2 + outer.left, (height(outer) - inner.cy) / 2 + outer.top)
QVTOOLS_API void FQvTCenter(const CRect& outer, const CSize& inner, CPoint& result);
// Moves rect, keeping its size, to the place the form above gives.
QVTOOLS_API void FQvTCenter(const CRect& outer, CRect& rect);

// Every pixel of the line from one point to the other, both included.
QVTOOLS_API void FQvTGetPointsOnLine(const CPoint& from, const CPoint& to,
                                     std::vector<CPoint>& points);
// The distance, truncated toward zero (INT_MAX for points further apart than that).
QVTOOLS_API int QvfDistance(CPoint& a, CPoint& b);
// A random value from low to high, both included (the C runtime's rand, seeded from the
// clock on the first call); high when high is not greater than low.
QVTOOLS_API int QvfRand(int high, int low);
