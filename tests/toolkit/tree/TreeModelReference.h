// The tree model's rules written the plain way: child vectors, line numbers summed over the
// earlier siblings, visible descendants counted by recursion, the total kept as a counter that
// each operation adjusts. The tests and the benchmark hold QvoTreeModel against it. The counter
// changes only for items on visible lines (a root, or a child of an expanded node that is
// itself visible), so insertions, deletions and expansions below a collapsed node leave it
// unchanged; Total() recounts it from that definition.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace TreeRef
{
typedef std::vector<int> Path;

struct Node
{
    int n = -1; // -1 never asked, 0 leaf, else the number of children
    bool expanded = false;
    std::vector<std::unique_ptr<Node>> kids;
};

class Tree
{
public:
    // The owner's answer to an expansion.
    std::function<int(const Path&)> answer = [](const Path&) { return 0; };

    std::vector<std::unique_ptr<Node>> roots;
    int total = 0;
    int top = 0;
    int page = 0;
    Path sel; // empty: no selection

    static int VisibleDescendants(const Node& node)
    {
        if (node.n == -1 || !node.expanded)
            return 0;
        int sum = 0;
        for (const auto& kid : node.kids)
        {
            sum += 1;
            if (kid->n > 0 && kid->expanded)
                sum += VisibleDescendants(*kid);
        }
        return sum;
    }

    int Total() const
    {
        int total = 0;
        for (const auto& root : roots)
            total += 1 + VisibleDescendants(*root);
        return total;
    }

    void SetNumRootItems(int n)
    {
        total = n;
        roots.clear();
        for (int i = 0; i < n; ++i)
            roots.push_back(std::make_unique<Node>());
    }

    void DataValid()
    {
        top = 0;
        sel.clear();
    }

    // The sibling list that holds the item named by path, or null when the walk to it leaves
    // the tree or passes an item without children.
    std::vector<std::unique_ptr<Node>>* ListOf(const Path& path)
    {
        if (path.empty())
            return nullptr;
        std::vector<std::unique_ptr<Node>>* list = &roots;
        for (size_t k = 0; k + 1 < path.size(); ++k)
        {
            if (path[k] < 0 || path[k] >= static_cast<int>(list->size()))
                return nullptr;
            Node* node = (*list)[path[k]].get();
            if (node->n <= 0)
                return nullptr;
            list = &node->kids;
        }
        return list;
    }

    Node* Find(const Path& path)
    {
        auto* list = ListOf(path);
        if (!list || path.back() < 0 || path.back() >= static_cast<int>(list->size()))
            return nullptr;
        return (*list)[path.back()].get();
    }

    int LineNumber(const Path& path)
    {
        if (!Find(path))
            return -1;
        int line = 0;
        for (int i = 0; i < path[0]; ++i)
            line += 1 + VisibleDescendants(*roots[i]);
        if (path.size() == 1)
            return line;
        Node* node = roots[path[0]].get();
        for (size_t k = 1; k < path.size(); ++k)
        {
            if (node->n == -1 || !node->expanded)
                return -1;
            line += 1;
            for (int i = 0; i < path[k]; ++i)
                line += 1 + VisibleDescendants(*node->kids[i]);
            node = node->kids[path[k]].get();
        }
        return line;
    }

    // True when every item above the one named by path shows its children.
    bool Visible(const Path& path)
    {
        for (size_t level = 1; level < path.size(); ++level)
        {
            Node* node = Find(Path(path.begin(), path.begin() + level));
            if (!node || node->n == -1 || !node->expanded)
                return false;
        }
        return true;
    }

    void CheckTopLine()
    {
        if (top + page > total)
            top = total - page;
        if (top < 0)
            top = 0;
    }

    bool IsLineVisible(int line) const { return top <= line && line < top + page; }

    void InsertItem(const Path& path, int flags)
    {
        if (path.empty())
            return;
        // Every node on the way, the parent included, must have been asked.
        std::vector<std::unique_ptr<Node>>* list = &roots;
        for (size_t k = 0; k + 1 < path.size(); ++k)
        {
            if (path[k] < 0 || path[k] >= static_cast<int>(list->size()))
                return;
            Node* node = (*list)[path[k]].get();
            if (node->n == -1)
                return;
            list = &node->kids;
        }
        const size_t level = path.size() - 1;
        const bool append = path[level] == -1;
        const int at = append ? static_cast<int>(list->size()) : path[level];
        if (at < 0 || at > static_cast<int>(list->size()))
            return;
        list->insert(list->begin() + at, std::make_unique<Node>());
        if (level > 0)
            ++Parent(path)->n;
        if (Visible(path))
            ++total;
        CheckTopLine();
        if (flags & 2)
        {
            sel.clear();
        }
        else if (flags & 4)
        {
            sel = path;
            sel[level] = at;
        }
        else if (!sel.empty() && !append && sel.size() > level &&
                 std::equal(path.begin(), path.begin() + level, sel.begin()) && sel[level] >= at)
        {
            ++sel[level];
        }
    }

    void DeleteItem(const Path& path)
    {
        auto* list = ListOf(path);
        if (!list || path.back() < 0 || path.back() >= static_cast<int>(list->size()))
            return;
        if (Visible(path))
            total -= 1 + VisibleDescendants(*(*list)[path.back()]);
        list->erase(list->begin() + path.back());
        if (path.size() > 1)
            --Parent(path)->n;
        CheckTopLine();
        sel.clear();
    }

    void Swap(const Path& path, int index)
    {
        auto* list = ListOf(path);
        const int size = list ? static_cast<int>(list->size()) : 0;
        if (!list || path.back() < 0 || path.back() >= size || index < 0 || index >= size)
            return;
        std::swap((*list)[path.back()], (*list)[index]);
        sel.clear();
    }

    void Expand(const Path& path)
    {
        Node* node = Find(path);
        if (!node)
            return;
        if (node->n == -1)
        {
            int n = answer(path);
            if (n < 0)
                return;
            node->n = n;
            node->expanded = true;
            for (int i = 0; i < n; ++i)
                node->kids.push_back(std::make_unique<Node>());
            if (Visible(path))
                total += n;
            return;
        }
        if (node->expanded)
            return;
        node->expanded = true;
        if (Visible(path))
            total += VisibleDescendants(*node);
    }

    void Collapse(const Path& path)
    {
        Node* node = Find(path);
        if (!node || node->n == -1 || !node->expanded)
            return;
        if (Visible(path))
            total -= VisibleDescendants(*node);
        node->expanded = false;
        CheckTopLine();
    }

    void SetNoChildren(const Path& path)
    {
        Node* node = Find(path);
        if (!node)
            return;
        if (Visible(path))
            total -= VisibleDescendants(*node);
        node->n = 0;
        node->kids.clear();
        CheckTopLine();
    }

    void SetSelection(const Path& path, bool ensureVisible)
    {
        if (ensureVisible)
        {
            int line = LineNumber(path);
            if (!IsLineVisible(line))
            {
                top = line;
                CheckTopLine();
            }
        }
        sel = path;
    }

    void SetFirstVisibleLine(int line)
    {
        top = line;
        CheckTopLine();
    }

    // Every node in display order with its path, its line (-1 when hidden) and its state.
    struct Entry
    {
        Path path;
        int line;
        int n;
        bool expanded;
    };

    std::vector<Entry> Walk() const
    {
        std::vector<Entry> out;
        int line = 0;
        Path path;
        WalkList(roots, true, path, line, out);
        return out;
    }

private:
    Node* Parent(const Path& path)
    {
        Path up(path.begin(), path.end() - 1);
        return Find(up);
    }

    static void WalkList(const std::vector<std::unique_ptr<Node>>& list, bool visible, Path& path,
                         int& line, std::vector<Entry>& out)
    {
        for (size_t i = 0; i < list.size(); ++i)
        {
            const Node& node = *list[i];
            path.push_back(static_cast<int>(i));
            out.push_back({path, visible ? line : -1, node.n, node.expanded});
            if (visible)
                ++line;
            WalkList(node.kids, visible && node.expanded, path, line, out);
            path.pop_back();
        }
    }
};
} // namespace TreeRef
