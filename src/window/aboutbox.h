#pragma once
// The about box: the program's name, version and purpose.

#include <QDialog>

namespace hm {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace hm
