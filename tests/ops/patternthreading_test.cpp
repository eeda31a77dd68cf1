// Insert in Pattern threading and Straight Pattern threading.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "drawdowncompare.h"
#include "ops/insertinpattern.h"
#include "ops/straightthreading.h"

namespace hm::test {
namespace {

std::vector<int> Threading(const Draft& d, int ends) {
    std::vector<int> v;
    for (int e = 1; e <= ends; ++e) v.push_back(d.PatternThreading[e]);
    return v;
}

void SetThreading(Draft& d, const std::vector<int>& shafts) {
    for (size_t i = 0; i < shafts.size(); ++i)
        d.PatternThreading[static_cast<int>(i) + 1] = static_cast<uint8_t>(shafts[i]);
}

TEST(InsertInPatternThreading, OpensEmptyEndsAtTheInterval) {
    using V = std::vector<int>;
    struct Case {
        V threading;
        int interval;
        bool fromEndOne;
        V expected;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, 2, true, {0, 1, 2, 0, 3, 4, 0, 0}},
        {{1, 2, 3, 4}, 2, false, {1, 2, 0, 3, 4, 0, 0, 0}},
        {{1, 2, 3}, 1, false, {1, 0, 2, 0, 3, 0, 0, 0}},
        {{1, 2, 3}, 5, true, {0, 1, 2, 3, 0, 0, 0, 0}},
        {{1, 0, 2}, 2, false, {1, 0, 0, 2, 0, 0, 0, 0}}, // an empty end counts as an end
    };
    for (const Case& c : cases) {
        auto d = std::make_unique<Draft>();
        SetThreading(*d, c.threading);
        d->ThreadingA[1] = 2;
        EXPECT_TRUE(InsertInPatternThreading(*d, c.interval, c.fromEndOne).changed);
        EXPECT_EQ(Threading(*d, 8), c.expected) << c.interval << " " << c.fromEndOne;
        EXPECT_EQ(d->ThreadingA[1], 2) << "only the pattern threading moves";
    }
}

TEST(InsertInPatternThreading, StopsAtEnd4800AndAtAnEmptyDraft) {
    auto d = std::make_unique<Draft>();
    EXPECT_FALSE(InsertInPatternThreading(*d, 3, true).changed);

    for (int e = 1; e <= MaxEnds; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e % 9 + 1);
    const auto before = std::make_unique<Draft>(*d);
    InsertInPatternThreading(*d, 1, true);
    // 0, old 1, 0, old 2, 0 ...: end 4800 takes old end 2400, the rest is dropped.
    EXPECT_EQ(d->PatternThreading[1], 0);
    EXPECT_EQ(d->PatternThreading[4799], 0);
    EXPECT_EQ(d->PatternThreading[MaxEnds], before->PatternThreading[2400]);
    EXPECT_EQ(d->Ends, MaxEnds);
}

// A draft whose every end has a pattern shaft (and some a ground shaft), with
// a liftplan over more picks than the design picture holds.
std::unique_ptr<Draft> PatternDraft(const std::vector<int>& unit, int ends, int picks,
                                    unsigned seed) {
    auto d = std::make_unique<Draft>();
    d->Ends = ends;
    d->Picks = picks;
    for (int e = 1; e <= ends; ++e) {
        d->PatternThreading[e] =
            static_cast<uint8_t>(unit[static_cast<size_t>(e - 1) % unit.size()]);
        if (e % 5 == 0) d->ThreadingA[e] = 1;
    }
    std::mt19937 rng(seed);
    for (int p = 1; p <= picks; ++p) {
        for (int s = 1; s <= 16; ++s) d->SetLiftplan(p, s, rng() % 2);
        if (p % 3 == 0) d->TreadlingA[p] = 1;
    }
    d->TieupAA(1, 1) = 2;
    return d;
}

TEST(StraightPatternThreading, KeepsTheDrawdownCellForCell) {
    struct Case {
        std::vector<int> unit;
        bool sinking;
        int shafts; // expected pattern shafts
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 3, 2}, false, 6}, // pointed
        {{4, 9, 4, 1}, true, 4},
        {{3, 0, 7, 3, 0}, true, 5}, // empty ends stay empty
        {{5}, false, 2},            // never fewer than two pattern shafts
    };
    for (const Case& c : cases) {
        auto d = PatternDraft(c.unit, 600, 2600, 7);
        d->SinkingShed = c.sinking;
        const auto before = std::make_unique<Draft>(*d);
        ASSERT_TRUE(StraightPatternThreading(*d).changed);
        EXPECT_EQ(d->PatternShafts, c.shafts);
        EXPECT_EQ(d->LiftplanWidth, c.shafts);
        const int r = static_cast<int>(c.unit.size());
        for (int e = 1; e <= 600; ++e)
            ASSERT_EQ(d->PatternThreading[e], before->PatternThreading[e] ? (e - 1) % r + 1 : 0)
                << e;
        EXPECT_EQ(d->PatternThreading[601], 0);
        EXPECT_EQ(DrawdownDifference(*before, *d, 610, 2610), "");
    }
}

TEST(StraightPatternThreading, RefusesWithoutChangingTheDraft) {
    struct Case {
        std::vector<int> unit;
        int ends;
        const char* message;
        const char* suffix;
    };
    std::vector<int> ninety, noRepeat;
    for (int s = 1; s <= 90; ++s) ninety.push_back(s);
    std::mt19937 rng(1);
    for (int e = 1; e <= 2500; ++e) noRepeat.push_back(static_cast<int>(rng() % 100) + 1);
    const Case cases[] = {
        {ninety, 900, "@toostraight", "90"},
        {noRepeat, 2500, "@straightnorepeat", ""},
        {{0}, 20, "@globnopat", ""},
    };
    for (const Case& c : cases) {
        auto d = PatternDraft(c.unit, c.ends, 30, 3);
        const auto before = std::make_unique<Draft>(*d);
        const StructureChange change = StraightPatternThreading(*d);
        EXPECT_FALSE(change.changed);
        ASSERT_EQ(change.messages.size(), 1u);
        EXPECT_EQ(change.messages[0].text, c.message);
        EXPECT_EQ(change.messages[0].suffix, c.suffix);
        EXPECT_EQ(d->PatternThreading.bytes, before->PatternThreading.bytes);
        EXPECT_EQ(d->Liftplan, before->Liftplan);
        EXPECT_EQ(d->PatternShafts, before->PatternShafts);
    }
    auto design = PatternDraft({1, 2}, 20, 20, 3);
    design->DesignMode = true;
    EXPECT_FALSE(StraightPatternThreading(*design).changed);
}

TEST(StraightPatternThreading, TheCheckNeedsThreadingAndTreadlingInView) {
    auto d = std::make_unique<Draft>();
    d->PatternThreading[30] = 1;
    d->SetLiftplan(2, 1, true);
    EXPECT_EQ(StraightThreadingCheck(*d, 29, 10).text, "@globnopat");
    EXPECT_EQ(StraightThreadingCheck(*d, 30, 1).text, "@globnopat");
    EXPECT_TRUE(StraightThreadingCheck(*d, 30, 2).empty());
}

} // namespace
} // namespace hm::test
