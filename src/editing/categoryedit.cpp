#include "editing/categoryedit.h"

#include "core/text.h"

#include <algorithm>

namespace qm {

int categoryIconOption(int iconNumber) {
    const int picture = iconNumber >= 1 ? (iconNumber - 1) % 4 + 1 : 1;
    return (picture + 1) % 4;
}

CategoryForm categoryFormFor(const ConversionTable& t, CategoryMode mode, int category) {
    if (mode != CategoryMode::Edit || category < 0 || category > kMaxSlot)
        return {kNewCategoryName, 0};
    return {t.psCategoryName[category], categoryIconOption(t.pnCategoryIcon[category])};
}

namespace {

// Why a trimmed name cannot stand in one field of a data file line.
std::optional<std::string> lineNameProblem(const std::string& trimmed, const char* what) {
    if (trimmed.empty()) return std::string("Enter a name for the ") + what + ".";
    if (trimmed.find(';') != std::string::npos)
        return "A name cannot contain \";\": the data file separates its fields with it.";
    if (trimmed.find_first_of("\r\n") != std::string::npos) return "A name must stay on one line.";
    return std::nullopt;
}

} // namespace

std::optional<std::string> groupNameProblem(const std::string& name) {
    return lineNameProblem(trimSpaces(name), "group");
}

std::optional<std::string> unitNameProblem(const ConversionTable& t, int category, int unit,
                                           const std::string& name) {
    const std::string trimmed = trimSpaces(name);
    if (auto why = lineNameProblem(trimmed, "unit")) return why;
    if (category < 0 || category > kMaxSlot) return std::nullopt;
    for (int u = 1; u <= t.pnUnitCount[category] && u <= t.unitDim(); ++u)
        if (u != unit && t.unit(category, u).Name == trimmed)
            return "The category '" + t.psCategoryName[category] + "' already has a unit named '" +
                   trimmed + "'. Choose another name.";
    return std::nullopt;
}

std::optional<std::string> categoryNameProblem(const ConversionTable& t, const std::string& name,
                                               int self) {
    const std::string trimmed = trimSpaces(name);
    if (auto why = lineNameProblem(trimmed, "category")) return why;
    for (int c = 1; c <= t.pnCategoryCount && c <= kMaxSlot; ++c)
        if (c != self && t.psCategoryName[c] == trimmed)
            return "There is already a category named '" + trimmed +
                   "' (perhaps one deleted from the tree). Choose another name.";
    return std::nullopt;
}

EditResult applyCategoryForm(ConversionTable& t, CategoryMode mode, int selNode,
                             const CategoryForm& form) {
    const int option = std::clamp(form.option, 0, 3);
    const int j = selNode - t.pnCatGroupCount - 1;
    const int self =
        mode == CategoryMode::Edit && j >= 1 && j <= t.pnNodeCount ? t.pnNodeCategory[j] : -1;
    if (mode == CategoryMode::Edit && (self < 0 || self > kMaxSlot))
        return EditResult::refused("Select a unit category first.");
    if (const auto why = categoryNameProblem(t, form.name, self)) return EditResult::refused(*why);
    const std::string name = trimSpaces(form.name);
    auto icon = static_cast<int16_t>(option + kFirstCategoryIcon);
    if (mode == CategoryMode::Edit) {
        // The picture kept: an Icon# outside 3..6 that shows it stays as it is.
        if (categoryIconOption(t.pnCategoryIcon[self]) == option) icon = t.pnCategoryIcon[self];
        if (t.psCategoryName[self] == name && t.pnCategoryIcon[self] == icon) return {};
        t.psCategoryName[self] = name;
        t.pnCategoryIcon[self] = icon;
        t.pbTableChanged = true;
        return {true, {}, selNode, 0, true};
    }
    t.pnNewItemIcon = icon;
    t.psNewItemName = name;
    return mode == CategoryMode::Insert ? pAddTreeItem(t, selNode) : pCreateTreeItem(t, selNode);
}

std::string deleteQuestion(bool fromTree, const std::string& name) {
    return "Do you really want to remove '" + name + "' from the" +
           (fromTree ? " tree?" : " list?");
}

std::string deleteNodeLabel(const ConversionTable& t, int node) {
    return isGroupNode(t, node) ? "Delete Group" : "Delete Category";
}

UnitRecord newUnitRecord(bool constant) {
    UnitRecord r;
    r.Icon = constant ? 4 : 1;
    r.Name = constant ? kNewQuantityName : kNewUnitName;
    r.Ratio = kValuePrompt;
    r.Offset = constant ? "" : "0";
    r.RatioError = "0";
    r.OffsetError = "0";
    return r;
}

} // namespace qm
