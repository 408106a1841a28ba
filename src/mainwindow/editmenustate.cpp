#include "mainwindow/editmenustate.h"

#include "editing/itemops.h"

namespace qm {

int categoryOfNode(const ConversionTable& t, int node) {
    const int j = node - t.pnCatGroupCount - 1;
    if (j < 1 || j > t.pnNodeCount) return -1;
    return t.pnNodeCategory[j];
}

namespace {

// Delete, Rename and Properties for the item acted on.
void setItemCommands(EditMenuState& s, const ConversionTable& t, int selNode, int listUnit) {
    if (listUnit < 0) {
        const bool category = isOrdinaryCategoryNode(t, selNode);
        s.renameItem = category || isGroupNode(t, selNode);
        // The first group stays, as its context menu offers no delete either.
        s.deleteItem = category || (isGroupNode(t, selNode) && selNode != 2);
        s.properties = category;
        return;
    }
    const int c = categoryOfNode(t, selNode);
    s.deleteItem = s.renameItem = s.properties = c >= 1 && c <= kMaxSlot &&
                                                 selNode != numberSystemNode(t) && listUnit >= 1 &&
                                                 listUnit <= t.pnUnitCount[c];
}

} // namespace

EditMenuState editMenuState(const ConversionTable& t, const EditHistory& h, int selNode,
                            bool modify, int listUnit) {
    EditMenuState s;
    s.undo = modify && h.canUndo();
    s.redo = modify && h.canRedo();
    s.undoCaption = h.canUndo() ? "&Undo " + h.undoLabel() : "&Undo";
    s.redoCaption = h.canRedo() ? "&Redo " + h.redoLabel() : "&Redo";
    const bool constants = selNode == constantsNode(t);
    s.newUnitCaption = constants ? "New C&onstant..." : "New &Unit...";
    if (!modify) return s;
    s.newGroup = !groupRefusal(t);
    s.newCategory =
        (isGroupNode(t, selNode) || isOrdinaryCategoryNode(t, selNode)) && !categoryRefusal(t);
    const int c = categoryOfNode(t, selNode);
    s.newUnit = c >= 0 && selNode != numberSystemNode(t) && !unitRefusal(t, c);
    setItemCommands(s, t, selNode, listUnit);
    return s;
}

} // namespace qm
