#include "settings/OptionsDialog.h"

#include "auxwindows/HelpWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"
#include "mainwindow/menustate.h"
#include "settings/DialogButtons.h"
#include "settings/FontDialog.h"
#include "settings/fontchoice.h"
#include "table/fileio.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm {

namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QRadioButton* radio(QWidget* parent, const QString& name, const char* caption) {
    auto* r = new QRadioButton(QString::fromUtf8(caption), parent);
    r->setObjectName(name);
    return r;
}

int16_t on(const QCheckBox* c) {
    return c->isChecked() ? 1 : 0;
}

} // namespace

frmOptions::frmOptions(MainWindow& w) : QDialog(&w), w_(w) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral(" Options"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    TabStrip1 = new QTabWidget(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->addTab(buildNumberPage(), QStringLiteral("Number Style"));
    TabStrip1->addTab(buildGeneralPage(), QStringLiteral("General"));
    const DialogButtons buttonRow = makeDialogButtons(this);
    cmdOK = buttonRow.ok;
    cmdCancel = buttonRow.cancel;
    cmdHelp = buttonRow.help;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdCancel, cmdHelp})
        buttons->addWidget(b);
    auto* box = new QVBoxLayout(this);
    box->addWidget(TabStrip1);
    box->addLayout(buttons);
    box->setSizeConstraint(QLayout::SetFixedSize);

    wire();
    setTabOrders();
    const Settings& s = w.program().settings;
    showValues(optionValuesOf(s));
    working_ = areaStylesOf(s);
    TabStrip1->setCurrentIndex(0);
}

QWidget* frmOptions::buildDigitsFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Significant &Digits"));
    sliDigits = new QSlider(Qt::Horizontal, frame);
    sliDigits->setObjectName(QStringLiteral("sliDigits"));
    sliDigits->setRange(kMinDigits, kMaxDigits);
    sliDigits->setPageStep(1);
    sliDigits->setTickPosition(QSlider::TicksBelow);
    sliDigits->setTickInterval(1);
    sliDigits->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    sliDigits->setAccessibleName(QStringLiteral("Significant digits"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(sliDigits, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("4"), frame), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("8"), frame), 1, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("12"), frame), 1, 2, Qt::AlignRight);
    return frame;
}

QWidget* frmOptions::buildNumberPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("picPage0"));
    auto* notation = new QGroupBox(QStringLiteral("N&otation"), page);
    optFormat = {radio(notation, QStringLiteral("optFormat0"), "&Normal"),
                 radio(notation, QStringLiteral("optFormat1"), "&Scientific")};
    auto* notationBox = new QVBoxLayout(notation);
    for (QRadioButton* r : optFormat)
        notationBox->addWidget(r);
    auto* powerLabel = new QLabel(
        QStringLiteral("Us&e Scientific Notation for Numbers above 10^N or below 10^(-N):"), page);
    powerLabel->setWordWrap(true);
    cboPower = new QComboBox(page);
    cboPower->setObjectName(QStringLiteral("cboPower"));
    for (const char* item : kPowerItems)
        cboPower->addItem(QString::fromLatin1(item));
    powerLabel->setBuddy(cboPower);
    cboPower->setAccessibleName(QStringLiteral("Scientific notation beyond 10 to the power N"));
    auto* powerRow = new QHBoxLayout;
    powerRow->addWidget(new QLabel(QStringLiteral("N ="), page));
    powerRow->addWidget(cboPower);
    powerRow->addStretch();
    chkInteger = checkBox(page, "chkInteger", "Show Number Always in &Integer Format");
    chkShowError = checkBox(page, "chkShowError", "Show &Rounding Error");
    auto* previewFrame = new QGroupBox(QStringLiteral("Preview"), page);
    lblPreview = new QLabel(previewFrame);
    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    lblPreview->setTextFormat(Qt::PlainText);
    lblPreview->setAlignment(Qt::AlignCenter);
    lblPreview->setAccessibleName(QStringLiteral("Preview"));
    auto* previewBox = new QVBoxLayout(previewFrame);
    previewBox->addWidget(lblPreview);

    auto* top = new QHBoxLayout;
    top->addWidget(buildDigitsFrame(), 3);
    top->addWidget(notation, 2);
    auto* box = new QVBoxLayout(page);
    box->addLayout(top);
    box->addWidget(powerLabel);
    box->addLayout(powerRow);
    box->addWidget(chkInteger);
    box->addWidget(chkShowError);
    box->addWidget(previewFrame);
    box->addStretch();
    return page;
}

