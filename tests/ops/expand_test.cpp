// Expand Pattern in Draft and Design mode, and the sequence steps it uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "model/design.h"
#include "ops/expand.h"
#include "ops/expandsequences.h"

namespace hm::test {
namespace {

std::vector<uint8_t> Stretched(std::vector<uint8_t> v, int factor) {
    StretchElements(v.data(), 1, static_cast<int>(v.size()), factor);
    return v;
}
std::vector<uint8_t> Replicated(std::vector<uint8_t> v, int repeat, int limit) {
    ReplicateElements(v.data(), 1, static_cast<int>(v.size()), repeat, limit);
    return v;
}

TEST(ExpandSequences, StretchAndReplicateInPlace) {
    using V = std::vector<uint8_t>;
    EXPECT_EQ(Stretched({1, 2, 0, 0, 0, 0}, 2), (V{1, 1, 2, 2, 0, 0}));
    EXPECT_EQ(Stretched({1, 2, 3, 0, 0}, 2), (V{1, 1, 2, 2, 3})) << "the last copy is cut";
    EXPECT_EQ(Stretched({1, 2, 3}, 1), (V{1, 2, 3}));
    EXPECT_EQ(Stretched({4, 5, 6, 7}, 16), (V{4, 4, 4, 4}));
    EXPECT_EQ(Replicated({1, 2, 3, 0, 0, 0, 0, 0}, 3, 7), (V{1, 2, 3, 1, 2, 3, 1, 0}));
    EXPECT_EQ(Replicated({1, 2, 9, 9}, 2, 2), (V{1, 2, 9, 9})) << "limit at the repeat";
    EXPECT_EQ(Replicated({1, 2, 9}, 2, 50), (V{1, 2, 1})) << "limit beyond the size";
    // Long runs double the copied part; every element still follows its repeat.
    V long_(4800, 0);
    for (int i = 0; i < 7; ++i) long_[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
    ReplicateElements(long_.data(), 1, 4800, 7, 4795);
    for (int i = 0; i < 4795; ++i) ASSERT_EQ(long_[static_cast<size_t>(i)], i % 7 + 1) << i;
    EXPECT_EQ(long_[4795], 0);
}

TEST(ExpandPattern, DraftModeRepeatsEveryEndAndPick) {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = 10;
    d->PatternThreading[1] = 1;
    d->PatternThreading[2] = 2;
    d->SetLiftplan(1, 1, true);
    d->SetLiftplan(2, 2, true);
    d->SetLiftplan(2, 3, true);
    d->ThreadingA[1] = 3;
    d->WarpColors[2] = 9;
    const StructureChange change = ExpandPattern(*d, 2, 3);
    EXPECT_TRUE(change.changed && change.layout);
    const std::vector<int> threading{1, 1, 2, 2, 0};
    for (int e = 1; e <= 5; ++e) EXPECT_EQ(d->PatternThreading[e], threading[e - 1]) << e;
    for (int p = 1; p <= 7; ++p) {
        const bool first = p <= 3, second = p >= 4 && p <= 6;
        EXPECT_EQ(d->GetLiftplan(p, 1), first) << p;
        EXPECT_EQ(d->GetLiftplan(p, 2), second) << p;
        EXPECT_EQ(d->GetLiftplan(p, 3), second) << p;
    }
    EXPECT_EQ(d->UsedPicks, 6);
    EXPECT_EQ(d->ThreadingA[1], 3) << "ground and colours stay";
    EXPECT_EQ(d->ThreadingA[2], 0);
    EXPECT_EQ(d->WarpColors[2], 9);
    EXPECT_EQ(d->WarpColors[3], d->WarpColors[1]);
}

TEST(ExpandPattern, FactorsOfOneChangeNothingAndNothingPassesEnd4800) {
    auto d = std::make_unique<Draft>();
    for (int e = 1; e <= MaxEnds; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e % 7 + 1);
    for (int p = 1; p <= MaxPicks; ++p) d->SetLiftplan(p, p % 5 + 1, true);
    const auto before = std::make_unique<Draft>(*d);
    EXPECT_FALSE(ExpandPattern(*d, 1, 1).changed);
    EXPECT_EQ(d->PatternThreading.bytes, before->PatternThreading.bytes);
    EXPECT_EQ(d->Liftplan, before->Liftplan);

    ExpandPattern(*d, 3, 16);
    EXPECT_EQ(d->PatternThreading[MaxEnds], before->PatternThreading[MaxEnds / 3]);
    EXPECT_EQ(d->PatternThreading[1], before->PatternThreading[1]);
    EXPECT_EQ(d->GetLiftplan(MaxPicks, MaxPicks / 16 % 5 + 1), true);
    EXPECT_EQ(d->Ends, MaxEnds);
    EXPECT_EQ(d->UsedEnds, MaxEnds);
}

// Every new picture cell has the value of the old cell its block came from.
// Beyond the expanded used part the picture must be empty.
std::string BlockDifference(const Draft& before, const Draft& after, int fe, int fp) {
    auto rest = std::make_unique<Draft>(after);
    rest->UpdateDesignExtents();
    const int rows = std::min(DesignSize, before.UsedPicks * fp);
    const int columns = std::min(DesignSize, before.UsedEnds * fe);
    if (rest->UsedPicks > rows || rest->UsedEnds > columns) return "cells beyond the blocks";
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (after.GetDesignCell(r, c) !=
                before.GetDesignCell((r - 1) / fp + 1, (c - 1) / fe + 1))
                return "row " + std::to_string(r) + ", column " + std::to_string(c);
    return {};
}

TEST(ExpandPattern, DesignModeMakesABlockOfEveryCell) {
    struct Case {
        int ends, picks; // used part of the old picture
        int distinct;    // distinct column patterns
        bool scattered;  // placed at random rather than in turn
        int fe, fp;
    };
    const Case cases[] = {
        {40, 30, 5, false, 3, 2},    // repeating both ways
        {700, 650, 100, true, 4, 4}, // no repeat: the expansion is cut at 2400
        {300, 20, 140, false, 2, 5}, // more distinct columns than pattern shafts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.ends << "x" << c.picks << " by " << c.fe << "x" << c.fp);
        auto d = std::make_unique<Draft>();
        d->DesignMode = true;
        std::mt19937 rng(static_cast<unsigned>(c.ends));
        std::vector<std::vector<bool>> columns(static_cast<size_t>(c.distinct));
        for (auto& col : columns)
            for (int r = 0; r < c.picks; ++r) col.push_back(rng() % 3 == 0);
        for (int e = 1; e <= c.ends; ++e) {
            const auto& col = columns[static_cast<size_t>(
                c.scattered ? static_cast<int>(rng() % static_cast<unsigned>(c.distinct))
                            : (e - 1) % c.distinct)];
            for (int r = 1; r <= c.picks; ++r) d->SetDesignCell(r, e, col[r - 1]);
        }
        d->WarpColors[2] = 11;
        d->WeftColors[1] = 12;
        d->ExpandUnitOn[0][1] = 0; // any unit is reset first
        d->UpdateDesignExtents();
        const auto before = std::make_unique<Draft>(*d);

        ASSERT_TRUE(ExpandPattern(*d, c.fe, c.fp).changed);
        EXPECT_EQ(BlockDifference(*before, *d, c.fe, c.fp), "");
        EXPECT_EQ(d->ExpandUnitOn[0][1], 1);
        EXPECT_EQ(d->WarpColors[c.fe + 1], 11);
        EXPECT_EQ(d->WarpColors[2 * c.fe + 1], before->WarpColors[3]);
        EXPECT_EQ(d->WeftColors[c.fp], 12);

        // The pattern level gives back the same picture (as far as 128 shafts reach).
        if (c.distinct <= MaxPatternShafts) {
            auto rebuilt = std::make_unique<Draft>(*d);
            BuildDesign(*rebuilt, DesignSize, DesignSize);
            EXPECT_EQ(rebuilt->DesignGrid, d->DesignGrid);
        }
    }
}

TEST(ExpandPattern, DesignModeRepeatsThePatternLevelBeyondThePicture) {
    auto d = std::make_unique<Draft>();
    d->DesignMode = true;
    // Three distinct columns over 900 ends and a three-pick repeat over 700 picks.
    for (int e = 1; e <= 900; ++e)
        for (int r = 1; r <= 700; ++r) d->SetDesignCell(r, e, (e + r) % 3 == 0 || e % 3 == 1);
    ExpandPattern(*d, 4, 5);
    // 900 ends become 3600: the threading repeats past the picture's 2400.
    EXPECT_NE(d->PatternThreading[3600], 0);
    EXPECT_EQ(d->PatternThreading[3600], d->PatternThreading[12]);
    EXPECT_EQ(d->PatternThreading[3601], 0);
    // 700 picks become 3500 liftplan rows.
    EXPECT_TRUE(d->LiftplanRowUsed(3500));
    EXPECT_FALSE(d->LiftplanRowUsed(3501));
    EXPECT_EQ(d->PatternShafts, 3);
}

} // namespace
} // namespace hm::test
