#include "table/tablelint.h"

#include "table/conversiontable.h"
#include "table/tablereader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>

namespace qm {

namespace {

// The reader fails at this 0-based line index.
struct Stop {
    std::size_t index;
};

// The first N fields of a line by the reader's rule (empty beyond the last).
template <std::size_t N> std::array<std::string, N> fields(std::string_view line) {
    std::array<std::string, N> f{};
    for (std::size_t k = 0; k < N; ++k)
        f[k] = pGetField(line, static_cast<int>(k) + 1, static_cast<int>(N));
    return f;
}

std::string shown(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

// A text in quotes, cut short when long.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 32;
    if (text.size() <= kShown) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kShown)) + "...\"";
}

// A line that looks like an end line but is not one: blanks and tabs aside and
// in any case, the letter E between semicolons.
bool nearlyEndLine(std::string_view line) {
    if (isEndLine(line) || line.find(';') == std::string_view::npos) return false;
    std::string s;
    for (char c : line)
        if (c != ' ' && c != '\t') s += c;
    const auto b = s.find_first_not_of(';');
    const auto e = s.find_last_not_of(';');
    return b != std::string::npos && b == e && (s[b] == 'E' || s[b] == 'e');
}

class Walk {
  public:
    Walk(const std::vector<std::string_view>& lines, const DecimalSettings& dec, LintReport& r)
        : lines_(lines), dec_(dec), r_(r) {}

    void run() {
        const auto endLines = std::count_if(lines_.begin(), lines_.end(), isEndLine);
        const long categories = static_cast<long>(endLines) - 2;
        if (categories > kMaxCategories) throw Stop{nthEndLine(kMaxCategories + 3)};
        std::size_t i = groups();
        i = allocation(i + 1, categories) + 1;
        for (int c = 1; c <= categories; ++c)
            i = category(i, c) + 1;
        trailing(i);
    }

  private:
    const std::vector<std::string_view>& lines_;
    const DecimalSettings& dec_;
    LintReport& r_;
    int numberSystem_ = 0, constants_ = 0; // Category# at Order# 1 and 2
    int maxCount_ = 0;

    std::string_view at(std::size_t i) const {
        if (i >= lines_.size()) throw Stop{i};
        return lines_[i];
    }
    void warn(std::size_t i, std::string text) {
        r_.warnings.push_back({static_cast<int>(i) + 1, std::move(text)});
    }
    std::size_t nthEndLine(long n) const {
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (isEndLine(lines_[i]) && --n == 0) return i;
        return lines_.size();
    }
    template <typename F> auto orStop(std::size_t i, F read) const {
        try {
            return read();
        } catch (const std::exception&) {
            throw Stop{i};
        }
    }

    std::size_t groups() {
        std::size_t i = 0;
        for (int g = 1; !isEndLine(at(i)); ++g, ++i) {
            if (g > kMaxSlot) throw Stop{i};
            orStop(i, [&] { return lenientInt16(pGetField(lines_[i], 2, 2)); });
        }
        if (i > static_cast<std::size_t>(kMaxGroups)) throw Stop{kMaxGroups};
        return i;
    }

    std::size_t allocation(std::size_t first, long categories) {
        std::size_t i = first;
        for (int j = 1; !isEndLine(at(i)); ++j, ++i) {
            if (j > kMaxSlot) throw Stop{i};
            const auto f = fields<2>(lines_[i]);
            const int c = orStop(i, [&] { return lenientInt16(f[0]); });
            orStop(i, [&] { return lenientInt16(f[1]); });
            if (j == kNumberSystemOrder) numberSystem_ = c;
            if (j == kConstantsOrder) constants_ = c;
            if (c < 1 || c > categories)
                warn(i, "allocation entry names Category# " + std::to_string(c) +
                            ", which has no section");
        }
        return i;
    }

