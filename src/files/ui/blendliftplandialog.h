#pragma once
// "Blend Liftplan": how the liftplan of an .hdm file is combined with the
// current one (Append, Add, Invert, Subtract). The choice is kept during a run.

#include <QDialog>
#include <array>

#include "files/patternio.h"

class QRadioButton;

namespace hm {

class TMultiLang;

class TBlendDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TBlendDlg(QWidget* parent = nullptr);

    BlendMode Mode() const;

  private:
    std::array<QRadioButton*, 4> modes_{};
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
