// The tip window: explains why the program refused or limited something, with
// a check box that switches the tip off for good.
#pragma once

#include "settings/settings.h"

#include <QDialog>
#include <QPointer>

#include <string>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace qm {

class frmHint : public QDialog {
    Q_OBJECT
  public:
    // Shows tip n (0..5); the check box writes ShowMessageFlag(n).
    frmHint(Settings& settings, int n, const std::string& separatorName, QWidget* parent = nullptr);

    QLabel* label() const { return Label1; }
    QLabel* image() const { return imgMain; }
    QCheckBox* checkBox() const { return chkShow; }
    QPushButton* okButton() const { return cmdOK; }
    int tickCount() const { return ticks_; }
    bool showsFullImage() const { return full_; }

    // Hands every key typed while the tip has the keyboard (except Escape,
    // which closes it) back to w, with the keyboard itself; Escape typed in w
    // closes the tip too, so that it never needs the mouse.
    void returnKeysTo(QWidget* w);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void tick();

    Settings& settings_;
    int n_;
    QLabel* Label1 = nullptr;
    QLabel* imgMain = nullptr;
    QCheckBox* chkShow = nullptr;
    QPushButton* cmdOK = nullptr;
    QTimer* Timer1 = nullptr;
    QPointer<QWidget> keysTo_;
    int ticks_ = 0;
    bool full_ = true;
};

// Remembers n and opens the tip window modally unless tip n is switched off.
// The tip about the decimal separator, raised while the user types, opens
// beside the box instead and leaves the keyboard there (one window at a time).
// Does nothing for a tip number outside 0..5.
void pShowHint(Settings& settings, const std::string& separatorName, int n, QWidget* parent);

} // namespace qm
