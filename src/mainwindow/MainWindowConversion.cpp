// Converting: choosing the two units, the boxes, swapping, copy and paste.
#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <functional>
#include <memory>
#include <utility>

namespace qm {

namespace {

// Routes every paste into the convert-from box (the paste keys, the box's own
// menu, the middle button) through the window, which cleans the text first.
class InputPasteFilter : public QObject {
  public:
    InputPasteFilter(QLineEdit* box, std::function<void(const QString&)> paste)
        : QObject(box), box_(box), paste_(std::move(paste)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_) return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
            paste_(QGuiApplication::clipboard()->text());
            return true;
        case QEvent::ContextMenu:
            showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::MouseButtonRelease: {
            const QClipboard* clip = QGuiApplication::clipboard();
            if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
                !clip->supportsSelection())
                return false;
            paste_(clip->text(QClipboard::Selection));
            return true;
        }
        default:
            return false;
        }
    }

  private:
    void showMenu(const QPoint& at) {
        const std::unique_ptr<QMenu> menu(box_->createStandardContextMenu());
        if (QAction* paste = pasteAction(*menu)) {
            paste->disconnect();
            connect(paste, &QAction::triggered, this,
                    [this] { paste_(QGuiApplication::clipboard()->text()); });
        }
        menu->exec(at);
    }

    // The Paste item of the box's standard menu: by its name where Qt gives
    // one, otherwise by the paste keys shown after its text.
    static QAction* pasteAction(const QMenu& menu) {
        const QString keys = QLatin1Char('\t') +
                             QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* a : menu.actions())
            if (a->objectName() == QLatin1String("edit-paste") || a->text().endsWith(keys))
                return a;
        return nullptr;
    }

    QLineEdit* box_;
    std::function<void(const QString&)> paste_;
};

} // namespace

void MainWindow::setPanel(int panel, const QString& text) {
    if (panel < 1 || panel > 4) return;
    panels_[static_cast<std::size_t>(panel - 1)]->setText(text);
    namePanel(panel);
    if (panel == 2 || panel == 4) {
        showUnitMarks();
        showBoxPlaceholders();
    }
}

UnitChoice MainWindow::unitChoice() const {
    const Selection& sel = program_.sel;
    return {panelText(2).toStdString(), panelText(4).toStdString(), sel.pnConvFromIndex,
            sel.pnConvIntoIndex};
}

void MainWindow::showBoxPlaceholders() {
    const Program& p = program_;
    const BoxPlaceholders b =
        boxPlaceholders(unitChoice(), unitsSelectable(p.table, p.pnSelNodeIndex()));
    // A narrow box cuts its placeholder off: the tooltip holds it in full.
    for (auto [box, text] : {std::pair{txtInput, &b.input}, std::pair{txtOutput, &b.output}}) {
        box->setPlaceholderText(QString::fromStdString(*text));
        box->setToolTip(QString::fromStdString(*text));
    }
}

void MainWindow::installInputAids() {
    txtInput->installEventFilter(new InputPasteFilter(
        txtInput, [this](const QString& clip) { pasteIntoInput(clip, false); }));
}

// A paste replaces the whole box (the Edit menu) or the selection (in the box).
void MainWindow::pasteIntoInput(const QString& clip, bool replaceAll) {
    const QString text = QString::fromStdString(pastedInputText(clip.toStdString()));
    if (replaceAll)
        txtInput->setText(text);
    else
        txtInput->insert(text);
}

void MainWindow::chooseUnit(bool into, int16_t unit, const QString& name) {
    Program& p = program_;
    QString shown = name;
    if (shown.isEmpty() && p.sel.pnSelGroupIndex >= 0 && unit >= 0 && unit <= p.table.unitDim())
        shown = QString::fromStdString(p.table.unit(p.sel.pnSelGroupIndex, unit).Name);
    if (into) {
        p.sel.pnConvIntoIndex = unit;
        setPanel(4, shown);
    } else {
        p.sel.pnConvFromIndex = unit;
        setPanel(2, shown);
    }
}

