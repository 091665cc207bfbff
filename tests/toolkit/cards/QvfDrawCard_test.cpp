// Cards drawn into memory DCs: which image each card is, the outline clipping, and the colours
// a monochrome card takes from the DC.
#include "CardsTestSupport.h"
#include "tests/framework/GdiTestSupport.h"

#include <gtest/gtest.h>

namespace
{
const COLORREF kBackdrop = RGB(0, 128, 0);
const int kCardW = 71, kCardH = 96;

// The library's bitmap id, copied plainly to the canvas at the point with the DC's colours.
bool DrawLibraryBitmap(DibCanvas& canvas, int id, CPoint at)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(
        ::LoadImageA(FQvTGetModuleHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    if (!hBitmap)
        return false;
    CDC source;
    source.CreateCompatibleDC(nullptr);
    HGDIOBJ hPrevious = ::SelectObject(source, hBitmap);
    const bool bDrawn = canvas.DC().BitBlt(at.x, at.y, kCardW, kCardH, &source, 0, 0, SRCCOPY);
    ::SelectObject(source, hPrevious);
    ::DeleteObject(hBitmap);
    return bDrawn;
}

// Inside the outline, away from the cut corners.
bool InsideOutline(int x, int y)
{
    return y >= 3 && y < kCardH - 3 && x >= 2 && x < kCardW - 2;
}
} // namespace

TEST(QvfDrawCard, EveryCardIsItsOwnBitmap)
{
    // The bitmap ids by suit, ace to king: clubs skip 137.
    const int ids[4][13] = {
        {129, 130, 131, 132, 133, 134, 135, 136, 138, 139, 140, 141, 142},
        {143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155},
        {156, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166, 167, 168},
        {169, 170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181},
    };
    struct Case
    {
        QvoCard card;
        int id;
    };
    std::vector<Case> cases;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            cases.push_back({QvoCard(rank, static_cast<QvoCard::eSuit>(suit)), ids[suit][rank]});
    cases.push_back({CardsTest::ParseCard("JK"), 193});
    cases.push_back({CardsTest::ParseCard("BK"), 197});
    ASSERT_EQ(167, ids[QvoCard::eHearts][11]) << "queen of hearts";
    ASSERT_EQ(142, ids[QvoCard::eClubs][12]) << "king of clubs";
    ASSERT_EQ(139, ids[QvoCard::eClubs][9]) << "ten of clubs";

    for (Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "suit " << c.card.m_eSuit << " rank " << c.card.m_iRank
                                        << ", bitmap " << c.id);
        DibCanvas drawn(kCardW, kCardH), expected(kCardW, kCardH);
        ASSERT_TRUE(drawn.IsReady() && expected.IsReady());
        CPoint at(0, 0);
        EXPECT_TRUE(QvfDrawCardEx(drawn.DC(), at, c.card));
        ASSERT_TRUE(DrawLibraryBitmap(expected, c.id, at));
        int differences = 0;
        for (int y = 0; y < kCardH; ++y)
            for (int x = 0; x < kCardW; ++x)
                differences += InsideOutline(x, y) && drawn.Pixel(x, y) != expected.Pixel(x, y);
        EXPECT_EQ(0, differences);
    }
}

TEST(QvfDrawCard, CardsOutsideTheEncodingDrawNothing)
{
    const QvoCard cards[] = {QvoCard(1, QvoCard::eSpecial), // the empty place
                             QvoCard(3, QvoCard::eSpecial),
                             QvoCard(13, QvoCard::eHearts),
                             QvoCard(-1, QvoCard::eClubs),
                             QvoCard(0, static_cast<QvoCard::eSuit>(5)),
                             QvoCard(0, static_cast<QvoCard::eSuit>(-1))};
    for (QvoCard card : cards)
    {
        SCOPED_TRACE(testing::Message() << "suit " << card.m_eSuit << " rank " << card.m_iRank);
        DibCanvas canvas(100, 120);
        CPoint at(10, 10);
        EXPECT_FALSE(QvfDrawCard(canvas.DC(), at, card));
        EXPECT_EQ(100 * 120, canvas.Count(CRect(0, 0, 100, 120), kWhite));
    }
}

