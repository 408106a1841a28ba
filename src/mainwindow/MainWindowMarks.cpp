// The unit list's marks on the chosen units and its tooltips for texts that
// their column cuts off.
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

namespace qm {

namespace {

// Draws the rows of the chosen units in bold on a tinted background, with a
// small "from" / "into" label at the end of the name, and shows a text that
// its column cuts off in full as a tooltip.
class UnitListDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const UnitMark mark = markOf(index);
        if (mark == UnitMark::None || index.column() != 0) {
            styleOf(opt)->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
            return;
        }
        styleOf(opt)->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, opt.widget);
        const QRect tag = tagRect(opt, mark);
        QStyleOptionViewItem text = opt;
        text.rect.setRight(tag.left() - 2);
        styleOf(opt)->drawControl(QStyle::CE_ItemViewItem, &text, painter, opt.widget);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(tagColour(mark));
        painter->drawRoundedRect(tag, 3, 3);
        painter->setPen(Qt::white);
        painter->setFont(tagFont(opt));
        painter->drawText(tag, Qt::AlignCenter, tagText(mark));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (qobject_cast<const QListView*>(option.widget)) // room for a label in List view
            size.rwidth() += tagWidth(option, UnitMark::Both) + 4;
        return size;
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const UnitMark mark = markOf(index);
        if (mark != UnitMark::None && index.column() == 0)
            opt.rect.setRight(tagRect(opt, mark).left() - 2);
        const QRect room = styleOf(opt)->subElementRect(QStyle::SE_ItemViewItemText, &opt, view);
        const int margin = styleOf(opt)->pixelMetric(QStyle::PM_FocusFrameHMargin, &opt, view) + 1;
        if (QFontMetrics(opt.font).horizontalAdvance(opt.text) > room.width() - 2 * margin)
            QToolTip::showText(event->globalPos(), opt.text, view->viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const UnitMark mark = markOf(index);
        if (mark == UnitMark::None) return;
        option->font.setBold(true);
        option->fontMetrics = QFontMetrics(option->font);
        const QColor c = tagColour(mark); // a fifth of it on white
        option->backgroundBrush = QColor(255 - (255 - c.red()) / 5, 255 - (255 - c.green()) / 5,
                                         255 - (255 - c.blue()) / 5);
    }

  private:
    static UnitMark markOf(const QModelIndex& index) {
        return static_cast<UnitMark>(
            index.siblingAtColumn(0).data(MainWindow::kUnitMarkRole).toInt());
    }
    static const QStyle* styleOf(const QStyleOptionViewItem& opt) {
        return opt.widget ? opt.widget->style() : QApplication::style();
    }
    static QString tagText(UnitMark mark) {
        switch (mark) {
        case UnitMark::From:
            return QStringLiteral("from");
        case UnitMark::Into:
            return QStringLiteral("into");
        default:
            return QStringLiteral("from, into");
        }
    }
    static QColor tagColour(UnitMark mark) {
        switch (mark) {
        case UnitMark::From:
            return {46, 125, 50}; // green
        case UnitMark::Into:
            return {191, 87, 0}; // orange
        default:
            return {106, 27, 154}; // purple
        }
    }
    static QFont tagFont(const QStyleOptionViewItem& opt) {
        QFont f = opt.font;
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 0.8);
        return f;
    }
    static int tagWidth(const QStyleOptionViewItem& opt, UnitMark mark) {
        return QFontMetrics(tagFont(opt)).horizontalAdvance(tagText(mark)) + 8;
    }
    static QRect tagRect(const QStyleOptionViewItem& opt, UnitMark mark) {
        const int h = QFontMetrics(tagFont(opt)).height() + 2;
        const int w = tagWidth(opt, mark);
        return {opt.rect.right() - w - 2, opt.rect.center().y() - h / 2 + 1, w, h};
    }
};

} // namespace

void MainWindow::installListAids() {
    listDetails_->setItemDelegate(new UnitListDelegate(listDetails_));
    listList_->setItemDelegate(new UnitListDelegate(listList_));
}

// Marks the rows that name the chosen units.
void MainWindow::showUnitMarks() {
    const Program& p = program_;
    std::vector<std::string> texts;
    for (int r = 0; r < listModel_->rowCount(); ++r)
        texts.push_back(listRowText(r).toStdString());
    const std::vector<UnitMark> marks =
        listRowMarks(p.table, p.sel.pnSelGroupIndex, texts, unitChoice());
    const bool wasBuilding = building_;
    building_ = true; // not a rename
    for (int r = 0; r < listModel_->rowCount(); ++r)
        listModel_->item(r, 0)->setData(static_cast<int>(marks[static_cast<std::size_t>(r)]),
                                        kUnitMarkRole);
    building_ = wasBuilding;
}

} // namespace qm
