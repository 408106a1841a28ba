#include "find/FindDialog.h"

#include "mainwindow/MainWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeWidget>

#include <cmath>

namespace qm {

FindDialog::FindDialog(MainWindow& w) : QDialog(&w), w_(w) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    auto* label = new QLabel(QStringLiteral("Fi&nd What:"), this);
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    label->setBuddy(txtFind);
    optFind = {new QRadioButton(QStringLiteral("C&ategory"), this),
               new QRadioButton(QStringLiteral("&Unit"), this)};
    optFind[1]->setChecked(true);
    chkCase = new QCheckBox(QStringLiteral("Match &Case"), this);
    cmdFind = new QPushButton(QStringLiteral("&Find Next"), this);
    cmdFind->setDefault(true);
    cmdFind->setEnabled(false); // nothing to look for yet
    cmdClose = new QPushButton(QStringLiteral("Close"), this);

    auto* kind = new QGroupBox(QStringLiteral("Search"), this);
    auto* kindRow = new QHBoxLayout(kind);
    kindRow->addWidget(optFind[0]);
    kindRow->addWidget(optFind[1]);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(txtFind, 0, 1);
    grid->addWidget(cmdFind, 0, 2);
    grid->addWidget(kind, 1, 0, 1, 2);
    grid->addWidget(cmdClose, 1, 2, Qt::AlignTop);
    grid->addWidget(chkCase, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    txtFind->setMinimumWidth(fontMetrics().averageCharWidth() * 28);

    connect(txtFind, &QLineEdit::textChanged, this, &FindDialog::textEdited);
    connect(cmdFind, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* b : optFind)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on) pos_.reset();
        });
}

FindDialog* FindDialog::showFor(MainWindow& w) {
    auto* d = w.findChild<FindDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!d) d = new FindDialog(w);
    d->openAtStoredPlace();
    return d;
}

void FindDialog::repeatFor(MainWindow& w) {
    auto* d = w.findChild<FindDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (d && !d->txtFind->text().trimmed().isEmpty())
        d->findNext();
    else
        showFor(w);
}

void FindDialog::openAtStoredPlace() {
    pos_.reset();
    setWindowTitle(QStringLiteral("Find"));
    if (!isVisible()) {
        const Program& p = w_.program();
        const QPoint at(static_cast<int>(std::lround(p.settings.FindLeft / p.twipsPerPixelX)),
                        static_cast<int>(std::lround(p.settings.FindTop / p.twipsPerPixelY)));
        // Never placed yet, or placed off every screen (another monitor, now
        // gone): beside the main window where the screen has room, else over
        // its lower part, so that the hits stay in sight.
        const bool placed = (p.settings.FindLeft != 0 || p.settings.FindTop != 0) &&
                            QGuiApplication::screenAt(at + QPoint(20, 20)) != nullptr;
        adjustSize();
        move(placed ? at : defaultPlace());
    }
    show();
    raise();
    activateWindow();
    txtFind->setFocus();
    txtFind->setCursorPosition(0);
    txtFind->selectAll();
}

QPoint FindDialog::defaultPlace() const {
    const QRect main = w_.frameGeometry();
    const QScreen* screen = w_.screen();
    const QRect room = screen ? screen->availableGeometry() : main;
    const QPoint beside(main.right() + 8, main.top());
    if (room.contains(QRect(beside, frameSize()))) return beside;
    return {main.center().x() - width() / 2, main.bottom() - height() - 40};
}

void FindDialog::textEdited(const QString& text) {
    pos_.reset();
    cmdFind->setEnabled(!text.trimmed().isEmpty());
}

void FindDialog::findNext() {
    const ConversionTable& t = w_.program().table;
    const std::string text = txtFind->text().toStdString();
    const bool unitSearch = optFind[1]->isChecked();
    const FindOutcome r = unitSearch ? mFindUnit(t, pos_, text, chkCase->isChecked())
                                     : mFindCategory(t, pos_, text, chkCase->isChecked());
    if (r.hit) showHit(*r.hit);
    setWindowTitle(r.endOfSearch ? QStringLiteral("End of Search") : QStringLiteral("Find"));
}

void FindDialog::showHit(const FindHit& hit) {
    const ConversionTable& t = w_.program().table;
    const QString category =
        QString::fromStdString(t.psCategoryName[static_cast<std::size_t>(hit.category)]);
    const int first = t.pnCatGroupCount + 2;
    for (int node = first; node < first + t.pnNodeCount; ++node) {
        QTreeWidgetItem* item = w_.nodeItem(node);
        if (!item || item->text(0) != category) continue;
        w_.selectNode(node);
        w_.treeView()->scrollToItem(item);
        if (hit.unit > 0) selectUnitRow(t.unit(hit.category, hit.unit).Name);
    }
}

void FindDialog::selectUnitRow(const std::string& name) {
    const QString text = QString::fromStdString(name);
    for (int row = 0; row < w_.listRowCount(); ++row) {
        if (w_.listRowText(row).compare(text, Qt::CaseInsensitive) != 0) continue;
        QAbstractItemView* view = w_.listModeView()->isVisible()
                                      ? static_cast<QAbstractItemView*>(w_.listModeView())
                                      : w_.detailsView();
        const QModelIndex index = w_.listModel()->index(row, 0);
        view->setFocus();
        view->setCurrentIndex(index);
        view->scrollTo(index);
        return;
    }
}

void FindDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F3) {
        if (cmdFind->isEnabled()) findNext();
        return;
    }
    const bool plain = (e->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (!plain || focusWidget() == txtFind) {
        QDialog::keyPressEvent(e);
        return;
    }
    // A plain letter acts like the access key of a control, and the focus
    // frame shows where it went.
    setAttribute(Qt::WA_KeyboardFocusChange);
    switch (e->key()) {
    case Qt::Key_N:
        txtFind->setFocus();
        txtFind->selectAll();
        break;
    case Qt::Key_C:
        chkCase->setFocus();
        chkCase->toggle();
        break;
    case Qt::Key_F:
        if (cmdFind->isEnabled()) findNext();
        break;
    case Qt::Key_A:
    case Qt::Key_U: {
        QRadioButton* b = optFind[e->key() == Qt::Key_A ? 0 : 1];
        b->setFocus();
        b->setChecked(true);
        break;
    }
    default:
        QDialog::keyPressEvent(e);
    }
}

void FindDialog::done(int r) {
    Program& p = w_.program();
    p.settings.FindLeft = static_cast<float>(pos().x() * p.twipsPerPixelX);
    p.settings.FindTop = static_cast<float>(pos().y() * p.twipsPerPixelY);
    QDialog::done(r);
}

} // namespace qm
