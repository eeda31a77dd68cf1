#include "ops/generators.h"

#include <algorithm>

#include "ops/randomtwill.h"

namespace hm {

namespace {

struct TieupSize {
    int shafts = 0;
    int treadles = 0;
};

TieupSize SizeOf(const Draft& d, TieupKind tieup) {
    const bool shaftsB = tieup == TieupKind::BB || tieup == TieupKind::BA;
    const bool treadlesB = tieup == TieupKind::BB || tieup == TieupKind::AB;
    return {std::clamp(shaftsB ? d.ShaftsB : d.ShaftsA, 0, MaxShafts),
            std::clamp(treadlesB ? d.TreadlesB : d.TreadlesA, 0, MaxTreadles)};
}

TieupKind TieupOf(GeneratorTarget t) {
    switch (t) {
    case GeneratorTarget::TieupBB:
        return TieupKind::BB;
    case GeneratorTarget::TieupAB:
        return TieupKind::AB;
    case GeneratorTarget::TieupBA:
        return TieupKind::BA;
    default:
        return TieupKind::AA;
    }
}

bool IsThreadingTarget(GeneratorTarget t) {
    return t == GeneratorTarget::PatternThreading || t == GeneratorTarget::ThreadingA ||
           t == GeneratorTarget::ThreadingB;
}

void ClearTieupArea(Draft& d, TieupKind tieup) {
    const TieupSize size = SizeOf(d, tieup);
    for (int s = 1; s <= size.shafts; ++s)
        for (int t = 1; t <= size.treadles; ++t) d.SetTieup(tieup, s, t, TieNone);
}

} // namespace

bool IsSequenceTarget(GeneratorTarget t) {
    return IsThreadingTarget(t) || t == GeneratorTarget::TreadlingA ||
           t == GeneratorTarget::TreadlingB;
}

bool GeneratorEnabled(const Draft& d, GeneratorTarget t) {
    if (d.DesignMode) return false;
    switch (t) {
    case GeneratorTarget::PatternThreading:
        return d.PatternThreadingOn;
    case GeneratorTarget::ThreadingA:
    case GeneratorTarget::TreadlingA:
    case GeneratorTarget::TieupAA:
        return true;
    case GeneratorTarget::ThreadingB:
    case GeneratorTarget::TieupBA:
        return d.ThreadingBOn;
    case GeneratorTarget::TreadlingB:
    case GeneratorTarget::TieupAB:
        return d.TreadlingBOn;
    case GeneratorTarget::TieupBB:
        return d.ThreadingBOn && d.TreadlingBOn;
    }
    return false;
}

bool GeneratorOffered(GeneratorTarget t, GeneratorKind k) {
    const bool sequence =
        k == GeneratorKind::Straight || k == GeneratorKind::Pointed || k == GeneratorKind::Rosepath;
    if (IsSequenceTarget(t)) return sequence;
    if (t == GeneratorTarget::TieupAB || t == GeneratorTarget::TieupBA)
        return k == GeneratorKind::PointMarks;
    return !sequence;
}

int GeneratorCount(const Draft& d, GeneratorTarget t) {
    switch (t) {
    case GeneratorTarget::PatternThreading:
        return std::clamp(d.PatternShafts, 0, MaxPatternShafts);
    case GeneratorTarget::ThreadingA:
        return std::clamp(d.ShaftsA, 0, MaxShafts);
    case GeneratorTarget::ThreadingB:
        return std::clamp(d.ShaftsB, 0, MaxShafts);
    case GeneratorTarget::TreadlingA:
        return std::clamp(d.TreadlesA, 0, MaxTreadles);
    case GeneratorTarget::TreadlingB:
        return std::clamp(d.TreadlesB, 0, MaxTreadles);
    default:
        return SizeOf(d, TieupOf(t)).shafts;
    }
}

std::vector<uint8_t> SequenceRepeat(GeneratorKind k, int n) {
    std::vector<uint8_t> repeat;
    if (n < 1) return repeat;
    for (int i = 1; i <= n; ++i) repeat.push_back(static_cast<uint8_t>(i));
    if (k == GeneratorKind::Pointed) {
        for (int i = n - 1; i >= 2; --i) repeat.push_back(static_cast<uint8_t>(i));
    } else if (k == GeneratorKind::Rosepath) {
        for (int i = n - 1; i >= 1; --i) repeat.push_back(static_cast<uint8_t>(i));
        repeat.push_back(static_cast<uint8_t>(n));
    }
    return repeat;
}

int WriteSequence(Draft& d, GeneratorTarget t, GeneratorKind k) {
    OneBasedBytes<MaxEnds>* entries = nullptr;
    switch (t) {
    case GeneratorTarget::PatternThreading:
        entries = &d.PatternThreading;
        break;
    case GeneratorTarget::ThreadingA:
        entries = &d.ThreadingA;
        break;
    case GeneratorTarget::ThreadingB:
        entries = &d.ThreadingB;
        break;
    case GeneratorTarget::TreadlingA:
        entries = &d.TreadlingA;
        break;
    case GeneratorTarget::TreadlingB:
        entries = &d.TreadlingB;
        break;
    default:
        return 0;
    }
    const std::vector<uint8_t> repeat = SequenceRepeat(k, GeneratorCount(d, t));
    if (repeat.empty()) return 0;
    const bool threading = IsThreadingTarget(t);
    const int length = std::clamp(threading ? d.Ends : d.Picks, 0, MaxEnds);
    const int r = static_cast<int>(repeat.size());
    // One repeat, cut at the length, then copied forward entry by entry.
    for (int i = 1; i <= std::min(r, length); ++i)
        (*entries)[i] = repeat[static_cast<size_t>(i - 1)];
    for (int i = r + 1; i <= length; ++i) (*entries)[i] = (*entries)[i - r];
    (threading ? d.WarpRepeat : d.WeftRepeat) = r;
    return r;
}

void WritePlainWeave(Draft& d, TieupKind tieup) {
    const TieupSize size = SizeOf(d, tieup);
    for (int s = 1; s <= size.shafts; ++s)
        for (int t = 1; t <= size.treadles; ++t)
            d.SetTieup(tieup, s, t, (s % 2) == (t % 2) ? TieGround : TieNone);
}

void WritePointMarks(Draft& d, TieupKind tieup) {
    const TieupSize size = SizeOf(d, tieup);
    for (int s = 1; s <= size.shafts; ++s)
        for (int t = 1; t <= size.treadles; ++t) d.SetTieup(tieup, s, t, TiePattern);
}

void WriteSatin(Draft& d, TieupKind tieup, int move) {
    const TieupSize size = SizeOf(d, tieup);
    const int n = size.shafts;
    ClearTieupArea(d, tieup);
    if (n < 1) return;
    move = std::clamp(move, 1, std::max(n - 1, 1));
    // Treadles beyond the group's count are not written: they are not part of the
    // tie-up the draft shows.
    int r = 1;
    for (int t = 1; t <= std::min(n, size.treadles); ++t) {
        d.SetTieup(tieup, r, t, TieGround);
        r += move;
        if (r > n) r %= n;
        if (r == 0) r = n;
    }
}

void WriteRandomTwill(Draft& d, TieupKind tieup, RandomSource& random) {
    const TieupSize size = SizeOf(d, tieup);
    if (size.shafts < 1 || size.treadles < 1) return;
    TwillColumn column = RandomTwillColumn(size.shafts, random);
    const bool up = random.Coin();
    for (int t = 1; t <= size.treadles; ++t) {
        if (t > 1) column = ShiftColumn(column, up);
        for (int s = 1; s <= size.shafts; ++s)
            d.SetTieup(tieup, s, t, column[static_cast<size_t>(s - 1)] ? TieGround : TieNone);
    }
}

GeneratorOutcome Generate(Draft& d, const GeneratorRequest& request) {
    GeneratorOutcome outcome;
    if (!GeneratorEnabled(d, request.target) || !GeneratorOffered(request.target, request.kind))
        return outcome;
    const TieupKind tieup = TieupOf(request.target);
    switch (request.kind) {
    case GeneratorKind::Straight:
    case GeneratorKind::Pointed:
    case GeneratorKind::Rosepath:
        outcome.repeatLength = WriteSequence(d, request.target, request.kind);
        outcome.cancelsSelection = true;
        break;
    case GeneratorKind::Plain:
        WritePlainWeave(d, tieup);
        break;
    case GeneratorKind::PointMarks:
        WritePointMarks(d, tieup);
        break;
    case GeneratorKind::Satin:
        WriteSatin(d, tieup, request.satinMove);
        break;
    case GeneratorKind::RandomTwill: {
        RandomSource fallback(RandomSource::ClockSeed());
        WriteRandomTwill(d, tieup, request.random ? *request.random : fallback);
        break;
    }
    }
    outcome.applied = true;
    return outcome;
}

} // namespace hm
