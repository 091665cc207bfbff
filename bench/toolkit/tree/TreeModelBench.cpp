// Tree model benchmark: GetLineNumber, InsertItem and DeleteItem in microseconds per call.
// The tree: N roots, of which 9 in 1000 are expanded, and the sixth child of 1 in 1000 roots
// expanded too, every expanded node with ten children (10,000 expanded nodes for a million
// roots). Paths are drawn evenly from the three levels. QvoTreeModel is timed on a small and on
// the large tree, then runs the same operations in step with the plainly written rules (line
// numbers summed over the earlier siblings, child vectors), which are timed alongside, and every
// line, total and selection is compared.
//   TreeModelBench [runs]       best of runs (default 5) for each QvoTreeModel figure
#include "tests/toolkit/tree/TreeModelReference.h"
#include "toolkit/tree/QvTree.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <random>
#include <vector>

namespace
{
typedef std::vector<int> Path;

constexpr int kChildren = 10;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

class TenChildren : public QvoTreeWnd::JTreeParent
{
public:
    void JTPExpanding(QvoTreeWnd::CoExpanding& expanding) override
    {
        expanding.m_iNumChildren = kChildren;
    }
};

QvoTreeWnd::CoItemPath PathOf(Path& path)
{
    return QvoTreeWnd::CoItemPath(static_cast<int>(path.size()), path.data());
}

// The shape of the benchmark tree for a number of roots.
struct Shape
{
    int nRoots;
    int ExpandedRoots() const { return nRoots / 1000 * 9; }
    int ExpandedChildren() const { return nRoots / 1000; }
    static int ExpandedRoot(int j) { return 100 * j + 50; }
    int ExpandedNodes() const { return ExpandedRoots() + ExpandedChildren(); }
    int Lines() const { return nRoots + kChildren * ExpandedNodes(); }
};

template <class Tree> void Build(Tree& tree, const Shape& shape)
{
    for (int j = 0; j < shape.ExpandedRoots(); ++j)
    {
        Path path{Shape::ExpandedRoot(j)};
        tree.Expand(path);
    }
    for (int j = 0; j < shape.ExpandedChildren(); ++j)
    {
        Path path{Shape::ExpandedRoot(j), 5};
        tree.Expand(path);
    }
}

// The model and the reference behind one call shape, so that Build and the runs serve both.
struct ModelTree
{
    QvoTreeModel model;
    TenChildren owner;
    explicit ModelTree(const Shape& shape)
    {
        model.SetParent(&owner);
        model.SetNumRootItems(shape.nRoots);
        model.DataValid();
        Build(*this, shape);
    }
    void Expand(Path& path) { model.Expand(PathOf(path)); }
};

struct ReferenceTree
{
    TreeRef::Tree tree;
    explicit ReferenceTree(const Shape& shape)
    {
        tree.answer = [](const Path&) { return kChildren; };
        tree.SetNumRootItems(shape.nRoots);
        tree.DataValid();
        Build(*this, shape);
    }
    void Expand(Path& path) { tree.Expand(path); }
};

// A path on the given level (1 to 3) of an item of the benchmark tree; iExtra widens the last
// index by that many places (for insertion positions).
Path RandomPath(std::mt19937& rng, const Shape& shape, int iLevel, int iExtra = 0)
{
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    if (iLevel == 1)
        return Path{pick(shape.nRoots + iExtra)};
    if (iLevel == 2)
        return Path{Shape::ExpandedRoot(pick(shape.ExpandedRoots())), pick(kChildren + iExtra)};
    return Path{Shape::ExpandedRoot(pick(shape.ExpandedChildren())), 5, pick(kChildren + iExtra)};
}

struct Figures
{
    double dLineUs = 1e30;
    double dInsertUs = 1e30;
    double dDeleteUs = 1e30;
};

long g_sink = 0; // keeps the line numbers alive

Figures TimeModel(const Shape& shape, int nRuns)
{
    ModelTree t(shape);
    std::mt19937 rng(12345);
    const int nLookups = 300000;
    std::vector<Path> lookups;
    lookups.reserve(nLookups);
    for (int i = 0; i < nLookups; ++i)
        lookups.push_back(RandomPath(rng, shape, 1 + i % 3));

    // Insertions at random places of one level, then deletions at the same places in reverse
    // order, which removes exactly the inserted items and leaves the tree as it was.
    const int nEdits = 20000;
    std::vector<Path> edits[3];
    for (int level = 1; level <= 3; ++level)
    {
        for (int i = 0; i < nEdits; ++i)
            edits[level - 1].push_back(RandomPath(rng, shape, level, 1));
    }

    Figures best;
    for (int run = 0; run < nRuns; ++run)
    {
        double t0 = Now();
        for (Path& path : lookups)
            g_sink += t.model.GetLineNumber(PathOf(path));
        best.dLineUs = std::min(best.dLineUs, (Now() - t0) * 1e6 / nLookups);

        double dInsert = 0, dDelete = 0;
        for (auto& batch : edits)
        {
            t0 = Now();
            for (Path& path : batch)
                t.model.InsertItem(PathOf(path), 0);
            dInsert += Now() - t0;
            t0 = Now();
            for (auto it = batch.rbegin(); it != batch.rend(); ++it)
                t.model.DeleteItem(PathOf(*it));
            dDelete += Now() - t0;
        }
        best.dInsertUs = std::min(best.dInsertUs, dInsert * 1e6 / (3 * nEdits));
        best.dDeleteUs = std::min(best.dDeleteUs, dDelete * 1e6 / (3 * nEdits));
        if (t.model.GetTotalLines() != shape.Lines())
        {
            printf("  ERROR: %d lines after the edits, expected %d\n", t.model.GetTotalLines(),
                   shape.Lines());
            exit(2);
        }
    }
    return best;
}

Path ModelSelection(const QvoTreeModel& model)
{
    QvoTreeWnd::CoItemPath selection;
    model.GetSelection(selection);
    Path path(selection.m_piIndex, selection.m_piIndex + selection.m_iCount);
    QvoTreeWnd::FreeItemPath(selection);
    return path;
}

// Runs both in step; returns the number of disagreements and fills the reference's figures.
int CompareWithReference(const Shape& shape, Figures& ref, int& nCompared)
{
    ModelTree m(shape);
    ReferenceTree r(shape);
    std::mt19937 rng(777);
    int nBad = 0;
    nCompared = 0;
    auto check = [&](bool bSame, const char* what, const Path& path) {
        ++nCompared;
        if (!bSame && ++nBad <= 10)
        {
            printf("  MISMATCH %s at [", what);
            for (size_t k = 0; k < path.size(); ++k)
                printf(k ? ",%d" : "%d", path[k]);
            printf("]\n");
        }
    };

    const int nOps = 150;
    double dLine = 0, dInsert = 0, dDelete = 0;
    for (int i = 0; i < nOps; ++i)
    {
        Path path = RandomPath(rng, shape, 1 + i % 3);
        double t0 = Now();
        const int iRefLine = r.tree.LineNumber(path);
        dLine += Now() - t0;
        check(iRefLine == m.model.GetLineNumber(PathOf(path)), "line", path);
    }
    for (int i = 0; i < nOps; ++i)
    {
        Path select = RandomPath(rng, shape, 1 + i % 3);
        m.model.SetSelection(PathOf(select), false);
        r.tree.SetSelection(select, false);

        Path path = RandomPath(rng, shape, 1 + i % 3, 1);
        m.model.InsertItem(PathOf(path), 0);
        double t0 = Now();
        r.tree.InsertItem(path, 0);
        dInsert += Now() - t0;
        check(r.tree.total == m.model.GetTotalLines(), "total after insert", path);
        check(r.tree.sel == ModelSelection(m.model), "selection after insert", path);

        path = RandomPath(rng, shape, 1 + (i + 1) % 3);
        m.model.DeleteItem(PathOf(path));
        t0 = Now();
        r.tree.DeleteItem(path);
        dDelete += Now() - t0;
        check(r.tree.total == m.model.GetTotalLines(), "total after delete", path);
        check(r.tree.sel == ModelSelection(m.model), "selection after delete", path);
    }
    for (const auto& e : r.tree.Walk())
    {
        Path path = e.path;
        if (rng() % 500 == 0)
            check(e.line == m.model.GetLineNumber(PathOf(path)), "line after edits", path);
    }
    ref.dLineUs = dLine * 1e6 / nOps;
    ref.dInsertUs = dInsert * 1e6 / nOps;
    ref.dDeleteUs = dDelete * 1e6 / nOps;
    return nBad;
}
} // namespace

