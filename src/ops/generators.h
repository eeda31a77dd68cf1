#pragma once
// The Fill menu's generators: straight, pointed and rosepath sequences for the
// threadings and treadlings, and plain weave, satin, random twill and point
// marks for the tie-ups. Each overwrites its target within the draft's current
// sizes. The menu asks GeneratorEnabled for its enabling rules; the command
// wrapper takes the undo snapshot and repaints.

#include <string>
#include <vector>

#include "model/draft.h"
#include "ops/randomsource.h"

namespace hm {

// The Fill menu's submenus, one per target.
enum class GeneratorTarget {
    PatternThreading,
    ThreadingA,
    ThreadingB,
    TreadlingA,
    TreadlingB,
    TieupAA,
    TieupBB,
    TieupAB,
    TieupBA,
};

enum class GeneratorKind {
    Straight,
    Pointed,
    Rosepath,
    RandomTwill, // "&Twill Variations"
    Satin,
    Plain,
    PointMarks, // "Point marks", "Dots"
};

bool IsSequenceTarget(GeneratorTarget t);
// Whether the target's submenu is enabled for this draft.
bool GeneratorEnabled(const Draft& d, GeneratorTarget t);
// Whether the target's submenu has that item (threadings and treadlings have the
// three sequences, AA and BB the four weaves, AB and BA only point marks).
bool GeneratorOffered(GeneratorTarget t, GeneratorKind k);

// The count N of the target: pattern shafts, shafts or treadles of the group.
// For a tie-up, the shafts of its shaft group.
int GeneratorCount(const Draft& d, GeneratorTarget t);

// One repeat of a sequence over N shafts or treadles: straight 1..N; pointed
// 1..N then N-1..2 (1, 2 for N = 2); rosepath 1..N, N-1..1, N.
std::vector<uint8_t> SequenceRepeat(GeneratorKind k, int n);

// Writes the sequence over the whole length (Ends or Picks) and records its
// repeat length in WarpRepeat (threadings) or WeftRepeat (treadlings).
// Returns the repeat length, 0 when the target is not a sequence target.
int WriteSequence(Draft& d, GeneratorTarget t, GeneratorKind k);

// Tie-up weaves over the tie-up's shafts x treadles.
void WritePlainWeave(Draft& d, TieupKind tieup);
void WritePointMarks(Draft& d, TieupKind tieup);
// Satin with move m: treadle 1 lifts shaft 1, each further treadle the shaft m
// higher, wrapping around. m is kept within 1..N-1.
void WriteSatin(Draft& d, TieupKind tieup, int move);
// A random twill (see randomtwill.h), one random draw sequence from `random`.
void WriteRandomTwill(Draft& d, TieupKind tieup, RandomSource& random);

struct GeneratorRequest {
    GeneratorTarget target = GeneratorTarget::PatternThreading;
    GeneratorKind kind = GeneratorKind::Straight;
    int satinMove = 1; // the move chosen in the satin dialog
    // The run's source, for the random twill; without one, a source seeded from
    // the clock serves this call.
    RandomSource* random = nullptr;
};

struct GeneratorOutcome {
    // False when the menu would not offer the item for this draft (its submenu
    // disabled, or no such item); the draft is unchanged then.
    bool applied = false;
    // Threading and treadling generators end an active selection.
    bool cancelsSelection = false;
    int repeatLength = 0; // sequences: the recorded repeat length
};

// Runs one Fill menu item after its dialog (satin) has been answered.
GeneratorOutcome Generate(Draft& d, const GeneratorRequest& request);

} // namespace hm
