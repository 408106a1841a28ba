// The quick unit search: a small popup with a text field and the matching
// units of every category. Enter makes the highlighted unit the convert-from
// unit, Shift+Enter the convert-into unit (switching category when needed);
// Escape closes it.
#pragma once

#include "find/quicksearch.h"

#include <QFrame>

#include <vector>

class QLineEdit;
class QListWidget;

namespace qm {

class MainWindow;

class QuickSearchPopup : public QFrame {
    Q_OBJECT
  public:
    explicit QuickSearchPopup(MainWindow& w);

    // Opens the popup (made once per main window) with an empty text field.
    static QuickSearchPopup* showFor(MainWindow& w);

    QLineEdit* textBox() const { return txt_; }
    QListWidget* matchList() const { return list_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refill(const QString& text);
    void choose(bool into);

    MainWindow& w_;
    QLineEdit* txt_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<QuickMatch> matches_;
};

} // namespace qm
