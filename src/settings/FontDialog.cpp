#include "settings/FontDialog.h"

#include "auxwindows/HelpWindow.h"
#include "mainwindow/viewlogic.h"
#include "settings/DialogButtons.h"
#include "settings/fontchoice.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace qm {

namespace {

// The palette role that stands in for a system colour of the stored settings.
QPalette::ColorRole systemColorRole(int index) {
    switch (index) {
    case 0:
    case 12:
        return QPalette::Mid; // scroll bar, application workspace
    case 1:
    case 16:
        return QPalette::Dark; // desktop, button shadow
    case 2:
    case 13:
        return QPalette::Highlight; // active caption, highlight
    case 9:
    case 14:
        return QPalette::HighlightedText;
    case 5:
        return QPalette::Base; // window background
    case 7:
    case 8:
        return QPalette::Text; // menu text, window text
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 17:
        return QPalette::PlaceholderText; // grey text
    default:
        return QPalette::Window; // menu (4), button face (15) and the rest
    }
}

// The screen's fonts, read on the first opening and kept for the run.
const std::vector<std::string>& screenFonts() {
    static const std::vector<std::string> fonts = [] {
        std::vector<std::string> all;
        for (const QString& f : QFontDatabase::families())
            all.push_back(f.toStdString());
        return listedFonts(all);
    }();
    return fonts;
}

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QColor qtColor(int32_t value) {
    const ColorValue c = decodeColor(value);
    if (c.system) return QApplication::palette().color(systemColorRole(c.index));
    return QColor(c.red, c.green, c.blue);
}

QFont qtFont(const AreaStyles& styles, int area) {
    const auto a = static_cast<std::size_t>(area);
    QFont f(fromStd(styles.FontName[a]));
    f.setPointSize(styles.FontSize[a] > 0 ? styles.FontSize[a] : 8);
    f.setBold(styles.FontStyle[a][0] != 0);
    f.setItalic(styles.FontStyle[a][1] != 0);
    f.setUnderline(styles.FontStyle[a][2] != 0);
    return f;
}

std::function<std::optional<QColor>(const QColor&)> frmFont::colorPickerHook;

frmFont::frmFont(QWidget* parent, AreaStyles& working, int area, const QString& label,
                 const QString& helpFolder)
    : QDialog(parent), working_(working), area_(area), helpFolder_(helpFolder) {
    setObjectName(QStringLiteral("frmFont"));
    setWindowTitle(QStringLiteral(" Font and Color - ") + label);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    buildControls();
    layOut();
    showArea();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->geometry();
        move(room.x() + (room.width() - width()) / 2, room.y() + (room.height() - height()) / 2);
    }
}