QWidget* frmOptions::buildGeneralPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("picPage1"));
    chkEnableModify = checkBox(page, "chkEnableModify", "&Allow Modification to Conversion Table");
    chkSavePos = checkBox(page, "chkSavePos", "Save Window &Position and Size");
    chkShowToolbar = checkBox(page, "chkShowToolbar", "Show Tool&bar");
    chkShowMenubar = checkBox(page, "chkShowMenubar", "Show &Menu Bar");
    chkShowGrid = checkBox(page, "chkShowGrid", "Show &Grid Lines in Detailed Unit List");
    chkStayTop = checkBox(page, "chkStayTop", "Show Main Window Always on &Top");
    cboFonts = new QComboBox(page);
    cboFonts->setObjectName(QStringLiteral("cboFonts"));
    for (const char* label : kFontAreaLabels)
        cboFonts->addItem(QString::fromLatin1(label));
    auto* fontsLabel = new QLabel(QStringLiteral("&Font and Color:"), page);
    fontsLabel->setBuddy(cboFonts);
    auto* fontsRow = new QHBoxLayout;
    fontsRow->addWidget(fontsLabel);
    fontsRow->addWidget(cboFonts, 1);

    auto* calc = new QGroupBox(QStringLiteral("&Calculator"), page);
    optCalc = {radio(calc, QStringLiteral("optCalc0"), "Built-in (Nati&ve)"),
               radio(calc, QStringLiteral("optCalc1"), " &Windows'"),
               radio(calc, QStringLiteral("optCalc2"), "C&ustom")};
    auto* calcBox = new QHBoxLayout(calc);
    for (QRadioButton* r : optCalc)
        calcBox->addWidget(r);
    Frame5 = new QGroupBox(QStringLiteral("Full Path to Custom E&xecutable File"), page);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    txtCalcPath = new QLineEdit(Frame5);
    txtCalcPath->setObjectName(QStringLiteral("txtCalcPath"));
    txtCalcPath->setAccessibleName(QStringLiteral("Full path to custom executable file"));
    cmdBrowse = new QPushButton(QStringLiteral("Browse..."), Frame5);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);
    auto* pathRow = new QHBoxLayout(Frame5);
    pathRow->addWidget(txtCalcPath, 1);
    pathRow->addWidget(cmdBrowse);

    auto* box = new QVBoxLayout(page);
    for (QCheckBox* c :
         {chkEnableModify, chkSavePos, chkShowToolbar, chkShowMenubar, chkShowGrid, chkStayTop})
        box->addWidget(c);
    box->addLayout(fontsRow);
    box->addWidget(calc);
    box->addWidget(Frame5);
    box->addStretch();
    return page;
}

void frmOptions::wire() {
    connect(sliDigits, &QSlider::valueChanged, this, &frmOptions::mShowPreview);
    for (QRadioButton* r : optFormat)
        connect(r, &QRadioButton::toggled, this, &frmOptions::mShowPreview);
    connect(chkShowError, &QCheckBox::toggled, this, &frmOptions::mShowPreview);
    connect(chkInteger, &QCheckBox::toggled, this, &frmOptions::integerToggled);
    connect(chkShowMenubar, &QCheckBox::toggled, this, &frmOptions::barToggled);
    connect(chkShowToolbar, &QCheckBox::toggled, this, &frmOptions::barToggled);
    for (std::size_t i = 0; i < optCalc.size(); ++i)
        connect(optCalc[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) calcChosen(static_cast<int>(i));
        });
    connect(cmdBrowse, &QPushButton::clicked, this, &frmOptions::browse);
    connect(cboFonts, &QComboBox::activated, this, [this](int item) {
        if (arrowKeys_) {
            arrowKeys_ = false;
            return;
        }
        editFont(item);
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        HelpWindow::showHelp(this, QString::fromStdString(w_.program().programFolder), 30);
    });
    cboFonts->installEventFilter(this);
    for (QCheckBox* c : {chkShowError, chkInteger, chkEnableModify, chkSavePos, chkShowToolbar,
                         chkShowMenubar, chkShowGrid, chkStayTop})
        c->installEventFilter(this);
}

