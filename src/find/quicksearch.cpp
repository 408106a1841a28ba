#include "find/quicksearch.h"

#include "core/text.h"
#include "find/findsearch.h"

#include <algorithm>
#include <tuple>

namespace qm {

namespace {

struct Ranked {
    int kind;         // 0 whole name, 1 first word, 2 start, 3 word start, 4 anywhere
    std::size_t at;   // where the text begins in the name
    std::size_t size; // length of the name
    int order;        // the category's place in the tree
    int unit;
    QuickMatch match;

    auto key() const { return std::tie(kind, at, size, order, unit); }
};

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           (static_cast<unsigned char>(c) >= 0x80);
}

int matchKind(const std::string& name, const std::string& text, std::size_t at) {
    if (at == 0) {
        if (name.size() == text.size()) return 0;
        return isWordChar(name[text.size()]) ? 2 : 1;
    }
    return isWordChar(name[at - 1]) ? 4 : 3;
}

} // namespace

std::vector<QuickMatch> quickSearch(const ConversionTable& t, std::string_view text,
                                    std::size_t limit) {
    const std::string wanted = foldNameCase(trimSpaces(text));
    std::vector<Ranked> found;
    if (wanted.empty()) return {};
    const int orders = std::clamp<int>(t.pnNodeCount, 0, kMaxSlot);
    for (int j = 1; j <= orders; ++j) {
        const int c = t.pnNodeCategory[static_cast<std::size_t>(j)];
        if (j == kConstantsOrder || c < 1 || c > kMaxSlot) continue;
        const std::string& category = t.psCategoryName[static_cast<std::size_t>(c)];
        const int count = std::min<int>(t.pnUnitCount[static_cast<std::size_t>(c)], t.unitDim());
        for (int u = 1; u <= count; ++u) {
            const std::string& name = t.unit(c, u).Name;
            const std::string lower = foldNameCase(name);
            const std::size_t at = lower.find(wanted);
            if (at == std::string::npos) continue;
            found.push_back({matchKind(lower, wanted, at), at, name.size(), j, u,
                             QuickMatch{static_cast<int16_t>(c), static_cast<int16_t>(u),
                                        name + " - " + category}});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Ranked& a, const Ranked& b) { return a.key() < b.key(); });
    std::vector<QuickMatch> out;
    for (std::size_t i = 0; i < found.size() && i < limit; ++i)
        out.push_back(found[i].match);
    return out;
}

} // namespace qm
