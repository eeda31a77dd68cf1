#pragma once
// "Print Fabric": how many ends and picks to print at a chosen size, or the
// cloth at its true size (the counts then follow from the paper).

#include <QDialog>

#include "output/printfabric.h"

class QLabel;
class QRadioButton;
class QSpinBox;

namespace hm {

class TPfabDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TPfabDlg(const PrintFabricDialogStart& start, QWidget* parent = nullptr);

    PrintFabricChoice Choice() const;

  private:
    void FollowSizeChoice();

    QLabel* endsLabel_ = nullptr;
    QSpinBox* ends_ = nullptr;
    QLabel* picksLabel_ = nullptr;
    QSpinBox* picks_ = nullptr;
    QRadioButton* selectSize_ = nullptr;
    QRadioButton* trueSize_ = nullptr;
};

} // namespace hm
