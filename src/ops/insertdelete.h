#pragma once
// Inserting and deleting ends and picks: in the draft's arrays (Draft mode) or in
// the design picture (Design mode). Counts that reach past the draft are cut to
// fit; inserted material never extends Ends or Picks.

#include "model/draft.h"

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
void InsertEnds(Draft& d, int from, int count, EndArrays arrays);
// Removes ends from..to (either order; `to` beyond Ends counts as Ends); the tail
// of each threading is cleared, the warp colours at the tail keep their values.
void DeleteEnds(Draft& d, int from, int to, EndArrays arrays);
void InsertPicks(Draft& d, int from, int count, PickArrays arrays);
void DeletePicks(Draft& d, int from, int to, PickArrays arrays);

// Design mode: columns (ends) and rows (picks) of the 2400 x 2400 picture move,
// together with the warp (weft) colours.
void DesignInsertEnds(Draft& d, int from, int count);
void DesignDeleteEnds(Draft& d, int from, int to);
void DesignInsertPicks(Draft& d, int from, int count);
void DesignDeletePicks(Draft& d, int from, int to);

} // namespace hm
