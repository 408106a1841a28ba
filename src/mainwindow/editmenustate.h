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

    bool operator==(const EditMenuState&) const = default;
};

// selNode: pnSelNodeIndex; modify: the setting Modify is on. Nothing that
// changes the table is available while modify is off or at a limit.
EditMenuState editMenuState(const ConversionTable& t, const EditHistory& h, int selNode,
                            bool modify);

// The Category# of a category node, or -1 for the root, a group or no node.
int categoryOfNode(const ConversionTable& t, int node);

} // namespace qm
