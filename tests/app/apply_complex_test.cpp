// heddlemark-cli apply with the complex-drafting operations.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/cli/clicommands.h"
#include "applysupport.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "ops/expand.h"
#include "ops/insertinpattern.h"
#include "ops/reanalyze.h"
#include "ops/straightthreading.h"
#include "settings/basemultilang.h"

using namespace hm;
using namespace hmtest;

namespace {

// A pointed pattern threading with a liftplan whose shafts 2 and 4 lift alike.
std::unique_ptr<Draft> Pointed() {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = 60;
    const int unit[] = {1, 2, 3, 4, 3, 2};
    for (int e = 1; e <= 48; ++e) d->PatternThreading[e] = static_cast<uint8_t>(unit[(e - 1) % 6]);
    for (int p = 1; p <= 40; ++p) {
        d->SetLiftplan(p, 1, p % 2);
        d->SetLiftplan(p, 2, p % 3 == 0);
        d->SetLiftplan(p, 3, p % 5 < 2);
        d->SetLiftplan(p, 4, p % 3 == 0);
    }
    return d;
}

} // namespace

TEST(ApplyComplex, OperationsDoWhatTheCommandsDo) {
    TempFolder dir;
    auto d = Pointed();
    const QString in = Write(dir, "in.hdx", *d);
    CliOutput o;
    ASSERT_EQ(Apply(in, dir.Path("out.hdx"),
                    {"reanalyze", "straight-pattern-threading", "expand 2 3",
                     "insert-in-pattern-threading 5 after"},
                    o),
              0)
        << o.err;

    Messages messages;
    auto expected = LoadDraft(in, messages);
    ReanalyzePattern(*expected);
    StraightPatternThreading(*expected);
    ExpandPattern(*expected, 2, 3);
    expected->ExpandFactorEnds = 2;
    expected->ExpandFactorPicks = 3;
    InsertInPatternThreading(*expected, 5, false);
    auto actual = LoadDraft(dir.Path("out.hdx"), messages);
    EXPECT_EQ(CompareHdx(*expected, *actual), "");
    // The factors travel in the expand block, which hdm-files read back.
    CliOutput hdm;
    ASSERT_EQ(Apply(in, dir.Path("out.hdm"), {"expand 2 3"}, hdm), 0) << hdm.err;
    auto plain = LoadDraft(dir.Path("out.hdm"), messages);
    EXPECT_EQ(plain->ExpandFactorEnds, 2);
    EXPECT_EQ(plain->ExpandFactorPicks, 3);
    EXPECT_EQ(actual->PatternShafts, 6) << "shafts 2 and 4 merged, then one shaft per end";
}

TEST(ApplyComplex, DesignModeExpandsThePicture) {
    TempFolder dir;
    Draft d;
    d.Ends = d.Picks = 20;
    d.PatternThreading[2] = 1;
    d.SetLiftplan(3, 1, true);
    const QString in = Write(dir, "d.hdx", d);
    CliOutput o;
    ASSERT_EQ(Apply(in, dir.Path("out.hdx"), {"design on", "expand 3 2"}, o), 0) << o.err;
    Messages messages;
    auto out = LoadDraft(dir.Path("out.hdx"), messages);
    for (int r = 4; r <= 7; ++r)
        for (int c = 1; c <= 8; ++c)
            EXPECT_EQ(out->GetDesignCell(r, c), r >= 5 && r <= 6 && c >= 4 && c <= 6)
                << r << "," << c;
}

TEST(ApplyComplex, RefusalsAreMessagesAndBadArgumentsWriteNothing) {
    TempFolder dir;
    Draft d;
    d.Ends = d.Picks = 100;
    for (int e = 1; e <= 90; ++e) d.PatternThreading[e] = static_cast<uint8_t>(e);
    d.SetLiftplan(1, 1, true);
    const QString in = Write(dir, "in.hdx", d);
    CliOutput refused;
    ASSERT_EQ(Apply(in, dir.Path("ok.hdx"), {"straight-pattern-threading"}, refused), 0);
    EXPECT_NE(refused.err.find("notice: Too many shafts is required to convert this pattern to "
                               "straight threading. Shafts needed:90"),
              std::string::npos)
        << refused.err;

    d.PatternThreadingOn = false;
    const QString off = Write(dir, "off.hdx", d);
    struct Case {
        const QString* file;
        const char* op;
        const char* says;
    };
    for (const Case& c : {
             Case{&in, "expand 0 2", "FE must be a whole number from 1 to 16"},
             Case{&in, "expand 2 17", "FP must be a whole number from 1 to 16"},
             Case{&in, "expand 2", "FP must be"},
             Case{&in, "insert-in-pattern-threading 101 end1", "from 1 to 100"},
             Case{&in, "insert-in-pattern-threading 2 before", "end1|after"},
             Case{&in, "reanalyze now", "too many arguments"},
             Case{&off, "expand 2 2", "needs the pattern threading"},
         }) {
        CliOutput o;
        const QString out = dir.Path("out.hdx");
        EXPECT_EQ(Apply(*c.file, out, {c.op}, o), 1) << c.op;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.op << ": " << o.err;
        EXPECT_FALSE(QFileInfo::exists(out)) << c.op;
    }
    CliOutput design;
    EXPECT_EQ(Apply(in, dir.Path("out.hdx"), {"design on", "reanalyze"}, design), 1);
    EXPECT_NE(design.err.find("needs Draft mode"), std::string::npos) << design.err;

    CliOutput de;
    ASSERT_EQ(RunCli({"apply", in, dir.Path("de.hdx"), "--op", "straight-pattern-threading",
                      "--lang", "de"},
                     de),
              0);
    EXPECT_NE(de.err.find("Benötigte Schäfte:90"), std::string::npos) << de.err;
    SetLanguageEverywhere(0);
}
