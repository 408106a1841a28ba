// The one way the core talks to the user: message boxes and tips. The windows
// implement it with dialogs, the command line prints, and tests record.
#pragma once

#include <string>

namespace qm {

enum class MsgIcon { None, Critical, Exclamation, Question, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgResult { OK, Cancel, Yes, No };

// Titles used by the program's own messages.
inline constexpr const char* kAppName = "Quantimetrix";    // "Error Code = " reports
inline constexpr const char* kDataTitle = " Quantimetrix"; // messages about the data

class UserPrompt {
  public:
    virtual ~UserPrompt() = default;
    // Shows a message box and returns the button chosen.
    virtual MsgResult message(const std::string& text, const std::string& title, MsgIcon icon,
                              MsgButtons buttons) = 0;
    // Shows tip n in the tip window unless the user switched that tip off.
    virtual void showHint(int n) = 0;
    // Takes the About window out of (false) or back into (true) the always-on-top
    // state around a message shown while it is open.
    virtual void setAboutTopmost(bool /*on*/) {}

    // Convenience for the "Error Code = <label>" report.
    void reportError(const std::string& label) {
        message("Error Code = " + label, kAppName, MsgIcon::Critical, MsgButtons::OK);
    }
};

} // namespace qm
