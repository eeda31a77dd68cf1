#pragma once
// "Repeat": copy a stretch of a threading, treadling, the liftplan or a colour
// sequence after itself, or fill the whole draft by its own repeats ("Fill
// Pattern"). One dialog object serves the whole run; the values it shows live
// outside it (RepeatDialogValues), so that New and the switch to Design can
// check "Fill Pattern" again while the dialog is closed. The controls follow
// the rules of ops/repeatdialogrules.h; applying, previewing and the undo
// snapshot are the command's business (ops/ui/repeatcommand.h).

#include <QDialog>
#include <array>
#include <functional>

#include "ops/repeatdialogrules.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace hm {

class TMultiLang;

class TRepForm : public QDialog {
    Q_OBJECT
  public:
    explicit TRepForm(RepeatDialogValues& values, QWidget* parent = nullptr);

    // Opening: the values set up for this draft and selection (nullptr: none),
    // then shown in the controls. Target proposals look at `d` until
    // SetProposalDraft names another.
    void Open(const Draft& d, const RepeatSelection* selection);
    // The draft the End Position is proposed from when the user picks another
    // target: the draft as it was when the dialog opened, even after a preview
    // changed the real one.
    void SetProposalDraft(const Draft* d) { proposalDraft_ = d; }

    const RepeatDialogValues& Values() const { return values_; }

    // Runs when "Preview" is pressed, after the controls' values are taken.
    std::function<void()> onPreview;

  signals:
    void HelpRequested();

  private:
    void BuildControls();
    void ApplyKeyCaptions();
    // Every control from the values.
    void ShowValues(const Draft& d);
    // What depends on Fill Pattern, the target and Fill Remaining.
    void ShowDependentStates();
    void TargetClicked(int id);

    RepeatDialogValues& values_;
    const Draft* proposalDraft_ = nullptr;
    bool showing_ = false; // controls are being set from the values

    QCheckBox* fillPattern_ = nullptr;
    QCheckBox* linkColors_ = nullptr;
    QGroupBox* sourceGroup_ = nullptr;
    QSpinBox* start_ = nullptr;
    QSpinBox* end_ = nullptr;
    QGroupBox* copiesGroup_ = nullptr;
    QCheckBox* fillRemaining_ = nullptr;
    QLabel* copiesLabel_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QGroupBox* targetGroup_ = nullptr;
    QButtonGroup* targets_ = nullptr;
    std::array<QRadioButton*, 8> targetButtons_{};
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
