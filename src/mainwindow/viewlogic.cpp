#include "mainwindow/viewlogic.h"

#include "core/text.h"
#include "engine/conversion.h"

#include <algorithm>
#include <cctype>

namespace qm {

namespace {

// Orders two names as the views do: letter case ignored.
int compareNoCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool isCategoryNode(const ConversionTable& t, int node) {
    return node > t.pnCatGroupCount + 1 && node <= t.pnCatGroupCount + t.pnNodeCount + 1;
}

} // namespace

std::vector<TreeNode> buildTreeNodes(const ConversionTable& t, const std::string& rootText) {
    std::vector<TreeNode> nodes;
    nodes.push_back({1, 0, rootText, NodeKind::Root, 2, -1, true});
    const int groups = std::clamp<int>(t.pnCatGroupCount, 0, kMaxSlot);
    for (int g = 1; g <= groups; ++g) {
        const bool open = t.pnCatGroupExpanded[g] == 1;
        nodes.push_back({g + 1, 1, t.psCatGroupName[g], NodeKind::Group, open ? 2 : 1, -1, open});
    }
    const int orders = std::clamp<int>(t.pnNodeCount, 0, kMaxSlot);
    for (int p = 1; p <= groups + 1; ++p) {
        for (int j = 1; j <= orders; ++j) {
            if (t.pnNodeParent[j] != p) continue;
            const int k = t.pnNodeCategory[j];
            if (k < 0 || k > kMaxSlot) continue;
            const int index = static_cast<int>(nodes.size()) + 1;
            nodes.push_back(
                {index, p, t.psCategoryName[k], NodeKind::Category, t.pnCategoryIcon[k], k, false});
        }
    }
    return nodes;
}

std::vector<int> childrenInDisplayOrder(const std::vector<TreeNode>& nodes, int parent,
                                        bool sortGroup) {
    std::vector<int> out;
    for (const TreeNode& n : nodes)
        if (n.parent == parent) out.push_back(n.index);
    const bool parentIsGroup = parent >= 1 && parent <= static_cast<int>(nodes.size()) &&
                               nodes[parent - 1].kind == NodeKind::Group;
    if (sortGroup && parentIsGroup) {
        std::stable_sort(out.begin(), out.end(), [&](int a, int b) {
            return compareNoCase(nodes[a - 1].text, nodes[b - 1].text) < 0;
        });
    }
    return out;
}

std::vector<ListRow> listRows(const ConversionTable& t, int16_t category, bool sortUnit,
                              bool descending) {
    std::vector<ListRow> rows;
    if (category < 0 || category > kMaxSlot) return rows;
    const int count = std::min<int>(t.pnUnitCount[category], t.unitDim());
    for (int u = 1; u <= count; ++u) {
        const UnitRecord& r = t.unit(category, u);
        rows.push_back({static_cast<int16_t>(u), r.Name, r.Ratio, r.Offset, r.Icon});
    }
    if (sortUnit) {
        std::stable_sort(rows.begin(), rows.end(), [&](const ListRow& a, const ListRow& b) {
            const int c = compareNoCase(a.text, b.text);
            return descending ? c > 0 : c < 0;
        });
    }
    return rows;
}

int16_t headerLayoutFor(const ConversionTable& t, int16_t selNode) {
    if (selNode == numberSystemNode(t)) return 2;
    if (selNode == constantsNode(t)) return 1;
    return 0;
}

std::vector<ColumnSpec> prepareColumns(Settings& s, int layout) {
    for (int l = 0; l < kHeaderLayoutCount; ++l) {
        for (int c = 0; c < kHeaderColumnCount; ++c) {
            if (s.HeaderText[l][c].empty()) s.HeaderText[l][c] = " ";
            if (s.HeaderWidth[l][c] < 240) s.HeaderWidth[l][c] = 240;
        }
    }
    std::vector<ColumnSpec> cols;
    if (layout < 0 || layout >= kHeaderLayoutCount) return cols;
    for (int c = 0; c < kHeaderColumnCount; ++c) {
        const std::string text = (layout == 2 && c > 0) ? " " : s.HeaderText[layout][c];
        cols.push_back({text, s.HeaderWidth[layout][c]});
    }
    return cols;
}

bool columnsNeedRebuild(const Selection& sel, int16_t layout) {
    if (layout == 0) return !sel.pbUnitHeaders;
    return sel.pbUnitHeaders || sel.pnHeaderIndex != layout;
}

std::string captionFor(const std::string& appTitle, const ConversionTable& t, int16_t selNode,
                       const std::string& selGroupName) {
    if (!isCategoryNode(t, selNode) || selGroupName.empty()) return appTitle;
    return appTitle + " - " + selGroupName;
}

RestoredSelection restoreSelection(const ConversionTable& t, const std::vector<TreeNode>& nodes,
                                   int16_t selNode) {
    RestoredSelection r;
    if (selNode > 1 && selNode <= static_cast<int>(nodes.size())) {
        const TreeNode& n = nodes[selNode - 1];
        const TreeNode* parent = n.parent >= 1 ? &nodes[n.parent - 1] : nullptr;
        r.highlightNode = (parent == nullptr || parent->expanded) ? selNode : parent->index;
    }
    const int order = selNode - t.pnCatGroupCount - 1;
    if (order > 0 && order <= t.pnNodeCount) {
        const int k = t.pnNodeCategory[order];
        if (k >= 0 && k <= kMaxSlot) {
            r.categoryName = t.psCategoryName[k];
            r.category = pMatchGroupIndex(t, *r.categoryName);
        }
    }
    return r;
}

bool unitsSelectable(const ConversionTable& t, int16_t selNode) {
    return selNode > t.pnCatGroupCount + 1 && selNode != constantsNode(t);
}

std::optional<std::string> renameTreeNode(Program& p, int node, int16_t rememberedCategory,
                                          const std::string& text) {
    ConversionTable& t = p.table;
    t.pbTableChanged = true;
    if (node >= 1 && node <= t.pnCatGroupCount + 1) {
        t.psCatGroupName[node - 1] = text;
        // The selected node's text, which the delete question names.
        if (node == p.pnSelNodeIndex()) p.sel.psSelGroupName = text;
        return std::nullopt;
    }
    if (isCategoryNode(t, node) && rememberedCategory >= 0 && rememberedCategory <= kMaxSlot) {
        t.psCategoryName[rememberedCategory] = text;
        p.sel.psSelGroupName = text;
        return p.psAppTitle + " - " + text;
    }
    return std::nullopt;
}

void renameUnit(Program& p, int16_t category, int16_t unit, const std::string& text) {
    p.table.pbTableChanged = true;
    if (category < 0 || category > kMaxSlot || unit < 1 || unit > p.table.unitDim()) return;
    p.table.unit(category, unit).Name = text;
}

std::string conversionClipText(const std::string& output, bool showError) {
    std::string clip = output;
    if (!clip.empty() && showError) {
        const auto pos = clip.find(kPlusMinus);
        if (pos != std::string::npos) clip.erase(pos);
    }
    return trimSpaces(clip);
}

std::string conversionHistoryText(const std::string& input, const std::string& fromName,
                                  const std::string& output, const std::string& intoName) {
    return trimSpaces(input + " " + fromName + " = " + output + " " + intoName);
}

std::string calculationHistoryText(const std::string& formula, const std::string& result) {
    return trimSpaces(formula + " = " + result);
}

std::string unitPropertiesText(const ConversionTable& t, int16_t category, int16_t unit) {
    if (category < 0 || category > kMaxSlot || unit < 0 || unit > t.unitDim()) return {};
    const UnitRecord& r = t.unit(category, unit);
    return trimSpaces(r.Name + " " + r.Ratio + " " + r.Offset + " " + r.RatioError + " " +
                      r.OffsetError + " " + r.Memo);
}

void swapUnits(UnitChoice& c) {
    std::swap(c.fromName, c.intoName);
    std::swap(c.from, c.into);
}

std::vector<UnitMark> listRowMarks(const ConversionTable& t, int16_t category,
                                   const std::vector<std::string>& rowTexts, const UnitChoice& c) {
    std::vector<UnitMark> marks;
    marks.reserve(rowTexts.size());
    for (const std::string& text : rowTexts) {
        const int16_t unit = pMatchUnitIndex(t, category, text);
        int mark = 0;
        if (unit > 0 && !c.fromName.empty() && unit == c.from) mark |= 1;
        if (unit > 0 && !c.intoName.empty() && unit == c.into) mark |= 2;
        marks.push_back(static_cast<UnitMark>(mark));
    }
    return marks;
}

BoxPlaceholders boxPlaceholders(const UnitChoice& c, bool unitsSelectable) {
    BoxPlaceholders b;
    if (!unitsSelectable) return b;
    if (c.fromName.empty()) b.input = "Left-click a unit to convert from";
    if (c.intoName.empty()) b.output = "Right-click a unit to convert into";
    return b;
}

std::string pastedInputText(const std::string& clip) {
    constexpr const char* kOuter = " \t\r\n";
    const auto first = clip.find_first_not_of(kOuter);
    if (first == std::string::npos) return {};
    const auto lineEnd = clip.find_first_of("\r\n", first);
    const std::string line =
        clip.substr(first, lineEnd == std::string::npos ? lineEnd : lineEnd - first);
    const auto last = line.find_last_not_of(kOuter);
    return line.substr(0, last + 1);
}

bool conversionReady(const ConversionTable& t, int16_t selNode, int16_t category,
                     const UnitChoice& c) {
    if (!c.bothChosen() || !isCategoryNode(t, selNode) || !unitsSelectable(t, selNode))
        return false;
    if (category < 0 || category > kMaxSlot) return false;
    const int count = std::min<int>(t.pnUnitCount[category], t.unitDim());
    return c.from >= 1 && c.from <= count && c.into >= 1 && c.into <= count;
}

void RenameClicks::press(int item, long long timeMs, bool wasSelected) {
    pressed_ = item;
    pressTime_ = timeMs;
    candidate_ = item != 0 && wasSelected && item == last_;
}

bool RenameClicks::release(int item, long long timeMs, int doubleClickMs) {
    const bool sameItem = item != 0 && item == pressed_;
    const bool start = sameItem && candidate_ && pressTime_ - lastTime_ >= doubleClickMs;
    candidate_ = false;
    if (!sameItem) return false;
    last_ = item;
    lastTime_ = timeMs;
    return start;
}

ColorValue decodeColor(int32_t value) {
    ColorValue c;
    if (value < 0) {
        c.system = true;
        c.index = static_cast<int>(static_cast<uint32_t>(value) & 0xFFFFu);
        return c;
    }
    c.red = value & 0xFF;
    c.green = (value >> 8) & 0xFF;
    c.blue = (value >> 16) & 0xFF;
    return c;
}

} // namespace qm
