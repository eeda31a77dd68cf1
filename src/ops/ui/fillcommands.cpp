#include "ops/ui/fillcommands.h"

#include <QDialog>

#include "model/draft.h"
#include "ops/randomsource.h"
#include "ops/ui/satindialog.h"
#include "ui/commandcontext.h"
#include "ui/commandwrappers.h"

namespace hm {

namespace {

// Kept in the context for the whole run.
struct RunRandomSource {
    RandomSource source{RandomSource::ClockSeed()};
};

ViewArea AreaOf(GeneratorTarget target) {
    switch (target) {
    case GeneratorTarget::PatternThreading:
        return ViewArea::PatternThreading;
    case GeneratorTarget::ThreadingA:
        return ViewArea::ThreadingA;
    case GeneratorTarget::ThreadingB:
        return ViewArea::ThreadingB;
    case GeneratorTarget::TreadlingA:
        return ViewArea::TreadlingA;
    case GeneratorTarget::TreadlingB:
        return ViewArea::TreadlingB;
    case GeneratorTarget::TieupAA:
        return ViewArea::TieupAA;
    case GeneratorTarget::TieupBB:
        return ViewArea::TieupBB;
    case GeneratorTarget::TieupAB:
        return ViewArea::TieupAB;
    case GeneratorTarget::TieupBA:
        return ViewArea::TieupBA;
    }
    return ViewArea::None;
}

} // namespace

RandomSource& FillRandomSource(CommandContext& ctx) {
    return ctx.Own<RunRandomSource>().source;
}

std::optional<int> AskSatinMove(CommandContext& ctx, int shafts) {
    TSatinDlg dialog(shafts, ctx.dialogParent);
    QObject::connect(&dialog, &TSatinDlg::HelpRequested, &dialog,
                     [&ctx] { ctx.host.ShowHelp(QStringLiteral("satin.html")); });
    if (ctx.Exec(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.Move();
}

bool RunFillGenerator(CommandContext& ctx, GeneratorTarget target, GeneratorKind kind) {
    Draft& d = ctx.draft;
    if (!GeneratorEnabled(d, target) || !GeneratorOffered(target, kind)) return false;
    GeneratorRequest request;
    request.target = target;
    request.kind = kind;
    if (kind == GeneratorKind::Satin) {
        const std::optional<int> move = AskSatinMove(ctx, GeneratorCount(d, target));
        if (!move) return false;
        request.satinMove = *move;
    }
    if (kind == GeneratorKind::RandomTwill) request.random = &FillRandomSource(ctx);
    GeneratorOutcome outcome;
    RunW3(ctx.host, AreaOf(target), [&] { outcome = Generate(d, request); });
    return outcome.applied;
}

} // namespace hm
