// The calculator window on the real main window: a calculation typed,
// evaluated, copied and pasted back, bad formulas, its history, and a missing
// external calculator.
#include "windowfixture.h"

#include "calculator/CalculatorDialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>

namespace qm {

class CalculatorTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    CalculatorDialog* open() {
        QAction* item = w_->commands()->menus.mnuToolsArray[0];
        if (!item->isEnabled() || !button("Calc")->isEnabled()) return nullptr;
        item->trigger();
        w_->commands()->refresh();
        return w_->findChild<CalculatorDialog*>();
    }
    static void type(CalculatorDialog* d, const QString& formula) {
        d->formulaBox()->setEditText(QString());
        QTest::keyClicks(d->formulaBox(), formula); // as the keyboard sends them
        QTest::keyClick(d->formulaBox(), Qt::Key_Return);
    }

  private slots:
    void init() {
        setUp();
        start();
    }
    void cleanup() { tearDown(); }

    void calculationTypedCopiedAndPastedBack() {
        CalculatorDialog* d = open();
        QVERIFY(d && d->isVisible() && !button("CopyCalc")->isEnabled());
        type(d, QStringLiteral("2^10"));
        button("CopyCalc")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text() + "|" + program_->history.entries[0].c_str(),
                 QStringLiteral("1024.00|2^10 = 1024.00"));

        QGuiApplication::clipboard()->setText(QStringLiteral("1024.00/4"));
        w_->commands()->refresh();
        button("PasteCalc")->trigger();
        QCOMPARE(d->formulaBox()->currentText(), QStringLiteral("1024.00/4"));
        QTest::mouseClick(d->execButton(), Qt::LeftButton);
        QCOMPARE(d->resultBox()->text(), QStringLiteral("256.000"));
        QTest::mouseClick(d->replaceButton(), Qt::LeftButton);
        QCOMPARE(d->formulaBox()->currentText(), QStringLiteral("256.000"));

        // A bad formula: the result box says so and the window stays on the screen.
        d->formulaBox()->setEditText(QString(10000, QLatin1Char('9')));
        d->evaluate();
        QCOMPARE(d->resultBox()->text(), QStringLiteral("Input error"));
        QVERIFY(d->sizeHint().width() <= d->screen()->availableGeometry().width());
    }

    void historyKeepsSevenAndEndsWithTheWindow() {
        CalculatorDialog* d = open();
        QVERIFY(d);
        for (int i = 1; i <= 8; ++i)
            type(d, QString::number(i) + QStringLiteral("*2"));
        QCOMPARE(QString::number(d->formulaBox()->count()) + d->formulaBox()->itemText(0) +
                     d->formulaBox()->itemText(6),
                 QStringLiteral("78*22*2"));
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!d->isVisible() && !w_->commands()->hooks.calculatorShown());
        QVERIFY(!button("CopyCalc")->isEnabled() && !button("PasteCalc")->isEnabled());
        QVERIFY(open() == d && d->formulaBox()->count() == 0);
    }

    void aMissingExternalCalculatorIsNamed() {
        restart({{"Option", "CalcType", "2"}, {"Option", "CalcPath", "/nowhere/mycalc"}});
        QVERIFY(!open()); // no window of its own
        QVERIFY(prompt_.messages.size() == 1 &&
                prompt_.messages[0].text.find("'mycalc'") != std::string::npos);
    }
};

} // namespace qm

QTEST_MAIN(qm::CalculatorTest)
#include "calculator_gui_test.moc"
