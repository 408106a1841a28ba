#include "calculator/CalculatorDialog.h"

#include "calculator/evaluator.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr int kMinResultWidth = 110;

#ifdef Q_OS_WIN
constexpr bool kWindowsHost = true;
#else
constexpr bool kWindowsHost = false;
#endif

// A program named without a folder is looked up on the search path.
bool programExists(const std::string& program) {
    const QString p = QString::fromStdString(program);
    if (p.contains(QLatin1Char('/')) || p.contains(QLatin1Char('\\'))) {
        const QFileInfo f(p);
        return f.isFile() && f.isExecutable();
    }
    return !QStandardPaths::findExecutable(p).isEmpty();
}

} // namespace

CalculatorDialog::CalculatorDialog(MainWindow& w, UserPrompt& prompt)
    : QDialog(&w), w_(w), prompt_(prompt) {
    setObjectName(QStringLiteral("frmCalc"));
    setWindowTitle(QStringLiteral(" Calculator"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    cboInput = new QComboBox(this);
    cboInput->setObjectName(QStringLiteral("cboInput"));
    cboInput->setEditable(true);
    cboInput->setInsertPolicy(QComboBox::NoInsert);
    cboInput->setToolTip(QStringLiteral("Enter a calculation formula here."));
    cboInput->setAccessibleName(QStringLiteral("Formula"));
    cboInput->lineEdit()->setAccessibleName(QStringLiteral("Formula"));
    cmdExecCalc = new QPushButton(QStringLiteral("="), this);
    cmdExecCalc->setObjectName(QStringLiteral("cmdExecCalc"));
    cmdExecCalc->setToolTip(QStringLiteral("Right-click here to show the option menu."));
    cmdExecCalc->setAccessibleName(QStringLiteral("Calculate"));
    txtCalcResult = new QLineEdit(this);
    txtCalcResult->setObjectName(QStringLiteral("txtCalcResult"));
    txtCalcResult->setReadOnly(true);
    txtCalcResult->setAccessibleName(QStringLiteral("Result"));
    cmdReplace = new QPushButton(QStringLiteral("\u2191"), this);
    cmdReplace->setObjectName(QStringLiteral("cmdReplace"));
    cmdReplace->setToolTip(QStringLiteral("Click here to send the result to the input box."));
    cmdReplace->setAccessibleName(QStringLiteral("Send the result to the input box"));
    for (QPushButton* b : {cmdExecCalc, cmdReplace}) {
        b->setAutoDefault(false);
        b->setFixedWidth(b->fontMetrics().height() * 2 + 8);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(cboInput, 0, 0);
    grid->addWidget(cmdExecCalc, 0, 1);
    grid->addWidget(txtCalcResult, 1, 0);
    grid->addWidget(cmdReplace, 1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdExecCalc, &QPushButton::clicked, this, &CalculatorDialog::evaluate);
    connect(cmdReplace, &QPushButton::clicked, this, &CalculatorDialog::sendResult);
    connect(txtCalcResult, &QLineEdit::textChanged, this, &CalculatorDialog::resultChanged);
    connect(cboInput, &QComboBox::editTextChanged, this, &CalculatorDialog::formulaChanged);
    cmdExecCalc->installEventFilter(this);
    cboInput->installEventFilter(this); // the keys reach the box before its line
    cboInput->lineEdit()->installEventFilter(this);
    txtCalcResult->installEventFilter(this);

    w.calculatorTexts = [this] {
        return std::pair{cboInput->currentText().toStdString(),
                         txtCalcResult->text().toStdString()};
    };
    w.pasteCalculation = [this](const std::string& t) { pasteFormula(QString::fromStdString(t)); };
    fitWidths();
}

bool CalculatorDialog::mShowCalculator(MainWindow& w, UserPrompt& prompt) {
    const Settings& s = w.program().settings;
    if (s.pnCalcType != 1 && s.pnCalcType != 2) {
        showFor(w, prompt);
        return true;
    }
    const CalcLaunchPlan plan = calcLaunchPlan(s.pnCalcType, s.psCalcPath, kWindowsHost);
    const std::string program = firstFound(plan, programExists);
    if (program.empty() || !QProcess::startDetached(QString::fromStdString(program), {})) {
        prompt.message(calcMissingMessage(plan.failName), kDataTitle, MsgIcon::Exclamation,
                       MsgButtons::OK);
        return false;
    }
    return true;
}

CalculatorDialog* CalculatorDialog::showFor(MainWindow& w, UserPrompt& prompt) {
    auto* d = w.findChild<CalculatorDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!d) d = new CalculatorDialog(w, prompt);
    if (!d->isVisible()) d->placeAtStoredPosition();
    d->showNormal();
    d->raise();
    d->activateWindow();
    const Program& p = w.program();
    d->cboInput->setEditText(QString::fromStdString(
        calcStartText(w.outputBox()->text().toStdString(), p.settings.numberStyle.pbShowError)));
    d->cboInput->setFocus();
    d->cboInput->lineEdit()->deselect();
    d->cboInput->lineEdit()->end(false);
    return d;
}

bool CalculatorDialog::shownFor(const MainWindow& w) {
    const auto* d = w.findChild<CalculatorDialog*>(QString(), Qt::FindDirectChildrenOnly);
    return d && d->isVisible() && !d->isMinimized();
}

void CalculatorDialog::placeAtStoredPosition() {
    const Program& p = w_.program();
    const QPoint at(static_cast<int>(std::lround(p.settings.CalcLeft / p.twipsPerPixelX)),
                    static_cast<int>(std::lround(p.settings.CalcTop / p.twipsPerPixelY)));
    history_.clear();
    cboInput->clear();
    txtCalcResult->clear();
    adjustSize();
    // A place on no screen (a monitor now gone) gives way to one beside the main window.
    move(QGuiApplication::screenAt(at + QPoint(20, 20))
             ? at
             : w_.frameGeometry().topRight() + QPoint(8, 0));
}

void CalculatorDialog::evaluate() {
    const QString formula = cboInput->currentText();
    history_.add(formula.toStdString());
    {
        const QSignalBlocker block(cboInput);
        cboInput->clear();
        for (const std::string& e : history_.entries)
            cboInput->addItem(QString::fromStdString(e));
        cboInput->setEditText(formula);
    }
    const Program& p = w_.program();
    const CalcOptions options = w_.commands() ? w_.commands()->calcOptions() : CalcOptions{};
    txtCalcResult->setText(QString::fromStdString(mCalcResultText(
        formula.toStdString(), p.settings.numberStyle, options, p.decimal, prompt_)));
    fitWidths();
}

void CalculatorDialog::sendResult() {
    cboInput->setEditText(QString());
    cboInput->setEditText(txtCalcResult->text());
    cboInput->setFocus();
    cboInput->lineEdit()->end(false);
}

void CalculatorDialog::pasteFormula(const QString& text) {
    cboInput->setEditText(text);
    cboInput->setFocus();
    cboInput->lineEdit()->home(false);
}

void CalculatorDialog::resultChanged(const QString& text) {
    enableCopy(!text.trimmed().isEmpty());
}

void CalculatorDialog::formulaChanged(const QString&) {
    fitWidths();
}

// The boxes grow with their text, up to most of the screen, the result never
// narrower than its minimum.
void CalculatorDialog::fitWidths() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() * 3 / 4 : 1000;
    const QFontMetrics fm = fontMetrics();
    const int minimum = fm.horizontalAdvance(QLatin1Char('0')) * 16;
    const int formula = fm.horizontalAdvance(cboInput->currentText()) + 20 + fm.height() * 2;
    const int result = fm.horizontalAdvance(txtCalcResult->text()) + fm.height();
    const int width = std::clamp(std::max({formula, result, kMinResultWidth, minimum}),
                                 kMinResultWidth, std::max(room, kMinResultWidth));
    cboInput->setFixedWidth(width);
    txtCalcResult->setFixedWidth(width);
}

void CalculatorDialog::enableCopy(bool on) {
    if (MainWindowCommands* c = w_.commands()) c->enableCalculationCommands(on);
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdExecCalc && event->type() == QEvent::MouseButtonPress) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::RightButton && w_.commands()) {
            w_.commands()->menus.mnuMath->popup(e->globalPosition().toPoint());
            return true;
        }
    } else if ((watched == cboInput || watched == cboInput->lineEdit()) &&
               event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            evaluate();
            return true; // swallowed
        }
    } else if (watched == txtCalcResult && event->type() == QEvent::FocusIn) {
        if (!txtCalcResult->text().trimmed().isEmpty())
            QMetaObject::invokeMethod(txtCalcResult, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void CalculatorDialog::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange || !w_.commands()) return;
    if (isMinimized())
        w_.commands()->enableCalculationCommands(false, false);
    else
        resultChanged(txtCalcResult->text());
}

void CalculatorDialog::done(int r) {
    if (!isMinimized()) {
        Program& p = w_.program();
        p.settings.CalcLeft = static_cast<float>(pos().x() * p.twipsPerPixelX);
        p.settings.CalcTop = static_cast<float>(pos().y() * p.twipsPerPixelY);
    }
    history_.clear();
    if (w_.commands()) w_.commands()->enableCalculationCommands(false, false);
    QDialog::done(r);
}

} // namespace qm
