#include "auxwindows/memo.h"

#include "editing/editingtestutil.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace qm {
namespace {

using test::readTable;
using test::sampleTableText;

// Foot, unit 2 of Length (Category# 3), has the memo "international foot".
TEST(Memo, TypedTextsAreStoredAsTheFileReadsThemBack) {
    using V = MemoVerdict;
    const std::vector<std::tuple<std::string, V, std::string>> rows = {
        {"international foot", V::Unchanged, "international foot"},
        {"", V::Store, ""},
        {"12 in; exact", V::Flattened, "12 in, exact"},
        {"a\r\nb\rc\nd", V::Flattened, "a b c d"},
        {"a\u2028b\u2029c", V::Flattened, "a b c"},
        {"Fu\u00DF \u20AC \u4E00", V::Store, "Fu\u00DF \u20AC \u4E00"}};
    for (const auto& [typed, verdict, stored] : rows) {
        ConversionTable t = readTable(sampleTableText());
        const MemoCheck c = checkMemo(t, 3, 2, typed);
        EXPECT_EQ(c.verdict, verdict) << typed;
        if (c.verdict != V::Unchanged) pStoreMemo(t, 3, 2, c.text);
        EXPECT_EQ(t.pbTableChanged, c.verdict != V::Unchanged) << typed;
        const ConversionTable back = readTable(test::fileText(t));
        EXPECT_EQ(back.unit(3, 2).Memo, stored) << typed;
        EXPECT_EQ(back.unit(3, 3), t.unit(3, 3)); // the next unit is whole
    }
}

TEST(Memo, AMemoThatWouldMakeTheFileUnreadableIsRefused) {
    const ConversionTable t = readTable(sampleTableText());
    EXPECT_EQ(checkMemo(t, 3, 2, std::string(16u << 20, 'x')).verdict, MemoVerdict::TooLong);
    EXPECT_EQ(checkMemo(t, 3, 2, std::string(1u << 20, 'x')).verdict, MemoVerdict::Store);
    EXPECT_EQ(checkMemo(t, 3, 9, "x").verdict, MemoVerdict::Unchanged); // no such unit
}

TEST(Memo, OpensBesideTheMainWindowWhereTheScreenHasRoom) {
    const MemoRect screen{0, 0, 15360, 11520};
    const std::vector<std::pair<MemoRect, MemoRect>> rows = {
        {{450, 1020, 7095, 5520}, {7545, 1020, 3615, 1875}},
        {{9000, 1020, 6000, 5520}, {5385, 1020, 3615, 1875}},
        {{450, 10500, 7095, 5520}, {7545, 9645, 3615, 1875}},
        {{1000, 1000, 13000, 5001}, {5692, 2563, 3615, 1875}}};
    for (const auto& [main, want] : rows)
        EXPECT_EQ(memoPlace(main, 3615, 1875, screen), want) << main.left;
}

} // namespace
} // namespace qm