int main(int argc, char** argv)
{
    const int nRuns = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    printf("Tree model, microseconds per call, best of %d runs; paths spread over three levels\n",
           nRuns);
    printf("  %-44s %14s %14s %14s\n", "tree", "GetLineNumber", "InsertItem", "DeleteItem");
    Figures large;
    for (int nRoots : {10000, 1000000})
    {
        const Shape shape{nRoots};
        const Figures f = TimeModel(shape, nRuns);
        char what[80];
        snprintf(what, sizeof what, "QvoTreeModel, %d roots, %d expanded", nRoots,
                 shape.ExpandedNodes());
        printf("  %-44s %14.3f %14.3f %14.3f\n", what, f.dLineUs, f.dInsertUs, f.dDeleteUs);
        large = f;
    }

    const Shape shape{1000000};
    Figures ref;
    int nCompared = 0;
    const int nBad = CompareWithReference(shape, ref, nCompared);
    printf("  %-44s %14.1f %14.1f %14.1f\n", "written rules, 1000000 roots", ref.dLineUs,
           ref.dInsertUs, ref.dDeleteUs);
    printf("  speed-up on 1000000 roots: %.0fx GetLineNumber, %.0fx InsertItem, %.0fx "
           "DeleteItem\n",
           ref.dLineUs / large.dLineUs, ref.dInsertUs / large.dInsertUs,
           ref.dDeleteUs / large.dDeleteUs);
    printf("Identity with the written rules: %d results compared, %d mismatches\n", nCompared,
           nBad);
    return nBad ? 1 : (g_sink == 42 ? 3 : 0);
}
