// What the main window shows, worked out from the table and the settings
// without any window: the tree's nodes, the list's rows and columns, the
// caption, the texts put on the clipboard, and the unit choices.
#pragma once

#include "auxwindows/hinttext.h"
#include "mainwindow/program.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm {

// ---- Category tree ----

enum class NodeKind { Root, Group, Category };

struct TreeNode {
    int index = 0;  // node index, 1-based, in order of insertion
    int parent = 0; // node index of the parent, 0 for the root
    std::string text;
    NodeKind kind = NodeKind::Root;
    int image = 1;     // 1 collapsed / 2 expanded folder; a category's Icon#
    int category = -1; // Category# of a category node
    bool expanded = false;
};

// Every node of the tree in insertion order (element i is node i + 1): the
// root, the groups, then the categories of the root and of each group in
// Order# order. Groups are expanded as pnCatGroupExpanded says; the root is.
std::vector<TreeNode> buildTreeNodes(const ConversionTable& t, const std::string& rootText);

// The children of `parent` in display order. The groups' children are
// arranged by name (ignoring letter case, equal names by node index) when
// sortGroup is on; the root's children never are.
std::vector<int> childrenInDisplayOrder(const std::vector<TreeNode>& nodes, int parent,
                                        bool sortGroup);

// ---- Unit list ----

struct ListRow {
    int16_t unit = 0; // unit number within the category
    std::string text; // name (quantity for a constant)
    std::string col1; // ratio (value)
    std::string col2; // offset (unit text)
    int16_t icon = 0;
};

// The rows of category c (none when c is no category), in unit-number order,
// or arranged by name (ignoring letter case; equal names by unit number) in
// the given direction when sortUnit is on.
std::vector<ListRow> listRows(const ConversionTable& t, int16_t category, bool sortUnit,
                              bool descending);

// The list layout for the selected node: 2 number system, 1 constants, 0 units.
int16_t headerLayoutFor(const ConversionTable& t, int16_t selNode);

struct ColumnSpec {
    std::string text;
    float widthTwips = 0;
};

// Mends the header settings (an empty text becomes " ", a width below 240
// twips becomes 240, for every layout) and returns the three columns of one
// layout; columns 1 and 2 of the number-system layout are titled " ".
std::vector<ColumnSpec> prepareColumns(Settings& s, int layout);

// ---- Caption and selection ----

// The columns must be built again for a layout unless they already show it:
// the unit layout while pbUnitHeaders is set, the other two while
// pnHeaderIndex names them (choosing the same category twice keeps the list).
bool columnsNeedRebuild(const Selection& sel, int16_t layout);

// psAppTitle alone unless a category of the table is selected and its name is
// known; then with " - " and the name.
std::string captionFor(const std::string& appTitle, const ConversionTable& t, int16_t selNode,
                       const std::string& selGroupName);

// Where the restored selection goes at start: the node to highlight (the
// parent when that is collapsed), and the category shown in the list.
struct RestoredSelection {
    int highlightNode = 1;
    std::optional<std::string> categoryName; // none when the root is selected
    int16_t category = -1;
};
RestoredSelection restoreSelection(const ConversionTable& t, const std::vector<TreeNode>& nodes,
                                   int16_t selNode);

// True when the node is a category other than Constants: units may be chosen.
bool unitsSelectable(const ConversionTable& t, int16_t selNode);

// ---- Renaming ----

// Stores a tree node's new name: the group entry (the root writes entry 0) or
// the category; a renamed category also becomes the selected name. Marks the
// table changed. Returns the new caption when it changes.
std::optional<std::string> renameTreeNode(Program& p, int node, int16_t rememberedCategory,
                                          const std::string& text);

// Stores a unit's new name and marks the table changed.
void renameUnit(Program& p, int16_t category, int16_t unit, const std::string& text);

// ---- Clipboard and history ----

// The clipboard text of the conversion result: the output cut before the
// first plus-minus sign when the rounding error is shown, trimmed of blanks.
std::string conversionClipText(const std::string& output, bool showError);
// "input panel2 = output panel4", trimmed.
std::string conversionHistoryText(const std::string& input, const std::string& fromName,
                                  const std::string& output, const std::string& intoName);
// "formula = result", trimmed.
std::string calculationHistoryText(const std::string& formula, const std::string& result);
// Name, ratio, offset, ratio error, offset error and memo joined by blanks,
// trimmed; empty when the unit is outside the table.
std::string unitPropertiesText(const ConversionTable& t, int16_t category, int16_t unit);

// ---- Units and swapping ----

// The convert-from / convert-into state as the status bar shows it.
struct UnitChoice {
    std::string fromName; // panel 2
    std::string intoName; // panel 4
    int16_t from = 0;
    int16_t into = 0;
    bool bothChosen() const { return !fromName.empty() && !intoName.empty(); }
};

// Exchanges the two names and the two unit numbers.
void swapUnits(UnitChoice& c);

// ---- Showing the chosen pair ----

// Which chosen unit a list row names: the convert-from unit, the convert-into
// unit, or both when one unit is chosen for both.
enum class UnitMark { None = 0, From = 1, Into = 2, Both = 3 };

// The mark of each row, by the unit its text names (the first unit of that
// name, as a click on it would choose). A side counts only while its panel
// holds a name.
std::vector<UnitMark> listRowMarks(const ConversionTable& t, int16_t category,
                                   const std::vector<std::string>& rowTexts, const UnitChoice& c);

// What the two boxes say while they are empty: how to choose the unit that
// is still missing. Nothing where no unit can be chosen.
struct BoxPlaceholders {
    std::string input;
    std::string output;
};
BoxPlaceholders boxPlaceholders(const UnitChoice& c, bool unitsSelectable);

// The text a paste puts into the convert-from box: the clipboard text
// without outer blanks, tabs and line breaks, and of several lines the first.
std::string pastedInputText(const std::string& clip);

// True when a conversion may run: both units are chosen (both panels name
// them), the selected node is a category whose units may be chosen, and both
// unit numbers lie within that category.
bool conversionReady(const ConversionTable& t, int16_t selNode, int16_t category,
                     const UnitChoice& c);

// ---- Renaming in place ----

// When a click on an item of the tree or the list starts renaming it: on the
// release of a single left click on the item that was already selected before
// the press and was the item clicked last, once the double-click interval has
// passed since that click. The second click of a double-click never does: its
// press comes as a double-click, not as a press. Items are numbered from 1; 0
// is none.
class RenameClicks {
  public:
    // A press of the left button. wasSelected: the item was the view's
    // current item before this press.
    void press(int item, long long timeMs, bool wasSelected);
    // The release of the left button over `item`; true: start editing it.
    bool release(int item, long long timeMs, int doubleClickMs);
    // The remembered click no longer names a shown item (the other view was
    // clicked, the view was refilled).
    void forget() { last_ = 0; }
    int last() const { return last_; }

  private:
    int last_ = 0;            // item clicked last
    long long lastTime_ = 0;  // release time of that click
    int pressed_ = 0;         // item under the current press
    long long pressTime_ = 0; // its time
    bool candidate_ = false;  // the press since the last release may start editing
};

// ---- Tips and colours ----

// A stored colour: red + 256 * green + 65536 * blue, or (sign bit set) the
// system colour with the index in the low bits.
struct ColorValue {
    bool system = false;
    int index = 0; // system colour index
    int red = 0, green = 0, blue = 0;
};
ColorValue decodeColor(int32_t value);

} // namespace qm
