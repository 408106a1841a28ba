// What the main window's commands show, worked out without windows: which
// menu items and toolbar buttons are available at each refresh, which context
// menu a press on a tree node or the unit list opens and how its items stand,
// the long-press count, the toolbar's buttons and its saved layout, and the
// filter text of the file dialogs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// ---- The periodic refresh of menus and buttons ----

struct MenuRefreshInput {
    int expandedGroups = 0;    // expanded group nodes
    int listRows = 0;          // rows of the unit list
    bool tableChanged = false; // pbTableChanged
    bool clipboardHasText = false;
    bool calculatorShown = false; // the calculator window is open
};

struct MenuRefresh {
    bool sortTree = false; // "&Categories by Name" and "SortTree"
    bool listCommands =
        false;         // "&List", "&Details", "&Units by Name", "List", "Details", "SortList"
    bool save = false; // File "&Save"
    bool pasteConversion = false; // "As Con&version Input" and "Paste"
    // "As &Calculation Input" and "PasteCalc"; unset: they stay as they are.
    std::optional<bool> pasteCalculation;

    bool operator==(const MenuRefresh&) const = default;
};

// One tick of the refresh timer.
MenuRefresh menuRefresh(const MenuRefreshInput& in);

// The expanded group nodes (nodes 2 .. groupCount + 1) by the given test.
int countExpandedGroups(int groupCount, const std::function<bool(int node)>& expanded);

// ---- Context menus ----

enum class TreePopup { None, EditCategory, EditGroup };

// The popup for a right press on a tree node and the changes made to the
// persistent items before it shows; an unset change leaves the item as it is.
struct TreeMenuPlan {
    TreePopup popup = TreePopup::None;
    std::optional<std::string> categoryAddCaption; // EditCategory item 0
    std::optional<bool> categoryDeleteEnabled;     // EditCategory item 2
    std::optional<bool> groupInsertDeleteEnabled;  // EditGroup items 0 and 1

    bool operator==(const TreeMenuPlan&) const = default;
};

// node: the pressed node (0 for none); parent: its parent's node index (0 for
// the root). Nothing opens while modify is off.
TreeMenuPlan treeMenuPlan(int node, int parent, int groupCount, bool modify);

// The unit menu for a right press on the unit list.
struct UnitMenuPlan {
    enum class Show { None, AtOnce, AfterLongPress } show = Show::None;
    std::optional<bool> copyVisible;          // EditUnit items 0 (Copy) and 1 (separator)
    std::optional<std::string> insertCaption; // EditUnit item 2
    std::optional<bool> insertEnabled;        // item 2
    std::optional<bool> deleteEnabled;        // item 3
    std::optional<bool> propertiesEnabled;    // item 5
    std::optional<bool> memoVisible;          // ShowMemo items 0 and 1
    std::optional<int16_t> selUnitIndex;      // new pnSelUnitIndex

    bool operator==(const UnitMenuPlan&) const = default;
};

// onRow: the press hit a unit row; selNode: pnSelNodeIndex; rows: the list's
// row count.
UnitMenuPlan unitMenuPlan(bool onRow, int selNode, int groupCount, bool modify, int rows);

// ---- The long press on a unit row ----

// Counts the ticks of the delay timer while the button is held; the unit
// menu opens when the count reaches the delay divided by the interval.
class LongPress {
  public:
    static constexpr int kInterval = 100; // ms per tick

    // A right press on a unit row: counting starts from zero.
    void start(int delayMs);
    // A click on the list.
    void stop() { running_ = false; }
    bool running() const { return running_; }
    // One tick; true when the menu opens now (counting then stops).
    bool tick();
    int count() const { return count_; }
    int target() const { return target_; }

  private:
    bool running_ = false;
    int count_ = 0;
    int target_ = 1;
};

// ---- Toolbar ----

struct ToolbarButton {
    const char* key;
    const char* tooltip;
    const char* description; // shown when the toolbar is customised
};

// The sixteen buttons in their order.
const std::vector<ToolbarButton>& toolbarButtons();

// The customised toolbar as kept in the settings store: the toolbar's own
// saved state (base64 text) and the keys of the hidden buttons.
struct ToolbarLayout {
    std::string state;
    std::vector<std::string> hidden;

    bool operator==(const ToolbarLayout&) const = default;
};

// "state|key,key"; the state holds base64 characters only.
std::string encodeToolbarLayout(const ToolbarLayout& layout);
// Reads a stored layout; unknown keys are dropped, a damaged text gives none.
std::optional<ToolbarLayout> decodeToolbarLayout(std::string_view text);

// ---- File dialogs ----

// "Data files (*.dat;*.txt)|*.dat;*.txt|All Files (*.*)|*.*|" becomes
// "Data files (*.dat *.txt);;All Files (*)": each description with its
// patterns in brackets, blank-separated, "*.*" meaning every file.
std::string qtFileFilter(std::string_view filter);

} // namespace qm
