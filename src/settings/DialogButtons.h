#pragma once

#include <QDialog>
#include <QPushButton>

namespace qm {

// The OK (the default button), Cancel and Help buttons of the settings dialogs.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};

inline DialogButtons makeDialogButtons(QDialog* dialog) {
    const auto make = [dialog](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(text), dialog);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    DialogButtons d{make("OK", "cmdOK"), make("Cancel", "cmdCancel"), make("&Help", "cmdHelp")};
    d.ok->setDefault(true);
    return d;
}

} // namespace qm
