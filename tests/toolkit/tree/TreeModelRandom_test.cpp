// QvoTreeModel against the plainly written rules on random operation sequences: every line,
// child count, expanded mark, total, top line and selection must agree after every step.
#include "FakeTreeParent.h"
#include "TreeModelReference.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
// The owner's answer for a path: mostly small families, some large ones so that child lists
// grow several blocks deep, some leaves and some refusals to tell.
int AnswerFor(const IntPath& path, unsigned salt)
{
    unsigned h = 2166136261u ^ salt;
    for (int i : path)
        h = (h ^ static_cast<unsigned>(i + 7)) * 16777619u;
    h ^= h >> 13;
    switch (h % 16)
    {
    case 0:
        return -1;
    case 1:
    case 2:
        return 0;
    case 3:
        return path.size() < 3 ? 40 + static_cast<int>(h % 160) : 2;
    default:
        return 1 + static_cast<int>((h >> 4) % (path.size() < 4 ? 6 : 2));
    }
}

class AnsweringParent : public QvoTreeWnd::JTreeParent
{
public:
    explicit AnsweringParent(unsigned salt) : m_salt(salt) {}
    void JTPExpanding(QvoTreeWnd::CoExpanding& expanding) override
    {
        expanding.m_iNumChildren = AnswerFor(ToVector(expanding.m_path), m_salt);
    }
    unsigned m_salt;
};

struct Settings
{
    unsigned seed;
    int nRootsMax; // roots of each fresh start, chosen up to this
    int nSteps;
    int nFullCheckEvery; // steps between comparisons of every item
    int nLinesPerPage;
};

class RandomRun
{
public:
    explicit RandomRun(const Settings& s) : m_s(s), m_rng(s.seed), m_owner(s.seed)
    {
        m_ref.answer = [this](const IntPath& path) { return AnswerFor(path, m_s.seed); };
        m_model.SetParent(&m_owner);
        m_model.SetNumVisibleLines(s.nLinesPerPage);
        m_ref.page = s.nLinesPerPage;
    }

