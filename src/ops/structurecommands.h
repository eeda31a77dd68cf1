#pragma once
// What the insert, delete and switch commands ask for (captions, labels, the
// ranges of the numbers, which boxes are enabled) and how the answers are
// applied. The dialogs and the headless tool both go through these, so a
// command does the same whichever way it is given.

#include <array>

#include "model/draft.h"
#include "model/numberrange.h"
#include "ops/structurechange.h"

namespace hm {

// The first and second numbers shared by every number-pair and switch dialog:
// both 1 at start-up, kept for the whole run, stored when a dialog is accepted.
struct RememberedNumbers {
    int first = 1;
    int second = 1;
};

// ---- the insert/delete dialog of Draft mode ----

enum class InsertDeleteKind { InsertEnds = 1, DeleteEnds, InsertPicks, DeletePicks };

// The four check boxes, in the dialog's order: the pattern threading (liftplan
// for picks), threading A (treadling A), threading B (treadling B), warp colours
// (weft colours). All checked by default.
using InsertDeleteMoves = std::array<bool, 4>;
inline constexpr InsertDeleteMoves AllMoves{true, true, true, true};

struct InsertDeleteSetup {
    const char* caption; // translation keys
    const char* label1;
    const char* label2;
    std::array<const char*, 4> boxes;
    // The first box needs the pattern threading in use and the third one group
    // B; a disabled box keeps its check mark and still counts.
    bool patternBoxEnabled;
    bool groupBBoxEnabled;
    NumberRange first;  // from
    NumberRange second; // count, or to
};

InsertDeleteSetup InsertDeleteFor(InsertDeleteKind kind, const Draft& d);
StructureChange ApplyInsertDelete(Draft& d, InsertDeleteKind kind, int first, int second,
                                  InsertDeleteMoves moves);

// ---- the number-pair dialog (Design-mode ends and picks, shafts, treadles) and
// the switch dialog ----

enum class NumberPairCommand {
    DesignInsertEnds,
    DesignDeleteEnds,
    DesignInsertPicks,
    DesignDeletePicks,
    InsertShafts,
    DeleteShafts,
    InsertTreadles,
    DeleteTreadles,
    SwitchShafts, // the switch dialog; one call per press of "Switch"
    SwitchTreadles,
};

struct NumberPairSetup {
    const char* caption; // translation keys
    const char* label1;
    const char* label2;
    const char* labelSuffix; // appended to both labels after translation
    NumberRange first;
    NumberRange second;
};

NumberPairSetup NumberPairFor(NumberPairCommand command, const Draft& d);
StructureChange ApplyNumberPair(Draft& d, NumberPairCommand command, int first, int second);

} // namespace hm
