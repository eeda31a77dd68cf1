#include "ops/switchshafts.h"

#include <array>

#include "ops/boundedcounts.h"
#include "ops/tieuplines.h"

namespace hm {

namespace {

void ExchangeLiftplanColumns(Draft& d, int a, int b) {
    for (int p = 1; p <= PickCount(d); ++p) {
        const bool va = d.GetLiftplan(p, a);
        d.SetLiftplan(p, a, d.GetLiftplan(p, b));
        d.SetLiftplan(p, b, va);
    }
}

// Every entry a becomes b and every entry b becomes a.
template <typename Sequence> void ExchangeValues(Sequence& s, int count, int a, int b) {
    for (int i = 1; i <= count; ++i) {
        if (s[i] == a)
            s[i] = static_cast<uint8_t>(b);
        else if (s[i] == b)
            s[i] = static_cast<uint8_t>(a);
    }
}

bool Within(int a, int b, int limit) {
    return a >= 1 && b >= 1 && a <= limit && b <= limit;
}

} // namespace

StructureChange SwitchShafts(Draft& d, int a, int b) {
    const int limit =
        d.PatternTieupOn ? std::min(PatternShaftCount(d), PatternTieupSize) : PatternShaftCount(d);
    if (a == b || !Within(a, b, limit)) return StructureChange::Unchanged();
    ExchangeValues(d.PatternThreading, EndCount(d), a, b);
    if (d.PatternTieupOn)
        TieupLines{d.PatternTieup, false, PatternTieupColumns(d)}.Exchange(a, b);
    else
        ExchangeLiftplanColumns(d, a, b);
    return StructureChange::Changed();
}

StructureChange SwitchTreadles(Draft& d, int a, int b) {
    const int treadles = LiftplanColumnCount(d);
    if (a == b || !Within(a, b, treadles)) return StructureChange::Unchanged();
    const bool inTieup = Within(a, b, PatternTieupSize);
    if (d.PatternTieupOn && !inTieup) return StructureChange::Unchanged();
    if (d.MultipleTreadles)
        ExchangeLiftplanColumns(d, a, b);
    else
        ExchangeValues(d.PatternTreadling, PickCount(d), a, b);
    if (inTieup) TieupLines{d.PatternTieup, true, PatternTieupRows(d)}.Exchange(a, b);
    return StructureChange::Changed();
}

namespace {

constexpr int NoRepeat = 9999;
constexpr int ArrangedEnds = DesignSize; // the part of the threading examined

struct ThreadingCopy {
    std::array<uint8_t, ArrangedEnds> entries{};
    int lastUsed = 0;

    explicit ThreadingCopy(const Draft& d) {
        std::copy_n(d.PatternThreading.data(), ArrangedEnds, entries.begin());
        lastUsed = d.PatternThreading.LastNonZero(ArrangedEnds);
    }
    int operator[](int end) const {
        return end >= 1 && end <= ArrangedEnds ? entries[static_cast<size_t>(end - 1)] : 0;
    }

    // Shafts 1..n straight up from end 1, then (n >= 3) down to 2 again.
    bool RisesStraight(int n) const {
        for (int e = 1; e <= n; ++e)
            if ((*this)[e] != e) return false;
        for (int j = 1; n >= 3 && j <= n - 2; ++j)
            if ((*this)[n + j] != n - j) return false;
        return true;
    }

    // The distance at which `shaft` recurs: it must appear among ends 1..8, again
    // within 8 ends, and from there exactly every that many ends up to the last
    // used end; NoRepeat otherwise.
    int Distance(int shaft) const {
        int first = 0;
        for (int e = 1; e <= 8 && !first; ++e)
            if ((*this)[e] == shaft) first = e;
        if (!first) return NoRepeat;
        int next = 0;
        for (int e = first + 1; e <= first + 8 && !next; ++e)
            if ((*this)[e] == shaft) next = e;
        if (!next) return NoRepeat;
        const int step = next - first;
        if ((*this)[next + step] != shaft) return NoRepeat;
        for (int e = next + 1; e <= lastUsed; ++e)
            if (((*this)[e] == shaft) != ((e - first) % step == 0)) return NoRepeat;
        return step;
    }
};

} // namespace

StructureChange ArrangeShaftsByRepeat(Draft& d) {
    const ThreadingCopy copy(d);
    const int n = PatternShaftCount(d);
    if (copy.RisesStraight(n)) return StructureChange::Unchanged();
    const int m = std::min(n, 8);
    std::array<int, 9> distance{};
    int repeating = 0;
    for (int shaft = 1; shaft <= m; ++shaft) {
        distance[static_cast<size_t>(shaft)] = copy.Distance(shaft);
        if (distance[static_cast<size_t>(shaft)] < NoRepeat) ++repeating;
    }
    if (repeating <= 1) return StructureChange::Unchanged();
    StructureChange result;
    for (int j = 1; j < m; ++j) {
        int smallest = j;
        for (int i = j + 1; i <= m; ++i)
            if (distance[static_cast<size_t>(i)] < distance[static_cast<size_t>(smallest)])
                smallest = i;
        if (smallest == j) continue;
        std::swap(distance[static_cast<size_t>(j)], distance[static_cast<size_t>(smallest)]);
        if (SwitchShafts(d, j, smallest).changed) result = StructureChange::Changed();
    }
    return result;
}

} // namespace hm
