#pragma once
// "Insert in Pattern Threading": the interval (1..100) after which an empty
// end is opened, and whether the first end is one ("End #1") or the first gap
// follows the first interval ("After interval"); OK, Cancel and Preview. The
// dialog only collects the answers; Preview calls OnPreview.

#include <QDialog>
#include <functional>

class QRadioButton;
class QSpinBox;

namespace hm {

class TMultiLang;

class TInsdlgcd : public QDialog {
    Q_OBJECT
  public:
    explicit TInsdlgcd(QWidget* parent = nullptr);

    int Interval() const;
    bool FromEndOne() const;

    // Run by "Preview" with the answers as they stand.
    std::function<void()> OnPreview;

  private:
    void ApplyKeyCaptions();

    QSpinBox* interval_ = nullptr;
    QRadioButton* endOne_ = nullptr;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
