// The toolbar: its keyed buttons, the flat look, and the customised layout
// kept in the settings store.
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include <QAction>
#include <QByteArray>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

namespace qm {

namespace {

// The icon file of a button: ":/icons/tb_<key in lower case>.svg".
QIcon buttonIcon(const char* key) {
    return QIcon(QStringLiteral(":/icons/tb_%1.svg").arg(QString::fromLatin1(key).toLower()));
}

bool isFlatToggle(const QMouseEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                         Qt::AltModifier | Qt::MetaModifier);
    return e->button() == Qt::LeftButton && mods == (Qt::ControlModifier | Qt::AltModifier);
}

} // namespace

QAction* MainWindowCommands::button(const QString& key) const {
    const auto it = buttons_.find(key);
    return it == buttons_.end() ? nullptr : it->second;
}

void MainWindowCommands::buildToolbar() {
    Toolbar1 = new QToolBar(QStringLiteral("Toolbar"), &w_);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    w_.addToolBar(Qt::TopToolBarArea, Toolbar1);
    w_.setContextMenuPolicy(Qt::NoContextMenu); // no toolbar menu of the window's own

    for (const ToolbarButton& b : toolbarButtons()) {
        const QString key = QString::fromLatin1(b.key);
        QAction* a = Toolbar1->addAction(buttonIcon(b.key), QString::fromLatin1(b.description));
        a->setObjectName(key);
        a->setData(key);
        a->setToolTip(QString::fromLatin1(b.tooltip));
        a->setWhatsThis(QString::fromLatin1(b.description));
        buttons_[key] = a;
        connect(a, &QAction::triggered, this, [this, key] { buttonClick(key); });
        // Separators between the groups of related buttons.
        if (key == QLatin1String("Print") || key == QLatin1String("PasteCalc") ||
            key == QLatin1String("Find") || key == QLatin1String("Details") ||
            key == QLatin1String("SortList") || key == QLatin1String("Options"))
            Toolbar1->addSeparator();
    }
    for (const char* key : {"List", "Details", "SortTree", "SortList"})
        button(QString::fromLatin1(key))->setCheckable(true);
    button(QStringLiteral("Details"))->setChecked(true);

    // The copy and paste buttons follow their menu items.
    const std::pair<QAction*, const char*> mirrors[] = {{w_.mnuEditCopyArray[0], "Copy"},
                                                        {w_.mnuEditCopyArray[1], "CopyCalc"},
                                                        {w_.mnuEditPasteArray[0], "Paste"},
                                                        {w_.mnuEditPasteArray[1], "PasteCalc"}};
    for (const auto& [item, key] : mirrors) {
        QAction* b = button(QString::fromLatin1(key));
        b->setEnabled(item->isEnabled());
        connect(item, &QAction::enabledChanged, b, &QAction::setEnabled);
    }
    for (const char* key : {"Print", "Find", "Calc", "Options"})
        setPlanned(button(QString::fromLatin1(key)), true);

    Toolbar1->installEventFilter(this);
    for (QAction* a : Toolbar1->actions())
        if (QWidget* w = Toolbar1->widgetForAction(a)) w->installEventFilter(this);
    connect(Toolbar1, &QToolBar::topLevelChanged, this, &MainWindowCommands::saveToolbarLayout);
    connect(Toolbar1, &QToolBar::orientationChanged, this, &MainWindowCommands::saveToolbarLayout);
    connect(Toolbar1, &QWidget::customContextMenuRequested, this,
            &MainWindowCommands::toolbarContextMenu);
    setFlat(true);
}

void MainWindowCommands::buttonClick(const QString& key) {
    const std::string k = key.toStdString();
    if (k == "Open")
        mOpenTable();
    else if (k == "SaveAs")
        mSaveTableAs();
    else if (k == "Print")
        fileClick(4);
    else if (k == "Copy")
        w_.mCopy(0);
    else if (k == "Paste")
        w_.mPaste(0);
    else if (k == "CopyCalc")
        w_.mCopy(1);
    else if (k == "PasteCalc")
        w_.mPaste(1);
    else if (k == "Find")
        editClick(5);
    else if (k == "List")
        viewClick(0);
    else if (k == "Details")
        viewClick(1);
    else if (k == "SortTree")
        arrangeClick(0);
    else if (k == "SortList")
        arrangeClick(1);
    else if (k == "Calc")
        toolsClick(0);
    else if (k == "Options")
        toolsClick(2);
    else if (k == "Help")
        showHelpContents();
    else if (k == "Exit")
        w_.close();
    syncViewChecks(); // a checkable button never keeps a state of its own
}

