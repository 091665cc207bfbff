// Cards drawn from the library's bitmaps, clipped to the card outline.
#include "QvCardImages.h"
#include "toolkit/cards/QvCards.h"

namespace
{
const int kRanksPerRow = 14;
// Bitmap ids by suit and rank; 0 past a row's last card, -1 for the special suit's empty
// place between the joker and the back.
const int kCardIds[QvoCard::eSpecial + 1][kRanksPerRow] = {
    {129, 130, 131, 132, 133, 134, 135, 136, 138, 139, 140, 141, 142, 0},
    {143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 0},
    {156, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166, 167, 168, 0},
    {169, 170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 0},
    {193, -1, 197, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};
// The cache is indexed by suit x 13 + rank: 52 cards, then the joker, the empty place and the
// back.
const int kCacheSlots = 55;

struct JCardIdsBySlot
{
    int ids[kCacheSlots];
    JCardIdsBySlot()
    {
        for (int slot = 0; slot < kCacheSlots; ++slot)
            ids[slot] = kCardIds[slot / 13][slot % 13];
    }
};

HBITMAP CardBitmap(const QvoCard& card)
{
    // Cards outside the encoding have no image (and no slot that another card's image uses).
    const int suit = static_cast<int>(card.m_eSuit);
    if (suit < QvoCard::eClubs || suit > QvoCard::eSpecial || card.m_iRank < 0 ||
        card.m_iRank >= 13 || kCardIds[suit][card.m_iRank] <= 0)
        return nullptr;
    static const JCardIdsBySlot s_slots;
    static JLibraryImages s_cards(IMAGE_BITMAP, s_slots.ids, kCacheSlots);
    return static_cast<HBITMAP>(s_cards.Get(suit * 13 + card.m_iRank));
}
} // namespace

bool QvfDrawCard(CDC& dc, CPoint& point, QvoCard& card)
{
    HBITMAP hBitmap = CardBitmap(card);
    BITMAP bm;
    if (!hBitmap || !::GetObject(hBitmap, sizeof(bm), &bm))
        return false;
    CDC source;
    if (!source.CreateCompatibleDC(nullptr))
        return false;
    HGDIOBJ hPrevious = ::SelectObject(source, hBitmap);
    if (!hPrevious)
        return false;

    static const POINT outline[] = {{0, 2},   {2, 0},   {69, 0}, {71, 2},
                                    {71, 93}, {69, 96}, {2, 96}, {0, 93}};
    CRgn clip;
    bool bDrawn = false;
    const int saved = dc.SaveDC();
    if (saved && clip.CreatePolygonRgn(outline, 8, ALTERNATE))
    {
        // A region is in device units; it is combined with the caller's own clipping, which
        // RestoreDC gives back.
        CPoint device = point;
        dc.LPtoDP(&device);
        clip.OffsetRgn(device);
        if (dc.SelectClipRgn(&clip, RGN_AND) != ERROR)
            bDrawn = dc.BitBlt(point.x, point.y, bm.bmWidth, bm.bmHeight, &source, 0, 0, SRCCOPY);
    }
    if (saved)
        dc.RestoreDC(saved);
    ::SelectObject(source, hPrevious);
    return bDrawn;
}

bool QvfDrawCardEx(CDC& dc, CPoint& point, QvoCard& card)
{
    dc.SetBkColor(RGB(255, 255, 255));
    return QvfDrawCard(dc, point, card);
}
