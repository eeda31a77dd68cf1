#pragma once
// The switch dialog: two shafts (or treadles) exchanged at each press of
// "Switch", which leaves the dialog open with the focus on the second field;
// "Close" ends it. It opens horizontally centred on the screen.

#include <functional>

#include "ops/ui/numberpairbase.h"

namespace hm {

class TDlgFlo2 : public NumberPairDialogBase {
    Q_OBJECT
  public:
    // The fields start with the remembered numbers.
    TDlgFlo2(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent = nullptr);

    // Runs at each press of "Switch" with the numbers as they stand.
    std::function<void(RememberedNumbers)> SwitchClicked;

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace hm
