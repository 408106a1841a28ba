#include "mainwindow/menustate.h"

#include <algorithm>

namespace qm {

MenuRefresh menuRefresh(const MenuRefreshInput& in) {
    MenuRefresh r;
    r.sortTree = in.expandedGroups > 0;
    r.listCommands = in.listRows > 0;
    r.save = in.tableChanged;
    r.pasteConversion = in.clipboardHasText;
    if (in.calculatorShown) r.pasteCalculation = in.clipboardHasText;
    return r;
}

int countExpandedGroups(int groupCount, const std::function<bool(int node)>& expanded) {
    int n = 0;
    for (int node = 2; node <= groupCount + 1; ++node)
        if (expanded(node)) ++n;
    return n;
}

TreeMenuPlan treeMenuPlan(int node, int parent, int groupCount, bool modify) {
    TreeMenuPlan p;
    if (!modify || node < 1) return p;
    if (node == 1) {
        p.popup = TreePopup::EditCategory;
        p.categoryAddCaption = "Add";
        p.categoryDeleteEnabled = false;
        return p;
    }
    // The two special categories come before "the first group": without any
    // group, node 2 is the number-system category and must get its own menu.
    if (node == groupCount + 2 || node == groupCount + 3) {
        p.popup = TreePopup::EditGroup;
        p.categoryAddCaption = "Add...";
        p.groupInsertDeleteEnabled = false;
        return p;
    }
    if (node == 2) {
        p.popup = TreePopup::EditCategory;
        p.categoryAddCaption = "Add...";
        p.categoryDeleteEnabled = false;
        return p;
    }
    if (parent == 1) { // a group
        p.popup = TreePopup::EditCategory;
        p.categoryAddCaption = "Add...";
        p.categoryDeleteEnabled = true;
        return p;
    }
    p.popup = TreePopup::EditGroup;
    p.groupInsertDeleteEnabled = true;
    return p;
}

UnitMenuPlan unitMenuPlan(bool onRow, int selNode, int groupCount, bool modify, int rows) {
    UnitMenuPlan p;
    const bool category = selNode > groupCount + 1;
    const bool numberSystem = selNode == groupCount + 2;
    if (!category) return p;
    if (!onRow) {
        if (!modify) return p;
        p.show = UnitMenuPlan::Show::AtOnce;
        p.copyVisible = false;
        p.insertCaption = "&Add...";
        p.deleteEnabled = false;
        p.propertiesEnabled = true;
        p.memoVisible = false;
        p.selUnitIndex = static_cast<int16_t>(std::clamp(rows, 0, 32767));
        p.insertEnabled = !numberSystem;
        return p;
    }
    p.show = UnitMenuPlan::Show::AfterLongPress;
    p.insertCaption = "&Insert...";
    p.memoVisible = true;
    if (numberSystem) {
        p.copyVisible = false;
        p.insertEnabled = p.deleteEnabled = p.propertiesEnabled = false;
    } else {
        p.copyVisible = true;
        p.insertEnabled = p.deleteEnabled = p.propertiesEnabled = modify;
    }
    return p;
}

void LongPress::start(int delayMs) {
    target_ = std::max(delayMs / kInterval, 1);
    count_ = 0;
    running_ = true;
}

bool LongPress::tick() {
    if (!running_) return false;
    if (++count_ < target_) return false;
    count_ = 0;
    running_ = false;
    return true;
}

const std::vector<ToolbarButton>& toolbarButtons() {
    static const std::vector<ToolbarButton> buttons{
        {"Open", "Open (Ctrl+O)", "Open (Ctrl+O)"},
        {"SaveAs", "Save As (Ctrl+S)", "Save As (Ctrl+S)"},
        {"Print", "Print (Ctrl+P)", "Print (Ctrl+P)"},
        {"Copy", "Copy Conversion Result", "Copy Conversion Result"},
        {"Paste", "Paste as Conversion Input", "Paste as Conversion Input"},
        {"CopyCalc", "Copy Calculation Result", "Copy Calculation Result"},
        {"PasteCalc", "Paste as Calculation Input", "Paste as Calculation Input"},
        {"Find", "Find (Ctrl+F)", "Find Unit Name"},
        {"List", "List", "List"},
        {"Details", "Details", "Details"},
        {"SortTree", "Arrange Categories by Name", "Arrange Tree by Name"},
        {"SortList", "Arrange Units by Name", "Arrange List by Name"},
        {"Calc", "Show Calculator (Ctrl+K)", "Show Calculator"},
        {"Options", "Options", "Options"},
        {"Help", "Help", "Help"},
        {"Exit", "Exit", "Exit"},
    };
    return buttons;
}

namespace {

bool isBase64Char(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/' || c == '=';
}

bool isButtonKey(std::string_view key) {
    const auto& b = toolbarButtons();
    return std::any_of(b.begin(), b.end(), [&](const ToolbarButton& t) { return key == t.key; });
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = s.find(sep);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos) break;
        s.remove_prefix(at + 1);
    }
    return parts;
}

} // namespace

std::string encodeToolbarLayout(const ToolbarLayout& layout) {
    std::string text = layout.state + "|";
    for (std::size_t i = 0; i < layout.hidden.size(); ++i) {
        if (i > 0) text += ",";
        text += layout.hidden[i];
    }
    return text;
}

std::optional<ToolbarLayout> decodeToolbarLayout(std::string_view text) {
    const std::size_t bar = text.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    const std::string_view state = text.substr(0, bar);
    if (!std::all_of(state.begin(), state.end(), isBase64Char)) return std::nullopt;
    ToolbarLayout layout;
    layout.state = std::string(state);
    const std::string_view keys = text.substr(bar + 1);
    if (keys.empty()) return layout;
    for (std::string_view key : split(keys, ',')) {
        key = trimmed(key);
        if (!isButtonKey(key)) continue;
        if (std::find(layout.hidden.begin(), layout.hidden.end(), key) == layout.hidden.end())
            layout.hidden.emplace_back(key);
    }
    return layout;
}

std::string qtFileFilter(std::string_view filter) {
    std::vector<std::string_view> parts = split(filter, '|');
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string_view desc = trimmed(parts[i]);
        const std::string_view patterns = trimmed(parts[i + 1]);
        if (desc.empty() && patterns.empty()) continue;
        // The description's own bracketed patterns give way to Qt's.
        const std::size_t open = desc.rfind(" (");
        if (!desc.empty() && desc.back() == ')' && open != std::string_view::npos)
            desc = desc.substr(0, open);
        std::string list;
        for (std::string_view p : split(patterns, ';')) {
            p = trimmed(p);
            if (p.empty()) continue;
            if (!list.empty()) list += ' ';
            list += p == "*.*" ? std::string("*") : std::string(p);
        }
        if (list.empty()) list = "*";
        if (!out.empty()) out += ";;";
        out += std::string(desc) + " (" + list + ")";
    }
    return out.empty() ? std::string("All Files (*)") : out;
}

} // namespace qm
