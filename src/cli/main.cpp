#include "cli/clicommon.h"
#include "cli/commands.h"

#include <iostream>
#include <string>
#include <vector>

using namespace qm::cli;

namespace {

const Command kCommands[] = {
    {"check", cmdCheck,
     "check [--comma] [--strict] PATH  read a data file, warn of what reads other than it\n"
     "                                   looks or what the next save would drop\n"
     "                                   (FILE:LINE: warning: TEXT), count what it holds"},
    {"resave", cmdResave, "resave [--comma] IN OUT          read IN and write it to OUT"},
    {"list", cmdList,
     "list [--file PATH] [--comma] [CATEGORY]\n"
     "                                   list the categories, or one category's units"},
    {"convert", cmdConvert,
     "convert [--file PATH] [--digits N] [--sci-digits N] [--integer] [--scientific]\n"
     "          [--show-error] [--comma] CATEGORY FROM INTO INPUT\n"
     "                                   convert INPUT (\"-\": one input per line of standard\n"
     "                                   input); units by name or as #N"},
    {"calc", cmdCalc,
     "calc [--digits N] [--integer] [--scientific] [--comma] [--common-log] [--radians]\n"
     "          FORMULA                  evaluate a one-step formula as the calculator does"},
};

void printUsage(std::ostream& out) {
    out << "usage: quantimetrix-cli COMMAND [OPTIONS] ARGS\n\ncommands:\n";
    for (const Command& c : kCommands)
        out << "  " << c.usage << '\n';
    out << "\ncommon options: --file PATH (data file), --comma (comma as decimal separator)\n"
           "\nexit status:\n"
           "  0  every result is a number (check: the file reads; warnings allowed)\n"
           "  1  a result is \"Input error\", a message about the input or the factors was\n"
           "     printed, resave could not write, or check --strict found warnings\n"
           "  2  usage error, unknown category or unit, or a data file that cannot be read\n"
           "results go to standard output, every message to standard error\n";
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printUsage(std::cerr);
        return kExitRefused;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(std::cout);
        return kExitOk;
    }
    for (const Command& c : kCommands) {
        if (args[0] != c.name) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const auto& a : rest) {
            if (a == "--help" || a == "-h") {
                std::cout << "usage: quantimetrix-cli " << c.usage << '\n';
                return kExitOk;
            }
        }
        try {
            return c.run(std::move(rest));
        } catch (const UsageError& e) {
            std::cerr << e.message << '\n';
            return kExitRefused;
        }
    }
    std::cerr << "unknown command: " << args[0] << '\n';
    printUsage(std::cerr);
    return kExitRefused;
}
