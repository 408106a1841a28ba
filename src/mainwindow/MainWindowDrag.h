// Dragging in the main window: categories to another place in the tree,
// units to another place in the list or onto the convert-from and convert-into
// boxes, and the tree or list scrolling by itself near its edges. A helper of
// the main window; the rules it follows are those of dragrules.h.
#pragma once

#include "mainwindow/dragrules.h"

#include <QObject>
#include <QPalette>
#include <QPoint>

class QLabel;
class QLineEdit;
class QMouseEvent;
class QTimer;

namespace qm {

class MainWindow;

class MainWindowDrag : public QObject {
    Q_OBJECT
  public:
    explicit MainWindowDrag(MainWindow& w);

    DragKind dragging() const { return kind_; }
    int dropHighlight() const { return highlight_; } // node or row (1-based), 0 none
    int scrollPosition() const { return scrollPos_; }
    QTimer* watchTimer() const { return tmrWatch; }
    QTimer* scrollTimer() const { return tmrScroll; }
    QLabel* dragIcon() const { return icon_; }
    // Stops both timers and forgets the scroll state.
    void mStopTimers();
    // Ends a drag without dropping (Escape, a collapsed node, a refused scroll).
    void cancel();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool viewportEvent(QWidget* viewport, QEvent* event);
    bool mayStart(QWidget* viewport) const;
    void begin(DragKind kind);
    void over(const QPoint& global, bool setScrollPosition);
    void drop(const QPoint& global);
    DropPlace placeAt(const QPoint& global, QPoint* local) const;
    int itemAt(DropPlace place, const QPoint& local) const;
    void setHighlight(DropPlace place, int index);
    void invertBox(QLineEdit* box);
    void showIcon(const QPoint& global, bool accepts);
    DragSituation situation() const;
    void watchTick();
    void scrollTick();
    void chooseByDrop(bool into);
    void moveUnit(int row);
    void moveCategory(int node);

    MainWindow& w_;
    QTimer* tmrWatch = nullptr;
    QTimer* tmrScroll = nullptr;
    QLabel* icon_ = nullptr;
    DragKind kind_ = DragKind::None;
    bool listDragArmed_ = true;
    QWidget* pressViewport_ = nullptr; // where the left button went down
    bool ended_ = false;               // the drag ended while the button is held
    QPoint pressPos_;
    int sourceNode_ = 0; // the dragged category's node (mNodX)
    WatchState watch_;
    int scrollPos_ = 0;
    int highlight_ = 0;
    DropPlace highlightPlace_ = DropPlace::Other;
    QLineEdit* inverted_ = nullptr;
    QPalette invertedPalette_; // its own colours
    QPoint lastGlobal_;
    int scrollMargin_ = 0; // pixels
};

} // namespace qm
