#pragma once
// The fields that "Print Draft" and "Save Draft as PNG-image" share: From End,
// No. of Ends and the To End they give, the same for picks, and the four Fill
// boxes, and the dialog's layout around them with OK and Cancel. The widgets
// are children of the dialog and carry the names its translation table uses.

#include "output/draftpicture.h"

class QCheckBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLayout;
class QSpinBox;
class QVBoxLayout;

namespace hm {

class DraftRangeFields {
  public:
    DraftRangeFields(QDialog* dialog, const DraftRangeLimits& limits, const DraftRange& start,
                     const DraftFill& fill);

    // The spin fields with their labels, ends left and picks right.
    QGridLayout* rangeLayout() const { return range_; }
    // The Fill boxes one below the other; a dialog adds its own boxes after them.
    QVBoxLayout* boxLayout() const { return boxes_; }

    // Lays the dialog out (the spin fields, the boxes, then `extraRow` if given,
    // beside OK and Cancel) and translates it by its `table`. Called last, once
    // the dialog's own widgets exist.
    void LayOutAndTranslate(const char* table, QLayout* extraRow = nullptr);

    DraftRange Range() const;
    DraftFill Fill() const;

  private:
    void ShowToValues();
    // The liftplan box reads "@filltr"; called again after a language change.
    void ApplyKeyCaptions();

    QDialog* dialog_;

    QSpinBox* fromEnd_ = nullptr;
    QSpinBox* ends_ = nullptr;
    QLabel* toEnd_ = nullptr;
    QSpinBox* fromPick_ = nullptr;
    QSpinBox* picks_ = nullptr;
    QLabel* toPick_ = nullptr;
    QCheckBox* fillThreading_ = nullptr;
    QCheckBox* fillTieup_ = nullptr;
    QCheckBox* fillTreadling_ = nullptr;
    QCheckBox* fillDrawdown_ = nullptr;
    QGridLayout* range_ = nullptr;
    QVBoxLayout* boxes_ = nullptr;
};

} // namespace hm
