// The Options dialog and the font and colour dialog on the real main window:
// the number style of the next conversion, also after a restart; fonts and
// colours on the list and the boxes; Cancel; the dialog's own rules.
#include "windowfixture.h"

#include "settings/FontDialog.h"
#include "settings/OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace qm {

class OptionsTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    frmOptions* open() {
        w_->commands()->menus.mnuToolsArray[2]->trigger();
        return frmOptions::openFor(*w_);
    }
    // From metre into inch: 1000 m is 39370.0787... in.
    void convert() {
        chooseUnits(0, 2);
        typeInput("1000");
    }
    // Near the left end, where a check box's mark is however wide the box.
    static void click(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    }
    // Opens the font dialog for an item of the area list with Enter, lets
    // `edit` work on it and presses its OK.
    static void editFont(frmOptions* d, int item, const std::function<void(frmFont*)>& edit) {
        d->fontsBox()->setCurrentIndex(item);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (auto* f = qobject_cast<frmFont*>(QApplication::activeModalWidget())) {
                seen = true;
                edit(f);
                click(f->findChild<QPushButton*>(QStringLiteral("cmdOK")));
            }
        });
        QTest::keyClick(d->fontsBox(), Qt::Key_Return);
        QVERIFY(seen);
    }

  private slots:
    void init() {
        setUp();
        start();
    }
    void cleanup() {
        frmFont::colorPickerHook = nullptr;
        tearDown();
    }

    void numberStyleFollowsTheOptionsAlsoAfterRestart() {
        convert();
        QCOMPARE(outputText(), QStringLiteral("39370.1"));
        frmOptions* d = open();
        d->digitsSlider()->setValue(9);
        d->powerBox()->setCurrentIndex(d->powerBox()->findText(QStringLiteral(" 4")));
        click(d->okButton());
        QCOMPARE(outputText(), QStringLiteral("3.93700787E+04"));
        restart();
        convert();
        QCOMPARE(outputText(), QStringLiteral("3.93700787E+04"));

        d = open();
        click(d->integerBox());
        QCOMPARE(d->preview()->text(), QStringLiteral("778 "));
        d->powerBox()->setCurrentIndex(0); // NA: no threshold
        click(d->okButton());
        QCOMPARE(outputText(), QStringLiteral("39370"));
    }

    void fontsAndColoursOfTheListAndTheBoxesShowOnTheWidgets() {
        frmFont::colorPickerHook = [](const QColor&) { return QColor(200, 0, 0); };
        frmOptions* d = open();
        d->tabs()->setCurrentIndex(1);
        editFont(d, 1, [](frmFont* f) {
            f->fontBox()->setEditText(QStringLiteral("Serif"));
            f->sizeBox()->setEditText(QStringLiteral("12"));
            f->styleBox(0)->setChecked(true);
            click(f->colorButton(false));
        });
        editFont(d, 2, [](frmFont* f) {
            f->styleBox(1)->setChecked(true);
            click(f->colorButton(true));
        });
        QVERIFY(!w_->detailsView()->font().bold()); // not before OK
        click(d->okButton());
        for (int run = 0; run < 2; ++run) {
            const QFont list = w_->detailsView()->font();
            QCOMPARE(list.family() + QString::number(list.pointSize()) +
                         QString::number(list.bold()),
                     QStringLiteral("Serif121"));
            QCOMPARE(w_->detailsView()->palette().color(QPalette::Text), QColor(200, 0, 0));
            QVERIFY(w_->inputBox()->font().italic() && w_->outputBox()->font().italic());
            QCOMPARE(w_->inputBox()->palette().color(QPalette::Base), QColor(200, 0, 0));
            restart();
        }
    }

    void cancelChangesNothing() {
        convert();
        const Settings before = program_->settings;
        frmOptions* d = open();
        d->digitsSlider()->setValue(12);
        click(d->integerBox());
        d->tabs()->setCurrentIndex(1);
        click(d->calcButton(1));
        click(d->cancelButton());
        QVERIFY(program_->settings == before);
        QCOMPARE(outputText(), QStringLiteral("39370.1"));
        QVERIFY(!frmOptions::openFor(*w_));
    }

    void aLetterShowsTheFocusOnItsControl() {
        frmOptions* d = open();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d, Qt::Key_R);
        QVERIFY(d->focusWidget()->objectName() == QStringLiteral("chkShowError"));
        QVERIFY(d->testAttribute(Qt::WA_KeyboardFocusChange)); // draws the focus frame
    }

    void dialogRulesWhileOpen() {
        frmOptions* d = open();
        click(d->findChild<QCheckBox*>(QStringLiteral("chkStayTop")));
        d->tabs()->setCurrentIndex(1);
        click(d->menubarBox());
        // Browsing the area list with the arrow keys opens no font dialog.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto* f = qobject_cast<frmFont*>(QApplication::activeModalWidget())) {
                opened = true;
                f->reject();
            }
        });
        QTest::keyClick(d->fontsBox(), Qt::Key_Down);
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        click(d->okButton());
        QVERIFY(w_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!w_->menuBar()->isVisible() && w_->commands()->toolbar()->isVisible());
    }
};

} // namespace qm

QTEST_MAIN(qm::OptionsTest)
#include "options_gui_test.moc"
