#pragma once
// Edit > Repeat... and the Repeat button of the tool bar: the Repeat dialog
// (ops/ui/repeatdialog.h) over the draft, with its preview and its undo
// snapshot.

#include <optional>

#include "ops/repeatdialogrules.h"

namespace hm {

class CommandContext;
class TRepForm;

// Opens the run's one Repeat dialog. On opening it records the undo snapshot
// and the four repeat numbers; Preview and OK first return to them, then apply
// the dialog's values; Cancel returns to them and repaints. Returns whether OK
// applied the dialog.
bool Rep1Click(CommandContext& ctx);

// The dialog of the run, created on first use.
TRepForm& RepeatForm(CommandContext& ctx);

// The mouse tools' selection when it lies in one of the dialog's eight areas
// and that target can be chosen, in draft numbering.
std::optional<RepeatSelection> RepeatSelectionOf(CommandContext& ctx);

} // namespace hm