// Each page's controls in their order, then the buttons; the hidden page's
// controls are passed over.
void frmOptions::setTabOrders() {
    const std::vector<QWidget*> order{
        chkShowError,    chkInteger, cboPower,       optFormat[0],   optFormat[1], sliDigits,
        chkEnableModify, chkSavePos, chkShowToolbar, chkShowMenubar, chkShowGrid,  chkStayTop,
        cboFonts,        optCalc[0], optCalc[1],     optCalc[2],     txtCalcPath,  cmdBrowse,
        cmdOK,           cmdCancel,  cmdHelp};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmOptions::showValues(const OptionValues& v) {
    optCalc[static_cast<std::size_t>(v.CalcType >= 0 && v.CalcType <= 2 ? v.CalcType : 0)]
        ->setChecked(true);
    Frame5->setEnabled(v.CalcType == 2);
    txtCalcPath->setText(QString::fromStdString(v.CalcPath));
    chkShowError->setChecked(v.ShowError);
    chkInteger->setChecked(v.Integer != 0);
    const int power = cboPower->findText(QString::fromStdString(v.power), Qt::MatchEndsWith);
    cboPower->setCurrentIndex(power >= 0 ? power : cboPower->findText(QStringLiteral(" 6")));
    optFormat[v.NumFormat != 0 ? 1 : 0]->setChecked(true);
    sliDigits->setValue(v.Digits);
    chkEnableModify->setChecked(v.Modify != 0);
    chkSavePos->setChecked(v.SaveWindowSize != 0);
    chkShowMenubar->setChecked(v.ShowMenubar != 0);
    chkShowToolbar->setChecked(v.ShowToolbar != 0);
    chkShowGrid->setChecked(v.ShowGridLines != 0);
    chkStayTop->setChecked(v.StayTop != 0);
    integerToggled();
    barToggled();
}

OptionValues frmOptions::values() const {
    OptionValues v;
    v.Digits = static_cast<int16_t>(sliDigits->value());
    v.NumFormat = optFormat[1]->isChecked() ? 1 : 0;
    v.power = cboPower->currentText().toStdString();
    v.Integer = on(chkInteger);
    v.ShowError = chkShowError->isChecked();
    v.Modify = on(chkEnableModify);
    v.SaveWindowSize = on(chkSavePos);
    v.ShowToolbar = on(chkShowToolbar);
    v.ShowMenubar = on(chkShowMenubar);
    v.ShowGridLines = on(chkShowGrid);
    v.StayTop = on(chkStayTop);
    v.CalcType = optCalc[2]->isChecked() ? 2 : optCalc[1]->isChecked() ? 1 : 0;
    v.CalcPath = txtCalcPath->text().toStdString();
    v.styles = working_;
    return v;
}

void frmOptions::mShowPreview() {
    lblPreview->setText(QString::fromStdString(optionsPreview(values(), w_.program().decimal)));
}

void frmOptions::integerToggled() {
    const bool free = !chkInteger->isChecked();
    sliDigits->setEnabled(free);
    for (QRadioButton* r : optFormat)
        r->setEnabled(free);
    mShowPreview();
}

void frmOptions::barToggled() {
    const BarBoxes b = barBoxes(chkShowMenubar->isChecked(), chkShowToolbar->isChecked());
    chkShowMenubar->setChecked(b.menubarChecked);
    chkShowToolbar->setChecked(b.toolbarChecked);
    chkShowMenubar->setEnabled(b.menubarEnabled);
    chkShowToolbar->setEnabled(b.toolbarEnabled);
}

// Another calculator than the built-in one takes the calculation commands
// away at once, whether OK follows or not.
void frmOptions::calcChosen(int i) {
    Frame5->setEnabled(i == 2);
    if (i == 0) return;
    if (MainWindowCommands* c = w_.commands()) {
        c->enableCalculationCommands(false, false);
        for (const char* key : {"CopyCalc", "PasteCalc"})
            if (QAction* b = c->button(QString::fromLatin1(key))) b->setEnabled(false);
    }
}

void frmOptions::browse() {
    const Program& p = w_.program();
    QFileDialog dialog(
        this, QStringLiteral(" Open Calculator Executable File"),
        QString::fromStdString(folderPart(txtCalcPath->text().toStdString(), p.programFolder)),
        QString::fromStdString(
            qtFileFilter("Executable Files (*.exe)|*.exe|All Files (*.*)|*.*|")));
    dialog.setObjectName(QStringLiteral("dlgBrowse"));
    dialog.setFileMode(QFileDialog::ExistingFile);
#ifndef Q_OS_WIN
    dialog.selectNameFilter(QStringLiteral("All Files (*)")); // programs here have no .exe
#endif
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        txtCalcPath->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

void frmOptions::editFont(int item) {
    if (item < 0 || item >= kAreaCount) return;
    frmFont d(this, working_, kFontAreaOfItem[static_cast<std::size_t>(item)],
              cboFonts->itemText(item), QString::fromStdString(w_.program().programFolder));
    if (d.exec() == QDialog::Accepted) cmdOK->setFocus();
}

bool frmOptions::fontsKey(QKeyEvent* e) {
    const int key = e->key();
    const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && !(e->modifiers() & Qt::AltModifier)) arrowKeys_ = true;
    if ((arrow && (e->modifiers() & Qt::AltModifier)) || key == Qt::Key_F4 || key == Qt::Key_Space)
        arrowKeys_ = false; // the list opens: a choice there counts
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    editFont(cboFonts->currentIndex());
    return true;
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == cboFonts) {
        if (type == QEvent::KeyPress) return fontsKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::Wheel) arrowKeys_ = true;             // the wheel browses too
        if (type == QEvent::MouseButtonPress) arrowKeys_ = false; // opens the list
        return false;
    }
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* box = qobject_cast<QCheckBox*>(watched);
        if (box && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (box->isEnabled()) box->toggle();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (e->modifiers() == Qt::NoModifier && text.size() == 1 && text[0].isLetter()) {
        handleAccessKey(text);
        return;
    }
    QDialog::keyPressEvent(e);
}

