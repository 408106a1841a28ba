// Dragging in the main window (see MainWindowDrag.h). The drag is the
// window's own: the view that got the press keeps the mouse until the button
// is released, so the place under the cursor is looked up at every move.
#include "mainwindow/MainWindowDrag.h"

#include "editing/itemops.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>
#include <utility>

namespace qm {

MainWindowDrag::MainWindowDrag(MainWindow& w) : QObject(&w), w_(w) {
    tmrWatch = new QTimer(this);
    tmrWatch->setObjectName(QStringLiteral("tmrWatch"));
    tmrWatch->setInterval(kWatchInterval);
    connect(tmrWatch, &QTimer::timeout, this, &MainWindowDrag::watchTick);
    tmrScroll = new QTimer(this);
    tmrScroll->setObjectName(QStringLiteral("tmrScroll"));
    connect(tmrScroll, &QTimer::timeout, this, &MainWindowDrag::scrollTick);

    icon_ = new QLabel(&w, Qt::ToolTip | Qt::FramelessWindowHint);
    icon_->setObjectName(QStringLiteral("imgDrag"));
    icon_->setAttribute(Qt::WA_TransparentForMouseEvents);
    icon_->setAttribute(Qt::WA_ShowWithoutActivating);
    icon_->setFrameShape(QFrame::Box);
    icon_->setAlignment(Qt::AlignCenter);
    icon_->setStyleSheet(QStringLiteral("background: white; color: gray;"));
    icon_->setFixedSize(36, 36);

    for (QWidget* v :
         {w_.TreeView1->viewport(), w_.listDetails_->viewport(), w_.listList_->viewport()})
        v->installEventFilter(this);
    connect(w_.TreeView1, &QTreeWidget::itemCollapsed, this, [this] {
        if (kind_ == DragKind::Category) cancel();
    });
}

void MainWindowDrag::mStopTimers() {
    tmrWatch->stop();
    tmrScroll->stop();
    watch_.direction = 0;
    watch_.watchTicks = 0;
    scrollPos_ = 0;
}

bool MainWindowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.TreeView1->viewport() || watched == w_.listDetails_->viewport() ||
        watched == w_.listList_->viewport())
        return viewportEvent(static_cast<QWidget*>(watched), event);
    // The whole program's keys while dragging: Escape ends the drag.
    if (kind_ != DragKind::None && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    return false;
}

bool MainWindowDrag::viewportEvent(QWidget* viewport, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (kind_ != DragKind::None) return true; // another button during a drag
        if (e->button() == Qt::LeftButton) {
            ended_ = false;
            pressViewport_ = viewport;
            pressPos_ = e->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (viewport != w_.TreeView1->viewport()) listDragArmed_ = false;
        return false;
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (!(e->buttons() & Qt::LeftButton) || viewport != pressViewport_) return false;
        if (ended_) return true; // a drag ended early starts again only with a new press
        if (kind_ != DragKind::None) {
            lastGlobal_ = e->globalPosition().toPoint();
            over(lastGlobal_, true);
            return true;
        }
        if (!mayStart(viewport)) return false;
        // Held on a row or a category: the button drags, it does not sweep a selection.
        if ((e->position().toPoint() - pressPos_).manhattanLength() >=
            QApplication::startDragDistance()) {
            begin(viewport == w_.TreeView1->viewport() ? DragKind::Category : DragKind::Unit);
            lastGlobal_ = e->globalPosition().toPoint();
            over(lastGlobal_, true);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton) return kind_ != DragKind::None;
        pressViewport_ = nullptr;
        if (viewport != w_.TreeView1->viewport()) listDragArmed_ = true;
        if (std::exchange(ended_, false)) return true;
        if (kind_ == DragKind::None) return false;
        drop(e->globalPosition().toPoint());
        return true;
    }
    default:
        return false;
    }
}

bool MainWindowDrag::mayStart(QWidget* viewport) const {
    const Program& p = w_.program_;
    if (viewport == w_.TreeView1->viewport())
        return canStartTreeDrag(p.table, p.pnSelNodeIndex(), p.settings.Modify) &&
               w_.nodeIndexOf(w_.TreeView1->itemAt(pressPos_)) == p.pnSelNodeIndex();
    return listDragArmed_ && w_.mItemX;
}

