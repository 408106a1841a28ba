// check, resave and list: the table commands.
#include "cli/clicommon.h"
#include "cli/commands.h"
#include "table/conversiontable.h"
#include "table/tablelint.h"
#include "table/tablereader.h"
#include "table/tablewriter.h"

#include <algorithm>
#include <iostream>

namespace qm::cli {

namespace {

std::string positional(std::vector<std::string>& args, std::size_t count, const char* usage) {
    rejectUnknownOptions(args);
    if (args.size() != count) throw UsageError{usage};
    return args.empty() ? std::string() : args.front();
}

} // namespace

int cmdCheck(std::vector<std::string> args) {
    constexpr const char* kUsage = "usage: quantimetrix-cli check [--comma] [--strict] PATH";
    const CommonOptions o = takeCommonOptions(args);
    const bool strict = takeFlag(args, "--strict");
    const std::string path = o.file ? *o.file : positional(args, 1, kUsage);
    if (o.file) positional(args, 0, kUsage);
    ConversionTable t;
    std::string message;
    const bool read = readTable(t, path, o.comma, message);
    LintReport lint;
    if (const auto text = dataFileText(path)) lint = lintTableText(*text, decimalSettings(o.comma));
    for (const LintWarning& w : lint.warnings)
        std::cout << path << ':' << w.line << ": warning: " << w.text << '\n';
    if (!read) {
        std::cerr << message << '\n';
        return kExitRefused;
    }
    long units = 0;
    for (int c = 1; c <= t.pnCategoryCount; ++c)
        units += std::max<int>(t.pnUnitCount[c], 0);
    std::cout << t.pnCatGroupCount << " groups, " << t.pnCategoryCount << " categories, " << units
              << " units, " << lint.warnings.size() << " warnings\n";
    return strict && !lint.warnings.empty() ? kExitFailed : kExitOk;
}

int cmdResave(std::vector<std::string> args) {
    const CommonOptions o = takeCommonOptions(args);
    rejectUnknownOptions(args);
    if (args.size() != 2 || o.file)
        throw UsageError{"usage: quantimetrix-cli resave [--comma] IN OUT"};
    ConversionTable t;
    std::string message;
    if (!readTable(t, args[0], o.comma, message)) {
        std::cerr << message << '\n';
        return kExitRefused;
    }
    t.psTableFile = args[1];
    CapturingPrompt prompt;
    const auto expanded = [&t](int node) {
        const int g = node - 1;
        return g >= 1 && g <= t.pnCatGroupCount && t.pnCatGroupExpanded[g] == 1;
    };
    if (!pSaveTable(t, expanded, prompt)) {
        std::cerr << "Cannot write '" << args[1]
                  << "': " << oneLine(prompt.texts.empty() ? std::string() : prompt.texts.back())
                  << '\n';
        return kExitFailed;
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
        std::cerr << message << '\n';
        return kExitRefused;
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
        return kExitRefused;
    }
    for (int u = 1; u <= t.pnUnitCount[c] && u <= t.unitDim(); ++u) {
        const UnitRecord& r = t.unit(c, u);
        std::cout << r.Name << '\t' << r.Ratio << '\t' << r.Offset << '\n';
    }
    return 0;
}

} // namespace qm::cli
