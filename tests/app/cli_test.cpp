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
    const Draft d = MakeDraft({});
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
