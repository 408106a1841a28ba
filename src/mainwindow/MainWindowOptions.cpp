// The main window's side of the options: opening the Options dialog, taking
// its values, the fonts and colours of the window's areas, and the on-top
// state that dialogs hand back when they close.
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include "calculator/CalculatorDialog.h"
#include "find/FindDialog.h"
#include "settings/FontDialog.h"
#include "settings/OptionsDialog.h"
#include "settings/optionvalues.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>

namespace qm {

namespace {

void setColours(QWidget* w, int32_t text, int32_t back) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, qtColor(back));
    pal.setColor(QPalette::Text, qtColor(text));
    w->setPalette(pal);
}

} // namespace

void MainWindow::pSetViewFont() {
    const AreaStyles s = areaStylesOf(program_.settings);
    guarded([&] {
        progress_.set("PSVF01");
        setColours(TreeView1, s.TextColor[0], s.BackColor[0]);
        TreeView1->setFont(qtFont(s, 0));
        progress_.set("PSVF02");
        for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(listDetails_),
                                     static_cast<QAbstractItemView*>(listList_)}) {
            setColours(v, s.TextColor[1], s.BackColor[1]);
            v->setFont(qtFont(s, 1));
        }
        const int rowHeight = QFontMetrics(qtFont(s, 1)).height() + 4;
        listDetails_->verticalHeader()->setDefaultSectionSize(std::max(rowHeight, 18));
        progress_.set("PSVF03");
        setColours(txtInput, s.TextColor[2], s.BackColor[2]);
        txtInput->setFont(qtFont(s, 2));
        progress_.set("PSVF04");
        setColours(txtOutput, s.TextColor[4], s.BackColor[4]);
        txtOutput->setFont(qtFont(s, 2));
        progress_.set("PSVF05");
        const QFont barFont = qtFont(s, 3);
        for (QLabel* l : panels_)
            l->setFont(barFont);
        // A new box font changes the boxes' height: place the controls again.
        if (layout_.started()) placeControls();
    });
}

void MainWindow::mShowOptions() {
    pSetTopmost(false);
    frmOptions::showFor(*this);
}

void MainWindow::applyOptions(const OptionValues& v) {
    Program& p = program_;
    auto* calculator = findChild<CalculatorDialog*>(QString(), Qt::FindDirectChildrenOnly);
    const bool calculatorOpen = calculator && calculator->isVisible();
    const OptionsApplied r = applyOptionValues(v, p.settings, calculatorOpen);
    if (r.closeCalculator) calculator->close();
    pSetViewFont();
    if (r.barsChanged && commands_) commands_->applyBars();
    mPreserveTreeNodeStatus();
    pUpdateTreeView();
    selectNode(p.pnSelNodeIndex());
    clearList();
    pUpdateListView(p.sel.psSelGroupName);
    if (r.gridChanged) applyGridLines();
    if (bothUnitsChosen()) pExecConversion();
}

// Changing the flag re-creates the window: only a change touches it.
void MainWindow::pSetTopmost(bool on) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();
}

void MainWindow::pRestoreTopmost() {
    pSetTopmost(program_.settings.StayTop == 1);
    for (QDialog* d : {static_cast<QDialog*>(findChild<FindDialog*>()),
                       static_cast<QDialog*>(frmOptions::openFor(*this))})
        if (d && d->isVisible()) d->raise();
}

void MainWindowCommands::applyBars() {
    w_.menuBar()->setVisible(w_.program_.settings.ShowMenubar != 0);
    applyToolbarSettings();
}

} // namespace qm
