// The help window: shows the help file "Qmtrxdoc.hlp" of the program's folder
// at its contents or at the section of a context number. One window per
// program, non-modal, reused and raised by every Help command.
#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace qm {

class UserPrompt;

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // Opens the help at the contents (context 0 or an unknown number) or at
    // the section of the context number. A missing or unreadable help file is
    // reported in a message box and no window is shown.
    static void showHelp(QWidget* parent, const QString& programFolder, int context);
    // The same, reporting through the given prompt; returns the window shown,
    // or nullptr when the file could not be read.
    static HelpWindow* showHelp(QWidget* parent, const QString& programFolder, int context,
                                UserPrompt& prompt);

    // The program's help window, or nullptr while none is open.
    static HelpWindow* instance();

    QTextBrowser* browser() const { return browser_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    explicit HelpWindow(QWidget* parent);
    void openAt(const QString& path, int context);
    void goToContents();
    void updateButtons();

    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* contents_ = nullptr;
    QPushButton* close_ = nullptr;
    QString path_;

    static QPointer<HelpWindow> instance_;
};

} // namespace qm
