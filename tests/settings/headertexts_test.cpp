#include "settings/headertexts.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace qm;

TEST(HeaderTexts, OnlyTheEditableColumnsOfTheLayoutChange) {
    // The layout edited, the texts typed, the editable columns.
    const std::tuple<int, HeaderTexts, int> rows[] = {{0, {"Name", "", " x "}, 3},
                                                      {1, {"Q", "V", "U"}, 3},
                                                      {2, {"Base", "b", "c"}, 1},
                                                      {3, {"a", "b", "c"}, 0}};
    for (const auto& [layout, typed, editable] : rows) {
        Settings s, want;
        setHeaderTexts(s, layout, typed);
        for (int c = 0; c < editable; ++c)
            want.HeaderText[std::size_t(layout)][std::size_t(c)] = typed[std::size_t(c)];
        EXPECT_EQ(s.HeaderText, want.HeaderText) << "layout " << layout;
    }
}
