// The calculator window: a formula box with the history of the last
// formulas, an execute button, the result box and a button that sends the
// result back into the formula box. Modeless and on top; closing it ends its
// history. Also starts the external calculator the options choose.
#pragma once

#include "calculator/calcwindow.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qm {

class MainWindow;
class UserPrompt;

class CalculatorDialog : public QDialog {
    Q_OBJECT
  public:
    CalculatorDialog(MainWindow& w, UserPrompt& prompt);

    // Opens the calculator the options choose: this window, the system's
    // calculator or the user's program. False when a program could not be
    // started (the user was told).
    static bool mShowCalculator(MainWindow& w, UserPrompt& prompt);
    // Opens this window (made once per main window) with the convert-into value.
    static CalculatorDialog* showFor(MainWindow& w, UserPrompt& prompt);
    // The window is open and not minimised.
    static bool shownFor(const MainWindow& w);

    void evaluate();
    void sendResult();
    void pasteFormula(const QString& text);

    QComboBox* formulaBox() const { return cboInput; }
    QLineEdit* resultBox() const { return txtCalcResult; }
    QPushButton* execButton() const { return cmdExecCalc; }
    QPushButton* replaceButton() const { return cmdReplace; }
    const CalcHistory& history() const { return history_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* e) override;
    void done(int r) override;

  private:
    void resultChanged(const QString& text);
    void formulaChanged(const QString& text);
    void fitWidths();
    void placeAtStoredPosition();
    void enableCopy(bool on);

    MainWindow& w_;
    UserPrompt& prompt_;
    CalcHistory history_;
    QComboBox* cboInput = nullptr;
    QPushButton* cmdExecCalc = nullptr;
    QLineEdit* txtCalcResult = nullptr;
    QPushButton* cmdReplace = nullptr;
};

} // namespace qm
