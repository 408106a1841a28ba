// The tip window: its text, the switch-off box and the blinking picture.
#include "auxwindows/frmHint.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace qm {

class FrmHintTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheTipText() {
        Settings s;
        const std::vector<std::pair<int, QString>> cases = {
            {0, QStringLiteral("The category tree can be scrolled by mouse only when not sorted.")},
            {2, QStringLiteral("The tree item can be moved only when the tree is not sorted.")},
            {5, QStringLiteral("Only a comma is recognized as decimal separator.")},
        };
        for (const auto& [n, text] : cases) {
            frmHint hint(s, n, "comma");
            QCOMPARE(hint.label()->text(), text);
            QCOMPARE(hint.windowTitle(), QStringLiteral(" Tip"));
            QCOMPARE(hint.checkBox()->text(),
                     QStringLiteral(" Do not show this message any more. "));
            QCOMPARE(hint.okButton()->text(), QStringLiteral("Noted"));
        }
    }

    void checkBoxSwitchesTheTipOffAndOnAgain() {
        Settings s;
        frmHint hint(s, 2, "period");
        hint.show();
        QTest::mouseClick(hint.checkBox(), Qt::LeftButton);
        QCOMPARE(s.ShowMessageFlag[2], int16_t{0});
        QCOMPARE(s.ShowMessageFlag[1], int16_t{1});
        QTest::mouseClick(hint.checkBox(), Qt::LeftButton);
        QCOMPARE(s.ShowMessageFlag[2], int16_t{1});
        QTest::mouseClick(hint.checkBox(), Qt::LeftButton);
        QTest::mouseClick(hint.okButton(), Qt::LeftButton);
        QVERIFY(!hint.isVisible());
        QCOMPARE(s.ShowMessageFlag[2], int16_t{0});
    }

    void iconBlinksEverySevenTenthsOfASecond() {
        Settings s;
        frmHint hint(s, 4, "");
        hint.show();
        QVERIFY(hint.showsFullImage());
        QTRY_VERIFY_WITH_TIMEOUT(!hint.showsFullImage(), 2000); // after 10 ticks of 70 ms
        QTRY_VERIFY_WITH_TIMEOUT(hint.showsFullImage(), 2000);  // after 20
        QVERIFY(hint.tickCount() < 10);
    }

    void switchedOffTipIsNotShown() {
        Settings s;
        s.ShowMessageFlag[3] = 0;
        pShowHint(s, "period", 3, nullptr); // would block if it opened the window
        pShowHint(s, "period", 6, nullptr); // outside 0..5: nothing
        pShowHint(s, "period", -1, nullptr);
        QCOMPARE(s.ShowMessageFlag[3], int16_t{0});
    }
};

} // namespace qm

QTEST_MAIN(qm::FrmHintTest)
#include "frmhint_gui_test.moc"
