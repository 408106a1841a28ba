// The main window.
#pragma once

#include <QMainWindow>

namespace qm {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace qm
