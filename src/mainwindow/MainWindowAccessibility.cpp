// What a screen reader hears of the main window: the names and descriptions of
// its controls, the status panels named with the units they show, and the
// result box announcing each new result; and the popup menus of the tree and
// the list opened from the keyboard.
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"
#include "mainwindow/menustate.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
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

// The menu key (or Shift+F10) in the tree or the list opens the popup menu of
// the current item as a right-click on it does; the menu a right-click on a
// unit opens only when held opens at once, and the unit is not chosen to
// convert into (Shift+Enter does that).
class PopupKeys : public QObject {
  public:
    explicit PopupKeys(MainWindow& w) : QObject(&w), w_(w) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Menu &&
            !(key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier))
            return false;
        auto* view = static_cast<QAbstractItemView*>(watched);
        const QRect item = view->visualRect(view->currentIndex());
        const QPoint at = item.isValid() ? item.center() : QPoint(2, 2);
        const QPoint global = view->viewport()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &press);
        // A release of no button: the list then chooses no convert-into unit.
        const Qt::MouseButton released = view == w_.treeView() ? Qt::RightButton : Qt::NoButton;
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, released, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &release);
        if (view != w_.treeView()) {
            const Program& p = w_.program();
            const UnitMenuPlan plan =
                unitMenuPlan(item.isValid(), p.pnSelNodeIndex(), p.table.pnCatGroupCount,
                             p.settings.Modify != 0, w_.listRowCount());
            if (plan.show == UnitMenuPlan::Show::AfterLongPress)
                w_.commands()->menus.mnuEditUnit->popup(global);
        }
        return true;
    }

  private:
    MainWindow& w_;
};

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
    auto* popupKeys = new PopupKeys(*this);
    for (QWidget* view : {static_cast<QWidget*>(TreeView1), static_cast<QWidget*>(listDetails_),
                          static_cast<QWidget*>(listList_)})
        view->installEventFilter(popupKeys);

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
