#include "ops/ui/complexdraftingcommands.h"

#include <functional>

#include "model/draft.h"
#include "ops/complexdraftingtexts.h"
#include "ops/expand.h"
#include "ops/insertinpattern.h"
#include "ops/reanalyze.h"
#include "ops/straightthreading.h"
#include "ops/ui/editsession.h"
#include "ops/ui/expandpatterndialog.h"
#include "ops/ui/insertinpatterndialog.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

namespace {

// Runs a dialog with Preview in one edit session: previews start again from
// the draft as the dialog found it, Cancel returns to it, and only a change
// that OK applied takes the undo snapshot. Returns whether OK changed the draft.
bool RunPreviewDialog(CommandContext& ctx, QDialog& dialog, std::function<void()>& onPreview,
                      const EditSession::Operation& operation) {
    EditSession session(ctx);
    onPreview = [&] { session.Preview(operation); };
    if (ctx.Exec(dialog) != QDialog::Accepted) {
        session.Cancel();
        return false;
    }
    return session.Apply(operation);
}

// The operation in a session of its own: a refused one leaves the draft, the
// modified mark and Undo as they were.
bool RunDirect(CommandContext& ctx, const EditSession::Operation& operation) {
    EditSession session(ctx);
    return session.Apply(operation);
}

int LastVisibleEnd(const CommandContext& ctx) {
    return ctx.view.VisibleEnds + ctx.draft.FirstEnd;
}
int LastVisiblePick(const CommandContext& ctx) {
    return ctx.view.VisiblePicks + ctx.draft.FirstPick;
}

} // namespace

bool Translate1Click(CommandContext& ctx) {
    InitComplexDraftingTexts();
    Draft& d = ctx.draft;
    if (!d.DesignMode && !ctx.view.ExpertMode && ctx.doc.Modified &&
        (d.HasThreadingIn(LastVisibleEnd(ctx)) || d.HasTreadlingIn(LastVisiblePick(ctx)))) {
        const BoxAnswer answer = ctx.Ask(MessageKind::ThreeWay, "@mestran");
        if (answer == BoxAnswer::Cancel) return false;
        // A Save As that does not happen abandons the command rather than
        // expanding a draft the user wanted kept.
        if (answer == BoxAnswer::Yes && !ctx.host.SaveAs()) return false;
    }
    TDlgExpand dialog(d.ExpandFactorEnds, d.ExpandFactorPicks, ctx.dialogParent);
    const bool applied = RunPreviewDialog(ctx, dialog, dialog.OnPreview, [&](Draft& draft) {
        return ExpandPattern(draft, dialog.EndsFactor(), dialog.PicksFactor());
    });
    if (applied) {
        d.ExpandFactorEnds = dialog.EndsFactor();
        d.ExpandFactorPicks = dialog.PicksFactor();
    }
    return applied;
}

bool InsertThreading1Click(CommandContext& ctx) {
    InitComplexDraftingTexts();
    TInsdlgcd dialog(ctx.dialogParent);
    return RunPreviewDialog(ctx, dialog, dialog.OnPreview, [&](Draft& draft) {
        return InsertInPatternThreading(draft, dialog.Interval(), dialog.FromEndOne());
    });
}

bool StraightThreading1Click(CommandContext& ctx) {
    InitComplexDraftingTexts();
    if (ctx.draft.DesignMode) return false;
    const Message noPattern =
        StraightThreadingCheck(ctx.draft, LastVisibleEnd(ctx), LastVisiblePick(ctx));
    if (!noPattern.empty()) {
        ctx.Show({noPattern});
        return false;
    }
    if (ctx.Ask(MessageKind::Confirmation, "@idTransConv") != BoxAnswer::Yes) return false;
    return RunDirect(ctx, StraightPatternThreading);
}

bool Reanalyze1Click(CommandContext& ctx) {
    InitComplexDraftingTexts();
    if (!CanReanalyze(ctx.draft, LastVisibleEnd(ctx), LastVisiblePick(ctx))) return false;
    if (ctx.Ask(MessageKind::Confirmation, "@mesreana") != BoxAnswer::Yes) return false;
    return RunDirect(ctx, ReanalyzePattern);
}

} // namespace hm
