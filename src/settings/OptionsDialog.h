// The Options dialog: the number style with its preview, the calculator
// choice, the window and view options, and the way to the fonts and colours.
// Modeless and on top; OK applies the choices to the main window at once.
#pragma once

#include "settings/optionvalues.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace qm {

class MainWindow;

class frmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit frmOptions(MainWindow& w);

    // Tools > Options...: opens the dialog, or brings the open one to the front.
    static frmOptions* showFor(MainWindow& w);
    // The open dialog of the window, or nullptr.
    static frmOptions* openFor(const MainWindow& w);

    // The values the controls hold.
    OptionValues values() const;
    // Opens the font and colour dialog for item `item` of the area list.
    void editFont(int item);

    QTabWidget* tabs() const { return TabStrip1; }
    QSlider* digitsSlider() const { return sliDigits; }
    QRadioButton* formatButton(int i) const { return optFormat.at(static_cast<std::size_t>(i)); }
    QComboBox* powerBox() const { return cboPower; }
    QCheckBox* integerBox() const { return chkInteger; }
    QCheckBox* errorBox() const { return chkShowError; }
    QLabel* preview() const { return lblPreview; }
    QComboBox* fontsBox() const { return cboFonts; }
    QRadioButton* calcButton(int i) const { return optCalc.at(static_cast<std::size_t>(i)); }
    QLineEdit* calcPathBox() const { return txtCalcPath; }
    QCheckBox* menubarBox() const { return chkShowMenubar; }
    QCheckBox* toolbarBox() const { return chkShowToolbar; }
    QPushButton* okButton() const { return cmdOK; }
    QPushButton* cancelButton() const { return cmdCancel; }

    // OK: the main window takes the values.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int r) override;

  private:
    QWidget* buildNumberPage();
    QWidget* buildGeneralPage();
    QWidget* buildDigitsFrame();
    void wire();
    void setTabOrders();
    void showValues(const OptionValues& v);
    void mShowPreview();
    void integerToggled();
    void barToggled();
    void calcChosen(int i);
    void browse();
    bool fontsKey(QKeyEvent* e);
    void handleAccessKey(const QString& text);

    MainWindow& w_;
    AreaStyles working_;     // the fonts and colours while the dialog is open
    bool arrowKeys_ = false; // the area list is being browsed with the keys
    QTabWidget* TabStrip1 = nullptr;
    QSlider* sliDigits = nullptr;
    std::array<QRadioButton*, 2> optFormat{};
    QComboBox* cboPower = nullptr;
    QCheckBox* chkInteger = nullptr;
    QCheckBox* chkShowError = nullptr;
    QLabel* lblPreview = nullptr;
    QCheckBox* chkEnableModify = nullptr;
    QCheckBox* chkSavePos = nullptr;
    QCheckBox* chkShowToolbar = nullptr;
    QCheckBox* chkShowMenubar = nullptr;
    QCheckBox* chkShowGrid = nullptr;
    QCheckBox* chkStayTop = nullptr;
    QComboBox* cboFonts = nullptr;
    std::array<QRadioButton*, 3> optCalc{};
    QGroupBox* Frame5 = nullptr;
    QLineEdit* txtCalcPath = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
};

} // namespace qm
