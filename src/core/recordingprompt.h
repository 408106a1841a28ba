// A UserPrompt that records what it was asked to show and answers from a queue
// of prepared answers (tests, and the command line when nobody can click).
#pragma once

#include "core/userprompt.h"

#include <deque>
#include <string>
#include <vector>

namespace qm {

struct ShownMessage {
    std::string text;
    std::string title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
};

class RecordingPrompt : public UserPrompt {
  public:
    std::vector<ShownMessage> messages;
    std::vector<int> hints;
    std::vector<bool> aboutTopmostCalls;
    std::deque<MsgResult> answers; // answered in order; empty: the first button

    MsgResult message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (!answers.empty()) {
            MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                                                                                  : MsgResult::OK;
    }
    void showHint(int n) override { hints.push_back(n); }
    void setAboutTopmost(bool on) override { aboutTopmostCalls.push_back(on); }
};

} // namespace qm
