#include "ops/ui/repeatcommand.h"

#include <QDialog>
#include <array>
#include <memory>

#include "model/draft.h"
#include "model/undo.h"
#include "ops/ui/repeatdialog.h"
#include "tools/ui/mousetools.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

namespace {

std::optional<RepeatTarget> TargetOfArea(ViewArea area) {
    switch (area) {
    case ViewArea::PatternThreading:
        return RepeatTarget::PatternThreading;
    case ViewArea::Liftplan:
        return RepeatTarget::Liftplan;
    case ViewArea::ThreadingA:
        return RepeatTarget::ThreadingA;
    case ViewArea::TreadlingA:
        return RepeatTarget::TreadlingA;
    case ViewArea::ThreadingB:
        return RepeatTarget::ThreadingB;
    case ViewArea::TreadlingB:
        return RepeatTarget::TreadlingB;
    case ViewArea::WarpColors:
        return RepeatTarget::WarpColors;
    case ViewArea::WeftColors:
        return RepeatTarget::WeftColors;
    default:
        return std::nullopt;
    }
}

// The state the dialog returns to before every preview, before OK and on
// Cancel. Both snapshot sets are kept: in Design mode Repeat changes the
// picture, while Fill Pattern also works through the draft arrays. The repeat
// numbers are not part of a snapshot, so they are kept here; only OK leaves
// the dialog's numbers behind.
class RepeatSession {
  public:
    explicit RepeatSession(CommandContext& ctx) : ctx_(ctx) {
        Draft& d = ctx_.draft;
        ctx_.undo.TakeDraftSnapshot(d);
        ctx_.undo.TakeSnapshot(d);
        repeats_ = {d.WarpRepeat, d.WeftRepeat, d.WarpColorRepeat, d.WeftColorRepeat};
    }

    void Restore() {
        Draft& d = ctx_.draft;
        ctx_.undo.RestoreDraftSnapshot(d);
        ctx_.undo.RestoreSnapshot(d);
        d.WarpRepeat = repeats_[0];
        d.WeftRepeat = repeats_[1];
        d.WarpColorRepeat = repeats_[2];
        d.WeftColorRepeat = repeats_[3];
        RecomputeExtents();
    }

    RepeatApplyResult Apply(const RepeatDialogValues& values) {
        BusyCursor busy;
        Restore();
        const RepeatApplyResult result = ApplyRepeatDialog(ctx_.draft, values);
        RecomputeExtents();
        return result;
    }

  private:
    void RecomputeExtents() {
        Draft& d = ctx_.draft;
        if (d.DesignMode)
            d.UpdateDesignExtents();
        else
            d.UpdateExtents();
    }

    CommandContext& ctx_;
    std::array<int, 4> repeats_{};
};

} // namespace

TRepForm& RepeatForm(CommandContext& ctx) {
    if (TRepForm* form = ctx.Find<TRepForm>()) return *form;
    auto* form = new TRepForm(ctx.Own<RepeatDialogValues>(), ctx.dialogParent);
    ctx.Register(form);
    return *form;
}

std::optional<RepeatSelection> RepeatSelectionOf(CommandContext& ctx) {
    const MouseTools* tools = ctx.Find<MouseTools>();
    if (!tools || !tools->HasSelection()) return std::nullopt;
    const SelectionRange r = tools->SelectionRect();
    const std::optional<RepeatTarget> target = TargetOfArea(r.area);
    if (!target || !RepeatTargetEnabled(ctx.draft, *target)) return std::nullopt;
    if (RepeatsAlongEnds(*target))
        return RepeatSelectionFromCells(ctx.draft, *target, r.colFrom, r.colTo);
    return RepeatSelectionFromCells(ctx.draft, *target, r.rowFrom, r.rowTo, r.colFrom, r.colTo);
}

bool Rep1Click(CommandContext& ctx) {
    if (ctx.view.FabricView) return false;
    TRepForm& form = RepeatForm(ctx);
    const std::optional<RepeatSelection> selection = RepeatSelectionOf(ctx);
    RepeatSession session(ctx);
    form.Open(ctx.draft, selection ? &*selection : nullptr);

    // The draft as it opened, for the target proposals once a preview changed it.
    std::unique_ptr<Draft> opened;
    form.onPreview = [&] {
        if (!opened) {
            opened = std::make_unique<Draft>(ctx.draft);
            form.SetProposalDraft(opened.get());
        }
        const RepeatApplyResult result = session.Apply(form.Values());
        ctx.host.RepaintDraft();
        if (result.showSelection)
            if (MouseTools* tools = ctx.Find<MouseTools>()) tools->DrawSelection();
    };
    const QMetaObject::Connection help =
        QObject::connect(&form, &TRepForm::HelpRequested, &form,
                         [&ctx] { ctx.host.ShowHelp(QStringLiteral("fill-and-repeat.html")); });

    const int answer = ctx.Exec(form);

    QObject::disconnect(help);
    form.onPreview = nullptr;
    form.SetProposalDraft(nullptr);
    if (answer != QDialog::Accepted) {
        session.Restore();
        ctx.host.RepaintDraft();
        return false;
    }
    session.Apply(form.Values());
    ctx.host.Update();
    return true;
}

} // namespace hm
