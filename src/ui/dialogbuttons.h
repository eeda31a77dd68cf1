#pragma once
// The button column that the small modal dialogs share: OK (the default button,
// accepting) and Cancel (rejecting), named "OKButton" and "CancelButton" for the
// translation tables and the tests. Callers add their own buttons below.

#include <functional>
#include <span>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace hm {

QVBoxLayout* OkCancelColumn(QDialog* dialog);
// Adds a button named `name` with the English caption `caption` to the column.
QPushButton* AddColumnButton(QVBoxLayout* column, QDialog* dialog, const char* name,
                             const char* caption);
// Adds a "Preview" button named `name` that runs `onPreview` if it is set when
// the button is pressed; `onPreview` is a member of `dialog`.
QPushButton* AddPreviewButton(QVBoxLayout* column, QDialog* dialog, const char* name,
                              const std::function<void()>& onPreview);
// Lays the dialog out as its fields on the left and the button column on the
// right, the buttons kept at the top by a stretch below them.
QHBoxLayout* PlaceBesideButtons(QDialog* dialog, QLayout* fields, QVBoxLayout* buttons);
QHBoxLayout* PlaceBesideButtons(QDialog* dialog, QWidget* fields, QVBoxLayout* buttons);
// A component box counts only while it is enabled and checked.
bool BoxTaken(const QCheckBox* box);
// Copies the boxes' check marks into `marks`, in order, for a dialog that
// keeps them from one use to the next.
void StoreCheckMarks(std::span<QCheckBox* const> boxes, std::span<bool> marks);

} // namespace hm
