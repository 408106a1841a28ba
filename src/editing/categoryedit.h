// What the category dialog and the delete confirmation decide: the dialog's
// starting values, the check of a typed name, the change made on OK, and the
// question asked before an item is removed.
#pragma once

#include "editing/itemops.h"

#include <optional>
#include <string>

namespace qm {

// pnPropMode of the category dialog.
enum class CategoryMode { Edit = 0, Insert = 1, Add = 2 };

// Icon option 0..3 shows category Icon# 3..6.
inline constexpr int kFirstCategoryIcon = 3;

struct CategoryForm {
    std::string name;
    int option = 0; // icon option 0..3
};

// The option showing the tree's picture of a category Icon#: the pictures
// repeat every four numbers, and Icon# 3..6 are options 0..3.
int categoryIconOption(int iconNumber);

// What the dialog shows: the selected category's own name and icon when
// editing, "New category (Rename it!)" and the first icon otherwise.
CategoryForm categoryFormFor(const ConversionTable& t, CategoryMode mode, int category);

// Why a name typed for a category cannot be stored, or nothing. `self` is the
// category being renamed (-1 for a new one): a name already used by another
// category, even one deleted from the tree, would select that one instead.
std::optional<std::string> categoryNameProblem(const ConversionTable& t, const std::string& name,
                                               int self);

// The same for a name typed in place: for a group node, and for unit `unit`
// of the category (a name another unit of it bears would choose that one).
std::optional<std::string> groupNameProblem(const std::string& name);
std::optional<std::string> unitNameProblem(const ConversionTable& t, int category, int unit,
                                           const std::string& name);

// OK of the category dialog: edits the category at selNode, inserts a new one
// after it, or adds one to the group at selNode. Refuses a bad name.
EditResult applyCategoryForm(ConversionTable& t, CategoryMode mode, int selNode,
                             const CategoryForm& form);

// The question of the delete confirmation: the tree node's or the list row's name.
std::string deleteQuestion(bool fromTree, const std::string& name);

// The undo label of deleting that tree node ("Delete Group", "Delete Category").
std::string deleteNodeLabel(const ConversionTable& t, int node);

// The default names of new items.
inline constexpr const char* kNewGroupName = "New group (Rename it!)";
inline constexpr const char* kNewCategoryName = "New category (Rename it!)";
inline constexpr const char* kNewUnitName = "New unit (Rename it!)";
inline constexpr const char* kNewQuantityName = "New quantity (Rename it!)";
inline constexpr const char* kValuePrompt = "Enter a numerical value!";

// The record proposed for a new unit, or for a new constant.
UnitRecord newUnitRecord(bool constant);

} // namespace qm
