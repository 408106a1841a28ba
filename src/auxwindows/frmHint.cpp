#include "auxwindows/frmHint.h"

#include "auxwindows/hinttext.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

namespace {

// The tip about the decimal separator comes up while the user types a number.
constexpr int kTypingTip = 5;
QPointer<frmHint> openTypingTip;

// Where the typing tip goes: under the window the user types in, else above
// it, else under or above the box itself (a window that fills the screen),
// so that it covers neither the box nor the result beside it or under it.
QPoint typingTipPlace(const QWidget& box, QSize tip) {
    const QRect area = box.screen()->availableGeometry();
    const QRect window = box.window()->frameGeometry();
    const QRect at(box.mapToGlobal(QPoint(0, 0)), box.size());
    const int x =
        std::clamp(at.left(), area.left(), std::max(area.left(), area.right() - tip.width()));
    for (const int y : {window.bottom() + 1, window.top() - tip.height(), at.bottom() + 1,
                        at.top() - tip.height()})
        if (y >= area.top() && y + tip.height() <= area.bottom()) return {x, y};
    return {x, area.top()};
}

// Shows the typing tip beside the box without taking the keyboard: the keys
// the user goes on typing reach the box, and one window serves every repeat.
void showBesideTyping(Settings& settings, const std::string& separatorName, QWidget* parent) {
    if (openTypingTip && openTypingTip->isVisible()) {
        openTypingTip->raise();
        return;
    }
    QWidget* typing = QApplication::focusWidget();
    if (!parent && typing) parent = typing->window();
    auto* hint = new frmHint(settings, kTypingTip, separatorName, parent);
    hint->setAttribute(Qt::WA_DeleteOnClose);
    hint->setAttribute(Qt::WA_QuitOnClose, false); // never keeps the program running
    hint->setAttribute(Qt::WA_ShowWithoutActivating);
    hint->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    hint->setModal(false);
    hint->returnKeysTo(typing);
    if (typing) {
        // Its frame is not known before it is shown: the typing window's is alike.
        const QWidget* window = typing->window();
        const QSize frame = window->frameGeometry().size() - window->size();
        hint->move(typingTipPlace(*typing, hint->size() + frame));
    }
    openTypingTip = hint;
    hint->show();
}

QPixmap hintPicture(bool full) {
    return QIcon(full ? QStringLiteral(":/icons/hint_full.svg")
                      : QStringLiteral(":/icons/hint_half.svg"))
        .pixmap(QSize(32, 32));
}
} // namespace

frmHint::frmHint(Settings& settings, int n, const std::string& separatorName, QWidget* parent)
    : QDialog(parent), settings_(settings), n_(n) {
    setWindowTitle(QStringLiteral(" Tip"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    imgMain = new QLabel(this);
    imgMain->setPixmap(hintPicture(true));
    imgMain->setFixedSize(32, 32);
    Label1 = new QLabel(QString::fromStdString(pHintText(n, separatorName)), this);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(260);
    chkShow = new QCheckBox(QStringLiteral(" Do not show this message any more. "), this);
    cmdOK = new QPushButton(QStringLiteral("Noted"), this);
    cmdOK->setDefault(true);

    auto* top = new QHBoxLayout();
    top->setSpacing(14);
    top->addWidget(imgMain, 0, Qt::AlignTop);
    top->addWidget(Label1, 1);
    auto* bottom = new QHBoxLayout();
    bottom->addWidget(chkShow);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkShow, &QCheckBox::toggled, this, [this](bool on) {
        if (n_ >= 0 && n_ < kShowMessageCount)
            settings_.ShowMessageFlag[static_cast<std::size_t>(n_)] = on ? 0 : 1;
    });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Timer1 = new QTimer(this);
    Timer1->setInterval(70);
    connect(Timer1, &QTimer::timeout, this, &frmHint::tick);
    Timer1->start();

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void frmHint::returnKeysTo(QWidget* w) {
    keysTo_ = w;
    if (!w) return;
    w->installEventFilter(this);
    // The window itself then receives the keys: its controls take none.
    chkShow->setFocusPolicy(Qt::NoFocus);
    cmdOK->setFocusPolicy(Qt::NoFocus);
}

void frmHint::keyPressEvent(QKeyEvent* e) {
    if (!keysTo_ || e->key() == Qt::Key_Escape) {
        QDialog::keyPressEvent(e);
        return;
    }
    QWidget* target = keysTo_;
    target->activateWindow();
    target->setFocus();
    QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(),
                   static_cast<quint16>(e->count()));
    QCoreApplication::sendEvent(target, &copy);
}

bool frmHint::eventFilter(QObject* watched, QEvent* e) {
    if (watched == keysTo_ && e->type() == QEvent::KeyPress && isVisible() &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void frmHint::tick() {
    ++ticks_;
    if (ticks_ == 10) {
        imgMain->setPixmap(hintPicture(false));
        full_ = false;
    } else if (ticks_ >= 20) {
        imgMain->setPixmap(hintPicture(true));
        full_ = true;
        ticks_ = 0;
    }
}

void pShowHint(Settings& settings, const std::string& separatorName, int n, QWidget* parent) {
    if (n < 0 || n >= kShowMessageCount) return;
    if (settings.ShowMessageFlag[static_cast<std::size_t>(n)] == 0) return;
    if (n == kTypingTip) {
        showBesideTyping(settings, separatorName, parent);
        return;
    }
    frmHint hint(settings, n, separatorName, parent);
    hint.exec();
}

} // namespace qm
