// A card table for looking at the library's card, chip and digit drawing and taking the
// README's picture of it (tools/make_card_screenshot.sh): a dealt hand with its score, the deck,
// two bets and the credit.
//   CardDemo.exe [MILLISECONDS]     closes itself after that long (else when the user does)
// Built, never run by CTest.
#include "CardsTestSupport.h"

#include <stdio.h>

namespace
{
const COLORREF kFelt = RGB(0, 100, 40);
const char* const kHandNames[] = {"Nothing",         "Pair",           "Pair of tens",
                                  "Pair of faces",   "Pair of aces",   "Two pair",
                                  "Three of a kind", "Straight",       "Flush",
                                  "Full house",      "Four of a kind", "Straight flush",
                                  "Royal flush",     "Five of a kind"};

class CTableWnd : public CWnd
{
public:
    BOOL Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)),
                        "Card table - QVTOOLS201", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 510,
                        330, nullptr, nullptr);
    }

    void CloseAfter(UINT nMilliseconds) { SetTimer(1, nMilliseconds); }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kFelt);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        CFont* pPrevious = dc.SelectObject(&Font());

        // The hand: the ten of clubs and the ace of spades are monochrome cards, which take the
        // DC's text colour for their black.
        const COLORREF labelColour = dc.SetTextColor(RGB(0, 0, 0));
        const CardsTest::Hand hand = CardsTest::ParseHand("Tc Jd Qh Kc As");
        for (int i = 0; i < 5; ++i)
        {
            CPoint at(16 + i * 78, 36);
            QvoCard card = hand.cards[i];
            QvfDrawCardEx(dc, at, card);
        }

        // The deck: two backs, slightly apart.
        QvoCard back = CardsTest::ParseCard("BK");
        for (int i = 0; i < 2; ++i)
        {
            CPoint at(412 - 4 * i, 36 + 4 * i);
            QvfDrawCardEx(dc, at, back);
        }
        dc.SetTextColor(labelColour);
        dc.SetBkMode(TRANSPARENT);

        int held[5];
        int wild = 0;
        const QvePokerHand score = QvfEvalPokerHand(hand.cards, held, wild);
        dc.TextOut(16, 12, CString("Your hand: ") + kHandNames[score]);

        dc.TextOut(16, 150, CString("Bet"));
        CPoint bet(16, 172);
        QvfChipDrawBet(dc, bet, 137);
        dc.TextOut(120, 150, CString("Side bet"));
        CPoint side(120, 172);
        QvfChipDrawBet(dc, side, 7.5f, true);
        dc.TextOut(16, 204, CString("Winnings"));
        CPoint winnings(16, 226);
        QvfChipDrawBet(dc, winnings, 1262);

        dc.TextOut(330, 150, CString("Credit"));
        CPoint credit(480, 172);
        QvfDrawDigits(dc, credit, 48750);
        dc.TextOut(330, 204, CString("Last round"));
        CPoint last(480, 226);
        QvfDrawDigits(dc, last, -205);
        dc.SelectObject(pPrevious);
    }
    afx_msg void OnTimer(UINT_PTR /*nIDEvent*/) { DestroyWindow(); }
    DECLARE_MESSAGE_MAP()

private:
    CFont& Font()
    {
        if (!m_font.GetSafeHandle())
            m_font.CreatePointFont(100, "Arial");
        return m_font;
    }

    CFont m_font;
};

BEGIN_MESSAGE_MAP(CTableWnd, CWnd)
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

class CCardDemoApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        if (!m_table.Make())
            return FALSE;
        unsigned nMilliseconds = 0;
        if (m_lpCmdLine && sscanf(m_lpCmdLine, "%u", &nMilliseconds) == 1 && nMilliseconds)
            m_table.CloseAfter(nMilliseconds);
        m_pMainWnd = &m_table;
        return TRUE;
    }

private:
    CTableWnd m_table;
};

CCardDemoApp theApp;
} // namespace
