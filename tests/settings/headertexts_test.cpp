#include "settings/headertexts.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(HeaderTexts, OnlyTheEditableColumnsOfTheLayoutChange) {
    const struct {
        int layout;
        HeaderTexts typed;
        std::array<HeaderTexts, 3> expected;
    } rows[] = {
        {0,
         {"Name", "", " x "},
         {{{"Name", "", " x "}, {"Quantity", "Value", "Unit"}, {"Numerical Notation", "", ""}}}},
        {1,
         {"Q", "V", "U"},
         {{{"Unit Name", "Ratio", "Offset"}, {"Q", "V", "U"}, {"Numerical Notation", "", ""}}}},
        {2,
         {"Base", "b", "c"},
         {{{"Unit Name", "Ratio", "Offset"}, {"Quantity", "Value", "Unit"}, {"Base", "", ""}}}},
        {3,
         {"a", "b", "c"},
         {{{"Unit Name", "Ratio", "Offset"},
           {"Quantity", "Value", "Unit"},
           {"Numerical Notation", "", ""}}}},
    };
    for (const auto& r : rows) {
        Settings s;
        setHeaderTexts(s, r.layout, r.typed);
        for (std::size_t l = 0; l < 3; ++l)
            EXPECT_EQ(s.HeaderText[l], r.expected[l]) << "layout " << r.layout << " row " << l;
    }
}
