// The tip window: its text and the switch-off box.
#include "auxwindows/frmHint.h"
#include "auxwindows/hinttext.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace qm {

class FrmHintTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheTipAndItsBoxSwitchesItOffAndOnAgain() {
        Settings s;
        frmHint hint(s, 5, "comma");
        QCOMPARE(hint.label()->text(), QString::fromStdString(pHintText(5, "comma")));
        hint.show();
        QString flags;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(hint.checkBox(), Qt::LeftButton);
            flags += QString::number(s.ShowMessageFlag[5]) + QString::number(s.ShowMessageFlag[4]);
        }
        QCOMPARE(flags, QStringLiteral("011101"));
        QTest::mouseClick(hint.okButton(), Qt::LeftButton);
        QVERIFY(!hint.isVisible() && s.ShowMessageFlag[5] == 0);
    }

    void escapeInTheTypingBoxClosesTheTip() {
        Settings s;
        QLineEdit box;
        box.show();
        frmHint hint(s, 5, "comma");
        hint.returnKeysTo(&box);
        hint.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!hint.isVisible());
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
