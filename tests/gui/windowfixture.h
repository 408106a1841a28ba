// The main window in a temporary folder: settings there, the sample table
// written there and named as the file to open, the locale check off and the
// Length category chosen. Window tests derive from it and call setUp() in
// init(), start() to open the window and tearDown() in cleanup().
#pragma once

#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include "common/sampletable.h"
#include "core/recordingprompt.h"
#include "platform/qtsettingsstore.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qm::test {

class WindowFixture {
  protected:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QtSettingsStore> store_;
    std::unique_ptr<Program> program_;
    RecordingPrompt prompt_;
    UserPrompt* otherPrompt_ = nullptr; // when set, start() gives the window this one
    std::unique_ptr<MainWindow> w_;

    virtual ~WindowFixture() = default;
    // Runs after every start, with the window shown.
    virtual void started() {}

    QString dataPath() const { return dir_->filePath(QStringLiteral("sample.dat")); }
    std::string path(const char* name) const {
        return dir_->filePath(QString::fromLatin1(name)).toStdString();
    }

    void put(const char* section, const char* key, const std::string& value) {
        store_->save(kSettingsApp, section, key, value);
        store_->flush();
    }
    // A value as a fresh store reads it from the file.
    static std::string stored(const char* section, const char* key,
                              const char* missing = "<missing>") {
        QtSettingsStore fresh(QSettings::IniFormat);
        return fresh.get(kSettingsApp, section, key, missing);
    }
    static QByteArray fileBytes(const std::string& p) {
        QFile f(QString::fromStdString(p));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static QByteArray sampleBytes() { return QByteArray::fromStdString(sampleTableText()); }
    static void writeFile(const std::string& p, const std::string& text) {
        QFile::remove(QString::fromStdString(p));
        QFile f(QString::fromStdString(p));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(text));
    }

    void setUp() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_->path());
        writeFile(dataPath().toStdString(), sampleTableText());
        prompt_ = RecordingPrompt{};
        store_ = std::make_unique<QtSettingsStore>(QSettings::IniFormat);
        put("File", "SaveFilePath", dataPath().toStdString());
        put("Extra", "ShowCheckLocale", "0");
        put("View", "SelNodeIndex", "6");
    }
    void start() {
        program_ = std::make_unique<Program>();
        program_->programFolder = dir_->path().toStdString() + "/";
        store_ = std::make_unique<QtSettingsStore>(QSettings::IniFormat);
        w_ = std::make_unique<MainWindow>(*program_, otherPrompt_ ? *otherPrompt_ : prompt_,
                                          *store_);
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        QCoreApplication::processEvents();
        started();
    }
    // Closes without the question about a changed table.
    void closeWindow() {
        w_->askSaveOnClose = [] { return true; };
        QVERIFY(w_->close());
        w_.reset();
    }
    // Closes the window (which stores its settings), stores the given ones and
    // starts again.
    void restart(const std::vector<std::array<const char*, 3>>& settings = {}) {
        closeWindow();
        for (const auto& [section, key, value] : settings)
            put(section, key, value);
        start();
    }
    void tearDown() {
        if (w_) {
            w_->askSaveOnClose = [] { return true; };
            w_->close();
        }
        w_.reset();
        program_.reset();
        store_.reset();
        dir_.reset();
    }

    QWidget* listViewport() const { return w_->detailsView()->viewport(); }
    QPoint rowPoint(int row) const {
        return w_->detailsView()->visualRect(w_->listModel()->index(row, 0)).center();
    }
    void clickRow(int row, Qt::MouseButton button) {
        QTest::mouseClick(listViewport(), button, Qt::NoModifier, rowPoint(row));
    }
    void clickNode(int node) {
        QTreeWidgetItem* item = w_->nodeItem(node);
        QVERIFY(item);
        w_->treeView()->scrollToItem(item);
        QTest::mouseClick(w_->treeView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          w_->treeView()->visualItemRect(item).center());
    }
    void chooseUnits(int from, int into) {
        clickRow(from, Qt::LeftButton);
        clickRow(into, Qt::RightButton);
    }
    QStringList rowTexts() const {
        QStringList out;
        for (int r = 0; r < w_->listRowCount(); ++r)
            out << w_->listRowText(r);
        return out;
    }
    void typeInput(const char* text) {
        w_->inputBox()->setFocus();
        QTest::keyClicks(w_->inputBox(), QString::fromLatin1(text));
    }
    QString outputText() const { return w_->outputBox()->text(); }
    MainMenus& m() const { return w_->commands()->menus; }
    // A toolbar button's action, by its key.
    QAction* button(const char* key) const {
        return w_->commands()->button(QString::fromLatin1(key));
    }
};

} // namespace qm::test
