// Start-up and closing of the main window.
#include "mainwindow/MainWindow.h"
#include "mainwindow/layoutlogic.h"

#include "auxwindows/localecheck.h"
#include "settings/config.h"
#include "table/fileio.h"
#include "table/tablereader.h"
#include "table/tablewriter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTreeWidget>

#include <cmath>

namespace qm {

namespace {

std::string executableFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace

float MainWindow::toTwipsX(int px) const {
    return static_cast<float>(px * program_.twipsPerPixelX);
}
int MainWindow::toPixelsX(double twips) const {
    return static_cast<int>(std::lround(twips / program_.twipsPerPixelX));
}
int MainWindow::toPixelsY(double twips) const {
    return static_cast<int>(std::lround(twips / program_.twipsPerPixelY));
}

void MainWindow::applyLocale() {
    const QLocale loc = QLocale::system();
    const QString dp = loc.decimalPoint();
    const QString gs = loc.groupSeparator();
    NumberLocale& nl = program_.decimal.locale;
    nl.decimal =
        (dp.size() == 1 && dp[0].unicode() < 128) ? static_cast<char>(dp[0].unicode()) : '.';
    if (gs.size() == 1 && gs[0].unicode() < 128)
        nl.group = static_cast<char>(gs[0].unicode());
    else if (gs.size() == 1 && gs[0].isSpace())
        nl.group = ' ';
    else
        nl.group = nl.decimal == ',' ? '.' : ',';
    if (nl.group == nl.decimal) nl.group = nl.decimal == ',' ? '.' : ',';
    mCheckNumberLocale(loc.toString(1.23, 'f', 2).toStdString(), program_.settings.ShowCheckLocale,
                       program_.decimal, prompt_);
}

void MainWindow::startUp() {
    Program& p = program_;
    Settings& s = p.settings;
    guarded([&] {
        mInitTableArrays(p.table);
        progress_.set("FMFL01");
        p.table.pbTableChanged = false;
        p.mnReadError = 0;

        progress_.set("FMFL02");
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
        const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
        p.twipsPerPixelX = 1440.0 / (dpiX > 0 ? dpiX : 96.0);
        p.twipsPerPixelY = 1440.0 / (dpiY > 0 ? dpiY : 96.0);
        if (p.programFolder.empty()) {
            const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
            p.programFolder =
                dataFolder(executableFolder(), QDir::toNativeSeparators(user).toStdString());
        }

        progress_.set("FMFL03");
        pReadCfg(s, p.table, store_, prompt_, static_cast<float>(designListWidth()));
        applyLocale();

        progress_.set("FMFL04");
        s.psRootNodeText = mGetFileName(p.table.psTableFile);
        p.msTableFolder = folderPart(p.table.psTableFile, p.programFolder);
        s.numberStyle.deriveSciBounds();

        progress_.set("FMFL05");
        QCoreApplication::processEvents();
        move(toPixelsX(s.Left), toPixelsY(s.Top));

        progress_.set("FMFL06");
        pSetViewFont();

        progress_.set("FMFL07");
        progress_.set("FMFL08");
        applyInitialLayout();

        progress_.set("FMFL09");
        progress_.set("FMFL10");
        progress_.set("FMFL11");
        const QSize assumedFrame = frameExtra_;
        pSetTopmost(s.StayTop == 1); // a stored "always on top" holds from the first show
        show();
        // The frame is known once the window is shown: lay out again if it differs.
        frameExtra_ = frameGeometry().size() - geometry().size();
        if (frameExtra_ != assumedFrame) applyInitialLayout();

        progress_.set("FMFL13");
        startLayout();
        progress_.set("FMFL16");
        progress_.set("FMFL17");
        progress_.set("FMFL18");
        progress_.set("FMFL19");
        setPanel(1, QStringLiteral(" Convert "));
        setPanel(3, QStringLiteral(" into "));
        pUpdateCaption();

        progress_.set("FMFL21");
        ReadContext ctx{prompt_, p.decimal, p.programFolder, p.twipsPerPixelX, false};
        p.mnReadError = pReadTable(p.table, ctx);
        s.psRootNodeText = mGetFileName(p.table.psTableFile);
        p.msTableFolder = folderPart(p.table.psTableFile, p.programFolder);
        pCheckSelNodeIndex(p.table, p.pnSelNodeIndex());

        progress_.set("FMFL22");
        pCheckColumnHeaders();
        progress_.set("FMFL23");
        if (p.mnReadError == 1) return;

        progress_.set("FMFL25");
        pUpdateTreeView();
        restoreSelectionAtStart();

        progress_.set("FMFL31");
        mSetListView(s.View == 2 ? 0 : 1);
        progress_.set("FMFL33");
        applyGridLines();
    });
}

bool MainWindow::confirmCloseWithChanges() {
    if (askSaveOnClose) return askSaveOnClose();
    ConversionTable& t = program_.table;
    const MsgResult r =
        prompt_.message("The file '" + program_.settings.psRootNodeText +
                            "' has changed.\r\n\r\nDo you want to save the changes?",
                        kDataTitle, MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (r == MsgResult::Cancel) return false;
    if (r == MsgResult::Yes) {
        const auto expanded = [this](int node) {
            const QTreeWidgetItem* item = nodeItem(node);
            return item && item->isExpanded();
        };
        if (!pSaveTable(t, expanded, prompt_)) return false; // keep the window: nothing is lost
        t.pbTableChanged = false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Program& p = program_;
    mPreserveTreeNodeStatus();
    if (p.mnReadError == 1) {
        event->accept();
        return;
    }
    if (p.table.pbTableChanged && !confirmCloseWithChanges()) {
        event->ignore();
        return;
    }
    // The column widths come with the window capture: a minimised window keeps the held ones.
    pSaveCfg(p.settings, p.table, captureWindow(), store_);
    store_.flush();
    const auto expanded = [this](int node) {
        const QTreeWidgetItem* item = nodeItem(node);
        return item && item->isExpanded();
    };
    pSaveNodeStatus(p.table.psTableFile, expanded, prompt_);
    event->accept();
}

} // namespace qm
