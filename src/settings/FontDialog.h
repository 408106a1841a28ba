// The font and colour dialog: the font, size, styles and colours of one area
// of the window (or of the printout), edited in the Options dialog's working
// copies. Modal, on top; the Options dialog's OK makes the choice take effect.
#pragma once

#include "settings/optionvalues.h"

#include <QColor>
#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace qm {

// The Qt forms of a stored colour (a system colour by the palette) and of an
// area's font with its styles.
QColor qtColor(int32_t value);
QFont qtFont(const AreaStyles& styles, int area);

class frmFont : public QDialog {
    Q_OBJECT
  public:
    // Edits `area` of `working`; `label` is the area's text in the Options
    // dialog; the help file lies in `helpFolder`.
    frmFont(QWidget* parent, AreaStyles& working, int area, const QString& label,
            const QString& helpFolder);

    // Stands in for the colour picker (tests): given the colour to start with,
    // returns the one chosen or nullopt for Cancel.
    static std::function<std::optional<QColor>(const QColor&)> colorPickerHook;

    QComboBox* fontBox() const { return cboFonts; }
    QComboBox* sizeBox() const { return cboSize; }
    QCheckBox* styleBox(int i) const { return chkStyle.at(static_cast<std::size_t>(i)); }
    QPushButton* colorButton(bool back) const { return back ? cmdBackColor : cmdForeColor; }
    QLabel* sample() const { return lblSample; }
    QFrame* sampleBox() const { return picFontSample; }

    // OK: stores the font into the working copies, or says why not.
    void accept() override;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void buildControls();
    void layOut();
    void showArea();
    void mUpdateSample();
    void pickColor(bool back);
    void sizeEdited(const QString& text);

    AreaStyles& working_;
    int area_;
    QString helpFolder_;
    QComboBox* cboFonts = nullptr;
    QComboBox* cboSize = nullptr;
    std::array<QCheckBox*, kFontStyleCount> chkStyle{};
    QPushButton* cmdForeColor = nullptr;
    QPushButton* cmdBackColor = nullptr;
    QFrame* picFontSample = nullptr;
    QLabel* lblSample = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
};

} // namespace qm
