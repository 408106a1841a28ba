#include "find/findsearch.h"

#include "core/text.h"

#include <algorithm>

namespace qm {

// ASCII letters and the two-byte UTF-8 capitals U+00C0..U+00DE (except the
// multiplication sign), so "ÅNGSTRÖM" meets "ångström".
std::string foldNameCase(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                out[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return out;
}

namespace {

int16_t toShort(int v) {
    return static_cast<int16_t>(v);
}

// The first category to search: the stored start, or 1 when the table has
// changed so that it no longer lies inside.
int firstCategory(const FindPosition& pos, int n) {
    return (pos.pnFindGroupStart >= 1 && pos.pnFindGroupStart <= n) ? pos.pnFindGroupStart : 1;
}

} // namespace

bool findNameMatches(std::string_view name, std::string_view text, bool matchCase) {
    if (matchCase) return name.find(text) != std::string_view::npos;
    return foldNameCase(name).find(foldNameCase(text)) != std::string::npos;
}

int findCategoryCount(const ConversionTable& t) {
    return std::clamp<int>(t.pnCategoryCount, 0, kMaxSlot);
}

// The number of categories to walk, or 0 when there is nothing to look for.
static int searchableCount(const ConversionTable& t, std::string_view text) {
    return trimSpaces(text).empty() ? 0 : findCategoryCount(t);
}

bool categoryInTree(const ConversionTable& t, int category) {
    const int orders = std::clamp<int>(t.pnNodeCount, 0, kMaxSlot);
    for (int j = 1; j <= orders; ++j)
        if (t.pnNodeCategory[static_cast<std::size_t>(j)] == category) return true;
    return false;
}

FindOutcome mFindUnit(const ConversionTable& t, FindPosition& pos, std::string_view text,
                      bool matchCase) {
    FindOutcome out;
    const int n = searchableCount(t, text);
    if (n == 0) return FindOutcome{{}, true};
    const int first = firstCategory(pos, n);
    for (int c = first; c <= n && !out.hit; ++c) {
        const int count = std::min<int>(t.pnUnitCount[static_cast<std::size_t>(c)], t.unitDim());
        const int from = c == first ? std::max<int>(pos.pnFindUnitStart, 1) : 1;
        const int to = categoryInTree(t, c) ? count : 0;
        for (int u = from; u <= to; ++u) {
            if (!findNameMatches(t.unit(c, u).Name, text, matchCase)) continue;
            out.hit = FindHit{toShort(c), toShort(u)};
            const bool last = u == count && c < n;
            pos.pnFindGroupStart = toShort(last ? c + 1 : c);
            pos.pnFindUnitStart = toShort(last ? 1 : u + 1);
            break;
        }
        if (c == n) {
            pos.reset();
            out.endOfSearch = true;
        }
    }
    return out;
}

FindOutcome mFindCategory(const ConversionTable& t, FindPosition& pos, std::string_view text,
                          bool matchCase) {
    FindOutcome out;
    const int n = searchableCount(t, text);
    if (n == 0) return FindOutcome{{}, true};
    for (int c = firstCategory(pos, n); c <= n; ++c) {
        if (categoryInTree(t, c) &&
            findNameMatches(t.psCategoryName[static_cast<std::size_t>(c)], text, matchCase)) {
            out.hit = FindHit{toShort(c), 0};
            pos.pnFindGroupStart = toShort(c < n ? c + 1 : n);
            return out;
        }
        if (c == n) {
            pos.pnFindGroupStart = 1;
            out.endOfSearch = true;
        }
    }
    return out;
}

} // namespace qm
