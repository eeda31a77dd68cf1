// apply operations that change the structure of the draft: insert, delete and
// switch ends, picks, shafts and treadles, and the Utilities transforms.
#include <algorithm>
#include <array>

#include "app/cli/applyoperations.h"
#include "model/draft.h"
#include "ops/mirror.h"
#include "ops/reducerepeat.h"
#include "ops/reversals.h"
#include "ops/structurecommands.h"
#include "ops/switchshafts.h"
#include "ops/tieupspecial.h"
#include "ops/trompaswrit.h"
#include "ops/wrapliftplan.h"

namespace hm {

namespace {

int Done(ApplyContext& c, const StructureChange& change) {
    c.Report(change.messages);
    return 0;
}

// Two numbers in the ranges the dialog offers.
bool NumberPair(ApplyContext& c, const char* firstName, NumberRange first, const char* secondName,
                NumberRange second, int& a, int& b) {
    return c.Number(0, firstName, first.min, first.max, a) &&
           c.Number(1, secondName, second.min, second.max, b);
}

// MOVES: a comma list of pattern,a,b,colors; all four when left out.
bool Moves(ApplyContext& c, InsertDeleteMoves& moves) {
    if (c.words.size() < 3) {
        moves = AllMoves;
        return true;
    }
    moves = {};
    static constexpr std::array<const char*, 4> Names{"pattern", "a", "b", "colors"};
    for (const QString& word : c.words[2].split(',')) {
        const auto* name = std::find_if(Names.begin(), Names.end(),
                                        [&](const char* n) { return word == QLatin1String(n); });
        if (name == Names.end()) {
            c.Fail("MOVES is a comma list of pattern,a,b,colors");
            return false;
        }
        moves[static_cast<size_t>(name - Names.begin())] = true;
    }
    return true;
}

// Insert or delete ends or picks: on the picture in Design mode (no MOVES
// there), else on the draft's arrays with the chosen moves.
int InsertDelete(ApplyContext& c, InsertDeleteKind kind, NumberPairCommand designCommand,
                 const char* secondName) {
    if (!c.AtMost(3)) return ExitUsage;
    const bool ends = kind == InsertDeleteKind::InsertEnds || kind == InsertDeleteKind::DeleteEnds;
    const char* fromName = ends ? "FROM (end)" : "FROM (pick)";
    int first = 0, second = 0;
    InsertDeleteMoves moves{};
    if (c.draft.DesignMode) {
        const NumberPairSetup s = NumberPairFor(designCommand, c.draft);
        if (!NumberPair(c, fromName, s.first, secondName, s.second, first, second) ||
            !Moves(c, moves))
            return ExitUsage;
        return Done(c, ApplyNumberPair(c.draft, designCommand, first, second));
    }
    const InsertDeleteSetup s = InsertDeleteFor(kind, c.draft);
    if (!NumberPair(c, fromName, s.first, secondName, s.second, first, second) || !Moves(c, moves))
        return ExitUsage;
    return Done(c, ApplyInsertDelete(c.draft, kind, first, second, moves));
}

int InsertEndsOp(ApplyContext& c) {
    return InsertDelete(c, InsertDeleteKind::InsertEnds, NumberPairCommand::DesignInsertEnds,
                        "COUNT");
}
int DeleteEndsOp(ApplyContext& c) {
    return InsertDelete(c, InsertDeleteKind::DeleteEnds, NumberPairCommand::DesignDeleteEnds, "TO");
}
int InsertPicksOp(ApplyContext& c) {
    return InsertDelete(c, InsertDeleteKind::InsertPicks, NumberPairCommand::DesignInsertPicks,
                        "COUNT");
}
int DeletePicksOp(ApplyContext& c) {
    return InsertDelete(c, InsertDeleteKind::DeletePicks, NumberPairCommand::DesignDeletePicks,
                        "TO");
}

// The shaft, treadle and switch commands: two numbers in the dialog's ranges.
int Pair(ApplyContext& c, NumberPairCommand command, const char* firstName,
         const char* secondName) {
    if (!c.AtMost(2)) return ExitUsage;
    const NumberPairSetup s = NumberPairFor(command, c.draft);
    int first = 0, second = 0;
    if (!NumberPair(c, firstName, s.first, secondName, s.second, first, second)) return ExitUsage;
    return Done(c, ApplyNumberPair(c.draft, command, first, second));
}

int InsertShaftsOp(ApplyContext& c) {
    return Pair(c, NumberPairCommand::InsertShafts, "FROM (shaft)", "COUNT");
}
int DeleteShaftsOp(ApplyContext& c) {
    return Pair(c, NumberPairCommand::DeleteShafts, "FROM (shaft)", "TO");
}
int InsertTreadlesOp(ApplyContext& c) {
    return Pair(c, NumberPairCommand::InsertTreadles, "FROM (treadle)", "COUNT");
}
int DeleteTreadlesOp(ApplyContext& c) {
    return Pair(c, NumberPairCommand::DeleteTreadles, "FROM (treadle)", "TO");
}
int SwitchShaftsOp(ApplyContext& c) {
    return Pair(c, NumberPairCommand::SwitchShafts, "A (shaft)", "B (shaft)");
}
int SwitchTreadlesOp(ApplyContext& c) {
    return Pair(c, NumberPairCommand::SwitchTreadles, "A (treadle)", "B (treadle)");
}

int ArrangeShaftsOp(ApplyContext& c) {
    if (!c.AtMost(0)) return ExitUsage;
    return Done(c, ArrangeShaftsByRepeat(c.draft));
}

int ReduceToRepeatOp(ApplyContext& c) {
    const int answer = c.Choice(0, {"no", "yes"});
    if (answer < 0 || !c.AtMost(1)) return ExitUsage;
    // The whole draft stands in for the part the window shows.
    const Message noPattern = ReduceToOneRepeatCheck(c.draft, MaxEnds, MaxPicks);
    if (!noPattern.empty()) return Done(c, {false, false, {noPattern}});
    return Done(c, ReduceToOneRepeat(c.draft, answer == 1));
}

int TrompAsWritOp(ApplyContext& c) {
    int k = 0;
    if (!c.Number(0, "K", 1, TrompKinds, k) || !c.AtMost(1)) return ExitUsage;
    const auto kind = static_cast<TrompKind>(k);
    if (!TrompKindEnabled(c.draft, kind))
        return c.Fail("K " + std::to_string(k) + " needs threading B and treadling B in use");
    return Done(c, TrompAsWrit(c.draft, kind));
}

int WrapLiftplanOp(ApplyContext& c) {
    const int direction = c.Choice(0, {"right", "left"});
    if (direction < 0) return ExitUsage;
    const NumberRange steps = WrapStepsRange(c.draft);
    int n = 0;
    if (!c.Number(1, "STEPS", steps.min, steps.max, n) || !c.AtMost(2)) return ExitUsage;
    return Done(c, WrapLiftplan(c.draft, direction == 0, n));
}

int ReverseLiftplanOp(ApplyContext& c) {
    if (!c.AtMost(0)) return ExitUsage;
    return Done(c, ReverseLiftplan(c.draft));
}
int ReverseWeftOrderOp(ApplyContext& c) {
    if (!c.AtMost(0)) return ExitUsage;
    return Done(c, ReverseWeftOrder(c.draft));
}
int ReverseTieupsOp(ApplyContext& c) {
    if (!c.AtMost(0)) return ExitUsage;
    return Done(c, ReverseTieups(c.draft));
}

int MakeSymmetricalOp(ApplyContext& c) {
    const int target =
        c.Choice(0, {"warp", "weft", "threading-a", "threading-b", "treadling-a", "treadling-b"});
    if (target < 0 || !c.AtMost(1)) return ExitUsage;
    static constexpr std::array<MirrorTarget, 6> Targets{
        MirrorTarget::Warp,       MirrorTarget::Weft,       MirrorTarget::ThreadingA,
        MirrorTarget::ThreadingB, MirrorTarget::TreadlingA, MirrorTarget::TreadlingB};
    return Done(c, MirrorRepeat(c.draft, Targets[static_cast<size_t>(target)]));
}

int TieupSpecialOp(ApplyContext& c) {
    TieupSpecialChoice choice;
    for (int i = 0; i < c.words.size(); ++i) {
        switch (c.Choice(i, {"twill1", "twill2", "flip-h", "flip-v", "rotate"})) {
        case 0:
            choice.twill1 = true;
            break;
        case 1:
            choice.twill2 = true;
            break;
        case 2:
            choice.flipH = true;
            break;
        case 3:
            choice.flipV = true;
            break;
        case 4:
            choice.rotate = true;
            break;
        default:
            return ExitUsage;
        }
    }
    // The dialog clears one twill box when the other is checked.
    if (choice.twill1 && choice.twill2) return c.Fail("twill1 and twill2 exclude each other");
    return Done(c, TieupSpecial(c.draft, choice));
}

const std::array<ApplyOperation, 19> Operations = {{
    {"insert-ends", "FROM COUNT [MOVES]", InsertEndsOp},
    {"delete-ends", "FROM TO [MOVES]", DeleteEndsOp},
    {"insert-picks", "FROM COUNT [MOVES]", InsertPicksOp},
    {"delete-picks", "FROM TO [MOVES]", DeletePicksOp},
    {"insert-shafts", "FROM COUNT", InsertShaftsOp},
    {"delete-shafts", "FROM TO", DeleteShaftsOp},
    {"insert-treadles", "FROM COUNT", InsertTreadlesOp},
    {"delete-treadles", "FROM TO", DeleteTreadlesOp},
    {"switch-shafts", "A B", SwitchShaftsOp},
    {"switch-treadles", "A B", SwitchTreadlesOp},
    {"arrange-shafts", "", ArrangeShaftsOp},
    {"reduce-to-repeat", "yes|no", ReduceToRepeatOp},
    {"tromp-as-writ", "K", TrompAsWritOp},
    {"wrap-liftplan", "right|left STEPS", WrapLiftplanOp},
    {"reverse-liftplan", "", ReverseLiftplanOp},
    {"reverse-weft-order", "", ReverseWeftOrderOp},
    {"reverse-tieups", "", ReverseTieupsOp},
    {"make-symmetrical", "warp|weft|threading-a|threading-b|treadling-a|treadling-b",
     MakeSymmetricalOp},
    {"tieup-special", "[twill1] [twill2] [flip-h] [flip-v] [rotate]", TieupSpecialOp},
}};

} // namespace

std::span<const ApplyOperation> StructureOperations() {
    return Operations;
}

} // namespace hm
