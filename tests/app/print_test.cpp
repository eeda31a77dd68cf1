// heddlemark-cli print and render: the files they write, their refusals and
// their usage errors.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include "app/cli/clicommands.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "output/fabrichook.h"

using namespace hm;
using namespace hmtest;

namespace {

// Painting needs a QGuiApplication; the other CLI tests do not mind one.
class GuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QCoreApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[8] = "test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

const auto* const gui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

// A small twill with a pattern level on 4 shafts.
QString WriteSample(const TempFolder& dir, int ends = 40, int picks = 30) {
    Draft d;
    d.ClearDraft();
    d.Ends = d.Picks = std::max(200, ends);
    d.PatternShafts = d.LiftplanWidth = 4;
    for (int e = 1; e <= ends; ++e) {
        d.PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d.ThreadingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d.WarpColors[e] = static_cast<uint8_t>(e % 8 < 4 ? 2 : 6);
    }
    for (int p = 1; p <= picks; ++p) {
        d.SetLiftplan(p, (p - 1) % 4 + 1, true);
        d.TreadlingA[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
    }
    for (int s = 1; s <= 4; ++s) d.TieupAA(s, s) = TieGround;
    const QString path = dir.Path("sample.hdx");
    EXPECT_TRUE(WriteCdPatternFile(d, path, false).ok);
    return path;
}

int Cli(const QStringList& args, CliOutput& o) {
    return RunCli(args, o);
}

} // namespace

TEST(PrintCli, EveryJobWritesAPdf) {
    TempFolder dir;
    const QString file = WriteSample(dir);
    const QStringList jobs[] = {
        {"print", "draft", file, dir.Path("draft.pdf"), "--paper", "letter", "--no-fill", "tieup"},
        {"print", "draft", file, dir.Path("warp.pdf"), "--picks", "0", "--landscape"},
        {"print", "threading", file, dir.Path("threading.pdf")},
        {"print", "liftplan", file, dir.Path("liftplan.pdf"), "--from", "5", "--to", "1"},
        {"print", "warp-colors", file, dir.Path("colors.pdf"), "--landscape"},
    };
    for (const QStringList& job : jobs) {
        CliOutput o;
        EXPECT_EQ(Cli(job, o), 0) << job.join(' ').toStdString() << "\n" << o.err;
        const QByteArray pdf = ReadAll(job[3]);
        EXPECT_TRUE(pdf.startsWith("%PDF")) << job[3].toStdString();
    }
    // The job titles travel in the documents, as UTF-16.
    auto title = [](const char* text) {
        QByteArray utf16;
        for (const char* c = text; *c; ++c) utf16.append('\0').append(*c);
        return utf16;
    };
    EXPECT_TRUE(ReadAll(dir.Path("draft.pdf")).contains(title("Heddlemark - sample")));
    EXPECT_TRUE(ReadAll(dir.Path("threading.pdf")).contains(title("Heddlemark Numeric 1")));
}

TEST(PrintCli, RefusalsWriteNothing) {
    TempFolder dir;
    const QString file = WriteSample(dir, 2000, 30);
    CliOutput o;
    // 2000 ends do not fit at two printer pixels a cell.
    EXPECT_EQ(Cli({"print", "draft", file, dir.Path("big.pdf"), "--ends", "2000"}, o), 2);
    EXPECT_NE(o.err.find("error: Too many ends/picks or too small printing area."),
              std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.Path("big.pdf")));
    CliOutput none;
    EXPECT_EQ(
        Cli({"print", "draft", file, dir.Path("none.pdf"), "--ends", "0", "--picks", "0"}, none),
        0);
    EXPECT_FALSE(QFile::exists(dir.Path("none.pdf")));
    // An output that cannot be written: the system's text, exit 2.
    CliOutput bad;
    EXPECT_EQ(Cli({"render", "draft", file, dir.Path("no/such/folder/d.png")}, bad), 2);
    EXPECT_NE(bad.err.find("error: File Write Error: "), std::string::npos);
}

TEST(PrintCli, UsageErrors) {
    TempFolder dir;
    const QString file = WriteSample(dir);
    const QStringList bad[] = {
        {"print", "poster", file, dir.Path("x.pdf")},
        {"print", "draft", file, dir.Path("x.pdf"), "--paper", "a3"},
        {"print", "draft", file, dir.Path("x.pdf"), "--from-end", "0"},
        {"print", "draft", file, dir.Path("x.pdf"), "--no-fill", "warp"},
        {"print", "threading", file, dir.Path("x.pdf"), "--to", "41"},
        {"print", "liftplan", file, dir.Path("x.pdf"), "--from", "x"},
        {"render", "draft", file, dir.Path("x.png"), "--pixels", "2"},
        {"render", "draft", file, dir.Path("x.png"), "--numbers", "--bold"},
        {"render", "cloth", file, dir.Path("x.png")},
    };
    for (const QStringList& args : bad) {
        CliOutput o;
        EXPECT_EQ(Cli(args, o), 1) << args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(dir.Path("x.pdf")) || QFile::exists(dir.Path("x.png")));
    }
}

TEST(RenderCli, DraftPngWithTheDialogValues) {
    TempFolder dir;
    const QString file = WriteSample(dir);
    CliOutput o;
    ASSERT_EQ(Cli({"render", "draft", file, dir.Path("d.png"), "--ends", "20", "--picks", "10",
                   "--pixels", "6", "--gray-grid"},
                  o),
              0)
        << o.err;
    // 20 + 4 + 3 + 5 + 3 columns and 10 + 4 + 3 + 5 + 3 rows at 6 pixels, plus one.
    EXPECT_EQ(QImage(dir.Path("d.png")).size(), QSize(35 * 6 + 1, 25 * 6 + 1));
    CliOutput n;
    ASSERT_EQ(Cli({"render", "draft", file, dir.Path("n.png"), "--numbers", "--pixels", "8"}, n),
              0);
    EXPECT_NE(n.err.find("notice: Printing with numbers is not possible, grid is too small."),
              std::string::npos);
    EXPECT_TRUE(QFile::exists(dir.Path("n.png")));
}

TEST(RenderCli, FabricWaitsForTheFabricPainter) {
    TempFolder dir;
    const QString file = WriteSample(dir);
    CliOutput o;
    const int status = Cli({"render", "fabric", file, dir.Path("f.png"), "--ends", "20"}, o);
    if (!OutputFabricPainter()) {
        EXPECT_EQ(status, 1);
        EXPECT_FALSE(QFile::exists(dir.Path("f.png")));
        return;
    }
    ASSERT_EQ(status, 0) << o.err;
    EXPECT_EQ(QImage(dir.Path("f.png")).width(), 20);
}

TEST(DrawdownCli, NoPatternNotice) {
    TempFolder dir;
    const QString file = WriteSample(dir, 1, 30);
    CliOutput o;
    EXPECT_EQ(Cli({"drawdown", file, dir.Path("dd.bmp")}, o), 0);
    EXPECT_NE(o.err.find("notice: No Pattern"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.Path("dd.bmp")));
}
