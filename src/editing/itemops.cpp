#include "editing/itemops.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qm {

namespace {

const char* const kNoMoreGroups =
    "The table already holds 30 category groups, the most a data file can hold.";
const char* const kNoMoreCategories =
    "The table already holds 100 unit categories (counting those deleted from the tree), the "
    "most a data file can hold.";
const char* const kNoMoreNodes =
    "The category tree already holds 100 categories, the most a data file can hold.";
const char* const kNoMoreUnits =
    "This category already holds 99 units, the most a data file can hold.";
const char* const kNoMoreLines =
    "The data file would grow beyond 10000 lines, the most that can be read back. Delete some "
    "units first.";
const char* const kNoCategory = "Select a unit category first.";
const char* const kSpecialStays = "Number System and Constants stay where they are.";
const char* const kRootStays = "The root node cannot be deleted.";
const char* const kWhereToCreate = "Select the root node or a category group first.";

// Order# j at the category node.
int orderOf(const ConversionTable& t, int node) {
    return node - t.pnCatGroupCount - 1;
}

bool isCategoryNode(const ConversionTable& t, int node) {
    const int j = orderOf(t, node);
    return j >= 1 && j <= t.pnNodeCount;
}

bool validCategory(const ConversionTable& t, int c) {
    return c >= 1 && c <= t.pnCategoryCount && c <= kMaxSlot;
}

void copyEntry(ConversionTable& t, int to, int from) {
    t.pnNodeCategory[to] = t.pnNodeCategory[from];
    t.pnNodeParent[to] = t.pnNodeParent[from];
}

// Opens a free entry at Order# a: entries a..N move one place up.
void shiftUp(ConversionTable& t, int a) {
    for (int j = t.pnNodeCount; j >= a; --j)
        copyEntry(t, j + 1, j);
    ++t.pnNodeCount;
}

// Closes entry a: entries a+1..N move one place down.
void shiftDown(ConversionTable& t, int a) {
    for (int j = a; j < t.pnNodeCount; ++j)
        copyEntry(t, j, j + 1);
    t.pnNodeCategory[t.pnNodeCount] = 0;
    t.pnNodeParent[t.pnNodeCount] = 0;
    --t.pnNodeCount;
}

// The last Order# whose parent is at most `node` (0 when none).
int lastOrderUnder(const ConversionTable& t, int node) {
    int p = 0;
    for (int j = 1; j <= t.pnNodeCount; ++j)
        if (t.pnNodeParent[j] <= node) p = j;
    return p;
}

// A new category (Category# pnCategoryCount + 1) at entry j under `parent`.
void newCategoryAt(ConversionTable& t, int j, int parent) {
    shiftUp(t, j);
    const int c = ++t.pnCategoryCount;
    t.pnNodeCategory[j] = static_cast<int16_t>(c);
    t.pnNodeParent[j] = static_cast<int16_t>(parent);
    t.psCategoryName[c] = t.psNewItemName;
    t.pnCategoryIcon[c] = t.pnNewItemIcon;
    t.pnUnitCount[c] = 0;
    std::fill(t.units[c].begin(), t.units[c].end(), UnitRecord{});
}

EditResult done(int node, int unit = 0) {
    return {true, {}, node, unit, true};
}

EditResult nothing(int node = 0) {
    return {false, {}, node, 0, true};
}

} // namespace

int tableLineCount(const ConversionTable& t) {
    int lines = t.pnCatGroupCount + 1 + t.pnNodeCount + 1;
    for (int c = 1; c <= t.pnCategoryCount && c <= kMaxSlot; ++c)
        lines += t.pnUnitCount[c] + 2;
    return lines;
}

std::optional<std::string> groupRefusal(const ConversionTable& t) {
    if (t.pnCatGroupCount >= kMaxGroups) return kNoMoreGroups;
    if (tableLineCount(t) + 1 > kMaxTableLines) return kNoMoreLines;
    return std::nullopt;
}