    std::size_t category(std::size_t i, int c) {
        const auto h = fields<3>(at(i));
        orStop(i, [&] { return strictInt16(h[0], dec_.locale); });
        const int count = orStop(i, [&] { return strictInt16(h[2], dec_.locale); });
        if (count > kMaxUnitsPerCategory) throw Stop{i};
        if (count < 0)
            warn(i, "negative unit count " + std::to_string(count) + ": no unit is shown");
        maxCount_ = std::max(maxCount_, count);
        const int dim = std::max(5, maxCount_ + 1);
        ++i;
        for (int u = 1; !isEndLine(at(i)); ++u, ++i) {
            if (u > dim) throw Stop{i};
            const auto f = fields<6>(lines_[i]);
            orStop(i, [&] { return strictInt16(f[0], dec_.locale); });
            if (i >= static_cast<std::size_t>(kMaxCategoryPartLines) || u > kMaxUnitsPerCategory)
                throw Stop{i};
            if (u > count)
                warn(i, "unit line beyond the header's count of " + std::to_string(count) +
                            ": not shown, and dropped by the next save");
            else if (c != numberSystem_)
                unitNumbers(i, f, c == constants_);
        }
        if (i >= static_cast<std::size_t>(kMaxCategoryPartLines)) throw Stop{i};
        return i;
    }

    // Ratio and offset must read as numbers (a constant's offset is its unit
    // text); an error may be empty (derived from the ratio or offset).
    void unitNumbers(std::size_t i, const std::array<std::string, 6>& f, bool constant) {
        const char* names[] = {"ratio", "offset", "ratio error", "offset error"};
        for (int k = 0; k < 4; ++k) {
            if ((constant && k == 1) || (k >= 2 && f[k + 2].empty())) continue;
            const auto v = number(i, names[k], f[k + 2]);
            if (k == 0 && !constant && v && *v == 0)
                warn(i, "ratio is 0: conversions into this unit give 0");
        }
    }

    // The value of a table number when its whole text reads as one; otherwise
    // a warning of what it reads as.
    std::optional<double> number(std::size_t i, const char* what, std::string text) {
        const NumberLocale plain{'.', '\0'};
        const auto comma = text.find(',');
        std::string withPoint = text;
        if (comma != std::string::npos) withPoint[comma] = '.';
        if (dec_.pnDecimalMode == 1) text = withPoint;
        if (auto v = pStrictNumber(text, plain)) return v;
        std::string w = std::string(what) + " " + quoted(text) + " ";
        w += text.empty() ? "is empty" : "is not a number";
        w += ": it reads as " + shown(pPrefixValue(text));
        if (dec_.pnDecimalMode != 1 && comma != std::string::npos &&
            pStrictNumber(withPoint, plain))
            w += " (a file with decimal commas? use --comma)";
        warn(i, w);
        return std::nullopt;
    }

    void trailing(std::size_t i) {
        std::size_t first = lines_.size(), count = 0;
        for (; i < lines_.size(); ++i) {
            if (lines_[i].find_first_not_of(" \t") == std::string_view::npos) continue;
            first = std::min(first, i);
            ++count;
        }
        if (count > 0)
            warn(first, std::to_string(count) +
                            " line(s) after the last end line: never read, and dropped by the "
                            "next save");
    }
};

} // namespace

LintReport lintTableText(std::string_view text, const DecimalSettings& dec) {
    LintReport r;
    std::vector<std::string_view> lines;
    try {
        lines = splitFileLines(text);
    } catch (const std::exception&) {
        r.failedLine = kMaxFileLines + 1;
        return r;
    }
    try {
        Walk(lines, dec, r).run();
    } catch (const Stop& s) {
        r.failedLine = static_cast<int>(s.index) + 1;
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (nearlyEndLine(lines[i]))
            r.warnings.push_back(
                {static_cast<int>(i) + 1, quoted(lines[i]) + " is not an end line (\";E;\")"});
    std::stable_sort(r.warnings.begin(), r.warnings.end(),
                     [](const LintWarning& a, const LintWarning& b) { return a.line < b.line; });
    return r;
}

std::string groupedNumber(int n) {
    std::string digits = std::to_string(n);
    for (int k = static_cast<int>(digits.size()) - 3; k > 0 && digits[k - 1] != '-'; k -= 3)
        digits.insert(static_cast<std::size_t>(k), ",");
    return digits;
}

} // namespace qm
