#pragma once
// Repeat and fill: a stretch of a threading, treadling, liftplan or colour
// sequence copied again and again after itself (RepeatBlock), and every part of
// the draft that starts at end 1 (pick 1) but stops short extended by its own
// repeat to the draft's size (FillPattern).

#include "model/draft.h"

namespace hm {

// The Repeat dialog's targets, in the order of its radio buttons 1..8.
enum class RepeatTarget {
    PatternThreading = 1,
    Liftplan,
    ThreadingA,
    TreadlingA,
    ThreadingB,
    TreadlingB,
    WarpColors,
    WeftColors,
};

// Whether the target runs along the ends (else along the picks).
bool RepeatsAlongEnds(RepeatTarget t);
// Threadings and treadlings A and B: the ground targets, which have no picture
// in Design mode.
bool IsGroundRepeatTarget(RepeatTarget t);

// The liftplan columns a liftplan copy covers: first..last, ascending.
struct ColumnRange {
    int first = 1;
    int last = MaxPatternShafts;
};

// The length L of the target: Ends or Picks; in Design mode the picture's
// columns and rows stop at 2400 (the colour targets keep Ends and Picks).
int RepeatTargetLength(const Draft& d, RepeatTarget t);

// Copies entries s..e (in either order, cut to 1..L) to e+1.. again and again,
// at most `copies` times and never beyond L. In Draft mode a liftplan pick
// copies the whole row when `columns` covers 1..LiftplanWidth, else only the
// cells of `columns`. With link, a pattern-threading end takes its warp colour
// along and a liftplan pick its weft colour. In Design mode the pattern
// threading and liftplan targets copy picture columns and rows; the ground
// targets have no picture there and nothing is copied.
// Returns whether anything was copied.
bool RepeatBlock(Draft& d, RepeatTarget t, int s, int e, bool link, int copies,
                 ColumnRange columns = {});

// Whether "Fill Pattern" is offered: a part of the draft starts at end 1
// (pick 1) and stops short. In Design mode the picture is analysed on a copy
// (the draft is not touched), the test runs over 2400 ends and picks, covers
// only the pattern level (the ground parts are not edited in Design mode) and
// fails when the picture needs more than 128 pattern shafts. The pattern level
// counts only while PatternThreadingOn, in either mode.
bool FillPatternOffered(const Draft& d);

// Extends every part that stops short by its own repeat (or its used length when
// no repeat is found) to Ends and Picks: the pattern threading (with link, the
// warp colours by their own repeat) and the liftplan (with link, the weft
// colours) while PatternThreadingOn; threading A, treadling A, and threading B
// and treadling B while switched on. Records WarpRepeat and WeftRepeat (and with
// link the colour repeats) of the parts it extends.
// In Design mode the picture is analysed into the pattern level, that is filled
// to at most 2400 ends and picks, and the picture is rebuilt from it; the ground
// parts are left alone, and a picture that needs more than 128 pattern shafts
// is not touched. Returns whether anything was extended.
bool FillPattern(Draft& d, bool link);

} // namespace hm
