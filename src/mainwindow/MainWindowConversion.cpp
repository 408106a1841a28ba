// Converting: choosing the two units, the boxes, swapping, copy and paste.
#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace qm {

void MainWindow::setPanel(int panel, const QString& text) {
    if (panel >= 1 && panel <= 4) panels_[static_cast<std::size_t>(panel - 1)]->setText(text);
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
    if (out) txtOutput->setText(QString::fromStdString(*out));
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
        txtInput->setText(text);
    else if (n == 1 && pasteCalculation)
        pasteCalculation(text.toStdString());
}

} // namespace qm