// A letter acts on its control wherever the focus is, except in the boxes
// that take letters themselves.
void frmOptions::handleAccessKey(const QString& text) {
    const QWidget* focus = focusWidget();
    if (focus == cboFonts || focus == cboPower || focus == txtCalcPath) return;
    if (text[0].unicode() >= 128) return;
    const std::optional<AccessKey> key = optionsAccessKey(static_cast<char>(text[0].unicode()));
    if (!key) return;
    auto* target = findChild<QWidget*>(QString::fromLatin1(key->control));
    if (!target || !target->isEnabled()) return;
    setAttribute(Qt::WA_KeyboardFocusChange); // the focus frame shows where the key went
    target->setFocus();
    if (key->act == AccessKey::Act::Toggle) {
        if (auto* box = qobject_cast<QCheckBox*>(target)) box->toggle();
    } else if (key->act == AccessKey::Act::Select) {
        if (auto* button = qobject_cast<QRadioButton*>(target)) button->setChecked(true);
    } else if (key->act == AccessKey::Act::SelectText) {
        txtCalcPath->selectAll();
    }
}

void frmOptions::accept() {
    w_.applyOptions(values());
    QDialog::accept();
}

void frmOptions::done(int r) {
    QDialog::done(r);
    w_.pRestoreTopmost();
}

frmOptions* frmOptions::openFor(const MainWindow& w) {
    // A closed dialog may linger until it is deleted: only a shown one counts.
    for (frmOptions* d : w.findChildren<frmOptions*>(QString(), Qt::FindDirectChildrenOnly))
        if (d->isVisible()) return d;
    return nullptr;
}

frmOptions* frmOptions::showFor(MainWindow& w) {
    frmOptions* d = openFor(w);
    if (!d) {
        d = new frmOptions(w);
        d->adjustSize();
        if (const QScreen* screen = w.screen()) {
            const QRect room = screen->geometry();
            d->move(room.x() + (room.width() - d->width()) / 2,
                    room.y() + (room.height() - d->height()) / 2);
        }
    }
    d->show();
    d->raise();
    d->activateWindow();
    return d;
}

} // namespace qm
