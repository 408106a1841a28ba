// The Find and About windows on the real main window: Find Next walking the
// hits and reporting the end, F3 with the dialog closed, the About window
// switching the main window's commands off and on, and the quick unit search.
#include "windowfixture.h"

#include "auxwindows/AboutDialog.h"
#include "find/FindDialog.h"
#include "find/QuickSearchPopup.h"

#include "mainwindow/menustate.h"

#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace qm {

// A box that deletes its line on Ctrl+U, as a line edit does on X11.
class DeletesLineOnCtrlU : public QObject {
  protected:
    bool eventFilter(QObject* box, QEvent* e) override {
        const bool key = e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress;
        if (!key || static_cast<QKeyEvent*>(e)->keyCombination() != (Qt::CTRL | Qt::Key_U))
            return false;
        if (e->type() == QEvent::KeyPress) static_cast<QLineEdit*>(box)->clear();
        e->accept();
        return true;
    }
};

class FindTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    QString currentRow() const {
        const QModelIndex i = w_->detailsView()->currentIndex();
        return i.isValid() ? w_->listRowText(i.row()) : QString();
    }

  private slots:
    void init() {
        setUp();
        start();
    }
    void cleanup() { tearDown(); }

    void findNextWalksTheHitsAndReportsTheEnd() {
        m().mnuEditArray[5]->trigger();
        auto* d = w_->findChild<FindDialog*>();
        QVERIFY(d && d->isVisible());
        QTest::keyClicks(d->findBox(), QStringLiteral("AR"));
        const auto press = [&] {
            QTest::mouseClick(d->findButton(), Qt::LeftButton);
            return QString::fromStdString(w_->program().sel.psSelGroupName) + "/" + currentRow() +
                   "/" + d->windowTitle() + " ";
        };
        // Binary, Yard (the last unit of Length), square metre, then the end
        // of the table, where the selection stays.
        QString walk;
        for (int i = 0; i < 4; ++i)
            walk += press();
        QCOMPARE(walk, QStringLiteral("Number System/Binary/Find Length/Yard/Find Area/square "
                                      "metre/Find Area/square metre/End of Search "));
        d->caseBox()->setChecked(true); // matching case finds nothing
        QCOMPARE(press(), QStringLiteral("Area/square metre/End of Search "));
        d->caseBox()->setChecked(false);

        // Closed, the dialog keeps its text and F3 goes on from the last hit;
        // its place is kept in the settings.
        d->move(140, 90);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QCOMPARE(w_->program().settings.FindLeft, 140 * 15.0f);
        QTest::keyClick(w_.get(), Qt::Key_F3); // Binary
        QTest::keyClick(w_.get(), Qt::Key_F3);
        QCOMPARE(currentRow(), QStringLiteral("Yard"));
        m().mnuEditArray[5]->trigger();
        QCOMPARE(d->findBox()->text(), QStringLiteral("AR"));
        QCOMPARE(d->pos(), QPoint(140, 90));

        // Categories.
        d->findBox()->setText(QStringLiteral("t"));
        d->kindButton(0)->setChecked(true);
        QCOMPARE(press(), QStringLiteral("Number System//Find "));
    }

    void quickSearchChoosesUnitsOfAnotherCategory() {
        struct Pick {
            const char* text;
            Qt::KeyboardModifiers mods;
            const char* first; // the best match, highlighted
            int panel;
            const char* unit;
        };
        const Pick picks[] = {{"KILO", Qt::NoModifier, "kilogram - Mass", 2, "kilogram"},
                              {"pou", Qt::ShiftModifier, "Pound - Mass", 4, "Pound"}};
        DeletesLineOnCtrlU x11; // from the convert-from box the key searches too
        w_->inputBox()->installEventFilter(&x11);
        w_->inputBox()->setText(QStringLiteral("1"));
        QWidget* keysTo = w_.get();
        for (const Pick& p : picks) {
            QTest::keyClick(keysTo, Qt::Key_U, Qt::ControlModifier);
            auto* q = w_->findChild<QuickSearchPopup*>();
            QVERIFY(q && q->isVisible());
            QTest::keyClicks(q->textBox(), QString::fromLatin1(p.text));
            QCOMPARE(q->matchList()->currentItem()->text(), QString::fromUtf8(p.first));
            QTest::keyClick(q->textBox(), Qt::Key_Return, p.mods);
            QVERIFY(!q->isVisible());
            QCOMPARE(w_->program().sel.psSelGroupName, std::string("Mass"));
            QCOMPARE(w_->panelText(p.panel), QString::fromUtf8(p.unit));
            keysTo = w_->inputBox();
            keysTo->setFocus();
        }
        QCOMPARE(outputText(), QStringLiteral("2.20462")); // the 1 in the box is kept
        // Escape closes without choosing.
        QTest::keyClick(w_.get(), Qt::Key_U, Qt::ControlModifier);
        auto* q = w_->findChild<QuickSearchPopup*>();
        QTest::keyClicks(q->textBox(), QStringLiteral("metre"));
        QTest::keyClick(q->textBox(), Qt::Key_Escape);
        QVERIFY(!q->isVisible());
        QCOMPARE(w_->program().sel.psSelGroupName, std::string("Mass"));
    }

    void aboutSwitchesTheCommandsOffAndOn() {
        QGuiApplication::clipboard()->setText(QStringLiteral("12"));
        w_->commands()->refresh();
        QVERIFY(button("Paste")->isEnabled());
        m().mnuHelpArray[2]->trigger();
        auto* about = w_->findChild<frmAbout*>();
        QVERIFY(about && about->isVisible());
        // Only our own name, licence and Qt version: no address of anyone.
        for (const QLabel* l : about->findChildren<QLabel*>())
            QVERIFY2(!l->text().contains(QLatin1String("://")) && !l->text().contains(u'@'),
                     qPrintable(l->text()));
        const MainMenus& mm = m();
        const QMenu* top[] = {mm.mnuFile, mm.mnuEdit, mm.mnuView, mm.mnuTools, mm.mnuHelp};
        for (const QMenu* menu : top)
            QVERIFY(!menu->isEnabled());
        for (const ToolbarButton& b : toolbarButtons())
            QVERIFY2(!button(b.key)->isEnabled(), b.key);
        for (const QAction* a : w_->actions()) // the shortcuts
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(!w_->commands()->refreshTimer()->isActive());

        QTest::mouseClick(about->closeButton(), Qt::LeftButton);
        for (const QMenu* menu : top)
            QVERIFY(menu->isEnabled());
        for (const char* key : {"Open", "SaveAs", "Find", "Help", "Exit"})
            QVERIFY2(button(key)->isEnabled(), key);
        QVERIFY(w_->commands()->refreshTimer()->isActive());
        // Paste waits for the next tick of the timer.
        QVERIFY(!button("Paste")->isEnabled());
        QTRY_VERIFY(button("Paste")->isEnabled());
    }
};

} // namespace qm

QTEST_MAIN(qm::FindTest)
#include "find_gui_test.moc"
