// Tree window paint benchmark: milliseconds per paint of a 640 x 480 tree window scrolled to the
// top, the middle and the end of a tree of 1,000,000 roots with 10,000 expanded nodes (the
// shape of TreeModelBench, 1,100,000 lines), each paint a WM_PAINT of the whole window with an
// image list. The written algorithm (TreePaintReference.h, which walks every line above the top
// line) draws the same tree area into a memory DC at each place; it is timed alongside and its
// pixels are compared with the window's.
//   TreePaintBench [paints]      paints per place (default 40); best and median are printed
// Needs a display (run under Xvfb like the tests).
#include "../../common/BenchClock.h"
#include "tests/common/DibCanvas.h"
#include "tests/toolkit/tree/TreePaintReference.h"
#include "toolkit/tree/QvTree.h"

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
typedef std::vector<int> Path;

const int kChildren = 10;
const int kRoots = 1000000;
const int kWidth = 640, kHeight = 480;

int ExpandedRoot(int j)
{
    return 100 * j + 50;
}

// Roots and their children have ten children each, their children none; texts and images
// follow the path.
class Owner : public QvoTreeWnd::JTreeParent
{
public:
    static int Count(int nLevels) { return nLevels < 3 ? kChildren : 0; }

    void JTPGetItem(QvoTreeWnd::CoGetItem& item) override
    {
        char text[64];
        const int* i = item.m_path.m_piIndex;
        if (item.m_path.m_iCount == 1)
            snprintf(text, sizeof text, "Volume %d", i[0]);
        else if (item.m_path.m_iCount == 2)
            snprintf(text, sizeof text, "Part %d of volume %d", i[1] + 1, i[0]);
        else
            snprintf(text, sizeof text, "Chapter %d.%d.%d", i[0], i[1] + 1, i[2] + 1);
        item.m_strText = text;
        item.m_iHasChildren = Count(item.m_path.m_iCount);
        item.m_iImage = item.m_path.m_iCount - 1;
    }
    void JTPExpanding(QvoTreeWnd::CoExpanding& expanding) override
    {
        expanding.m_iNumChildren = Count(expanding.m_path.m_iCount);
    }
};

CBitmap* MakeImageStrip(CBitmap& strip)
{
    CClientDC screen(nullptr);
    CDC dc;
    strip.CreateCompatibleBitmap(&screen, 48, 16);
    dc.CreateCompatibleDC(&screen);
    CBitmap* pPrevious = dc.SelectObject(&strip);
    const COLORREF colours[] = {RGB(232, 184, 48), RGB(96, 128, 200), RGB(40, 160, 80)};
    for (int k = 0; k < 3; ++k)
    {
        dc.FillSolidRect(16 * k, 0, 16, 16, RGB(255, 0, 255));
        dc.FillSolidRect(16 * k + 2, 3, 12, 10, colours[k]);
    }
    dc.SelectObject(pPrevious);
    return &strip;
}

template <class Tree> void Build(Tree& tree)
{
    for (int j = 0; j < kRoots / 1000 * 9; ++j)
    {
        Path path{ExpandedRoot(j)};
        tree.Expand(path);
    }
    for (int j = 0; j < kRoots / 1000; ++j)
    {
        Path path{ExpandedRoot(j), 5};
        tree.Expand(path);
    }
}

struct WindowTree
{
    QvoTreeWnd& wnd;
    void Expand(Path& path)
    {
        wnd.Expand(QvoTreeWnd::CoItemPath(static_cast<int>(path.size()), path.data()));
    }
};

struct Times
{
    double dBest, dMedian;
};

Times Summarise(std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}
} // namespace

int main(int argc, char** argv)
{
    const int nPaints = argc > 1 ? std::max(1, atoi(argv[1])) : 40;

    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), "TreePaintBench", WS_POPUP | WS_VISIBLE, 0, 0,
                       kWidth, kHeight, nullptr, nullptr))
    {
        printf("no window: run under a display\n");
        return 2;
    }
    Owner owner;
    CBitmap strip;
    CImageList images;
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
    images.Add(MakeImageStrip(strip), RGB(255, 0, 255));

    QvoTreeWnd tree;
    tree.Create("QVTREE", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &host, 1);
    tree.SetParent(&owner);
    tree.SetImageList(&images);
    tree.SetNumRootItems(kRoots);
    tree.DataValid();
    WindowTree windowTree{tree};
    Build(windowTree);

    TreeRef::Tree ref;
    ref.answer = [](const Path& path) { return Owner::Count(static_cast<int>(path.size())); };
    ref.SetNumRootItems(kRoots);
    ref.DataValid();
    Build(ref);
    CClientDC screen(nullptr);
    TreeRef::Painter painter(ref, owner, &images, 16, screen.GetDeviceCaps(LOGPIXELSY));
    ref.page = painter.LinesPerPage(kHeight);
    if (ref.page != tree.GetNumVisibleLines())
    {
        printf("ERROR: %d lines per page, the written algorithm has %d\n",
               tree.GetNumVisibleLines(), ref.page);
        return 2;
    }

    printf("Tree window paint, %d x %d, %d roots, %d lines, %d lines a page; ms per paint, best "
           "and median of %d\n",
           kWidth, kHeight, kRoots, ref.total, ref.page, nPaints);
    printf("  %-8s %10s %10s %12s %12s %10s\n", "place", "window", "median", "written", "median",
           "pixels");
    int nMismatches = 0;
    const struct
    {
        const char* name;
        int top;
    } places[] = {{"top", 0}, {"middle", ref.total / 2}, {"end", ref.total - ref.page}};
    for (const auto& place : places)
    {
        tree.SetFirstVisibleLine(place.top);
        ref.SetFirstVisibleLine(place.top);
        tree.UpdateWindow();

        std::vector<double> window, written;
        for (int n = 0; n < nPaints; ++n)
        {
            double t0 = BenchSeconds();
            tree.Invalidate(FALSE);
            tree.UpdateWindow();
            ::GdiFlush();
            window.push_back((BenchSeconds() - t0) * 1000);
        }
        DibCanvas expected(kWidth, kHeight);
        for (int n = 0; n < nPaints; ++n)
        {
            double t0 = BenchSeconds();
            painter.Paint(expected.DC(), kWidth, kHeight, 0);
            ::GdiFlush();
            written.push_back((BenchSeconds() - t0) * 1000);
        }

        DibCanvas shown(kWidth, kHeight);
        {
            CClientDC dc(&tree);
            shown.DC().BitBlt(0, 0, kWidth, kHeight, &dc, 0, 0, SRCCOPY);
        }
        const DWORD* pShown = shown.Bits();
        const DWORD* pExpected = expected.Bits();
        int nDiffer = 0;
        for (int y = 2; y < kHeight - TreeRef::Painter::S - 2; ++y)
            for (int x = 2; x < kWidth - TreeRef::Painter::S - 2; ++x)
                nDiffer += pShown[y * kWidth + x] != pExpected[y * kWidth + x];
        nMismatches += nDiffer;

        const Times w = Summarise(window), r = Summarise(written);
        printf("  %-8s %10.2f %10.2f %12.2f %12.2f %10s\n", place.name, w.dBest, w.dMedian, r.dBest,
               r.dMedian, nDiffer ? std::to_string(nDiffer).c_str() : "same");
    }
    printf("Pixels of the tree area that differ from the written algorithm: %d\n", nMismatches);
    return nMismatches ? 1 : 0;
}
