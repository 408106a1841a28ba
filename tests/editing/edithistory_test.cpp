#include "editing/edithistory.h"
#include "editing/itemops.h"
#include "editingtestutil.h"
#include "mainwindow/editmenustate.h"

#include <random>

using namespace qm;
using namespace qm::test;

namespace {

// Applies the change and records it as a step, as the main window does.
bool change(EditHistory& h, ConversionTable& t, const char* label,
            const std::function<EditResult(ConversionTable&)>& op) {
    const ConversionTable before = t;
    const bool done = op(t).done;
    if (done) h.record(label, before, t);
    return done;
}

// One operation of any kind with random arguments, valid or not.
// The snapshot keeps only the units that the operation may change.
EditResult randomOp(ConversionTable& t, std::mt19937& rng, TableSnapshot& before) {
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    const int nodes = t.pnCatGroupCount + 1 + t.pnNodeCount;
    const int c = pick(0, t.pnCategoryCount + 1);
    const int units = c >= 0 && c <= kMaxSlot ? t.pnUnitCount[c] : 0;
    t.psNewItemName = "n" + std::to_string(pick(0, 999));
    const int k = pick(0, 9);
    before = snapshotOf(t, k <= 3 ? kNoUnits : c);
    if (k == 0) return pCreateTreeItem(t, pick(0, t.pnCatGroupCount + 2));
    if (k == 1) return pAddTreeItem(t, pick(1, nodes + 1));
    if (k == 2) return pInsertTreeItem(t, pick(1, nodes), pick(0, nodes + 1));
    if (k == 3) return pDeleteTreeItem(t, pick(1, nodes + 1));
    if (k == 4) return pDeleteListItem(t, c, pick(0, units + 1));
    if (k == 5) return moveListItem(t, c, pick(0, units + 1), pick(0, units + 1));
    if (units > 0 && k == 6) return pInsertListItem(t, t.unit(c, 1), c, units); // its own unit
    return pInsertListItem(t, UnitRecord{1, t.psNewItemName, "2", "0", "", "", "m"}, c,
                           pick(-1, units + 1));
}

// The allocation ordered by parent, and every unit column of one size.
bool sound(const ConversionTable& t) {
    for (const auto& column : t.units)
        if (column.size() != t.units[0].size()) return false;
    for (int j = 1; j <= t.pnNodeCount; ++j) {
        const int parent = t.pnNodeParent[j];
        if (parent < 1 || parent > t.pnCatGroupCount + 1) return false;
        if (j > 1 && parent < t.pnNodeParent[j - 1]) return false;
    }
    return t.pnNodeParent[1] == 1 && t.pnNodeParent[2] == 1;
}

} // namespace

TEST(EditHistory, ThousandsOfRandomChangesSaveReadBackAndUndoToTheSavedBytes) {
    ConversionTable t = readTable(sampleTableText());
    const std::string saved = fileText(t);
    EditHistory h(100000, std::size_t(1) << 34);
    std::mt19937 rng(13);
    std::vector<std::string> texts{saved}; // after each change
    for (int i = 0; i < 4000; ++i) {
        TableSnapshot before;
        const EditResult r = randomOp(t, rng, before);
        ASSERT_TRUE(sound(t)) << "step " << i;
        if (r.done) {
            h.record("Step", std::move(before), t);
            texts.push_back(fileText(t));
        } else {
            ASSERT_EQ(fileText(t), texts.back()) << "step " << i;
        }
    }
    const int done = static_cast<int>(texts.size()) - 1;
    EXPECT_GT(done, 1500);
    const std::string last = fileText(t);
    EXPECT_EQ(fileText(readTable(last)), last);
    while (h.undo(t)) {
        texts.pop_back();
        ASSERT_EQ(fileText(t), texts.back()) << "undo to step " << texts.size() - 1;
        ASSERT_TRUE(sound(t));
    }
    EXPECT_EQ(fileText(t), saved);
    EXPECT_FALSE(t.pbTableChanged);
    while (h.redo(t)) {
    }
    EXPECT_EQ(fileText(t), last);
    EXPECT_TRUE(t.pbTableChanged);
}

