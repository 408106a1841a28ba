// The list properties dialog: renames the unit list's column headers of the
// layout that the selected tree node shows. Modal; OK rebuilds the list.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;

namespace qm {

class MainWindow;

class frmListProp : public QDialog {
    Q_OBJECT
  public:
    explicit frmListProp(MainWindow& w);

    // Opens the dialog for the selected node's layout and waits for it.
    static int showFor(MainWindow& w);

    QLineEdit* headerBox(int i) const { return txtHeader.at(static_cast<std::size_t>(i)); }
    // OK: stores the texts and rebuilds the list.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainWindow& w_;
    int layout_ = 0;
    std::array<QLineEdit*, 3> txtHeader{};
    std::array<QLabel*, 3> lblColumn{};
};

} // namespace qm
