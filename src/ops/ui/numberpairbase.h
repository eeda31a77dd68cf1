#pragma once
// What the number-pair and switch dialogs share: two number fields described by
// a NumberPairSetup (caption and label keys, ranges), starting with the
// remembered numbers, laid out beside the dialog's own buttons and translated
// by its table, the first field with the focus.

#include <QDialog>

#include "ops/structurecommands.h"
#include "ui/numberfields.h"

class QVBoxLayout;

namespace hm {

class NumberPairDialogBase : public QDialog {
  public:
    RememberedNumbers Numbers() const;

  protected:
    NumberPairDialogBase(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent);

    // Called last by the dialog, once its buttons exist.
    void LayOutAndTranslate(QVBoxLayout* buttons, const char* table);

    NumberFields fields_;

  private:
    void ApplyKeyCaptions();

    NumberPairSetup setup_;
};

} // namespace hm
