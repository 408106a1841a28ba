#include "auxwindows/memo.h"

#include "table/fileio.h"
#include "table/tablewriter.h"

#include <algorithm>
#include <cmath>

namespace qm {

const char* const kMemoFlattenedText =
    "The data file keeps a memo on one line: its line breaks are stored as blanks "
    "and each \";\" as \",\".";
const char* const kMemoTooLongText =
    "This memo is too long: the data file would grow beyond 16 MB and could not be "
    "read again. Shorten the memo; the unit keeps its earlier memo until then.";

std::string storableMemo(std::string_view typed) {
    std::string out;
    out.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (c == '\r') {
            if (i + 1 < typed.size() && typed[i + 1] == '\n') ++i;
            out += ' ';
        } else if (c == '\n') {
            out += ' ';
        } else if (c == ';') {
            out += ',';
        } else if (typed.substr(i, 3) == "\xE2\x80\xA8" || typed.substr(i, 3) == "\xE2\x80\xA9") {
            out += ' '; // the Unicode line and paragraph separators
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

bool memoUnitExists(const ConversionTable& t, int category, int unit) {
    return category >= 1 && category <= t.pnCategoryCount && category <= kMaxSlot && unit >= 1 &&
           unit <= t.pnUnitCount[static_cast<std::size_t>(category)] && unit <= t.unitDim();
}

MemoCheck checkMemo(const ConversionTable& t, int category, int unit, const std::string& typed) {
    if (!memoUnitExists(t, category, unit)) return {};
    const std::string& old = t.unit(category, unit).Memo;
    std::string text = storableMemo(typed);
    if (text == old) return {};
    if (text.size() > old.size()) {
        // The writer keeps every field's length, so the new file is this much longer.
        const std::size_t now = tableFileText(t, [](int) { return false; }).size();
        if (now - old.size() + text.size() > kMaxDataFileBytes) return {MemoVerdict::TooLong, {}};
    }
    const MemoVerdict v = text == typed ? MemoVerdict::Store : MemoVerdict::Flattened;
    return {v, std::move(text)};
}

std::string memoCaption(const ConversionTable& t, int category, int unit) {
    if (!memoUnitExists(t, category, unit)) return " About ";
    return " About " + t.unit(category, unit).Name;
}

MemoRect memoPlace(const MemoRect& main, double memoWidth, double memoHeight,
                   const MemoRect& screen) {
    const double screenRight = screen.left + screen.width;
    const double top = std::clamp(main.top, screen.top,
                                  std::max(screen.top, screen.top + screen.height - memoHeight));
    if (main.left + main.width + memoWidth <= screenRight)
        return {main.left + main.width, top, memoWidth, memoHeight};
    if (main.left - memoWidth >= screen.left)
        return {main.left - memoWidth, top, memoWidth, memoHeight};
    return {main.left + std::trunc((main.width - memoWidth) / 2),
            main.top + std::trunc((main.height - memoHeight) / 2), memoWidth, memoHeight};
}

} // namespace qm

namespace qm {

void pStoreMemo(ConversionTable& t, int category, int unit, const std::string& text) {
    if (!memoUnitExists(t, category, unit)) return;
    std::string& memo = t.unit(category, unit).Memo;
    if (memo == text) return;
    memo = text;
    t.pbTableChanged = true;
}

} // namespace qm
