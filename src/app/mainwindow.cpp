#include "app/mainwindow.h"

namespace hm {

TWform::TWform(QWidget* parent) : QMainWindow(parent), draft_(std::make_unique<Draft>()) {
    setObjectName("TWform");
    setWindowTitle("Heddlemark CD");
    setMinimumSize(380, 380);
}

TWform::~TWform() = default;

} // namespace hm
