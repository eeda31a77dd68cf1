#pragma once
// "Wrap Liftplan": the direction and the number of steps of a cyclic shift of
// the liftplan (or of its selected part). The first item shifts towards higher
// shaft numbers; its text reads "Right" when shaft 1 is at the bottom and
// "Left" otherwise, so that the word matches the direction on the screen.

#include <QDialog>
#include <functional>

#include "model/numberrange.h"

class QRadioButton;
class QSpinBox;

namespace hm {

class TWrapLiftDlg : public QDialog {
    Q_OBJECT
  public:
    // steps: the range of StepsSpin, which starts at 1.
    TWrapLiftDlg(NumberRange steps, bool itemTextsExchanged, QWidget* parent = nullptr);

    // The first item: towards higher shaft numbers.
    bool Right() const;
    int Steps() const;

    // Runs when "Preview" is pressed.
    std::function<void()> PreviewClicked;

  private:
    void ExchangeItemTexts();

    QRadioButton* first_ = nullptr;
    QRadioButton* second_ = nullptr;
    QSpinBox* steps_ = nullptr;
    bool exchanged_;
};

} // namespace hm
