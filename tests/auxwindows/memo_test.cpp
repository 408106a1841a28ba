#include "auxwindows/memo.h"

#include "common/sampletable.h"
#include "core/recordingprompt.h"
#include "table/tablereader.h"
#include "table/tablewriter.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace qm {
namespace {

ConversionTable readTable(const std::vector<std::string>& text) {
    ConversionTable t;
    RecordingPrompt prompt;
    const std::vector<std::string_view> lines(text.begin(), text.end());
    EXPECT_EQ(pReadTableLines(t, lines, ReadContext{prompt, DecimalSettings{}, "/none/"}), 0);
    return t;
}

ConversionTable readBack(const ConversionTable& t) {
    const std::string text = tableFileText(t, [](int) { return false; });
    std::vector<std::string> lines;
    for (const std::string_view l : splitFileLines(text))
        lines.emplace_back(l);
    return readTable(lines);
}

// Foot, unit 2 of Length (Category# 3), has the memo "international foot".
TEST(Memo, TypedTextsAreStoredAsTheFileReadsThemBack) {
    struct Row {
        std::string typed;
        MemoVerdict verdict;
        std::string stored;
    };
    const std::vector<Row> rows = {
        {"international foot", MemoVerdict::Unchanged, "international foot"},
        {"", MemoVerdict::Store, ""},
        {"12 inches; exact", MemoVerdict::Flattened, "12 inches, exact"},
        {"a\r\nb\rc\nd", MemoVerdict::Flattened, "a b c d"},
        {"a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c",
         MemoVerdict::Flattened, "a b c"},
        {"Fu\xC3\x9F \xE2\x82\xAC \xE4\xB8\x80", MemoVerdict::Store,
         "Fu\xC3\x9F \xE2\x82\xAC \xE4\xB8\x80"},
    };
    for (const Row& r : rows) {
        ConversionTable t = readTable(test::sampleTableLines());
        const MemoCheck c = checkMemo(t, 3, 2, r.typed);
        EXPECT_EQ(c.verdict, r.verdict) << r.typed;
        if (c.verdict != MemoVerdict::Unchanged) pStoreMemo(t, 3, 2, c.text);
        EXPECT_EQ(t.pbTableChanged, c.verdict != MemoVerdict::Unchanged) << r.typed;
        const ConversionTable back = readBack(t);
        EXPECT_EQ(back.unit(3, 2).Memo, r.stored) << r.typed;
        EXPECT_EQ(back.unit(3, 3), t.unit(3, 3)); // the next unit is whole
    }
}

TEST(Memo, AMemoThatWouldMakeTheFileUnreadableIsRefused) {
    ConversionTable t = readTable(test::sampleTableLines());
    const std::string size = std::string(16u << 20, 'x');
    EXPECT_EQ(checkMemo(t, 3, 2, size).verdict, MemoVerdict::TooLong);
    EXPECT_EQ(checkMemo(t, 3, 2, std::string(1u << 20, 'x')).verdict, MemoVerdict::Store);
    EXPECT_EQ(checkMemo(t, 3, 9, "x").verdict, MemoVerdict::Unchanged); // no such unit
    EXPECT_EQ(memoCaption(t, 3, 2), " About Foot");
    EXPECT_EQ(memoCaption(t, -1, 0), " About ");
}

TEST(Memo, OpensBesideTheMainWindowWhereTheScreenHasRoom) {
    const MemoRect screen{0, 0, 15360, 11520};
    struct Row {
        MemoRect main;
        MemoRect want;
    };
    for (const Row& r : std::vector<Row>{
             {{450, 1020, 7095, 5520}, {7545, 1020, 3615, 1875}},
             {{9000, 1020, 6000, 5520}, {5385, 1020, 3615, 1875}},
             {{450, 10500, 7095, 5520}, {7545, 9645, 3615, 1875}},
             {{1000, 1000, 13000, 5001}, {5692, 2563, 3615, 1875}},
         })
        EXPECT_EQ(memoPlace(r.main, 3615, 1875, screen), r.want) << r.main.left;
}

} // namespace
} // namespace qm
