// check, resave and list: the table commands.
#include "cli/clicommon.h"
#include "cli/commands.h"
#include "table/conversiontable.h"
#include "table/tablereader.h"
#include "table/tablewriter.h"

#include <iostream>

namespace qm::cli {

namespace {

std::string messageAsLines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string positional(std::vector<std::string>& args, std::size_t count, const char* usage) {
    rejectUnknownOptions(args);
    if (args.size() != count) throw UsageError{usage};
    return args.front();
}

} // namespace

int cmdCheck(std::vector<std::string> args) {
    const CommonOptions o = takeCommonOptions(args);
    std::string path =
        o.file ? *o.file : positional(args, 1, "usage: quantimetrix-cli check [--comma] PATH");
    if (o.file) positional(args, 0, "usage: quantimetrix-cli check [--comma] PATH");
    ConversionTable t;
    std::string message;
    if (!readTable(t, path, o.comma, message)) {
        std::cout << messageAsLines(message) << '\n';
        return 1;
    }
    long units = 0;
    for (int c = 1; c <= t.pnCategoryCount; ++c)
        units += t.pnUnitCount[c];
    std::cout << t.pnCatGroupCount << " groups, " << t.pnCategoryCount << " categories, " << units
              << " units\n";
    return 0;
}

int cmdResave(std::vector<std::string> args) {
    const CommonOptions o = takeCommonOptions(args);
    rejectUnknownOptions(args);
    if (args.size() != 2 || o.file)
        throw UsageError{"usage: quantimetrix-cli resave [--comma] IN OUT"};
    ConversionTable t;
    std::string message;
    if (!readTable(t, args[0], o.comma, message)) {
        std::cerr << messageAsLines(message) << '\n';
        return 1;
    }
    t.psTableFile = args[1];
    CapturingPrompt prompt;
    const auto expanded = [&t](int node) {
        const int g = node - 1;
        return g >= 1 && g <= t.pnCatGroupCount && t.pnCatGroupExpanded[g] == 1;
    };
    if (!pSaveTable(t, expanded, prompt)) {
        std::cerr << "Cannot write '" << args[1]
                  << "': " << (prompt.texts.empty() ? std::string() : prompt.texts.back()) << '\n';
        return 1;
    }
    return 0;
}

int cmdList(std::vector<std::string> args) {
    const CommonOptions o = takeCommonOptions(args);
    rejectUnknownOptions(args);
    if (args.size() > 1)
        throw UsageError{"usage: quantimetrix-cli list [--file PATH] [--comma] [CATEGORY]"};
    ConversionTable t;
    std::string message;
    if (!readTable(t, dataFilePath(o), o.comma, message)) {
        std::cerr << messageAsLines(message) << '\n';
        return 2;
    }
    if (args.empty()) {
        for (int j = 1; j <= t.pnNodeCount; ++j) {
            const int parent = t.pnNodeParent[j];
            const int g = parent - 1;
            const std::string group =
                (g >= 1 && g <= t.pnCatGroupCount) ? t.psCatGroupName[g] : std::string();
            const int c = t.pnNodeCategory[j];
            const std::string name =
                (c >= 0 && c <= kMaxSlot) ? t.psCategoryName[c] : std::string();
            std::cout << group << '\t' << name << '\n';
        }
        return 0;
    }
    const int16_t c = pMatchGroupIndex(t, args[0]);
    if (c < 1) {
        std::cerr << "unknown category: " << args[0] << '\n';
        return 2;
    }
    for (int u = 1; u <= t.pnUnitCount[c] && u <= t.unitDim(); ++u) {
        const UnitRecord& r = t.unit(c, u);
        std::cout << r.Name << '\t' << r.Ratio << '\t' << r.Offset << '\n';
    }
    return 0;
}

} // namespace qm::cli
