// File > Open for a path, and the recent-file list.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/openfile.h"
#include "files/recentfiles.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

TEST(OpenFile, KindByExtension) {
    EXPECT_EQ(FileKindOf("/x/a.BmP"), FileKind::Picture);
    EXPECT_EQ(FileKindOf("/x/a.hdm"), FileKind::Hdm);
    EXPECT_EQ(FileKindOf("/x/a.HDM"), FileKind::Hdm);
    EXPECT_EQ(FileKindOf("/x/a.hdx"), FileKind::Hdx);
    EXPECT_EQ(FileKindOf("/x/a.txt"), FileKind::Hdx);
    EXPECT_EQ(FileKindOf("/x.bmp/a"), FileKind::Hdx);
    EXPECT_EQ(FileKindOf("noextension"), FileKind::Hdx);
}

TEST(OpenFile, ClearsTheDraftThenRecomputesExtentsAndRepeats) {
    TempFolder dir;
    Draft source;
    source.ClearDraft();
    source.Ends = 40;
    source.Picks = 30;
    for (int e = 1; e <= 24; ++e)
        source.PatternThreading[e] = static_cast<uint8_t>(1 + (e - 1) % 4);
    for (int p = 1; p <= 20; ++p) source.SetLiftplan(p, 1 + (p - 1) % 5, true);
    source.Note = "kept";
    const QString hdx = dir.Path("a.hdx");
    ASSERT_TRUE(WriteCdPatternFile(source, hdx, false).ok);

    Draft d;
    d.ThreadingA[100] = 3;
    d.Note = "old note";
    const OpenResult r = OpenPatternFile(d, hdx);
    EXPECT_EQ(r.kind, FileKind::Hdx);
    EXPECT_TRUE(r.read.messages.empty());
    EXPECT_EQ(d.ThreadingA[100], 0);
    EXPECT_EQ(d.Note, "kept");
    EXPECT_EQ(d.UsedEnds, 24);
    EXPECT_EQ(d.UsedPicks, 20);
    EXPECT_EQ(d.WarpRepeat, 4);
    EXPECT_EQ(d.WeftRepeat, 5);
    EXPECT_TRUE(r.read.setCurrentFile);

    const QString hdm = dir.Path("a.hdm");
    ASSERT_TRUE(WritePatternFile(source, hdm).ok);
    Draft e;
    const OpenResult m = OpenPatternFile(e, hdm);
    EXPECT_EQ(m.kind, FileKind::Hdm);
    EXPECT_TRUE(m.read.forgetCurrentFile);
    EXPECT_FALSE(m.read.setCurrentFile);
    EXPECT_EQ(e.WarpRepeat, 4);
}

TEST(OpenFile, PictureSwitchesToDesignMode) {
    TempFolder dir;
    QImage image(10, 6, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    const QString path = dir.Path("p.bmp");
    ASSERT_TRUE(image.save(path, "BMP"));
    Draft d;
    const OpenResult r = OpenPatternFile(d, path);
    EXPECT_EQ(r.kind, FileKind::Picture);
    EXPECT_TRUE(d.DesignMode);
    EXPECT_TRUE(r.read.forgetCurrentFile);
    // Start-up orientation: end 1 at the right, pick 1 at the bottom.
    EXPECT_TRUE(d.GetDesignCell(6, 10));
    EXPECT_EQ(d.UsedEnds, 10);
    EXPECT_EQ(d.UsedPicks, 6);
}

TEST(OpenFile, MissingFileIsAnError) {
    Draft d;
    const OpenResult r = OpenPatternFile(d, "/nonexistent/folder/x.hdx");
    ASSERT_EQ(r.read.messages.size(), 1u);
    EXPECT_EQ(r.read.messages[0].kind, MessageKind::Error);
    EXPECT_FALSE(r.read.setCurrentFile);
}

TEST(RecentFiles, MovesAndDrops) {
    RecentFiles list{"a", "b", "c", "d", "e"};
    AddRecentFile(list, "c");
    EXPECT_EQ(list, (RecentFiles{"c", "a", "b", "d", "e"}));
    AddRecentFile(list, "f");
    EXPECT_EQ(list, (RecentFiles{"f", "c", "a", "b", "d"}));
    AddRecentFile(list, "F"); // letter case matters
    EXPECT_EQ(list, (RecentFiles{"F", "f", "c", "a", "b"}));
    AddRecentFile(list, "F");
    AddRecentFile(list, "");
    AddRecentFile(list, "x.BMP");
    EXPECT_EQ(list, (RecentFiles{"F", "f", "c", "a", "b"}));
}

TEST(RecentFiles, DisplayName) {
    EXPECT_EQ(RecentDisplayName("C:\\weaving\\old\\rose.hdx"), "C:rose.hdx");
    EXPECT_EQ(RecentDisplayName("\\\\server\\share\\rose.hdx"), "rose.hdx");
    EXPECT_EQ(RecentDisplayName("/home/u/rose.hdx"), "rose.hdx");
}
