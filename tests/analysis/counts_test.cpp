// The heddle and colour count reports, and which ends the reports look at.
#include <gtest/gtest.h>

#include "analysis/extent.h"
#include "analysis/reports.h"
#include "reporttestsupport.h"

using namespace hm;
using namespace hmtest;

TEST(HeddleReport, PointedThreadingOnFourShafts) {
    auto d = std::make_unique<Draft>();
    d->PatternShafts = 4;
    d->ShaftsA = 3;
    d->ThreadingBOn = false;
    const int pointed[] = {1, 2, 3, 4, 3, 2};
    for (int e = 1; e <= 6; ++e) d->PatternThreading[e] = static_cast<uint8_t>(pointed[e - 1]);
    for (int e = 1; e <= 7; ++e) d->ThreadingA[e] = static_cast<uint8_t>(e % 2 + 1);
    d->ThreadingB[1] = 1; // group B is off: neither listed nor counted
    ReportContext c;
    c.currentName = "pointed";
    const QStringList expected = {"",
                                  "          pointed",
                                  "          7 Ends",
                                  "",
                                  "          Pattern Threading",
                                  "          Shaft  Heddles",
                                  "",
                                  "             1      1",
                                  "             2      2",
                                  "             3      2",
                                  "             4      1",
                                  "",
                                  "          Threading A",
                                  "          Shaft  Heddles",
                                  "",
                                  "             1      3",
                                  "             2      4",
                                  "             3      0"};
    EXPECT_EQ(HeddleReport(*d, c).lines, expected);

    d->ThreadingBOn = true;
    d->ShaftsB = 2;
    const QStringList withB = HeddleReport(*d, c).lines;
    ASSERT_EQ(withB.size(), expected.size() + 6);
    EXPECT_EQ(withB.mid(expected.size()),
              QStringList({"", "          Threading B", "          Shaft  Heddles", "",
                           "             1      1", "             2      0"}));
}

TEST(ColourCountReport, CountsAndPercentagesRoundHalvesToEven) {
    auto d = std::make_unique<Draft>();
    for (int e = 1; e <= 3; ++e) d->PatternThreading[e] = 1;
    d->WarpColors[1] = d->WarpColors[2] = 5;
    d->WarpColors[3] = 7;
    // Eight picks: 1 of 8 is 12.5 % and goes down to 12, 3 of 8 is 37.5 % and goes up to 38.
    for (int p = 1; p <= 8; ++p) d->SetLiftplan(p, 1, true);
    const int weft[] = {0, 2, 4, 0, 4, 0, 4, 0};
    for (int p = 1; p <= 8; ++p) d->WeftColors[p] = static_cast<uint8_t>(weft[p - 1]);
    ReportContext c;
    c.currentName = "colours";
    const QStringList expected = {"",
                                  "     colours",
                                  "     3 Ends    8 Picks",
                                  "",
                                  "     Warp Colors",
                                  "",
                                  "     Color    Ends      %Ends",
                                  "        5        2        67%",
                                  "        7        1        33%",
                                  "",
                                  "     Weft Colors",
                                  "",
                                  "     Color    Picks     %Picks",
                                  "        0        4        50%",
                                  "        2        1        12%",
                                  "        4        3        38%"};
    EXPECT_EQ(ColourCountReport(*d, c).lines, expected);
}

TEST(ColourCountReport, EmptyDraftCountsTheWholeSize) {
    auto d = std::make_unique<Draft>();
    d->Ends = 10;
    d->Picks = 20;
    const QStringList lines = ColourCountReport(*d, {}).lines;
    EXPECT_EQ(lines[2], "     10 Ends    20 Picks");
    EXPECT_EQ(lines[7], "        6       10       100%") << "every end has the default colour";
}

TEST(AnalysedEnds, PatternThreadingFirstThenTheGround) {
    struct Case {
        const char* what;
        bool patternOn;
        int patternLast, groundALast, groundBLast;
        bool threadingBOn;
        int expected;
    };
    const Case cases[] = {
        {"pattern threading decides", true, 40, 120, 0, true, 40},
        {"empty pattern threading: ground", true, 0, 30, 50, true, 50},
        {"pattern level off: its data is ignored", false, 90, 30, 0, true, 30},
        {"group B off: its data is ignored", true, 0, 30, 50, false, 30},
        {"nothing threaded", true, 0, 0, 0, true, 0},
    };
    for (const Case& k : cases) {
        auto d = std::make_unique<Draft>();
        d->PatternThreadingOn = k.patternOn;
        d->ThreadingBOn = k.threadingBOn;
        if (k.patternLast) d->PatternThreading[k.patternLast] = 1;
        if (k.groundALast) d->ThreadingA[k.groundALast] = 1;
        if (k.groundBLast) d->ThreadingB[k.groundBLast] = 1;
        EXPECT_EQ(AnalysedEnds(*d), k.expected) << k.what;
    }
}

TEST(AnalyzeMenu, OnlyRepeatsInDesignMode) {
    auto d = std::make_unique<Draft>();
    for (const ReportInfo& r : ReportTable()) {
        d->DesignMode = false;
        EXPECT_TRUE(AnalyzeCommandEnabled(r.kind, *d)) << r.commandName;
        d->DesignMode = true;
        EXPECT_EQ(AnalyzeCommandEnabled(r.kind, *d), r.kind == ReportKind::Repeats)
            << r.commandName;
    }
}

TEST(AnalyzeMenu, TitlesInEveryLanguage) {
    const char* const german[] = {"Rapporte", "Flottierungen", " Farbenzählung", "Litzen"};
    EXPECT_EQ(ReportTitle(ReportKind::Colors), " Colors Count");
    LanguageScope scope(LangGerman);
    for (const ReportInfo& r : ReportTable())
        EXPECT_EQ(ReportTitle(r.kind), QString::fromUtf8(german[static_cast<int>(r.kind)]));
}
