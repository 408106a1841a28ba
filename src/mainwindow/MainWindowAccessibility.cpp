// What a screen reader hears of the main window: the names and descriptions of
// its controls, the status panels named with the units they show, and the
// result box announcing each new result.
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace qm {

namespace {

void describe(QWidget* w, const QString& name, const QString& description = {}) {
    w->setAccessibleName(name);
    if (!description.isEmpty()) w->setAccessibleDescription(description);
}

} // namespace

// The boxes and the arrow keep their tooltips as descriptions: those follow
// the chosen units and say what to do next.
void MainWindow::installAccessibility() {
    describe(TreeView1, QStringLiteral("Categories"),
             QStringLiteral("Groups and categories of units. Enter or a click on a category "
                            "lists its units."));
    const QString unitsHelp = QStringLiteral("Units of the chosen category. Enter converts "
                                             "from the current unit, Shift+Enter into it.");
    describe(listDetails_, QStringLiteral("Units"), unitsHelp);
    describe(listList_, QStringLiteral("Units"), unitsHelp);
    describe(txtInput, QStringLiteral("Value to convert"));
    describe(txtOutput, QStringLiteral("Result"));
    describe(imgPoint, QStringLiteral("Arrow between the boxes"));
    describe(statusBar(), QStringLiteral("Chosen units"));
    describe(listDetails_->horizontalHeader(), QStringLiteral("Unit list columns"),
             QStringLiteral("Click a column heading to sort the units by it."));
    describe(commands_->toolbar(), QStringLiteral("Toolbar"));
    // The buttons that show what no longer fits into a narrow window.
    const std::pair<QWidget*, const char*> overflows[] = {
        {menuBar(), "qt_menubar_ext_button"}, {commands_->toolbar(), "qt_toolbar_ext_button"}};
    for (const auto& [bar, button] : overflows)
        if (auto* b = bar->findChild<QToolButton*>(QString::fromLatin1(button)))
            describe(b, bar == menuBar() ? QStringLiteral("More menus")
                                         : QStringLiteral("More toolbar buttons"));
    for (int panel = 1; panel <= 4; ++panel)
        namePanel(panel);

    // A new result is spoken even while the focus stays in the value box.
    connect(txtOutput, &QLineEdit::textChanged, this, [this](const QString& text) {
        QAccessibleValueChangeEvent event(txtOutput, text);
        QAccessible::updateAccessibility(&event);
    });
}

// Panels 2 and 4 are named with the unit they show, the others with their caption.
void MainWindow::namePanel(int panel) {
    QLabel* label = panels_[static_cast<std::size_t>(panel - 1)];
    const QString text = label->text().trimmed();
    if (panel == 2 || panel == 4) {
        const QString side =
            panel == 2 ? QStringLiteral("Convert from: ") : QStringLiteral("Convert into: ");
        label->setAccessibleName(side + (text.isEmpty() ? QStringLiteral("no unit chosen") : text));
    } else {
        label->setAccessibleName(text.isEmpty() ? QStringLiteral("Conversion") : text);
    }
}

} // namespace qm
