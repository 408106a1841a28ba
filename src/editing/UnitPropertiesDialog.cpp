#include "editing/UnitPropertiesDialog.h"

#include "auxwindows/HelpWindow.h"
#include "auxwindows/helpcontext.h"
#include "platform/qtuserprompt.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

static void initUnitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace qm {

namespace {

constexpr const char* kValuePromptText = "Enter a numerical value!";

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

UnitPropertiesDialog::UnitPropertiesDialog(QWidget* parent, const UnitDialogRequest& request,
                                           UserPrompt* prompt)
    : QDialog(parent), request_(request), prompt_(prompt) {
    initUnitIconResources();
    if (!prompt_) {
        ownPrompt_ = std::make_unique<QtUserPrompt>(this);
        prompt_ = ownPrompt_.get();
    }
    const bool unit = request.kind == UnitDialogKind::Unit;
    setObjectName(unit ? QStringLiteral("frmUnitProp") : QStringLiteral("frmConstProp"));
    setWindowTitle(unit ? QStringLiteral(" Unit Properties")
                        : QStringLiteral(" Constant Properties"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->setAccessibleName(QStringLiteral("Pages"));
    tabs_->addTab(buildPropertiesPage(), QStringLiteral("Properties"));
    tabs_->addTab(buildMemoPage(), QStringLiteral("Memo"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &UnitPropertiesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this, unit] {
        HelpWindow::showHelp(this, qs(request_.programFolder),
                             unit ? kHelpUnitProperties : kHelpConstantProperties);
    });
    connect(tabs_, &QTabWidget::currentChanged, this, &UnitPropertiesDialog::tabChosen);
    fillBoxes();
}

UnitPropertiesDialog::~UnitPropertiesDialog() = default;

QLineEdit* UnitPropertiesDialog::addBox(UnitField f, const QString& objectName) {
    auto* e = new QLineEdit(this);
    e->setObjectName(objectName);
    // Wide enough for the value box's prompt of a new item.
    e->setMinimumWidth(fontMetrics().horizontalAdvance(QString::fromLatin1(kValuePromptText)) +
                       fontMetrics().averageCharWidth() * 3);
    e->installEventFilter(this); // entering a box selects its whole text
    boxes_[static_cast<std::size_t>(f)] = e;
    return e;
}

QWidget* UnitPropertiesDialog::buildPropertiesPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    const auto labelled = [](QFormLayout* form, const QString& text, QLineEdit* e) {
        auto* label = new QLabel(text);
        label->setBuddy(e);
        form->addRow(label, e);
    };
    if (request_.kind == UnitDialogKind::Constant) {
        auto* form = new QFormLayout;
        labelled(form, QStringLiteral("Quantity"),
                 addBox(UnitField::Name, QStringLiteral("txtQty")));
        labelled(form, QStringLiteral("Value"),
                 addBox(UnitField::Ratio, QStringLiteral("txtValue")));
        labelled(form, QStringLiteral("Unit"),
                 addBox(UnitField::Offset, QStringLiteral("txtUnit")));
        grid->addLayout(form, 0, 0);
        grid->addWidget(buildIconFrame(page), 1, 0);
        return page;
    }
    auto* nameForm = new QFormLayout;
    labelled(nameForm, QStringLiteral("Name"), addBox(UnitField::Name, QStringLiteral("txtName")));
    grid->addLayout(nameForm, 0, 0, 1, 2);
    const auto frame = [&](const QString& title, UnitField value, UnitField error,
                           const QString& valueName, const QString& errorName) {
        auto* group = new QGroupBox(title, page);
        auto* form = new QFormLayout(group);
        labelled(form, QStringLiteral("Value"), addBox(value, valueName));
        labelled(form, QStringLiteral("Error"), addBox(error, errorName));
        // "Value" and "Error" twice: a screen reader names the frame too.
        box(value)->setAccessibleName(title + QStringLiteral(" value"));
        box(error)->setAccessibleName(title + QStringLiteral(" error"));
        return group;
    };
    grid->addWidget(frame(QStringLiteral("Ratio"), UnitField::Ratio, UnitField::RatioError,
                          QStringLiteral("txtRate"), QStringLiteral("txtRateError")),
                    1, 0);
    grid->addWidget(frame(QStringLiteral("Offset"), UnitField::Offset, UnitField::OffsetError,
                          QStringLiteral("txtOffset"), QStringLiteral("txtOffsetError")),
                    1, 1);
    grid->addWidget(buildIconFrame(page), 2, 0, 1, 2);
    return page;
}

QWidget* UnitPropertiesDialog::buildIconFrame(QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("Icon"), parent);
    auto* grid = new QGridLayout(frame);
    iconGroup_ = new QButtonGroup(frame);
    const int side = fontMetrics().height() * 2;
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Image1[k] = new QLabel(frame);
        Image1[k]->setObjectName(QStringLiteral("Image1_%1").arg(i));
        Image1[k]->setPixmap(
            QIcon(QStringLiteral(":/icons/unit%1.svg").arg(i + 1)).pixmap(side, side));
        Image1[k]->setAccessibleName(QStringLiteral("Icon %1").arg(i + 1));
        Image1[k]->installEventFilter(this); // a click on a picture chooses its icon
        optColor[k] = new QRadioButton(frame);
        optColor[k]->setObjectName(QStringLiteral("optColor_%1").arg(i));
        optColor[k]->setAccessibleName(QStringLiteral("Icon %1").arg(i + 1));
        optColor[k]->installEventFilter(this);
        iconGroup_->addButton(optColor[k], i);
        grid->addWidget(Image1[k], 0, i, Qt::AlignHCenter);
        grid->addWidget(optColor[k], 1, i, Qt::AlignHCenter);
    }
    return frame;
}

QWidget* UnitPropertiesDialog::buildMemoPage() {
    auto* page = new QWidget(this);
    auto* box = new QVBoxLayout(page);
    auto* label = new QLabel(QStringLiteral("Max. 256 characters"), page);
    txtMemo = new QPlainTextEdit(page);
    txtMemo->setObjectName(QStringLiteral("txtMemo"));
    txtMemo->setTabChangesFocus(true);
    txtMemo->setAccessibleName(QStringLiteral("Memo"));
    txtMemo->installEventFilter(this);
    label->setBuddy(txtMemo);
    box->addWidget(label);
    box->addWidget(txtMemo);
    return page;
}

void UnitPropertiesDialog::fillBoxes() {
    const UnitFieldTexts t = unitFieldTexts(request_);
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i]) boxes_[i]->setText(qs(t.text[i]));
    txtMemo->setPlainText(qs(t[UnitField::Memo]));
    optColor[static_cast<std::size_t>(t.option)]->setChecked(true);
    if (numberBoxesEnabled(request_)) return;
    // A number system: only the name, the icon and the memo can change.
    for (UnitField f :
         {UnitField::Ratio, UnitField::RatioError, UnitField::Offset, UnitField::OffsetError}) {
        QLineEdit* e = box(f);
        e->setEnabled(false);
        QPalette pal = e->palette();
        pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Button));
        e->setPalette(pal);
    }
}

void UnitPropertiesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { focusField(UnitField::Name); });
}

bool UnitPropertiesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* e = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, e, &QLineEdit::selectAll);
        if (watched == txtMemo) QTimer::singleShot(0, txtMemo, &QPlainTextEdit::selectAll);
        // Tab into the icons lands on the chosen one.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        QAbstractButton* chosen = iconGroup_->checkedButton();
        if (qobject_cast<QRadioButton*>(watched) && chosen && watched != chosen &&
            (why == Qt::TabFocusReason || why == Qt::BacktabFocusReason))
            QTimer::singleShot(0, chosen, [chosen, why] { chosen->setFocus(why); });
    }
    if (event->type() == QEvent::MouseButtonPress)
        for (std::size_t i = 0; i < Image1.size(); ++i)
            if (watched == Image1[i]) optColor[i]->setChecked(true);
    return QDialog::eventFilter(watched, event);
}

void UnitPropertiesDialog::tabChosen(int index) {
    // On the memo page Enter starts a new line instead of pressing OK.
    cmdOK->setDefault(index == 0);
    cmdOK->setAutoDefault(index == 0);
    if (index == 0)
        focusField(UnitField::Name);
    else
        txtMemo->setFocus(Qt::TabFocusReason);
}

void UnitPropertiesDialog::focusField(UnitField f) {
    if (f == UnitField::Memo) {
        tabs_->setCurrentIndex(1);
        txtMemo->setFocus(Qt::OtherFocusReason);
        return;
    }
    tabs_->setCurrentIndex(0);
    if (QLineEdit* e = box(f)) {
        e->setFocus(Qt::OtherFocusReason);
        e->selectAll();
    }
}

UnitFieldTexts UnitPropertiesDialog::texts() const {
    UnitFieldTexts t;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i]) t.text[i] = boxes_[i]->text().toStdString();
    t[UnitField::Memo] = txtMemo->toPlainText().toStdString();
    t.option = std::max(iconGroup_->checkedId(), 0);
    return t;
}

void UnitPropertiesDialog::accept() {
    UnitFieldsOutcome outcome = unitRecordFromFields(texts(), request_);
    if (!outcome.record) {
        prompt_->message(outcome.message, kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
        focusField(outcome.field);
        return;
    }
    result_ = std::move(outcome.record);
    QDialog::accept();
}

std::optional<UnitRecord> runUnitPropertiesDialog(QWidget* parent, const UnitDialogRequest& request,
                                                  UserPrompt* prompt) {
    UnitPropertiesDialog d(parent, request, prompt);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.result();
}

} // namespace qm
