// Which commands of the Edit menu that change the table are available, and
// their captions, worked out without windows.
#pragma once

#include "editing/edithistory.h"
#include "table/conversiontable.h"

#include <string>

namespace qm {

struct EditMenuState {
    bool undo = false;
    bool redo = false;
    std::string undoCaption; // "&Undo Rename Unit", or "&Undo" when there is nothing
    std::string redoCaption;
    bool newGroup = false;      // a group under the root
    bool newCategory = false;   // in the selected group, or after the selected category
    bool newUnit = false;       // after the selected unit of the selected category
    std::string newUnitCaption; // a constant in the constants category
    bool deleteItem = false;    // Delete, Rename and Properties act on the tree's
    bool renameItem = false;    // selected group or category, or on the list's
    bool properties = false;    // selected unit

    bool operator==(const EditMenuState&) const = default;
};

// selNode: pnSelNodeIndex; modify: the setting Modify is on; listUnit: -1
// when the tree is the view acted on, else the list is, with that unit of the
// selected category selected (0 for none). Nothing that changes the table is
// available while modify is off or at a limit. The root, the number-system
// and constants nodes and the number-system units are never deleted, renamed
// or given properties here; a group has no properties.
EditMenuState editMenuState(const ConversionTable& t, const EditHistory& h, int selNode,
                            bool modify, int listUnit);

// The Category# of a category node, or -1 for the root, a group or no node.
int categoryOfNode(const ConversionTable& t, int node);

} // namespace qm
