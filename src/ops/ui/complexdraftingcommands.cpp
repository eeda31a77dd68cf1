#include "ops/ui/complexdraftingcommands.h"

#include <functional>
#include <memory>

#include "model/draft.h"
#include "ops/complexdraftingtexts.h"
#include "ops/expand.h"
#include "ops/insertinpattern.h"
#include "ops/reanalyze.h"
#include "ops/straightthreading.h"
#include "ops/ui/expandpatterndialog.h"
#include "ops/ui/insertinpatterndialog.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

namespace {

// A dialog with Preview: the undo snapshot is taken when it opens, and every
// Preview and the OK start again from the draft as the dialog found it, so
// previews never add up; Cancel returns to it. The whole draft is kept, since
// the undo snapshot leaves out the end and pick counts that the operations may
// raise and, in Design mode, the pattern level they rebuild.
class PreviewSession {
  public:
    explicit PreviewSession(CommandContext& ctx)
        : ctx_(ctx), before_(std::make_unique<Draft>(ctx.draft)) {
        ctx.host.TakeUndoSnapshot();
    }

    void Apply(const std::function<StructureChange(Draft&)>& operation) {
        ctx_.draft = *before_;
        StructureChange change;
        {
            BusyCursor busy;
            change = operation(ctx_.draft);
        }
        ctx_.host.Update();
        ctx_.Show(change.messages);
    }

    void Cancel() {
        ctx_.draft = *before_;
        ctx_.host.Update();
    }

  private:
    CommandContext& ctx_;
    std::unique_ptr<Draft> before_;
};

// Runs a dialog with Preview; `operation` applies the dialog's answers.
// Returns whether OK applied them.
bool RunPreviewDialog(CommandContext& ctx, QDialog& dialog, std::function<void()>& onPreview,
                      const std::function<StructureChange(Draft&)>& operation) {
    PreviewSession session(ctx);
    onPreview = [&] { session.Apply(operation); };
    if (ctx.Exec(dialog) != QDialog::Accepted) {
        session.Cancel();
        return false;
    }
    session.Apply(operation);
    return true;
}

// The undo snapshot, the operation, and only when it changed the draft the
// repaint with layout, the modified mark and Undo; then its messages.
bool RunDirect(CommandContext& ctx, const std::function<StructureChange(Draft&)>& operation) {
    ctx.host.TakeUndoSnapshot();
    StructureChange change;
    {
        BusyCursor busy;
        change = operation(ctx.draft);
    }
    if (change.changed) {
        ctx.host.Update();
        ctx.host.MarkModified();
        ctx.host.MarkUndoAvailable();
    }
    ctx.Show(change.messages);
    return change.changed;
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
