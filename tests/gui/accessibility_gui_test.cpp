// What a screen reader finds: every control of the main window and of each
// window it opens has a name, Tab walks the main window in reading order, and
// the menu key opens the popup menus of the tree and the list.
#include "windowfixture.h"

#include "auxwindows/AboutDialog.h"
#include "auxwindows/HelpWindow.h"
#include "auxwindows/frmHint.h"
#include "calculator/CalculatorDialog.h"
#include "find/FindDialog.h"
#include "find/QuickSearchPopup.h"
#include "settings/frmListProp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include <functional>
#include <tuple>

namespace qm {

class AccessibilityTest : public QObject, public test::WindowFixture {
    Q_OBJECT

    // The controls on show that a user can reach (and the pictures that react
    // to the mouse, and the panels of the status bar) that a screen reader
    // finds unnamed.
    static QStringList unnamed(QWidget* root) {
        QStringList out;
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        for (QWidget* w : widgets << root) {
            const bool reachable =
                w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w) ||
                qobject_cast<QAbstractItemView*>(w) ||
                (qobject_cast<QLabel*>(w) &&
                 (w->hasMouseTracking() || qobject_cast<QStatusBar*>(w->parentWidget())));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (reachable && w->isVisibleTo(root) &&
                (!a || a->text(QAccessible::Name).trimmed().isEmpty()))
                out << QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
        }
        return out;
    }

  private slots:
    void init() {
        setUp();
        writeFile(path("Qmtrxdoc.hlp"), "<html><body><h1>Contents</h1></body></html>");
        start();
    }
    void cleanup() { tearDown(); }

    void everyReachableControlHasAName() {
        Settings settings;
        const std::pair<const char*, std::function<QWidget*()>> windows[] = {
            {"main", [&] { return w_.get(); }},
            {"main, list mode", [&] { return w_->mSetListView(0), w_.get(); }},
            {"find", [&] { return FindDialog::showFor(*w_); }},
            {"quick search", [&] { return QuickSearchPopup::showFor(*w_); }},
            {"about", [&] { return frmAbout::showFor(*w_); }},
            {"help", [&] { return HelpWindow::showHelp(w_.get(), dir_->path(), 0, prompt_); }},
            {"tip", [&] { return new frmHint(settings, 0, "period", w_.get()); }},
            {"calculator", [&] { return CalculatorDialog::showFor(*w_, prompt_); }},
            {"list properties", [&] { return new frmListProp(*w_); }}};
        for (const auto& [name, open] : windows) {
            QWidget* window = open();
            QVERIFY2(window, name);
            const QStringList missing = unnamed(window);
            QVERIFY2(missing.isEmpty(), qPrintable(name + (": " + missing.join(", "))));
            if (window != w_.get()) window->close();
        }
    }

    void tabWalksTheTreeTheListAndTheBoxes() {
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        const QList<QWidget*> order{w_->treeView(), w_->detailsView(), w_->inputBox(),
                                    w_->outputBox(), w_->treeView()};
        order[0]->setFocus();
        for (QWidget* next : order.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void theMenuKeyOpensThePopupMenus() {
        program_->settings.Modify = 1;
        MainMenus& m = w_->commands()->menus;
        w_->treeView()->setCurrentItem(w_->nodeItem(6));
        w_->detailsView()->setCurrentIndex(w_->listModel()->index(1, 0));
        const std::tuple<QAbstractItemView*, Qt::Key, Qt::KeyboardModifier, QMenu*> rows[] = {
            {w_->treeView(), Qt::Key_Menu, Qt::NoModifier, m.mnuEditGroup},
            {w_->detailsView(), Qt::Key_F10, Qt::ShiftModifier, m.mnuEditUnit}};
        for (const auto& [view, key, modifier, menu] : rows) {
            QTest::keyClick(view, key, modifier);
            QTRY_VERIFY(menu->isVisible());
            menu->close();
        }
        QVERIFY(w_->panelText(4).isEmpty()); // the menu key chose no unit
    }
};

} // namespace qm

QTEST_MAIN(qm::AccessibilityTest)
#include "accessibility_gui_test.moc"
