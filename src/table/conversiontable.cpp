#include "table/conversiontable.h"

#include "core/runerror.h"
#include "core/text.h"

#include <algorithm>
#include <cstdio>

namespace qm {

ConversionTable::ConversionTable() {
    mInitTableArrays(*this);
}

void ConversionTable::checkSlot(int index) {
    if (index < 0 || index > kMaxSlot)
        throw RunError(RunErrorKind::SubscriptOutOfRange, "Subscript out of range");
}

UnitRecord& ConversionTable::unit(int category, int unitNo) {
    checkSlot(category);
    if (unitNo < 0 || unitNo > unitDim())
        throw RunError(RunErrorKind::SubscriptOutOfRange, "Subscript out of range");
    return units[category][unitNo];
}

const UnitRecord& ConversionTable::unit(int category, int unitNo) const {
    return const_cast<ConversionTable*>(this)->unit(category, unitNo);
}

void mInitTableArrays(ConversionTable& t) {
    t.psCatGroupName.fill({});
    t.pnCatGroupExpanded.fill(0);
    t.pnCategoryIcon.fill(0);
    t.psCategoryName.fill({});
    t.pnUnitCount.fill(0);
    t.pnNodeCategory.fill(0);
    t.pnNodeParent.fill(0);
    t.units.assign(kMaxSlot + 1, std::vector<UnitRecord>(kInitialUnitDim + 1));
}

void pResizeUnitArrays(ConversionTable& t) {
    const int upper = std::max(5, t.pnMaxUnitCount + 1);
    if (t.unitDim() == upper) return;
    for (auto& row : t.units)
        row.resize(static_cast<std::size_t>(upper) + 1);
}

void pSetPixelRatio(ConversionTable& t, double twipsPerPixel) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", twipsPerPixel);
    const std::string ratio = buf;
    for (int c = 1; c <= t.pnCategoryCount && c <= kMaxSlot; ++c) {
        const int count = std::min<int>(t.pnUnitCount[c], t.unitDim());
        for (int u = 1; u <= count; ++u) {
            const std::string name = trimSpaces(t.units[c][u].Name);
            if (equalsIgnoreCaseAscii(name, "pixel") || equalsIgnoreCaseAscii(name, "pixels"))
                t.units[c][u].Ratio = ratio;
        }
    }
}

void pCheckSelNodeIndex(const ConversionTable& t, int16_t& pnSelNodeIndex) {
    const int g = t.pnCatGroupCount;
    const int n = t.pnNodeCount;
    if (pnSelNodeIndex <= g + 1 || pnSelNodeIndex >= g + n + 2) pnSelNodeIndex = 1;
}

int16_t pMatchGroupIndex(const ConversionTable& t, const std::string& name) {
    for (int c = 0; c <= kMaxSlot; ++c)
        if (t.psCategoryName[c] == name) return static_cast<int16_t>(c);
    return -1;
}

int16_t pMatchUnitIndex(const ConversionTable& t, int16_t category, const std::string& name) {
    if (category < 0 || category > kMaxSlot) return 0;
    const int count = std::min<int>(t.pnUnitCount[category], t.unitDim());
    for (int u = 1; u <= count; ++u)
        if (t.units[category][u].Name == name) return static_cast<int16_t>(u);
    return 0;
}

int orderOfNode(const ConversionTable& t, int node) {
    const int j = node - t.pnCatGroupCount - 1;
    return (j >= 1 && j <= t.pnNodeCount) ? j : 0;
}

} // namespace qm
