// The unit and constant dialogs driven as a user does: typing, icon clicks,
// tabs, OK refused and accepted, Cancel.
#include "editing/UnitPropertiesDialog.h"

#include "core/recordingprompt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>

namespace qm {

class UnitDialogTest : public QObject {
    Q_OBJECT

    RecordingPrompt prompt_;

    static UnitDialogRequest request(UnitDialogKind kind, int16_t mode) {
        UnitDialogRequest r;
        r.kind = kind;
        r.pnPropMode = mode;
        r.record = mode == 1 ? newItemProposal(kind) : UnitRecord{2, "metre", "1", "0", "", "", ""};
        return r;
    }

    // Opens the dialog, lets `drive` act on it once it is shown, and returns
    // what the dialog hands back.
    std::optional<UnitRecord> run(const UnitDialogRequest& r,
                                  const std::function<void(UnitPropertiesDialog&)>& drive) {
        prompt_ = RecordingPrompt{};
        bool driven = false;
        QTimer::singleShot(50, [&] {
            auto* d = qobject_cast<UnitPropertiesDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            driven = true;
            drive(*d);
            if (d->isVisible()) d->reject();
        });
        auto out = runUnitPropertiesDialog(nullptr, r, &prompt_);
        [&] { QVERIFY(driven); }();
        return out;
    }

    static void type(QWidget* w, const QString& text) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, text);
    }

  private slots:
    void editedUnitAfterARefusedOk() {
        const auto out = run(request(UnitDialogKind::Unit, 0), [&](UnitPropertiesDialog& d) {
            QTRY_COMPARE(QApplication::focusWidget(), d.box(UnitField::Name));
            type(d.box(UnitField::Name), QStringLiteral(" yard "));
            type(d.box(UnitField::Ratio), QStringLiteral("1e400"));
            QTest::mouseClick(d.iconPicture(2), Qt::LeftButton);
            QTest::keyClick(d.box(UnitField::Ratio), Qt::Key_Return);
            QVERIFY(d.isVisible()); // refused: told, and back in the ratio box
            QVERIFY(prompt_.messages.at(0).text.find("'1e400'") != std::string::npos);
            QCOMPARE(QApplication::focusWidget(), d.box(UnitField::Ratio));
            type(d.box(UnitField::Ratio), QStringLiteral("0.9144"));
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        });
        QCOMPARE(out, (std::optional<UnitRecord>{{3, "yard", "0.9144", "0", "", "", ""}}));
    }

    void insertedConstantWithAMemoOfTwoLines() {
        const auto out = run(request(UnitDialogKind::Constant, 1), [&](UnitPropertiesDialog& d) {
            type(d.box(UnitField::Name), QStringLiteral("g"));
            type(d.box(UnitField::Ratio), QStringLiteral("9.80665"));
            type(d.box(UnitField::Offset), QStringLiteral("m/s2"));
            d.tabs()->setCurrentIndex(1);
            QTest::keyClicks(d.memoBox(), QStringLiteral("standard"));
            QTest::keyClick(d.memoBox(), Qt::Key_Return); // a new line, not OK
            QTest::keyClicks(d.memoBox(), QStringLiteral("gravity"));
            QVERIFY(d.isVisible());
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        });
        QCOMPARE(out, (std::optional<UnitRecord>{
                          {4, "g", "9.80665", "m/s2", "0", "0", "standard gravity"}}));
    }

    void cancelGivesNothing() {
        QVERIFY(!run(request(UnitDialogKind::Unit, 1), [&](UnitPropertiesDialog& d) {
            type(d.box(UnitField::Ratio), QStringLiteral("2"));
            QTest::keyClick(&d, Qt::Key_Escape);
        }));
    }
};

} // namespace qm

QTEST_MAIN(qm::UnitDialogTest)
#include "unitdialog_gui_test.moc"
