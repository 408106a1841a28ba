// The " Confirm Item Deletion" dialog: asks before a tree node or a unit is
// removed. Modal; Yes or No (also the key N while No has the focus).
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace qm {

class ConfirmDeleteDialog : public QDialog {
    Q_OBJECT
  public:
    ConfirmDeleteDialog(QWidget* parent, const std::string& question);

    // Shows the question and waits; true for Yes.
    static bool ask(QWidget* parent, const std::string& question);

    QPushButton* yesButton() const { return cmdYes; }
    QPushButton* noButton() const { return cmdNo; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* lblQuestion = nullptr;
    QPushButton* cmdYes = nullptr;
    QPushButton* cmdNo = nullptr;
};

} // namespace qm
