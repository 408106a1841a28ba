#include "mainwindow/MainWindow.h"

#include <QLabel>

namespace qm {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral(" Quantimetrix"));
    auto* label = new QLabel(QStringLiteral("Quantimetrix"), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(473, 368);
}

} // namespace qm
