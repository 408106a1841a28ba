#include "editing/MainWindowEdit.h"

#include "editing/CategoryDialog.h"
#include "editing/ConfirmDeleteDialog.h"
#include "editing/UnitPropertiesDialog.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"
#include "mainwindow/editmenustate.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>

namespace qm {

// ---- The one way a change reaches the table ----

EditResult MainWindow::applyTableEdit(const std::string& label, const TableEdit& edit,
                                      int unitsOf) {
    Program& p = program_;
    mPreserveTreeNodeStatus();
    TableSnapshot before = snapshotOf(p.table, unitsOf);
    const std::string tree = treeSignature(p.table);
    EditResult r;
    try {
        progress_.set("APTE01");
        r = edit(p.table);
    } catch (const std::exception&) {
        restoreSnapshot(p.table, std::move(before)); // a failed change leaves the table as it was
        prompt_.reportError(progress_.label());
        return EditResult{};
    }
    if (!r.done) {
        if (!r.message.empty())
            prompt_.message(r.message, kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
        if (QTreeWidgetItem* item = nodeItem(r.node)) TreeView1->setCurrentItem(item);
        return r;
    }
    p.editHistory.record(label, std::move(before), p.table);
    if (r.refreshViews) refreshAfterEdit(r.node, r.unit, treeSignature(p.table) != tree);
    if (edit_) edit_->updateActions();
    return r;
}

bool MainWindow::undoTableEdit() {
    return stepTableEdits(&EditHistory::undo);
}

bool MainWindow::redoTableEdit() {
    return stepTableEdits(&EditHistory::redo);
}

bool MainWindow::stepTableEdits(bool (EditHistory::*step)(ConversionTable&)) {
    mPreserveTreeNodeStatus();
    const std::string tree = treeSignature(program_.table);
    if (!(program_.editHistory.*step)(program_.table)) return false;
    refreshAfterEdit(0, 0, treeSignature(program_.table) != tree);
    if (edit_) edit_->updateActions();
    return true;
}

void MainWindow::refreshAfterEdit(int node, int unit, bool treeChanged) {
    Program& p = program_;
    const int wanted = node > 0 ? node : p.pnSelNodeIndex();
    if (treeChanged) pUpdateTreeView();
    const int target = nodeItem(wanted) ? wanted : 1;
    p.sel.pnLastGroupIndex = -2; // the list is filled again
    selectNode(target);
    if (QTreeWidgetItem* item = nodeItem(target)) TreeView1->scrollToItem(item);
    if (unit > 0) selectUnitRow(unit);
}

void MainWindow::selectUnitRow(int unit) {
    Program& p = program_;
    const int c = p.sel.pnSelGroupIndex;
    if (c < 1 || c > kMaxSlot || unit < 1 || unit > p.table.pnUnitCount[c]) return;
    const QString name = QString::fromStdString(p.table.unit(c, unit).Name);
    for (int row = 0; row < listModel_->rowCount(); ++row) {
        if (listRowText(row) != name) continue;
        const QModelIndex index = listModel_->index(row, 0);
        listDetails_->setCurrentIndex(index);
        listDetails_->scrollTo(index);
        p.sel.pnSelListIndex = static_cast<int16_t>(row);
        p.sel.psSelUnitName = name.toStdString();
        p.sel.pnSelUnitIndex =
            pMatchUnitIndex(p.table, static_cast<int16_t>(c), p.sel.psSelUnitName);
        mnuEditCopyArray[2]->setEnabled(true);
        return;
    }
}

// ---- The commands ----

MainWindowEdit::MainWindowEdit(MainWindow& w) : QObject(&w), w_(w) {
    buildEditMenu();
    WindowCommandHooks& h = w_.commands()->hooks;
    h.editCategory = [this](int i) { editCategoryClick(i); };
    h.editGroup = [this](int i) { editGroupClick(i); };
    h.editUnit = [this](int i) { editUnitClick(i); };
    unitPropertiesDialog = [this](int mode) { runUnitDialog(mode); };
    connect(w_.commands()->refreshTimer(), &QTimer::timeout, this, &MainWindowEdit::updateActions);
    updateActions();
}

void MainWindowEdit::buildEditMenu() {
    QMenu* menu = w_.commands()->menus.mnuEdit;
    QAction* first = menu->actions().value(0);
    const auto add = [&](const char* caption, void (MainWindowEdit::*slot)()) {
        auto* a = new QAction(QString::fromUtf8(caption), this);
        menu->insertAction(first, a);
        a->setShortcutContext(Qt::WindowShortcut);
        w_.addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    undo_ = add("&Undo", &MainWindowEdit::undo);
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = add("&Redo", &MainWindowEdit::redo);
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu->insertSeparator(first);
    newGroup_ = add("New &Group", &MainWindowEdit::newGroup);
    newCategory_ = add("New Ca&tegory...", &MainWindowEdit::newCategory);
    newUnit_ = add("New &Unit...", &MainWindowEdit::newUnitAfterCurrentRow);
    menu->insertSeparator(first);
    buildItemCommands(first);
    menu->insertSeparator(first);
    connect(menu, &QMenu::aboutToShow, this, &MainWindowEdit::updateActions);
}

void MainWindowEdit::buildItemCommands(QAction* before) {
    QMenu* menu = w_.commands()->menus.mnuEdit;
    const auto add = [&](const char* caption, QKeySequence key, void (MainWindowEdit::*slot)()) {
        auto* a = new QAction(QString::fromUtf8(caption), this);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        menu->insertAction(before, a);
        for (QWidget* view :
             {static_cast<QWidget*>(w_.TreeView1), static_cast<QWidget*>(w_.listDetails_),
              static_cast<QWidget*>(w_.listList_)})
            view->addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    delete_ = add("&Delete", QKeySequence(Qt::Key_Delete), &MainWindowEdit::deleteItem);
    rename_ = add("Rena&me", QKeySequence(Qt::Key_F2), &MainWindowEdit::renameItem);
    properties_ = add("Propert&ies...", QKeySequence(Qt::ALT | Qt::Key_Return),
                      &MainWindowEdit::itemProperties);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(w_.listDetails_),
                                    static_cast<QAbstractItemView*>(w_.listList_)})
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                &MainWindowEdit::updateActions);
}

void MainWindowEdit::focusChanged(QWidget* now) {
    if (!now) return;
    if (w_.TreeView1->isAncestorOf(now) || now == w_.TreeView1)
        listActs_ = false;
    else if (w_.ListView1->isAncestorOf(now))
        listActs_ = true;
    else
        return;
    updateActions();
}

int MainWindowEdit::listUnit() const {
    return listActs_ ? currentRowUnit() : -1;
}

int MainWindowEdit::currentRowUnit() const {
    const Program& p = w_.program();
    const auto* view = qobject_cast<const QAbstractItemView*>(w_.ListView1->currentWidget());
    const QModelIndex current = view ? view->currentIndex() : QModelIndex();
    const int c = p.sel.pnSelGroupIndex;
    if (!current.isValid() || c < 1 || c > kMaxSlot) return 0;
    return pMatchUnitIndex(p.table, static_cast<int16_t>(c),
                           w_.listRowText(current.row()).toStdString());
}

void MainWindowEdit::selectListUnit() {
    Program& p = w_.program();
    const auto* view = qobject_cast<const QAbstractItemView*>(w_.ListView1->currentWidget());
    p.sel.pnSelUnitIndex = static_cast<int16_t>(listUnit());
    if (view) p.sel.pnSelListIndex = static_cast<int16_t>(view->currentIndex().row());
}

void MainWindowEdit::followTreeHighlight() {
    if (listActs_) return;
    // The arrow keys move the tree's highlight without selecting: the
    // command acts on the node the user sees highlighted.
    const int node = w_.nodeIndexOf(w_.TreeView1->currentItem());
    if (node >= 1 && node != w_.program().pnSelNodeIndex()) w_.selectNode(node);
}

void MainWindowEdit::deleteItem() {
    followTreeHighlight();
    updateActions();
    if (!delete_->isEnabled()) return;
    if (listUnit() < 0) return deleteNode();
    selectListUnit();
    deleteUnit();
}

void MainWindowEdit::renameItem() {
    followTreeHighlight();
    updateActions();
    if (!rename_->isEnabled()) return;
    if (listUnit() < 0) return w_.treeNodeClick(w_.program().pnSelNodeIndex(), true);
    selectListUnit();
    w_.listItemClick(w_.program().sel.pnSelListIndex, true);
}

void MainWindowEdit::itemProperties() {
    followTreeHighlight();
    updateActions();
    if (!properties_->isEnabled()) return;
    if (listUnit() < 0) return categoryProperties(CategoryMode::Edit);
    selectListUnit();
    unitProperties();
}

void MainWindowEdit::updateActions() {
    const Program& p = w_.program();
    const EditMenuState s = editMenuState(p.table, p.editHistory, p.pnSelNodeIndex(),
                                          p.settings.Modify != 0, listUnit());
    undo_->setEnabled(s.undo);
    undo_->setText(QString::fromStdString(s.undoCaption));
    redo_->setEnabled(s.redo);
    redo_->setText(QString::fromStdString(s.redoCaption));
    newGroup_->setEnabled(s.newGroup);
    newCategory_->setEnabled(s.newCategory);
    newUnit_->setEnabled(s.newUnit);
    newUnit_->setText(QString::fromStdString(s.newUnitCaption));
    delete_->setEnabled(s.deleteItem);
    rename_->setEnabled(s.renameItem);
    properties_->setEnabled(s.properties);
}

void MainWindowEdit::editCategoryClick(int i) {
    if (i == 0 && w_.program().pnSelNodeIndex() == 1)
        newGroup();
    else if (i == 0)
        categoryProperties(CategoryMode::Add);
    else if (i == 2)
        deleteNode();
}

void MainWindowEdit::editGroupClick(int i) {
    if (i == 0) categoryProperties(CategoryMode::Insert);
    if (i == 1) deleteNode();
    if (i == 3) categoryProperties(CategoryMode::Edit);
}

void MainWindowEdit::editUnitClick(int i) {
    if (i == 2) newUnit();
    if (i == 3) deleteUnit();
    if (i == 5) unitProperties();
}

void MainWindowEdit::undo() {
    if (w_.program().settings.Modify != 0) w_.undoTableEdit();
}

void MainWindowEdit::redo() {
    if (w_.program().settings.Modify != 0) w_.redoTableEdit();
}

void MainWindowEdit::newGroup() {
    if (w_.program().settings.Modify == 0) return;
    const EditResult r = w_.applyTableEdit(
        "New Group",
        [](ConversionTable& t) {
            t.psNewItemName = kNewGroupName;
            return pCreateTreeItem(t, 1);
        },
        kNoUnits);
    if (r.done) w_.prompt_.showHint(4);
}

void MainWindowEdit::newCategory() {
    followTreeHighlight();
    const ConversionTable& t = w_.program().table;
    const int node = w_.program().pnSelNodeIndex();
    if (!isGroupNode(t, node) && !isOrdinaryCategoryNode(t, node)) return; // the root highlighted
    categoryProperties(isGroupNode(t, node) ? CategoryMode::Add : CategoryMode::Insert);
}

void MainWindowEdit::categoryProperties(CategoryMode mode) {
    Program& p = w_.program();
    if (p.settings.Modify == 0) return;
    const int node = p.pnSelNodeIndex();
    const int self = mode == CategoryMode::Edit ? categoryOfNode(p.table, node) : -1;
    if (mode != CategoryMode::Edit && refusedAtOnce(categoryRefusal(p.table))) return;
    const CategoryForm shown = categoryFormFor(p.table, mode, self);
    const std::optional<CategoryForm> form =
        categoryDialog ? categoryDialog(mode, shown)
                       : CategoryDialog::ask(&w_, p.table, self, shown, w_.prompt_,
                                             QString::fromStdString(p.programFolder));
    if (!form) return;
    const char* label = mode == CategoryMode::Edit     ? "Category Properties"
                        : mode == CategoryMode::Insert ? "Insert Category"
                                                       : "New Category";
    // A new category's units start empty in the slot it takes.
    const int column = mode == CategoryMode::Edit || p.table.pnCategoryCount >= kMaxSlot
                           ? kNoUnits
                           : p.table.pnCategoryCount + 1;
    w_.applyTableEdit(
        label, [&](ConversionTable& t) { return applyCategoryForm(t, mode, node, *form); }, column);
}

bool MainWindowEdit::refusedAtOnce(const std::optional<std::string>& why) {
    // Told before the dialog opens, not after the user has filled it in.
    if (why) w_.prompt_.message(*why, kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
    return why.has_value();
}

bool MainWindowEdit::confirm(const std::string& question) {
    return confirmDeletion ? confirmDeletion(question) : ConfirmDeleteDialog::ask(&w_, question);
}

void MainWindowEdit::deleteNode() {
    Program& p = w_.program();
    const int node = p.pnSelNodeIndex();
    if (p.settings.Modify == 0 || node < 1) return;
    if (!confirm(deleteQuestion(true, p.sel.psSelGroupName))) return;
    w_.applyTableEdit(
        deleteNodeLabel(p.table, node),
        [node](ConversionTable& t) { return pDeleteTreeItem(t, node); }, kNoUnits);
}

void MainWindowEdit::deleteUnit() {
    Program& p = w_.program();
    const int c = p.sel.pnSelGroupIndex;
    const int u = p.sel.pnSelUnitIndex;
    if (p.settings.Modify == 0 || c < 1 || c > kMaxSlot || u < 1 || u > p.table.pnUnitCount[c])
        return;
    if (!confirm(deleteQuestion(false, p.table.unit(c, u).Name))) return;
    const bool constant = p.pnSelNodeIndex() == constantsNode(p.table);
    w_.applyTableEdit(
        constant ? "Delete Constant" : "Delete Unit",
        [c, u](ConversionTable& t) { return pDeleteListItem(t, c, u); }, c);
}

void MainWindowEdit::stageUnit(bool insert) {
    Program& p = w_.program();
    ConversionTable& t = p.table;
    const bool constant = p.pnSelNodeIndex() == constantsNode(t);
    if (insert) {
        t.ptNewUnit = newUnitRecord(constant);
        return;
    }
    t.ptNewUnit = t.unit(p.sel.pnSelGroupIndex, p.sel.pnSelUnitIndex);
}

void MainWindowEdit::runUnitDialog(int mode) {
    Program& p = w_.program();
    const ConversionTable& t = p.table;
    const int node = p.pnSelNodeIndex();
    const int c = categoryOfNode(t, node);
    const int u = p.sel.pnSelUnitIndex;
    const bool constant = node == constantsNode(t);
    UnitDialogRequest request;
    request.kind = constant ? UnitDialogKind::Constant : UnitDialogKind::Unit;
    request.pnPropMode = static_cast<int16_t>(mode);
    request.numberSystem = node == numberSystemNode(t);
    request.record = t.ptNewUnit;
    request.categoryName = p.sel.psSelGroupName;
    for (int v = 1; c >= 1 && v <= t.pnUnitCount[c]; ++v)
        if (mode == 1 || v != u) request.otherNames.push_back(t.unit(c, v).Name);
    request.decimal = p.decimal;
    request.programFolder = p.programFolder;
    const std::optional<UnitRecord> record = runUnitPropertiesDialog(&w_, request, &w_.prompt_);
    if (!record) return;
    if (mode == 1) {
        w_.applyTableEdit(
            constant ? "Insert Constant" : "Insert Unit",
            [&](ConversionTable& x) { return pInsertListItem(x, *record, c, u); }, c);
        return;
    }
    w_.applyTableEdit(
        constant ? "Constant Properties" : "Unit Properties",
        [&](ConversionTable& x) {
            EditResult r;
            if (c < 1 || u < 1 || u > x.pnUnitCount[c] || x.unit(c, u) == *record) return r;
            x.unit(c, u) = *record;
            x.pbTableChanged = true;
            return EditResult{true, {}, 0, u, true};
        },
        c);
}

void MainWindowEdit::newUnit() {
    Program& p = w_.program();
    const int node = p.pnSelNodeIndex();
    if (p.settings.Modify == 0 || categoryOfNode(p.table, node) < 1 ||
        node == numberSystemNode(p.table))
        return;
    if (refusedAtOnce(unitRefusal(p.table, categoryOfNode(p.table, node)))) return;
    stageUnit(true);
    if (unitPropertiesDialog)
        unitPropertiesDialog(1);
    else
        insertStagedUnit();
}

void MainWindowEdit::newUnitAfterCurrentRow() {
    // Not after the unit clicked last: it may be one of another category.
    Program& p = w_.program();
    const int c = categoryOfNode(p.table, p.pnSelNodeIndex());
    if (c < 0 || c > kMaxSlot) return;
    const int u = currentRowUnit();
    p.sel.pnSelUnitIndex = static_cast<int16_t>(u > 0 ? u : p.table.pnUnitCount[c]);
    newUnit();
}

void MainWindowEdit::insertStagedUnit() {
    Program& p = w_.program();
    const int c = categoryOfNode(p.table, p.pnSelNodeIndex());
    const int after = p.sel.pnSelUnitIndex;
    const bool constant = p.pnSelNodeIndex() == constantsNode(p.table);
    w_.applyTableEdit(
        constant ? "Insert Constant" : "Insert Unit",
        [c, after](ConversionTable& t) { return pInsertListItem(t, t.ptNewUnit, c, after); }, c);
}

void MainWindowEdit::unitProperties() {
    Program& p = w_.program();
    const int c = p.sel.pnSelGroupIndex;
    const int u = p.sel.pnSelUnitIndex;
    if (p.settings.Modify == 0 || !unitPropertiesDialog || c < 1 || c > kMaxSlot || u < 1 ||
        u > p.table.pnUnitCount[c])
        return;
    stageUnit(false);
    unitPropertiesDialog(0);
}

} // namespace qm
