#include "editing/CategoryDialog.h"

#include "auxwindows/HelpWindow.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qm {

namespace {

// The tree's picture of category Icon# k.
QIcon categoryIcon(int iconNumber) {
    return QIcon(QStringLiteral(":/icons/category%1.svg").arg((iconNumber - 1) % 4 + 1));
}

} // namespace

CategoryDialog::CategoryDialog(QWidget* parent, const ConversionTable& t, int self,
                               const CategoryForm& form, UserPrompt& prompt,
                               const QString& programFolder)
    : QDialog(parent), t_(t), self_(self), prompt_(prompt) {
    setObjectName(QStringLiteral("frmCategory"));
    setWindowTitle(QStringLiteral(" Category Properties"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    txtName = new QLineEdit(QString::fromStdString(form.name), this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
    txtName->installEventFilter(this);
    auto* names = new QFormLayout;
    names->addRow(QStringLiteral("&Name"), txtName);

    auto* frame = new QGroupBox(QStringLiteral("Icon"), this);
    auto* icons = new QHBoxLayout(frame);
    const int size = fontMetrics().height() * 2;
    for (std::size_t i = 0; i < optIcon.size(); ++i) {
        optIcon[i] = new QRadioButton(frame);
        optIcon[i]->setObjectName(QStringLiteral("optColor%1").arg(i));
        optIcon[i]->setIcon(categoryIcon(static_cast<int>(i) + kFirstCategoryIcon));
        optIcon[i]->setIconSize(QSize(size, size));
        optIcon[i]->setAccessibleName(QStringLiteral("Icon %1").arg(i + 1));
        icons->addWidget(optIcon[i]);
    }
    optIcon[static_cast<std::size_t>(std::clamp(form.option, 0, 3))]->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    auto* box = new QVBoxLayout(this);
    box->addLayout(names);
    box->addWidget(frame);
    box->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CategoryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this, programFolder] { HelpWindow::showHelp(this, programFolder, 52); });
    txtName->setFocus();
}

bool CategoryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtName && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtName, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

CategoryForm CategoryDialog::form() const {
    CategoryForm f{txtName->text().toStdString(), 0};
    for (std::size_t i = 0; i < optIcon.size(); ++i)
        if (optIcon[i]->isChecked()) f.option = static_cast<int>(i);
    return f;
}

void CategoryDialog::accept() {
    if (const auto why = categoryNameProblem(t_, form().name, self_)) {
        prompt_.message(*why, kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
        txtName->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<CategoryForm> CategoryDialog::ask(QWidget* parent, const ConversionTable& t, int self,
                                                const CategoryForm& form, UserPrompt& prompt,
                                                const QString& programFolder) {
    CategoryDialog d(parent, t, self, form, prompt, programFolder);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.form();
}

} // namespace qm
