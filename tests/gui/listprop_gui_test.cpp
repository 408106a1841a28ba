// The list properties dialog on the real main window: a column header
// renamed from the unit list's menu, seen in the list and after a restart.
#include "windowfixture.h"

#include "settings/frmListProp.h"

#include <QMenu>
#include <QMouseEvent>

namespace qm {

class ListPropTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    QString header(int column) const {
        return w_->listModel()->headerData(column, Qt::Horizontal).toString();
    }

  private slots:
    void init() {
        setUp();
        put("Option", "Modify", "1");
        start();
    }
    void cleanup() { tearDown(); }

    void renamedHeaderShowsAndOutlivesARestart() {
        // A right press beside the rows: Properties edits the column headers.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        w_->commands()->listPressed(&press, false);
        w_->commands()->menus.mnuEditUnit->hide();
        QAction* properties = w_->commands()->menus.mnuEditUnitArray[5];
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<frmListProp*>(QApplication::activeModalWidget());
            if (!d) return;
            seen = true;
            d->headerBox(0)->setText(QStringLiteral("Name of the unit"));
            d->headerBox(1)->clear();
            d->accept();
        });
        properties->trigger();
        QVERIFY(seen && w_->listRowCount() > 0);
        QCOMPARE(header(0) + "|" + header(1), "Name of the unit| "); // an empty text: a blank

        restart();
        QCOMPARE(header(0) + "|" + header(2), "Name of the unit|Offset");
    }
};

} // namespace qm

QTEST_MAIN(qm::ListPropTest)
#include "listprop_gui_test.moc"
