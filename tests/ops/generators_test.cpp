#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <set>
#include <string>

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
    return std::vector<int>(a.bytes.begin(), a.bytes.begin() + n);
}

// Treadle t's raised shafts, column by column.
std::vector<std::vector<int>> Lifts(const Draft& d, TieupKind k, int shafts, int treadles) {
    std::vector<std::vector<int>> lifts(static_cast<size_t>(treadles));
    for (int t = 1; t <= treadles; ++t)
        for (int s = 1; s <= shafts; ++s)
            if (d.GetTieup(k, s, t) == TieGround) lifts[static_cast<size_t>(t - 1)].push_back(s);
    return lifts;
}

TwillColumn Column(const Draft& d, int shafts, int treadle) {
    TwillColumn c;
    for (int s = 1; s <= shafts; ++s) c.push_back(d.TieupAA(s, treadle));
    return c;
}

} // namespace

TEST(Sequences, WrittenOverTheLengthWithTheirRepeat) {
    using K = GeneratorKind;
    const struct {
        K kind;
        int shafts, ends;
        std::vector<int> expected; // ends 1..ends+1: the entry after the length stays 0
        int repeat;
    } cases[] = {
        {K::Straight, 4, 10, {1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 0}, 4},
        {K::Pointed, 4, 10, {1, 2, 3, 4, 3, 2, 1, 2, 3, 4, 0}, 6},
        {K::Pointed, 2, 6, {1, 2, 1, 2, 1, 2, 0}, 2},
        {K::Rosepath, 4, 10, {1, 2, 3, 4, 3, 2, 1, 4, 1, 2, 0}, 8},
        {K::Rosepath, 8, 5, {1, 2, 3, 4, 5, 0}, 16}, // cut at the last end
    };
    for (const auto& c : cases) {
        auto d = EmptyDraft(c.ends, 3);
        d->PatternShafts = c.shafts;
        d->WeftRepeat = 99;
        EXPECT_EQ(WriteSequence(*d, GeneratorTarget::PatternThreading, c.kind), c.repeat);
        EXPECT_EQ(Entries(d->PatternThreading, c.ends + 1), c.expected) << c.shafts;
        EXPECT_EQ(d->WarpRepeat, c.repeat);
        EXPECT_EQ(d->WeftRepeat, 99);
    }
    // Treadlings run over the picks with their group's treadles and record WeftRepeat.
    auto d = EmptyDraft(12, 9);
    d->TreadlesB = 4;
    WriteSequence(*d, GeneratorTarget::TreadlingB, K::Pointed);
    EXPECT_EQ(Entries(d->TreadlingB, 10), (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 2, 3, 0}));
    EXPECT_EQ(d->WeftRepeat, 6);
}

TEST(TieupWeaves, PlainWeaveAndPointMarksStayWithinTheTieupSize) {
    auto d = EmptyDraft();
    d->ShaftsA = d->TreadlesA = 4;
    d->TieupAA(5, 1) = 2; // outside the size: kept
    WritePlainWeave(*d, TieupKind::AA);
    EXPECT_EQ(Lifts(*d, TieupKind::AA, 4, 4),
              (std::vector<std::vector<int>>{{1, 3}, {2, 4}, {1, 3}, {2, 4}}));
    EXPECT_EQ(d->TieupAA(5, 1), 2);

    d->ShaftsA = 3; // AB: the A shafts with the B treadles
    d->TreadlesB = 2;
    WritePointMarks(*d, TieupKind::AB);
    for (int s = 1; s <= 4; ++s)
        for (int t = 1; t <= 3; ++t)
            EXPECT_EQ(d->TieupAB(s, t), s <= 3 && t <= 2 ? TiePattern : TieNone) << s << "," << t;
}

TEST(Satin, MoveListsAsTheDialogShowsThem) {
    const struct {
        int shafts;
        const char *label, *label2;
        int first;
    } cases[] = {
        {4, "@satinnone", "", 1},
        {5, "2,3", "", 2},
        {6, "@satinnone", "", 1},
        {7, "3,4, 2,5", "", 3},
        {8, "3,5", "", 3},
        {9, "4,5, 2,7", "", 4},
        {15, "7,8, 4,11, 2,13", "", 7}, // 6 + 9 share the factor 3: no satin
        {32, "15,17, 13,19, 11,21, 9,23, 7,25, 5,27", "3,29, ", 15},
        {33, "@satinmany", "", 1},
    };
    for (const auto& c : cases) {
        const SatinMoveList list = SatinMoves(c.shafts);
        EXPECT_EQ(list.numLabel, c.label) << c.shafts;
        EXPECT_EQ(list.numLabel2, c.label2) << c.shafts;
        EXPECT_EQ(list.firstMove, c.first) << c.shafts;
    }
}

TEST(Satin, EveryListedMoveLiftsEachShaftOnceWithoutTouchingTies) {
    auto d = EmptyDraft();
    for (int n = 5; n <= 32; ++n) {
        d->ShaftsA = d->TreadlesA = n;
        for (int move : SatinMoves(n).numbers) {
            WriteSatin(*d, TieupKind::AA, move);
            const auto lifts = Lifts(*d, TieupKind::AA, n, n);
            std::set<int> shafts;
            for (int t = 0; t < n; ++t) {
                ASSERT_EQ(lifts[static_cast<size_t>(t)].size(), 1u) << n << " move " << move;
                const int a = lifts[static_cast<size_t>(t)][0];
                const int b = lifts[static_cast<size_t>((t + 1) % n)][0];
                shafts.insert(a);
                // Neighbouring treadles never lift neighbouring shafts.
                EXPECT_NE((b - a + n) % n, 1);
                EXPECT_NE((a - b + n) % n, 1);
            }
            EXPECT_EQ(static_cast<int>(shafts.size()), n);
        }
    }
    // Five shafts, move 2; treadles the group lacks are not written.
    d->TieupAA.Clear();
    d->ShaftsA = 5;
    d->TreadlesA = 4;
    WriteSatin(*d, TieupKind::AA, 2);
    EXPECT_EQ(Lifts(*d, TieupKind::AA, 5, 5),
              (std::vector<std::vector<int>>{{1}, {3}, {5}, {2}, {}}));
}

