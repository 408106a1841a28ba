#include "table/tablewriter.h"

#include "core/runerror.h"
#include "core/text.h"
#include "table/encoding.h"
#include "table/fileio.h"
#include "table/tablereader.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace qm {

namespace {

// Appends a text as it can stand in one field of a line.
void appendField(std::string& out, const std::string& s) {
    const std::size_t at = out.size();
    out += s;
    const bool clean = !std::memchr(s.data(), ';', s.size()) &&
                       !std::memchr(s.data(), '\r', s.size()) &&
                       !std::memchr(s.data(), '\n', s.size());
    if (clean) return;
    for (std::size_t i = at; i < out.size(); ++i) {
        if (out[i] == ';')
            out[i] = ',';
        else if (out[i] == '\r' || out[i] == '\n')
            out[i] = ' ';
    }
}

void appendInt(std::string& out, int v) {
    out += intText(v);
}

void appendGroupsSection(std::string& out, const ConversionTable& t,
                         const NodeExpandedFn& expanded) {
    for (int g = 1; g <= t.pnCatGroupCount; ++g) {
        appendField(out, t.psCatGroupName[g]);
        out += expanded(groupNode(g)) ? ";1\r\n" : ";0\r\n";
    }
    out += ";E;\r\n";
}

void appendAllocationSection(std::string& out, const ConversionTable& t) {
    for (int j = 1; j <= t.pnNodeCount; ++j) {
        const int c = t.pnNodeCategory[j];
        appendInt(out, c);
        out += ';';
        appendInt(out, t.pnNodeParent[j]);
        out += ';';
        if (c >= 0 && c <= kMaxSlot) appendField(out, t.psCategoryName[c]);
        out += "\r\n";
    }
    out += ";E;\r\n";
}

void appendCategorySections(std::string& out, const ConversionTable& t) {
    for (int c = 1; c <= t.pnCategoryCount; ++c) {
        appendInt(out, t.pnCategoryIcon[c]);
        out += ';';
        appendField(out, trimSpaces(t.psCategoryName[c]));
        out += ';';
        appendInt(out, t.pnUnitCount[c]);
        out += "\r\n";
        for (int u = 1; u <= t.pnUnitCount[c]; ++u) {
            const UnitRecord& r = t.unit(c, u);
            appendInt(out, r.Icon);
            for (const std::string* f :
                 {&r.Name, &r.Ratio, &r.Offset, &r.RatioError, &r.OffsetError, &r.Memo}) {
                out += ';';
                appendField(out, *f);
            }
            out += "\r\n";
        }
        out += ";E;\r\n";
    }
}

} // namespace

std::string tableFileText(const ConversionTable& t, const NodeExpandedFn& expanded) {
    std::string out;
    appendGroupsSection(out, t, expanded);
    appendAllocationSection(out, t);
    appendCategorySections(out, t);
    return out;
}

bool pSaveTable(const ConversionTable& t, const NodeExpandedFn& expanded, UserPrompt& prompt) {
    Progress progress;
    try {
        progress.set("PSTB01");
        ReplacingFile file(t.psTableFile);
        std::string out;
        progress.set("PSTB02");
        appendGroupsSection(out, t, expanded);
        progress.set("PSTB03");
        appendAllocationSection(out, t);
        progress.set("PSTB04");
        appendCategorySections(out, t);
        file.write(encodeFileText(out));
        file.commit();
        setReadOnly(t.psTableFile);
        return true;
    } catch (const std::exception&) {
        prompt.reportError(progress.label());
        return false;
    }
}

namespace {
// One line of a file with the bytes that end it ("\r\n", "\r", "\n" or none).
struct RawLine {
    std::string_view text;
    std::string_view ending;
};

std::vector<RawLine> splitRawLines(std::string_view bytes) {
    std::vector<RawLine> lines;
    for (std::size_t s = 0; s < bytes.size();) {
        const std::size_t e = findLineEnd(bytes, s);
        if (e == std::string_view::npos) {
            lines.push_back({bytes.substr(s), {}});
            break;
        }
        const std::size_t len =
            (bytes[e] == '\r' && e + 1 < bytes.size() && bytes[e + 1] == '\n') ? 2 : 1;
        lines.push_back({bytes.substr(s, e - s), bytes.substr(e, len)});
        s = e + len;
    }
    return lines;
}
} // namespace

std::string withNodeStatus(const std::string& bytes, const NodeExpandedFn& expanded) {
    // A UTF-8 file's byte-order mark is no part of its first line, as for the reader.
    const std::size_t bom = isValidUtf8(bytes) && bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const std::vector<RawLine> lines = splitRawLines(std::string_view(bytes).substr(bom));
    // The group lines end where the reader ends them: blanks around ";E;" count.
    const auto firstEnd = std::find_if(lines.begin(), lines.end(),
                                       [](const RawLine& l) { return isEndLine(l.text); });
    // Without an end line no line is known to be a group line.
    if (firstEnd == lines.end()) return bytes;
    std::string out = bytes.substr(0, bom);
    out.reserve(bytes.size());
    int g = 0;
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (it < firstEnd) {
            out += pGetField(it->text, 1, 2);
            out += expanded(groupNode(++g)) ? ";1" : ";0";
        } else {
            out += it->text;
        }
        out += it->ending;
    }
    return out;
}

bool pSaveNodeStatus(const std::string& path, const NodeExpandedFn& expanded, UserPrompt& prompt) {
    Progress progress;
    try {
        progress.set("PSNS01");
        std::string bytes;
        if (!readFileBytes(path, bytes))
            throw RunError(RunErrorKind::FileNotFound, "File not found");
        progress.set("PSNS02");
        progress.set("PSNS03");
        progress.set("PSNS04");
        const std::string out = withNodeStatus(bytes, expanded);
        if (out != bytes) {
            progress.set("PSNS05");
            ReplacingFile file(path);
            progress.set("PSNS06");
            file.write(out);
            progress.set("PSNS07");
            file.commit();
        }
        progress.set("PSNS07");
        setReadOnly(path);
        return true;
    } catch (const std::exception&) {
        prompt.reportError(progress.label());
        return false;
    }
}

} // namespace qm
