// The memo of a unit as the memo window keeps it: the text that the data file
// can hold, the check that the file stays readable, and where the window goes.
#pragma once

#include "table/conversiontable.h"

#include <string>
#include <string_view>

namespace qm {

// The data file keeps a memo as the last field of its unit's line: a line
// break would end the line and a ';' would start another field. Each line
// break (CR LF, CR, LF, U+2028, U+2029) becomes one blank and each ';' a ','.
std::string storableMemo(std::string_view typed);

enum class MemoVerdict {
    Unchanged, // the stored memo is already this text
    Store,     // store it as typed
    Flattened, // store it, with line breaks and ';' replaced
    TooLong,   // the file would grow beyond what can be read back: keep the old memo
};

struct MemoCheck {
    MemoVerdict verdict = MemoVerdict::Unchanged;
    std::string text; // what is stored (Store, Flattened)
};

// What becomes of a typed memo for unit u of category c.
MemoCheck checkMemo(const ConversionTable& t, int category, int unit, const std::string& typed);

// The messages for Flattened and TooLong.
extern const char* const kMemoFlattenedText;
extern const char* const kMemoTooLongText;

// The unit whose memo is shown: valid when the category and unit exist.
bool memoUnitExists(const ConversionTable& t, int category, int unit);

// The memo window's caption: " About " and the unit's name.
std::string memoCaption(const ConversionTable& t, int category, int unit);

struct MemoRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const MemoRect&) const = default;
};

// Where the memo window opens, all in twips: beside the main window, on its
// right when the screen has room there, else on its left, its top level with
// the main window's top (kept on the screen); centred over the main window,
// halves truncated, when neither side has room.
MemoRect memoPlace(const MemoRect& main, double memoWidth, double memoHeight,
                   const MemoRect& screen);

} // namespace qm

namespace qm {

// Stores a checked memo text as the unit's memo; the table counts as changed
// when the text differs.
void pStoreMemo(ConversionTable& t, int category, int unit, const std::string& text);

} // namespace qm
