// The Edit menu's copy, paste and history items (the rest of the menu bar
// arrives with the menus' own window file; choosing a history entry too).
#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

namespace qm {

void MainWindow::buildMenus() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QMenu* copy = edit->addMenu(QStringLiteral("&Copy"));
    const char* copyCaptions[] = {"Con&version Result", "&Calculation Result", "&Unit Properties"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = copy->addAction(QString::fromLatin1(copyCaptions[i]));
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this, i] { mCopy(i); });
        mnuEditCopyArray[static_cast<std::size_t>(i)] = a;
    }
    mnuEditCopyArray[1]->setVisible(false);  // the calculator is not there yet
    QMenu* paste = edit->addMenu(QStringLiteral("&Paste"));
    const char* pasteCaptions[] = {"As Con&version Input", "As &Calculation Input"};
    for (int i = 0; i < 2; ++i) {
        QAction* a = paste->addAction(QString::fromLatin1(pasteCaptions[i]));
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this, i] { mPaste(i); });
        mnuEditPasteArray[static_cast<std::size_t>(i)] = a;
    }
    mnuEditPasteArray[1]->setVisible(false);
    edit->addSeparator();
    historyMenu_ = edit->addMenu(QStringLiteral("&History"));
    historyMenu_->setEnabled(false);
    connect(this, &MainWindow::historyChanged, this, [this] {
        historyMenu_->clear();
        const ConversionHistory& h = program_.history;
        for (int i = 0; i < h.count; ++i) {
            historyMenu_->addAction(QString::fromStdString(h.entries[static_cast<std::size_t>(i)]));
        }
    });
    const auto followClipboard = [this] {
        mnuEditPasteArray[0]->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    };
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, followClipboard);
    followClipboard();
}

} // namespace qm
