#include "ui/dialogparts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace hm {

QSpinBox* MakeSpin(QWidget* parent, const char* name, NumberRange range, int value) {
    const NumberRange r = SpinBoxRange(range.min, range.max);
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(r.min, r.max);
    s->setValue(std::clamp(value, r.min, r.max));
    return s;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    if (buddy) l->setBuddy(buddy);
    return l;
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const char* text, bool checked) {
    auto* b = new QCheckBox(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setChecked(checked);
    return b;
}

QLabel* AddLabelledRow(QFormLayout* form, const char* name, const char* text, QWidget* field) {
    QLabel* label = MakeLabel(field->parentWidget(), name, text, field);
    form->addRow(label, field);
    return label;
}

QGroupBox* MakeRadioGroup(QWidget* parent, const char* name, const char* title) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(QString::fromLatin1(name));
    new QVBoxLayout(group);
    return group;
}

QRadioButton* AddRadio(QGroupBox* group, const char* name, const char* text) {
    auto* b = new QRadioButton(QString::fromUtf8(text), group);
    b->setObjectName(QString::fromLatin1(name));
    group->layout()->addWidget(b);
    return b;
}

} // namespace hm
