#include "auxwindows/AboutDialog.h"

#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

QLabel* centred(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignHCenter);
    l->setWordWrap(true);
    return l;
}

} // namespace

frmAbout::frmAbout(MainWindow& w) : QDialog(&w), w_(w) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" About Quantimetrix"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    auto* picMotif = new QLabel(this);
    const int side = fontMetrics().height() * 4;
    picMotif->setPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(side, side));
    picMotif->setAlignment(Qt::AlignHCenter);
    lblAppname = centred(QStringLiteral("Quantimetrix"), this);
    QFont big = lblAppname->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    lblAppname->setFont(big);
    lblVersion = centred(QStringLiteral("Version 2.01"), this);
    auto* notice =
        centred(QStringLiteral("A unit converter for the desktop.\n"
                               "Free software under the MIT licence: use, copy, change and "
                               "pass it on, keeping the licence text with it."),
                this);
    auto* qt = centred(QStringLiteral("Runs on Qt %1").arg(QString::fromLatin1(qVersion())), this);
    lblButton = new QPushButton(QStringLiteral("OK"), this);
    lblButton->setDefault(true);
    connect(lblButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* box = new QVBoxLayout(this);
    box->setSpacing(fontMetrics().height() / 2);
    for (QWidget* c : {static_cast<QWidget*>(picMotif), static_cast<QWidget*>(lblAppname),
                       static_cast<QWidget*>(lblVersion), static_cast<QWidget*>(notice),
                       static_cast<QWidget*>(qt)})
        box->addWidget(c);
    box->addWidget(lblButton, 0, Qt::AlignHCenter);
    setFixedWidth(fontMetrics().averageCharWidth() * 48);

    w_.commands()->mEnableMainCommands(false);
}

frmAbout* frmAbout::showFor(MainWindow& w) {
    auto* d = w.findChild<frmAbout*>(QString(), Qt::FindDirectChildrenOnly);
    if (!d) d = new frmAbout(w);
    d->show();
    d->raise();
    d->activateWindow();
    return d;
}

void frmAbout::done(int r) {
    QDialog::done(r);
    w_.commands()->mEnableMainCommands(true);
}

} // namespace qm
