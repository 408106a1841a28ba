#include "mainwindow/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quantimetrix"));
    QApplication::setApplicationName(QStringLiteral("Quantimetrix"));
    qm::MainWindow window;
    window.show();
    return QApplication::exec();
}
