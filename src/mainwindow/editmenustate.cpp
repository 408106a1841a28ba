#include "mainwindow/editmenustate.h"

#include "editing/itemops.h"

namespace qm {

int categoryOfNode(const ConversionTable& t, int node) {
    const int j = node - t.pnCatGroupCount - 1;
    if (j < 1 || j > t.pnNodeCount) return -1;
    return t.pnNodeCategory[j];
}

EditMenuState editMenuState(const ConversionTable& t, const EditHistory& h, int selNode,
                            bool modify) {
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
    return s;
}

} // namespace qm
