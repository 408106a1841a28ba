#include "core/text.h"
#include "editing/categoryedit.h"
#include "editing/itemops.h"
#include "editingtestutil.h"

#include <algorithm>
#include <functional>

using namespace qm;
using namespace qm::test;

namespace {

using Op = std::function<EditResult(ConversionTable&)>;

// Length (Category# 3) by unit names.
std::string lengthUnits(const ConversionTable& t) {
    std::string s;
    for (int u = 1; u <= t.pnUnitCount[3]; ++u)
        s += (u > 1 ? " " : "") + t.unit(3, u).Name;
    return s;
}

// A changed table saves and reads back; a refused change leaves it as it was.
void expectSound(const ConversionTable& t, const std::string& before, bool done) {
    const std::string text = fileText(t);
    EXPECT_EQ(fileText(readTable(text)), text);
    EXPECT_EQ(t.pbTableChanged, done);
    if (!done) {
        EXPECT_EQ(text, before);
    }
}

} // namespace

// Sample nodes: 1 root, 2 Space, 3 Mechanics, 4 Number System, 5 Constants,
// 6 Length (#3), 7 Area (#5) in Space, 8 Mass (#4), 9 Temperature (#6) in Mechanics.
TEST(ItemOps, TreeOperationsKeepTheAllocationOrderedByParent) {
    const struct {
        const char* name;
        Op op;
        const char* allocation;
        int groups, node;
        bool done, message;
    } rows[] = {
        {"group", [](auto& t) { return pCreateTreeItem(t, 1); }, "1:1 2:1 3:2 5:2 4:3 6:3", 3, 4,
         true, false},
        {"into Space", [](auto& t) { return pCreateTreeItem(t, 2); }, "1:1 2:1 3:2 5:2 7:2 4:3 6:3",
         2, 8, true, false},
        {"into Mechanics", [](auto& t) { return pCreateTreeItem(t, 3); },
         "1:1 2:1 3:2 5:2 4:3 6:3 7:3", 2, 10, true, false},
        {"create on a category", [](auto& t) { return pCreateTreeItem(t, 6); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 0, false, true},
        {"after Length", [](auto& t) { return pAddTreeItem(t, 6); }, "1:1 2:1 3:2 7:2 5:2 4:3 6:3",
         2, 7, true, false},
        {"after Constants", [](auto& t) { return pAddTreeItem(t, 5); }, "1:1 2:1 3:2 5:2 4:3 6:3",
         2, 0, false, true},
        {"Length on Temperature", [](auto& t) { return pInsertTreeItem(t, 6, 9); },
         "1:1 2:1 5:2 4:3 6:3 3:3", 2, 9, true, false},
        {"Temperature on Space", [](auto& t) { return pInsertTreeItem(t, 9, 2); },
         "1:1 2:1 3:2 5:2 6:2 4:3", 2, 8, true, false},
        {"Mass on Length", [](auto& t) { return pInsertTreeItem(t, 8, 6); },
         "1:1 2:1 3:2 4:2 5:2 6:3", 2, 7, true, false},
        {"Length on Area", [](auto& t) { return pInsertTreeItem(t, 6, 7); },
         "1:1 2:1 5:2 3:2 4:3 6:3", 2, 7, true, false},
        {"Area on Length: same place", [](auto& t) { return pInsertTreeItem(t, 7, 6); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 7, false, false},
        {"Length on its group", [](auto& t) { return pInsertTreeItem(t, 6, 2); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 6, false, false},
        {"Length on Number System", [](auto& t) { return pInsertTreeItem(t, 6, 4); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 6, false, false},
        {"Length on Constants", [](auto& t) { return pInsertTreeItem(t, 6, 5); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 6, false, false},
        {"Length on the root", [](auto& t) { return pInsertTreeItem(t, 6, 1); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 6, false, false},
        {"Number System moved", [](auto& t) { return pInsertTreeItem(t, 4, 6); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 4, false, false},
        {"delete Area", [](auto& t) { return pDeleteTreeItem(t, 7); }, "1:1 2:1 3:2 4:3 6:3", 2, 2,
         true, false},
        {"delete Space", [](auto& t) { return pDeleteTreeItem(t, 2); }, "1:1 2:1 4:2 6:2", 1, 1,
         true, false},
        {"delete Mechanics", [](auto& t) { return pDeleteTreeItem(t, 3); }, "1:1 2:1 3:2 5:2", 1, 1,
         true, false},
        {"delete Number System", [](auto& t) { return pDeleteTreeItem(t, 4); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 0, false, true},
        {"delete the root", [](auto& t) { return pDeleteTreeItem(t, 1); },
         "1:1 2:1 3:2 5:2 4:3 6:3", 2, 0, false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ConversionTable t = readTable(sampleTableText());
        const std::string before = fileText(t);
        const EditResult r = row.op(t);
        EXPECT_EQ(allocation(t), row.allocation);
        EXPECT_EQ(t.pnCatGroupCount, row.groups);
        EXPECT_EQ(r.done, row.done);
        EXPECT_EQ(r.node, row.node);
        EXPECT_EQ(r.message.empty(), !row.message);
        expectSound(t, before, row.done);
    }
}

TEST(ItemOps, UnitsAreInsertedDeletedAndMovedInTheirCategory) {
    const UnitRecord added{1, "new", "2", "0", "0", "0", ""};
    const struct {
        Op op;
        const char* units;
        int unit;
    } rows[] = {
        {[&](auto& t) { return pInsertListItem(t, added, 3, 0); }, "new metre Foot inch Foot Yard",
         1},
        {[&](auto& t) { return pInsertListItem(t, added, 3, 5); }, "metre Foot inch Foot Yard new",
         6},
        {[&](auto& t) { return pInsertListItem(t, added, 3, 2); }, "metre Foot new inch Foot Yard",
         3},
        {[](auto& t) { return pDeleteListItem(t, 3, 1); }, "Foot inch Foot Yard", 1},
        {[](auto& t) { return pDeleteListItem(t, 3, 5); }, "metre Foot inch Foot", 4},
        {[](auto& t) { return pDeleteListItem(t, 3, 0); }, "metre Foot inch Foot Yard", 0},
        {[](auto& t) { return moveListItem(t, 3, 1, 5); }, "Foot inch Foot Yard metre", 5},
        {[](auto& t) { return moveListItem(t, 3, 5, 2); }, "metre Yard Foot inch Foot", 2},
        {[](auto& t) { return moveListItem(t, 3, 2, 2); }, "metre Foot inch Foot Yard", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.units);
        ConversionTable t = readTable(sampleTableText());
        const std::string before = fileText(t);
        const EditResult r = row.op(t);
        EXPECT_EQ(lengthUnits(t), row.units);
        EXPECT_EQ(r.unit, row.unit);
        expectSound(t, before, r.done);
    }
}

// Each kind of item is added until the table is full: the refused step
// changes nothing and says why, and the fullest table still reads back.
TEST(ItemOps, AtEveryLimitNothingChangesAndTheFullTableReadsBack) {
    const UnitRecord unit{1, "u", "1", "0", "0", "0", ""};
    const auto fewestUnits = [](const ConversionTable& t) {
        int best = 3;
        for (int c = 3; c <= t.pnCategoryCount; ++c)
            if (t.pnUnitCount[c] < t.pnUnitCount[best]) best = c;
        return best;
    };
    const struct {
        const char* why;
        Op op;
    } rows[] = {
        {"30 category groups", [](auto& t) { return pCreateTreeItem(t, 1); }},
        {"100 unit categories", [](auto& t) { return pAddTreeItem(t, 6); }},
        {"99 units", [&](auto& t) { return pInsertListItem(t, unit, 3, 0); }},
        {"10000 lines",
         [&](auto& t) {
             if (!categoryRefusal(t)) return pCreateTreeItem(t, 3);
             return pInsertListItem(t, unit, fewestUnits(t), 0);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        ConversionTable t = readTable(sampleTableText());
        EditResult r;
        for (int i = 0; i < 20000 && (i == 0 || r.done); ++i)
            r = row.op(t);
        EXPECT_NE(r.message.find(row.why), std::string::npos) << r.message;
        t.pbTableChanged = false;
        const std::string full = fileText(t);
        EXPECT_FALSE(row.op(t).done);
        expectSound(t, full, false);
    }
}

// Length (node 6) has Icon# 1, which the tree draws like Icon# 5 (option 2).
TEST(CategoryForm, KeepsThePictureShownAndStoresTrimmedNames) {
    const struct {
        CategoryMode mode;
        int node;
        CategoryForm form;
        bool done;
        int icon; // of the category named by the form afterwards
    } rows[] = {
        {CategoryMode::Edit, 6, {"Length", 2}, false, 1},
        {CategoryMode::Edit, 6, {"  Long  ", 2}, true, 1},
        {CategoryMode::Edit, 6, {"Length", 0}, true, 3},
        {CategoryMode::Insert, 6, {" Speed ", 3}, true, 6},
        {CategoryMode::Add, 3, {"Speed", 1}, true, 4},
        {CategoryMode::Add, 3, {"Area", 1}, false, 1}, // Area's own icon: the name is taken
    };
    for (const auto& row : rows) {
        ConversionTable t = readTable(sampleTableText());
        EXPECT_EQ(categoryFormFor(t, CategoryMode::Edit, 3).option, 2);
        EXPECT_EQ(applyCategoryForm(t, row.mode, row.node, row.form).done, row.done);
        const int c = pMatchGroupIndex(t, trimSpaces(row.form.name));
        ASSERT_GT(c, 0) << row.form.name;
        EXPECT_EQ(t.pnCategoryIcon[c], row.icon) << row.form.name;
    }
}

// A new category needs three lines of the file: refused two lines short of it.
TEST(ItemOps, ACategoryNeedsThreeMoreLines) {
    ConversionTable t = readTable(sampleTableText());
    const UnitRecord unit{1, "u", "1", "0", "0", "0", ""};
    while (t.pnCategoryCount < 99)
        pCreateTreeItem(t, 3);
    const auto fewest = [&t] {
        return std::min_element(&t.pnUnitCount[1], &t.pnUnitCount[100]) - &t.pnUnitCount[0];
    };
    while (pInsertListItem(t, unit, static_cast<int>(fewest()), 0).done) {
    }
    ASSERT_EQ(tableLineCount(t), kMaxTableLines);
    pDeleteListItem(t, 3, 1);
    pDeleteListItem(t, 4, 1);
    EXPECT_NE(pAddTreeItem(t, 9).message.find("10000 lines"), std::string::npos);
    pDeleteListItem(t, 5, 1);
    EXPECT_TRUE(pAddTreeItem(t, 9).done);
    EXPECT_EQ(fileText(readTable(fileText(t))), fileText(t));
}