void frmFont::buildControls() {
    cboFonts = new QComboBox(this);
    cboFonts->setObjectName(QStringLiteral("cboFonts"));
    cboFonts->setEditable(true);
    cboFonts->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& f : screenFonts())
        cboFonts->addItem(fromStd(f));
    cboSize = new QComboBox(this);
    cboSize->setObjectName(QStringLiteral("cboSize"));
    cboSize->setEditable(true);
    cboSize->setInsertPolicy(QComboBox::NoInsert);
    for (const char* s : kFontSizeItems)
        cboSize->addItem(QString::fromLatin1(s));
    const std::array<const char*, kFontStyleCount> styles{"Bold", "Italic", "Underline"};
    for (std::size_t i = 0; i < chkStyle.size(); ++i) {
        chkStyle[i] = new QCheckBox(QString::fromLatin1(styles[i]), this);
        chkStyle[i]->setObjectName(QStringLiteral("chkStyle%1").arg(i));
        connect(chkStyle[i], &QCheckBox::toggled, this, &frmFont::mUpdateSample);
    }
    cmdForeColor = new QPushButton(QStringLiteral("Text Color"), this);
    cmdForeColor->setObjectName(QStringLiteral("cmdForeColor"));
    cmdBackColor = new QPushButton(QStringLiteral("Background Color"), this);
    cmdBackColor->setObjectName(QStringLiteral("cmdBackColor"));
    picFontSample = new QFrame(this);
    picFontSample->setObjectName(QStringLiteral("picFontSample"));
    picFontSample->setFrameShape(QFrame::StyledPanel);
    picFontSample->setFrameShadow(QFrame::Sunken);
    picFontSample->setAutoFillBackground(true);
    lblSample = new QLabel(QStringLiteral("AaBbYyZz0123"), picFontSample);
    lblSample->setObjectName(QStringLiteral("lblSample"));
    lblSample->setAlignment(Qt::AlignCenter);
    picFontSample->setAccessibleName(QStringLiteral("Sample"));
    const DialogButtons buttonRow = makeDialogButtons(this);
    cmdOK = buttonRow.ok;
    cmdCancel = buttonRow.cancel;
    cmdHelp = buttonRow.help;

    connect(cboFonts, &QComboBox::activated, this, [this] {
        if (cboFonts->currentText().trimmed().isEmpty())
            cboFonts->setEditText(QStringLiteral("Arial"));
        mUpdateSample();
    });
    connect(cboSize, &QComboBox::activated, this, &frmFont::mUpdateSample);
    connect(cboSize->lineEdit(), &QLineEdit::textEdited, this, &frmFont::sizeEdited);
    connect(cmdForeColor, &QPushButton::clicked, this, [this] { pickColor(false); });
    connect(cmdBackColor, &QPushButton::clicked, this, [this] { pickColor(true); });
    connect(cmdOK, &QPushButton::clicked, this, &frmFont::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFont::reject);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { HelpWindow::showHelp(this, helpFolder_, 31); });
}

void frmFont::layOut() {
    auto* fontLabel = new QLabel(QStringLiteral("&Font"), this);
    fontLabel->setBuddy(cboFonts);
    auto* sizeLabel = new QLabel(QStringLiteral("&Size"), this);
    sizeLabel->setBuddy(cboSize);
    cboFonts->setMinimumWidth(fontMetrics().averageCharWidth() * 26);
    cboSize->setMinimumWidth(fontMetrics().averageCharWidth() * 7);

    auto* style = new QGroupBox(QStringLiteral("St&yle"), this);
    auto* styleBox = new QVBoxLayout(style);
    for (QCheckBox* c : chkStyle)
        styleBox->addWidget(c);
    auto* colour = new QGroupBox(QStringLiteral("&Color"), this);
    auto* colourBox = new QVBoxLayout(colour);
    colourBox->addWidget(cmdForeColor);
    colourBox->addWidget(cmdBackColor);
    colourBox->addStretch();
    auto* sampleFrame = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleBox = new QVBoxLayout(sampleFrame);
    sampleBox->addWidget(picFontSample);
    auto* inner = new QVBoxLayout(picFontSample);
    inner->addWidget(lblSample, 0, Qt::AlignCenter);
    picFontSample->setMinimumSize(fontMetrics().averageCharWidth() * 30,
                                  fontMetrics().height() * 4);

    auto* grid = new QGridLayout;
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(sizeLabel, 0, 1);
    grid->addWidget(cboFonts, 1, 0);
    grid->addWidget(cboSize, 1, 1);
    grid->addWidget(style, 2, 0);
    grid->addWidget(colour, 2, 1);
    grid->addWidget(sampleFrame, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdOK, cmdCancel, cmdHelp})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addLayout(grid, 1);
    row->addLayout(buttons);
}

