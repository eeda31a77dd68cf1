// heddlemark-cli thumbnail: the file it writes and what it refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "app/cli/clicommands.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "output/thumbnail.h"

using namespace hm;
using namespace hmtest;

TEST(ThumbnailCommand, WritesTheThumbnailWithTheLargerSideAsAsked) {
    TempFolder dir;
    DraftShape shape;
    shape.ends = 150;
    shape.picks = 60;
    Draft d = MakeDraft(shape);
    d.Epi = d.Ppi = 20;
    d.FabricCompression = false;
    d.ThreadingA[150] = d.TreadlingA[60] = 1; // the used extent is the whole draft
    const QString file = dir.Path("draft.hdx");
    ASSERT_TRUE(WriteCdPatternFile(d, file, false).ok);
    struct Case {
        QStringList size;
        QSize expected;
    } cases[] = {{{}, {256, 102}}, {{"--size", "64"}, {64, 26}}, {{"--size", "1"}, {1, 1}}};
    for (const Case& c : cases) {
        const QString out = dir.Path("thumb.png");
        CliOutput o;
        ASSERT_EQ(RunCli(QStringList{"thumbnail", file, out} + c.size, o), 0) << o.err;
        const QImage written(out);
        EXPECT_EQ(written.size(), c.expected) << c.size.join(' ').toStdString();
        // The picture the window's code makes, unchanged through the file.
        Messages messages;
        auto loaded = LoadDraft(file, messages);
        const int side = std::max(c.expected.width(), c.expected.height());
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
                  MakeThumbnail(*loaded, side).image);
    }
}

TEST(ThumbnailCommand, RefusalsWriteNothing) {
    TempFolder dir;
    const QString file = dir.Path("draft.hdx");
    ASSERT_TRUE(WriteCdPatternFile(MakeDraft(DraftShape{}), file, false).ok);
    Draft empty;
    empty.ClearDraft();
    const QString emptyFile = dir.Path("empty.hdx");
    ASSERT_TRUE(WriteCdPatternFile(empty, emptyFile, false).ok);
    const QString out = dir.Path("thumb.png");
    struct Case {
        QStringList args;
        int status;
    } cases[] = {
        {{"thumbnail", file}, 1},
        {{"thumbnail", file, out, "--size", "0"}, 1},
        {{"thumbnail", file, out, "--size", "2049"}, 1},
        {{"thumbnail", file, out, "--size", "big"}, 1},
        {{"thumbnail", file, out, "--tilt", "3"}, 1},
        {{"thumbnail", dir.Path("missing.hdx"), out}, 2},
        {{"thumbnail", emptyFile, out}, 2},
    };
    for (const Case& c : cases) {
        CliOutput o;
        EXPECT_EQ(RunCli(c.args, o), c.status) << c.args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.args.join(' ').toStdString();
    }
    CliOutput o;
    RunCli({"thumbnail", emptyFile, out}, o);
    EXPECT_NE(o.err.find("notice: No Pattern"), std::string::npos) << o.err;
}