std::optional<std::string> categoryRefusal(const ConversionTable& t) {
    if (t.pnCategoryCount >= kMaxCategories) return kNoMoreCategories;
    if (t.pnNodeCount >= kMaxNodes) return kNoMoreNodes;
    if (tableLineCount(t) + 3 > kMaxTableLines) return kNoMoreLines;
    return std::nullopt;
}

std::optional<std::string> unitRefusal(const ConversionTable& t, int category) {
    if (!validCategory(t, category)) return kNoCategory;
    if (t.pnUnitCount[category] >= kMaxUnitsPerCategory) return kNoMoreUnits;
    if (tableLineCount(t) + 1 > kMaxTableLines) return kNoMoreLines;
    return std::nullopt;
}

std::string treeSignature(const ConversionTable& t) {
    std::string s;
    s.reserve(4096);
    for (int g = 1; g <= t.pnCatGroupCount; ++g)
        s.append(t.psCatGroupName[g]).append(1, '\0');
    s.append(1, '\1');
    for (int j = 1; j <= t.pnNodeCount; ++j) {
        const int c = std::clamp<int>(t.pnNodeCategory[j], 0, kMaxSlot);
        s.append(std::to_string(c) + ':' + std::to_string(t.pnNodeParent[j]) + ':' +
                 std::to_string(t.pnCategoryIcon[c]) + ':')
            .append(t.psCategoryName[c])
            .append(1, '\0');
    }
    return s;
}

bool isGroupNode(const ConversionTable& t, int node) {
    return node >= 2 && node <= t.pnCatGroupCount + 1;
}

bool isOrdinaryCategoryNode(const ConversionTable& t, int node) {
    return isCategoryNode(t, node) && orderOf(t, node) > kConstantsOrder;
}

int parentOfNode(const ConversionTable& t, int node) {
    if (isGroupNode(t, node)) return 1;
    if (isCategoryNode(t, node)) return t.pnNodeParent[orderOf(t, node)];
    return 0;
}

EditResult pInsertListItem(ConversionTable& t, UnitRecord record, int category, int u) {
    if (const auto why = unitRefusal(t, category)) return EditResult::refused(*why);
    const int count = t.pnUnitCount[category];
    u = std::clamp(u, 0, count);
    if (count + 1 > t.pnMaxUnitCount) {
        t.pnMaxUnitCount = static_cast<int16_t>(count + 1);
        pResizeUnitArrays(t);
    }
    auto& units = t.units[category];
    std::move_backward(units.begin() + u + 1, units.begin() + count + 1, units.begin() + count + 2);
    units[u + 1] = std::move(record);
    ++t.pnUnitCount[category];
    t.pbTableChanged = true;
    return done(0, u + 1);
}

EditResult pDeleteListItem(ConversionTable& t, int category, int u) {
    if (!validCategory(t, category)) return EditResult::refused(kNoCategory);
    const int count = t.pnUnitCount[category];
    if (u < 1 || u > count) return nothing();
    auto& units = t.units[category];
    std::move(units.begin() + u + 1, units.begin() + count + 1, units.begin() + u);
    units[count] = UnitRecord{};
    --t.pnUnitCount[category];
    t.pbTableChanged = true;
    return done(0, std::min(u, count - 1));
}

EditResult moveListItem(ConversionTable& t, int category, int from, int to) {
    if (!validCategory(t, category)) return EditResult::refused(kNoCategory);
    const int count = t.pnUnitCount[category];
    if (from < 1 || from > count || to < 1 || to > count || from == to) return nothing();
    auto first = t.units[category].begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    t.pbTableChanged = true;
    return done(0, to);
}

