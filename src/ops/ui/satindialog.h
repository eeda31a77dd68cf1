#pragma once
// "Satin - N shafts": the satin moves possible on N shafts (NumLabel, and
// NumLabel2 for pairs beyond the sixth) and the move to weave ("Move:",
// SpinEdit1, 1..N-1, starting at the first move found). Help opens the manual's
// page on satin moves through HelpRequested.

#include <QDialog>

class QLabel;
class QSpinBox;

namespace hm {

class TMultiLang;

class TSatinDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TSatinDlg(int shafts, QWidget* parent = nullptr);

    int Move() const;
    int Shafts() const { return shafts_; }

  signals:
    void HelpRequested();

  private:
    void ApplyKeyCaptions();

    int shafts_ = 0;
    QLabel* numLabel_ = nullptr;
    QLabel* numLabel2_ = nullptr;
    QSpinBox* move_ = nullptr;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