// The area's working values, brought into range, shown in the controls.
void frmFont::showArea() {
    normaliseArea(working_, area_);
    const auto a = static_cast<std::size_t>(area_);
    cboFonts->setEditText(fromStd(working_.FontName[a]));
    cboSize->setEditText(fromStd(sizeBoxText(working_.FontSize[a])));
    for (std::size_t i = 0; i < chkStyle.size(); ++i) {
        const QSignalBlocker block(chkStyle[i]);
        chkStyle[i]->setChecked(working_.FontStyle[a][i] != 0);
    }
    QPalette back = picFontSample->palette();
    back.setColor(QPalette::Window, qtColor(working_.BackColor[a]));
    picFontSample->setPalette(back);
    QPalette text = lblSample->palette();
    text.setColor(QPalette::WindowText, qtColor(working_.TextColor[a]));
    lblSample->setPalette(text);
    const AreaControls allowed = areaControls(area_);
    cboFonts->setEnabled(allowed.font);
    cboSize->setEnabled(allowed.font);
    for (QCheckBox* c : chkStyle)
        c->setEnabled(allowed.style);
    cmdForeColor->setEnabled(allowed.colour);
    cmdBackColor->setEnabled(allowed.colour);
    mUpdateSample();
}

void frmFont::mUpdateSample() {
    QFont f(cboFonts->currentText().trimmed());
    const int size = qRound(cboSize->currentText().trimmed().toDouble());
    f.setPointSize(size > 0 ? size : 8);
    f.setBold(chkStyle[0]->isChecked());
    f.setItalic(chkStyle[1]->isChecked());
    f.setUnderline(chkStyle[2]->isChecked());
    lblSample->setFont(f);
    lblSample->adjustSize();
}

void frmFont::sizeEdited(const QString& text) {
    if (const std::optional<std::string> limited = limitTypedSize(text.toStdString()))
        cboSize->setEditText(fromStd(*limited));
    mUpdateSample();
}

// A chosen colour goes into the working copy at once (Cancel keeps it).
void frmFont::pickColor(bool back) {
    int32_t& value =
        (back ? working_.BackColor : working_.TextColor)[static_cast<std::size_t>(area_)];
    const QColor current = qtColor(value);
    std::optional<QColor> chosen;
    if (colorPickerHook) {
        chosen = colorPickerHook(current);
    } else {
        const QColor c = QColorDialog::getColor(current, this);
        if (c.isValid()) chosen = c;
    }
    if (!chosen) return;
    value = colorValue(chosen->red(), chosen->green(), chosen->blue());
    QWidget* target = back ? static_cast<QWidget*>(picFontSample) : lblSample;
    QPalette pal = target->palette();
    pal.setColor(back ? QPalette::Window : QPalette::WindowText, *chosen);
    target->setPalette(pal);
    cmdOK->setFocus();
}

void frmFont::accept() {
    FontChoice c{cboFonts->currentText().toStdString(), cboSize->currentText().toStdString(), {}};
    for (std::size_t i = 0; i < chkStyle.size(); ++i)
        c.style[i] = chkStyle[i]->isChecked() ? 1 : 0;
    if (const std::optional<std::string> message = applyFontChoice(working_, area_, c)) {
        QMessageBox::warning(this, QStringLiteral(" Quantimetrix"), fromStd(*message));
        cboSize->setFocus();
        cboSize->lineEdit()->selectAll();
        return;
    }
    QDialog::accept();
}

// A plain letter acts like an access key while the focus is outside the boxes.
void frmFont::keyPressEvent(QKeyEvent* e) {
    const QWidget* focus = focusWidget();
    const bool inBox = focus && (cboFonts->isAncestorOf(focus) || focus == cboFonts ||
                                 cboSize->isAncestorOf(focus) || focus == cboSize);
    const QString text = e->text();
    if (!inBox && e->modifiers() == Qt::NoModifier && text.size() == 1 && text[0].unicode() < 128) {
        if (const std::optional<AccessKey> key =
                fontAccessKey(static_cast<char>(text[0].unicode()))) {
            auto* target = findChild<QWidget*>(QString::fromLatin1(key->control));
            if (target && target->isEnabled()) {
                setAttribute(Qt::WA_KeyboardFocusChange); // shows the focus frame
                target->setFocus();
                if (key->act == AccessKey::Act::Toggle)
                    if (auto* box = qobject_cast<QCheckBox*>(target)) box->toggle();
            }
            return;
        }
    }
    QDialog::keyPressEvent(e);
}

} // namespace qm
