#include "auxwindows/frmHint.h"
#include "mainwindow/MainWindow.h"
#include "platform/qtsettingsstore.h"
#include "platform/qtuserprompt.h"

#include <QApplication>

#include <cstdio>

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
    // --check-startup: starts, reads the table, prints the file it read and
    // quits (status 1 when the table could not be read), for install checks.
    if (QCoreApplication::arguments().contains(QStringLiteral("--check-startup"))) {
        std::printf("%s\n", program.table.psTableFile.c_str());
        window.close();
        return program.mnReadError == 0 ? 0 : 1;
    }
    return QApplication::exec();
}
