#pragma once
// A pair of numbers with a caption and two labels given by the caller: the
// range of a numeric list (From / To) and the ends and picks of the fabric PNG
// and the drawdown BMP. The first field has the focus when it opens.

#include <QDialog>

#include "output/draftpicture.h"
#include "ui/numberfields.h"

namespace hm {

struct NumbersDialogFields {
    QString caption;
    QString firstLabel;
    QString secondLabel;
    NumberRange firstLimits;
    NumberRange secondLimits;
    int first = 1;
    int second = 1;
};

class TNumbersDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TNumbersDlg(const NumbersDialogFields& fields, QWidget* parent = nullptr);

    int First() const;
    int Second() const;

  private:
    NumberFields fields_;
};

} // namespace hm
