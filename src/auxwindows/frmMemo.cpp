#include "auxwindows/frmMemo.h"

#include "auxwindows/memo.h"
#include "core/userprompt.h"
#include "editing/itemops.h"
#include "mainwindow/MainWindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace qm {

frmMemo::frmMemo(MainWindow& w, UserPrompt& prompt) : QDialog(&w), w_(w), prompt_(prompt) {
    setObjectName(QStringLiteral("frmMemo"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setSizeGripEnabled(true);
    txtMemo = new QPlainTextEdit(this);
    txtMemo->setObjectName(QStringLiteral("txtMemo"));
    txtMemo->setAccessibleName(QStringLiteral("Memo"));
    txtMemo->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtMemo);
    txtMemo->installEventFilter(this);
    w_.installEventFilter(this);
    follow_ = new QTimer(this);
    follow_->setInterval(150);
    connect(follow_, &QTimer::timeout, this, &frmMemo::followSelection);
    connect(txtMemo, &QPlainTextEdit::textChanged, this, [this] { toldTooLong_ = false; });
}

frmMemo* frmMemo::showFor(MainWindow& w, UserPrompt& prompt) {
    auto* d = w.findChild<frmMemo*>(QString(), Qt::FindDirectChildrenOnly);
    if (!d) d = new frmMemo(w, prompt);
    if (d->isVisible()) {
        d->followSelection();
    } else {
        d->load();
        d->placeBesideMain();
    }
    d->show();
    d->raise();
    d->follow_->start();
    w.activateWindow();
    w.inputBox()->setFocus();
    return d;
}

void frmMemo::load() {
    const Program& p = w_.program();
    const ConversionTable& t = p.table;
    category_ = p.sel.pnSelGroupIndex;
    unit_ = p.sel.pnSelUnitIndex;
    const bool exists = memoUnitExists(t, category_, unit_);
    shown_ = exists ? t.unit(category_, unit_).Memo : std::string();
    setWindowTitle(QString::fromStdString(memoCaption(t, category_, unit_)));
    txtMemo->setPlainText(QString::fromStdString(shown_));
    txtMemo->document()->setModified(false);
    txtMemo->setReadOnly(p.settings.Modify == 0 || !exists);
}

void frmMemo::placeBesideMain() {
    const Program& p = w_.program();
    const double tx = p.twipsPerPixelX, ty = p.twipsPerPixelY;
    const QRect main = w_.frameGeometry();
    const QScreen* screen = w_.screen();
    const QRect room = screen ? screen->availableGeometry() : main;
    const MemoRect at =
        memoPlace({main.x() * tx, main.y() * ty, main.width() * tx, main.height() * ty},
                  p.settings.MemoWidth, p.settings.MemoHeight,
                  {room.x() * tx, room.y() * ty, room.width() * tx, room.height() * ty});
    resize(static_cast<int>(std::lround(at.width / tx)),
           static_cast<int>(std::lround(at.height / ty)));
    move(static_cast<int>(std::lround(at.left / tx)), static_cast<int>(std::lround(at.top / ty)));
}

bool frmMemo::commit(bool closing) {
    Program& p = w_.program();
    if (!txtMemo->document()->isModified() || p.settings.Modify == 0) return true;
    const MemoCheck c =
        checkMemo(p.table, category_, unit_, txtMemo->document()->toRawText().toStdString());
    if (c.verdict == MemoVerdict::TooLong) {
        if (closing || !toldTooLong_) {
            toldTooLong_ = true; // before the message: the timers run while it shows
            prompt_.message(kMemoTooLongText, kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
        }
        return false;
    }
    if (c.verdict != MemoVerdict::Unchanged) {
        // Through the window's one way of changing the table (undo), without
        // rebuilding the views: a memo shows in neither.
        const int16_t category = category_, unit = unit_;
        w_.applyTableEdit(
            "Edit Memo",
            [&](ConversionTable& t) {
                pStoreMemo(t, category, unit, c.text);
                EditResult r;
                r.done = true;
                r.refreshViews = false;
                return r;
            },
            category);
        shown_ = c.text;
    }
    if (c.verdict == MemoVerdict::Flattened) txtMemo->setPlainText(QString::fromStdString(shown_));
    txtMemo->document()->setModified(false); // before the message: the timers run while it shows
    if (c.verdict == MemoVerdict::Flattened)
        prompt_.message(kMemoFlattenedText, kDataTitle, MsgIcon::Information, MsgButtons::OK);
    return true;
}

void frmMemo::followSelection() {
    if (txtMemo->hasFocus() && txtMemo->document()->isModified()) return; // being typed
    if (!commit()) return;
    const Program& p = w_.program();
    const ConversionTable& t = p.table;
    // Modify switched off while the window shows makes it read only at once:
    // nothing typed afterwards could be stored.
    const bool same = p.sel.pnSelGroupIndex == category_ && p.sel.pnSelUnitIndex == unit_ &&
                      memoUnitExists(t, category_, unit_) &&
                      t.unit(category_, unit_).Memo == shown_ &&
                      windowTitle().toStdString() == memoCaption(t, category_, unit_) &&
                      txtMemo->isReadOnly() == (p.settings.Modify == 0);
    if (!same) load();
}

void frmMemo::keepSize() {
    Settings& s = w_.program().settings;
    s.MemoWidth = static_cast<float>(width() * w_.program().twipsPerPixelX);
    s.MemoHeight = static_cast<float>(height() * w_.program().twipsPerPixelY);
}

// Closing in any way (the close box, Escape) ends here.
void frmMemo::done(int r) {
    if (!commit(true)) return;
    keepSize();
    follow_->stop();
    QDialog::done(r);
}

bool frmMemo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMemo && event->type() == QEvent::FocusOut) {
        commit();
    } else if (watched == &w_ && event->type() == QEvent::Close && isVisible()) {
        // The main window saves the table and the settings as it closes.
        if (!commit(true)) {
            event->ignore();
            return true;
        }
        keepSize();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qm
