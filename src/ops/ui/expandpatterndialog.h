#pragma once
// "Expand Pattern": the factors by which ends and picks are expanded (1..16
// each), with OK, Cancel and Preview. The dialog only collects the numbers;
// Preview calls OnPreview, and the command applies them.

#include <QDialog>
#include <functional>

#include "ui/numberfields.h"

namespace hm {

class TMultiLang;

class TDlgExpand : public QDialog {
    Q_OBJECT
  public:
    // Opens with the stored factors.
    TDlgExpand(int endsFactor, int picksFactor, QWidget* parent = nullptr);

    int EndsFactor() const;
    int PicksFactor() const;

    // Run by "Preview" with the factors as they stand.
    std::function<void()> OnPreview;

  private:
    void ApplyKeyCaptions();

    NumberFields fields_;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
