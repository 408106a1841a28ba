#include "mainwindow/dragrules.h"

namespace qm {

bool canStartTreeDrag(const ConversionTable& t, int selNode, int16_t modify) {
    return modify != 0 && selNode > constantsNode(t) &&
           selNode <= t.pnCatGroupCount + 1 + t.pnNodeCount;
}

DragOverLook dragOver(const DragSituation& s, DropPlace place) {
    switch (place) {
    case DropPlace::InputBox:
    case DropPlace::OutputBox: {
        const bool ok = s.kind == DragKind::Unit && !s.constantsSelected;
        return {ok, ok, false};
    }
    case DropPlace::Tree:
        return {s.kind == DragKind::Category, false, s.kind == DragKind::Category};
    case DropPlace::List: {
        const bool ok = s.kind == DragKind::Unit && s.modify;
        return {ok, false, ok};
    }
    case DropPlace::Other:
        break;
    }
    return {};
}

DropDecision dropOn(const DragSituation& s, DropPlace place, int highlighted) {
    if (!dragOver(s, place).accepts) return {};
    switch (place) {
    case DropPlace::InputBox:
        return {DropAction::ChooseFrom};
    case DropPlace::OutputBox:
        return {DropAction::ChooseInto};
    case DropPlace::List:
        if (highlighted < 1) return {};
        return s.sortUnit ? DropDecision{DropAction::Refused, 3}
                          : DropDecision{DropAction::MoveUnit};
    case DropPlace::Tree:
        if (highlighted < 1) return {};
        return s.sortGroup ? DropDecision{DropAction::Refused, 2}
                           : DropDecision{DropAction::MoveCategory};
    case DropPlace::Other:
        break;
    }
    return {};
}

Band bandAt(int x, int y, int left, int top, int width, int height, int margin) {
    if (x < left || x >= left + width || y < top || y >= top + height) return Band::Outside;
    if (y < top + margin) return Band::Top;
    if (y >= top + height - margin) return Band::Bottom;
    return Band::Middle;
}

WatchOutcome watchTick(WatchState& st, const WatchInput& in) {
    ++st.watchTicks;
    ++st.zoneTicks;
    if (st.watchTicks > kMaxWatchTicks) return {WatchAction::StopWatch};
    const bool tree = in.kind == DragKind::Category;
    const int sortTip = tree ? 0 : 1;
    switch (in.band) {
    case Band::Outside:
    case Band::Middle:
        st.zoneTicks = 0; // the bottom band's delay starts afresh
        return {WatchAction::StopScroll};
    case Band::Top:
        if (in.sorted) return {WatchAction::EndDrag, sortTip};
        st.direction = 1;
        st.zoneTicks = 0;
        return {WatchAction::StartScroll};
    case Band::Bottom:
        if (in.sorted) {
            if (tree || st.zoneTicks >= in.showHintDelay / kWatchInterval)
                return {WatchAction::EndDrag, sortTip};
            return {};
        }
        st.direction = 2;
        if (tree || st.zoneTicks >= in.scrollDownDelay / kWatchInterval)
            return {WatchAction::StartScroll};
        return {};
    }
    return {};
}

ScrollStep listScrollStep(int position, int direction, int unitCount) {
    if (unitCount < 1) return {0, false, true};
    const int p = direction == 1 ? position - 1 : position + 1;
    if (p < 2) return {1, true, true};
    if (p >= unitCount) return {unitCount, true, true};
    return {p, true, false};
}

ScrollStep treeScrollStep(const ConversionTable& t, int position, int direction) {
    const int p = direction == 1 ? position - 1 : position + 1;
    const int last = t.pnCatGroupCount + t.pnNodeCount + 1;
    if (p <= constantsNode(t)) return {position, false, true};
    if (p >= last) return {last, true, true};
    return {p, true, false};
}

} // namespace qm