    void Run()
    {
        Restart();
        for (int step = 0; step < m_s.nSteps; ++step)
        {
            m_lastOp = Step();
            CompareSummary(step);
            if (::testing::Test::HasFailure())
                return;
            if (step % m_s.nFullCheckEvery == 0 || step == m_s.nSteps - 1)
            {
                CompareAll(step);
                if (::testing::Test::HasFailure())
                    return;
            }
        }
    }

private:
    int Rand(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    void Restart()
    {
        int n = Rand(0, m_s.nRootsMax);
        m_model.SetNumRootItems(n);
        m_model.DataValid();
        m_ref.SetNumRootItems(n);
        m_ref.DataValid();
        m_lastOp = "SetNumRootItems(" + std::to_string(n) + ")";
    }

    // An item of the tree, or now and then a path that names none.
    IntPath PickPath(const std::vector<TreeRef::Tree::Entry>& entries)
    {
        if (entries.empty() || Rand(0, 19) == 0)
        {
            IntPath path(Rand(1, 3));
            for (int& i : path)
                i = Rand(-2, 50);
            return path;
        }
        // Visible items more often than hidden ones: that is where the lines change.
        for (int tries = 0; tries < 4; ++tries)
        {
            const auto& e = entries[Rand(0, static_cast<int>(entries.size()) - 1)];
            if (e.line >= 0 || tries == 3)
                return e.path;
        }
        return entries.front().path;
    }

    std::string Step()
    {
        const auto entries = m_ref.Walk();
        const int op = Rand(0, 99);
        IntPath path = PickPath(entries);
        auto co = PathOf(path);
        const std::string at = PathText(path);
        if (op < 22)
        {
            // Insert below the picked item or beside it, anywhere from -1 to one past the end.
            if (Rand(0, 2) == 0)
                path.push_back(0);
            auto* list = m_ref.ListOf(path);
            const int size = list ? static_cast<int>(list->size()) : 3;
            path.back() = Rand(-1, size + (Rand(0, 9) == 0 ? 1 : 0));
            const int flags = Rand(0, 7);
            auto co2 = PathOf(path);
            m_model.InsertItem(co2, flags);
            m_ref.InsertItem(path, flags);
            return "InsertItem(" + PathText(path) + ", " + std::to_string(flags) + ")";
        }
        if (op < 40)
        {
            m_model.DeleteItem(co);
            m_ref.DeleteItem(path);
            return "DeleteItem(" + at + ")";
        }
        if (op < 48)
        {
            auto* list = m_ref.ListOf(path);
            const int size = list ? static_cast<int>(list->size()) : 3;
            const int index = Rand(-1, size);
            m_model.Swap(co, index);
            m_ref.Swap(path, index);
            return "Swap(" + at + ", " + std::to_string(index) + ")";
        }
        if (op < 68)
        {
            m_model.Expand(co);
            m_ref.Expand(path);
            return "Expand(" + at + ")";
        }
        if (op < 78)
        {
            m_model.Collapse(co);
            m_ref.Collapse(path);
            return "Collapse(" + at + ")";
        }
        if (op < 80)
        {
            m_model.SetNoChildren(co);
            m_ref.SetNoChildren(path);
            return "SetNoChildren(" + at + ")";
        }
        if (op < 92)
        {
            const bool ensure = Rand(0, 1) == 1;
            m_model.SetSelection(co, ensure);
            m_ref.SetSelection(path, ensure);
            return "SetSelection(" + at + ", " + (ensure ? "true" : "false") + ")";
        }
        if (op < 99)
        {
            const int line = Rand(-2, m_ref.total + 2);
            m_model.SetFirstVisibleLine(line);
            m_ref.SetFirstVisibleLine(line);
            return "SetFirstVisibleLine(" + std::to_string(line) + ")";
        }
        Restart();
        return m_lastOp;
    }

    IntPath ModelSelection()
    {
        QvoTreeWnd::CoItemPath selection;
        m_model.GetSelection(selection);
        IntPath indices = ToVector(selection);
        QvoTreeWnd::FreeItemPath(selection);
        return indices;
    }

    std::string Where(int step) const
    {
        return "seed " + std::to_string(m_s.seed) + ", step " + std::to_string(step) + ": " +
               m_lastOp;
    }

    void CompareSummary(int step)
    {
        ASSERT_EQ(m_ref.Total(), m_ref.total) << "the reference's own counter, " << Where(step);
        ASSERT_EQ(m_ref.total, m_model.GetTotalLines()) << "total lines, " << Where(step);
        ASSERT_EQ(static_cast<int>(m_ref.roots.size()), m_model.GetNumRootItems())
            << "roots, " << Where(step);
        ASSERT_EQ(m_ref.top, m_model.GetTopLine()) << "top line, " << Where(step);
        ASSERT_EQ(m_ref.sel, ModelSelection()) << "selection, " << Where(step);
    }

    void CompareAll(int step)
    {
        const auto entries = m_ref.Walk();
        int checkedWritten = 0;
        for (const auto& e : entries)
        {
            IntPath path = e.path;
            auto co = PathOf(path);
            int n;
            bool expanded;
            ASSERT_TRUE(m_model.GetNodeState(co, n, expanded))
                << PathText(path) << " missing, " << Where(step);
            ASSERT_EQ(e.n, n) << "children of " << PathText(path) << ", " << Where(step);
            ASSERT_EQ(e.expanded, expanded) << "expanded " << PathText(path) << ", " << Where(step);
            const int line = m_model.GetLineNumber(co);
            ASSERT_EQ(e.line, line) << "line of " << PathText(path) << ", " << Where(step);
            // The written summation is slow; it confirms the display-order walk on a sample.
            if (checkedWritten < 40 && Rand(0, 15) == 0)
            {
                ++checkedWritten;
                ASSERT_EQ(m_ref.LineNumber(path), line)
                    << "written line of " << PathText(path) << ", " << Where(step);
            }
            if (e.line >= 0)
            {
                QvoTreeWnd::JItemPathBuilder found;
                ASSERT_TRUE(m_model.GetPathAtLine(e.line, found)) << Where(step);
                ASSERT_EQ(path, ToVector(found))
                    << "item on line " << e.line << ", " << Where(step);
            }
        }
    }

    Settings m_s;
    std::mt19937 m_rng;
    AnsweringParent m_owner;
    QvoTreeModel m_model;
    TreeRef::Tree m_ref;
    std::string m_lastOp;
};
} // namespace

TEST(TreeModelRandom, SmallTreesAgreeWithTheWrittenRules)
{
    for (unsigned seed = 1; seed <= 12; ++seed)
    {
        Settings s{seed, 12, 1500, 1, static_cast<int>(seed % 4) * 3};
        RandomRun(s).Run();
        if (HasFailure())
            return;
    }
}

TEST(TreeModelRandom, WideTreesAgreeWithTheWrittenRules)
{
    // Thousands of siblings make lists several blocks deep, so that splitting, borrowing and
    // merging blocks all happen along the way.
    for (unsigned seed = 101; seed <= 103; ++seed)
    {
        Settings s{seed, 6000, 4000, 500, 25};
        RandomRun(s).Run();
        if (HasFailure())
            return;
    }
}
