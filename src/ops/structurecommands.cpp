#include "ops/structurecommands.h"

#include "ops/boundedcounts.h"
#include "ops/insertdelete.h"
#include "ops/shaftstreadles.h"
#include "ops/switchshafts.h"

namespace hm {

namespace {

constexpr std::array<const char*, 4> EndBoxes{"@monsolv", "@skaftgrupp_a", "@skaftgrupp_b",
                                              "@idwarpcol"};
constexpr std::array<const char*, 4> PickBoxes{"@dragnota", "@trampning_a", "@trampning_b",
                                               "@idweftcol"};

bool ForEnds(InsertDeleteKind kind) {
    return kind == InsertDeleteKind::InsertEnds || kind == InsertDeleteKind::DeleteEnds;
}

} // namespace

InsertDeleteSetup InsertDeleteFor(InsertDeleteKind kind, const Draft& d) {
    InsertDeleteSetup s{};
    switch (kind) {
    case InsertDeleteKind::InsertEnds:
        s.caption = "@insends", s.label1 = "@fromend", s.label2 = "@numends";
        break;
    case InsertDeleteKind::DeleteEnds:
        s.caption = "@delends", s.label1 = "@fromend", s.label2 = "@toend";
        break;
    case InsertDeleteKind::InsertPicks:
        s.caption = "@inspicks", s.label1 = "@frompick", s.label2 = "@numpicks";
        break;
    case InsertDeleteKind::DeletePicks:
        s.caption = "@delpicks", s.label1 = "@frompick", s.label2 = "@topick";
        break;
    }
    s.boxes = ForEnds(kind) ? EndBoxes : PickBoxes;
    s.patternBoxEnabled = d.PatternThreadingOn;
    s.groupBBoxEnabled = d.ThreadingBOn;
    s.first = s.second = NumberRange{1, ForEnds(kind) ? MaxEnds : MaxPicks};
    return s;
}

StructureChange ApplyInsertDelete(Draft& d, InsertDeleteKind kind, int first, int second,
                                  InsertDeleteMoves m) {
    const EndArrays ends{m[0], m[1], m[2], m[3]};
    const PickArrays picks{m[0], m[1], m[2], m[3]};
    switch (kind) {
    case InsertDeleteKind::InsertEnds:
        return InsertEnds(d, first, second, ends);
    case InsertDeleteKind::DeleteEnds:
        return DeleteEnds(d, first, second, ends);
    case InsertDeleteKind::InsertPicks:
        return InsertPicks(d, first, second, picks);
    case InsertDeleteKind::DeletePicks:
        return DeletePicks(d, first, second, picks);
    }
    return StructureChange::Unchanged();
}

NumberPairSetup NumberPairFor(NumberPairCommand command, const Draft& d) {
    // The picture of Design mode holds 2400 ends and picks.
    const NumberRange designEnds = SpinBoxRange(1, std::min(d.Ends, DesignSize));
    const NumberRange designPicks = SpinBoxRange(1, std::min(d.Picks, DesignSize));
    const int shafts = PatternShaftCount(d), treadles = LiftplanColumnCount(d);
    const NumberRange allShafts = SpinBoxRange(1, shafts);
    const NumberRange allTreadles = SpinBoxRange(1, treadles);
    switch (command) {
    case NumberPairCommand::DesignInsertEnds:
        return {"@insends", "@fromend", "@numends", "", designEnds, designEnds};
    case NumberPairCommand::DesignDeleteEnds:
        return {"@delends", "@fromend", "@toend", "", designEnds, designEnds};
    case NumberPairCommand::DesignInsertPicks:
        return {"@inspicks", "@frompick", "@numpicks", "", designPicks, designPicks};
    case NumberPairCommand::DesignDeletePicks:
        return {"@delpicks", "@frompick", "@topick", "", designPicks, designPicks};
    case NumberPairCommand::InsertShafts:
        return {"@insshafts",
                "@fromshaft",
                "@numshafts",
                "",
                SpinBoxRange(1, shafts + 1),
                SpinBoxRange(1, MaxPatternShafts - shafts)};
    case NumberPairCommand::DeleteShafts:
        return {"@delshafts", "@fromshaft", "@toshaft", "", allShafts, allShafts};
    case NumberPairCommand::InsertTreadles:
        return {"@instr",
                "@fromtr",
                "@numtr",
                "",
                SpinBoxRange(1, treadles + 1),
                SpinBoxRange(1, MaxPatternShafts - treadles)};
    case NumberPairCommand::DeleteTreadles:
        return {"@deltr", "@fromtr", "@totr", "", allTreadles, allTreadles};
    case NumberPairCommand::SwitchShafts:
        return {"@swishafts", "@idshaft", "@idshaft", ":", allShafts, allShafts};
    case NumberPairCommand::SwitchTreadles:
        return {"@switr", "@idtreadle", "@idtreadle", ":", allTreadles, allTreadles};
    }
    return {"", "", "", "", {}, {}};
}

StructureChange ApplyNumberPair(Draft& d, NumberPairCommand command, int first, int second) {
    switch (command) {
    case NumberPairCommand::DesignInsertEnds:
        return DesignInsertEnds(d, first, second);
    case NumberPairCommand::DesignDeleteEnds:
        return DesignDeleteEnds(d, first, second);
    case NumberPairCommand::DesignInsertPicks:
        return DesignInsertPicks(d, first, second);
    case NumberPairCommand::DesignDeletePicks:
        return DesignDeletePicks(d, first, second);
    case NumberPairCommand::InsertShafts:
        return InsertShafts(d, first, second);
    case NumberPairCommand::DeleteShafts:
        return DeleteShafts(d, first, second);
    case NumberPairCommand::InsertTreadles:
        return InsertTreadles(d, first, second);
    case NumberPairCommand::DeleteTreadles:
        return DeleteTreadles(d, first, second);
    case NumberPairCommand::SwitchShafts:
        return SwitchShafts(d, first, second);
    case NumberPairCommand::SwitchTreadles:
        return SwitchTreadles(d, first, second);
    }
    return StructureChange::Unchanged();
}

} // namespace hm
