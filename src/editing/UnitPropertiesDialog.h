// The " Unit Properties" and " Constant Properties" dialogs: one unit or
// constant, edited in place or proposed for insertion. Modal; OK hands back
// the record to store, or tells what is wrong and stays open.
#pragma once

#include "editing/unitfields.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qm {

class UserPrompt;

class UnitPropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    // Refusals are told through the prompt; without one, in a message box
    // over the dialog.
    UnitPropertiesDialog(QWidget* parent, const UnitDialogRequest& request,
                         UserPrompt* prompt = nullptr);
    ~UnitPropertiesDialog() override;

    // The record OK accepted; nothing after Cancel.
    const std::optional<UnitRecord>& result() const { return result_; }

    // The box of a field, or nullptr when this dialog has none.
    QLineEdit* box(UnitField f) const { return boxes_.at(static_cast<std::size_t>(f)); }
    QPlainTextEdit* memoBox() const { return txtMemo; }
    QRadioButton* iconOption(int i) const { return optColor.at(static_cast<std::size_t>(i)); }
    QLabel* iconPicture(int i) const { return Image1.at(static_cast<std::size_t>(i)); }
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* okButton() const { return cmdOK; }

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildPropertiesPage();
    QWidget* buildMemoPage();
    QWidget* buildIconFrame(QWidget* parent);
    QLineEdit* addBox(UnitField f, const QString& objectName);
    void fillBoxes();
    void tabChosen(int index);
    void focusField(UnitField f);
    UnitFieldTexts texts() const;

    UnitDialogRequest request_;
    std::unique_ptr<UserPrompt> ownPrompt_;
    UserPrompt* prompt_ = nullptr;
    std::optional<UnitRecord> result_;

    QTabWidget* tabs_ = nullptr;
    std::array<QLineEdit*, kUnitFieldCount> boxes_{};
    std::array<QRadioButton*, 4> optColor{};
    QButtonGroup* iconGroup_ = nullptr;
    std::array<QLabel*, 4> Image1{};
    QPlainTextEdit* txtMemo = nullptr;
    QPushButton* cmdOK = nullptr;
};

// Opens the dialog for the request and waits for it: the record to store after
// an accepted OK, nothing after Cancel.
std::optional<UnitRecord> runUnitPropertiesDialog(QWidget* parent, const UnitDialogRequest& request,
                                                  UserPrompt* prompt = nullptr);

} // namespace qm
