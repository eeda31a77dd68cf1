#pragma once
// "Tie-up Special Effects": twills made from the pattern tie-up's first row
// (or first row and column), flips and a quarter turn. The two twill boxes
// exclude each other: checking one clears the other.

#include <QDialog>

#include "ops/tieupspecial.h"

class QCheckBox;

namespace hm {

class TTieupDlg : public QDialog {
    Q_OBJECT
  public:
    // The boxes start as given (the choice last accepted).
    explicit TTieupDlg(const TieupSpecialChoice& start, QWidget* parent = nullptr);

    TieupSpecialChoice Choice() const;

  private:
    QCheckBox* twill1_ = nullptr;
    QCheckBox* twill2_ = nullptr;
    QCheckBox* flipH_ = nullptr;
    QCheckBox* flipV_ = nullptr;
    QCheckBox* rotate_ = nullptr;
};

} // namespace hm
