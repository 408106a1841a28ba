#include "table/printout.h"

#include "core/text.h"

#include <algorithm>
#include <string_view>

namespace qm {

namespace {

constexpr int kContinuationIndent = 5; // continued lines start under the unit's name

// A number right-aligned in a field of the given width. A number as wide as its
// field or wider is printed in full; after other text it keeps one blank before
// it, so that it never runs into the column before.
std::string numberField(long long v, std::size_t width, bool afterText = true) {
    std::string s = intText(v);
    if (s.size() < width) return std::string(width - s.size(), ' ') + s;
    return afterText ? " " + s : s;
}

bool isSlot(int index) {
    return index >= 0 && index <= kMaxSlot;
}

void addHeading(std::vector<std::string>& out, const char* heading) {
    out.emplace_back(heading);
    out.emplace_back(std::string_view(heading).size(), '-');
}

// One category of the tree: its properties, then its units (not their memos).
void addCategory(std::vector<std::string>& out, const ConversionTable& t, int c) {
    out.emplace_back(" ");
    addHeading(out, "Unit Category Properties (Category#, Icon#, Name, Unit Count)");
    const bool known = isSlot(c);
    const int count = known ? t.pnUnitCount[c] : 0;
    out.push_back(numberField(c, 3, false) + numberField(known ? t.pnCategoryIcon[c] : 0, 3) +
                  "  " + (known ? t.psCategoryName[c] : std::string()) + numberField(count, 4));
    const std::string rule(71, '-');
    out.push_back(rule);
    out.emplace_back("Unit Properties (Icon#, Name, Ratio, Offset, Ratio Error, Offset Error)");
    out.push_back(rule);
    const int last = std::min(count, t.unitDim());
    for (int u = 1; u <= last; ++u) {
        const UnitRecord& r = t.units[c][u];
        out.push_back(numberField(r.Icon, 3, false) + "  " + r.Name + "  " + r.Ratio + "  " +
                      r.Offset + "  " + r.RatioError + "  " + r.OffsetError);
    }
}

// Byte offsets at which the code points of a UTF-8 text start, then its size.
std::vector<std::size_t> codePointStarts(std::string_view s) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) at.push_back(i);
    at.push_back(s.size());
    return at;
}

// Where a piece of a long line that starts at code point `from` ends: after
// the blanks at the edge of the room, else after the last blank inside it,
// else at the edge.
int pieceEnd(const std::string& line, const std::vector<std::size_t>& at, int from, int room) {
    const int count = static_cast<int>(at.size()) - 1;
    int cut = from + room;
    if (cut >= count) return count;
    if (line[at[cut]] == ' ') {
        while (cut < count && line[at[cut]] == ' ')
            ++cut;
        return cut;
    }
    for (int k = cut - 1; k > from; --k)
        if (line[at[k]] == ' ') return k + 1;
    return cut;
}

void wrapLine(const std::string& line, int width, std::vector<std::string>& out) {
    const std::vector<std::size_t> at = codePointStarts(line);
    const int count = static_cast<int>(at.size()) - 1;
    if (width <= 0 || count <= width) {
        out.push_back(line);
        return;
    }
    const int indent = width > 2 * kContinuationIndent ? kContinuationIndent : 0;
    std::string prefix;
    for (int from = 0; from < count;) {
        const int cut = pieceEnd(line, at, from, width - static_cast<int>(prefix.size()));
        out.push_back(prefix + line.substr(at[from], at[cut] - at[from]));
        from = cut;
        prefix.assign(static_cast<std::size_t>(indent), ' ');
    }
}

} // namespace

std::vector<std::string> printoutLines(const ConversionTable& t) {
    std::vector<std::string> out;
    const std::string banner(35, '=');
    out.push_back(banner);
    out.emplace_back("|  Quantimetrix Conversion Table  |");
    out.push_back(banner);
    out.emplace_back();
    addHeading(out, "Conversion Table File");
    out.push_back(t.psTableFile);
    out.emplace_back();

    addHeading(out, "Unit Category Groups (Group#, Name)");
    const int groups = std::min<int>(t.pnCatGroupCount, kMaxSlot);
    for (int g = 1; g <= groups; ++g)
        out.push_back(numberField(g, 3, false) + "  " + t.psCatGroupName[g]);
    out.emplace_back(" ");

    addHeading(out, "Unit Category - Node Allocation (Order#, Category#, Node#, Name)");
    const int nodes = std::min<int>(t.pnNodeCount, kMaxSlot);
    for (int j = 1; j <= nodes; ++j) {
        const int c = t.pnNodeCategory[j];
        out.push_back(numberField(j, 3, false) + numberField(c, 4) +
                      numberField(t.pnNodeParent[j], 4) + "  " +
                      (isSlot(c) ? t.psCategoryName[c] : std::string()));
    }
    for (int j = 1; j <= nodes; ++j)
        addCategory(out, t, t.pnNodeCategory[j]);
    return out;
}

std::vector<std::string> wrapPrintoutLines(const std::vector<std::string>& lines, int width) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const std::string& line : lines)
        wrapLine(line, width, out);
    return out;
}

std::vector<std::vector<std::string>> printoutPages(const std::vector<std::string>& lines,
                                                    int linesPerPage, int charsPerLine) {
    const std::vector<std::string> wrapped = wrapPrintoutLines(lines, charsPerLine);
    const std::size_t perPage = static_cast<std::size_t>(std::max(1, linesPerPage));
    std::vector<std::vector<std::string>> pages;
    for (std::size_t i = 0; i < wrapped.size(); i += perPage) {
        const auto first = wrapped.begin() + static_cast<std::ptrdiff_t>(i);
        const auto end =
            wrapped.begin() + static_cast<std::ptrdiff_t>(std::min(i + perPage, wrapped.size()));
        pages.emplace_back(first, end);
    }
    return pages;
}

} // namespace qm
