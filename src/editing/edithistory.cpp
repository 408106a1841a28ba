#include "editing/edithistory.h"

#include <algorithm>

namespace qm {

namespace {

std::size_t textBytes(const std::string& s) {
    return sizeof(std::string) + (s.capacity() > 15 ? s.capacity() : 0);
}

std::size_t recordBytes(const UnitRecord& r) {
    return sizeof(r.Icon) + textBytes(r.Name) + textBytes(r.Ratio) + textBytes(r.Offset) +
           textBytes(r.RatioError) + textBytes(r.OffsetError) + textBytes(r.Memo);
}

std::size_t frameBytes(const ConversionTable& t) {
    std::size_t n = sizeof(ConversionTable);
    for (const auto& s : t.psCatGroupName)
        n += textBytes(s);
    for (const auto& s : t.psCategoryName)
        n += textBytes(s);
    return n;
}

} // namespace

std::size_t EditHistory::stepBytes(const Step& s) {
    std::size_t n = frameBytes(s.frame) + s.label.size();
    for (const auto& column : s.columns)
        for (const UnitRecord& r : column.second)
            n += recordBytes(r);
    return n;
}

EditHistory::EditHistory(std::size_t maxSteps, std::size_t maxBytes)
    : maxSteps_(std::max<std::size_t>(maxSteps, 1)), maxBytes_(maxBytes) {}

void EditHistory::sync(const ConversionTable& t) {
    // A save clears the table's flag: the state it is in is the saved one.
    if (!t.pbTableChanged) saved_ = current_;
}

TableSnapshot snapshotOf(ConversionTable& t, int category) {
    TableSnapshot s;
    s.columnSize = t.units.empty() ? 0 : t.units[0].size();
    std::vector<std::vector<UnitRecord>> units = std::move(t.units);
    try {
        s.frame = t;
    } catch (...) {
        t.units = std::move(units);
        throw;
    }
    t.units = std::move(units);
    for (std::size_t c = 0; c < t.units.size(); ++c)
        if (category == kAllUnits || static_cast<int>(c) == category)
            s.columns.emplace_back(static_cast<int>(c), t.units[c]);
    return s;
}

namespace {

// A column at the size it had: a larger dimension only added empty slots.
std::vector<UnitRecord> atSize(const std::vector<UnitRecord>& column, std::size_t size) {
    std::vector<UnitRecord> out(column.begin(),
                                column.begin() +
                                    static_cast<std::ptrdiff_t>(std::min(size, column.size())));
    out.resize(size);
    return out;
}

} // namespace

void restoreSnapshot(ConversionTable& t, TableSnapshot s) {
    std::vector<std::vector<UnitRecord>> units = std::move(t.units);
    for (auto& column : units)
        if (column.size() != s.columnSize) column = atSize(column, s.columnSize);
    for (auto& [c, column] : s.columns)
        units[static_cast<std::size_t>(c)] = std::move(column);
    t = std::move(s.frame);
    t.units = std::move(units);
}

void EditHistory::record(std::string label, ConversionTable before, ConversionTable& after) {
    TableSnapshot s;
    s.columnSize = before.units.empty() ? 0 : before.units[0].size();
    for (std::size_t c = 0; c < before.units.size(); ++c)
        s.columns.emplace_back(static_cast<int>(c), std::move(before.units[c]));
    before.units.clear();
    s.frame = std::move(before);
    record(std::move(label), std::move(s), after);
}

void EditHistory::record(std::string label, TableSnapshot before, ConversionTable& after) {
    sync(before.frame);
    Step s;
    s.label = std::move(label);
    s.state = current_;
    std::vector<bool> kept(after.units.size(), false);
    for (auto& [c, column] : before.columns) {
        kept[static_cast<std::size_t>(c)] = true;
        if (column != after.units[static_cast<std::size_t>(c)])
            s.columns.emplace_back(c, std::move(column));
    }
    const std::size_t size = after.units.empty() ? 0 : after.units[0].size();
    for (std::size_t c = 0; size != before.columnSize && c < after.units.size(); ++c)
        if (!kept[c])
            s.columns.emplace_back(static_cast<int>(c), atSize(after.units[c], before.columnSize));
    s.frame = std::move(before.frame);
    s.frame.units.clear();
    s.bytes = stepBytes(s);
    bytes_ += s.bytes;
    for (const Step& r : redo_)
        bytes_ -= r.bytes;
    redo_.clear();
    undo_.push_back(std::move(s));
    current_ = next_++;
    after.pbTableChanged = true;
    trim();
}

void EditHistory::trim() {
    while (!undo_.empty() &&
           (undo_.size() > maxSteps_ || (bytes_ > maxBytes_ && undo_.size() > 1))) {
        bytes_ -= undo_.front().bytes;
        undo_.pop_front();
    }
}

void EditHistory::swapInto(ConversionTable& t, Step& s) {
    std::vector<std::vector<UnitRecord>> units = std::move(t.units);
    for (auto& [c, column] : s.columns)
        std::swap(units[static_cast<std::size_t>(c)], column);
    std::string file = std::move(t.psTableFile);
    std::swap(t, s.frame);
    s.frame.units.clear();
    s.frame.psTableFile.clear();
    t.units = std::move(units);
    t.psTableFile = std::move(file);
}

bool EditHistory::undo(ConversionTable& t) {
    return step(undo_, redo_, t);
}

bool EditHistory::redo(ConversionTable& t) {
    return step(redo_, undo_, t);
}

// Takes the newest step of one list into the table; what it replaced becomes
// the newest step of the other list.
bool EditHistory::step(std::deque<Step>& from, std::deque<Step>& to, ConversionTable& t) {
    if (from.empty()) return false;
    sync(t);
    Step s = std::move(from.back());
    from.pop_back();
    swapInto(t, s);
    bytes_ -= s.bytes;
    s.bytes = stepBytes(s);
    bytes_ += s.bytes;
    std::swap(s.state, current_);
    t.pbTableChanged = current_ != saved_;
    to.push_back(std::move(s));
    return true;
}

std::string EditHistory::undoLabel() const {
    return undo_.empty() ? std::string() : undo_.back().label;
}

std::string EditHistory::redoLabel() const {
    return redo_.empty() ? std::string() : redo_.back().label;
}

void EditHistory::clear() {
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
    current_ = next_++;
    saved_ = current_;
}

void EditHistory::markSaved() {
    saved_ = current_;
}

} // namespace qm
