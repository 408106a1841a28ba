// The commands of quantimetrix-cli. Each takes the arguments after its name and
// returns the exit status; a UsageError escapes to main.
#pragma once

#include <string>
#include <vector>

namespace qm::cli {

struct Command {
    const char* name;
    int (*run)(std::vector<std::string> args);
    const char* usage;
};

int cmdCheck(std::vector<std::string> args);
int cmdResave(std::vector<std::string> args);
int cmdList(std::vector<std::string> args);
int cmdConvert(std::vector<std::string> args);
int cmdCalc(std::vector<std::string> args);

} // namespace qm::cli
