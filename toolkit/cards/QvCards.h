// Classes: QvoCard, QvoBmOpaque, QvoDragIcon; Enumerations: QvePokerHand, QveChip
// Functions: QvfEvalPokerHand, QvfDrawCard, QvfDrawCardEx, QvfChipAmount, QvfChipAmountFloat,
//            QvfChipDraw, QvfChipDrawBet, QvfChipSetBounds, QvfDrawDigits
#pragma once

#include "toolkit/QvToolsApi.h"

#include <afxwin.h>

// A playing card. Aces are low in the rank order; only the poker evaluator ranks them high.
class QVTOOLS_API QvoCard : public CObject
{
public:
    enum eSuit
    {
        eClubs,
        eDiamonds,
        eHearts,
        eSpades,
        eSpecial // rank 0 is the joker, rank 2 the card back; rank 1 has no card
    };

    // The ace of clubs.
    QvoCard() : m_iRank(0), m_eSuit(eClubs) {}
    // No range check: the card back and the empty place are ordinary values of the encoding.
    QvoCard(int iRank, eSuit eSuit) : m_iRank(iRank), m_eSuit(eSuit) {}
    QvoCard(const QvoCard& card) : CObject(), m_iRank(card.m_iRank), m_eSuit(card.m_eSuit) {}
    QvoCard& operator=(const QvoCard& card)
    {
        m_iRank = card.m_iRank;
        m_eSuit = card.m_eSuit;
        return *this;
    }
    virtual ~QvoCard();

    int m_iRank; // 0 = ace, 1 to 9 = two to ten, 10 = jack, 11 = queen, 12 = king
    eSuit m_eSuit;
};

static_assert(sizeof(QvoCard::eSuit) == 4, "the suit is stored as a 32-bit value");

// Five-card poker hands, worst to best.
enum QvePokerHand
{
    eHandNothing,
    eHandPair, // twos to nines
    eHandPairTens,
    eHandPairFaces, // jacks, queens or kings
    eHandPairAces,
    eHandTwoPair,
    eHandThreeOfAKind,
    eHandStraight,
    eHandFlush,
    eHandFullHouse,
    eHandFourOfAKind,
    eHandStraightFlush,
    eHandRoyalFlush,
    eHandFiveOfAKind // only with a wild joker
};

// Scores exactly five cards (pCards[0] to pCards[4]); the cards are not changed.
// pHeld receives the positions (0 to 4) of the cards that make the hand: all five, in card
// order, for a straight or a flush; otherwise the grouped cards in ascending rank, then -1.
// The first card of the special suit is a wild joker: it stands for the card that scores best
// (the earliest of clubs, hearts, diamonds, spades, each king down to ace, on a tie), and
// iWild becomes 1; without one iWild becomes 0. Null pointers score eHandNothing.
QVTOOLS_API QvePokerHand QvfEvalPokerHand(const QvoCard* pCards, int* pHeld, int& iWild);

// ---------------------------------------------------------------------------------------------
// Drawing from the library's own images, whichever module calls; each image is loaded on first
// use and kept for the life of the process. The drawing functions return false when something
// could not be drawn (a card, chip or digit without an image, or a DC that cannot be drawn on).

// The card's 71 x 96 image at the point, clipped to the card's outline (corners cut 2 x 2
// above, 2 wide and 3 high below) within the DC's own clipping. A monochrome card (ace to ten
// of clubs and spades) takes the DC's text colour for its black and its background colour for
// its white. The joker is rank 0 and the card back rank 2 of the special suit.
QVTOOLS_API bool QvfDrawCard(CDC& dc, CPoint& point, QvoCard& card);
// Sets the DC's background colour to white (and leaves it so), then QvfDrawCard.
QVTOOLS_API bool QvfDrawCardEx(CDC& dc, CPoint& point, QvoCard& card);

enum QveChip
{
    eChip1,
    eChip5,
    eChip25,
    eChip100,
    eChip500,
    eChip2_5
};

