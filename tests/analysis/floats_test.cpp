// Float counting and the floats report.
#include <gtest/gtest.h>

#include <random>

#include "analysis/floats.h"
#include "analysis/reports.h"
#include "model/drawdown.h"
#include "reporttestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

// The float rule walked literally, cell by cell: each end from pick 1 up, then
// each pick from end 1 across.
FloatCounts ReferenceFloats(const Draft& d, int ends, int picks) {
    FloatCounts r;
    auto note = [](FloatStats& s, int length, int end, int pick) {
        ++s.runs;
        s.total += length;
        if (length > s.longest) {
            s = FloatStats{length, 1, end, pick, s.runs, s.total};
        } else if (length == s.longest) {
            ++s.longestCount;
        }
    };
    for (int e = 1; e <= ends; ++e) {
        int start = 1;
        for (int p = 2; p <= picks + 1; ++p) {
            const bool up = WarpOnTop(d, start, e);
            if (p > picks || WarpOnTop(d, p, e) != up) {
                note(up ? r.warpOver : r.warpUnder, p - start, e, start);
                start = p;
            }
        }
    }
    for (int p = 1; p <= picks; ++p) {
        int start = 1;
        for (int e = 2; e <= ends + 1; ++e) {
            const bool up = WarpOnTop(d, p, start);
            if (e > ends || WarpOnTop(d, p, e) != up) {
                note(up ? r.weftUnder : r.weftOver, e - start, start, p);
                start = e;
            }
        }
    }
    return r;
}

void ExpectSame(const FloatStats& a, const FloatStats& b, const char* kind) {
    EXPECT_EQ(a.longest, b.longest) << kind;
    EXPECT_EQ(a.longestCount, b.longestCount) << kind;
    EXPECT_EQ(a.end, b.end) << kind;
    EXPECT_EQ(a.pick, b.pick) << kind;
    EXPECT_EQ(a.runs, b.runs) << kind;
    EXPECT_EQ(a.total, b.total) << kind;
}

// A 4 x 4 picture worked by hand below. Warp columns: end 1 0011, end 2 1100,
// end 3 0001, end 4 0110 (pick 1 first).
const std::vector<std::string> HandWorked = {"0100", "0101", "1001", "1010"};

} // namespace

TEST(Floats, PlainWeaveHasFloatsOfOne) {
    auto d = PictureDraft({"101010", "010101", "101010", "010101"});
    ReportContext c;
    c.currentName = "plain";
    const QStringList expected = {"",
                                  "  plain",
                                  "  6 Ends    4 Picks",
                                  "",
                                  "  Warp Floats",
                                  "",
                                  "  Maximum Warp Float Over = 1",
                                  "  First found at End #1 - Pick #1",
                                  "  No. of Maximum Float = 12",
                                  "  Average Warp Float Over = 1.00",
                                  "",
                                  "  Maximum Warp Float Under = 1",
                                  "  First found at End #1 - Pick #2",
                                  "  No. of Maximum Float = 12",
                                  "  Average Warp Float Under = 1.00",
                                  "",
                                  "  Weft Floats",
                                  "",
                                  "  Maximum Weft Float Over = 1",
                                  "  First found at Pick #1 - End #2",
                                  "  No. of Maximum Float = 12",
                                  "  Average Weft Float Over = 1.00",
                                  "",
                                  "  Maximum Weft Float Under = 1",
                                  "  First found at Pick #1 - End #1",
                                  "  No. of Maximum Float = 12",
                                  "  Average Weft Float Under = 1.00"};
    EXPECT_EQ(FloatsReport(*d, c).lines, expected);
}

TEST(Floats, HandWorkedDraftInGerman) {
    // Warp over: runs 2, 2, 1, 2 -> longest 2, three of them, first at end 1
    // (picks 3-4) although end 2's run (picks 1-2) ends earlier; 7 / 4 = 1.75.
    // Warp under: 2, 2, 3, 1, 1 -> 9 / 5. Weft over: 1, 2 | 1, 1 | 2 | 1, 1 ->
    // 9 / 7 = 1.29, first at pick 1 from end 3. Weft under: seven runs of 1.
    auto d = PictureDraft(HandWorked);
    LanguageScope german(LangGerman);
    const QStringList expected = {"",
                                  "  4 Kettfäden    4 Schüsse",
                                  "",
                                  "  Kettflottierungen",
                                  "",
                                  "  Längste Kettflottierung oben = 2",
                                  "  Zuerst gefunden bei Kettfaden Nr. 1 - Schuss Nr. 3",
                                  "  Anzahl der längsten Flottierungen = 3",
                                  "  Mittlere Kettflottierung oben = 1,75",
                                  "",
                                  "  Längste Kettflottierung unten = 3",
                                  "  Zuerst gefunden bei Kettfaden Nr. 3 - Schuss Nr. 1",
                                  "  Anzahl der längsten Flottierungen = 1",
                                  "  Mittlere Kettflottierung unten = 1,80",
                                  "",
                                  "  Schussflottierungen",
                                  "",
                                  "  Längste Schussflottierung oben = 2",
                                  "  Zuerst gefunden bei Schuss Nr. 1 - Kettfaden Nr. 3",
                                  "  Anzahl der längsten Flottierungen = 2",
                                  "  Mittlere Schussflottierung oben = 1,29",
                                  "",
                                  "  Längste Schussflottierung unten = 1",
                                  "  Zuerst gefunden bei Schuss Nr. 1 - Kettfaden Nr. 2",
                                  "  Anzahl der längsten Flottierungen = 7",
                                  "  Mittlere Schussflottierung unten = 1,00"};
    // No file name: no name line.
    EXPECT_EQ(FloatsReport(*d, {}).lines, expected);
}

