#include "ops/mirror.h"

#include "ops/boundedcounts.h"

namespace hm {

namespace {

bool IsWarp(MirrorTarget t) {
    return t == MirrorTarget::Warp || t == MirrorTarget::ThreadingA ||
           t == MirrorTarget::ThreadingB;
}

// The byte sequence of a target (const or not), or null for the liftplan.
template <typename D> auto* SequenceOf(D& d, MirrorTarget t) {
    using Sequence = decltype(&d.PatternThreading);
    switch (t) {
    case MirrorTarget::Warp:
        return &d.PatternThreading;
    case MirrorTarget::ThreadingA:
        return &d.ThreadingA;
    case MirrorTarget::ThreadingB:
        return &d.ThreadingB;
    case MirrorTarget::TreadlingA:
        return &d.TreadlingA;
    case MirrorTarget::TreadlingB:
        return &d.TreadlingB;
    case MirrorTarget::Weft:
        break;
    }
    return Sequence{nullptr};
}

int LastUsed(const Draft& d, MirrorTarget t, int size) {
    if (t == MirrorTarget::Weft) return d.LastLiftplanPick(size);
    return SequenceOf(d, t)->LastNonZero(size);
}

// Element a+k takes element a-k while both lie within 1..size.
template <typename Copy> void MirrorAround(int a, int size, Copy copy) {
    for (int k = 1; a + k <= size && a - k >= 1; ++k) copy(a + k, a - k);
}

} // namespace

StructureChange MirrorRepeat(Draft& d, MirrorTarget target) {
    const bool warp = IsWarp(target);
    const int size = warp ? EndCount(d) : PickCount(d);
    const int a = LastUsed(d, target, size);
    if (a <= 1) return StructureChange::Information("@globnopat");
    if (a >= size) return StructureChange::Information(warp ? "@noroomthreading" : "@noroomweft");
    if (auto* s = SequenceOf(d, target)) {
        MirrorAround(a, size, [s](int to, int from) { (*s)[to] = (*s)[from]; });
    } else {
        MirrorAround(a, size, [&d](int to, int from) {
            std::memcpy(d.LiftplanRow(to), d.LiftplanRow(from), LiftplanRowBytes);
        });
    }
    auto* colours = target == MirrorTarget::Warp   ? &d.WarpColors
                    : target == MirrorTarget::Weft ? &d.WeftColors
                                                   : nullptr;
    if (colours)
        MirrorAround(a, size, [colours](int to, int from) { (*colours)[to] = (*colours)[from]; });
    return StructureChange::Changed();
}

} // namespace hm
