// heddlemark-cli report: the report lines of a pattern file.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/reports.h"
#include "app/cli/clicommands.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "settings/basemultilang.h"

using namespace hm;
using namespace hmtest;

namespace {

std::string Joined(const QStringList& lines) {
    std::string s;
    for (const QString& l : lines) s += l.toStdString() + "\n";
    return s;
}

// A 2/2 twill on 4 pattern shafts over 8 ends and 8 picks, warp colours 1 and 2.
std::unique_ptr<Draft> Twill() {
    auto d = std::make_unique<Draft>();
    d->Ends = d->Picks = 8;
    d->PatternShafts = d->LiftplanWidth = 4;
    for (int e = 1; e <= 8; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d->WarpColors[e] = static_cast<uint8_t>((e - 1) % 2 + 1);
    }
    for (int p = 1; p <= 8; ++p)
        for (int k = 0; k < 2; ++k) d->SetLiftplan(p, (p - 1 + k) % 4 + 1, true);
    return d;
}

} // namespace

TEST(CliReport, PrintsTheLinesOfEveryReport) {
    TempFolder dir;
    const auto d = Twill();
    const QString path = dir.Path("twill.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*d, path, false).ok);
    ReportContext context;
    context.currentName = "twill";
    for (const ReportInfo& r : ReportTable()) {
        CliOutput o;
        ASSERT_EQ(RunCli({"report", r.cliName, path}, o), 0) << r.cliName << o.err;
        EXPECT_EQ(o.out, Joined(r.make(*d, context).lines)) << r.cliName;
        EXPECT_EQ(o.err, "");
    }
    CliOutput o;
    RunCli({"report", "floats", path}, o);
    EXPECT_NE(o.out.find("  Average Warp Float Over = 1.78\n"), std::string::npos) << o.out;
}

TEST(CliReport, LanguageOption) {
    TempFolder dir;
    const QString path = dir.Path("twill.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*Twill(), path, false).ok);
    CliOutput o;
    const int status = RunCli({"report", "floats", path, "--lang", "de"}, o);
    SetLanguageEverywhere(LangEnglish);
    ASSERT_EQ(status, 0) << o.err;
    EXPECT_NE(o.out.find("  Mittlere Kettflottierung oben = 1,78\n"), std::string::npos) << o.out;
}

TEST(CliReport, MessagesAndRefusals) {
    TempFolder dir;
    auto empty = std::make_unique<Draft>();
    const QString emptyPath = dir.Path("empty.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*empty, emptyPath, false).ok);
    CliOutput none;
    EXPECT_EQ(RunCli({"report", "floats", emptyPath}, none), 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "notice: No Pattern.\n");

    auto design = Twill();
    design->DesignMode = true;
    const QString designPath = dir.Path("design.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*design, designPath, false).ok);
    for (const char* kind : {"floats", "colors", "heddles"}) {
        CliOutput o;
        EXPECT_EQ(RunCli({"report", kind, designPath}, o), 1) << kind;
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find("Design mode"), std::string::npos) << o.err;
    }
    CliOutput repeats;
    EXPECT_EQ(RunCli({"report", "repeats", designPath}, repeats), 0) << repeats.err;

    for (const QStringList& bad : {QStringList{"report"}, QStringList{"report", "floats"},
                                   QStringList{"report", "drapes", emptyPath}}) {
        CliOutput o;
        EXPECT_EQ(RunCli(bad, o), 1) << bad.join(' ').toStdString();
    }
    CliOutput missing;
    EXPECT_EQ(RunCli({"report", "heddles", dir.Path("missing.hdx")}, missing), 2);
}
