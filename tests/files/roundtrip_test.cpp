// Drafts written by the two writers and read back whole come back unchanged.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/designfile.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/openfile.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

Draft ReadHdxBack(const QString& path, ReadResult* resultOut = nullptr) {
    Draft back;
    back.ClearDraft();
    ReadResult r = ReadCdPatternFile(back, path, HdxComponents::All());
    EXPECT_TRUE(r.messages.empty()) << (r.messages.empty() ? "" : r.messages[0].text);
    if (resultOut) *resultOut = r;
    return back;
}

Draft ReadHdmBack(const QString& path) {
    Draft back;
    back.ClearDraft();
    ReadResult r = ReadPatternFile(back, path, HdmComponents::All());
    EXPECT_TRUE(r.messages.empty()) << (r.messages.empty() ? "" : r.messages[0].text);
    return back;
}

struct Case {
    const char* name;
    DraftShape shape;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    DraftShape s;
    cases.push_back({"rising, all groups", s});
    s.sinking = true, s.seed = 2;
    cases.push_back({"sinking", s});
    s = {}, s.threadingB = false, s.treadlingB = false, s.seed = 3;
    cases.push_back({"group B off", s});
    s = {}, s.threadingB = true, s.treadlingB = false, s.seed = 4;
    cases.push_back({"threading B without treadling B", s});
    s = {}, s.threadingB = false, s.treadlingB = true, s.seed = 5;
    cases.push_back({"treadling B without threading B", s});
    s = {}, s.patternOn = false, s.seed = 6;
    cases.push_back({"no pattern level", s});
    s = {}, s.patternShafts = 2, s.seed = 7;
    cases.push_back({"2 pattern shafts", s});
    s = {}, s.patternShafts = 9, s.seed = 8;
    cases.push_back({"9 pattern shafts", s});
    s = {}, s.patternShafts = 128, s.seed = 9;
    cases.push_back({"128 pattern shafts", s});
    s = {}, s.shaftsA = s.shaftsB = s.treadlesA = s.treadlesB = 32, s.seed = 10;
    cases.push_back({"32 shafts and treadles", s});
    s = {}, s.design = true, s.ends = 300, s.picks = 250, s.seed = 11;
    cases.push_back({"Design mode", s});
    s = {}, s.ends = s.picks = 4800, s.patternShafts = 128, s.seed = 12;
    cases.push_back({"full 4800 x 4800", s});
    s = {}, s.ends = 4800, s.picks = 3000, s.design = true, s.seed = 13;
    cases.push_back({"Design mode beyond 2400", s});
    return cases;
}

} // namespace

TEST(RoundTrip, HdxGivesBackEveryDraft) {
    TempFolder dir;
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Draft d = MakeDraft(c.shape);
        const QString path = dir.Path(QString("p%1.hdx").arg(c.shape.seed));
        ASSERT_TRUE(WriteCdPatternFile(d, path, true).ok);
        EXPECT_EQ(QFileInfo::exists(CompanionDesignFile(path, PatternFormat::Hdx)), c.shape.design);
        ReadResult r;
        const Draft back = ReadHdxBack(path, &r);
        EXPECT_EQ(CompareHdx(d, back), "");
        EXPECT_EQ(back.LiftplanFromBottom, d.LiftplanFromBottom);
        EXPECT_EQ(back.ThreadingFromRight, d.ThreadingFromRight);
        EXPECT_EQ(back.ShaftOneAtBottom, d.ShaftOneAtBottom);
        EXPECT_TRUE(r.setCurrentFile);
        EXPECT_TRUE(r.addToRecent);
    }
}

TEST(RoundTrip, HdmGivesBackEveryDraft) {
    TempFolder dir;
    for (const Case& c : Cases()) {
        if (!c.shape.patternOn) continue; // an .hdm file is always a pattern-level draft
        SCOPED_TRACE(c.name);
        const Draft d = MakeDraft(c.shape);
        const QString path = dir.Path(QString("p%1.hdm").arg(c.shape.seed));
        ASSERT_TRUE(WritePatternFile(d, path).ok);
        EXPECT_EQ(QFileInfo::exists(CompanionDesignFile(path, PatternFormat::Hdm)), c.shape.design);
        const Draft back = ReadHdmBack(path);
        EXPECT_EQ(CompareHdm(d, back), "");
        EXPECT_EQ(PatternFileBytes(back), ReadAll(path));
    }
}

