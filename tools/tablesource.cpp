#include "tablesource.h"

#include "table/encoding.h"

#include <cstddef>
#include <vector>

namespace qm::tables {

namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kEnd = ";E;";
constexpr int kMaxUnits = 99;
constexpr int kMaxGroups = 30;
constexpr int kMaxCategories = 100;

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string cur;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            cur += ch;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string cur;
    for (const char ch : line) {
        if (ch == ';') {
            fields.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    fields.push_back(cur);
    return fields;
}

std::string joinFields(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ';';
        out += fields[i];
    }
    return out;
}

bool isWholeNumber(const std::string& s) {
    if (s.empty() || s.size() > 4) return false;
    for (const char ch : s)
        if (ch < '0' || ch > '9') return false;
    return true;
}

struct Category {
    int parent = 1; // tree node of the parent: 1 root, g+1 group g
    std::string header;
    std::vector<std::string> units;
};

[[noreturn]] void fail(std::size_t lineNo, const std::string& what) {
    throw ListingError("line " + std::to_string(lineNo) + ": " + what);
}

} // namespace

std::string buildTableText(std::string_view listing) {
    std::vector<std::string> groups;
    std::vector<Category> categories;
    const std::vector<std::string> lines = splitLines(listing);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t lineNo = i + 1;
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> f = splitFields(line);
        if (f[0] == "group") {
            if (f.size() != 3 || f[1].empty() || (f[2] != "0" && f[2] != "1"))
                fail(lineNo, "a group line is group;Name;0 or group;Name;1");
            groups.push_back(f[1] + ";" + f[2]);
            if (static_cast<int>(groups.size()) > kMaxGroups) fail(lineNo, "more than 30 groups");
        } else if (f[0] == "root" || f[0] == "category") {
            if (f.size() != 3 || !isWholeNumber(f[1]) || f[2].empty())
                fail(lineNo, "a category line is root;Icon;Name or category;Icon;Name");
            if (f[0] == "category" && groups.empty())
                fail(lineNo, "a category before the first group");
            Category c;
            c.parent = f[0] == "root" ? 1 : static_cast<int>(groups.size()) + 1;
            c.header = f[1] + ";" + f[2];
            if (!categories.empty() && c.parent < categories.back().parent)
                fail(lineNo, "root categories must come before the groups");
            categories.push_back(c);
            if (static_cast<int>(categories.size()) > kMaxCategories)
                fail(lineNo, "more than 100 categories");
        } else if (isWholeNumber(f[0])) {
            if (f.size() != 7) fail(lineNo, "a unit line has exactly 7 fields");
            if (categories.empty()) fail(lineNo, "a unit before the first category");
            std::vector<std::string>& units = categories.back().units;
            units.push_back(line);
            if (static_cast<int>(units.size()) > kMaxUnits)
                fail(lineNo, "more than 99 units in a category");
        } else {
            fail(lineNo, "unknown line");
        }
    }

    std::string out;
    for (const std::string& g : groups)
        out += g + kEol;
    out += std::string(kEnd) + kEol;
    for (std::size_t j = 0; j < categories.size(); ++j) {
        const std::string name = categories[j].header.substr(categories[j].header.find(';') + 1);
        out +=
            std::to_string(j + 1) + ";" + std::to_string(categories[j].parent) + ";" + name + kEol;
    }
    out += std::string(kEnd) + kEol;
    for (const Category& c : categories) {
        out += c.header + ";" + std::to_string(c.units.size()) + kEol;
        for (const std::string& u : c.units)
            out += u + kEol;
        out += std::string(kEnd) + kEol;
    }
    return out;
}

std::string commaTableText(std::string_view tableText) {
    const std::vector<std::string> lines = splitLines(tableText);
    std::string out;
    int endLines = 0;
    int category = 0;      // Category# of the section being copied
    bool atHeader = false; // the next line is a category header
    int constantsCategory = -1;
    int order = 0;
    for (const std::string& line : lines) {
        std::string copy = line;
        if (line == kEnd) {
            ++endLines;
            if (endLines >= 2) {
                ++category;
                atHeader = true;
            }
        } else if (endLines == 1) {
            ++order;
            if (order == 2) constantsCategory = std::stoi(splitFields(line)[0]);
        } else if (endLines >= 2) {
            if (atHeader) {
                atHeader = false;
            } else {
                std::vector<std::string> f = splitFields(line);
                for (std::size_t n = 2; n < f.size() && n <= 5; ++n) {
                    if (n == 3 && category == constantsCategory) continue;
                    for (char& ch : f[n])
                        if (ch == '.') ch = ',';
                }
                copy = joinFields(f);
            }
        }
        out += copy + kEol;
    }
    return out;
}

std::string fileBytes(std::string_view tableText) {
    return encodeFileText(tableText);
}

} // namespace qm::tables
