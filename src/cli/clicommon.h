// Shared pieces of the command-line companion: option parsing, the data file
// to use, and prompts that print instead of showing dialogs.
#pragma once

#include "core/numtext.h"
#include "core/userprompt.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace qm {
struct ConversionTable;
}

namespace qm::cli {

// Exit statuses, the same for the same failure in every command.
inline constexpr int kExitOk = 0;      // every result is a number
inline constexpr int kExitFailed = 1;  // "Input error", a message, a failed write
inline constexpr int kExitRefused = 2; // usage, unknown category or unit, unreadable file

// Thrown for a usage error; main prints it and exits with kExitRefused.
struct UsageError {
    std::string message;
};

// Options every command may take, taken out of the argument list.
struct CommonOptions {
    std::optional<std::string> file; // --file PATH
    bool comma = false;              // --comma
};

// Removes --file PATH and --comma from args (wherever they stand).
CommonOptions takeCommonOptions(std::vector<std::string>& args);

// Removes a flag without value; true when it was present.
bool takeFlag(std::vector<std::string>& args, const std::string& flag);
// Removes "--name VALUE"; the value, or nullopt when absent.
std::optional<std::string> takeValue(std::vector<std::string>& args, const std::string& name);
// Throws UsageError for any remaining argument that starts with "--".
void rejectUnknownOptions(const std::vector<std::string>& args);

// The decimal settings for a run: period, or comma with "--comma".
DecimalSettings decimalSettings(bool comma);

// The folder of this executable, with a trailing separator.
std::string programFolder();
// The data file to read: --file, or the default file of the data folder.
std::string dataFilePath(const CommonOptions& o);

// A message as one line: each line break becomes a blank.
std::string oneLine(const std::string& text);

// The text of a data file for checking it: nullopt for anything but a regular
// file of reasonable size, or one that cannot be read.
std::optional<std::string> dataFileText(const std::string& path);

// Reads `path` into t; on failure the reader's message comes back in `message`
// as one line, led by the line at which the read failed when there is one
// ("line 1,234: PRTB04 ...").
bool readTable(ConversionTable& t, const std::string& path, bool comma, std::string& message);

// Prints each message as one line on a stream (line breaks inside the message
// become blanks) and answers OK; tips print their text.
class PrintingPrompt : public UserPrompt {
  public:
    PrintingPrompt(std::ostream& out, const DecimalSettings& dec) : out_(out), dec_(dec) {}
    MsgResult message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons) override;
    void showHint(int n) override;
    int messages = 0; // message boxes printed so far (tips not counted)

  private:
    std::ostream& out_;
    DecimalSettings dec_;
};

// Keeps the last message text as a message box would show it.
class CapturingPrompt : public UserPrompt {
  public:
    std::vector<std::string> texts;
    MsgResult message(const std::string& text, const std::string&, MsgIcon, MsgButtons) override {
        texts.push_back(text);
        return MsgResult::OK;
    }
    void showHint(int) override {}
};

} // namespace qm::cli
