// The .hdx reader: failure rows and the block layout rules.
#include <gtest/gtest.h>

#include <QBuffer>

#include "files/hdxfile.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

ReadResult Read(Draft& d, const Bytes& bytes, const HdxComponents& c = HdxComponents::All()) {
    QByteArray data = bytes.q();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return ReadCdPatternData(d, buffer, QString(), c);
}

std::string Texts(const ReadResult& r) {
    std::string s;
    for (const auto& m : r.messages) s += m.text + "|";
    return s;
}

Bytes Tail() {
    return Bytes().fill(66, 0).b(0).u16(0);
}

int LiftplanRowSizeOf(int width) {
    return (width - 1) / 8 + 1;
}

} // namespace

TEST(HdxReader, SignatureFailures) {
    const Bytes files[] = {
        Bytes().bs({'{', 7, 'd'}),
        Bytes().bs({'|', 8, 'd'}),
        Bytes().bs({'|', 7, 'e'}),
    };
    for (const Bytes& f : files) {
        Draft d;
        const ReadResult r = Read(d, f);
        EXPECT_EQ(Texts(r), "File Read Error: Incompatible file version.|");
        EXPECT_FALSE(r.setCurrentFile);
        EXPECT_FALSE(r.addToRecent);
    }
}

TEST(HdxReader, TooManyShaftsStillMakesTheCurrentFile) {
    for (int offset : {4, 5}) {
        Bytes f = HdxHeader(7, 8, 8, 4, 2, 4, 2, 10, 10, true, true, true);
        f.v[static_cast<size_t>(offset)] = 129;
        Draft d;
        d.ClearDraft();
        const ReadResult r = Read(d, f);
        EXPECT_EQ(Texts(r), "Too many shafts in liftplan.|");
        EXPECT_EQ(r.messages[0].kind, MessageKind::Error);
        EXPECT_TRUE(r.setCurrentFile);
        EXPECT_EQ(d.Ends, 1200);
        EXPECT_EQ(d.Zoom, Draft().Zoom);
    }
}

TEST(HdxReader, WithoutPatternThreadingThreadingAFollowsTheColours) {
    Bytes f = HdxHeader(7, 8, 8, 4, 2, 6, 2, 3, 2, false, false, false);
    f.list({1, 2, 3}).list({4, 5}); // colours
    f.list({4, 3, 2}).list({6, 1}); // threading A, treadling A
    f.fill(24, 1);                  // tie-up AA: KA = 4 rows of MA = 6 bytes
    f.append(Tail());
    Draft d;
    d.ClearDraft();
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_FALSE(d.PatternThreadingOn);
    EXPECT_EQ(d.ThreadingA[1], 4);
    EXPECT_EQ(d.TreadlingA[1], 6);
    EXPECT_EQ(d.ShaftsA, 4);
    EXPECT_EQ(d.TreadlesA, 6);
    EXPECT_EQ(d.TieupAA(4, 6), 1);
    EXPECT_EQ(d.TieupAA(4, 7), 0);
    EXPECT_EQ(d.TieupAA(5, 1), 0);
}

TEST(HdxReader, ThreadingBWithoutTreadlingB) {
    // B = 1, C = 0: threading B and tie-up BA, no treadling B, AB or BB.
    Bytes f = HdxHeader(7, 8, 8, 2, 3, 2, 2, 2, 2, false, true, false);
    f.list({}).list({});
    f.list({1, 2}).list({2, 1}).bs({1, 0, 0, 1}); // A
    f.list({3, 3}).bs({2, 2, 0, 0, 1, 1});        // threading B, tie-up BA (3 x 2)
    f.append(Tail());
    Draft d;
    d.ClearDraft();
    d.TreadlingB[1] = 9;
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_EQ(d.ThreadingB[2], 3);
    EXPECT_EQ(d.TieupBA(1, 1), 2);
    EXPECT_EQ(d.TieupBA(3, 2), 1);
    EXPECT_EQ(d.TreadlingB[1], 9); // untouched: not in the file
    EXPECT_TRUE(d.ThreadingBOn);
    EXPECT_FALSE(d.TreadlingBOn);
}