void MainWindowCommands::setButtonEnabled(const char* key, bool on) {
    if (QAction* a = button(QString::fromLatin1(key))) a->setEnabled(on);
}

void MainWindowCommands::setButtonChecked(const char* key, bool on) {
    if (QAction* a = button(QString::fromLatin1(key))) a->setChecked(on);
}

// ---- Flat look ----

void MainWindowCommands::setFlat(bool on) {
    flat_ = on;
    for (QAction* a : Toolbar1->actions())
        if (auto* b = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(a))) b->setAutoRaise(on);
    Toolbar1->update();
}

void MainWindowCommands::toggleFlat() {
    setFlat(!flat_);
}

bool MainWindowCommands::toolbarEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const auto* e = static_cast<QMouseEvent*>(event);
    if (!isFlatToggle(e)) return false;
    if (watched != Toolbar1 && !(qobject_cast<QWidget*>(watched) &&
                                 Toolbar1->isAncestorOf(static_cast<QWidget*>(watched))))
        return false;
    // Ctrl+Alt+click changes the look and presses no button.
    if (type == QEvent::MouseButtonRelease) toggleFlat();
    return true;
}

// ---- Visibility and customisation ----

void MainWindowCommands::applyToolbarSettings() {
    const Settings& s = w_.program_.settings;
    Toolbar1->setVisible(s.ShowToolbar != 0);
    const bool custom = s.CustomizeToolbar;
    Toolbar1->setMovable(custom);
    Toolbar1->setFloatable(custom);
    Toolbar1->setContextMenuPolicy(custom ? Qt::CustomContextMenu : Qt::PreventContextMenu);
    setFlat(true);
}

void MainWindowCommands::restoreToolbarLayout() {
    if (!w_.program_.settings.CustomizeToolbar) return;
    const std::string text = w_.store_.get(kSettingsApp, "Toolbar", "Quantimetrix", "");
    const std::optional<ToolbarLayout> layout = decodeToolbarLayout(text);
    if (!layout) return;
    restoringLayout_ = true;
    if (!layout->state.empty())
        w_.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(layout->state)));
    for (const auto& [key, a] : buttons_)
        a->setVisible(std::find(layout->hidden.begin(), layout->hidden.end(), key.toStdString()) ==
                      layout->hidden.end());
    Toolbar1->setVisible(w_.program_.settings.ShowToolbar != 0); // the option rules over the state
    savedToolbar_ = text;
    restoringLayout_ = false;
}

void MainWindowCommands::saveToolbarLayout() {
    if (!w_.program_.settings.CustomizeToolbar || restoringLayout_ || !shown_) return;
    ToolbarLayout layout;
    layout.state = w_.saveState().toBase64().toStdString();
    for (const ToolbarButton& b : toolbarButtons())
        if (!button(QString::fromLatin1(b.key))->isVisible()) layout.hidden.emplace_back(b.key);
    const std::string text = encodeToolbarLayout(layout);
    if (text == savedToolbar_) return;
    w_.store_.save(kSettingsApp, "Toolbar", "Quantimetrix", text);
    w_.store_.flush();
    savedToolbar_ = text;
}

void MainWindowCommands::toolbarContextMenu(const QPoint& pos) {
    if (!w_.program_.settings.CustomizeToolbar) return;
    auto* menu = new QMenu(QStringLiteral("Customize Toolbar"), Toolbar1);
    menu->setObjectName(QStringLiteral("mnuCustomizeToolbar"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const ToolbarButton& b : toolbarButtons()) {
        QAction* target = button(QString::fromLatin1(b.key));
        QAction* item = menu->addAction(target->icon(), QString::fromLatin1(b.description));
        item->setCheckable(true);
        item->setChecked(target->isVisible());
        connect(item, &QAction::toggled, this, [this, target](bool on) {
            target->setVisible(on);
            saveToolbarLayout();
        });
    }
    menu->addSeparator();
    QAction* reset = menu->addAction(QStringLiteral("&Reset"));
    connect(reset, &QAction::triggered, this, [this] {
        for (const auto& [key, a] : buttons_)
            a->setVisible(true);
        w_.removeToolBar(Toolbar1);
        w_.addToolBar(Qt::TopToolBarArea, Toolbar1);
        Toolbar1->setVisible(w_.program_.settings.ShowToolbar != 0);
        saveToolbarLayout();
    });
    menu->popup(Toolbar1->mapToGlobal(pos));
}

} // namespace qm