void MainWindow::pClearConversion() {
    setPanel(2, QString());
    setPanel(4, QString());
    txtOutput->clear();
}

void MainWindow::convertIfReady() {
    const Program& p = program_;
    const UnitChoice c{panelText(2).toStdString(), panelText(4).toStdString(),
                       p.sel.pnConvFromIndex, p.sel.pnConvIntoIndex};
    if (conversionReady(p.table, p.pnSelNodeIndex(), p.sel.pnSelGroupIndex, c)) pExecConversion();
}

void MainWindow::pExecConversion() {
    const Program& p = program_;
    ConversionInput in;
    in.fromText = txtInput->text().toStdString();
    in.pnConvFromIndex = p.sel.pnConvFromIndex;
    in.pnConvIntoIndex = p.sel.pnConvIntoIndex;
    in.pnSelNodeIndex = p.pnSelNodeIndex();
    in.pnSelGroupIndex = p.sel.pnSelGroupIndex;
    const std::optional<std::string> out = qm::pExecConversion(p.table, in, p.settings.numberStyle,
                                                               p.decimal, program_.engine, prompt_);
    if (!out) return;
    txtOutput->setText(QString::fromStdString(*out));
    // A result wider than the box shows its beginning, not the end of its error.
    txtOutput->setCursorPosition(0);
}

void MainWindow::outputChanged(const QString& text) {
    if (mnuEditCopyArray[0]) mnuEditCopyArray[0]->setEnabled(!text.trimmed().isEmpty());
}

void MainWindow::swapUnits() {
    Program& p = program_;
    UnitChoice c{panelText(2).toStdString(), panelText(4).toStdString(), p.sel.pnConvFromIndex,
                 p.sel.pnConvIntoIndex};
    qm::swapUnits(c);
    setPanel(2, QString::fromStdString(c.fromName));
    setPanel(4, QString::fromStdString(c.intoName));
    p.sel.pnConvFromIndex = c.from;
    p.sel.pnConvIntoIndex = c.into;
    showUnitMarks();
    convertIfReady();
}

bool MainWindow::arrowMousePress(QMouseEvent* e) {
    if (e->button() != Qt::RightButton) return false;
    if (bothUnitsChosen()) mnuSwap->popup(e->globalPosition().toPoint());
    return true;
}

void MainWindow::mCopy(int n) {
    Program& p = program_;
    QClipboard* clip = QGuiApplication::clipboard();
    clip->clear();
    if (historyMenu_) historyMenu_->setEnabled(true);
    std::string clipText;
    std::string historyText;
    switch (n) {
    case 0: {
        const std::string output = txtOutput->text().toStdString();
        clipText = conversionClipText(output, p.settings.numberStyle.pbShowError);
        historyText =
            conversionHistoryText(txtInput->text().toStdString(), panelText(2).toStdString(),
                                  output, panelText(4).toStdString());
        break;
    }
    case 1: {
        const auto [formula, result] =
            calculatorTexts ? calculatorTexts() : std::pair<std::string, std::string>{};
        clipText = conversionClipText(result, false);
        historyText = calculationHistoryText(formula, result);
        break;
    }
    case 2:
        clipText = unitPropertiesText(p.table, p.sel.pnSelGroupIndex, p.sel.pnSelUnitIndex);
        historyText = clipText;
        break;
    default:
        return;
    }
    clip->setText(QString::fromStdString(clipText));
    p.history.add(historyText);
    emit historyChanged();
}

void MainWindow::mPaste(int n) {
    const QString text = QGuiApplication::clipboard()->text();
    if (n == 0)
        pasteIntoInput(text, true);
    else if (n == 1 && pasteCalculation)
        pasteCalculation(text.toStdString());
}

} // namespace qm
