// heddlemark-cli apply: the Fill menu's generators, Repeat and Fill Pattern.
#include <gtest/gtest.h>

#include <QFile>

#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

class ApplyGenerate : public ::testing::Test {
  protected:
    ApplyGenerate() {
        draft_.ClearDraft();
        draft_.Ends = 20;
        draft_.Picks = 12;
    }

    // Writes draft_, applies the operations and reads the result back; the
    // status is returned, the result is in result_.
    int Apply(const QStringList& operations, const QStringList& options = {}) {
        const QString in = dir_.Path("in.hdx");
        out_ = dir_.Path("out.hdx");
        QFile::remove(out_);
        EXPECT_TRUE(WriteCdPatternFile(draft_, in, false).ok);
        QStringList args{"apply", in, out_};
        args << options;
        for (const QString& op : operations) args << "--op" << op;
        cli_ = {};
        const int status = RunCli(args, cli_);
        if (status == 0) {
            Messages messages;
            result_ = LoadDraft(out_, messages);
        }
        return status;
    }

    std::vector<int> Threading(int n) const {
        std::vector<int> v;
        for (int e = 1; e <= n; ++e) v.push_back(result_->PatternThreading[e]);
        return v;
    }

    TempFolder dir_;
    Draft draft_;
    QString out_;
    CliOutput cli_;
    std::unique_ptr<Draft> result_;
};

} // namespace

TEST_F(ApplyGenerate, SequencesAndTieups) {
    draft_.PatternShafts = 4;
    draft_.ShaftsB = draft_.TreadlesB = 5;
    ASSERT_EQ(
        Apply({"generate pattern-threading pointed", "generate treadling-b rosepath",
               "generate tieup-bb satin 2", "generate tieup-aa plain", "generate tieup-ab dots"}),
        0)
        << cli_.err;
    EXPECT_EQ(Threading(10), (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 2, 3, 4}));
    // Rosepath on 5 treadles: 1 2 3 4 5 4 3 2 1 5, then again.
    EXPECT_EQ(result_->TreadlingB[9], 1);
    EXPECT_EQ(result_->TreadlingB[10], 5);
    EXPECT_EQ(result_->TreadlingB[11], 1);
    for (int t = 1; t <= 5; ++t) EXPECT_EQ(result_->TieupBB((2 * t - 2) % 5 + 1, t), 1) << t;
    EXPECT_EQ(result_->TieupAA(1, 1), 1);
    EXPECT_EQ(result_->TieupAA(1, 2), 0);
    EXPECT_EQ(result_->TieupAB(2, 3), 2);
}

TEST_F(ApplyGenerate, TwillIsReproducibleWithASeed) {
    draft_.ShaftsA = draft_.TreadlesA = 12;
    ASSERT_EQ(Apply({"generate tieup-aa twill"}, {"--seed", "17"}), 0) << cli_.err;
    const TieupBlock first = result_->TieupAA;
    ASSERT_EQ(Apply({"generate tieup-aa twill"}, {"--seed", "17"}), 0);
    EXPECT_EQ(result_->TieupAA.cells, first.cells);

    // One source for the run: a second twill in the same run draws on.
    draft_.ShaftsB = draft_.TreadlesB = 12;
    ASSERT_EQ(Apply({"generate tieup-aa twill", "generate tieup-bb twill"}, {"--seed", "17"}), 0);
    EXPECT_EQ(result_->TieupAA.cells, first.cells);
    EXPECT_NE(result_->TieupBB.cells, first.cells);
}

TEST_F(ApplyGenerate, RefusesWhatTheMenuWouldNotOffer) {
    draft_.ThreadingBOn = false;
    draft_.ShaftsA = 6;
    const struct {
        const char* op;
        const char* says;
    } refused[] = {
        {"generate threading-b straight", "switched off"},
        {"generate tieup-bb plain", "switched off"},
        {"generate tieup-ba dots", "switched off"},
        {"generate threading-a twill", "expected straight|pointed|rosepath"},
        {"generate tieup-ab plain", "expected dots"},
        {"generate tieup-aa satin", "MOVE"},
        {"generate tieup-aa satin 6", "MOVE must be a whole number from 1 to 5"},
        {"generate tieup-aa plain 3", "unexpected '3'"},
        {"generate weft straight", "expected pattern-threading"},
        {"repeat threading-b 1 4", "switched off"},
        {"repeat pattern-threading 0 4", "START"},
        {"repeat pattern-threading 1 4 0", "COPIES"},
        {"repeat pattern-threading 1 4 fill link x", "unexpected 'x'"},
        {"fill-pattern maybe", "unexpected 'maybe'"},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(Apply({r.op}), 1) << r.op;
        EXPECT_NE(cli_.err.find(r.says), std::string::npos) << r.op << ": " << cli_.err;
        EXPECT_FALSE(QFile::exists(out_)) << r.op;
    }
}

TEST_F(ApplyGenerate, DesignModeRefusesGeneratorsAndGroundRepeats) {
    draft_.PatternThreading[1] = 1;
    draft_.SetLiftplan(1, 1, true);
    for (const char* op : {"generate threading-a straight", "generate tieup-aa plain",
                           "repeat threading-a 1 2", "repeat treadling-b 1 2"}) {
        EXPECT_EQ(Apply({"design on", op}), 1) << op;
        EXPECT_NE(cli_.err.find("Design mode"), std::string::npos) << cli_.err;
    }
    EXPECT_EQ(Apply({"design on", "repeat pattern-threading 1 1", "design off"}), 0) << cli_.err;
    EXPECT_EQ(result_->PatternThreading[20], 1);
}

TEST_F(ApplyGenerate, RepeatCopiesAndLink) {
    for (int e = 1; e <= 4; ++e) {
        draft_.PatternThreading[e] = static_cast<uint8_t>(e);
        draft_.ThreadingA[e] = static_cast<uint8_t>(e);
        draft_.WarpColors[e] = static_cast<uint8_t>(40 + e);
    }
    ASSERT_EQ(Apply({"repeat pattern-threading 1 4 2"}), 0) << cli_.err;
    EXPECT_EQ(Threading(13), (std::vector<int>{1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 0}));
    EXPECT_EQ(result_->WarpColors[12], 44);

    ASSERT_EQ(Apply({"repeat pattern-threading 4 1 fill nolink", "repeat threading-a 1 4 link"}),
              0);
    EXPECT_EQ(result_->PatternThreading[20], 4);
    EXPECT_EQ(result_->ThreadingA[19], 3);
    EXPECT_EQ(result_->WarpColors[5], draft_.WarpColors[5]);

    // A range beyond the draft copies nothing and is no error.
    ASSERT_EQ(Apply({"repeat warp-colors 30 40"}), 0);
    EXPECT_EQ(result_->WarpColors[20], draft_.WarpColors[20]);
}

TEST_F(ApplyGenerate, FillPattern) {
    for (int e = 1; e <= 8; ++e) draft_.PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= 3; ++p) draft_.SetLiftplan(p, p, true);
    ASSERT_EQ(Apply({"fill-pattern"}), 0) << cli_.err;
    EXPECT_EQ(result_->PatternThreading[20], 4);
    EXPECT_TRUE(result_->GetLiftplan(12, 3));

    // A draft with nothing short: Fill Pattern is not offered.
    for (int e = 1; e <= 20; ++e) draft_.PatternThreading[e] = 1;
    for (int p = 1; p <= 12; ++p) draft_.SetLiftplan(p, 1, true);
    EXPECT_EQ(Apply({"fill-pattern nolink"}), 1);
    EXPECT_NE(cli_.err.find("not offered"), std::string::npos);
}
