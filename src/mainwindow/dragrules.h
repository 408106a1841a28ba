// The rules of dragging in the main window: when a drag may start, which
// place accepts what, what a drop does, the scroll bands of the watch timer
// and the steps of the scroll timer. Plain values in, decisions out.
#pragma once

#include "table/conversiontable.h"

#include <cstdint>

namespace qm {

enum class DragKind { None, Category, Unit };
enum class DropPlace { InputBox, OutputBox, Tree, List, Other };

// A category node can be dragged while the table may be changed, and only an
// ordinary category (not the root, a group, Number System or Constants).
bool canStartTreeDrag(const ConversionTable& t, int selNode, int16_t modify);

// What the selection and the settings say about a drag.
struct DragSituation {
    DragKind kind = DragKind::None;
    bool constantsSelected = false; // the list shows the constants
    bool modify = true;             // the table may be changed
    bool sortUnit = false;
    bool sortGroup = false;
};

// Over a place: whether it takes the drop (else the no-drop icon), whether a
// box shows inverted colours, and whether the node or row under the mouse
// becomes the drop highlight.
struct DragOverLook {
    bool accepts = false;
    bool invertBox = false;
    bool highlight = false;
    bool operator==(const DragOverLook&) const = default;
};
DragOverLook dragOver(const DragSituation& s, DropPlace place);

enum class DropAction { None, ChooseFrom, ChooseInto, MoveUnit, MoveCategory, Refused };
struct DropDecision {
    DropAction action = DropAction::None;
    int tip = -1; // the tip offered for a refused move
    bool operator==(const DropDecision&) const = default;
};
// A drop on a place; `highlighted` is the drop highlight's row or node, 0 none.
DropDecision dropOn(const DragSituation& s, DropPlace place, int highlighted);

// Where the cursor is against the rectangle of the dragging view: outside it,
// in the band along its top or bottom edge (`margin` high), or between.
enum class Band { Outside, Top, Middle, Bottom };
Band bandAt(int x, int y, int left, int top, int width, int height, int margin);

inline constexpr int kWatchInterval = 100; // ms
inline constexpr int kMaxWatchTicks = 6000;

struct WatchState {
    int watchTicks = 0; // since the drag started
    int zoneTicks = 0;  // since the cursor came into the bottom band
    int direction = 0;  // 1 up, 2 down
};
enum class WatchAction { None, StopWatch, StopScroll, StartScroll, EndDrag };
struct WatchOutcome {
    WatchAction action = WatchAction::None;
    int tip = -1; // offered when the drag ends
    bool operator==(const WatchOutcome&) const = default;
};
struct WatchInput {
    DragKind kind = DragKind::None;
    Band band = Band::Outside;
    bool sorted = false;     // the dragging view is arranged by name
    int showHintDelay = 500; // ms
    int scrollDownDelay = 500;
};
// One tick of the watch timer.
WatchOutcome watchTick(WatchState& st, const WatchInput& in);

// One tick of the scroll timer: the next position, whether to scroll it into
// view, and whether the timer stops.
struct ScrollStep {
    int position = 0;
    bool scroll = false;
    bool stop = false;
    bool operator==(const ScrollStep&) const = default;
};
// List rows 1..unitCount.
ScrollStep listScrollStep(int position, int direction, int unitCount);
// Tree: the category nodes.
ScrollStep treeScrollStep(const ConversionTable& t, int position, int direction);

} // namespace qm
