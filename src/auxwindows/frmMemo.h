// The memo window: shows and edits the memo of the unit selected in the main
// window, beside it. Modeless and on top; it follows the selection, storing
// what was typed into the unit it was shown for before it shows another.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QPlainTextEdit;
class QTimer;

namespace qm {

class MainWindow;
class UserPrompt;

class frmMemo : public QDialog {
    Q_OBJECT
  public:
    frmMemo(MainWindow& w, UserPrompt& prompt);

    // Show Memo: opens the window (one per main window) for the selected unit,
    // then hands the focus back to the convert-from box.
    static frmMemo* showFor(MainWindow& w, UserPrompt& prompt);

    QPlainTextEdit* memoBox() const { return txtMemo; }
    // Stores the typed text into the unit shown; false when it was refused.
    // A refusal is told once per text, and again when `closing`.
    bool commit(bool closing = false);
    // Shows the memo of the unit now selected (after storing the typed text).
    void followSelection();

  protected:
    void done(int r) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void load();
    void placeBesideMain();
    void keepSize();

    MainWindow& w_;
    UserPrompt& prompt_;
    QPlainTextEdit* txtMemo = nullptr;
    QTimer* follow_ = nullptr;
    int16_t category_ = -1; // the unit shown
    int16_t unit_ = 0;
    std::string shown_;        // its memo as shown
    bool toldTooLong_ = false; // the refusal of the text as it is was told
};

} // namespace qm
