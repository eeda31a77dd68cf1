#pragma once
// The Options dialog: the draft's counts, densities, component switches, shed,
// drawdown style and start positions, and the program's preferences, on three
// pages. It edits a copy of the values in its fields and applies them on OK
// (or on "Save Settings"); the main window then runs the follow-up of
// ApplyCountChanges (ops/countchanges.h) with the counts taken before.

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace hm {

class Draft;
class SettingsStore;
class TMultiLang;

class TPagesDlg : public QDialog {
    Q_OBJECT
  public:
    TPagesDlg(Draft& draft, SettingsStore& store, QWidget* parent = nullptr);

    // Fills the fields from the draft and the settings; done on every showing.
    void LoadFields();
    // Puts the fields into the draft and the settings values; the snapshot is
    // taken when "Save Settings on Exit" is checked.
    void ApplyFields();
    // Whether the fields were applied during this showing (by OK or by "Save
    // Settings"). The dialog then ends with Accepted even when closed with
    // Cancel, so that the caller's follow-up always runs after a change.
    bool FieldsApplied() const { return applied_; }

    // The background colour as the colour dialog would set it (0x00BBGGRR).
    void SetBackgroundColor(uint32_t color);
    uint32_t BackgroundColorField() const { return background_; }

    // The page shown last during this run of the program.
    static int LastPage();

  public slots:
    void accept() override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildPatternPage();
    QWidget* BuildLayoutPage();
    QWidget* BuildPreferencesPage();
    void ApplyKeyCaptions();
    void UpdateEnabling();
    void UnitToggled();
    void ShowDensityLabels(bool inches);
    void ChooseBackground();
    void SaveSettingsNow();
    void ShowBackground();

    Draft& draft_;
    SettingsStore& store_;
    TMultiLang* lang_ = nullptr;

    QTabWidget* pages_ = nullptr;
    QSpinBox* endsSpin_ = nullptr;
    QSpinBox* picksSpin_ = nullptr;
    QLabel* epiLabel_ = nullptr;
    QLabel* ppiLabel_ = nullptr;
    QSpinBox* epiSpin_ = nullptr;
    QSpinBox* ppiSpin_ = nullptr;
    QGroupBox* patternBox_ = nullptr;
    QLabel* patternShaftsLabel_ = nullptr;
    QSpinBox* patternShaftsSpin_ = nullptr;
    QLabel* shaftsALabel_ = nullptr;
    QSpinBox* shaftsASpin_ = nullptr;
    QLabel* treadlesALabel_ = nullptr;
    QSpinBox* treadlesASpin_ = nullptr;
    QGroupBox* threadingBBox_ = nullptr;
    QLabel* shaftsBLabel_ = nullptr;
    QSpinBox* shaftsBSpin_ = nullptr;
    QGroupBox* treadlingBBox_ = nullptr;
    QLabel* treadlesBLabel_ = nullptr;
    QSpinBox* treadlesBSpin_ = nullptr;
    QRadioButton* rising_ = nullptr;
    QRadioButton* sinking_ = nullptr;

    QRadioButton* compressionOn_ = nullptr;
    QRadioButton* compressionOff_ = nullptr;
    QRadioButton* style_[4] = {};
    QRadioButton* shaftOneTop_ = nullptr;
    QRadioButton* shaftOneBottom_ = nullptr;
    QRadioButton* fromRight_ = nullptr;
    QRadioButton* fromLeft_ = nullptr;
    QRadioButton* fromTop_ = nullptr;
    QRadioButton* fromBottom_ = nullptr;
    QCheckBox* designGridBox_ = nullptr;

    QRadioButton* inches_ = nullptr;
    QRadioButton* cm_ = nullptr;
    QCheckBox* warningsBox_ = nullptr;
    QPushButton* backgroundPanel_ = nullptr;
    QCheckBox* layoutBox_ = nullptr;
    QCheckBox* saveOnExitBox_ = nullptr;
    QPushButton* saveSettingsButton_ = nullptr;

    bool fieldsInches_ = false; // the unit the density fields are shown in
    bool loading_ = false;
    bool applied_ = false;
    uint32_t background_ = 0xFFFFFF;
    bool backgroundChanged_ = false;
};

} // namespace hm
