#include "ui/numberfields.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "settings/messages.h"
#include "ui/dialogparts.h"

namespace hm {

NumberFields NumberFields::Make(QWidget* parent, NumberRange first, NumberRange second, int value1,
                                int value2) {
    NumberFields f;
    f.spin1 = MakeSpin(parent, "SpinEdit1", first, value1);
    f.spin2 = MakeSpin(parent, "SpinEdit2", second, value2);
    f.layout = new QFormLayout;
    f.label1 = AddLabelledRow(f.layout, "Label1", "", f.spin1);
    f.label2 = AddLabelledRow(f.layout, "Label2", "", f.spin2);
    return f;
}

void NumberFields::SetLabelKeys(const char* key1, const char* key2, const char* suffix) {
    const QString after = QString::fromUtf8(suffix);
    label1->setText(Tr(key1) + after);
    label2->setText(Tr(key2) + after);
}

} // namespace hm