EditResult pCreateTreeItem(ConversionTable& t, int node) {
    if (node == 1) {
        if (const auto why = groupRefusal(t)) return EditResult::refused(*why);
        const int g = ++t.pnCatGroupCount;
        t.psCatGroupName[g] = t.psNewItemName;
        t.pnCatGroupExpanded[g] = 1;
        t.pbTableChanged = true;
        return done(groupNode(g));
    }
    if (!isGroupNode(t, node)) return EditResult::refused(kWhereToCreate);
    if (const auto why = categoryRefusal(t)) return EditResult::refused(*why);
    const int p = lastOrderUnder(t, node);
    newCategoryAt(t, p + 1, node);
    t.pnCatGroupExpanded[node - 1] = 1; // the new category shows
    t.pbTableChanged = true;
    return done(categoryNode(t, p + 1));
}

EditResult pAddTreeItem(ConversionTable& t, int node) {
    if (!isCategoryNode(t, node)) return EditResult::refused(kNoCategory);
    if (!isOrdinaryCategoryNode(t, node)) return EditResult::refused(kSpecialStays);
    if (const auto why = categoryRefusal(t)) return EditResult::refused(*why);
    const int j = orderOf(t, node);
    newCategoryAt(t, j + 1, t.pnNodeParent[j]);
    t.pbTableChanged = true;
    return done(node + 1);
}

EditResult pInsertTreeItem(ConversionTable& t, int source, int target) {
    const int g = t.pnCatGroupCount;
    if (!isOrdinaryCategoryNode(t, source)) return nothing(source);
    const bool targetOk = isGroupNode(t, target) || isOrdinaryCategoryNode(t, target);
    if (!targetOk || target == source || target == parentOfNode(t, source)) return nothing(source);
    const auto keptCategory = t.pnNodeCategory;
    const auto keptParent = t.pnNodeParent;
    const int16_t moved = t.pnNodeCategory[orderOf(t, source)];
    shiftDown(t, orderOf(t, source));
    const int shifted = source <= target ? target - 1 : target;
    int to = 0;
    int parent = shifted;
    if (shifted > g + 1) {
        to = orderOf(t, shifted) + 1;
        parent = t.pnNodeParent[to - 1];
    } else {
        to = lastOrderUnder(t, shifted) + 1;
    }
    shiftUp(t, to);
    t.pnNodeCategory[to] = moved;
    t.pnNodeParent[to] = static_cast<int16_t>(parent);
    if (t.pnNodeCategory == keptCategory && t.pnNodeParent == keptParent) return nothing(source);
    t.pbTableChanged = true;
    return done(categoryNode(t, to));
}

EditResult pDeleteTreeItem(ConversionTable& t, int node) {
    if (node == 1) return EditResult::refused(kRootStays);
    if (isCategoryNode(t, node)) {
        if (!isOrdinaryCategoryNode(t, node)) return EditResult::refused(kSpecialStays);
        const int parent = parentOfNode(t, node);
        shiftDown(t, orderOf(t, node));
        t.pbTableChanged = true;
        return done(parent);
    }
    if (!isGroupNode(t, node)) return nothing();
    const int g = node - 1;
    for (int k = g; k < t.pnCatGroupCount; ++k) {
        t.psCatGroupName[k] = std::move(t.psCatGroupName[k + 1]);
        t.pnCatGroupExpanded[k] = t.pnCatGroupExpanded[k + 1];
    }
    t.psCatGroupName[t.pnCatGroupCount].clear();
    t.pnCatGroupExpanded[t.pnCatGroupCount] = 0;
    --t.pnCatGroupCount;
    int kept = 0;
    for (int j = 1; j <= t.pnNodeCount; ++j) {
        const int parent = t.pnNodeParent[j];
        if (parent == node) continue;
        ++kept;
        t.pnNodeCategory[kept] = t.pnNodeCategory[j];
        t.pnNodeParent[kept] = static_cast<int16_t>(parent > node ? parent - 1 : parent);
    }
    for (int j = kept + 1; j <= t.pnNodeCount; ++j) {
        t.pnNodeCategory[j] = 0;
        t.pnNodeParent[j] = 0;
    }
    t.pnNodeCount = static_cast<int16_t>(kept);
    t.pbTableChanged = true;
    return done(1);
}

} // namespace qm
