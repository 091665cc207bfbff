// Framework DCs and bitmaps that stand for handles someone else owns.
#include "QvDraw.h"

QvTDCTemp::QvTDCTemp(HDC hDC)
{
    Attach(hDC);
}

QvTDCTemp::~QvTDCTemp()
{
    Detach(); // the owner releases or deletes the DC
}

QvTDCRef::QvTDCRef(HDC hDC)
{
    Attach(hDC);
}

QvTDCRef::~QvTDCRef()
{
    Detach();
}

QvTGDIRefBitmap::QvTGDIRefBitmap(HBITMAP hBitmap) : QvTGDIRef<CBitmap, HBITMAP>(hBitmap)
{
}

QvTGDIRefBitmap::~QvTGDIRefBitmap() = default;
