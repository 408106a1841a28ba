// The About window: the program's name and version, its licence and the Qt
// version it runs on. Modeless and on top; while it is open the main window's
// commands are switched off.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qm {

class MainWindow;

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(MainWindow& w);

    // Help > About...: shows the window, or brings the open one to the top.
    static frmAbout* showFor(MainWindow& w);

    QLabel* versionLabel() const { return lblVersion; }
    QPushButton* closeButton() const { return lblButton; }

  protected:
    void done(int r) override;

  private:
    MainWindow& w_;
    QLabel* lblAppname = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* lblButton = nullptr;
};

} // namespace qm
