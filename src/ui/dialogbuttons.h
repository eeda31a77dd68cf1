#pragma once
// The button column that the small modal dialogs share: OK (the default button,
// accepting) and Cancel (rejecting), named "OKButton" and "CancelButton" for the
// translation tables and the tests. Callers add their own buttons below.

class QCheckBox;
class QDialog;
class QPushButton;
class QVBoxLayout;

namespace hm {

QVBoxLayout* OkCancelColumn(QDialog* dialog);
// Adds a button named `name` with the English caption `caption` to the column.
QPushButton* AddColumnButton(QVBoxLayout* column, QDialog* dialog, const char* name,
                             const char* caption);
// A component box counts only while it is enabled and checked.
bool BoxTaken(const QCheckBox* box);

} // namespace hm
