// The real main window (offscreen) with its program state, settings and data
// file in a temporary folder of its own, for the window benchmarks.
#pragma once

#include "core/recordingprompt.h"
#include "mainwindow/MainWindow.h"
#include "platform/qtsettingsstore.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace qm {

struct BenchWindow {
    QTemporaryDir dir;
    Program program;
    RecordingPrompt prompt;
    std::unique_ptr<QtSettingsStore> store;
    std::unique_ptr<MainWindow> window;
    bool exposed = false;

    // Starts the window on a data file of these bytes.
    explicit BenchWindow(const QByteArray& tableBytes) {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        const QString table = dir.filePath(QStringLiteral("table.dat"));
        QFile f(table);
        if (f.open(QIODevice::WriteOnly)) f.write(tableBytes);
        f.close();
        store = std::make_unique<QtSettingsStore>(QSettings::IniFormat);
        store->save(kSettingsApp, "File", "SaveFilePath", table.toStdString());
        store->save(kSettingsApp, "Extra", "ShowCheckLocale", "0");
        store->flush();
        program.programFolder = dir.path().toStdString() + "/";
        window = std::make_unique<MainWindow>(program, prompt, *store);
        exposed = QTest::qWaitForWindowExposed(window.get());
    }
};

} // namespace qm
