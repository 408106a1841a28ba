#include "table/tablereader.h"

#include "core/folder.h"
#include "core/runerror.h"
#include "core/text.h"
#include "table/encoding.h"
#include "table/fileio.h"

#include <algorithm>
#include <array>
#include <new>

namespace qm {

namespace {

const char* const kTooManyCategories = "Too many categories were entered.";
const char* const kTooManyGroups = "Too many category groups were entered.";
const char* const kTooManyUnits = "Too many unit data were entered.";
const char* const kCorrectData = "Open the file containing correct data.";
const char* const kCannotFind = "This file cannot be found. Open the correct file.";
const char* const kNotAFile =
    "This is not a file (a folder, a pipe or a device). Open the correct file.";
const char* const kTooLarge =
    "This file is larger than 16 MB, far larger than any data file. Open the correct file.";

const char* unreadableFileText(FileReadStatus st) {
    if (st == FileReadStatus::NotAFile) return kNotAFile;
    if (st == FileReadStatus::TooLarge) return kTooLarge;
    return kCannotFind;
}

// A failure of the read with the first line of its message.
struct ReadFailure {
    std::string firstLine;
};

// The first N fields of a line, each by the rule of pGetField.
template <std::size_t N> std::array<std::string_view, N> fieldsOf(std::string_view line) {
    std::array<std::string_view, N> f{};
    std::size_t start = 0;
    for (std::size_t k = 0; k < N && start <= line.size(); ++k) {
        const std::size_t semi = line.find(';', start);
        if (semi == std::string_view::npos) {
            f[k] = line.substr(start);
            break;
        }
        f[k] = line.substr(start, semi - start);
        start = semi + 1;
    }
    return f;
}

std::string_view lineAt(const std::vector<std::string_view>& lines, std::size_t i) {
    if (i >= lines.size())
        throw RunError(RunErrorKind::SubscriptOutOfRange, "Input past end of file");
    return lines[i];
}

void report(const ReadContext& ctx, const std::string& text, MsgIcon icon) {
    if (ctx.pbSplashShown) ctx.prompt.setAboutTopmost(false);
    ctx.prompt.message(text, kDataTitle, icon, MsgButtons::OK);
    if (ctx.pbSplashShown) ctx.prompt.setAboutTopmost(true);
}

void reportDataFailure(const ReadContext& ctx, const std::string& firstLine) {
    report(ctx, firstLine + "\r\n\r\n" + kCorrectData, MsgIcon::Critical);
}

// Steps from the category count on; throws ReadFailure or RunError.
void parseLines(ConversionTable& t, const std::vector<std::string_view>& lines,
                const ReadContext& ctx) {
    const auto endLines =
        std::count_if(lines.begin(), lines.end(), [](std::string_view l) { return isEndLine(l); });
    t.pnCategoryCount = static_cast<int16_t>(endLines - 2);
    if (t.pnCategoryCount > kMaxCategories) throw ReadFailure{kTooManyCategories};

    // Category groups: the lines before the first end line.
    std::size_t i = 0;
    int g = 0;
    for (; !isEndLine(lineAt(lines, i)); ++i) {
        if (++g > kMaxSlot) throw ReadFailure{kTooManyGroups}; // more than the arrays hold
        const auto f = fieldsOf<2>(lines[i]);
        t.psCatGroupName[g] = f[0];
        t.pnCatGroupExpanded[g] = lenientInt16(f[1]);
    }
    t.pnCatGroupCount = static_cast<int16_t>(g);
    if (g > kMaxGroups) throw ReadFailure{kTooManyGroups};

    // Node allocation: up to the next end line.
    int j = 0;
    for (++i; !isEndLine(lineAt(lines, i)); ++i) {
        if (++j > kMaxSlot) throw ReadFailure{kTooManyCategories};
        const auto f = fieldsOf<2>(lines[i]);
        t.pnNodeCategory[j] = lenientInt16(f[0]);
        t.pnNodeParent[j] = lenientInt16(f[1]);
    }
    t.pnNodeCount = static_cast<int16_t>(j);
    if (j > kMaxNodes) throw ReadFailure{kTooManyCategories};

    // One section per category.
    ++i;
    for (int c = 1; c <= t.pnCategoryCount; ++c) {
        const auto h = fieldsOf<3>(lineAt(lines, i));
        ConversionTable::checkSlot(c);
        t.pnCategoryIcon[c] = strictInt16(h[0], ctx.decimal.locale);
        t.psCategoryName[c] = h[1];
        t.pnUnitCount[c] = strictInt16(h[2], ctx.decimal.locale);
        // A category holds at most 99 units: a header that claims more would
        // make the next save write a file that cannot be read back.
        if (t.pnUnitCount[c] > kMaxUnitsPerCategory) throw ReadFailure{kTooManyUnits};
        if (t.pnUnitCount[c] > t.pnMaxUnitCount) t.pnMaxUnitCount = t.pnUnitCount[c];
        pResizeUnitArrays(t);
        ++i;
        for (int u = 1; !isEndLine(lineAt(lines, i)); ++u, ++i) {
            const auto f = fieldsOf<7>(lines[i]);
            UnitRecord& r = t.unit(c, u);
            r.Icon = strictInt16(f[0], ctx.decimal.locale);
            r.Name = f[1];
            r.Ratio = f[2];
            r.Offset = f[3];
            r.RatioError = f[4];
            r.OffsetError = f[5];
            r.Memo = f[6];
            if (i >= static_cast<std::size_t>(kMaxCategoryPartLines))
                throw ReadFailure{kTooManyUnits};
            if (u >= kMaxUnitsPerCategory + 1) throw ReadFailure{kTooManyUnits};
        }
        if (i >= static_cast<std::size_t>(kMaxCategoryPartLines)) throw ReadFailure{kTooManyUnits};
        ++i;
    }
    pSetPixelRatio(t, ctx.twipsPerPixel);
}

} // namespace

std::string pGetField(std::string_view line, int n, int /*expected*/) {
    std::size_t start = 0;
    for (int k = 1; k < n; ++k) {
        const std::size_t semi = line.find(';', start);
        if (semi == std::string_view::npos) return {};
        start = semi + 1;
    }
    const std::size_t end = line.find(';', start);
    return std::string(
        line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

bool isEndLine(std::string_view line) {
    std::size_t b = 0, e = line.size();
    while (b < e && line[b] == ' ')
        ++b;
    while (e > b && line[e - 1] == ' ')
        --e;
    return line.substr(b, e - b) == ";E;";
}

std::size_t findLineEnd(std::string_view text, std::size_t from) {
    // One pass to the first CR or LF: searching for each separately would scan
    // the rest of a file without CRs once per line.
    for (std::size_t i = from; i < text.size(); ++i)
        if (text[i] == '\r' || text[i] == '\n') return i;
    return std::string_view::npos;
}

std::vector<std::string_view> splitFileLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = findLineEnd(text, start);
        if (lines.size() >= static_cast<std::size_t>(kMaxFileLines))
            throw RunError(RunErrorKind::Overflow, "Too many lines");
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

int16_t pReadTableLines(ConversionTable& t, const std::vector<std::string_view>& lines,
                        const ReadContext& ctx) {
    try {
        parseLines(t, lines, ctx);
        return 0;
    } catch (const ReadFailure& f) {
        reportDataFailure(ctx, f.firstLine);
    } catch (const std::exception&) {
        reportDataFailure(ctx, "PRTB04");
    }
    return 1;
}

std::string defaultTableName(int16_t pnDecimalMode) {
    return pnDecimalMode == 1 ? "default_e.dat" : "default.dat";
}

int16_t pReadTable(ConversionTable& t, const ReadContext& ctx) {
    if (t.psTableFile.empty())
        t.psTableFile =
            folderWithSeparator(ctx.programFolder) + defaultTableName(ctx.decimal.pnDecimalMode);
    t.pnMaxUnitCount = 0;

    // Reading leaves the file as it is: its bytes, permissions and time.
    std::string bytes;
    if (const FileReadStatus st = readDataFile(t.psTableFile, bytes); st != FileReadStatus::Ok) {
        report(ctx, "'" + t.psTableFile + "'\r\n\r\n" + unreadableFileText(st),
               MsgIcon::Exclamation);
        return 1;
    }
    std::string text;
    std::vector<std::string_view> lines;
    try {
        text = decodeFileText(bytes);
        lines = splitFileLines(text);
    } catch (const std::exception&) { // too many lines, or no memory for them
        reportDataFailure(ctx, "PRTB03");
        return 1;
    }
    bytes.clear();
    bytes.shrink_to_fit();
    return pReadTableLines(t, lines, ctx);
}

} // namespace qm
