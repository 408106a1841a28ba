#include "mainwindow/MainWindow.h"

#include "mainwindow/MainWindowCommands.h"
#include "mainwindow/MainWindowDrag.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace qm {

MainWindow::MainWindow(Program& program, UserPrompt& prompt, SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), program_(program), prompt_(prompt), store_(store) {
    initIconResources();
    buildWidgets();
    buildMenus();
    drag_ = new MainWindowDrag(*this);
    installAccessibility();
    startUp();
}

MainWindow::~MainWindow() {
    // The commands and the drag helper (a filter on the views) refer back to
    // this window: they go while it is whole.
    delete commands_;
    commands_ = nullptr;
    delete drag_;
    drag_ = nullptr;
}

void MainWindow::buildWidgets() {
    setWindowTitle(QString::fromStdString(program_.psAppTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    // The form's controls are placed by code (MainWindowLayout.cpp), not by a layout.
    auto* central = new QWidget(this);
    buildTree(central);
    buildList(central);
    buildBoxes(central);
    setCentralWidget(central);
    buildLayoutControls();
    buildStatusBar();
    buildSwapMenu();
    watchWidgets();
}

void MainWindow::buildTree(QWidget* form) {
    TreeView1 = new QTreeWidget(form);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setContextMenuPolicy(Qt::PreventContextMenu);
    TreeView1->setExpandsOnDoubleClick(true);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setMinimumWidth(20);
}

void MainWindow::buildList(QWidget* form) {
    ListView1 = new QStackedWidget(form);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    listModel_ = new QStandardItemModel(this);
    listModel_->setColumnCount(kHeaderColumnCount);
    buildDetailsView();
    listList_ = new QListView(ListView1);
    listList_->setObjectName(QStringLiteral("ListView1List"));
    listList_->setModel(listModel_);
    listList_->setSelectionModel(listDetails_->selectionModel());
    listList_->setViewMode(QListView::ListMode);
    listList_->setFlow(QListView::TopToBottom);
    listList_->setWrapping(true);
    listList_->setResizeMode(QListView::Adjust);
    listList_->setSpacing(1);
    listList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listList_->setContextMenuPolicy(Qt::PreventContextMenu);
    listList_->setUniformItemSizes(true);
    ListView1->addWidget(listDetails_);
    ListView1->addWidget(listList_);
}

void MainWindow::buildDetailsView() {
    listDetails_ = new QTableView(ListView1);
    listDetails_->setObjectName(QStringLiteral("ListView1Details"));
    listDetails_->setModel(listModel_);
    listDetails_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listDetails_->setSelectionMode(QAbstractItemView::SingleSelection);
    listDetails_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listDetails_->setContextMenuPolicy(Qt::PreventContextMenu);
    listDetails_->setWordWrap(false);
    listDetails_->setTabKeyNavigation(false);
    listDetails_->verticalHeader()->hide();
    QHeaderView* header = listDetails_->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(false);
    listDetails_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void MainWindow::buildBoxes(QWidget* form) {
    txtInput = new QLineEdit(form);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    txtInput->setMinimumWidth(20);
    imgPoint = new QLabel(form);
    imgPoint->setObjectName(QStringLiteral("imgPoint"));
    imgPoint->setPixmap(QIcon(QStringLiteral(":/icons/arrow.svg")).pixmap(QSize(32, 17)));
    imgPoint->setFixedSize(32, 17);
    imgPoint->setContextMenuPolicy(Qt::PreventContextMenu);
    imgPoint->setMouseTracking(true);
    imgPoint->setToolTip(QStringLiteral("Click and drag this arrow to change the box widths."));
    txtOutput = new QLineEdit(form);
    txtOutput->setObjectName(QStringLiteral("txtOutput"));
    txtOutput->setReadOnly(true);
    txtOutput->setMinimumWidth(20);
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        panels_[i]->setTextFormat(Qt::PlainText);
        const bool unitPanel = i == 1 || i == 3;
        if (unitPanel) {
            panels_[i]->setFrameShape(QFrame::StyledPanel);
            panels_[i]->setFrameShadow(QFrame::Sunken);
            panels_[i]->setMinimumWidth(60);
        }
        bar->addWidget(panels_[i], unitPanel ? 1 : 0);
    }
}

void MainWindow::buildSwapMenu() {
    mnuSwap = new QMenu(QStringLiteral("Swap"), this);
    swapAction_ = mnuSwap->addAction(QStringLiteral("&Swap Units"));
    swapAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    swapAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(swapAction_);
    connect(swapAction_, &QAction::triggered, this, &MainWindow::swapUnits);
}

// Events the views and boxes pass to the window.
void MainWindow::watchWidgets() {
    for (QObject* o : std::initializer_list<QObject*>{
             TreeView1->viewport(), TreeView1, listDetails_->viewport(), listDetails_,
             listList_->viewport(), listList_, txtOutput, imgPoint})
        o->installEventFilter(this);

    installListAids(); // before the delegates' signals are connected
    connect(TreeView1, &QTreeWidget::itemChanged, this, &MainWindow::treeItemChanged);
    connect(TreeView1, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem* item) {
        item->setIcon(0, QIcon(QStringLiteral(":/icons/folder_open.svg")));
    });
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* item) {
        item->setIcon(0, QIcon(QStringLiteral(":/icons/folder_closed.svg")));
    });
    connect(TreeView1->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this] { editNode_ = 0; });
    connect(listModel_, &QStandardItemModel::itemChanged, this, &MainWindow::listItemChanged);
    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(listDetails_),
                                 static_cast<QAbstractItemView*>(listList_)})
        connect(v->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this] { listEditing_ = false; });
    connect(listDetails_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &MainWindow::listColumnClick);
    connect(txtInput, &QLineEdit::textChanged, this, &MainWindow::convertIfReady);
    connect(txtInput, &QLineEdit::returnPressed, this, &MainWindow::convertIfReady);
    connect(txtOutput, &QLineEdit::textChanged, this, &MainWindow::outputChanged);
    installInputAids();
}

