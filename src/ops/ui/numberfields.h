#pragma once
// The two number fields that the insert/delete, number-pair and switch dialogs
// share: label Label1 with spin field SpinEdit1 over label Label2 with spin
// field SpinEdit2. The labels take their texts from translation keys.

#include "model/numberrange.h"

class QFormLayout;
class QLabel;
class QSpinBox;
class QString;
class QWidget;

namespace hm {

struct NumberFields {
    QLabel* label1 = nullptr;
    QSpinBox* spin1 = nullptr;
    QLabel* label2 = nullptr;
    QSpinBox* spin2 = nullptr;
    QFormLayout* layout = nullptr;

    // Values outside a range start at its nearest end.
    static NumberFields Make(QWidget* parent, NumberRange first, NumberRange second, int value1,
                             int value2);
    // The labels' texts: each key translated, followed by the suffix.
    void SetLabelKeys(const char* key1, const char* key2, const char* suffix = "");
};

} // namespace hm
