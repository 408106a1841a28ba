// The main window's editing commands: Undo, Redo and the new-item commands of
// the Edit menu, the items of the three context menus of the tree and the
// list, and the category and delete dialogs they open. Every change goes
// through MainWindow::applyTableEdit.
#pragma once

#include "editing/categoryedit.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>

class QAction;

namespace qm {

class MainWindow;

class MainWindowEdit : public QObject {
    Q_OBJECT
  public:
    explicit MainWindowEdit(MainWindow& w);

    // The unit and constant property dialogs. Called with pnPropMode (0: edit
    // the selected unit, 1: insert after it) once ptNewUnit holds what the
    // dialog shows. Unset, inserting stores ptNewUnit as it stands and editing
    // is unavailable.
    std::function<void(int mode)> unitPropertiesDialog;
    // Asks the delete confirmation's question; true for Yes. Unset: the
    // " Confirm Item Deletion" dialog.
    std::function<bool(const std::string& question)> confirmDeletion;
    // Shows the category dialog; the form on OK, nothing on Cancel. Unset:
    // the " Category Properties" dialog.
    std::function<std::optional<CategoryForm>(CategoryMode, const CategoryForm&)> categoryDialog;

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    QAction* newGroupAction() const { return newGroup_; }
    QAction* newCategoryAction() const { return newCategory_; }
    QAction* newUnitAction() const { return newUnit_; }
    QAction* deleteAction() const { return delete_; }
    QAction* renameAction() const { return rename_; }
    QAction* propertiesAction() const { return properties_; }

    // The Edit menu's items follow the table, the selection and Modify.
    void updateActions();

    // Commands (the menus call them; so can tests).
    void newGroup();
    void newCategory();
    void newUnit();
    void unitProperties();
    void categoryProperties(CategoryMode mode);
    void deleteNode();
    void deleteUnit();
    void undo();
    void redo();
    // The Edit menu's Delete, Rename and Properties: on the selected unit
    // when the list is the view acted on, else on the tree's selected node.
    void deleteItem();
    void renameItem();
    void itemProperties();

  private:
    void buildEditMenu();
    // Delete, Rename and Properties; their keys work only in the tree and
    // the list, so the conversion boxes keep Delete.
    void buildItemCommands(QAction* before);
    // The list is acted on when it has the focus, or had it last of the two
    // views.
    void focusChanged(QWidget* now);
    // -1 when the tree is acted on; else the unit of the list's current row
    // (0 for none), which becomes the selected unit.
    int listUnit() const;
    // The unit of the list's current row; 0 when no row is current.
    int currentRowUnit() const;
    // The Edit menu's New Unit: after the list's current row, or at the end.
    void newUnitAfterCurrentRow();
    void selectListUnit();
    // When the tree is acted on, its highlighted node becomes the selected one.
    void followTreeHighlight();
    void editCategoryClick(int i);
    void editGroupClick(int i);
    void editUnitClick(int i);
    bool confirm(const std::string& question);
    // Shows why an item cannot be added, if it cannot; true then.
    bool refusedAtOnce(const std::optional<std::string>& why);
    void stageUnit(bool insert);
    // The " Unit Properties" or " Constant Properties" dialog for the staged
    // record; what it accepts is stored.
    void runUnitDialog(int mode);
    // Stores ptNewUnit after the selected unit (no dialog is set).
    void insertStagedUnit();

    MainWindow& w_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* newGroup_ = nullptr;
    QAction* newCategory_ = nullptr;
    QAction* newUnit_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* rename_ = nullptr;
    QAction* properties_ = nullptr;
    bool listActs_ = false;
};

} // namespace qm
