#pragma once
// "New Pattern": the size, the pattern shafts and the shed of a new draft, and
// whether the palette returns to the default ("Use default Color Palette", kept
// during a run).

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;

namespace hm {

class TMultiLang;

struct NewPatternChoice {
    int ends = 1200;
    int picks = 1200;
    int shafts = 8;
    bool sinkingShed = false;
    bool defaultPalette = false;
};

class TNewPatternDlg : public QDialog {
    Q_OBJECT
  public:
    // Ends and picks are proposed as 1200; shafts and shed from the saved values.
    TNewPatternDlg(int savedShafts, bool savedSinkingShed, QWidget* parent = nullptr);

    NewPatternChoice Choice() const;

    static void ResetRemembered(); // "Use default Color Palette" clear

  protected:
    void done(int result) override;

  private:
    void ApplyKeyCaptions();

    QSpinBox* ends_ = nullptr;
    QSpinBox* picks_ = nullptr;
    QGroupBox* shaftsGroup_ = nullptr;
    QSpinBox* shafts_ = nullptr;
    QRadioButton* rising_ = nullptr;
    QRadioButton* sinking_ = nullptr;
    QCheckBox* defaultPalette_ = nullptr;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
