#pragma once
// The number-pair dialog: two numbers for the Design-mode insert and delete of
// ends and picks and for inserting and deleting pattern shafts and treadles.
// The caller gives the caption, the labels and the ranges; the fields start
// with the remembered numbers, and the first one has the focus.

#include <QDialog>

#include "ops/structurecommands.h"
#include "ops/ui/numberfields.h"

namespace hm {

class TDlgNum2 : public QDialog {
    Q_OBJECT
  public:
    TDlgNum2(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent = nullptr);

    RememberedNumbers Numbers() const;

  private:
    void ApplyKeyCaptions();

    NumberPairSetup setup_;
    NumberFields fields_;
};

} // namespace hm
