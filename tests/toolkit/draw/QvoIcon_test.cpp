// The owned icon and the size of an icon, colour or monochrome.
#include "DrawTestIds.h"
#include "toolkit/draw/QvDraw.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// An icon with a colour bitmap of w x h.
HICON MakeColourIcon(int w, int h)
{
    CClientDC screen(nullptr);
    HBITMAP hColour = ::CreateCompatibleBitmap(screen, w, h);
    HBITMAP hMask = ::CreateBitmap(w, h, 1, 1, nullptr);
    ICONINFO info = {TRUE, 0, 0, hMask, hColour};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColour);
    ::DeleteObject(hMask);
    return hIcon;
}

// A monochrome icon: no colour bitmap, a mask of w x 2h.
HICON MakeMonochromeIcon(int w, int h)
{
    const std::vector<BYTE> andBits(static_cast<size_t>((w + 15) / 16 * 2 * h), 0xFF);
    const std::vector<BYTE> xorBits(andBits.size(), 0x00);
    return ::CreateIcon(nullptr, w, h, 1, 1, andBits.data(), xorBits.data());
}
} // namespace

TEST(QvfIconGetSize, GivesTheColourBitmapsSizeOrHalfTheMonochromeMask)
{
    struct Case
    {
        const char* name;
        HICON hIcon;
        CSize expected;
    };
    const Case cases[] = {
        {"colour 24 x 20", MakeColourIcon(24, 20), CSize(24, 20)},
        {"colour 48 x 48", MakeColourIcon(48, 48), CSize(48, 48)},
        {"monochrome 32 x 32", MakeMonochromeIcon(32, 32), CSize(32, 32)},
        {"monochrome 16 x 24", MakeMonochromeIcon(16, 24), CSize(16, 24)},
    };
    for (const Case& c : cases)
    {
        ASSERT_NE(nullptr, c.hIcon) << c.name;
        ICONINFO info;
        ASSERT_TRUE(::GetIconInfo(c.hIcon, &info));
        EXPECT_EQ(c.name[0] == 'm', info.hbmColor == nullptr) << c.name << ": the kind of icon";
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);

        CSize size(-1, -1);
        EXPECT_TRUE(QvfIconGetSize(c.hIcon, size)) << c.name;
        EXPECT_EQ(c.expected, size) << c.name;
        ::DestroyIcon(c.hIcon);
    }

    CSize size(5, 5);
    EXPECT_FALSE(QvfIconGetSize(nullptr, size));
    EXPECT_EQ(CSize(0, 0), size);
}

TEST(QvoIcon, LoadsFromTheApplicationAtTheIconsOwnSize)
{
    QvoIcon icon;
    EXPECT_EQ(nullptr, static_cast<HICON>(icon)) << "empty at first";
    EXPECT_EQ(0, icon.LoadIconA(IDI_TEST_ICON24));
    ASSERT_NE(nullptr, static_cast<HICON>(icon));
    CSize size;
    EXPECT_TRUE(QvfIconGetSize(icon, size));
    EXPECT_EQ(CSize(24, 24), size) << "not stretched to the system's icon size";

    // Loading again replaces the icon; a missing id leaves none.
    EXPECT_EQ(0, icon.LoadIconA(IDI_TEST_ICON24));
    const HICON hLoaded = icon;
    EXPECT_EQ(1, icon.LoadIconA(IDB_TEST_MISSING));
    EXPECT_EQ(nullptr, static_cast<HICON>(icon));
    ICONINFO info;
    EXPECT_FALSE(::GetIconInfo(hLoaded, &info)) << "the icon it held was destroyed";
}
