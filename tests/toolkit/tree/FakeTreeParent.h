// A tree owner for the tests: serves child counts from a table, item texts made from the path
// and images from a table, and records what the tree asked and which items it reported
// selected.
#pragma once

#include "toolkit/tree/QvTree.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

typedef std::vector<int> IntPath;

inline IntPath ToVector(const QvoTreeWnd::CoItemPath& path)
{
    return IntPath(path.m_piIndex, path.m_piIndex + path.m_iCount);
}

// A CoItemPath over a vector's indices, valid while the vector lives.
inline QvoTreeWnd::CoItemPath PathOf(IntPath& indices)
{
    return QvoTreeWnd::CoItemPath(static_cast<int>(indices.size()), indices.data());
}

inline std::string PathText(const IntPath& path)
{
    std::string text = "[";
    for (size_t k = 0; k < path.size(); ++k)
        text += (k ? "," : "") + std::to_string(path[k]);
    return text + "]";
}

class FakeTreeParent : public QvoTreeWnd::JTreeParent
{
public:
    // Child counts by path; paths not listed get m_nDefault.
    std::map<IntPath, int> m_counts;
    int m_nDefault = 0;
    // Runs inside JTPExpanding after the answer is set, to act as an owner that edits the
    // tree while it is asked.
    std::function<void()> m_onExpanding;

    // Images by path; paths not listed get m_nDefaultImage.
    std::map<IntPath, int> m_images;
    int m_nDefaultImage = -1;
    // Appended to every item's text.
    std::string m_suffix;
    // Whether JTPGetItem tells the child count (else has-children stays -1, not told).
    bool m_bTellChildren = true;

    std::vector<IntPath> m_expanded;
    std::vector<IntPath> m_got;
    struct Selected
    {
        IntPath path;
        bool bDblClk;
        bool bUser;
    };
    std::vector<Selected> m_selected;

    int CountOf(const IntPath& path) const
    {
        auto it = m_counts.find(path);
        return it == m_counts.end() ? m_nDefault : it->second;
    }

    void JTPExpanding(QvoTreeWnd::CoExpanding& expanding) override
    {
        IntPath path = ToVector(expanding.m_path);
        m_expanded.push_back(path);
        expanding.m_iNumChildren = CountOf(path);
        if (m_onExpanding)
            m_onExpanding();
    }

    void JTPGetItem(QvoTreeWnd::CoGetItem& item) override
    {
        IntPath path = ToVector(item.m_path);
        m_got.push_back(path);
        item.m_strText = TextOf(path).c_str();
        auto image = m_images.find(path);
        item.m_iImage = image == m_images.end() ? m_nDefaultImage : image->second;
        if (m_bTellChildren)
            item.m_iHasChildren = CountOf(path);
    }

    void JTPItemSelected(QvoTreeWnd::CoItemSelected& selected) override
    {
        m_selected.push_back({ToVector(selected.m_path), selected.m_bDblClk, selected.m_bUser});
    }

    std::string TextOf(const IntPath& path) const { return "Item " + PathText(path) + m_suffix; }
};

// A window side for the model that records what it was told.
class RecordingView : public QvoTreeModel::JTreeView
{
public:
    explicit RecordingView(QvoTreeModel& model, int nLinesPerPage = 0)
        : m_model(model), m_nLinesPerPage(nLinesPerPage)
    {
        model.SetView(this);
    }

    struct ScrollInfo
    {
        int nMin, nMax, nPage, nPos; // nPos -1: position not set
    };

    void TVDataValid() override
    {
        ++m_nDataValid;
        m_model.SetNumVisibleLines(m_nLinesPerPage);
    }
    void TVSetVScroll(bool bPosition) override
    {
        m_scroll.push_back({0, m_model.GetTotalLines() - 1, m_model.GetNumVisibleLines(),
                            bPosition ? m_model.GetTopLine() : -1});
    }
    void TVRedraw() override { ++m_nRedraws; }

    void Reset()
    {
        m_scroll.clear();
        m_nRedraws = 0;
        m_nDataValid = 0;
    }

    QvoTreeModel& m_model;
    int m_nLinesPerPage;
    std::vector<ScrollInfo> m_scroll;
    int m_nRedraws = 0;
    int m_nDataValid = 0;
};
