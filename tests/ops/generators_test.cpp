#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <set>

#include "ops/generators.h"
#include "ops/randomtwill.h"
#include "ops/satinmoves.h"

using namespace hm;

namespace {

std::unique_ptr<Draft> EmptyDraft(int ends = 10, int picks = 10) {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    d->Ends = ends;
    d->Picks = picks;
    return d;
}

std::vector<int> Entries(const OneBasedBytes<MaxEnds>& a, int n) {
    std::vector<int> v;
    for (int i = 1; i <= n; ++i) v.push_back(a[i]);
    return v;
}

// The shafts each treadle of a tie-up lifts, treadle by treadle (1 = tied).
std::vector<std::vector<int>> Lifts(const Draft& d, TieupKind k, int shafts, int treadles) {
    std::vector<std::vector<int>> lifts(static_cast<size_t>(treadles));
    for (int t = 1; t <= treadles; ++t)
        for (int s = 1; s <= shafts; ++s)
            if (d.GetTieup(k, s, t) == TieGround) lifts[static_cast<size_t>(t - 1)].push_back(s);
    return lifts;
}

} // namespace

TEST(Sequences, WrittenOverTheLengthWithTheirRepeat) {
    struct Case {
        GeneratorKind kind;
        int shafts;
        int ends;
        std::vector<int> expected; // ends 1..ends+1 (the entry after the length stays 0)
        int repeat;
    };
    const Case cases[] = {
        {GeneratorKind::Straight, 4, 10, {1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 0}, 4},
        {GeneratorKind::Pointed, 4, 10, {1, 2, 3, 4, 3, 2, 1, 2, 3, 4, 0}, 6},
        {GeneratorKind::Pointed, 2, 6, {1, 2, 1, 2, 1, 2, 0}, 2},
        {GeneratorKind::Pointed, 3, 7, {1, 2, 3, 2, 1, 2, 3, 0}, 4},
        {GeneratorKind::Rosepath, 4, 10, {1, 2, 3, 4, 3, 2, 1, 4, 1, 2, 0}, 8},
        {GeneratorKind::Rosepath, 2, 5, {1, 2, 1, 2, 1, 0}, 4},
        // A repeat longer than the draft is cut at the last end.
        {GeneratorKind::Rosepath, 8, 5, {1, 2, 3, 4, 5, 0}, 16},
    };
    for (const Case& c : cases) {
        auto d = EmptyDraft(c.ends, 3);
        d->PatternShafts = c.shafts;
        d->WarpRepeat = d->WeftRepeat = 99;
        EXPECT_EQ(WriteSequence(*d, GeneratorTarget::PatternThreading, c.kind), c.repeat);
        EXPECT_EQ(Entries(d->PatternThreading, c.ends + 1), c.expected)
            << static_cast<int>(c.kind) << " on " << c.shafts;
        EXPECT_EQ(d->WarpRepeat, c.repeat);
        EXPECT_EQ(d->WeftRepeat, 99);
    }
}

