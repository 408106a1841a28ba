#include "cli/clicommon.h"

#include "auxwindows/hinttext.h"
#include "table/conversiontable.h"
#include "table/encoding.h"
#include "table/fileio.h"
#include "table/tablelint.h"
#include "table/tablereader.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace qm::cli {

CommonOptions takeCommonOptions(std::vector<std::string>& args) {
    CommonOptions o;
    o.file = takeValue(args, "--file");
    o.comma = takeFlag(args, "--comma");
    return o;
}

bool takeFlag(std::vector<std::string>& args, const std::string& flag) {
    bool found = false;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == flag) {
            it = args.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}

std::optional<std::string> takeValue(std::vector<std::string>& args, const std::string& name) {
    std::optional<std::string> value;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == name) {
            if (it + 1 == args.end()) throw UsageError{name + " needs a value"};
            value = *(it + 1);
            it = args.erase(it, it + 2);
        } else if (it->rfind(name + "=", 0) == 0) {
            value = it->substr(name.size() + 1);
            it = args.erase(it);
        } else {
            ++it;
        }
    }
    return value;
}

void rejectUnknownOptions(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (a.size() > 2 && a.rfind("--", 0) == 0) throw UsageError{"unknown option " + a};
}

DecimalSettings decimalSettings(bool comma) {
    DecimalSettings d;
    if (comma) {
        d.pnDecimalMode = 1;
        d.psDecimalSeparatorName = "comma";
        d.locale = NumberLocale{',', '.'};
    } else {
        d.psDecimalSeparatorName = "period";
    }
    return d;
}

std::string programFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string folder =
        ec ? std::filesystem::current_path(ec).string() : exe.parent_path().string();
    return folderWithSeparator(folder);
}

namespace {
std::string userDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::string(xdg) + "/Quantimetrix/Quantimetrix";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share/Quantimetrix/Quantimetrix";
    return {};
}
} // namespace

std::string dataFilePath(const CommonOptions& o) {
    if (o.file) return *o.file;
    const std::string folder = dataFolder(programFolder(), userDataFolder());
    return folder + defaultTableName(o.comma ? 1 : 0);
}

std::string oneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        line += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return line;
}

std::optional<std::string> dataFileText(const std::string& path) {
    constexpr std::uintmax_t kMaxBytes = 16u << 20;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) ||
        std::filesystem::file_size(path, ec) > kMaxBytes || ec)
        return std::nullopt;
    std::string bytes;
    if (!readFileBytes(path, bytes)) return std::nullopt;
    return decodeFileText(bytes);
}

bool readTable(ConversionTable& t, const std::string& path, bool comma, std::string& message) {
    CapturingPrompt prompt;
    ReadContext ctx{prompt, decimalSettings(comma), programFolder()};
    t.psTableFile = path;
    if (pReadTable(t, ctx) == 0) return true;
    message = oneLine(prompt.texts.empty() ? std::string("The file could not be read.")
                                           : prompt.texts.back());
    if (const auto text = dataFileText(path)) {
        const int line = lintTableText(*text, decimalSettings(comma)).failedLine;
        if (line > 0) message = "line " + groupedNumber(line) + ": " + message;
    }
    return false;
}

MsgResult PrintingPrompt::message(const std::string& text, const std::string&, MsgIcon,
                                  MsgButtons) {
    out_ << oneLine(text) << '\n';
    ++messages;
    return MsgResult::OK;
}

void PrintingPrompt::showHint(int n) {
    out_ << pHintText(n, dec_.psDecimalSeparatorName) << '\n';
}

} // namespace qm::cli
