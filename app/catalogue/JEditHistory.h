// Classes: JEditHistory
// The edits done since a catalogue was loaded, with the place of the last save among them.
#pragma once

#include <memory>
#include <vector>

// TEdit is whatever undoes and redoes one edit; the history only orders them.
template <class TEdit> class JEditHistory
{
public:
    void Clear()
    {
        m_edits.clear();
        m_nApplied = 0;
        m_nSaved = 0;
    }

    // A new edit drops the edits that were undone; a save among them can no longer be reached.
    void Add(std::unique_ptr<TEdit> edit)
    {
        m_edits.resize(m_nApplied);
        if (m_nSaved > m_nApplied)
            m_nSaved = kUnreachable;
        m_edits.push_back(std::move(edit));
        ++m_nApplied;
    }

    // The edit an undo would revert, or an empty pointer.
    TEdit* NextUndo() const { return m_nApplied > 0 ? m_edits[m_nApplied - 1].get() : nullptr; }
    // The edit a redo would apply again, or an empty pointer.
    TEdit* NextRedo() const
    {
        return m_nApplied < m_edits.size() ? m_edits[m_nApplied].get() : nullptr;
    }
    void StepBack()
    {
        if (m_nApplied > 0)
            --m_nApplied;
    }
    void StepForward()
    {
        if (m_nApplied < m_edits.size())
            ++m_nApplied;
    }

    void MarkSaved() { m_nSaved = m_nApplied; }
    // The document changed in a way the history does not hold: no step leads back to the save.
    void ForgetSaved() { m_nSaved = kUnreachable; }
    bool IsAtSaved() const { return m_nSaved == m_nApplied; }
    size_t GetCount() const { return m_edits.size(); }

private:
    static constexpr size_t kUnreachable = static_cast<size_t>(-1);

    std::vector<std::unique_ptr<TEdit>> m_edits;
    size_t m_nApplied = 0;
    size_t m_nSaved = 0;
};
