// The editing commands on the real main window: context menus, the category
// and delete dialogs, the Edit menu's new items, Undo and Redo.
#include "editing/CategoryDialog.h"
#include "editing/ConfirmDeleteDialog.h"
#include "editing/MainWindowEdit.h"
#include "editing/UnitPropertiesDialog.h"
#include "table/tablewriter.h"
#include "windowfixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace qm {

class EditTest : public QObject, public test::WindowFixture {
    Q_OBJECT

    MainWindowEdit& e() const { return *w_->editCommands(); }

    // The data file text of the table as the window would save it now.
    std::string text() const {
        return tableFileText(program_->table, [this](int node) {
            const QTreeWidgetItem* item = w_->nodeItem(node);
            return item && item->isExpanded();
        });
    }
    // Right press on a node (its context menu opens), then the item chosen.
    void contextItem(int node, QAction* item) {
        const QPoint at = w_->treeView()->visualItemRect(w_->nodeItem(node)).center();
        QTest::mousePress(w_->treeView()->viewport(), Qt::RightButton, Qt::NoModifier, at);
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        item->trigger();
    }
    // Acts on the next modal dialog once it shows.
    template <class D> static void whenShown(std::function<void(D*)> act) {
        QTimer::singleShot(0, [act] {
            auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            QVERIFY(d);
            act(d);
        });
    }
    static void answerCategory(const QString& name, int option, bool cancelAfter = false) {
        whenShown<CategoryDialog>([=](CategoryDialog* d) {
            d->nameBox()->setText(name);
            d->iconOption(option)->setChecked(true);
            d->accept();
            if (cancelAfter) d->reject();
        });
    }
    static void answerUnit(const QString& name, const QString& value) {
        whenShown<UnitPropertiesDialog>([=](UnitPropertiesDialog* d) {
            d->box(UnitField::Name)->setText(name);
            d->box(UnitField::Ratio)->setText(value);
            d->accept();
        });
    }
    static void answerDelete(bool yes) {
        whenShown<ConfirmDeleteDialog>(
            [yes](ConfirmDeleteDialog* d) { (yes ? d->yesButton() : d->noButton())->click(); });
    }

  private slots:
    void init() {
        setUp();
        start();
    }
    void cleanup() { tearDown(); }

    void buildDeleteUndoSaveAndReopen() {
        std::vector<std::string> states{text()};
        const auto step = [&](bool changes) {
            if (changes) states.push_back(text());
            QCOMPARE(QString::fromStdString(text()), QString::fromStdString(states.back()));
        };
        w_->selectNode(1);
        contextItem(1, m().mnuEditCategoryArray[0]); // Add: a group
        step(true);
        answerCategory(QStringLiteral("  Speed  "), 2);
        contextItem(4, m().mnuEditCategoryArray[0]); // Add...: a category in it
        QCOMPARE(program_->sel.psSelGroupName +
                     std::to_string(program_->table.pnCategoryIcon[program_->sel.pnSelGroupIndex]),
                 "Speed5");
        step(true);
        for (const char* name : {"Knot", "Mach", "Metre per second"}) {
            answerUnit(QString::fromLatin1(name), QStringLiteral("0.5"));
            e().newUnitAction()->trigger();
            step(true);
        }
        QCOMPARE(rowTexts(), QStringList({"Knot", "Mach", "Metre per second"}));
        clickNode(6); // Constants
        answerUnit(QStringLiteral("Planck constant"), QStringLiteral("6.62607015e-34"));
        e().newUnitAction()->trigger();
        QVERIFY(rowTexts().contains(QStringLiteral("Planck constant")));
        step(true);
        clickRow(0, Qt::LeftButton);
        answerDelete(false);
        e().deleteUnit();
        step(false);
        answerDelete(true);
        e().deleteUnit();
        step(true);
        while (states.size() > 1) {
            states.pop_back();
            e().undoAction()->trigger();
            step(false);
        }
        QCOMPARE(QByteArray::fromStdString(text()), sampleBytes());
        while (e().redoAction()->isEnabled())
            e().redoAction()->trigger();
        const std::string built = text();
        w_->commands()->mSaveTable();
        QCOMPARE(fileBytes(dataPath().toStdString()), QByteArray::fromStdString(built));
        restart();
        QCOMPARE(QString::fromStdString(text()), QString::fromStdString(built));
    }

