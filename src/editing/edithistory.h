// Undo and redo of changes to the conversion table. Each step keeps what the
// change replaced: the table without its units, and the unit columns of the
// categories whose units changed. Undoing swaps them back in, which leaves the
// step ready to redo. A new change drops what could be redone. The state last
// saved is remembered, so a table undone or redone back to it is unchanged.
#pragma once

#include "table/conversiontable.h"

#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace qm {

// The table before a change: everything but the units, and the unit columns
// of the categories that the change may touch.
struct TableSnapshot {
    ConversionTable frame; // its units left out
    std::vector<std::pair<int, std::vector<UnitRecord>>> columns;
    std::size_t columnSize = 0; // unit slots per category
};

inline constexpr int kAllUnits = -1; // a change that may touch any unit
inline constexpr int kNoUnits = -2;  // a change of the tree alone

// Takes the snapshot with every unit column (kAllUnits), one category's
// (0..100) or none (kNoUnits).
TableSnapshot snapshotOf(ConversionTable& t, int category);
// Puts the table back as it was (a change that failed half-way).
void restoreSnapshot(ConversionTable& t, TableSnapshot s);

class EditHistory {
  public:
    explicit EditHistory(std::size_t maxSteps = 200, std::size_t maxBytes = 48u << 20);

    // Records a change named by the label ("Rename Unit") from `before` to
    // `after` (the table as it is now). Marks `after` changed.
    void record(std::string label, ConversionTable before, ConversionTable& after);
    // The same from a snapshot; units outside its columns must not have
    // changed, except for the empty slots that a larger unit dimension adds.
    void record(std::string label, TableSnapshot before, ConversionTable& after);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The label of the step that undo or redo would take, empty when none.
    std::string undoLabel() const;
    std::string redoLabel() const;

    // Takes the table one step back or forward; false when there is none. The
    // file name stays; the table counts as changed unless it is the saved state.
    bool undo(ConversionTable& t);
    bool redo(ConversionTable& t);

    // Forgets every step (another table was read).
    void clear();
    // The table as it is now is the one on disk.
    void markSaved();

    std::size_t steps() const { return undo_.size() + redo_.size(); }
    std::size_t bytes() const { return bytes_; }

  private:
    struct Step {
        std::string label;
        ConversionTable frame; // the table without its units
        std::vector<std::pair<int, std::vector<UnitRecord>>> columns;
        long state = 0; // the state this step returns to
        std::size_t bytes = 0;
    };
    static void swapInto(ConversionTable& t, Step& s);
    static std::size_t stepBytes(const Step& s);
    void trim();
    void sync(const ConversionTable& t);
    bool step(std::deque<Step>& from, std::deque<Step>& to, ConversionTable& t);

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    std::size_t maxSteps_;
    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    long current_ = 0; // the state the table is in
    long next_ = 1;
    long saved_ = 0;
};

} // namespace qm
