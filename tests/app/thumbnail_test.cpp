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

TEST(ThumbnailCommand, WritesTheThumbnailAsPng) {
    TempFolder dir;
    const QString file = dir.Path("draft.hdx"), out = dir.Path("thumb.png");
    ASSERT_TRUE(WriteCdPatternFile(MakeDraft(DraftShape{}), file, false).ok);
    CliOutput o;
    ASSERT_EQ(RunCli({"thumbnail", file, out, "--size", "64"}, o), 0) << o.err;
    Messages messages;
    auto loaded = LoadDraft(file, messages);
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32), MakeThumbnail(*loaded, 64).image);
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
