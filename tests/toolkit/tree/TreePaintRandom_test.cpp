// The window against the written algorithm: random trees, expanded and collapsed by the same
// operations on both sides, scrolled anywhere, must give the same pixels. The window finds its
// lines from the top line; the reference walks every line above it.
#include "TreePaintReference.h"
#include "TreeTestIds.h"
#include "tests/common/VisibleHostWindow.h"
#include "tests/framework/GdiTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace
{
typedef std::vector<int> Path;

// An owner whose every answer is a fixed function of the path and a seed, for both sides.
class HashedOwner : public QvoTreeWnd::JTreeParent
{
public:
    explicit HashedOwner(unsigned seed) : m_seed(seed) {}

    unsigned Hash(const Path& path) const
    {
        unsigned h = m_seed * 2654435761u;
        for (int i : path)
            h = (h ^ static_cast<unsigned>(i + 1)) * 16777619u;
        return h ^ (h >> 13);
    }
    // Half the items are leaves, the others have one to six children.
    int Count(const Path& path) const
    {
        const unsigned h = Hash(path);
        return h % 2 ? 0 : 1 + static_cast<int>(h / 2 % 6);
    }

    void JTPGetItem(QvoTreeWnd::CoGetItem& item) override
    {
        const Path path(item.m_path.m_piIndex, item.m_path.m_piIndex + item.m_path.m_iCount);
        const unsigned h = Hash(path) / 16;
        std::string text = "Item";
        for (int i : path)
            text += " " + std::to_string(i);
        text += std::string(h % 5, 'x');
        item.m_strText = text.c_str();
        item.m_iImage = static_cast<int>(h / 8 % 4) - 1;
        item.m_iHasChildren = Count(path);
    }
    void JTPExpanding(QvoTreeWnd::CoExpanding& expanding) override
    {
        expanding.m_iNumChildren = Count(Path(
            expanding.m_path.m_piIndex, expanding.m_path.m_piIndex + expanding.m_path.m_iCount));
    }

private:
    unsigned m_seed;
};

QvoTreeWnd::CoItemPath PathOf(Path& path)
{
    return QvoTreeWnd::CoItemPath(static_cast<int>(path.size()), path.data());
}

// The entries on visible lines whose button shows (children not known to be none).
std::vector<TreeRef::Tree::Entry> Expandable(const TreeRef::Tree& ref)
{
    std::vector<TreeRef::Tree::Entry> out;
    for (const auto& entry : ref.Walk())
        if (entry.line >= 0 && entry.n != 0)
            out.push_back(entry);
    return out;
}
} // namespace

TEST(TreePaintRandom, TheWindowDrawsWhatTheWrittenAlgorithmDraws)
{
    const int cx = 320, cy = 262;
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_TREE_IMAGES, 16, 0, RGB(255, 0, 255)));
    CClientDC screen(nullptr);
    const int dpi = screen.GetDeviceCaps(LOGPIXELSY);

    int nCompared = 0;
    for (unsigned seed = 1; seed <= 16; ++seed)
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        HashedOwner owner(seed);
        const bool bImages = seed % 2 == 0;

        QvoTreeWnd tree;
        ASSERT_TRUE(tree.Create("QVTREE", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy),
                                &VisibleHostWindow(), 600));
        tree.SetParent(&owner);
        if (bImages)
            tree.SetImageList(&images);
        TreeRef::Tree ref;
        ref.answer = [&](const Path& path) { return owner.Count(path); };
        TreeRef::Painter painter(ref, owner, bImages ? &images : nullptr, bImages ? 16 : 0, dpi);
        const TreeRef::Metrics m(dpi, bImages ? 16 : 0);

        const int nRoots = 1 + static_cast<int>(rng() % 40);
        tree.SetNumRootItems(nRoots);
        tree.DataValid();
        ref.SetNumRootItems(nRoots);
        ref.DataValid();
        ref.page = painter.LinesPerPage(cy);
        ASSERT_EQ(ref.page, tree.GetNumVisibleLines());

        for (int step = 0; step < 12; ++step)
        {
            // Expand a few items that show a button, and collapse one by its button when it
            // is in sight.
            for (int e = 0; e < 3; ++e)
            {
                const auto candidates = Expandable(ref);
                if (candidates.empty())
                    break;
                Path path = candidates[rng() % candidates.size()].path;
                tree.Expand(PathOf(path));
                ref.Expand(path);
            }
            if (step % 3 == 2)
            {
                SCROLLINFO si = {};
                static_cast<CScrollBar*>(tree.GetDlgItem(102))->GetScrollInfo(&si, SIF_POS);
                for (const auto& entry : ref.Walk())
                {
                    const int d = static_cast<int>(entry.path.size()) - 1;
                    const int x = 25 * d + 12 - si.nPos;
                    if (entry.n > 0 && entry.expanded && ref.IsLineVisible(entry.line) && x >= 2 &&
                        rng() % 2)
                    {
                        const int k = entry.line - ref.top;
                        tree.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, 2 + k * m.L + m.Tb + 5));
                        ref.Collapse(entry.path);
                        ref.sel = entry.path;
                        break;
                    }
                }
            }
            for (auto& entry : ref.Walk())
            {
                if (entry.line >= 0)
                {
                    ASSERT_EQ(entry.line, tree.GetLineNumber(PathOf(entry.path)))
                        << "the two sides agree on the lines";
                }
            }

            // Somewhere to look at, a selection, and now and then a horizontal offset.
            const int top = static_cast<int>(rng() % (ref.total + 5));
            tree.SetFirstVisibleLine(top);
            ref.SetFirstVisibleLine(top);
            const auto walk = ref.Walk();
            Path selected = walk[rng() % walk.size()].path;
            tree.SetSelection(PathOf(selected), false);
            ref.sel = selected;
            tree.UpdateWindow();
            if (step % 4 == 3)
            {
                for (int n = 0; n < 7; ++n)
                    tree.SendMessage(WM_HSCROLL, SB_LINERIGHT,
                                     reinterpret_cast<LPARAM>(tree.GetDlgItem(102)->m_hWnd));
            }
            tree.UpdateWindow();
            SCROLLINFO si = {};
            static_cast<CScrollBar*>(tree.GetDlgItem(102))->GetScrollInfo(&si, SIF_POS);

            DibCanvas window(cx, cy), expected(cx, cy);
            ASSERT_TRUE(window.IsReady() && expected.IsReady());
            {
                CClientDC dc(&tree);
                window.DC().BitBlt(0, 0, cx, cy, &dc, 0, 0, SRCCOPY);
            }
            painter.Paint(expected.DC(), cx, cy, si.nPos);
            int nWrong = 0;
            const DWORD* pWindow = window.Bits();
            const DWORD* pExpected = expected.Bits();
            for (int y = 2; y < cy - 20; ++y)
            {
                for (int x = 2; x < cx - 20; ++x)
                {
                    if (pWindow[y * cx + x] != pExpected[y * cx + x] && ++nWrong <= 3)
                        ADD_FAILURE() << "step " << step << " top " << ref.top << " offset "
                                      << si.nPos << ": pixel (" << x << ", " << y << ") is "
                                      << ColourText(window.Pixel(x, y))
                                      << ", written: " << ColourText(expected.Pixel(x, y));
                }
            }
            ASSERT_EQ(0, nWrong) << "step " << step;
            ++nCompared;
        }
    }
    EXPECT_EQ(16 * 12, nCompared);
}
