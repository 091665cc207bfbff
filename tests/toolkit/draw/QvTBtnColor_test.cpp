// The colour button: its swatch by pixels and format, and the colour chooser answered by a
// timer as a user would answer it.
#include "tests/common/VisibleHostWindow.h"
#include "tests/framework/GdiTestSupport.h"
#include "tests/framework/WindowTestSupport.h"
#include "toolkit/draw/QvDraw.h"

#include <gtest/gtest.h>

namespace
{
class BtnColorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Colours", WS_CHILD | WS_VISIBLE,
                                      CRect(0, 0, 120, 60), &VisibleHostWindow(), 1));
        ASSERT_TRUE(m_button.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP,
                                    CRect(5, 7, 45, 27), &m_parent, 1001));
    }

    HBITMAP Shown() const
    {
        return reinterpret_cast<HBITMAP>(m_button.SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
    }

    // How many pixels of the bitmap have the colour.
    static int Count(HBITMAP hBitmap, COLORREF colour)
    {
        BITMAP bm = {};
        ::GetObject(hBitmap, sizeof(bm), &bm);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        HGDIOBJ hPrevious = ::SelectObject(dc, hBitmap);
        int count = 0;
        for (int y = 0; y < bm.bmHeight; ++y)
            for (int x = 0; x < bm.bmWidth; ++x)
                count += dc.GetPixel(x, y) == colour;
        ::SelectObject(dc, hPrevious);
        return count;
    }

    CWnd m_parent;
    QvTBtnColor m_button;
};
} // namespace

TEST_F(BtnColorTest, SetColorShowsASwatchOfTheButtonsSizeInTheLibrarysFormat)
{
    EXPECT_EQ(nullptr, Shown());
    ASSERT_TRUE(m_button.SetColor(kRed));
    const HBITMAP hSwatch = Shown();
    ASSERT_NE(nullptr, hSwatch) << "the button shows the swatch";
    DIBSECTION dib = {};
    ASSERT_EQ(static_cast<int>(sizeof(dib)), ::GetObject(hSwatch, sizeof(dib), &dib))
        << "a DIB section, like bitmap 202";
    EXPECT_EQ(24, dib.dsBm.bmBitsPixel) << "bitmap 202's colour format";
    EXPECT_EQ(40, dib.dsBm.bmWidth);
    EXPECT_EQ(20, dib.dsBm.bmHeight);
    EXPECT_EQ(800, Count(hSwatch, kRed));

    ASSERT_TRUE(m_button.SetColor(RGB(10, 20, 200)));
    EXPECT_EQ(hSwatch, Shown()) << "the swatch is made once and kept";
    EXPECT_EQ(800, Count(hSwatch, RGB(10, 20, 200)));

    QvTBtnColor unmade;
    EXPECT_FALSE(unmade.SetColor(kRed)) << "no window, no swatch";
}

TEST_F(BtnColorTest, PickColorAppliesAConfirmedChoiceAndNothingOnCancel)
{
    ASSERT_TRUE(m_button.SetColor(kBlue));
    const HBITMAP hSwatch = Shown();

    COLORREF colour = kGreen;
    CCommonDialogAnswer::Arm("", IDCANCEL);
    EXPECT_FALSE(m_button.PickColor(colour));
    EXPECT_TRUE(CCommonDialogAnswer::s_bAnswered) << "the chooser was shown";
    EXPECT_EQ(kGreen, colour) << "cancel leaves the colour";
    EXPECT_EQ(800, Count(hSwatch, kBlue)) << "and the swatch";

    // OK on a chooser opened on green confirms green.
    CCommonDialogAnswer::Arm("", IDOK);
    EXPECT_TRUE(m_button.PickColor(colour));
    EXPECT_TRUE(CCommonDialogAnswer::s_bAnswered);
    EXPECT_EQ(kGreen, colour);
    EXPECT_EQ(hSwatch, Shown());
    EXPECT_EQ(800, Count(hSwatch, kGreen)) << "the swatch shows the choice";
}