// The chip's value: 1, 5, 25, 100, 500; the 2.50 chip counts 5 as an int and 2.5 as a float,
// and so does any other value.
QVTOOLS_API int QvfChipAmount(QveChip chip);
QVTOOLS_API float QvfChipAmountFloat(QveChip chip);
// The chip's 32 x 32 icon (the chip fills its top-left 20 x 20) with its corner at the point.
QVTOOLS_API bool QvfChipDraw(CDC& dc, CPoint& point, QveChip chip);
// A bet as a row of chips from the point, largest on the left, each 5 pixels right of the one
// before: 500, 100, 25, 5, (2.50,) 1, as many of each as fit into what is left. Amounts of 0 or
// less draw nothing. With halves, an amount of 2.5 or more with a fraction shows one 2.50
// chip; any other fraction is dropped. Float amounts beyond the int range count as the
// largest int.
QVTOOLS_API bool QvfChipDrawBet(CDC& dc, CPoint& point, int amount);
QVTOOLS_API bool QvfChipDrawBet(CDC& dc, CPoint& point, float amount, bool halves);
// Keeps the rectangle's left and top and sets its right and bottom to bound the row that
// QvfChipDrawBet draws for the same arguments: n chips are (n - 1) x 5 + 20 wide and 20 high;
// no chip leaves the rectangle empty.
QVTOOLS_API void QvfChipSetBounds(int amount, CRect& rect);
QVTOOLS_API void QvfChipSetBounds(float amount, CRect& rect, bool halves);

// The value in red seven-segment digits, 14 pixels apart, each in the left 12 x 22 of its
// 32 x 32 icon, with a minus sign when negative; every int is drawn in full. Align 2 ends the
// number at the point (the last digit's icon at x - 12), any other align starts it there.
QVTOOLS_API bool QvfDrawDigits(CDC& dc, CPoint& point, int value, int align);
QVTOOLS_API bool QvfDrawDigits(CDC& dc, CPoint& point, int value);

// A sprite: a bitmap of the resource chain drawn with the colour of its top-left pixel
// transparent. The masks are made by the first Draw and kept; loading another image makes
// them again at its next Draw.
class QVTOOLS_API QvoBmOpaque
{
public:
    QvoBmOpaque();
    QvoBmOpaque(const QvoBmOpaque&) = delete;
    QvoBmOpaque& operator=(const QvoBmOpaque&) = delete;

    // Bitmap nID, looked up from the framework's current resource module along the resource
    // chain: non-zero when loaded. On failure the object keeps the image it had.
    int LoadBitmapA(int nID);
    // Composes off-screen and touches dc with one copy. False without an image.
    bool Draw(CDC& dc, CPoint& point);

private:
    bool Init(CDC& dc);

    BITMAP m_bm;
    CBitmap m_bmMaskInverted;
    CBitmap m_bmMask; // 1 where the image has its key colour
    CBitmap m_bmWork;
    CBitmap m_bmImage; // black where the key colour was, once the masks are made
    bool m_bInit;
};

// An icon dragged over a picture: each move puts back what the icon covered and draws it at
// its new place with one copy to the DC, so that nothing flickers.
class QVTOOLS_API QvoDragIcon
{
public:
    QvoDragIcon();
    ~QvoDragIcon();
    QvoDragIcon(const QvoDragIcon&) = delete;
    QvoDragIcon& operator=(const QvoDragIcon&) = delete;

    // Keeps what lies under the icon at the point; the icon is drawn by the first Move. The
    // icon stays the caller's. False (and not dragging) for a handle that is not an icon.
    bool Start(CDC& dc, HICON hIcon, CPoint& point);
    // Puts the background back at the last place and draws the icon at the point.
    bool Move(CDC& dc, CPoint& point);
    int Dragging() const { return m_iDragging; }
    // Ends the drag; the icon last drawn stays on the DC until the caller repaints.
    void Finish();

private:
    HICON m_hIcon;
    CSize m_size;
    CBitmap m_bmBackground;
    CPoint m_ptLast;
    int m_iDragging;
};