TEST(RoundTrip, LayoutOptionsOnlyWithTheOption) {
    Draft d = MakeDraft({});
    d.LiftplanFromBottom = false;
    d.ThreadingFromRight = true;
    d.ShaftOneAtBottom = false;
    EXPECT_EQ(static_cast<uint8_t>(CdPatternFileBytes(d, true)[26]), 0x82);
    EXPECT_EQ(static_cast<uint8_t>(CdPatternFileBytes(d, false)[26]), 0x00);

    // Without bit 7 the reader keeps its own start positions.
    TempFolder dir;
    const QString path = dir.Path("nolayout.hdx");
    ASSERT_TRUE(WriteCdPatternFile(d, path, false).ok);
    Draft back;
    back.LiftplanFromBottom = back.ThreadingFromRight = back.ShaftOneAtBottom = true;
    ReadCdPatternFile(back, path, HdxComponents::All());
    EXPECT_TRUE(back.LiftplanFromBottom);
    EXPECT_TRUE(back.ShaftOneAtBottom);
}

TEST(RoundTrip, NoteKeepsEveryCharacter) {
    TempFolder dir;
    const std::string notes[] = {
        "",
        "plain ASCII",
        "Fl\xC3\xA4kt \xE2\x80\x93 \xE2\x82\xAC 5",  // fits Windows-1252
        "\xC3\x83\xC2\xA9 looks like UTF-8 in 1252", // 1252 bytes would read as UTF-8
        "Kanji \xE6\xBC\xA2 and Greek \xCE\xB1",     // needs UTF-8
        std::string(2500, 'x') + "\xC3\xA4",         // long note within the limit
    };
    for (const std::string& note : notes) {
        Draft d = MakeDraft({});
        d.Note = note;
        const QString path = dir.Path("note.hdx");
        ASSERT_TRUE(WriteCdPatternFile(d, path, false).ok);
        EXPECT_EQ(ReadHdxBack(path).Note, note);
        const QString hdm = dir.Path("note.hdm");
        ASSERT_TRUE(WritePatternFile(d, hdm).ok);
        EXPECT_EQ(ReadHdmBack(hdm).Note, note);
    }
}

TEST(RoundTrip, AccentedNoteIsWrittenAsWindows1252) {
    Draft d;
    d.Note = "\xC3\xA9";
    const QByteArray bytes = CdPatternFileBytes(d, false);
    // The note block ends the file: count 1, the byte 0xE9, the zero byte.
    EXPECT_EQ(bytes.right(4), QByteArray("\x00\x01\xE9\x00", 4));
}

TEST(Save, FailureKeepsTheOldFileAndReportsTheSystemText) {
    TempFolder dir;
    const QString path = dir.Path("keep.hdx");
    Draft d = MakeDraft({});
    ASSERT_TRUE(WriteCdPatternFile(d, path, false).ok);
    const QByteArray before = ReadAll(path);

    // A target whose folder does not exist cannot be written.
    const SaveResult missing = WriteCdPatternFile(d, dir.Path("no/such/folder/x.hdx"), false);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error.kind, MessageKind::Error);
    EXPECT_FALSE(missing.error.suffix.empty());

    // A read-only folder: the temporary file cannot be made, the old file stays.
    QFile::setPermissions(dir.Path(""), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    d.Ends = 200;
    const SaveResult locked = WriteCdPatternFile(d, path, false);
    QFile::setPermissions(dir.Path(""),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!locked.ok) {
        EXPECT_EQ(ReadAll(path), before);
    } // (running as root the folder stays writable, and the save succeeds)
    const QStringList left = QDir(dir.Path("")).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{"keep.hdx"});
}
