// Looking up units and categories by part of their name: each search goes on
// from where the previous hit left off, walks the categories by number and
// reports when it has reached the end of the table.
#pragma once

#include "table/conversiontable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

// Where the next search begins (1-based category and unit numbers).
struct FindPosition {
    int16_t pnFindGroupStart = 1;
    int16_t pnFindUnitStart = 1;

    void reset() { pnFindGroupStart = pnFindUnitStart = 1; }
    bool operator==(const FindPosition&) const = default;
};

struct FindHit {
    int16_t category = 0;
    int16_t unit = 0; // 0 for a category hit

    bool operator==(const FindHit&) const = default;
};

struct FindOutcome {
    std::optional<FindHit> hit;
    bool endOfSearch = false; // the walk reached the last category

    bool operator==(const FindOutcome&) const = default;
};

// The name contains the text anywhere, blanks included. Without matchCase
// letter case is ignored (ASCII and the accented Latin-1 letters).
// Lower case for comparing names: ASCII and the accented Latin-1 capitals.
std::string foldNameCase(std::string_view s);

bool findNameMatches(std::string_view name, std::string_view text, bool matchCase);

// The next unit whose name contains the text. A hit on the last unit of a
// category makes the next search start at the following category; a hit in
// the last category, or none at all, ends the walk and starts it over.
FindOutcome mFindUnit(const ConversionTable& t, FindPosition& pos, std::string_view text,
                      bool matchCase);

// The next category whose name contains the text. A hit on the last category
// is found again by the next search while the text still matches it.
FindOutcome mFindCategory(const ConversionTable& t, FindPosition& pos, std::string_view text,
                          bool matchCase);

// Categories are searched 1..findCategoryCount; those without a tree node
// (deleted from the tree, still in the table) are passed over.
int findCategoryCount(const ConversionTable& t);
bool categoryInTree(const ConversionTable& t, int category);

} // namespace qm
