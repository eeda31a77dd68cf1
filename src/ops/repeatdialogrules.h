#pragma once
// Every rule of the Repeat dialog that does not need a widget: which targets are
// enabled and where a disabled one falls back to, the End Position proposed on
// opening and on every change of target, what a selection sets, when "Fill
// Pattern" is offered, and what OK and Preview do. The dialog keeps one
// RepeatDialogValues for the whole run and wires its controls to these
// functions.

#include "model/draft.h"
#include "ops/repeatfill.h"

namespace hm {

// The dialog's controls as values. The check marks and spin values persist
// between uses of the dialog.
struct RepeatDialogValues {
    bool fillPattern = true;        // Fillpatbox checked
    bool fillPatternEnabled = true; // Fillpatbox enabled
    bool linkColors = true;         // LinkBox checked
    int start = 1;                  // StartSpin "Start Position"
    int end = 1;                    // EndSpin "End Position"
    bool fillRemaining = true;      // TotalBox "Fill Remaining"
    int copies = 1;                 // RepSpin "No. of Copies"
    RepeatTarget target = RepeatTarget::PatternThreading;
    // Set while a selection governs the range; the target change then keeps it.
    bool rangeFromSelection = false;
    ColumnRange columns; // liftplan columns copied
};

inline constexpr int RepeatSpinMin = 1;
inline constexpr int RepeatSpinMax = 9999;
// "Fill Remaining" copies as often as there is room.
inline constexpr int FillRemainingCopies = 60000;

// Radio buttons 1 and 2 need PatternThreadingOn, 5 ThreadingBOn, 6 TreadlingBOn.
// In Design mode the ground targets 3 to 6 have no picture and are disabled.
bool RepeatTargetEnabled(const Draft& d, RepeatTarget t);
// The target that a disabled one gives way to: in Draft mode the pattern
// threading and threading B fall back to threading A, the liftplan and
// treadling B to treadling A. In Design mode the threadings fall back to the
// pattern threading and the treadlings to the liftplan, and those to the warp
// and weft colours when the pattern level is off. An enabled target stays.
RepeatTarget EnabledRepeatTarget(const Draft& d, RepeatTarget t);

// The End Position proposed for the target and the current Start Position.
int ProposeEndPosition(const Draft& d, RepeatTarget t, int start);

// A selection in one of the eight areas, in draft numbering.
struct RepeatSelection {
    RepeatTarget target = RepeatTarget::PatternThreading;
    int first = 1;       // first end (pick) selected
    int last = 1;        // last end (pick) selected
    ColumnRange columns; // the selected liftplan columns; all columns elsewhere
};
// From the selection's cells as the view numbers them: `fromCell`..`toCell` are
// visible ends (for the threadings and warp colours) or picks (treadlings,
// liftplan, weft colours), counted from the draft's first visible end or pick;
// `columnFrom`..`columnTo` are the selected liftplan columns (liftplan only).
RepeatSelection RepeatSelectionFromCells(const Draft& d, RepeatTarget target, int fromCell,
                                         int toCell, int columnFrom = 1,
                                         int columnTo = MaxPatternShafts);

// Opening the dialog: End Position 4, a disabled target replaced; with a
// selection its range and target, "Fill Pattern" disabled and unchecked and
// the liftplan columns limited to the selection's; without one, "Fill Pattern"
// enabled by FillPatternOffered (unchecked when disabled), all liftplan columns,
// and the End Position proposed.
void OpenRepeatDialog(RepeatDialogValues& v, const Draft& d, const RepeatSelection* selection);
// The user picked another target: the proposal is made again unless a
// selection governs the range.
void ChooseRepeatTarget(RepeatDialogValues& v, const Draft& d, RepeatTarget t);
// The New command and a switch to Design mode check "Fill Pattern" again.
void ResetFillPattern(RepeatDialogValues& v);

// Whether "Fill Pattern" applies (checked and enabled).
bool FillPatternChosen(const RepeatDialogValues& v);
// "Link Colors" is enabled with Fill Pattern, else unless the target is a colour.
bool LinkColorsEnabled(const RepeatDialogValues& v);
// The groups "Repeat Source", "Copies" and "Repeat in" show while Fill Pattern
// does not apply.
bool RepeatGroupsVisible(const RepeatDialogValues& v);
// "No. of Copies" and its label are enabled while "Fill Remaining" is unchecked.
bool CopiesEnabled(const RepeatDialogValues& v);

struct RepeatApplyResult {
    bool changed = false;       // anything was copied or extended
    bool filled = false;        // Fill Pattern ran
    bool showSelection = false; // a partial liftplan column range: show the frame again
};

// OK and Preview, after the dialog restored its undo snapshot: Start and End in
// order, then FillPattern or RepeatBlock, and without fill the End Position
// stored as the target's repeat number (WarpRepeat, WeftRepeat,
// WarpColorRepeat or WeftColorRepeat).
RepeatApplyResult ApplyRepeatDialog(Draft& d, const RepeatDialogValues& v);

} // namespace hm
