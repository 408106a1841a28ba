#include "auxwindows/HelpWindow.h"

#include "auxwindows/helpcontext.h"
#include "core/userprompt.h"
#include "platform/qtuserprompt.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace qm {

QPointer<HelpWindow> HelpWindow::instance_;

namespace {

// Reads the whole help file; false when it cannot be opened or holds nothing
// to show.
bool helpFileReadable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    return helpTextUsable(bytes.toStdString());
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Quantimetrix Help"));

    back_ = new QPushButton(tr("&Back"), this);
    forward_ = new QPushButton(tr("&Forward"), this);
    contents_ = new QPushButton(tr("&Contents"), this);
    close_ = new QPushButton(tr("C&lose"), this);
    for (QPushButton* b : {back_, forward_, contents_, close_})
        b->setAutoDefault(false);

    browser_ = new QTextBrowser(this);
    browser_->setAccessibleName(tr("Help text"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QPushButton::clicked, this, &HelpWindow::goToContents);
    connect(browser_, &QTextBrowser::historyChanged, this, &HelpWindow::updateButtons);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    updateButtons();

    resize(640, 720);
}

HelpWindow* HelpWindow::instance() {
    return instance_.data();
}

void HelpWindow::showHelp(QWidget* parent, const QString& programFolder, int context) {
    QtUserPrompt prompt(parent);
    showHelp(parent, programFolder, context, prompt);
}

HelpWindow* HelpWindow::showHelp(QWidget* parent, const QString& programFolder, int context,
                                 UserPrompt& prompt) {
    const QString path = QString::fromStdString(helpFilePath(programFolder.toStdString()));
    if (!helpFileReadable(path)) {
        prompt.message(helpMissingMessage(path.toStdString()), kDataTitle, MsgIcon::Exclamation,
                       MsgButtons::OK);
        return nullptr;
    }
    HelpWindow* w = instance_.data();
    if (!w) {
        w = new HelpWindow(parent);
        instance_ = w;
    }
    w->show();
    if (w->isMinimized()) w->showNormal();
    w->raise();
    w->activateWindow();
    w->openAt(path, context);
    return w;
}

void HelpWindow::openAt(const QString& path, int context) {
    QUrl url = QUrl::fromLocalFile(path);
    const QString anchor = QString::fromStdString(helpAnchor(context));
    url.setFragment(anchor);
    if (path != path_) {
        // A new file (or the first opening): forget the history of the old one.
        path_ = path;
        browser_->clearHistory();
    }
    browser_->setSource(url, QTextDocument::HtmlResource);
    if (!isHelpContext(context))
        browser_->verticalScrollBar()->setValue(0); // the contents start the page
    updateButtons();
}

void HelpWindow::goToContents() {
    QUrl url = QUrl::fromLocalFile(path_);
    url.setFragment(QString::fromLatin1(kHelpContentsAnchor));
    browser_->setSource(url, QTextDocument::HtmlResource);
    browser_->verticalScrollBar()->setValue(0);
}

void HelpWindow::updateButtons() {
    back_->setEnabled(browser_->isBackwardAvailable());
    forward_->setEnabled(browser_->isForwardAvailable());
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    if (instance_ == this) instance_ = nullptr;
    QWidget::closeEvent(event);
}

} // namespace qm