TEST(RandomTwill, BreakWrapFloatAndShift) {
    const struct {
        TwillColumn in, out;
    } cases[] = {
        {{1, 1, 1, 0, 0, 1, 1, 1}, {1, 1, 1, 0, 0, 1, 1, 0}}, // 3 + 3: the end at shaft S breaks
        {{0, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 1, 0, 0}},       // 4 + 2: shaft 1 breaks
        {{1, 1, 1, 0, 0, 1, 1}, {1, 1, 1, 0, 0, 1, 1}},       // 5 in all: kept
        {{1, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 1, 1, 0, 0, 0, 0}}, // ends differ
        {{0, 0, 0, 0}, {0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        TwillColumn column = c.in;
        BreakWrapFloat(column);
        EXPECT_EQ(column, c.out);
    }
    EXPECT_EQ(ShiftColumn({1, 0, 0}, true), (TwillColumn{0, 0, 1}));
    EXPECT_EQ(ShiftColumn({1, 0, 0}, false), (TwillColumn{0, 1, 0}));
}

TEST(RandomTwill, BalanceWrapAndShiftOverManySeeds) {
    auto d = EmptyDraft();
    std::set<std::string> distinct;
    for (int shafts : {2, 3, 5, 8, 9, 12, 32}) {
        for (uint64_t seed = 0; seed < 200; ++seed) {
            d->TieupAA.Clear();
            d->ShaftsA = shafts;
            d->TreadlesA = 6;
            RandomSource random(seed);
            WriteRandomTwill(*d, TieupKind::AA, random);
            const TwillColumn first = Column(*d, shafts, 1);
            const int raised = std::accumulate(first.begin(), first.end(), 0);
            EXPECT_TRUE(raised == shafts / 2 || (shafts % 2 == 1 && raised == shafts / 2 + 1))
                << shafts << " seed " << seed;
            if (shafts == 8) {
                // No run of more than 5 equal values, around the wrap included.
                int longest = 0, run = 1;
                for (size_t i = 1; i < 16; ++i) {
                    run = first[i % 8] == first[(i - 1) % 8] ? run + 1 : 1;
                    longest = std::max(longest, run);
                }
                EXPECT_LE(longest, 5);
                distinct.insert(std::string(first.begin(), first.end()));
            }
            // Every column is the one before shifted by one shaft, one way for all.
            const bool up = Column(*d, shafts, 2) == ShiftColumn(first, true);
            for (int t = 2; t <= 6; ++t)
                EXPECT_EQ(Column(*d, shafts, t), ShiftColumn(Column(*d, shafts, t - 1), up));
            EXPECT_EQ(d->TieupAA(1, 7), 0);
        }
    }
    EXPECT_GT(distinct.size(), 5u) << "seeds give different twills";
}

TEST(FillMenu, EnablingRulesAndRefusal) {
    using T = GeneratorTarget;
    const std::vector<T> all = {T::PatternThreading, T::ThreadingA, T::ThreadingB,
                                T::TreadlingA,       T::TreadlingB, T::TieupAA,
                                T::TieupBB,          T::TieupAB,    T::TieupBA};
    const struct {
        bool pattern, b1, b2, design;
        std::set<T> disabled;
    } cases[] = {
        {true, true, true, false, {}},
        {false, true, true, false, {T::PatternThreading}},
        {true, false, true, false, {T::ThreadingB, T::TieupBB, T::TieupBA}},
        {true, true, false, false, {T::TreadlingB, T::TieupBB, T::TieupAB}},
        {true, true, true, true, {all.begin(), all.end()}},
    };
    for (const auto& c : cases) {
        auto d = EmptyDraft();
        d->PatternThreadingOn = c.pattern;
        d->ThreadingBOn = c.b1;
        d->TreadlingBOn = c.b2;
        d->DesignMode = c.design;
        for (T t : all) EXPECT_EQ(GeneratorEnabled(*d, t), c.disabled.count(t) == 0);
    }
    EXPECT_FALSE(GeneratorOffered(T::TreadlingB, GeneratorKind::Plain));
    EXPECT_FALSE(GeneratorOffered(T::TieupAA, GeneratorKind::Straight));
    EXPECT_FALSE(GeneratorOffered(T::TieupAB, GeneratorKind::RandomTwill));

    auto d = EmptyDraft();
    d->ThreadingBOn = false;
    EXPECT_FALSE(Generate(*d, {T::ThreadingB, GeneratorKind::Straight}).applied);
    EXPECT_FALSE(Generate(*d, {T::TieupAB, GeneratorKind::Plain}).applied);
    EXPECT_EQ(d->ThreadingB[1], 0);
    EXPECT_EQ(d->TieupAB(1, 1), 0);
    const GeneratorOutcome sequence = Generate(*d, {T::ThreadingA, GeneratorKind::Pointed});
    EXPECT_TRUE(sequence.applied && sequence.cancelsSelection);
    EXPECT_FALSE(Generate(*d, {T::TieupAA, GeneratorKind::Plain}).cancelsSelection);
}