    void deleteKeyActsInTheListButNotInTheInputBox() {
        clickNode(6);                                  // Length
        QTest::keyClick(w_->treeView(), Qt::Key_Down); // the highlight moves to Area
        std::string asked;
        e().confirmDeletion = [&](const std::string& q) { return asked = q, false; };
        e().deleteItem();
        QCOMPARE(asked, deleteQuestion(true, "Area"));
        e().confirmDeletion = nullptr;
        QTest::keyClick(w_->treeView(), Qt::Key_Home); // the root: no category goes there
        e().categoryDialog = [&](CategoryMode, const CategoryForm&) {
            asked = "category dialog";
            return std::nullopt;
        };
        e().newCategory();
        QCOMPARE(asked, deleteQuestion(true, "Area"));
        clickNode(6);
        const QStringList rows = rowTexts();
        QTableView* list = w_->detailsView();
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        answerDelete(true);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(rowTexts(), rows.mid(1));
        e().undoAction()->trigger();
        QCOMPARE(rowTexts(), rows);
        list->setCurrentIndex(list->model()->index(0, 0));
        QLineEdit* box = w_->inputBox();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        box->setFocus();
        box->setText(QStringLiteral("12"));
        box->setCursorPosition(0);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_F2); // no renaming starts from the box
        QApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text() + "|" + rowTexts().join('|'), "2|" + rows.join('|'));
    }

    void atALimitNoDialogOpens() {
        clickNode(7); // Area, one unit
        const int area = program_->sel.pnSelGroupIndex;
        for (int u = 1; u < kMaxUnitsPerCategory; ++u)
            pInsertListItem(program_->table, {}, area, u);
        program_->table.pnCategoryCount = kMaxCategories;
        bool opened = false;
        e().unitPropertiesDialog = [&](int) { opened = true; };
        e().categoryDialog = [&](CategoryMode, const CategoryForm&) {
            opened = true;
            return std::nullopt;
        };
        e().newUnit();
        e().newCategory();
        QVERIFY(!opened);
        QCOMPARE(prompt_.messages.size(), std::size_t{2});
        QCOMPARE(prompt_.messages[0].text, *unitRefusal(program_->table, area));
        QCOMPARE(prompt_.messages[1].text, *categoryRefusal(program_->table));
    }

    void newUnitGoesAfterTheCurrentRowOrAtTheEnd() {
        clickNode(7);
        clickRow(0, Qt::LeftButton); // a unit of Area
        clickNode(6);                // Length, no row current
        e().unitPropertiesDialog = nullptr;
        e().newUnitAction()->trigger();
        QCOMPARE(rowTexts().last(), QStringLiteral("New unit (Rename it!)"));
    }

    void aRebuiltTreeForgetsTheNodeClickedLast() {
        clickNode(6); // Length
        answerDelete(true);
        e().deleteItem();
        e().undoAction()->trigger();
        clickNode(6);
        e().redoAction()->trigger(); // Area is node 6 now, and selected
        clickNode(6);                // a first click on it renames nothing
        QApplication::processEvents();
        const QLineEdit* editor = w_->treeView()->findChild<QLineEdit*>();
        QVERIFY(!editor || !editor->isVisible());
    }

    void badCategoryNamesChangeNothing() {
        for (const char* typed : {"   ", "a;b", "a\nb", "Mass"}) {
            prompt_.messages.clear();
            answerCategory(QString::fromUtf8(typed), 1, true);
            contextItem(7, m().mnuEditGroupArray[3]); // Properties... of Length
            QCOMPARE(prompt_.messages.size(), std::size_t{1});
            QCOMPARE(QByteArray::fromStdString(text()), sampleBytes());
            QVERIFY(!program_->table.pbTableChanged && !e().undoAction()->isEnabled());
        }
        prompt_.messages.clear();
        e().renameItem(); // renamed in place: the same answer, the old name shows again
        w_->nodeItem(7)->setText(0, QStringLiteral("Mass"));
        QVERIFY(prompt_.messages.size() == 1 &&
                prompt_.messages[0].text.find("'Mass'") != std::string::npos);
        QCOMPARE(w_->nodeItem(7)->text(0) + QString::fromStdString(text()),
                 "Area" + QString::fromLatin1(sampleBytes()));
        clickNode(6); // a unit renamed in place to a name its category has already
        QTableView* list = w_->detailsView();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        list->setFocus();
        list->setCurrentIndex(list->model()->index(2, 0));
        e().renameItem();
        QApplication::processEvents();
        list->model()->setData(list->model()->index(2, 0), QStringLiteral("metre"));
        QVERIFY(prompt_.messages.back().text.find("'metre'") != std::string::npos);
        QCOMPARE(rowTexts()[2] + QString::fromStdString(text()),
                 "inch" + QString::fromLatin1(sampleBytes()));
    }
};

} // namespace qm

QTEST_MAIN(qm::EditTest)
#include "edit_gui_test.moc"
