#pragma once
// The fields that "Print Draft" and "Save Draft as PNG-image" share: From End,
// No. of Ends and the To End they give, the same for picks, and the four Fill
// boxes. The widgets are children of the dialog and carry the names its
// translation table uses.

#include "output/draftpicture.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QSpinBox;
class QVBoxLayout;
class QWidget;

namespace hm {

class DraftRangeFields {
  public:
    DraftRangeFields(QWidget* dialog, const DraftRangeLimits& limits, const DraftRange& start,
                     const DraftFill& fill);

    // The spin fields with their labels, ends left and picks right.
    QGridLayout* rangeLayout() const { return range_; }
    // The Fill boxes one below the other; a dialog adds its own boxes after them.
    QVBoxLayout* boxLayout() const { return boxes_; }

    DraftRange Range() const;
    DraftFill Fill() const;

    // The liftplan box reads "@filltr"; called again after a language change.
    void ApplyKeyCaptions();

  private:
    void ShowToValues();

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

// A named spin field within its limits, showing the value clamped into them.
QSpinBox* MakeOutputSpin(QWidget* parent, const char* name, const NumberRange& limits, int value);
// A named label with its English text, labelling `buddy`.
QLabel* MakeOutputLabel(QWidget* parent, const char* name, const char* text,
                        QWidget* buddy = nullptr);
QCheckBox* MakeOutputBox(QWidget* parent, const char* name, const char* text, bool checked);

} // namespace hm
