#include "find/QuickSearchPopup.h"

#include "mainwindow/MainWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace qm {

QuickSearchPopup::QuickSearchPopup(MainWindow& w) : QFrame(&w, Qt::Popup), w_(w) {
    setObjectName(QStringLiteral("quickSearch"));
    setFrameShape(QFrame::StyledPanel);
    txt_ = new QLineEdit(this);
    txt_->setPlaceholderText(QStringLiteral("Unit name"));
    txt_->setClearButtonEnabled(true);
    txt_->setAccessibleName(QStringLiteral("Quick unit search"));
    txt_->setAccessibleDescription(
        QStringLiteral("Up and Down choose a unit, Enter converts from it, Shift+Enter into it."));
    list_ = new QListWidget(this);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setAccessibleName(QStringLiteral("Matching units"));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setTextElideMode(Qt::ElideMiddle);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(4, 4, 4, 4);
    box->addWidget(txt_);
    box->addWidget(list_);
    const QFontMetrics fm = fontMetrics();
    resize(fm.averageCharWidth() * 52, fm.height() * 16);
    txt_->installEventFilter(this);
    connect(txt_, &QLineEdit::textChanged, this, &QuickSearchPopup::refill);
    connect(list_, &QListWidget::itemActivated, this, [this] { choose(false); });
}

QuickSearchPopup* QuickSearchPopup::showFor(MainWindow& w) {
    auto* p = w.findChild<QuickSearchPopup*>(QString(), Qt::FindDirectChildrenOnly);
    if (!p) p = new QuickSearchPopup(w);
    p->txt_->clear();
    p->refill(QString());
    const QWidget* area = w.centralWidget() ? w.centralWidget() : &w;
    p->move(area->mapToGlobal(QPoint((area->width() - p->width()) / 2, 0)));
    p->show();
    p->txt_->setFocus();
    return p;
}

void QuickSearchPopup::refill(const QString& text) {
    matches_ = quickSearch(w_.program().table, text.toStdString());
    list_->clear();
    for (const QuickMatch& m : matches_)
        list_->addItem(QString::fromStdString(m.label));
    if (!matches_.empty()) list_->setCurrentRow(0);
}

bool QuickSearchPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txt_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = key->key() == Qt::Key_Up ? -1 : 1;
        const int row = list_->currentRow() + step;
        if (row >= 0 && row < list_->count()) list_->setCurrentRow(row);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    default:
        return false;
    }
}

void QuickSearchPopup::choose(bool into) {
    const int at = list_->currentRow();
    if (at < 0 || at >= static_cast<int>(matches_.size())) return;
    const QuickMatch m = matches_[static_cast<std::size_t>(at)];
    close();
    const ConversionTable& t = w_.program().table;
    for (int j = 1; j <= t.pnNodeCount; ++j)
        if (t.pnNodeCategory[static_cast<std::size_t>(j)] == m.category)
            w_.selectNode(categoryNode(t, j));
    // The unit is taken as Enter (or Shift+Enter) on its row of the list takes it.
    const QString name = QString::fromStdString(t.unit(m.category, m.unit).Name);
    for (int row = 0; row < w_.listRowCount(); ++row) {
        if (w_.listRowText(row) != name) continue;
        QTableView* view = w_.detailsView();
        view->setCurrentIndex(w_.listModel()->index(row, 0));
        view->scrollTo(view->currentIndex());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return,
                        into ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(view, &enter);
        w_.inputBox()->setFocus(); // ready for the number
        return;
    }
}

} // namespace qm
