// Where the help file lives and which part of it belongs to a context number.
// The dialogs' Help buttons and the Help menu pass a context number; the help
// window turns it into an anchor of the help file.
#pragma once

#include <span>
#include <string>

namespace qm {

// The help file's name; it lies in the program's folder.
inline constexpr const char* kHelpFileName = "Qmtrxdoc.hlp";

// The anchor of the contents page (context 0 and every unknown number).
inline constexpr const char* kHelpContentsAnchor = "contents";

// Context numbers of the windows that have a Help button.
enum HelpContext : int {
    kHelpContents = 0,
    kHelpOptions = 30,            // " Options"
    kHelpFontAndColor = 31,       // " Font and Color - ..."
    kHelpCategory = 52,           // " Category Properties"
    kHelpUnitProperties = 53,     // " Unit Properties"
    kHelpColumnHeaders = 57,      // " List Properties"
    kHelpConstantProperties = 58, // " Constant Properties"
};

// Every context number above except the contents, in ascending order.
std::span<const int> helpContexts();

// True for a context number that has its own section in the help file.
bool isHelpContext(int context);

// The anchor name for a context number: "ctx" and the number for a known
// context ("ctx30"), the contents anchor for 0 and for any unknown number.
std::string helpAnchor(int context);

// The help file's full path: the program folder, a separator when the folder
// does not already end in one, and the file name. An empty folder gives the
// bare file name.
std::string helpFilePath(const std::string& programFolder);

// The message shown when the help file cannot be read: the path in single
// quotes, a blank line, and what to do about it.
std::string helpMissingMessage(const std::string& path);

// True when a help text read from the file has something to show (not empty
// and not only white space); anything else would give a blank window.
bool helpTextUsable(const std::string& text);

} // namespace qm