TEST(Floats, NoPatternGivesTheMessageOnly) {
    auto empty = std::make_unique<Draft>();
    auto threadedOnly = std::make_unique<Draft>();
    threadedOnly->PatternThreading[1] = 1;
    for (const Draft* d : {empty.get(), threadedOnly.get()}) {
        const Report r = FloatsReport(*d, {});
        EXPECT_FALSE(r.Shown());
        EXPECT_EQ(r.message.text, "@globnopat");
        EXPECT_EQ(r.message.kind, MessageKind::Information);
        EXPECT_TRUE(r.lines.isEmpty());
    }
    // The pattern must lie within the view's reach.
    auto d = PictureDraft(HandWorked);
    ReportContext c;
    c.visiblePicks = 0;
    EXPECT_FALSE(FloatsReport(*d, c).Shown());
}

TEST(Floats, GroundWeaveWithoutPatternLevel) {
    // Plain weave on threading and treadling A alone.
    auto d = std::make_unique<Draft>();
    d->PatternThreadingOn = false;
    for (int e = 1; e <= 6; ++e) d->ThreadingA[e] = static_cast<uint8_t>((e - 1) % 2 + 1);
    for (int p = 1; p <= 4; ++p) d->TreadlingA[p] = static_cast<uint8_t>((p - 1) % 2 + 1);
    d->TieupAA(1, 1) = d->TieupAA(2, 2) = TieGround;
    const Report r = FloatsReport(*d, {});
    ASSERT_TRUE(r.Shown());
    EXPECT_EQ(r.lines[1], "  6 Ends    4 Picks");
    EXPECT_EQ(r.lines[8], "  Average Warp Float Over = 1.00");
}

TEST(Floats, CountingAgreesWithTheCellByCellWalk) {
    // Sizes on both sides of 64-cell words; short runs, long runs (pattern level
    // alone with few lifts) and runs across whole picks and ends.
    std::mt19937 rng(5);
    for (int round = 0; round < 20; ++round) {
        auto d = std::make_unique<Draft>();
        const int wordEdges[] = {1, 63, 64, 65, 128};
        const int ends = round < 5 ? wordEdges[round] : 1 + static_cast<int>(rng() % 200);
        const int picks = 1 + static_cast<int>(rng() % 150);
        d->Ends = ends;
        d->Picks = picks;
        d->SinkingShed = round % 3 == 2;
        d->ThreadingBOn = round % 2 == 0;
        const bool ground = round % 4 != 1;
        const unsigned density = round % 4 == 1 ? 60 : round % 4 == 0 ? 8 : 2;
        for (int e = 1; e <= ends; ++e) {
            d->PatternThreading[e] = static_cast<uint8_t>(rng() % 9);
            d->ThreadingA[e] = ground ? static_cast<uint8_t>(rng() % 5) : 0;
            d->ThreadingB[e] = ground ? static_cast<uint8_t>(rng() % 3) : 0;
        }
        for (int p = 1; p <= picks; ++p) {
            d->TreadlingA[p] = ground ? static_cast<uint8_t>(rng() % 5) : 0;
            for (int s = 1; s <= 8; ++s) d->SetLiftplan(p, s, rng() % density == 0);
        }
        for (int s = 1; s <= 4; ++s)
            for (int t = 1; t <= 4; ++t) d->TieupAA(s, t) = static_cast<uint8_t>(rng() % 3);
        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(ends) + " x " +
                     std::to_string(picks));
        const FloatCounts got = CountFloats(*d, ends, picks);
        const FloatCounts want = ReferenceFloats(*d, ends, picks);
        ExpectSame(got.warpOver, want.warpOver, "warp over");
        ExpectSame(got.warpUnder, want.warpUnder, "warp under");
        ExpectSame(got.weftOver, want.weftOver, "weft over");
        ExpectSame(got.weftUnder, want.weftUnder, "weft under");
    }
}

TEST(Floats, RegularWeavesRepeatTheirLongestFloat) {
    // A 3/1 twill over 130 ends: every float is as long as the longest, so each
    // one is counted, and the first place stays at the first end or pick.
    auto d = std::make_unique<Draft>();
    d->Ends = 130;
    d->Picks = 70;
    d->PatternShafts = d->LiftplanWidth = 4;
    for (int e = 1; e <= 130; ++e) d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= 70; ++p)
        for (int s = 1; s <= 4; ++s) d->SetLiftplan(p, s, (s + p - 2) % 4 != 0);
    const FloatCounts got = CountFloats(*d, 130, 70);
    const FloatCounts want = ReferenceFloats(*d, 130, 70);
    ExpectSame(got.warpOver, want.warpOver, "warp over");
    ExpectSame(got.warpUnder, want.warpUnder, "warp under");
    ExpectSame(got.weftOver, want.weftOver, "weft over");
    ExpectSame(got.weftUnder, want.weftUnder, "weft under");
    EXPECT_EQ(got.weftUnder.longest, 3);
    EXPECT_EQ(got.weftUnder.pick, 1);
}
