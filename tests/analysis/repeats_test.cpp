// The repeats report over hand-worked drafts.
#include <gtest/gtest.h>

#include <cstring>

#include "analysis/repeats.h"
#include "analysis/reports.h"
#include "reporttestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

// A draft of `ends` ends and `picks` picks: the pattern threading repeats
// `threading`, the warp colours repeat `warpColours`, pick p lifts pattern
// shaft (p - 1) % shafts + 1 and every pick has weft colour 0.
std::unique_ptr<Draft> RepeatDraft(int ends, int picks, const std::vector<int>& threading,
                                   const std::vector<int>& warpColours, int shafts) {
    auto d = std::make_unique<Draft>();
    d->Ends = ends;
    d->Picks = picks;
    d->PatternShafts = d->LiftplanWidth = shafts;
    for (int e = 1; e <= ends; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>(threading[(e - 1) % threading.size()]);
        d->WarpColors[e] = static_cast<uint8_t>(warpColours[(e - 1) % warpColours.size()]);
    }
    for (int p = 1; p <= picks; ++p) d->SetLiftplan(p, (p - 1) % shafts + 1, true);
    return d;
}

QStringList Lines(const Draft& d, const QString& name = "draft") {
    ReportContext c;
    c.currentName = name;
    const Report r = RepeatsReport(d, c);
    EXPECT_TRUE(r.Shown());
    return r.lines;
}

} // namespace

TEST(RepeatsReport, StraightThreadingWithAlternatingColours) {
    auto d = RepeatDraft(4, 4, {1, 2, 3, 4}, {1, 2}, 4);
    const QStringList expected = {"",
                                  "",
                                  "     straight",
                                  "",
                                  "     Warp:",
                                  "       Pattern Threading = 4",
                                  "       Warp Colors = 2",
                                  "       Total Repeat = 4",
                                  "",
                                  "       Threading A = 0",
                                  "       Threading B = 0",
                                  "",
                                  "     Weft:",
                                  "       Liftplan = 4",
                                  "       Weft Colors = 1",
                                  "       Total Repeat = 4",
                                  "",
                                  "       Treadling A = 0",
                                  "       Treadling B = 0"};
    EXPECT_EQ(Lines(*d, "straight"), expected);
}

TEST(RepeatsReport, TotalRepeatBeyondTheDraftIsOutOfBounds) {
    // Threading repeat 4, colour repeat 3: 12 ends would be needed, the draft has 10.
    auto d = RepeatDraft(10, 4, {1, 2, 3, 4}, {1, 2, 3}, 4);
    const QStringList lines = Lines(*d);
    EXPECT_EQ(lines[5], "       Pattern Threading = 4");
    EXPECT_EQ(lines[6], "       Warp Colors = 3");
    EXPECT_EQ(lines[7], "       Total Repeat = Out of Bounds");

    d->Ends = 12; // now the total fits
    EXPECT_EQ(Lines(*d)[7], "       Total Repeat = 12");
}

TEST(RepeatsReport, SequenceWithoutRepeatMakesTheTotalOutOfBounds) {
    // 3000 ends with no period up to 2400: "> 2400", and the warp total cannot be
    // known even though the colours repeat; the weft is not affected.
    auto d = RepeatDraft(3000, 6, {1}, {1, 2}, 3);
    uint32_t x = 12345;
    for (int e = 1; e <= 3000; ++e) {
        x = x * 1103515245u + 12345u;
        d->PatternThreading[e] = static_cast<uint8_t>((x >> 16) % 8 + 1);
    }
    const QStringList lines = Lines(*d);
    EXPECT_EQ(lines[5], "       Pattern Threading > 2400");
    EXPECT_EQ(lines[6], "       Warp Colors = 2");
    EXPECT_EQ(lines[7], "       Total Repeat = Out of Bounds");
    EXPECT_EQ(lines[13], "       Liftplan = 3");
    EXPECT_EQ(lines[15], "       Total Repeat = 3");
}

TEST(RepeatsReport, SequencesEndAtTheirLastUsedEntry) {
    // A straight threading of 40 ends on a draft of 1200: the empty rest of the
    // draft is not part of the threading's repeat.
    auto d = RepeatDraft(40, 16, {1, 2, 3, 4, 5, 6, 7, 8}, {3}, 8);
    d->Ends = d->Picks = 1200;
    for (int e = 1; e <= 40; ++e) d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 2 + 1);
    const DraftRepeats r = FindDraftRepeats(*d);
    EXPECT_EQ(r.patternThreading.length, 8);
    EXPECT_EQ(r.threadingA.length, 2);
    EXPECT_EQ(r.liftplan.length, 8);
    EXPECT_EQ(r.warpColors.length, 1);
    EXPECT_TRUE(r.threadingB.found);
    EXPECT_EQ(r.threadingB.length, 0) << "an empty threading has repeat 0";
}

TEST(RepeatsReport, SwitchedOffPartsLeaveTheirLinesOut) {
    auto d = RepeatDraft(4, 4, {1, 2, 3, 4}, {1, 2}, 4);
    d->PatternThreadingOn = false;
    d->ThreadingBOn = false;
    d->TreadlingBOn = false;
    for (int i = 1; i <= 4; ++i) d->ThreadingA[i] = d->TreadlingA[i] = static_cast<uint8_t>(i);
    const QStringList expected = {"",
                                  "",
                                  "     draft",
                                  "",
                                  "     Warp:",
                                  "       Warp Colors = 2",
                                  "       Threading A = 4",
                                  "",
                                  "     Weft:",
                                  "       Weft Colors = 1",
                                  "       Treadling A = 4"};
    EXPECT_EQ(Lines(*d), expected);
}

TEST(RepeatsReport, DesignModeAnalysesThePictureWithoutChangingTheDraft) {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = 12;
    d->DesignMode = true;
    // Columns repeat every 3 ends, rows every 2 picks.
    for (int p = 1; p <= 12; ++p)
        for (int e = 1; e <= 12; ++e) d->SetDesignCell(p, e, (e % 3 == 1) == (p % 2 == 1));
    const auto before = std::make_unique<Draft>(*d);

    QStringList lines = Lines(*d);
    EXPECT_EQ(lines[5], "       Pattern Threading = 3");
    EXPECT_EQ(lines[13], "       Liftplan = 2");
    EXPECT_EQ(std::memcmp(before->PatternThreading.data(), d->PatternThreading.data(), MaxEnds), 0);
    EXPECT_EQ(std::memcmp(before->Liftplan.data(), d->Liftplan.data(), d->Liftplan.size()), 0);

    // With a fabric view showing, the pattern level (here empty) is taken as it is.
    ReportContext c;
    c.fabricViewShowing = true;
    EXPECT_EQ(RepeatsReport(*d, c).lines[5], "       Pattern Threading = 0");
}
