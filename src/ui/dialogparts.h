#pragma once
// Builders for the controls the dialogs share. Every widget carries its form
// name as objectName, which the translation tables and the tests look for, and
// its English text, which the dialog's table replaces.

#include "model/numberrange.h"

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace hm {

// A spin field within `range` (an upper end below the lower one leaves the
// lower end only), showing `value` clamped into it.
QSpinBox* MakeSpin(QWidget* parent, const char* name, NumberRange range, int value);
// A label with its English text; its mnemonic moves the focus to `buddy`.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QWidget* buddy = nullptr);
QCheckBox* MakeBox(QWidget* parent, const char* name, const char* text, bool checked = false);
// Adds a row to `form`: a new label beside `field`, made with the field's
// parent and naming the field as its buddy.
QLabel* AddLabelledRow(QFormLayout* form, const char* name, const char* text, QWidget* field);

// A titled group box whose radio buttons, added with AddRadio, stand one below
// the other.
QGroupBox* MakeRadioGroup(QWidget* parent, const char* name, const char* title);
QRadioButton* AddRadio(QGroupBox* group, const char* name, const char* text);

} // namespace hm
