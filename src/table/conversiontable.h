// The conversion table: category groups, unit categories, their place in the
// category tree (node allocation) and the units of every category. Parallel,
// 1-based arrays; slot 0 exists but is not part of the table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// One unit (or, in the constants category, one constant: Name is the quantity,
// Ratio the value, Offset the unit text).
struct UnitRecord {
    int16_t Icon = 0;
    std::string Name;
    std::string Ratio;
    std::string Offset;
    std::string RatioError;
    std::string OffsetError;
    std::string Memo;

    bool operator==(const UnitRecord&) const = default;
};
using ConstantRecord = UnitRecord;

inline constexpr int kMaxSlot = 100;  // arrays hold slots 0..100
inline constexpr int kMaxGroups = 30; // accepted by the reader
inline constexpr int kMaxCategories = 100;
inline constexpr int kMaxNodes = 100;
inline constexpr int kMaxUnitsPerCategory = 99;
inline constexpr int kInitialUnitDim = 10;   // unit slots 0..10 at creation
inline constexpr int kNumberSystemOrder = 1; // Order# of the number-system category
inline constexpr int kConstantsOrder = 2;    // Order# of the constants category

struct ConversionTable {
    // Category groups, by Group#.
    int16_t pnCatGroupCount = 0;
    std::array<std::string, kMaxSlot + 1> psCatGroupName{};
    std::array<int16_t, kMaxSlot + 1> pnCatGroupExpanded{};

    // Unit categories, by Category#.
    int16_t pnCategoryCount = 0;
    std::array<int16_t, kMaxSlot + 1> pnCategoryIcon{};
    std::array<std::string, kMaxSlot + 1> psCategoryName{};
    std::array<int16_t, kMaxSlot + 1> pnUnitCount{};

    // Node allocation, by Order#.
    int16_t pnNodeCount = 0;
    std::array<int16_t, kMaxSlot + 1> pnNodeCategory{};
    std::array<int16_t, kMaxSlot + 1> pnNodeParent{};

    // Units: 0..100 categories by 0..unitDim() units.
    int16_t pnMaxUnitCount = 0;
    std::vector<std::vector<UnitRecord>> units;

    std::string psTableFile;     // full path of the current data file
    bool pbTableChanged = false; // changed since read or saved
    int16_t pnNewItemIcon = 0;
    std::string psNewItemName;
    UnitRecord ptNewUnit; // a unit or constant about to be inserted

    // Creates all arrays empty, the unit arrays with 0..100 by 0..10 slots.
    ConversionTable();

    // Highest unit index of the unit dimension.
    int unitDim() const { return units.empty() ? -1 : static_cast<int>(units[0].size()) - 1; }

    // The unit at (category, unit), checked: RunError(SubscriptOutOfRange)
    // outside the arrays.
    UnitRecord& unit(int category, int unitNo);
    const UnitRecord& unit(int category, int unitNo) const;

    // Checked access to the per-slot arrays (RunError outside 0..100).
    static void checkSlot(int index);
};

// Creates the table's arrays empty (main window load).
void mInitTableArrays(ConversionTable& t);

// Resizes the unit dimension to 0..max(5, pnMaxUnitCount + 1), keeping what fits.
void pResizeUnitArrays(ConversionTable& t);

// Gives every unit named "pixel" or "pixels" (trimmed, any case) the screen's
// twips per pixel as its ratio.
void pSetPixelRatio(ConversionTable& t, double twipsPerPixel);

// Makes selNodeIndex point at a category node; anything else becomes 1 (root).
void pCheckSelNodeIndex(const ConversionTable& t, int16_t& pnSelNodeIndex);

// Lowest Category# (slots 0..100) whose name equals the text exactly, or -1.
int16_t pMatchGroupIndex(const ConversionTable& t, const std::string& name);

// Lowest unit number 1..pnUnitCount(category) whose name equals the text, or 0.
int16_t pMatchUnitIndex(const ConversionTable& t, int16_t category, const std::string& name);

// Tree node numbering: node 1 root, g+1 group g, pnCatGroupCount+1+j the
// category at Order# j.
inline int groupNode(int group) {
    return group + 1;
}
inline int categoryNode(const ConversionTable& t, int order) {
    return t.pnCatGroupCount + 1 + order;
}
inline int numberSystemNode(const ConversionTable& t) {
    return t.pnCatGroupCount + 2;
}
inline int constantsNode(const ConversionTable& t) {
    return t.pnCatGroupCount + 3;
}
// Order# of a category node, or 0 when the node is the root or a group.
int orderOfNode(const ConversionTable& t, int node);

} // namespace qm
