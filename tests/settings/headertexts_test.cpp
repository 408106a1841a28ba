#include "settings/headertexts.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace qm;

TEST(HeaderTexts, OnlyTheEditableColumnsOfTheLayoutChange) {
    // The layout edited, the texts typed, then every layout's texts.
    const std::tuple<int, HeaderTexts, std::string> rows[] = {
        {0, {"Name", "", " x "}, "Name,, x |Quantity,Value,Unit|Numerical Notation,,"},
        {1, {"Q", "V", "U"}, "Unit Name,Ratio,Offset|Q,V,U|Numerical Notation,,"},
        {2, {"Base", "b", "c"}, "Unit Name,Ratio,Offset|Quantity,Value,Unit|Base,,"},
        {3, {"a", "b", "c"}, "Unit Name,Ratio,Offset|Quantity,Value,Unit|Numerical Notation,,"}};
    for (const auto& [layout, typed, expected] : rows) {
        Settings s;
        setHeaderTexts(s, layout, typed);
        std::string got;
        for (std::size_t l = 0; l < 3; ++l)
            got += (l ? "|" : "") + s.HeaderText[l][0] + "," + s.HeaderText[l][1] + "," +
                   s.HeaderText[l][2];
        EXPECT_EQ(got, expected) << "layout " << layout;
    }
}