void MainWindowDrag::begin(DragKind kind) {
    const Program& p = w_.program_;
    kind_ = kind;
    sourceNode_ = p.pnSelNodeIndex();
    watch_ = {};
    tmrScroll->setInterval(p.settings.ScrollTimerInterval);
    tmrWatch->start();
    scrollMargin_ = static_cast<int>(std::lround(1.25 * QFontMetrics(w_.font()).height()));
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

DragSituation MainWindowDrag::situation() const {
    const Program& p = w_.program_;
    return {kind_, p.pnSelNodeIndex() == constantsNode(p.table), p.settings.Modify != 0,
            p.settings.SortUnit, p.settings.SortGroup};
}

DropPlace MainWindowDrag::placeAt(const QPoint& global, QPoint* local) const {
    for (QWidget* wd = QApplication::widgetAt(global); wd; wd = wd->parentWidget()) {
        if (wd == w_.txtInput) return DropPlace::InputBox;
        if (wd == w_.txtOutput) return DropPlace::OutputBox;
        QWidget* list = w_.ListView1->currentWidget() == w_.listList_ ? w_.listList_->viewport()
                                                                      : w_.listDetails_->viewport();
        if (wd == w_.TreeView1->viewport() || wd == list) {
            *local = wd->mapFromGlobal(global);
            return wd == list ? DropPlace::List : DropPlace::Tree;
        }
        if (wd->isWindow()) break;
    }
    return DropPlace::Other;
}

int MainWindowDrag::itemAt(DropPlace place, const QPoint& local) const {
    if (place == DropPlace::Tree) {
        // By height: first where category texts are drawn, then where the press was.
        const int x = std::min(w_.TreeView1->indentation() * 2 + 24,
                               std::max(w_.TreeView1->viewport()->width() - 1, 0));
        QTreeWidgetItem* item = w_.TreeView1->itemAt(QPoint(x, local.y()));
        if (!item) item = w_.TreeView1->itemAt(QPoint(pressPos_.x(), local.y()));
        return w_.nodeIndexOf(item);
    }
    const QAbstractItemView* view = w_.ListView1->currentWidget() == w_.listList_
                                        ? static_cast<QAbstractItemView*>(w_.listList_)
                                        : w_.listDetails_;
    const QModelIndex index = view->indexAt(local);
    return index.isValid() ? index.row() + 1 : 0;
}

void MainWindowDrag::over(const QPoint& global, bool setScrollPosition) {
    QPoint local;
    const DropPlace place = placeAt(global, &local);
    const DragOverLook look = dragOver(situation(), place);
    invertBox(!look.invertBox                ? nullptr
              : place == DropPlace::InputBox ? w_.txtInput
                                             : w_.txtOutput);
    const int index = look.highlight ? itemAt(place, local) : 0;
    setHighlight(place, index);
    if (setScrollPosition && index > 0) scrollPos_ = index;
    showIcon(global, look.accepts);
}

void MainWindowDrag::setHighlight(DropPlace place, int index) {
    if (place == highlightPlace_ && index == highlight_) return;
    const auto paint = [this](DropPlace where, int at, bool on) {
        const QPalette pal = w_.palette();
        const QBrush back = on ? pal.brush(QPalette::Highlight) : QBrush();
        const QBrush text = on ? pal.brush(QPalette::HighlightedText) : QBrush();
        const bool building = w_.building_;
        w_.building_ = true; // no rename handling for a colour
        if (where == DropPlace::Tree) {
            if (QTreeWidgetItem* item = w_.nodeItem(at)) {
                item->setBackground(0, back);
                item->setForeground(0, text);
            }
        } else if (where == DropPlace::List) {
            for (int c = 0; c < w_.listModel_->columnCount(); ++c)
                if (QStandardItem* item = w_.listModel_->item(at - 1, c)) {
                    item->setBackground(back);
                    item->setForeground(text);
                }
        }
        w_.building_ = building;
    };
    if (highlight_ > 0) paint(highlightPlace_, highlight_, false);
    highlightPlace_ = index > 0 ? place : DropPlace::Other;
    highlight_ = index;
    if (index > 0) paint(place, index, true);
}

void MainWindowDrag::invertBox(QLineEdit* box) {
    if (box == inverted_) return;
    if (inverted_) inverted_->setPalette(invertedPalette_);
    inverted_ = box;
    if (!box) return;
    invertedPalette_ = box->palette();
    QPalette swapped = invertedPalette_;
    swapped.setColor(QPalette::Base, invertedPalette_.color(QPalette::Text));
    swapped.setColor(QPalette::Text, invertedPalette_.color(QPalette::Base));
    box->setPalette(swapped);
}

void MainWindowDrag::showIcon(const QPoint& global, bool accepts) {
    const char* file = !accepts                      ? ":/icons/nodrop.svg"
                       : kind_ == DragKind::Category ? ":/icons/drag_group.svg"
                                                     : ":/icons/drag_unit.svg";
    const QPixmap picture = QIcon(QString::fromLatin1(file)).pixmap(QSize(32, 32));
    icon_->setPixmap(picture);
    icon_->setProperty("icon", QString::fromLatin1(file));
    // Beside the cursor, so that the place under it stays what it points at.
    icon_->move(global + QPoint(10, 10));
    if (!icon_->isVisible()) icon_->show();
    QApplication::changeOverrideCursor(accepts ? Qt::ArrowCursor : Qt::ForbiddenCursor);
}

void MainWindowDrag::cancel() {
    if (kind_ == DragKind::None) return;
    mStopTimers();
    setHighlight(DropPlace::Other, 0);
    invertBox(nullptr);
    icon_->hide();
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    kind_ = DragKind::None;
    ended_ = pressViewport_ != nullptr; // the button is still held
}

void MainWindowDrag::drop(const QPoint& global) {
    over(global, false);
    const int highlighted = highlight_;
    QPoint local;
    const DropDecision d = dropOn(situation(), placeAt(global, &local), highlighted);
    cancel();
    switch (d.action) {
    case DropAction::ChooseFrom:
        chooseByDrop(false);
        break;
    case DropAction::ChooseInto:
        chooseByDrop(true);
        break;
    case DropAction::MoveUnit:
        moveUnit(highlighted);
        break;
    case DropAction::MoveCategory:
        moveCategory(highlighted);
        break;
    case DropAction::Refused:
        w_.prompt_.showHint(d.tip);
        break;
    case DropAction::None:
        break;
    }
}

void MainWindowDrag::chooseByDrop(bool into) {
    Program& p = w_.program_;
    w_.guarded([&] {
        w_.progress_.set(into ? "TODD01" : "TIDD01");
        w_.chooseUnit(into, p.sel.pnSelUnitIndex, w_.listRowText(p.sel.pnSelListIndex));
        w_.progress_.set(into ? "TODD03" : "TIDD03");
        (into ? w_.txtOutput : w_.txtInput)->setFocus();
        w_.progress_.set(into ? "TODD05" : "TIDD05");
        w_.convertIfReady();
    });
}

// The moves go through the window's one way of changing the table (undo).
void MainWindowDrag::moveUnit(int row) {
    const Selection& sel = w_.program_.sel;
    const int c = sel.pnSelGroupIndex, from = sel.pnSelUnitIndex;
    w_.progress_.set("LVDD05");
    w_.applyTableEdit(
        "Move Unit", [c, from, row](ConversionTable& t) { return moveListItem(t, c, from, row); },
        c);
}

void MainWindowDrag::moveCategory(int node) {
    const int source = sourceNode_;
    w_.progress_.set("TVDD05");
    w_.applyTableEdit(
        "Move Category",
        [source, node](ConversionTable& t) { return pInsertTreeItem(t, source, node); }, kNoUnits);
}

void MainWindowDrag::watchTick() {
    const Program& p = w_.program_;
    const bool tree = kind_ == DragKind::Category;
    const QWidget* view = tree ? static_cast<QWidget*>(w_.TreeView1) : w_.ListView1;
    const QPoint at = view->mapFromGlobal(lastGlobal_);
    const WatchInput in{kind_,
                        bandAt(at.x(), at.y(), 0, 0, view->width(), view->height(), scrollMargin_),
                        tree ? p.settings.SortGroup : p.settings.SortUnit, p.settings.ShowHintDelay,
                        p.settings.ScrollDownDelay};
    const WatchOutcome o = qm::watchTick(watch_, in);
    switch (o.action) {
    case WatchAction::StopWatch:
        tmrWatch->stop();
        break;
    case WatchAction::StopScroll:
        tmrScroll->stop();
        break;
    case WatchAction::StartScroll:
        if (!tmrScroll->isActive()) tmrScroll->start();
        break;
    case WatchAction::EndDrag:
        cancel();
        w_.prompt_.showHint(o.tip);
        break;
    case WatchAction::None:
        break;
    }
}

void MainWindowDrag::scrollTick() {
    const Program& p = w_.program_;
    if (kind_ == DragKind::Category) {
        const ScrollStep s = treeScrollStep(p.table, scrollPos_, watch_.direction);
        scrollPos_ = s.position;
        if (s.scroll)
            if (QTreeWidgetItem* item = w_.nodeItem(s.position)) w_.TreeView1->scrollToItem(item);
        if (s.stop) tmrScroll->stop();
    } else {
        const ScrollStep s = listScrollStep(scrollPos_, watch_.direction, w_.listRowCount());
        scrollPos_ = s.position;
        auto* view = static_cast<QAbstractItemView*>(w_.ListView1->currentWidget());
        if (s.scroll) view->scrollTo(w_.listModel_->index(s.position - 1, 0));
        if (s.stop) tmrScroll->stop();
    }
    over(lastGlobal_, false); // the highlight follows what is now under the cursor
}

} // namespace qm
