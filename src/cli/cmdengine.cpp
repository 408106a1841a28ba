// convert and calc: the conversion driver and the calculator on the command line.
#include "calculator/evaluator.h"
#include "cli/clicommon.h"
#include "cli/commands.h"
#include "engine/conversiondriver.h"
#include "engine/numbersystems.h"
#include "table/conversiontable.h"
#include "table/tablereader.h"

#include <charconv>
#include <cstdio>
#include <iostream>

namespace qm::cli {

namespace {

constexpr const char* kConvertUsage =
    "usage: quantimetrix-cli convert [--file PATH] [--digits N] [--sci-digits N] [--integer] "
    "[--scientific] [--show-error] [--comma] CATEGORY FROM INTO INPUT";
constexpr const char* kCalcUsage =
    "usage: quantimetrix-cli calc [--digits N] [--integer] [--scientific] [--comma] "
    "[--common-log] [--radians] FORMULA";

// A double holds 17 significant digits; more would show the noise of its binary form.
constexpr int kMaxDigits = 17;

// A whole decimal integer within [lo, hi], or a usage error naming the option.
int16_t integerOption(const std::string& text, const char* name, int lo, int hi) {
    int v = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto r = std::from_chars(first, last, v);
    if (text.empty() || r.ec != std::errc() || r.ptr != last || v < lo || v > hi)
        throw UsageError{std::string(name) + " needs a whole number from " + std::to_string(lo) +
                         " to " + std::to_string(hi)};
    return static_cast<int16_t>(v);
}

struct Failure {
    std::string message;
};

// The unit of a category named by its name or by "#N".
int16_t findUnit(const ConversionTable& t, int16_t category, const std::string& name) {
    if (name.size() > 1 && name[0] == '#') {
        int n = 0;
        auto r = std::from_chars(name.data() + 1, name.data() + name.size(), n);
        if (r.ec == std::errc() && r.ptr == name.data() + name.size() && n >= 1 &&
            n <= t.pnUnitCount[category] && n <= t.unitDim())
            return static_cast<int16_t>(n);
        throw Failure{"unknown unit: " + name};
    }
    const int16_t u = pMatchUnitIndex(t, category, name);
    if (u < 1) throw Failure{"unknown unit: " + name};
    return u;
}

// Reads all of standard input at once.
std::string readAllStdin() {
    std::string data;
    char buf[1 << 16];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0)
        data.append(buf, n);
    return data;
}

} // namespace

int cmdConvert(std::vector<std::string> args) {
    const CommonOptions o = takeCommonOptions(args);
    NumberStyle style;
    if (auto v = takeValue(args, "--digits"))
        style.pnDigits = integerOption(*v, "--digits", 1, kMaxDigits);
    if (auto v = takeValue(args, "--sci-digits"))
        style.pnSciDigits = integerOption(*v, "--sci-digits", -32768, 32767);
    style.pnInteger = takeFlag(args, "--integer") ? 1 : 0;
    style.pnNumFormat = takeFlag(args, "--scientific") ? 1 : 0;
    style.pbShowError = takeFlag(args, "--show-error");
    style.deriveSciBounds();
    rejectUnknownOptions(args);
    if (args.size() != 4) throw UsageError{kConvertUsage};

    const DecimalSettings dec = decimalSettings(o.comma);
    ConversionTable t;
    std::string message;
    if (!readTable(t, dataFilePath(o), o.comma, message)) {
        std::cerr << message << '\n';
        return kExitRefused;
    }

    ConversionInput in;
    try {
        const int16_t c = pMatchGroupIndex(t, args[0]);
        int order = 0;
        for (int j = 1; c >= 1 && j <= t.pnNodeCount && order == 0; ++j)
            if (t.pnNodeCategory[j] == c) order = j;
        if (order == 0) throw Failure{"unknown category: " + args[0]};
        if (order == kConstantsOrder)
            throw Failure{args[0] + " holds constants, not units: nothing to convert (see list)"};
        in.pnSelGroupIndex = c;
        in.pnSelNodeIndex = static_cast<int16_t>(categoryNode(t, order));
        in.pnConvFromIndex = findUnit(t, c, args[1]);
        in.pnConvIntoIndex = findUnit(t, c, args[2]);
    } catch (const Failure& f) {
        std::cerr << f.message << '\n';
        return kExitRefused;
    }

    PrintingPrompt prompt(std::cerr, dec);
    EngineState state;
    std::string box; // the convert-into box keeps its text after a failure
    int status = kExitOk;
    const auto convert = [&](std::string_view text, std::string& out) {
        in.fromText.assign(text);
        if (auto r = pExecConversion(t, in, style, dec, state, prompt))
            box = std::move(*r);
        else
            status = kExitFailed;
        if (box == kInputError) status = kExitFailed;
        out += box;
        out += '\n';
    };

    std::string out;
    if (args[3] != "-") {
        convert(args[3], out);
    } else {
        const std::string data = readAllStdin();
        out.reserve(data.size() * 2);
        // CR LF, CR and LF each end a line, as in data files.
        const std::string_view all(data);
        for (std::size_t pos = 0; pos < all.size();) {
            std::size_t end = all.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) end = all.size();
            convert(all.substr(pos, end - pos), out);
            pos = end + (all.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return prompt.messages > 0 ? kExitFailed : status;
}

int cmdCalc(std::vector<std::string> args) {
    const CommonOptions o = takeCommonOptions(args);
    if (o.file) throw UsageError{kCalcUsage};
    NumberStyle style;
    if (auto v = takeValue(args, "--digits"))
        style.pnDigits = integerOption(*v, "--digits", 1, kMaxDigits);
    style.pnInteger = takeFlag(args, "--integer") ? 1 : 0;
    style.pnNumFormat = takeFlag(args, "--scientific") ? 1 : 0;
    CalcOptions calc;
    calc.pnLogType = takeFlag(args, "--common-log") ? 1 : 0;
    calc.pnTrigType = takeFlag(args, "--radians") ? 1 : 0;
    rejectUnknownOptions(args);
    if (args.size() != 1) throw UsageError{kCalcUsage};

    const DecimalSettings dec = decimalSettings(o.comma);
    PrintingPrompt prompt(std::cerr, dec);
    const std::string result = mCalcResultText(args[0], style, calc, dec, prompt);
    std::cout << result << '\n';
    return result == kInputError ? kExitFailed : kExitOk;
}

} // namespace qm::cli
