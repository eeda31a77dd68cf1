#pragma once
// The tip-of-the-day window: one short hint on working with the program at a
// time, and the choice whether it opens at start-up.

#include <QDialog>

class QCheckBox;
class QLabel;

namespace hm {

class TMultiLang;

class TTipForm : public QDialog {
    Q_OBJECT
  public:
    // showAtStartup: the stored "TipOfDay" value.
    explicit TTipForm(bool showAtStartup, QWidget* parent = nullptr);

    int TipCount() const;
    int CurrentTip() const { return current_; }
    // Shows tip n (counted from 0, wrapping around).
    void ShowTip(int n);
    void NextTip();
    bool ShowAtStartup() const;

  signals:
    // The user changed the "show tips at start-up" box; "TipOfDay" is written.
    void showAtStartupChanged(bool show);

  private:
    void ShowCurrent();

    TMultiLang* lang_ = nullptr;
    QLabel* tip_ = nullptr;
    QCheckBox* showBox_ = nullptr;
    int current_ = 0;
};

} // namespace hm
