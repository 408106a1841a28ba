// The Find dialog: looks up a unit or a category by part of its name and
// shows each hit in the main window. Modeless and on top; closing hides it,
// so the last search text lives on for the rest of the run.
#pragma once

#include "find/findsearch.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qm {

class MainWindow;

class FindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindDialog(MainWindow& w);

    // Edit > Find...: opens the dialog (made once per main window) at its
    // stored place, the search starting from the beginning.
    static FindDialog* showFor(MainWindow& w);
    // Repeats the last search while the dialog is closed; opens the dialog
    // when there has been no search yet.
    static void repeatFor(MainWindow& w);

    void findNext();

    QLineEdit* findBox() const { return txtFind; }
    QPushButton* findButton() const { return cmdFind; }
    QRadioButton* kindButton(int i) const { return optFind.at(static_cast<std::size_t>(i)); }
    QCheckBox* caseBox() const { return chkCase; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void done(int r) override;

  private:
    void openAtStoredPlace();
    QPoint defaultPlace() const;
    void textEdited(const QString& text);
    void showHit(const FindHit& hit);
    void selectUnitRow(const std::string& name);

    MainWindow& w_;
    FindPosition pos_;
    QLineEdit* txtFind = nullptr;
    std::array<QRadioButton*, 2> optFind{}; // 0 category, 1 unit
    QCheckBox* chkCase = nullptr;
    QPushButton* cmdFind = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace qm
