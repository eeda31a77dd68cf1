#include "ops/ui/numberfields.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

#include "settings/messages.h"

namespace hm {

namespace {

QSpinBox* MakeSpin(QWidget* parent, const char* name, NumberRange range, int value) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(range.min, range.max);
    s->setValue(std::clamp(value, range.min, range.max));
    return s;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QSpinBox* buddy) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

NumberFields NumberFields::Make(QWidget* parent, NumberRange first, NumberRange second, int value1,
                                int value2) {
    NumberFields f;
    f.spin1 = MakeSpin(parent, "SpinEdit1", first, value1);
    f.spin2 = MakeSpin(parent, "SpinEdit2", second, value2);
    f.label1 = MakeLabel(parent, "Label1", f.spin1);
    f.label2 = MakeLabel(parent, "Label2", f.spin2);
    f.layout = new QFormLayout;
    f.layout->addRow(f.label1, f.spin1);
    f.layout->addRow(f.label2, f.spin2);
    return f;
}

void NumberFields::SetLabelKeys(const char* key1, const char* key2, const char* suffix) {
    const QString after = QString::fromUtf8(suffix);
    label1->setText(Tr(key1) + after);
    label2->setText(Tr(key2) + after);
}

} // namespace hm
