#include "ops/ui/transformcommands.h"

#include "model/draft.h"
#include "ops/reducerepeat.h"
#include "ops/ui/editsession.h"
#include "ops/ui/structuredialogruns.h"
#include "ui/commandcontext.h"

namespace hm {

bool InsShafts1Click(CommandContext& ctx) {
    return RunNumberPairDialog(ctx, NumberPairCommand::InsertShafts);
}

bool DelShafts1Click(CommandContext& ctx) {
    return RunNumberPairDialog(ctx, NumberPairCommand::DeleteShafts);
}

bool SwitchShafts1Click(CommandContext& ctx) {
    return RunSwitchDialog(ctx, NumberPairCommand::SwitchShafts);
}

bool Reducetoonerepeat1Click(CommandContext& ctx) {
    const Draft& d = ctx.draft;
    const Message noPattern = ReduceToOneRepeatCheck(d, ctx.view.VisibleEnds + d.FirstEnd,
                                                     ctx.view.VisiblePicks + d.FirstPick);
    if (!noPattern.empty()) {
        ctx.Show({noPattern});
        return false;
    }
    const BoxAnswer answer = ctx.Ask(MessageKind::ThreeWay, "@idreduce");
    if (answer == BoxAnswer::Cancel) return false;
    const bool useColourRepeat = answer == BoxAnswer::Yes;
    return EditSession(ctx).Apply(
        [useColourRepeat](Draft& draft) { return ReduceToOneRepeat(draft, useColourRepeat); });
}

} // namespace hm
