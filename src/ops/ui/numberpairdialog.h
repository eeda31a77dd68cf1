#pragma once
// The number-pair dialog: two numbers for the Design-mode insert and delete of
// ends and picks and for inserting and deleting pattern shafts and treadles.
// The caller gives the caption, the labels and the ranges; the fields start
// with the remembered numbers, and the first one has the focus.

#include "ops/ui/numberpairbase.h"

namespace hm {

class TDlgNum2 : public NumberPairDialogBase {
    Q_OBJECT
  public:
    TDlgNum2(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent = nullptr);
};

} // namespace hm