TEST(HdxReader, TreadlingBBlocksFollowInTheirOrderAndSizes) {
    // With treadling B in use: threading B and tie-up BA (KB x MA) after group A,
    // then treadling B and tie-up AB (KA x MB), then tie-up BB (KB x MB). Every
    // cell has its own value, so a block read in the wrong place or size shows.
    const int ka = 3, kb = 2, ma = 4, mb = 2;
    for (const bool b : {false, true}) {
        SCOPED_TRACE(b);
        Bytes f = HdxHeader(7, 8, 8, ka, kb, ma, mb, 3, 4, false, b, true);
        f.list({}).list({});
        f.list({1, 2, 3}).list({4, 3, 2, 1});         // threading A, treadling A
        for (int i = 0; i < ka * ma; ++i) f.b(i % 3); // tie-up AA
        if (b) {
            f.list({2, 1, 2});                                  // threading B
            for (int i = 0; i < kb * ma; ++i) f.b((i + 1) % 3); // tie-up BA
        }
        f.list({1, 0, 2, 2});                               // treadling B
        for (int i = 0; i < ka * mb; ++i) f.b((i + 2) % 3); // tie-up AB
        if (b)
            for (int i = 0; i < kb * mb; ++i) f.b(i % 2 + 1); // tie-up BB
        f.append(Tail());
        Draft d;
        d.ClearDraft();
        EXPECT_EQ(Texts(Read(d, f)), "");
        EXPECT_TRUE(d.TreadlingBOn);
        EXPECT_EQ(d.ThreadingBOn, b);
        EXPECT_EQ(d.TreadlesB, mb);
        const int treadlingB[] = {1, 0, 2, 2};
        for (int p = 1; p <= 4; ++p) EXPECT_EQ(d.TreadlingB[p], treadlingB[p - 1]) << p;
        for (int s = 1; s <= ka; ++s) {
            for (int t = 1; t <= ma; ++t)
                EXPECT_EQ(d.TieupAA(s, t), ((s - 1) * ma + t - 1) % 3) << s << "," << t;
            for (int t = 1; t <= mb; ++t)
                EXPECT_EQ(d.TieupAB(s, t), ((s - 1) * mb + t - 1 + 2) % 3) << s << "," << t;
        }
        if (b) {
            EXPECT_EQ(d.ShaftsB, kb);
            EXPECT_EQ(d.ThreadingB[3], 2);
            for (int s = 1; s <= kb; ++s) {
                for (int t = 1; t <= ma; ++t)
                    EXPECT_EQ(d.TieupBA(s, t), ((s - 1) * ma + t) % 3) << s << "," << t;
                for (int t = 1; t <= mb; ++t)
                    EXPECT_EQ(d.TieupBB(s, t), ((s - 1) * mb + t - 1) % 2 + 1) << s << "," << t;
            }
        }
        EXPECT_TRUE(d.Note.empty()); // the tail was found where it belongs
    }
}

TEST(HdxReader, APatternThreadingComponentRaisesThePatternShafts) {
    // A threading needs as many shafts as the file's; other components leave them.
    struct Case {
        int fileShafts;
        bool threading;
        int shafts;
    };
    for (const Case c : {Case{20, true, 20}, Case{4, true, 8}, Case{20, false, 8}}) {
        Bytes f = HdxHeader(7, c.fileShafts, c.fileShafts, 2, 2, 2, 2, 2, 1, true, false, false);
        f.list({}).list({}).list({c.fileShafts, 1});
        f.u16(1).fill(LiftplanRowSizeOf(c.fileShafts), 0);
        f.list({}).list({}).bs({0, 0, 0, 0}).append(Tail());
        Draft d;
        d.ClearDraft();
        d.PatternShafts = d.LiftplanWidth = 8;
        HdxComponents sel = HdxComponents::None();
        sel.patternThreading = c.threading;
        sel.weftColors = !c.threading;
        EXPECT_EQ(Texts(Read(d, f, sel)), "");
        EXPECT_EQ(d.PatternShafts, c.shafts) << c.fileShafts << " " << c.threading;
        EXPECT_EQ(d.LiftplanWidth, c.shafts);
        if (c.threading) {
            EXPECT_EQ(d.PatternThreading[1], c.fileShafts);
        }
    }
}

TEST(HdxReader, LargeTieupBlocksKeep32By32) {
    Bytes f = HdxHeader(7, 8, 8, 40, 2, 35, 2, 2, 2, false, false, false);
    f.list({}).list({}).list({}).list({});
    for (int s = 1; s <= 40; ++s)
        for (int t = 1; t <= 35; ++t) f.b(s <= 32 && t <= 32 ? (s + t) % 3 : 7);
    f.append(Tail());
    Draft d;
    d.ClearDraft();
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_EQ(d.ShaftsA, 32);
    EXPECT_EQ(d.TreadlesA, 32);
    for (int s = 1; s <= 32; ++s)
        for (int t = 1; t <= 32; ++t) ASSERT_EQ(d.TieupAA(s, t), (s + t) % 3);
}