TEST(Sequences, EachTargetUsesItsOwnCountLengthAndRepeatNumber) {
    auto d = EmptyDraft(12, 9);
    d->ShaftsA = 3;
    d->ShaftsB = 2;
    d->TreadlesA = 5;
    d->TreadlesB = 4;
    WriteSequence(*d, GeneratorTarget::ThreadingA, GeneratorKind::Straight);
    WriteSequence(*d, GeneratorTarget::ThreadingB, GeneratorKind::Straight);
    EXPECT_EQ(Entries(d->ThreadingA, 13),
              (std::vector<int>{1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 0}));
    EXPECT_EQ(Entries(d->ThreadingB, 4), (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(d->WarpRepeat, 2);
    d->WeftRepeat = 0;
    WriteSequence(*d, GeneratorTarget::TreadlingB, GeneratorKind::Pointed);
    EXPECT_EQ(Entries(d->TreadlingB, 10), (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 2, 3, 0}));
    EXPECT_EQ(d->WeftRepeat, 6);
    EXPECT_EQ(d->WarpRepeat, 2);
    WriteSequence(*d, GeneratorTarget::TreadlingA, GeneratorKind::Rosepath);
    EXPECT_EQ(d->TreadlingA[9], 1);
    EXPECT_EQ(d->WeftRepeat, 10);
}

TEST(TieupWeaves, PlainWeaveAndPointMarksStayWithinTheTieupSize) {
    auto d = EmptyDraft();
    d->ShaftsA = d->TreadlesA = 4;
    d->TieupAA(5, 1) = 2; // outside the size: kept
    d->TieupAA(1, 2) = 2; // inside: overwritten
    WritePlainWeave(*d, TieupKind::AA);
    const std::vector<std::vector<int>> plain = {{1, 3}, {2, 4}, {1, 3}, {2, 4}};
    EXPECT_EQ(Lifts(*d, TieupKind::AA, 4, 4), plain);
    EXPECT_EQ(d->TieupAA(1, 2), 0);
    EXPECT_EQ(d->TieupAA(5, 1), 2);

    // AB joins the A shafts with the B treadles.
    d->ShaftsA = 3;
    d->TreadlesB = 2;
    WritePointMarks(*d, TieupKind::AB);
    for (int s = 1; s <= 4; ++s)
        for (int t = 1; t <= 3; ++t)
            EXPECT_EQ(d->TieupAB(s, t), s <= 3 && t <= 2 ? TiePattern : TieNone) << s << "," << t;
}

TEST(SatinMoves, ListsAsTheDialogShowsThem) {
    struct Case {
        int shafts;
        SatinMoveListKind kind;
        const char* label;
        const char* label2;
        int first;
    };
    const Case cases[] = {
        {4, SatinMoveListKind::None, "@satinnone", "", 1},
        {5, SatinMoveListKind::Moves, "2,3", "", 2},
        {6, SatinMoveListKind::None, "@satinnone", "", 1},
        {7, SatinMoveListKind::Moves, "3,4, 2,5", "", 3},
        {8, SatinMoveListKind::Moves, "3,5", "", 3},
        {9, SatinMoveListKind::Moves, "4,5, 2,7", "", 4},
        {10, SatinMoveListKind::Moves, "3,7", "", 3},
        // 6 + 9 share the factor 3: move 6 would lift only every third shaft.
        {15, SatinMoveListKind::Moves, "7,8, 4,11, 2,13", "", 7},
        {32, SatinMoveListKind::Moves, "15,17, 13,19, 11,21, 9,23, 7,25, 5,27", "3,29, ", 15},
        {33, SatinMoveListKind::VeryMany, "@satinmany", "", 1},
    };
    for (const Case& c : cases) {
        const SatinMoveList list = SatinMoves(c.shafts);
        EXPECT_EQ(list.kind, c.kind) << c.shafts;
        EXPECT_EQ(list.numLabel, c.label) << c.shafts;
        EXPECT_EQ(list.numLabel2, c.label2) << c.shafts;
        EXPECT_EQ(list.firstMove, c.first) << c.shafts;
    }
}

TEST(SatinMoves, EveryListedMoveMakesASatin) {
    // Each listed move gives every treadle one shaft and every shaft one treadle,
    // and no two neighbouring treadles lift neighbouring shafts.
    for (int n = 5; n <= 32; ++n) {
        const SatinMoveList list = SatinMoves(n);
        ASSERT_EQ(list.kind, n == 6 ? SatinMoveListKind::None : SatinMoveListKind::Moves);
        for (size_t i = 0; i + 1 < list.numbers.size(); i += 2)
            EXPECT_EQ(list.numbers[i] + list.numbers[i + 1], n);
        auto d = EmptyDraft();
        d->ShaftsA = d->TreadlesA = n;
        for (int move : list.numbers) {
            WriteSatin(*d, TieupKind::AA, move);
            const auto lifts = Lifts(*d, TieupKind::AA, n, n);
            std::set<int> shafts;
            for (int t = 0; t < n; ++t) {
                ASSERT_EQ(lifts[static_cast<size_t>(t)].size(), 1u) << n << " move " << move;
                const int s = lifts[static_cast<size_t>(t)][0];
                shafts.insert(s);
                const int next = lifts[static_cast<size_t>((t + 1) % n)][0];
                const int step = (next - s + n) % n;
                EXPECT_TRUE(step != 1 && step != n - 1) << n << " move " << move;
            }
            EXPECT_EQ(static_cast<int>(shafts.size()), n);
        }
    }
}

TEST(Satin, FiveShaftsMoveTwoAndFewerTreadles) {
    auto d = EmptyDraft();
    d->ShaftsB = d->TreadlesB = 5;
    d->TieupBB(2, 1) = 1; // cleared first
    WriteSatin(*d, TieupKind::BB, 2);
    EXPECT_EQ(Lifts(*d, TieupKind::BB, 5, 5),
              (std::vector<std::vector<int>>{{1}, {3}, {5}, {2}, {4}}));

    // Only the treadles the group has are written.
    d->TieupBB.Clear();
    d->TreadlesB = 3;
    WriteSatin(*d, TieupKind::BB, 2);
    for (int t = 4; t <= 5; ++t)
        for (int s = 1; s <= 5; ++s) EXPECT_EQ(d->TieupBB(s, t), 0);
    EXPECT_EQ(d->TieupBB(5, 3), 1);
}

TEST(RandomTwill, BreakWrapFloat) {
    struct Case {
        TwillColumn in, out;
    };
    const Case cases[] = {
        // 3 + 3 raised across the wrap: the run at shaft S is not shorter, it breaks.
        {{1, 1, 1, 0, 0, 1, 1, 1}, {1, 1, 1, 0, 0, 1, 1, 0}},
        // 4 at the start, 2 at the end: shaft 1 breaks.
        {{0, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 1, 0, 0}},
        // 5 in all: no long float.
        {{1, 1, 1, 0, 0, 1, 1}, {1, 1, 1, 0, 0, 1, 1}},
        // Ends differ.
        {{1, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 1, 1, 0, 0, 0, 0}},
        // One value throughout.
        {{0, 0, 0, 0}, {0, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        TwillColumn column = c.in;
        BreakWrapFloat(column);
        EXPECT_EQ(column, c.out);
    }
}

TEST(RandomTwill, RunsBalanceAndShiftOverManySeeds) {
    std::set<std::vector<uint8_t>> distinct;
    auto d = EmptyDraft();
    for (int shafts : {2, 3, 4, 5, 7, 8, 9, 10, 12, 32}) {
        for (uint64_t seed = 0; seed < 200; ++seed) {
            RandomSource random(seed);
            const TwillColumn runs = TwillRuns(shafts, random);
            // Runs stay within the bound: 1 for 2 shafts, 5 from 10 on, else S/2 + 1.
            const int bound = shafts == 2 ? 1 : shafts >= 10 ? 5 : shafts / 2 + shafts % 2;
            int run = 1;
            for (int s = 1; s < shafts; ++s) {
                run =
                    runs[static_cast<size_t>(s)] == runs[static_cast<size_t>(s - 1)] ? run + 1 : 1;
                ASSERT_LE(run, bound) << shafts << " seed " << seed;
            }

            d->TieupAA.Clear();
            d->ShaftsA = shafts;
            d->TreadlesA = 6;
            d->TieupAA(shafts == 32 ? 1 : shafts + 1, 1) = 2; // beyond the shafts: kept
            RandomSource twill(seed);
            WriteRandomTwill(*d, TieupKind::AA, twill);
            TwillColumn first;
            for (int s = 1; s <= shafts; ++s) first.push_back(d->TieupAA(s, 1));
            const int raised = std::accumulate(first.begin(), first.end(), 0);
            EXPECT_TRUE(raised == shafts / 2 || (shafts % 2 == 1 && raised == shafts / 2 + 1))
                << shafts << " seed " << seed;
            if (shafts == 8) {
                TwillColumn wrapped = first;
                wrapped.insert(wrapped.end(), first.begin(), first.end());
                int longest = 1, current = 1;
                for (size_t i = 1; i < wrapped.size(); ++i) {
                    current = wrapped[i] == wrapped[i - 1] ? current + 1 : 1;
                    longest = std::max(longest, current);
                }
                EXPECT_LE(longest, 5);
            }
            // One direction for the whole tie-up.
            TwillColumn previous = first;
            const bool up = ShiftColumn(first, true) == [&] {
                TwillColumn c;
                for (int s = 1; s <= shafts; ++s) c.push_back(d->TieupAA(s, 2));
                return c;
            }();
            for (int t = 2; t <= 6; ++t) {
                TwillColumn column;
                for (int s = 1; s <= shafts; ++s) column.push_back(d->TieupAA(s, t));
                EXPECT_EQ(column, ShiftColumn(previous, up)) << shafts << " seed " << seed;
                previous = column;
            }
            if (shafts < 32) {
                EXPECT_EQ(d->TieupAA(shafts + 1, 1), 2);
            }
            EXPECT_EQ(d->TieupAA(1, 7), 0);
            if (shafts == 8) distinct.insert(first);
        }
    }
    EXPECT_GT(distinct.size(), 5u) << "the seeds give different twills";
}

TEST(RandomTwill, SameSeedSameTwill) {
    auto a = EmptyDraft(), b = EmptyDraft();
    a->ShaftsB = b->ShaftsB = a->TreadlesB = b->TreadlesB = 12;
    RandomSource ra(42), rb(42);
    WriteRandomTwill(*a, TieupKind::BB, ra);
    WriteRandomTwill(*b, TieupKind::BB, rb);
    EXPECT_EQ(a->TieupBB.cells, b->TieupBB.cells);
    EXPECT_EQ(ShiftColumn({1, 0, 0}, true), (TwillColumn{0, 0, 1}));
    EXPECT_EQ(ShiftColumn({1, 0, 0}, false), (TwillColumn{0, 1, 0}));
}

TEST(RandomSource, StaysInRange) {
    RandomSource r(7);
    for (int k : {1, 2, 5, 33}) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const int v = r.Random(k);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, k);
            seen.insert(v);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), k);
    }
    EXPECT_EQ(r.Random(0), 0);
}