TEST(QvfDrawCard, IsClippedToTheOutlineAndToTheCallersClipping)
{
    DibCanvas canvas(100, 120);
    canvas.Fill(kBackdrop);
    const CPoint origin(10, 12);
    CPoint at = origin;
    QvoCard king(12, QvoCard::eClubs);
    ASSERT_TRUE(QvfDrawCardEx(canvas.DC(), at, king));

    const CRect card(origin, CSize(kCardW, kCardH));
    EXPECT_EQ(100 * 120 - kCardW * kCardH + canvas.Count(card, kBackdrop),
              canvas.Count(CRect(0, 0, 100, 120), kBackdrop))
        << "nothing outside the card's rectangle changes";
    // The cut corners keep the backdrop, the edges between them are the card's.
    const CPoint corners[] = {{0, 0}, {70, 0}, {0, 95}, {70, 95}};
    for (CPoint corner : corners)
        EXPECT_TRUE(PixelIs(canvas, origin.x + corner.x, origin.y + corner.y, kBackdrop));
    const CPoint edges[] = {{35, 0}, {0, 48}, {70, 48}, {35, 95}, {3, 0}, {0, 3}};
    for (CPoint edge : edges)
        EXPECT_NE(kBackdrop, canvas.Pixel(origin.x + edge.x, origin.y + edge.y))
            << "(" << edge.x << ", " << edge.y << ")";
    EXPECT_GT(30, canvas.Count(card, kBackdrop)) << "only the corners are cut";

    // With the caller's clipping on the left half, the right half stays as it was.
    DibCanvas clipped(100, 120);
    clipped.Fill(kBackdrop);
    clipped.DC().IntersectClipRect(0, 0, 45, 120);
    at = origin;
    ASSERT_TRUE(QvfDrawCardEx(clipped.DC(), at, king));
    EXPECT_EQ(55 * 120, clipped.Count(CRect(45, 0, 100, 120), kBackdrop));
    EXPECT_LT(clipped.Count(CRect(10, 12, 45, 108), kBackdrop), 10);
    CRect clip;
    clipped.DC().GetClipBox(&clip);
    EXPECT_EQ(CRect(0, 0, 45, 120), clip) << "the caller's clipping comes back";
}

TEST(QvfDrawCard, MonochromeCardTakesTheColoursOfTheDC)
{
    struct Case
    {
        const char* card;
        bool monochrome;
    } cases[] = {{"Tc", true},  {"Ac", true},  {"As", true}, {"Ts", true},
                 {"Jc", false}, {"2d", false}, {"Qh", false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.card);
        DibCanvas canvas(kCardW, kCardH);
        canvas.DC().SetTextColor(kRed);
        canvas.DC().SetBkColor(kBlue);
        CPoint at(0, 0);
        QvoCard card = CardsTest::ParseCard(c.card);
        ASSERT_TRUE(QvfDrawCard(canvas.DC(), at, card));
        const CRect inside(2, 3, kCardW - 2, kCardH - 3);
        const int red = canvas.Count(inside, kRed), blue = canvas.Count(inside, kBlue);
        if (c.monochrome)
        {
            EXPECT_EQ(inside.Width() * inside.Height(), red + blue) << "black and white only";
            EXPECT_GT(blue, red) << "the face is the background colour";
            EXPECT_GT(red, 50) << "the pips and corners the text colour";
        }
        else
            EXPECT_EQ(0, red + blue) << "a coloured card keeps its colours";
    }
}

TEST(QvfDrawCard, DrawCardExDrawsOnWhiteAndLeavesTheBackgroundWhite)
{
    DibCanvas canvas(kCardW, kCardH);
    canvas.DC().SetTextColor(kRed);
    canvas.DC().SetBkColor(kBlue);
    CPoint at(0, 0);
    QvoCard ten(9, QvoCard::eSpades);
    ASSERT_TRUE(QvfDrawCardEx(canvas.DC(), at, ten));
    EXPECT_EQ(kWhite, canvas.DC().GetBkColor());
    EXPECT_EQ(kRed, canvas.DC().GetTextColor());
    const CRect inside(2, 3, kCardW - 2, kCardH - 3);
    EXPECT_EQ(inside.Width() * inside.Height(),
              canvas.Count(inside, kRed) + canvas.Count(inside, kWhite));
    EXPECT_EQ(0, canvas.Count(inside, kBlue));
}
