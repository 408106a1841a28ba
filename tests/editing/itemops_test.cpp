#include "core/text.h"
#include "editing/categoryedit.h"
#include "editing/itemops.h"
#include "editingtestutil.h"

#include <algorithm>

using namespace qm;
using namespace qm::test;

namespace {

const UnitRecord kUnit{1, "new", "2", "0", "0", "0", ""};

// One operation by its letter: on the tree c create, a add, m move, d delete;
// on Length (#3) i insert after a, x delete a, v move a to b.
EditResult run(ConversionTable& t, char op, int a, int b) {
    if (op == 'c') return pCreateTreeItem(t, a);
    if (op == 'a') return pAddTreeItem(t, a);
    if (op == 'm') return pInsertTreeItem(t, a, b);
    if (op == 'd') return pDeleteTreeItem(t, a);
    if (op == 'i') return pInsertListItem(t, kUnit, 3, a);
    if (op == 'x') return pDeleteListItem(t, 3, a);
    return moveListItem(t, 3, a, b);
}

// "groups|category:parent ..." for the tree, the unit names of Length for the list.
std::string shape(const ConversionTable& t, bool tree) {
    std::string s = tree ? std::to_string(t.pnCatGroupCount) + "|" + allocation(t) : "";
    for (int u = 1; !tree && u <= t.pnUnitCount[3]; ++u)
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
// Length's units: metre Foot inch Foot Yard. Outcome 1 done, 0 nothing, 2 refused with a message.
TEST(ItemOps, OperationsKeepTheAllocationOrderedAndTheTableReadable) {
    const struct {
        char op;
        int a, b;
        const char* after; // nullptr: unchanged
        int select, outcome;
    } rows[] = {
        {'c', 1, 0, "3|1:1 2:1 3:2 5:2 4:3 6:3", 4, 1},
        {'c', 2, 0, "2|1:1 2:1 3:2 5:2 7:2 4:3 6:3", 8, 1},
        {'c', 3, 0, "2|1:1 2:1 3:2 5:2 4:3 6:3 7:3", 10, 1},
        {'c', 6, 0, nullptr, 0, 2},
        {'a', 6, 0, "2|1:1 2:1 3:2 7:2 5:2 4:3 6:3", 7, 1},
        {'a', 5, 0, nullptr, 0, 2},
        {'m', 6, 9, "2|1:1 2:1 5:2 4:3 6:3 3:3", 9, 1},
        {'m', 9, 2, "2|1:1 2:1 3:2 5:2 6:2 4:3", 8, 1},
        {'m', 8, 6, "2|1:1 2:1 3:2 4:2 5:2 6:3", 7, 1},
        {'m', 6, 7, "2|1:1 2:1 5:2 3:2 4:3 6:3", 7, 1},
        {'m', 7, 6, nullptr, 7, 0},
        {'m', 6, 2, nullptr, 6, 0},
        {'m', 6, 4, nullptr, 6, 0},
        {'m', 6, 5, nullptr, 6, 0},
        {'m', 6, 1, nullptr, 6, 0},
        {'m', 4, 6, nullptr, 4, 0},
        {'d', 7, 0, "2|1:1 2:1 3:2 4:3 6:3", 2, 1},
        {'d', 2, 0, "1|1:1 2:1 4:2 6:2", 1, 1},
        {'d', 3, 0, "1|1:1 2:1 3:2 5:2", 1, 1},
        {'d', 4, 0, nullptr, 0, 2},
        {'d', 1, 0, nullptr, 0, 2},
        {'i', 0, 0, "new metre Foot inch Foot Yard", 1, 1},
        {'i', 5, 0, "metre Foot inch Foot Yard new", 6, 1},
        {'i', 2, 0, "metre Foot new inch Foot Yard", 3, 1},
        {'x', 1, 0, "Foot inch Foot Yard", 1, 1},
        {'x', 5, 0, "metre Foot inch Foot", 4, 1},
        {'x', 0, 0, nullptr, 0, 0},
        {'v', 1, 5, "Foot inch Foot Yard metre", 5, 1},
        {'v', 5, 2, "metre Yard Foot inch Foot", 2, 1},
        {'v', 2, 2, nullptr, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(1, row.op) + " " + std::to_string(row.a) + " " +
                     std::to_string(row.b));
        ConversionTable t = readTable(sampleTableText());
        const bool tree = std::string("camd").find(row.op) != std::string::npos;
        const std::string before = fileText(t);
        const EditResult r = run(t, row.op, row.a, row.b);
        EXPECT_EQ(shape(t, tree), row.after ? row.after : shape(readTable(before), tree));
        EXPECT_EQ(tree ? r.node : r.unit, row.select);
        EXPECT_EQ(r.done ? 1 : r.message.empty() ? 0 : 2, row.outcome);
        expectSound(t, before, r.done);
    }
}

// Groups, categories and units are added until refused: the refused step
// changes nothing and says why, and the fullest table still reads back.
TEST(ItemOps, AtEveryLimitNothingChangesAndTheFullTableReadsBack) {
    const struct {
        const char* why;
        char op;
        int a;
    } rows[] = {
        {"30 category groups", 'c', 1}, {"100 unit categories", 'a', 6}, {"99 units", 'i', 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        ConversionTable t = readTable(sampleTableText());
        EditResult r;
        for (int i = 0; i < 200 && (i == 0 || r.done); ++i)
            r = run(t, row.op, row.a, 0);
        EXPECT_NE(r.message.find(row.why), std::string::npos) << r.message;
        t.pbTableChanged = false;
        const std::string full = fileText(t);
        EXPECT_FALSE(run(t, row.op, row.a, 0).done);
        expectSound(t, full, false);
    }
}

// 99 categories filled with units up to the file's 10000 lines: a unit more is
// refused, and a category (three lines) is refused two lines short of it.
TEST(ItemOps, TheLargestFileReadsBack) {
    ConversionTable t = readTable(sampleTableText());
    while (t.pnCategoryCount < 99)
        pCreateTreeItem(t, 3);
    const auto fewest = [&t] {
        return static_cast<int>(std::min_element(&t.pnUnitCount[1], &t.pnUnitCount[100]) -
                                &t.pnUnitCount[0]);
    };
    EditResult r;
    while ((r = pInsertListItem(t, kUnit, fewest(), 0)).done) {
    }
    EXPECT_NE(r.message.find("10000 lines"), std::string::npos);
    ASSERT_EQ(tableLineCount(t), kMaxTableLines);
    pDeleteListItem(t, 3, 1);
    pDeleteListItem(t, 4, 1);
    EXPECT_NE(pAddTreeItem(t, 9).message.find("10000 lines"), std::string::npos);
    pDeleteListItem(t, 5, 1);
    EXPECT_TRUE(pAddTreeItem(t, 9).done);
    EXPECT_EQ(fileText(readTable(fileText(t))), fileText(t));
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
        {CategoryMode::Edit, 6, {"Length", 0}, true, 3},
        {CategoryMode::Insert, 6, {" Speed ", 3}, true, 6},
        {CategoryMode::Add, 3, {"Speed", 1}, true, 4},
    };
    for (const auto& row : rows) {
        ConversionTable t = readTable(sampleTableText());
        EXPECT_EQ(categoryFormFor(t, CategoryMode::Edit, 3).option, 2);
        EXPECT_EQ(applyCategoryForm(t, row.mode, row.node, row.form).done, row.done);
        const int c = pMatchGroupIndex(t, trimSpaces(row.form.name));
        EXPECT_EQ(t.pnCategoryIcon[c], row.icon) << row.form.name;
    }
}