TEST(HdxReader, OnlyWeftColoursReadsThroughEverythingBefore) {
    Draft source = MakeDraft({});
    const QByteArray bytes = CdPatternFileBytes(source, true);
    Draft d;
    d.ClearDraft();
    const Draft before = d;
    HdxComponents c = HdxComponents::None();
    c.weftColors = true;
    Bytes b;
    b.v.assign(bytes.begin(), bytes.end());
    const ReadResult r = Read(d, b, c);
    EXPECT_EQ(Texts(r), "");
    for (int p = 1; p <= source.Picks; ++p) ASSERT_EQ(d.WeftColors[p], source.WeftColors[p]);
    d.WeftColors = before.WeftColors;
    EXPECT_EQ(std::memcmp(&d.PatternThreading, &before.PatternThreading, sizeof d.PatternThreading),
              0);
    EXPECT_EQ(d.Liftplan, before.Liftplan);
    EXPECT_EQ(d.TieupAA.cells, before.TieupAA.cells);
    EXPECT_EQ(d.Note, before.Note);
    EXPECT_EQ(d.Ends, before.Ends);
    EXPECT_FALSE(r.setCurrentFile);

    // Only the palette: the last blocks are found after all the others.
    Draft e;
    HdxComponents p = HdxComponents::None();
    p.palette = true;
    EXPECT_EQ(Texts(Read(e, b, p)), "");
    EXPECT_EQ(e.PaletteRGB, source.PaletteRGB);
}

TEST(HdxReader, OldLayout) {
    // Version 4: byte 14 = 0 means no threading B even with byte 24 set; list
    // lengths give Ends and Picks (at least 500); zoom is stored minus one.
    Bytes f = HdxHeader(4, 8, 8, 2, 0, 2, 0, 0, 0, true, true, true);
    f.list({}).list({});
    f.u16(600).fill(600, 1); // pattern threading
    f.u16(3).bs({1, 1, 1});  // liftplan: 3 rows
    f.u16(100).fill(100, 2); // threading A
    f.u16(200).fill(200, 1); // treadling A
    f.bs({1, 0, 0, 1});      // tie-up AA
    f.append(Tail());
    Draft d;
    d.ClearDraft();
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_FALSE(d.ThreadingBOn);
    EXPECT_FALSE(d.TreadlingBOn);
    EXPECT_EQ(d.Ends, 500); // threading A was the last list read
    EXPECT_EQ(d.Picks, 500);
    EXPECT_EQ(d.Zoom, 10);
    EXPECT_EQ(d.ThreadingA[100], 2);
}

TEST(HdxReader, HeaderSettings) {
    Bytes f = HdxHeader(7, 12, 12, 2, 2, 2, 2, 6000, 0, false, false, false);
    f.v[6] = 0, f.v[7] = 1, f.v[8] = 0, f.v[11] = 2, f.v[12] = 4, f.v[21] = 0, f.v[22] = 0;
    f.v[26] = 0x80 | 0x04;
    f.list({}).list({}).list({}).list({}).bs({0, 0, 0, 0});
    f.append(Tail());
    Draft d;
    d.ClearDraft();
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_EQ(d.PatternShafts, 12);
    EXPECT_TRUE(d.SinkingShed);
    EXPECT_TRUE(d.FabricCompression);
    EXPECT_EQ(d.PaletteSize, 2);
    EXPECT_EQ(d.LiftplanStart, 4);
    EXPECT_TRUE(d.Inches);
    EXPECT_EQ(d.FabricZoom, 2); // 0 would be no zoom at all
    EXPECT_EQ(d.Ends, 4800);
    EXPECT_EQ(d.Picks, 2);
    EXPECT_FALSE(d.LiftplanFromBottom);
    EXPECT_FALSE(d.ThreadingFromRight);
    EXPECT_TRUE(d.ShaftOneAtBottom);
    // A sinking shed makes the colours after the lists the sinking defaults.
    EXPECT_EQ(d.WarpColors[1], 0);
    EXPECT_EQ(d.WeftColors[1], 6);
}
