// Message boxes and tips of the core, shown with Qt dialogs.
#pragma once

#include "core/userprompt.h"

#include <functional>

class QWidget;

namespace qm {

class QtUserPrompt : public UserPrompt {
  public:
    explicit QtUserPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // What shows tip n (the tip window); until set, tips are not shown.
    void setHintHandler(std::function<void(int)> handler) { hint_ = std::move(handler); }

    MsgResult message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons) override;
    void showHint(int n) override;

  private:
    QWidget* parent_;
    std::function<void(int)> hint_;
};

} // namespace qm
