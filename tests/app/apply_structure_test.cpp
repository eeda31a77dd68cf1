// heddlemark-cli apply with the insert, delete, switch and transform operations.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/cli/clicommands.h"
#include "applysupport.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "ops/mirror.h"
#include "ops/reducerepeat.h"
#include "ops/reversals.h"
#include "ops/structurecommands.h"
#include "ops/switchshafts.h"
#include "ops/tieupspecial.h"
#include "ops/trompaswrit.h"
#include "ops/wrapliftplan.h"
#include "settings/basemultilang.h"

using namespace hm;
using namespace hmtest;

namespace {

QJsonObject Dump(const QString& path) {
    CliOutput o;
    EXPECT_EQ(RunCli({"dump", path}, o), 0) << o.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(o.out)).object();
}

} // namespace

TEST(ApplyStructure, OperationsInARowDoWhatTheCommandsDo) {
    TempFolder dir;
    DraftShape shape;
    shape.patternShafts = 8;
    const QString in = Write(dir, "in.hdx", MakeDraft(shape));
    CliOutput o;
    ASSERT_EQ(Apply(in, dir.Path("out.hdx"),
                    {"insert-ends 5 3 pattern,colors", "delete-picks 10 4", "insert-shafts 3 2",
                     "switch-shafts 1 2", "delete-shafts 9 10", "tromp-as-writ 1",
                     "wrap-liftplan left 3", "reverse-weft-order", "reverse-tieups",
                     "make-symmetrical threading-a", "tieup-special flip-h rotate",
                     "reverse-liftplan", "arrange-shafts", "reduce-to-repeat no"},
                    o),
              0)
        << o.err;

    // The same commands on the draft as the window would run them.
    Messages messages;
    auto d = LoadDraft(in, messages);
    ApplyInsertDelete(*d, InsertDeleteKind::InsertEnds, 5, 3, {true, false, false, true});
    ApplyInsertDelete(*d, InsertDeleteKind::DeletePicks, 10, 4, AllMoves);
    ApplyNumberPair(*d, NumberPairCommand::InsertShafts, 3, 2);
    ApplyNumberPair(*d, NumberPairCommand::SwitchShafts, 1, 2);
    ApplyNumberPair(*d, NumberPairCommand::DeleteShafts, 9, 10);
    TrompAsWrit(*d, TrompKind::ThreadingAToTreadlingA);
    WrapLiftplan(*d, false, 3);
    ReverseWeftOrder(*d);
    ReverseTieups(*d);
    MirrorRepeat(*d, MirrorTarget::ThreadingA);
    TieupSpecialChoice choice;
    choice.flipH = choice.rotate = true;
    TieupSpecial(*d, choice);
    ReverseLiftplan(*d);
    ArrangeShaftsByRepeat(*d);
    ReduceToOneRepeat(*d, false);
    const QJsonObject expected = Dump(Write(dir, "expected.hdx", *d));
    const QJsonObject actual = Dump(dir.Path("out.hdx"));
    for (const char* key :
         {"PatternShafts", "TreadlesA", "PatternThreading", "ThreadingA", "ThreadingB",
          "TreadlingA", "TreadlingB", "Liftplan", "TieupAA", "TieupBA", "WarpColors", "WeftColors"})
        EXPECT_EQ(actual[key], expected[key]) << key;
    EXPECT_EQ(actual["PatternShafts"].toInt(), 8);
}

