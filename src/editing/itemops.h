// The operations that change the structure of the conversion table: units
// inserted, deleted and moved within their category; groups and categories
// created, inserted, moved and deleted in the category tree. Each one keeps
// the node allocation ordered by parent and marks the table changed. At a
// limit of the data file (what the reader accepts) it changes nothing and
// says why, so that every table they produce saves and reads back.
#pragma once

#include "table/conversiontable.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qm {

// What an operation did and what the window selects afterwards.
struct EditResult {
    bool done = false;        // the table changed
    std::string message;      // why it was refused; empty when done or when there was nothing to do
    int node = 0;             // tree node to select (0: keep the selection)
    int unit = 0;             // unit number to select in the list (0: none)
    bool refreshViews = true; // the tree and the list are rebuilt from the table

    static EditResult refused(std::string why) { return {false, std::move(why), 0, 0, true}; }
};

// The most lines a data file may have and still be read.
inline constexpr int kMaxTableLines = 10000;

// The number of lines the data file of this table has.
int tableLineCount(const ConversionTable& t);

// Why one more item of that kind cannot be added, or nothing when it can.
std::optional<std::string> groupRefusal(const ConversionTable& t);
std::optional<std::string> categoryRefusal(const ConversionTable& t);
std::optional<std::string> unitRefusal(const ConversionTable& t, int category);

// What the category tree shows of the table (groups, node allocation, the
// names and icons of the categories in it): two tables with the same
// signature show the same tree.
std::string treeSignature(const ConversionTable& t);

// Tree node kinds as the operations see them.
bool isGroupNode(const ConversionTable& t, int node);
// A category node other than Number System and Constants.
bool isOrdinaryCategoryNode(const ConversionTable& t, int node);
// The parent node of a category node (1 for a group node, 0 for the root).
int parentOfNode(const ConversionTable& t, int node);

// Inserts the record (a copy: it may be a unit of the table itself, which
// the insertion may move) as unit u+1 of the category (u = 0 prepends, u = the
// unit count appends). Selects the new unit.
EditResult pInsertListItem(ConversionTable& t, UnitRecord record, int category, int u);
// Deletes unit u of the category. Selects the unit now at u (or the last).
EditResult pDeleteListItem(ConversionTable& t, int category, int u);
// Moves unit `from` of the category so that it becomes unit `to`.
EditResult moveListItem(ConversionTable& t, int category, int from, int to);

// On the root: a group named psNewItemName. On a group node: a category named
// psNewItemName with icon pnNewItemIcon as the group's last child.
EditResult pCreateTreeItem(ConversionTable& t, int node);
// A new category right after the category at that node, under the same parent.
EditResult pAddTreeItem(ConversionTable& t, int node);
// Moves the category at node `source` after the category at `target`, or to
// the end of the group at `target`.
EditResult pInsertTreeItem(ConversionTable& t, int source, int target);
// Deletes a category node (its category stays in the table, hidden) or a
// group with all its category nodes.
EditResult pDeleteTreeItem(ConversionTable& t, int node);

} // namespace qm
