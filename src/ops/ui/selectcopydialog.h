#pragma once
// "Select and Copy": a numbered range of the pattern threading, the liftplan or
// the warp or weft colours, copied without drawing a selection. From and To lie
// within the ends (pattern threading, warp colours) or the picks (liftplan, weft
// colours); To follows From upwards.

#include <QDialog>
#include <array>

#include "ops/clipboardareas.h"

class QRadioButton;
class QSpinBox;

namespace hm {

class TMultiLang;

// The choice and the two numbers, kept from one use to the next.
struct SelectCopyChoice {
    SelectionKind kind = SelectionKind::PatternThreading;
    int from = 1;
    int to = 1;
};

class TSelectCopyDlg : public QDialog {
    Q_OBJECT
  public:
    TSelectCopyDlg(const SelectCopyChoice& start, int ends, int picks, QWidget* parent = nullptr);

    // The choice with a reversed pair swapped.
    SelectCopyChoice Choice() const;

  private:
    void KindChanged();
    SelectionKind Kind() const;

    int ends_;
    int picks_;
    std::array<QRadioButton*, 4> kinds_{};
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
