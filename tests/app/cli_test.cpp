// heddlemark-cli commands over the library entry point.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/cli/clicommands.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "model/drawdown.h"

using namespace hm;
using namespace hmtest;

namespace {

int Cli(const QStringList& args, CliOutput& o) {
    return RunCli(args, o);
}

QJsonObject Dump(const QString& path, int* status = nullptr) {
    CliOutput o;
    const int s = Cli({"dump", path}, o);
    if (status) *status = s;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(o.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

} // namespace

TEST(Cli, UsageHelpAndVersion) {
    CliOutput o;
    EXPECT_EQ(Cli({}, o), 1);
    EXPECT_NE(o.err.find("Usage"), std::string::npos);
    CliOutput h;
    EXPECT_EQ(Cli({"--help"}, h), 0);
    EXPECT_NE(h.out.find("dump FILE"), std::string::npos);
    CliOutput v;
    EXPECT_EQ(Cli({"--version"}, v), 0);
    EXPECT_EQ(v.out.rfind("heddlemark-cli ", 0), 0u);
    for (const QStringList& bad :
         {QStringList{"frobnicate"}, QStringList{"dump"}, QStringList{"convert", "a.hdx"},
          QStringList{"convert", "a.hdx", "b.txt"},
          QStringList{"drawdown", "a.hdx", "b.bmp", "--ends"},
          QStringList{"drawdown", "a.hdx", "b.bmp", "--picks", "x"}}) {
        CliOutput e;
        EXPECT_EQ(Cli(bad, e), 1) << bad.join(' ').toStdString();
        EXPECT_FALSE(e.err.empty());
    }
}

TEST(Cli, DumpGivesTheWholeDraft) {
    TempFolder dir;
    DraftShape s;
    s.design = true;
    const Draft d = MakeDraft(s);
    const QString path = dir.Path("d.hdx");
    ASSERT_TRUE(WriteCdPatternFile(d, path, true).ok);
    int status = -1;
    const QJsonObject j = Dump(path, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(j["Ends"].toInt(), d.Ends);
    EXPECT_EQ(j["Picks"].toInt(), d.Picks);
    EXPECT_EQ(j["ShaftsA"].toInt(), d.ShaftsA);
    EXPECT_EQ(j["Inches"].toBool(), d.Inches);
    EXPECT_TRUE(j["DesignMode"].toBool());
    EXPECT_EQ(j["PatternThreading"].toArray().size(), d.Ends);
    EXPECT_EQ(j["WeftColors"].toArray().size(), d.Picks);
    EXPECT_EQ(j["WarpColors"].toArray()[4].toInt(), d.WarpColors[5]);
    EXPECT_EQ(j["TieupAA"].toArray().size(), 32);
    EXPECT_EQ(j["TieupAA"].toArray()[1].toArray()[2].toInt(), d.TieupAA(2, 3));
    EXPECT_EQ(j["Palette"].toArray().size(), 256);
    EXPECT_EQ(j["Palette"].toArray()[7].toArray()[1].toInt(), d.PaletteRGB[7][1]);
    EXPECT_EQ(j["Note"].toString().toStdString(), d.Note);
    const QJsonArray lift = j["Liftplan"].toArray()[2].toArray();
    QJsonArray expected;
    for (int c = 1; c <= 128; ++c)
        if (d.GetLiftplan(3, c)) expected.append(c);
    EXPECT_EQ(lift, expected);
    const QJsonArray grid = j["DesignGrid"].toArray();
    EXPECT_EQ(grid.size(), d.Picks);
    QJsonArray row5;
    for (int c = 1; c <= 2400; ++c)
        if (d.GetDesignCell(5, c)) row5.append(c);
    EXPECT_EQ(grid[4].toArray(), row5);
    EXPECT_TRUE(j["Messages"].toArray().isEmpty());
}

TEST(Cli, DumpReportsReadErrorsWithStatus2) {
    TempFolder dir;
    const QString path = dir.Write("bad.hdx", Bytes().bs({'|', 9, 'd'}));
    int status = 0;
    const QJsonObject j = Dump(path, &status);
    EXPECT_EQ(status, 2);
    const QJsonArray m = j["Messages"].toArray();
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].toObject()["kind"].toString(), "error");
    EXPECT_EQ(m[0].toObject()["text"].toString(), "File Read Error: Incompatible file version.");
    // A notice alone is not an error.
    const QString old = dir.Write("old.hdm", Bytes().bs({'d', 0, 0}));
    const QJsonObject o = Dump(old, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(o["Messages"].toArray()[0].toObject()["kind"].toString(), "notice");
}

TEST(Cli, ConvertWritesTheFormatOfTheExtension) {
    TempFolder dir;
    // A draft on the pattern level alone, which an .hdm file holds as it stands.
    Draft d = MakeDraft({});
    d.ClearThreadingA(1);
    d.ClearThreadingB(1);
    d.ClearTreadlingA(1);
    d.ClearTreadlingB(1);
    d.ClearTieups(5);
    const QString in = dir.Path("in.hdx");
    ASSERT_TRUE(WriteCdPatternFile(d, in, true).ok);
    CliOutput o;
    ASSERT_EQ(Cli({"convert", in, dir.Path("out.hdm")}, o), 0) << o.err;
    EXPECT_EQ(ReadAll(dir.Path("out.hdm")).at(0), '{');
    ASSERT_EQ(Cli({"convert", dir.Path("out.hdm"), dir.Path("back.hdx")}, o), 0) << o.err;
    const QJsonObject a = Dump(in), b = Dump(dir.Path("back.hdx"));
    for (const char* key :
         {"PatternThreading", "Liftplan", "WarpColors", "WeftColors", "Palette", "Note"})
        EXPECT_EQ(a[key], b[key]) << key;
    CliOutput e;
    EXPECT_EQ(Cli({"convert", dir.Path("missing.hdx"), dir.Path("x.hdx")}, e), 2);
}

TEST(Cli, DrawdownPictureOrientation) {
    TempFolder dir;
    Draft d;
    d.ClearDraft();
    d.Ends = d.Picks = 20;
    // A plain liftplan twill on 4 shafts over 8 ends and 6 picks.
    for (int e = 1; e <= 8; ++e) d.PatternThreading[e] = static_cast<uint8_t>(1 + (e - 1) % 4);
    for (int p = 1; p <= 6; ++p) d.SetLiftplan(p, 1 + (p - 1) % 4, true);
    const QString path = dir.Path("t.hdx");
    ASSERT_TRUE(WriteCdPatternFile(d, path, false).ok);
    CliOutput o;
    ASSERT_EQ(Cli({"drawdown", path, dir.Path("dd.bmp")}, o), 0) << o.err;
    QImage image(dir.Path("dd.bmp"));
    ASSERT_EQ(image.width(), 8);
    ASSERT_EQ(image.height(), 6);
    for (int p = 1; p <= 6; ++p)
        for (int e = 1; e <= 8; ++e)
            EXPECT_EQ(image.pixel(8 - e, 6 - p) == qRgb(0, 0, 0), WarpOnTop(d, p, e))
                << p << "," << e;
    ASSERT_EQ(Cli({"drawdown", path, dir.Path("big.bmp"), "--ends", "12", "--picks", "3"}, o), 0);
    EXPECT_EQ(QImage(dir.Path("big.bmp")).size(), QSize(12, 3));
}

TEST(Cli, InfoHasOneLinePerPart) {
    TempFolder dir;
    const QString path = dir.Path("i.hdx");
    ASSERT_TRUE(WriteCdPatternFile(MakeDraft({}), path, false).ok);
    CliOutput o;
    EXPECT_EQ(Cli({"info", path}, o), 0);
    for (const char* part :
         {"Size:", "Pattern threading:", "Liftplan:", "Threading A:", "Threading B:",
          "Treadling A:", "Treadling B:", "Tie-ups:", "Colours:", "Palette:", "Note:"})
        EXPECT_NE(o.out.find(part), std::string::npos) << part;
}

namespace {

Draft ReadHdx(const QString& path) {
    Draft d;
    ReadCdPatternFile(d, path, HdxComponents::All());
    return d;
}

} // namespace

TEST(Cli, ConvertReadsAndWritesWif) {
    TempFolder dir;
    const Draft d = MakeDraft({});
    const QString in = dir.Path("in.hdx");
    ASSERT_TRUE(WriteCdPatternFile(d, in, false).ok);
    CliOutput o;
    ASSERT_EQ(Cli({"convert", in, dir.Path("out.WIF")}, o), 0) << o.err;
    EXPECT_TRUE(ReadAll(dir.Path("out.WIF")).startsWith("[WIF]\r\n"));
    ASSERT_EQ(Cli({"convert", dir.Path("out.WIF"), dir.Path("back.hdx")}, o), 0) << o.err;
    EXPECT_EQ(SameCloth(d, ReadHdx(dir.Path("back.hdx"))), "");
    EXPECT_TRUE(o.err.empty()) << o.err;
}

TEST(Cli, HdmHoldsTheGroundAsClothOrRefusesWithoutLossy) {
    TempFolder dir;
    const QString wide = dir.Path("wide.hdx");
    ASSERT_TRUE(WriteCdPatternFile(WideGroundDraft(), wide, false).ok);
    const QString out = dir.Path("wide.hdm");
    CliOutput refused;
    EXPECT_EQ(Cli({"convert", wide, out}, refused), 2);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(refused.err.rfind("error: Not written: the cloth needs more pattern shafts", 0), 0u)
        << refused.err;
    EXPECT_NE(refused.err.find("needed: 160"), std::string::npos);
    CliOutput lossy;
    EXPECT_EQ(Cli({"convert", "--lossy", wide, out}, lossy), 0) << lossy.err;
    EXPECT_EQ(
        lossy.err.rfind("notice: The hdm-file holds the pattern threading and liftplan only", 0),
        0u);

    // A ground weave that fits comes back from its .hdm with the same cloth.
    DraftShape s;
    s.patternOn = false;
    const Draft ground = MakeDraft(s);
    const QString in = dir.Path("ground.hdx");
    ASSERT_TRUE(WriteCdPatternFile(ground, in, false).ok);
    CliOutput o;
    ASSERT_EQ(Cli({"apply", in, dir.Path("ground.hdm"), "--op", "design off"}, o), 0) << o.err;
    EXPECT_NE(o.err.find("notice: The hdm-file holds only a pattern threading and a liftplan"),
              std::string::npos);
    ASSERT_EQ(Cli({"convert", dir.Path("ground.hdm"), dir.Path("back.hdx")}, o), 0);
    EXPECT_EQ(SameCloth(ground, ReadHdx(dir.Path("back.hdx"))), "");
}

TEST(Cli, InfoReportsTheExtentOfEveryPartAndOnlyTheErrorOfABadFile) {
    TempFolder dir;
    Draft d;
    d.ClearDraft();
    d.PatternThreadingOn = false;
    for (int e = 1; e <= 12; ++e) d.ThreadingA[e] = static_cast<uint8_t>(1 + e % 4);
    for (int p = 1; p <= 9; ++p) d.TreadlingA[p] = static_cast<uint8_t>(1 + p % 4);
    d.ThreadingB[15] = 1;
    const QString path = dir.Path("ground.hdx");
    ASSERT_TRUE(WriteCdPatternFile(d, path, false).ok);
    CliOutput o;
    ASSERT_EQ(Cli({"info", path}, o), 0);
    EXPECT_NE(o.out.find("used 15 x 9\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("Threading A: 4 shafts, 12 ends threaded, the last 12\n"),
              std::string::npos);
    EXPECT_NE(o.out.find("Treadling A: 4 treadles, 9 picks treadled, the last 9\n"),
              std::string::npos);

    const QString bad = dir.Write("bad.hdx", Bytes().bs({'|', 9, 'd'}));
    CliOutput e;
    EXPECT_EQ(Cli({"info", bad}, e), 2);
    EXPECT_TRUE(e.out.empty()) << e.out;
    EXPECT_EQ(e.err, "error: File Read Error: Incompatible file version.\n");
}