QString MainWindow::panelText(int panel) const {
    if (panel < 1 || panel > 4) return {};
    return panels_[static_cast<std::size_t>(panel - 1)]->text();
}

bool MainWindow::bothUnitsChosen() const {
    return !panelText(2).isEmpty() && !panelText(4).isEmpty();
}

QTreeWidgetItem* MainWindow::nodeItem(int node) const {
    if (node < 1 || node > static_cast<int>(nodeItems_.size())) return nullptr;
    return nodeItems_[static_cast<std::size_t>(node - 1)];
}

int MainWindow::nodeIndexOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

int MainWindow::listRowCount() const {
    return listModel_->rowCount();
}

QString MainWindow::listRowText(int row) const {
    const QStandardItem* item = listModel_->item(row, 0);
    return item ? item->text() : QString();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (layoutEvent(watched, event)) return true;
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == TreeView1) return treeKeyPress(key);
        if (watched == listDetails_ || watched == listList_) return listKeyPress(key);
    }
    if (watched == TreeView1->viewport()) {
        if (type == QEvent::MouseButtonPress) {
            treeMouseDown(static_cast<QMouseEvent*>(event));
            if (commands_) commands_->treePressed(static_cast<QMouseEvent*>(event));
        }
        if (type == QEvent::MouseButtonRelease) treeMouseUp(static_cast<QMouseEvent*>(event));
    } else if (watched == listDetails_->viewport() || watched == listList_->viewport()) {
        if (type == QEvent::MouseButtonPress) {
            listMouseDown(static_cast<QMouseEvent*>(event), static_cast<QWidget*>(watched));
            if (commands_) commands_->listPressed(static_cast<QMouseEvent*>(event), mItemX);
        }
        if (type == QEvent::MouseButtonRelease) {
            if (commands_) commands_->listClicked();
            listMouseUp(static_cast<QMouseEvent*>(event));
        }
    } else if (watched == imgPoint) {
        if (type == QEvent::MouseButtonPress)
            return arrowMousePress(static_cast<QMouseEvent*>(event));
        if (type == QEvent::MouseMove || type == QEvent::Enter) {
            imgPoint->setToolTip(
                bothUnitsChosen()
                    ? QStringLiteral("Right-click here to swap the units.")
                    : QStringLiteral("Click and drag this arrow to change the box widths."));
        }
    } else if (watched == txtOutput && type == QEvent::FocusIn) {
        if (!txtOutput->text().isEmpty())
            QMetaObject::invokeMethod(txtOutput, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace qm
