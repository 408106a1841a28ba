// The quick unit search: every unit of every category in the tree whose name
// contains the typed text, best matches first, each shown as
// "unit - category".
#pragma once

#include "table/conversiontable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct QuickMatch {
    int16_t category = 0;
    int16_t unit = 0;
    std::string label; // "unit - category"

    bool operator==(const QuickMatch&) const = default;
};

// Letter case is ignored; surrounding blanks of the text are not part of it.
// Ranking: the whole name, then the name's whole first word ("Pound (troy)"),
// then names starting with the text, then a word starting with it, then
// anywhere; within each, an earlier place, then a
// shorter name, then the tree's order. The constants are not units and are
// left out. At most `limit` matches.
std::vector<QuickMatch> quickSearch(const ConversionTable& t, std::string_view text,
                                    std::size_t limit = 50);

} // namespace qm
