// The category tree: building it, selecting nodes, arranging and renaming.
#include "mainwindow/MainWindow.h"

#include "editing/categoryedit.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeWidget>

namespace qm {

QIcon sharedIcon(const QString& path) {
    // Made once and shared: a picture drawn from SVG is costly to load again
    // for each of the hundreds of nodes and rows a rebuild makes. Kept to the
    // end of the program.
    static auto* icons = new QHash<QString, QIcon>;
    auto it = icons->find(path);
    if (it == icons->end()) it = icons->insert(path, QIcon(path));
    return *it;
}

namespace {

QIcon treeImage(const TreeNode& n) {
    if (n.kind != NodeKind::Category)
        return sharedIcon(n.expanded ? QStringLiteral(":/icons/folder_open.svg")
                                     : QStringLiteral(":/icons/folder_closed.svg"));
    const int icon = n.image >= 1 ? (n.image - 1) % 4 + 1 : 1;
    return sharedIcon(QStringLiteral(":/icons/category%1.svg").arg(icon));
}

} // namespace

void MainWindow::pUpdateTreeView() {
    Program& p = program_;
    guarded([&] {
        progress_.set("PUTV01");
        building_ = true;
        TreeView1->clear();
        nodeItems_.clear();
        treeClicks_.forget(); // the node clicked last may now be another one
        progress_.set("PUTV02");
        treeNodes_ = buildTreeNodes(p.table, p.settings.psRootNodeText);
        nodeItems_.assign(treeNodes_.size(), nullptr);
        progress_.set("PUTV03");
        // Items are created in node order so the vector keeps insertion order;
        // they are placed under their parents in display order.
        for (const TreeNode& n : treeNodes_) {
            auto* item = new QTreeWidgetItem();
            item->setText(0, QString::fromStdString(n.text));
            item->setIcon(0, treeImage(n));
            item->setData(0, Qt::UserRole, n.index);
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            nodeItems_[static_cast<std::size_t>(n.index - 1)] = item;
        }
        progress_.set("PUTV04");
        TreeView1->addTopLevelItem(nodeItems_[0]);
        for (const TreeNode& parent : treeNodes_) {
            for (int child : childrenInDisplayOrder(treeNodes_, parent.index, p.settings.SortGroup))
                nodeItems_[static_cast<std::size_t>(parent.index - 1)]->addChild(
                    nodeItems_[static_cast<std::size_t>(child - 1)]);
        }
        progress_.set("PUTV05");
        for (const TreeNode& n : treeNodes_)
            if (n.kind == NodeKind::Group)
                nodeItems_[static_cast<std::size_t>(n.index - 1)]->setExpanded(n.expanded);
        nodeItems_[0]->setExpanded(true);
        building_ = false;
    });
    building_ = false;
}

void MainWindow::mPreserveTreeNodeStatus() {
    ConversionTable& t = program_.table;
    for (int g = 1; g <= t.pnCatGroupCount && g <= kMaxSlot; ++g) {
        const QTreeWidgetItem* item = nodeItem(groupNode(g));
        if (item) t.pnCatGroupExpanded[g] = item->isExpanded() ? 1 : 0;
    }
}

void MainWindow::pUpdateCaption() {
    const Program& p = program_;
    setWindowTitle(QString::fromStdString(
        captionFor(p.psAppTitle, p.table, p.pnSelNodeIndex(), p.sel.psSelGroupName)));
}

void MainWindow::restoreSelectionAtStart() {
    Program& p = program_;
    progress_.set("FMFL26A");
    const RestoredSelection r = restoreSelection(p.table, treeNodes_, p.pnSelNodeIndex());
    if (p.pnSelNodeIndex() > 1) {
        if (QTreeWidgetItem* item = nodeItem(r.highlightNode)) {
            TreeView1->setCurrentItem(item);
            TreeView1->scrollToItem(item);
        }
    }
    progress_.set("FMFL27");
    if (!r.categoryName) return;
    progress_.set("FMFL28");
    p.sel.psSelGroupName = *r.categoryName;
    pUpdateCaption();
    progress_.set("FMFL29");
    p.sel.pnSelGroupIndex = pMatchGroupIndex(p.table, p.sel.psSelGroupName);
    progress_.set("FMFL30");
    pUpdateListView(p.sel.psSelGroupName);
    p.sel.pnLastGroupIndex = p.sel.pnSelGroupIndex;
}

void MainWindow::saveColumnWidths() {
    Settings& s = program_.settings;
    const int layout = program_.sel.pnHeaderIndex;
    if (layout < 0 || layout >= kHeaderLayoutCount ||
        listModel_->columnCount() < kHeaderColumnCount)
        return;
    for (int c = 0; c < kHeaderColumnCount; ++c)
        s.HeaderWidth[static_cast<std::size_t>(layout)][static_cast<std::size_t>(c)] =
            toTwipsX(listDetails_->columnWidth(c));
}

void MainWindow::selectNode(int node) {
    Program& p = program_;
    guarded([&] {
        progress_.set("TVMD05");
        QTreeWidgetItem* item = nodeItem(node);
        if (!item) return;
        progress_.set("TVMD06");
        p.pnSelNodeIndex() = static_cast<int16_t>(node);
        p.sel.psSelGroupName = item->text(0).toStdString();
        TreeView1->setCurrentItem(item);
        progress_.set("TVMD08");
        pCheckColumnHeaders();
        progress_.set("TVMD09");
        p.sel.pnSelGroupIndex = pMatchGroupIndex(p.table, p.sel.psSelGroupName);
        progress_.set("TVMD10");
        if (p.sel.pnSelGroupIndex != p.sel.pnLastGroupIndex || listModel_->rowCount() == 0) {
            clearList();
            pUpdateListView(p.sel.psSelGroupName);
            pUpdateCaption();
            pClearConversion();
        }
        progress_.set("TVMD11");
        p.sel.pnLastGroupIndex = p.sel.pnSelGroupIndex;
    });
}

void MainWindow::treeMouseDown(QMouseEvent* e) {
    guarded([&] {
        progress_.set("TVMD01");
        mPreserveTreeNodeStatus();
        progress_.set("TVMD02");
        saveColumnWidths();
        progress_.set("TVMD04");
        QTreeWidgetItem* item = TreeView1->itemAt(e->position().toPoint());
        pressedNode_ = nodeIndexOf(item);
        if (e->button() == Qt::LeftButton)
            treeClicks_.press(pressedNode_, static_cast<long long>(e->timestamp()),
                              item && item == TreeView1->currentItem());
        if (!item) return;
        selectNode(pressedNode_);
    });
}

void MainWindow::treeMouseUp(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int node = nodeIndexOf(TreeView1->itemAt(e->position().toPoint()));
    const bool edit = treeClicks_.release(node, static_cast<long long>(e->timestamp()),
                                          QApplication::doubleClickInterval());
    if (node != 0 && node == pressedNode_) treeNodeClick(node, edit);
}

void MainWindow::treeNodeClick(int node, bool secondClick) {
    Program& p = program_;
    guarded([&] {
        progress_.set("TVNC01");
        listClicks_.forget();
        progress_.set("TVNC03");
        if (p.settings.Modify != 0 && node != 1 && secondClick && !building_) {
            progress_.set("TVNC04");
            editNode_ = node;
            editCategory_ = p.sel.pnSelGroupIndex;
            TreeView1->editItem(nodeItem(node), 0);
        }
        progress_.set("TVNC06");
    });
}

void MainWindow::treeItemChanged(QTreeWidgetItem* item, int column) {
    if (building_ || column != 0 || editNode_ == 0 || nodeIndexOf(item) != editNode_) return;
    const int node = editNode_;
    editNode_ = 0;
    const std::string text = item->text(0).toStdString();
    const bool group = isGroupNode(program_.table, node);
    std::optional<std::string> caption;
    std::string before;
    const EditResult done = applyTableEdit(
        group ? "Rename Group" : "Rename Category",
        [&](ConversionTable& t) {
            EditResult r;
            r.refreshViews = false; // the item shows the new name already
            const int c = editCategory_;
            if (!group && (c < 0 || c > kMaxSlot)) return r;
            before = group ? t.psCatGroupName[node - 1] : t.psCategoryName[c];
            if (before == text) return r;
            // A name another category bears would select that one instead.
            if (auto why = group ? groupNameProblem(text) : categoryNameProblem(t, text, c)) {
                r.message = *why;
                return r;
            }
            caption = renameTreeNode(program_, node, editCategory_, text);
            r.done = true;
            return r;
        },
        kNoUnits);
    if (!done.done && !done.message.empty()) item->setText(0, QString::fromStdString(before));
    if (caption) setWindowTitle(QString::fromStdString(*caption));
}

bool MainWindow::treeKeyPress(QKeyEvent* e) {
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) return false;
    Program& p = program_;
    guarded([&] {
        progress_.set("TVKP01");
        QTreeWidgetItem* item = TreeView1->currentItem();
        if (!item) return;
        progress_.set("TVKP02");
        p.pnSelNodeIndex() = static_cast<int16_t>(nodeIndexOf(item));
        p.sel.psSelGroupName = item->text(0).toStdString();
        p.sel.pnSelGroupIndex = pMatchGroupIndex(p.table, p.sel.psSelGroupName);
        progress_.set("TVKP04");
        pCheckColumnHeaders();
        progress_.set("TVKP05");
        if (p.sel.pnSelGroupIndex != p.sel.pnLastGroupIndex || listModel_->rowCount() == 0) {
            clearList();
            pUpdateListView(p.sel.psSelGroupName);
            if (listModel_->rowCount() > 0) listDetails_->selectRow(0);
            pUpdateCaption();
            pClearConversion();
        }
        progress_.set("TVKP09");
        p.sel.pnLastGroupIndex = p.sel.pnSelGroupIndex;
    });
    return true;
}

void MainWindow::mChangeSortType(int n) {
    Program& p = program_;
    Settings& s = p.settings;
    guarded([&] {
        progress_.set("MCST00");
        if (n == 1) {
            progress_.set("MCST01");
            s.SortUnit = !s.SortUnit;
            clearList();
            pUpdateListView(p.sel.psSelGroupName);
        } else if (n == 0) {
            progress_.set("MCST02");
            mPreserveTreeNodeStatus();
            s.SortGroup = !s.SortGroup;
            pUpdateTreeView();
            progress_.set("MCST03");
            if (QTreeWidgetItem* item = nodeItem(p.pnSelNodeIndex())) {
                TreeView1->setCurrentItem(item);
                TreeView1->scrollToItem(item);
            }
            progress_.set("MCST04");
            pUpdateCaption();
        }
    });
}

} // namespace qm
