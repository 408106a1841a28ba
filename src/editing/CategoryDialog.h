// The " Category Properties" dialog: a category's name and one of four icons.
// Modal; what OK may store is decided by the editing core.
#pragma once

#include "core/userprompt.h"
#include "editing/categoryedit.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QRadioButton;

namespace qm {

class CategoryDialog : public QDialog {
    Q_OBJECT
  public:
    // `self`: the category edited (-1 for a new one), for the name check.
    CategoryDialog(QWidget* parent, const ConversionTable& t, int self, const CategoryForm& form,
                   UserPrompt& prompt, const QString& programFolder);

    // Shows the dialog and waits; the form on OK, nothing on Cancel.
    static std::optional<CategoryForm> ask(QWidget* parent, const ConversionTable& t, int self,
                                           const CategoryForm& form, UserPrompt& prompt,
                                           const QString& programFolder);

    CategoryForm form() const;
    QLineEdit* nameBox() const { return txtName; }
    QRadioButton* iconOption(int i) const { return optIcon.at(static_cast<std::size_t>(i)); }
    // OK: a name that cannot be stored is reported and the dialog stays open.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const ConversionTable& t_;
    int self_;
    UserPrompt& prompt_;
    QLineEdit* txtName = nullptr;
    std::array<QRadioButton*, 4> optIcon{};
};

} // namespace qm
