#pragma once
// The Fill menu's generator items: straight, pointed and rosepath for the
// threadings and treadlings; twill variations, satin, plain weave and point
// marks for the tie-ups. Each runs under the generator wrapper: one undo
// snapshot, the selection ended, the target's marks erased, the generator,
// a repaint, the draft marked modified and Undo made available.

#include <optional>

#include "ops/generators.h"

namespace hm {

class CommandContext;
class RandomSource;

// Runs one Fill menu item; the satin item asks for its move first and changes
// nothing on Cancel. Returns whether the draft was changed.
bool RunFillGenerator(CommandContext& ctx, GeneratorTarget target, GeneratorKind kind);
template <GeneratorTarget Target, GeneratorKind Kind> bool FillClick(CommandContext& ctx) {
    return RunFillGenerator(ctx, Target, Kind);
}

// The satin dialog for that many shafts: the move chosen, or nothing on Cancel.
std::optional<int> AskSatinMove(CommandContext& ctx, int shafts);

// The run's one random source for the twill variations, seeded from the clock
// when it is first used.
RandomSource& FillRandomSource(CommandContext& ctx);

} // namespace hm
