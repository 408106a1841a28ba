#include "auxwindows/frmHint.h"
#include "mainwindow/MainWindow.h"
#include "platform/qtsettingsstore.h"
#include "platform/qtuserprompt.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quantimetrix"));
    QApplication::setApplicationName(QStringLiteral("Quantimetrix"));
    qm::Program program;
    qm::QtSettingsStore store;
    qm::QtUserPrompt prompt;
    prompt.setHintHandler([&](int n) {
        qm::pShowHint(program.settings, program.decimal.psDecimalSeparatorName, n,
                      QApplication::activeWindow());
    });
    qm::MainWindow window(program, prompt, store);
    prompt.setParent(&window);
    return QApplication::exec();
}
