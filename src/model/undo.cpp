#include "model/undo.h"

namespace hm {

// Fixed-capacity copies of the arrays a command may change. The colour arrays are
// shared by the Draft-mode and the Design-mode sets.
struct UndoStore::Store {
    // Draft-mode set
    OneBasedBytes<MaxEnds> PatternThreading;
    std::array<uint8_t, MaxPicks * LiftplanRowBytes> Liftplan{};
    OneBasedBytes<MaxEnds> ThreadingA;
    OneBasedBytes<MaxEnds> ThreadingB;
    OneBasedBytes<MaxPicks> TreadlingA;
    OneBasedBytes<MaxPicks> TreadlingB;
    TieupBlock PatternTieup;
    std::array<uint8_t, 4 * TieupBytes> GroundTieups{};
    int PatternShafts = 0, ShaftsA = 0, ShaftsB = 0, LiftplanWidth = 0, TreadlesA = 0,
        TreadlesB = 0;
    // Design-mode set
    std::array<uint8_t, DesignSize * DesignRowBytes> DesignGrid{};
    // Both sets
    OneBasedBytes<MaxEnds> WarpColors;
    OneBasedBytes<MaxPicks> WeftColors;
};

UndoStore::UndoStore() : store_(std::make_unique<Store>()) {
    // Start from a fresh draft's arrays so that a restore never yields zero counts.
    TakeDraftSnapshot(*std::make_unique<Draft>());
}
UndoStore::~UndoStore() = default;

void UndoStore::TakeDraftSnapshot(const Draft& d) {
    Store& s = *store_;
    s.PatternThreading = d.PatternThreading;
    s.Liftplan = d.Liftplan;
    s.ThreadingA = d.ThreadingA;
    s.ThreadingB = d.ThreadingB;
    s.TreadlingA = d.TreadlingA;
    s.TreadlingB = d.TreadlingB;
    s.PatternTieup = d.PatternTieup;
    std::memcpy(s.GroundTieups.data(), d.GroundTieupBytes(), s.GroundTieups.size());
    s.WarpColors = d.WarpColors;
    s.WeftColors = d.WeftColors;
    s.PatternShafts = d.PatternShafts;
    s.ShaftsA = d.ShaftsA;
    s.ShaftsB = d.ShaftsB;
    s.LiftplanWidth = d.LiftplanWidth;
    s.TreadlesA = d.TreadlesA;
    s.TreadlesB = d.TreadlesB;
}

void UndoStore::RestoreDraftSnapshot(Draft& d) const {
    const Store& s = *store_;
    d.PatternThreading = s.PatternThreading;
    d.Liftplan = s.Liftplan;
    d.ThreadingA = s.ThreadingA;
    d.ThreadingB = s.ThreadingB;
    d.TreadlingA = s.TreadlingA;
    d.TreadlingB = s.TreadlingB;
    d.PatternTieup = s.PatternTieup;
    std::memcpy(d.GroundTieupBytes(), s.GroundTieups.data(), s.GroundTieups.size());
    d.WarpColors = s.WarpColors;
    d.WeftColors = s.WeftColors;
    d.PatternShafts = s.PatternShafts;
    d.ShaftsA = s.ShaftsA;
    d.ShaftsB = s.ShaftsB;
    d.LiftplanWidth = s.LiftplanWidth;
    d.TreadlesA = s.TreadlesA;
    d.TreadlesB = s.TreadlesB;
}

void UndoStore::TakeSnapshot(const Draft& d) {
    if (!d.DesignMode) {
        TakeDraftSnapshot(d);
        return;
    }
    Store& s = *store_;
    s.DesignGrid = d.DesignGrid;
    s.WarpColors = d.WarpColors;
    s.WeftColors = d.WeftColors;
}

void UndoStore::RestoreSnapshot(Draft& d) const {
    if (!d.DesignMode) {
        RestoreDraftSnapshot(d);
        return;
    }
    const Store& s = *store_;
    d.DesignGrid = s.DesignGrid;
    d.WarpColors = s.WarpColors;
    d.WeftColors = s.WeftColors;
}

bool UndoStore::Undo(Draft& d) {
    if (!UndoAvailable) return false;
    UndoAvailable = false;
    RestoreSnapshot(d);
    return true;
}

} // namespace hm
