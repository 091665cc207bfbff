// Classes: QvTLogFont, QvTFont, QvTFontAuto, QvTGDIFontAuto, QvTGDIPenAuto, QvTGDIBrushAuto,
//          QvTDCTemp, QvTDCRef, QvTGDIRef, QvTGDIRefBitmap, QvTAfxResourceHandleSet, QvoMemDC,
//          QvoAnimateWnd, QvoIcon, QvTBtnColor
// Functions: QvfMemDCInit, QvfMemDCFinish, QvfDrawBitmap, QvfDrawOpaque, QvfIconGetSize
#pragma once

#include "toolkit/QvToolsApi.h"

// A logical-font record. Face names longer than the record holds (31 bytes) are cut at the
// last whole character that fits.
class QVTOOLS_API QvTLogFont : public LOGFONT
{
public:
    // The font's description; all fields 0 when the font holds nothing.
    explicit QvTLogFont(CFont& font);
    // All fields 0 except the face name (and the height: negative for a character height,
    // positive for a cell height, in logical units).
    explicit QvTLogFont(const char* face);
    QvTLogFont(const char* face, int height);
    QvTLogFont(const QvTLogFont& src) = default;
    QvTLogFont& operator=(const QvTLogFont& src);
};

// A font made from a face and a size: a logical height (byHeight) or tenths of a point. When
// it cannot be made the object holds no font (GetSafeHandle() is null).
class QVTOOLS_API QvTFont : public CFont
{
public:
    QvTFont(const char* face, int size, bool byHeight);
    virtual ~QvTFont();
};

// Scope objects: the constructor makes the font, pen or brush and selects it into dc, the
// destructor selects back what was selected before and deletes it. Several on one DC must end
// in the reverse order of their making. What could not be made is not selected.
class QVTOOLS_API QvTFontAuto : public QvTFont
{
public:
    QvTFontAuto(CDC& dc, const char* face, int size, bool byHeight);
    virtual ~QvTFontAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

class QVTOOLS_API QvTGDIFontAuto : public QvTFont
{
public:
    QvTGDIFontAuto(CDC& dc, const char* face, int size, bool byHeight);
    virtual ~QvTGDIFontAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

class QVTOOLS_API QvTGDIPenAuto : public CPen
{
public:
    // style: PS_SOLID, PS_DASH...; width in pixels
    QvTGDIPenAuto(CDC& dc, int style, int width, COLORREF color);
    virtual ~QvTGDIPenAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

class QVTOOLS_API QvTGDIBrushAuto : public CBrush
{
public:
    QvTGDIBrushAuto(CDC& dc, COLORREF color);
    virtual ~QvTGDIBrushAuto();

private:
    CDC* m_pDC;
    HGDIOBJ m_hPrevious;
};

// A framework DC for a handle that belongs to someone else: the destructor lets go of the
// handle without releasing or deleting it.
class QVTOOLS_API QvTDCTemp : public CDC
{
public:
    explicit QvTDCTemp(HDC hDC);
    virtual ~QvTDCTemp();
};

class QVTOOLS_API QvTDCRef : public CDC
{
public:
    explicit QvTDCRef(HDC hDC);
    virtual ~QvTDCRef();
};

// A framework GDI object of class T for a handle of type H that belongs to someone else: the
// destructor lets go of the handle and the GDI object survives.
template <class T, class H> class QvTGDIRef : public T
{
public:
    explicit QvTGDIRef(H handle) { this->Attach(handle); }
    virtual ~QvTGDIRef() { this->Detach(); }
};

class QVTOOLS_API QvTGDIRefBitmap : public QvTGDIRef<CBitmap, HBITMAP>
{
public:
    explicit QvTGDIRefBitmap(HBITMAP hBitmap);
    virtual ~QvTGDIRefBitmap();
};

// Makes module the framework's resource module for the scope and gives the earlier one back
// at its end. Nested scopes must end in the reverse order of their making.
class QVTOOLS_API QvTAfxResourceHandleSet
{
public:
    explicit QvTAfxResourceHandleSet(HINSTANCE module);
    ~QvTAfxResourceHandleSet();
    QvTAfxResourceHandleSet(const QvTAfxResourceHandleSet&) = delete;
    // Takes over src's remembered module: both scopes then give back the same one.
    QvTAfxResourceHandleSet& operator=(const QvTAfxResourceHandleSet& src);

private:
    HINSTANCE m_hPrevious;
};

// ---------------------------------------------------------------------------------------------
// An off-screen DC with a bitmap of its own and the pens and brushes of a sunken 3-D frame in
// the system colours of the time it was made.
class QVTOOLS_API QvoMemDC : public CDC
{
public:
    QvoMemDC();
    // Check(pDC, pWnd, bClear) at once.
    QvoMemDC(CDC* pDC, CWnd* pWnd, bool bClear);
    virtual ~QvoMemDC();
    QvoMemDC(const QvoMemDC&) = delete;
    QvoMemDC& operator=(const QvoMemDC&) = delete;

    // Makes the DC (compatible with pDC) if there is none and gives it a cx x cy bitmap
    // compatible with pDC: a new one while m_iRecreate is set, else only when the size
    // changed. False when the DC or the bitmap could not be made; the DC then keeps the
    // bitmap and size it had.
    bool Check(CDC* pDC, int cx, int cy);
    // The same at the window's client size; with bClear the bitmap is then filled white.
    bool Check(CDC* pDC, CWnd* pWnd, bool bClear);

