#include "afxwin.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    if (!lpLogFont)
        return FALSE;
    return AttachCreated(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCSTR lpszFacename)
{
    return AttachCreated(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                      bUnderline, cStrikeOut, nCharSet, nOutPrecision,
                                      nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName)
        ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE); // longer names are cut
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    if (!lpLogFont)
        return FALSE;
    HDC hScreenDC = nullptr;
    HDC hDC =
        pDC ? (pDC->m_hAttribDC ? pDC->m_hAttribDC : pDC->m_hDC) : (hScreenDC = ::GetDC(nullptr));
    if (!hDC)
        return FALSE;
    // 720 tenths of a point to the inch, converted through the DC's mapping, so that the font
    // comes out the same size whatever the DC's logical units.
    POINT heightLine[2] = {
        {0, 0}, {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720)}};
    BOOL bConverted = ::DPtoLP(hDC, heightLine, 2);
    if (hScreenDC)
        ::ReleaseDC(nullptr, hScreenDC);
    if (!bConverted)
        return FALSE;
    LOGFONT logFont = *lpLogFont;
    logFont.lfHeight = -abs(heightLine[1].y - heightLine[0].y); // a character height
    return CreateFontIndirect(&logFont);
}
