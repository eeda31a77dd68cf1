#include "ops/ui/structuredialogruns.h"

#include "model/draft.h"
#include "ops/ui/editsession.h"
#include "ops/ui/insertdeletedialog.h"
#include "ops/ui/numberpairdialog.h"
#include "ops/ui/switchdialog.h"
#include "ui/commandcontext.h"

namespace hm {

namespace {

bool IsDesignEndsPicks(NumberPairCommand command) {
    switch (command) {
    case NumberPairCommand::DesignInsertEnds:
    case NumberPairCommand::DesignDeleteEnds:
    case NumberPairCommand::DesignInsertPicks:
    case NumberPairCommand::DesignDeletePicks:
        return true;
    default:
        return false;
    }
}

NumberPairCommand DesignCommandFor(InsertDeleteKind kind) {
    switch (kind) {
    case InsertDeleteKind::InsertEnds:
        return NumberPairCommand::DesignInsertEnds;
    case InsertDeleteKind::DeleteEnds:
        return NumberPairCommand::DesignDeleteEnds;
    case InsertDeleteKind::InsertPicks:
        return NumberPairCommand::DesignInsertPicks;
    case InsertDeleteKind::DeletePicks:
        break;
    }
    return NumberPairCommand::DesignDeletePicks;
}

EditSession::Operation NumberPairOperation(NumberPairCommand command, RememberedNumbers n) {
    return [=](Draft& d) { return ApplyNumberPair(d, command, n.first, n.second); };
}

} // namespace

bool RunInsertDeleteDialog(CommandContext& ctx, InsertDeleteKind kind) {
    TInsDelDlg dialog(kind, ctx.draft, ctx.dialogParent);
    EditSession session(ctx);
    auto operation = [&dialog, kind]() -> EditSession::Operation {
        return [kind, first = dialog.First(), second = dialog.Second(), moves = dialog.Moves()](
                   Draft& d) { return ApplyInsertDelete(d, kind, first, second, moves); };
    };
    dialog.PreviewClicked = [&] { session.Preview(operation()); };
    if (ctx.Exec(dialog) != QDialog::Accepted) {
        session.Cancel();
        return false;
    }
    return session.Apply(operation());
}

bool RunNumberPairDialog(CommandContext& ctx, NumberPairCommand command) {
    RememberedNumbers& remembered = ctx.Own<RememberedNumbers>();
    TDlgNum2 dialog(NumberPairFor(command, ctx.draft), remembered, ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    remembered = dialog.Numbers();
    EditSession session(ctx, !IsDesignEndsPicks(command));
    return session.Apply(NumberPairOperation(command, remembered));
}

bool RunSwitchDialog(CommandContext& ctx, NumberPairCommand command) {
    RememberedNumbers& remembered = ctx.Own<RememberedNumbers>();
    TDlgFlo2 dialog(NumberPairFor(command, ctx.draft), remembered, ctx.dialogParent);
    EditSession session(ctx);
    bool changed = false;
    dialog.SwitchClicked = [&](RememberedNumbers numbers) {
        remembered = numbers;
        changed = session.ApplyMore(NumberPairOperation(command, numbers)) || changed;
    };
    ctx.Exec(dialog);
    return changed;
}

bool RunEndsPicksDialog(CommandContext& ctx, InsertDeleteKind kind) {
    if (ctx.draft.DesignMode) return RunNumberPairDialog(ctx, DesignCommandFor(kind));
    return RunInsertDeleteDialog(ctx, kind);
}

} // namespace hm
