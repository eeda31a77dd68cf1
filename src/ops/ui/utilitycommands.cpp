#include "ops/ui/utilitycommands.h"

#include <algorithm>
#include <optional>

#include "model/draft.h"
#include "ops/reversals.h"
#include "ops/tieupspecial.h"
#include "ops/trompaswrit.h"
#include "ops/ui/editsession.h"
#include "ops/ui/structuredialogruns.h"
#include "ops/ui/tieupspecialdialog.h"
#include "ops/ui/trompaswritdialog.h"
#include "ops/ui/wrapliftplandialog.h"
#include "ops/wrapliftplan.h"
#include "tools/ui/mousetools.h"
#include "ui/commandcontext.h"

namespace hm {

namespace {

// The selection as a rectangle of the liftplan, when it lies there.
std::optional<LiftplanArea> LiftplanSelection(const CommandContext& ctx) {
    const MouseTools* tools = ctx.Find<MouseTools>();
    if (!tools || !tools->HasSelection()) return std::nullopt;
    const SelectionRange r = tools->SelectionRect();
    if (r.area != ViewArea::Liftplan) return std::nullopt;
    // Rows count from the first pick on the screen; liftplan columns do not scroll.
    const int firstPick = std::max(0, ctx.draft.FirstPick);
    return LiftplanArea{r.colFrom, r.colTo, r.rowFrom + firstPick, r.rowTo + firstPick};
}

// Shows the selection's frame again over a repainted liftplan.
void RedrawSelection(const CommandContext& ctx) {
    if (MouseTools* tools = ctx.Find<MouseTools>()) tools->DrawSelection();
}

} // namespace

bool Trompaswrit1Click(CommandContext& ctx) {
    Ttrompaswdlg dialog(ctx.draft, ctx.dialogParent);
    EditSession session(ctx);
    auto operation = [&dialog]() -> EditSession::Operation {
        return [kind = dialog.Kind()](Draft& d) { return TrompAsWrit(d, kind); };
    };
    dialog.PreviewClicked = [&] { session.Preview(operation()); };
    if (ctx.Exec(dialog) != QDialog::Accepted) {
        session.Cancel();
        return false;
    }
    return session.Apply(operation());
}

bool MakeSymmetrical(CommandContext& ctx, MirrorTarget target) {
    return EditSession(ctx).Apply([target](Draft& d) { return MirrorRepeat(d, target); });
}

bool InsertDelete(CommandContext& ctx, InsertDeleteKind kind) {
    return RunEndsPicksDialog(ctx, kind);
}

bool InsTreadles1Click(CommandContext& ctx) {
    return RunNumberPairDialog(ctx, NumberPairCommand::InsertTreadles);
}

bool DelTreadles1Click(CommandContext& ctx) {
    return RunNumberPairDialog(ctx, NumberPairCommand::DeleteTreadles);
}

bool WrapLiftplan1Click(CommandContext& ctx) {
    const std::optional<LiftplanArea> selection = LiftplanSelection(ctx);
    const NumberRange steps = selection ? WrapStepsRange(*selection) : WrapStepsRange(ctx.draft);
    TWrapLiftDlg dialog(steps, WrapItemTextsExchanged(ctx.draft), ctx.dialogParent);
    EditSession session(ctx);
    auto operation = [&]() -> EditSession::Operation {
        const bool right = dialog.Right();
        const int n = dialog.Steps();
        if (selection)
            return [=, area = *selection](Draft& d) { return WrapLiftplanArea(d, right, n, area); };
        return [=](Draft& d) { return WrapLiftplan(d, right, n); };
    };
    dialog.PreviewClicked = [&] {
        session.Preview(operation());
        RedrawSelection(ctx);
    };
    if (ctx.Exec(dialog) != QDialog::Accepted) {
        session.Cancel();
        RedrawSelection(ctx);
        return false;
    }
    const bool changed = session.Apply(operation());
    RedrawSelection(ctx);
    return changed;
}

bool ReverseTieups1Click(CommandContext& ctx) {
    return EditSession(ctx).Apply(&ReverseTieups);
}

bool Reverse1Click(CommandContext& ctx) {
    return EditSession(ctx).Apply(&ReverseLiftplan);
}

bool ReverseOrder1Click(CommandContext& ctx) {
    return EditSession(ctx).Apply(&ReverseWeftOrder);
}

bool TieUpSpecial1Click(CommandContext& ctx) {
    TieupSpecialChoice& remembered = ctx.Own<TieupSpecialChoice>();
    TTieupDlg dialog(remembered, ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    remembered = dialog.Choice();
    const TieupSpecialChoice choice = remembered;
    return EditSession(ctx).Apply([choice](Draft& d) { return TieupSpecial(d, choice); });
}

bool SwitchTreadles1Click(CommandContext& ctx) {
    return RunSwitchDialog(ctx, NumberPairCommand::SwitchTreadles);
}

} // namespace hm
