// Heddlemark: the desktop program.
#include <QApplication>
#include <QIcon>

#include "window/mainwindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Heddlemark");
    QCoreApplication::setApplicationName("Heddlemark");
    QCoreApplication::setApplicationVersion(HM_VERSION);
    // The desktop entry's name ties the windows to the menu entry and its icon
    // (on Wayland through the application id).
    QGuiApplication::setDesktopFileName(QStringLiteral(HM_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/heddlemark.svg")));
    hm::TWform window;
    window.show();
    return app.exec();
}
