// The unit list: its three layouts, filling, List and Details views, sorting
// and renaming units in place.
#include "mainwindow/MainWindow.h"

#include "editing/categoryedit.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

namespace qm {

void MainWindow::clearList() {
    building_ = true;
    listModel_->removeRows(0, listModel_->rowCount());
    listClicks_.forget(); // the remembered row named a unit that is gone
    building_ = false;
}

void MainWindow::pUpdateListView(const std::string& categoryName) {
    Program& p = program_;
    guarded([&] {
        progress_.set("PULV01");
        const int16_t k = pMatchGroupIndex(p.table, categoryName);
        if (k < 0) {
            clearList();
            return;
        }
        progress_.set("PULV02");
        clearList();
        building_ = true;
        for (const ListRow& r : listRows(p.table, k, p.settings.SortUnit, sortDescending_)) {
            const int icon = r.icon >= 1 ? (r.icon - 1) % 4 + 1 : 1;
            auto* name =
                new QStandardItem(sharedIcon(QStringLiteral(":/icons/unit%1.svg").arg(icon)),
                                  QString::fromStdString(r.text));
            name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            auto* ratio = new QStandardItem(QString::fromStdString(r.col1));
            auto* offset = new QStandardItem(QString::fromStdString(r.col2));
            ratio->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            offset->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            listModel_->appendRow({name, ratio, offset});
        }
        building_ = false;
        progress_.set("PULV03");
        listList_->doItemsLayout();
        progress_.set("PULV04");
        showSortIndicator();
        applyGridLines();
    });
    building_ = false;
    showUnitMarks();
    showBoxPlaceholders();
}

void MainWindow::pCheckColumnHeaders() {
    Selection& sel = program_.sel;
    guarded([&] {
        progress_.set("PCCH01");
        const int16_t layout = headerLayoutFor(program_.table, program_.pnSelNodeIndex());
        progress_.set("PCCH02");
        if (columnsNeedRebuild(sel, layout)) mChangeColumnHeaders(layout);
        progress_.set("PCCH03");
        sel.pbUnitHeaders = layout == 0;
        progress_.set("PCCH04");
        sel.pnHeaderIndex = layout;
    });
}

void MainWindow::mChangeColumnHeaders(int layout) {
    guarded([&] {
        progress_.set("MCCH01");
        const std::vector<ColumnSpec> cols = prepareColumns(program_.settings, layout);
        progress_.set("MCCH02");
        clearList();
        progress_.set("MCCH03");
        for (int c = 0; c < static_cast<int>(cols.size()); ++c) {
            listModel_->setHorizontalHeaderItem(c, new QStandardItem(QString::fromStdString(
                                                       cols[static_cast<std::size_t>(c)].text)));
            listDetails_->setColumnWidth(c,
                                         toPixelsX(cols[static_cast<std::size_t>(c)].widthTwips));
        }
    });
}

void MainWindow::mSetListView(int n) {
    if (n != 0 && n != 1) return;
    program_.settings.View = n == 0 ? 2 : 3;
    ListView1->setCurrentWidget(n == 0 ? static_cast<QWidget*>(listList_) : listDetails_);
}

void MainWindow::applyGridLines() {
    listDetails_->setShowGrid(program_.settings.ShowGridLines != 0);
}

void MainWindow::showSortIndicator() {
    QHeaderView* header = listDetails_->horizontalHeader();
    header->setSortIndicatorShown(program_.settings.SortUnit);
    header->setSortIndicator(0, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainWindow::listColumnClick(int column) {
    showSortIndicator(); // the header moved its arrow to the clicked column
    if (column != 0) return;
    sortDescending_ = !columnClickAscending_;
    columnClickAscending_ = !columnClickAscending_;
    if (program_.settings.SortUnit) pUpdateListView(program_.sel.psSelGroupName);
}

void MainWindow::listMouseDown(QMouseEvent* e, QWidget* viewport) {
    Program& p = program_;
    guarded([&] {
        progress_.set("LVMD01");
        const QAbstractItemView* view = viewport == listDetails_->viewport()
                                            ? static_cast<QAbstractItemView*>(listDetails_)
                                            : listList_;
        const QModelIndex index = view->indexAt(e->position().toPoint());
        mItemX = index.isValid();
        if (e->button() == Qt::LeftButton)
            listClicks_.press(mItemX ? index.row() + 1 : 0, static_cast<long long>(e->timestamp()),
                              mItemX && view->currentIndex().row() == index.row());
        if (!mItemX) {
            mnuEditCopyArray[2]->setEnabled(false);
            return;
        }
        progress_.set("LVMD02");
        p.sel.pnSelListIndex = static_cast<int16_t>(index.row());
        p.sel.psSelUnitName = listRowText(index.row()).toStdString();
        p.sel.pnSelUnitIndex = pMatchUnitIndex(p.table, p.sel.pnSelGroupIndex, p.sel.psSelUnitName);
        mnuEditCopyArray[2]->setEnabled(true);
    });
}

void MainWindow::listMouseUp(QMouseEvent* e) {
    Program& p = program_;
    guarded([&] {
        progress_.set("LVMU01");
        if (!mItemX || e->button() == Qt::NoButton) return; // NoButton: the menu key
        const int row = p.sel.pnSelListIndex;
        if (e->button() == Qt::LeftButton)
            listItemClick(row, listClicks_.release(row + 1, static_cast<long long>(e->timestamp()),
                                                   QApplication::doubleClickInterval()));
        if (!unitsSelectable(p.table, p.pnSelNodeIndex())) return;
        progress_.set("LVMU02");
        if (e->button() == Qt::LeftButton)
            chooseUnit(false, p.sel.pnSelUnitIndex, listRowText(row));
        else if (e->button() == Qt::RightButton)
            chooseUnit(true, p.sel.pnSelUnitIndex, listRowText(row));
        progress_.set("LVMU03");
        convertIfReady();
        txtInput->setFocus();
    });
}

void MainWindow::listItemClick(int row, bool secondClick) {
    Program& p = program_;
    progress_.set("LVIC01");
    treeClicks_.forget();
    progress_.set("LVIC03");
    if (p.settings.Modify != 0 && secondClick) {
        editUnitCategory_ = p.sel.pnSelGroupIndex;
        editUnit_ = p.sel.pnSelUnitIndex;
        const QModelIndex index = listModel_->index(row, 0);
        QAbstractItemView* view = ListView1->currentWidget() == listList_
                                      ? static_cast<QAbstractItemView*>(listList_)
                                      : listDetails_;
        // Editing starts once the click has been handled (the focus moves first).
        QTimer::singleShot(0, this, [this, view, index] {
            if (!index.isValid()) return;
            listEditing_ = true;
            view->edit(index);
        });
    }
    progress_.set("LVIC05");
}

void MainWindow::listItemChanged(QStandardItem* item) {
    if (building_ || !listEditing_ || item->column() != 0) return;
    listEditing_ = false;
    const std::string text = item->text().toStdString();
    const int16_t c = editUnitCategory_;
    const int16_t u = editUnit_;
    std::string before;
    const EditResult done = applyTableEdit(
        "Rename Unit",
        [&](ConversionTable& t) {
            EditResult r;
            r.refreshViews = false; // the row shows the new name already
            if (c >= 0 && c <= kMaxSlot && u >= 1 && u <= t.unitDim()) {
                before = t.unit(c, u).Name;
                if (before == text) return r;
                // A name another unit bears would choose that one instead.
                if (auto why = unitNameProblem(t, c, u, text)) {
                    r.message = *why;
                    return r;
                }
            }
            renameUnit(program_, c, u, text);
            r.done = true;
            return r;
        },
        c);
    if (!done.done && !done.message.empty()) {
        item->setText(QString::fromStdString(before));
        return;
    }
    pClearConversion();
}

bool MainWindow::listKeyPress(QKeyEvent* e) {
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) return false;
    Program& p = program_;
    guarded([&] {
        progress_.set("LVKD01");
        if (!unitsSelectable(p.table, p.pnSelNodeIndex())) return;
        const QModelIndex current = listDetails_->selectionModel()->currentIndex();
        if (!current.isValid()) return;
        const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
        const QString text = listRowText(current.row());
        progress_.set("LVKD02");
        if (mods == Qt::NoModifier) {
            mnuEditCopyArray[2]->setEnabled(true);
            p.sel.pnSelUnitIndex =
                pMatchUnitIndex(p.table, p.sel.pnSelGroupIndex, text.toStdString());
            chooseUnit(false, p.sel.pnSelUnitIndex, QString());
        } else if (mods == Qt::ShiftModifier) {
            p.sel.pnSelUnitIndex =
                pMatchUnitIndex(p.table, p.sel.pnSelGroupIndex, text.toStdString());
            chooseUnit(true, p.sel.pnSelUnitIndex, QString());
            txtInput->setFocus();
            txtInput->setCursorPosition(0);
        }
        progress_.set("LVKD03");
        convertIfReady();
    });
    return true;
}

} // namespace qm