TEST(ApplyStructure, DesignModeMovesThePicture) {
    TempFolder dir;
    Draft d;
    d.Ends = d.Picks = 20;
    for (int e = 1; e <= 6; ++e) d.PatternThreading[e] = static_cast<uint8_t>(e);
    for (int p = 1; p <= 6; ++p) d.SetLiftplan(p, p, true);
    const QString in = Write(dir, "d.hdx", d);
    CliOutput o;
    ASSERT_EQ(Apply(in, dir.Path("out.hdx"),
                    {"design on", "insert-ends 2 3", "delete-picks 1 1", "reverse-liftplan"}, o),
              0)
        << o.err;
    const QJsonArray grid = Dump(dir.Path("out.hdx"))["DesignGrid"].toArray();
    // Pick 2 lifted end 2, which moved to end 5, and became pick 1; the used
    // area (ends 1..9, picks 1..5) is inverted.
    QJsonArray row1;
    for (int e = 1; e <= 9; ++e)
        if (e != 5) row1.append(e);
    EXPECT_EQ(grid[0].toArray(), row1);
    EXPECT_TRUE(grid[5].toArray().isEmpty()) << "below the used area";

    CliOutput bad;
    EXPECT_EQ(Apply(in, dir.Path("bad.hdx"), {"design on", "insert-ends 21 1"}, bad), 1)
        << "Design mode offers ends 1..Ends";
}

TEST(ApplyStructure, BadArgumentsAreUsageErrorsAndWriteNothing) {
    TempFolder dir;
    Draft d;
    d.Ends = d.Picks = 20;
    d.ThreadingBOn = false;
    d.PatternThreading[1] = 1;
    const QString in = Write(dir, "in.hdx", d);
    struct Case {
        const char* op;
        const char* says;
    };
    for (const Case& c : {
             Case{"insert-ends 0 1", "FROM (end) must be a whole number from 1 to 4800"},
             Case{"delete-picks 1 4801", "TO must be a whole number from 1 to 4800"},
             Case{"insert-ends 1 2 pattern,c", "MOVES"},
             Case{"insert-ends 1 2 a extra", "too many arguments"},
             Case{"insert-shafts 10 1", "from 1 to 9"},
             Case{"insert-shafts 1 121", "COUNT must be a whole number from 1 to 120"},
             Case{"delete-shafts 1 9", "from 1 to 8"},
             Case{"switch-treadles x 1", "A (treadle)"},
             Case{"tromp-as-writ 8", "from 1 to 7"},
             Case{"tromp-as-writ 3", "needs threading B"},
             Case{"wrap-liftplan up 1", "right|left"},
             Case{"wrap-liftplan right 8", "from 1 to 7"},
             Case{"make-symmetrical sideways", "warp|weft"},
             Case{"reduce-to-repeat maybe", "no|yes"},
             Case{"tieup-special twill1 twill2", "exclude each other"},
             Case{"tieup-special spin", "twill1|twill2"},
             Case{"reverse-tieups now", "too many arguments"},
         }) {
        CliOutput o;
        const QString out = dir.Path("out.hdx");
        EXPECT_EQ(Apply(in, out, {"reverse-weft-order", c.op}, o), 1) << c.op;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.op << ": " << o.err;
        EXPECT_FALSE(QFileInfo::exists(out)) << c.op;
    }
}

TEST(ApplyStructure, MessagesGoToStandardErrorAndTheRunGoesOn) {
    TempFolder dir;
    Draft d;
    d.Ends = d.Picks = 20;
    for (int e = 1; e <= 20; ++e) d.ThreadingA[e] = static_cast<uint8_t>(e % 4 + 1);
    const QString in = Write(dir, "in.hdx", d);
    CliOutput o;
    ASSERT_EQ(Apply(in, dir.Path("out.hdx"),
                    {"make-symmetrical threading-a", "make-symmetrical weft",
                     "reduce-to-repeat yes", "tromp-as-writ 7"},
                    o),
              0)
        << o.err;
    EXPECT_NE(o.err.find("notice: No room left in Threading."), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("notice: No Pattern."), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("notice: Warp repeat not found."), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("notice: Weft repeat not found."), std::string::npos) << o.err;

    CliOutput de;
    ASSERT_EQ(RunCli({"apply", in, dir.Path("de.hdx"), "--op", "make-symmetrical threading-a",
                      "--lang", "de"},
                     de),
              0);
    EXPECT_NE(de.err.find("Kein Platz mehr im Einzug."), std::string::npos) << de.err;
    SetLanguageEverywhere(0);
}
