#pragma once
// Inserting and deleting ends and picks: in the draft's arrays (Draft mode) or in
// the design picture (Design mode). Counts that reach past the draft are cut to
// fit; inserted material never extends Ends or Picks.

#include "model/draft.h"
#include "ops/structurechange.h"

namespace hm {

// Which arrays move with the ends.
struct EndArrays {
    bool patternThreading = true;
    bool threadingA = true;
    bool threadingB = true;
    bool warpColors = true;
    static EndArrays ColorsOnly() { return {false, false, false, true}; }
};

// Which arrays move with the picks.
struct PickArrays {
    bool liftplan = true;
    bool treadlingA = true;
    bool treadlingB = true;
    bool weftColors = true;
    static PickArrays ColorsOnly() { return {false, false, false, true}; }
};

// Inserts `count` empty ends at `from`; inserted ends take the old colour of end
// `from`; ends pushed beyond Ends are lost.
StructureChange InsertEnds(Draft& d, int from, int count, EndArrays arrays);
// Removes ends from..to (either order; `to` beyond Ends counts as Ends); the tail
// of each threading is cleared, the warp colours at the tail keep their values.
StructureChange DeleteEnds(Draft& d, int from, int to, EndArrays arrays);
// The same over picks: liftplan rows, treadlings A and B and weft colours.
StructureChange InsertPicks(Draft& d, int from, int count, PickArrays arrays);
StructureChange DeletePicks(Draft& d, int from, int to, PickArrays arrays);

// Design mode: columns (ends) and rows (picks) of the 2400 x 2400 picture move,
// together with the warp (weft) colours. Inserted columns (rows) are empty and
// take the old colour of `from`; what is pushed past 2400 is lost. Deleting
// empties the last columns (rows) of the picture, whose colours become the
// colour of end (pick) 2400.
StructureChange DesignInsertEnds(Draft& d, int from, int count);
StructureChange DesignDeleteEnds(Draft& d, int from, int to);
StructureChange DesignInsertPicks(Draft& d, int from, int count);
StructureChange DesignDeletePicks(Draft& d, int from, int to);

} // namespace hm
