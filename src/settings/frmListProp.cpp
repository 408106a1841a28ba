#include "settings/frmListProp.h"

#include "auxwindows/HelpWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/viewlogic.h"
#include "settings/headertexts.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace qm {

frmListProp::frmListProp(MainWindow& w) : QDialog(&w), w_(w) {
    setObjectName(QStringLiteral("frmListProp"));
    setWindowTitle(QStringLiteral(" List Properties"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    const Program& p = w.program();
    layout_ = headerLayoutFor(p.table, p.pnSelNodeIndex());
    auto* frame = new QGroupBox(QStringLiteral("Rename Column Header Text"), this);
    auto* form = new QFormLayout(frame);
    for (std::size_t i = 0; i < txtHeader.size(); ++i) {
        txtHeader[i] = new QLineEdit(this);
        txtHeader[i]->setObjectName(QStringLiteral("txtHeader%1").arg(i));
        txtHeader[i]->setText(
            QString::fromStdString(p.settings.HeaderText[static_cast<std::size_t>(layout_)][i]));
        txtHeader[i]->setEnabled(static_cast<int>(i) < editableHeaderColumns(layout_));
        txtHeader[i]->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
        lblColumn[i] = new QLabel(QStringLiteral("Column %1").arg(i + 1), this);
        lblColumn[i]->setBuddy(txtHeader[i]);
        lblColumn[i]->setEnabled(txtHeader[i]->isEnabled()); // grey when it cannot be edited
        form->addRow(lblColumn[i], txtHeader[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    auto* box = new QVBoxLayout(this);
    box->addWidget(frame);
    box->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmListProp::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        HelpWindow::showHelp(this, QString::fromStdString(w_.program().programFolder), 57);
    });
    // Entering a box selects its whole text.
    for (QLineEdit* e : txtHeader)
        e->installEventFilter(this);
}

bool frmListProp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* e = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, e, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

int frmListProp::showFor(MainWindow& w) {
    frmListProp d(w);
    return d.exec();
}

void frmListProp::accept() {
    Program& p = w_.program();
    HeaderTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = txtHeader[i]->text().toStdString();
    setHeaderTexts(p.settings, layout_, texts);
    w_.mChangeColumnHeaders(layout_);
    w_.pUpdateListView(p.sel.psSelGroupName);
    const int row = p.sel.pnSelListIndex;
    if (row >= 1 && row <= w_.listRowCount())
        w_.detailsView()->setCurrentIndex(w_.listModel()->index(row - 1, 0));
    QDialog::accept();
}

} // namespace qm