TEST(FillMenu, EnablingRulesAndItems) {
    using T = GeneratorTarget;
    struct Case {
        bool pattern, b1, b2, design;
        std::set<T> enabled;
    };
    const std::set<T> all = {T::PatternThreading, T::ThreadingA, T::ThreadingB,
                             T::TreadlingA,       T::TreadlingB, T::TieupAA,
                             T::TieupBB,          T::TieupAB,    T::TieupBA};
    const Case cases[] = {
        {true, true, true, false, all},
        {false,
         true,
         true,
         false,
         {T::ThreadingA, T::ThreadingB, T::TreadlingA, T::TreadlingB, T::TieupAA, T::TieupBB,
          T::TieupAB, T::TieupBA}},
        {true,
         false,
         true,
         false,
         {T::PatternThreading, T::ThreadingA, T::TreadlingA, T::TreadlingB, T::TieupAA,
          T::TieupAB}},
        {true,
         true,
         false,
         false,
         {T::PatternThreading, T::ThreadingA, T::ThreadingB, T::TreadlingA, T::TieupAA,
          T::TieupBA}},
        {true, true, true, true, {}},
    };
    for (const Case& c : cases) {
        auto d = EmptyDraft();
        d->PatternThreadingOn = c.pattern;
        d->ThreadingBOn = c.b1;
        d->TreadlingBOn = c.b2;
        d->DesignMode = c.design;
        for (T t : all) EXPECT_EQ(GeneratorEnabled(*d, t), c.enabled.count(t) == 1);
    }
    EXPECT_TRUE(GeneratorOffered(T::TreadlingB, GeneratorKind::Rosepath));
    EXPECT_FALSE(GeneratorOffered(T::TreadlingB, GeneratorKind::Plain));
    EXPECT_TRUE(GeneratorOffered(T::TieupBB, GeneratorKind::Satin));
    EXPECT_FALSE(GeneratorOffered(T::TieupAA, GeneratorKind::Straight));
    EXPECT_TRUE(GeneratorOffered(T::TieupBA, GeneratorKind::PointMarks));
    EXPECT_FALSE(GeneratorOffered(T::TieupAB, GeneratorKind::RandomTwill));
}

TEST(FillMenu, GenerateRefusesWhatTheMenuWouldNotOffer) {
    auto d = EmptyDraft();
    d->ThreadingBOn = false;
    const auto before = std::make_unique<Draft>(*d);
    EXPECT_FALSE(Generate(*d, {GeneratorTarget::ThreadingB, GeneratorKind::Straight}).applied);
    EXPECT_FALSE(Generate(*d, {GeneratorTarget::TieupAB, GeneratorKind::Plain}).applied);
    EXPECT_EQ(d->ThreadingB.bytes, before->ThreadingB.bytes);
    EXPECT_EQ(d->TieupAB.cells, before->TieupAB.cells);

    const GeneratorOutcome sequence =
        Generate(*d, {GeneratorTarget::ThreadingA, GeneratorKind::Pointed});
    EXPECT_TRUE(sequence.applied);
    EXPECT_TRUE(sequence.cancelsSelection);
    EXPECT_EQ(sequence.repeatLength, 6);
    RandomSource random(3);
    const GeneratorOutcome twill =
        Generate(*d, {GeneratorTarget::TieupAA, GeneratorKind::RandomTwill, 1, &random});
    EXPECT_TRUE(twill.applied);
    EXPECT_FALSE(twill.cancelsSelection);
}
