// Heddlemark: the desktop program.
#include <QApplication>

#include "window/mainwindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Heddlemark");
    QCoreApplication::setApplicationName("Heddlemark");
    QCoreApplication::setApplicationVersion(HM_VERSION);
    hm::TWform window;
    window.show();
    return app.exec();
}
