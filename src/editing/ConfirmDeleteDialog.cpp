#include "editing/ConfirmDeleteDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qm {

ConfirmDeleteDialog::ConfirmDeleteDialog(QWidget* parent, const std::string& question)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmDelete"));
    setWindowTitle(QStringLiteral(" Confirm Item Deletion"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* picture = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(size, size));
    lblQuestion = new QLabel(QString::fromStdString(question), this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    lblQuestion->setWordWrap(true);
    lblQuestion->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    lblQuestion->setTextFormat(Qt::PlainText);
    cmdYes = new QPushButton(QStringLiteral("&Yes"), this);
    cmdNo = new QPushButton(QStringLiteral("&No"), this);
    cmdYes->setDefault(true);
    cmdNo->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(lblQuestion, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdNo);
    auto* box = new QVBoxLayout(this);
    box->addLayout(top);
    box->addLayout(buttons);
    connect(cmdYes, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdNo, &QPushButton::clicked, this, &QDialog::reject);
}

bool ConfirmDeleteDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdNo && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_N) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool ConfirmDeleteDialog::ask(QWidget* parent, const std::string& question) {
    ConfirmDeleteDialog d(parent, question);
    return d.exec() == QDialog::Accepted;
}

} // namespace qm
