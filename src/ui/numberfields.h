#pragma once
// Two labelled number fields, one below the other: label Label1 with spin field
// SpinEdit1 over label Label2 with spin field SpinEdit2, as the insert/delete,
// number-pair, switch, expand and numbers dialogs show them. The labels start
// empty; their texts come from translation keys or from the caller.

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