    // Fills the bitmap with the button face and frames it sunken; the white pen stays
    // selected.
    void Draw3DFrame();
    // DrawText with the DT_* flags of nFormat in the rectangle.
    void ExDrawText(const CString& strText, const CPoint& point, const CSize& size, UINT nFormat);
    void ExDrawText(const CString& strText, const CRect& rect, UINT nFormat);
    // Fills with the colour; the background colour of the DC is left as it was.
    void ExFillSolidRect(const CRect& rect, COLORREF color);
    void ExFillSolidRect(const CPoint& point, const CSize& size, COLORREF color);
    // Copies the whole bitmap to pTarget at (0, 0).
    bool Blt(CDC* pTarget);

    int GetWidth() const { return m_iWidth; }
    int GetHeight() const { return m_iHeight; }

    // Set by the constructors. An owner that redraws often clears it, so that Check keeps a
    // bitmap whose size did not change.
    int m_iRecreate;

private:
    void Init();

    CPen m_penBlack;
    CPen m_penWhite;
    CPen m_pen3DLight;
    CPen m_pen3DDkShadow;
    CPen m_penBtnShadow;
    CBrush m_brushBtnFace;
    CBrush m_brushWhite;
    CBitmap m_bitmap;
    int m_iWidth;
    int m_iHeight;
};

// Double buffering over a background bitmap: Init makes mem a DC compatible with dc that holds
// a copy of background (same format, size and pixels); Finish copies it onto dc at (0, 0) and
// then deletes mem's DC together with that copy, so that every Init is ended by one Finish.
// False when mem could not be made, respectively nothing was copied.
QVTOOLS_API bool QvfMemDCInit(CDC& dc, CBitmap& background, CDC& mem);
QVTOOLS_API bool QvfMemDCFinish(CDC& dc, CBitmap& background, CDC& mem);
// Copies the whole bitmap to dc at the point. The bitmap must not be selected into a DC.
QVTOOLS_API bool QvfDrawBitmap(CDC& dc, CPoint& at, CBitmap& bitmap);
// Draws the bitmap at the point with every pixel of its top-left pixel's colour left
// transparent; the bitmap is unchanged afterwards. The bitmap must not be selected into a DC.
QVTOOLS_API bool QvfDrawOpaque(CDC& dc, CPoint& at, CBitmap& bitmap);
// The icon's size: that of its colour bitmap, or for a monochrome icon (whose mask holds the
// AND and the XOR image one above the other) the mask's width and half its height. False and
// (0, 0) for a handle that is not an icon.
QVTOOLS_API bool QvfIconGetSize(HICON hIcon, CSize& size);

// ---------------------------------------------------------------------------------------------
// A child window that plays a film strip: the frames side by side in one bitmap resource,
// one frame every interval milliseconds while the window is shown.
class QVTOOLS_API QvoAnimateWnd : public CWnd
{
public:
    QvoAnimateWnd();
    virtual ~QvoAnimateWnd();
    QvoAnimateWnd(const QvoAnimateWnd&) = delete;
    QvoAnimateWnd& operator=(const QvoAnimateWnd&) = delete;

    // Loads bitmap nBitmapID through the resource chain and shows it as a visible child of
    // pParent at (x, y), frameWidth wide. FALSE when the strip cannot be loaded, holds no whole
    // frame, the interval is not positive, or the window cannot be made.
    BOOL Init(CWnd* pParent, int x, int y, UINT nBitmapID, int frameWidth, int interval);
    // Draws the current frame.
    void Draw();
    // Shows or hides the window without moving or redrawing it, starting or stopping the play.
    void AniShowWindow(bool bShow);

protected:
    // afx_msg void OnPaint()
    afx_msg void OnPaint();
    // afx_msg void OnTimer(UINT_PTR nIDEvent)
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    // afx_msg void OnShowWindow(BOOL bShow, UINT nStatus)
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()

private:
    struct JAnimateData;
    void DrawFrame(CDC& dc);

    JAnimateData* m_pData;
};

// An icon handle that the object owns and destroys.
class QVTOOLS_API QvoIcon
{
public:
    QvoIcon() : m_hIcon(nullptr) {}
    ~QvoIcon();
    QvoIcon(const QvoIcon&) = delete;
    QvoIcon& operator=(const QvoIcon&) = delete;

    // Icon id of the application's module at its own size: 0 when loaded, 1 when not (the
    // object then holds no icon).
    int LoadIconA(UINT nID);
    operator HICON() const { return m_hIcon; }

private:
    void Cleanup();

    HICON m_hIcon;
};

// A push button (BS_BITMAP) that shows a swatch of a colour and lets the user pick another.
class QVTOOLS_API QvTBtnColor : public CButton
{
public:
    QvTBtnColor() = default;
    virtual ~QvTBtnColor();
    QvTBtnColor(const QvTBtnColor&) = delete;
    QvTBtnColor& operator=(const QvTBtnColor&) = delete;

    // Fills the swatch (made at the button's size the first time) with the colour and shows
    // it. False when the button has no window or the swatch could not be made.
    bool SetColor(COLORREF color);
    // Opens the colour chooser on color; when the user confirms, color receives the choice and
    // the swatch shows it (true). On cancel nothing changes (false).
    bool PickColor(COLORREF& color);

private:
    CBitmap m_swatch;
};