TEST(EditHistory, LabelsRedoAndTheSavedState) {
    ConversionTable t = readTable(sampleTableText());
    t.psTableFile = "a.dat";
    EditHistory h(2);
    change(h, t, "Delete Unit", [](auto& x) { return pDeleteListItem(x, 3, 1); });
    t.pbTableChanged = false; // saved here
    change(h, t, "New Group", [](auto& x) { return pCreateTreeItem(x, 1); });
    t.psTableFile = "b.dat"; // saved as another file since
    EXPECT_EQ(h.undoLabel(), "New Group");
    ASSERT_TRUE(h.undo(t));
    EXPECT_FALSE(t.pbTableChanged); // back at the saved state
    EXPECT_EQ(t.psTableFile, "b.dat");
    EXPECT_EQ(h.redoLabel(), "New Group");
    ASSERT_TRUE(h.undo(t));
    EXPECT_TRUE(t.pbTableChanged);
    EXPECT_EQ(t.pnUnitCount[3], 5);
    ASSERT_TRUE(h.redo(t));
    EXPECT_FALSE(t.pbTableChanged);
    change(h, t, "Move Unit", [](auto& x) { return moveListItem(x, 3, 1, 2); });
    EXPECT_FALSE(h.canRedo()); // a new change drops what could be redone
    EXPECT_TRUE(t.pbTableChanged);
    change(h, t, "Move Unit", [](auto& x) { return moveListItem(x, 3, 1, 2); });
    EXPECT_EQ(h.steps(), 2u);  // at most two kept
    EditHistory small(100, 1); // one step, however large
    change(small, t, "Delete Unit", [](auto& x) { return pDeleteListItem(x, 3, 1); });
    change(small, t, "Delete Unit", [](auto& x) { return pDeleteListItem(x, 3, 1); });
    EXPECT_EQ(small.steps(), 1u);
}

TEST(EditMenuState, FollowsModifyTheSelectionAndTheLimits) {
    ConversionTable t = readTable(sampleTableText());
    EditHistory h;
    change(h, t, "Rename Unit", [](auto& x) { return moveListItem(x, 3, 1, 2); });
    ConversionTable full = t;
    while (pCreateTreeItem(full, 1).done) {
    }
    // flags: modify, then undo, new group, new category, new unit, delete, rename,
    // properties, and c when New Unit names a constant; unit: -1 the tree is acted on,
    // else the list's unit.
    const struct {
        const ConversionTable* table;
        int node;
        int unit;
        const char* flags;
    } rows[] = {{&t, 6, -1, "00000000u"},    {&t, 1, -1, "11100000u"}, {&t, 2, -1, "11110010u"},
                {&t, 4, -1, "11100000u"},    {&t, 5, -1, "11101000c"}, {&t, 6, -1, "11111111u"},
                {&full, 1, -1, "11000000u"}, {&t, 6, 1, "11111111u"},  {&t, 6, 1, "00000000u"},
                {&t, 6, 0, "11111000u"},     {&t, 6, 99, "11111000u"}, {&t, 4, 1, "11100000u"},
                {&t, 5, 1, "11101111c"},     {&t, 2, 1, "11110000u"},  {&t, 3, -1, "11110110u"}};
    for (const auto& row : rows) {
        const EditMenuState s =
            editMenuState(*row.table, h, row.node, row.flags[0] == '1', row.unit);
        std::string flags = row.flags[0] == '1' ? "1" : "0";
        for (bool b : {s.undo, s.newGroup, s.newCategory, s.newUnit, s.deleteItem, s.renameItem,
                       s.properties})
            flags += b ? '1' : '0';
        flags += s.newUnitCaption.find("onstant") != std::string::npos ? 'c' : 'u';
        EXPECT_EQ(flags, row.flags) << row.node << " " << row.unit;
        EXPECT_EQ(s.undoCaption + s.redoCaption, "&Undo Rename Unit&Redo");
    }
}
