// The .hdm reader: every failure row and the edge cases of the format.
#include <gtest/gtest.h>

#include <QBuffer>

#include "files/hdmfile.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

ReadResult Read(Draft& d, const Bytes& bytes, const HdmComponents& c = HdmComponents::All(),
                BlendMode blend = BlendMode::None) {
    QByteArray data = bytes.q();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return ReadPatternData(d, buffer, QString(), c, blend);
}

// A small valid body after the header: threading, colours, liftplan of width 8.
Bytes SmallFile(int version = 7) {
    Bytes f = HdmHeader(version, 8, 8, 4, 3);
    f.list({1, 2, 3, 4});            // threading
    f.list({10, 11, 12, 13});        // warp colours
    f.list({20, 21, 22});            // weft colours
    f.u16(3).bs({0x01, 0x82, 0xFF}); // liftplan
    f.bs({3, 4}).fill(64, 0);        // expand block
    f.b(0);                          // palette: none
    f.u16(0);                        // note: none
    return f;
}

std::string Texts(const ReadResult& r) {
    std::string s;
    for (const auto& m : r.messages) s += m.text + "|";
    return s;
}

} // namespace

TEST(HdmReader, ReadsAWholeFile) {
    Draft d;
    d.ClearDraft();
    const ReadResult r = Read(d, SmallFile());
    EXPECT_EQ(Texts(r), "");
    EXPECT_EQ(d.Ends, 4);
    EXPECT_EQ(d.Picks, 3);
    EXPECT_EQ(d.Zoom, 9);
    EXPECT_EQ(d.PatternShafts, 8);
    EXPECT_EQ(d.Epi, 30);
    EXPECT_EQ(d.Ppi, 28);
    EXPECT_FALSE(d.Inches);
    EXPECT_EQ(d.FabricZoom, 3);
    EXPECT_FALSE(d.FabricCompression);
    EXPECT_EQ(d.PatternThreading[3], 3);
    EXPECT_EQ(d.PatternThreading[5], 0);
    EXPECT_EQ(d.WarpColors[4], 13);
    EXPECT_EQ(d.WarpColors[5], RisingWarpColor);
    EXPECT_EQ(d.WeftColors[3], 22);
    EXPECT_EQ(d.WeftColors[4], RisingWeftColor);
    EXPECT_TRUE(d.GetLiftplan(1, 1));
    EXPECT_TRUE(d.GetLiftplan(2, 2) && d.GetLiftplan(2, 8) && !d.GetLiftplan(2, 1));
    EXPECT_EQ(d.ExpandFactorEnds, 3);
    EXPECT_EQ(d.ExpandFactorPicks, 4);
    EXPECT_TRUE(d.PatternThreadingOn);
    EXPECT_TRUE(r.addToRecent);
    EXPECT_TRUE(r.forgetCurrentFile);
    EXPECT_FALSE(r.setCurrentFile);
}

TEST(HdmReader, SignatureAndTypeFailures) {
    struct Row {
        Bytes file;
        const char* text;
        MessageKind kind;
    };
    std::vector<Row> rows = {
        {Bytes().bs({'{', 8, 'd'}), "File Read Error: Incompatible file version.",
         MessageKind::Error},
        {Bytes().bs({'{', 7, 'c'}), "File Read Error: Incompatible file version.",
         MessageKind::Error},
        {Bytes().bs({'{', 7, 'h'}), "File Read Error: Incompatible file version.",
         MessageKind::Error},
        {Bytes().bs({'{', 7, 'e'}), "Error: Pattern must be of liftplan type.",
         MessageKind::Information},
        {Bytes().bs({'f', 1, 2}), "Error: Pattern must be of liftplan type.",
         MessageKind::Information},
        {Bytes().bs({'d', 1, 2}), "File version is too old.", MessageKind::Information},
        {Bytes().bs({'g', 1, 2}), "File version is too old.", MessageKind::Information},
        {Bytes().bs({'x'}), "File Read Error: Incompatible file version.", MessageKind::Error},
    };
    for (const Row& row : rows) {
        Draft d;
        const Draft before = d;
        const ReadResult r = Read(d, row.file);
        ASSERT_EQ(r.messages.size(), 1u) << Texts(r);
        EXPECT_EQ(r.messages[0].text, row.text);
        EXPECT_EQ(r.messages[0].kind, row.kind);
        EXPECT_EQ(d.PatternThreading.bytes, before.PatternThreading.bytes);
        EXPECT_EQ(d.Ends, before.Ends);
    }
}

TEST(HdmReader, TooOldStillRunsTheClosingSteps) {
    Draft d;
    d.PatternThreadingOn = false;
    const ReadResult r = Read(d, Bytes().bs({'d'}));
    EXPECT_EQ(Texts(r), "File version is too old.|");
    EXPECT_TRUE(r.addToRecent);
    EXPECT_TRUE(d.PatternThreadingOn);

    // In blend mode the same file is an error and nothing else happens.
    Draft e;
    e.PatternThreadingOn = false;
    const ReadResult b = Read(e, Bytes().bs({'d'}), HdmComponents::None(), BlendMode::Add);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].kind, MessageKind::Error);
    EXPECT_FALSE(b.addToRecent);
    EXPECT_FALSE(e.PatternThreadingOn);
}

TEST(HdmReader, TooManyShaftsAppliesNothing) {
    Draft d;
    d.ClearDraft();
    Bytes f = SmallFile();
    f.v[4] = 129;
    const ReadResult r = Read(d, f);
    EXPECT_EQ(Texts(r), "Too many shafts or treadles in file|");
    EXPECT_EQ(r.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(d.Ends, 1200);
    EXPECT_EQ(d.PatternThreading[1], 0);
    EXPECT_EQ(d.Zoom, Draft().Zoom);
    EXPECT_TRUE(r.addToRecent);
}

TEST(HdmReader, LiftplanRowWidths) {
    // Width 0 and 8 give one byte per row, 9 gives two; bits beyond the width are cleared.
    for (int width : {0, 8, 9}) {
        SCOPED_TRACE(width);
        Bytes f = HdmHeader(7, 8, width, 2, 2);
        f.list({1, 2}).list({}).list({});
        f.u16(2);
        if (width == 9)
            f.bs({0xFF, 0xFF, 0x03, 0x00});
        else
            f.bs({0xFF, 0x05});
        f.fill(66, 0).b(0).u16(0);
        Draft d;
        d.ClearDraft();
        d.SetLiftplan(1, 12, true); // beyond the row: cleared
        d.SetLiftplan(3, 1, true);  // beyond the file's rows: cleared
        EXPECT_EQ(Texts(Read(d, f)), "");
        EXPECT_EQ(d.LiftplanRow(1)[0], width == 0 ? 0x00 : 0xFF);
        EXPECT_EQ(d.LiftplanRow(1)[1], width == 9 ? 0x01 : 0x00);
        EXPECT_EQ(d.LiftplanRow(2)[0], width == 9 ? 0x03 : (width == 0 ? 0 : 0x05));
        EXPECT_FALSE(d.GetLiftplan(3, 1));
    }
}

TEST(HdmReader, WideLiftplanRowsKeepSixteenBytesAndStayInStep) {
    // Width 200: rows of 25 bytes, of which the first 16 are kept.
    Bytes f = HdmHeader(7, 8, 200, 2, 2);
    f.list({1, 2}).list({}).list({});
    f.u16(2);
    for (int row = 1; row <= 2; ++row)
        for (int k = 0; k < 25; ++k) f.b(k < 16 ? row * 16 + k : 0xEE);
    f.fill(66, 0).b(0).list({'o', 'k'}).b(0);
    Draft d;
    d.ClearDraft();
    EXPECT_EQ(Texts(Read(d, f)), "");
    for (int k = 0; k < LiftplanRowBytes; ++k) {
        ASSERT_EQ(d.LiftplanRow(1)[k], 16 + k) << k;
        ASSERT_EQ(d.LiftplanRow(2)[k], 32 + k) << k;
    }
    EXPECT_EQ(d.Note, "ok");
}

TEST(HdmReader, AThreadingComponentRaisesThePatternShafts) {
    struct Case {
        int fileShafts;
        bool threading;
        int shafts;
    };
    for (const Case c : {Case{20, true, 20}, Case{4, true, 8}, Case{20, false, 8}}) {
        Bytes f = HdmHeader(7, c.fileShafts, 8, 1, 1);
        f.list({c.fileShafts}).list({}).list({}).u16(1).b(0).fill(66, 0).b(0).u16(0);
        Draft d;
        d.ClearDraft();
        d.PatternShafts = d.LiftplanWidth = 8;
        HdmComponents sel = HdmComponents::None();
        sel.threading = c.threading;
        sel.weftColors = !c.threading;
        EXPECT_EQ(Texts(Read(d, f, sel)), "");
        EXPECT_EQ(d.PatternShafts, c.shafts) << c.fileShafts << " " << c.threading;
        EXPECT_EQ(d.LiftplanWidth, c.shafts);
    }
}

TEST(HdmReader, LongListsKeep4800AndStayInStep) {
    Bytes f = HdmHeader(7, 8, 8, 4800, 2);
    f.u16(5000);
    for (int i = 0; i < 5000; ++i) f.b(i < 4800 ? 1 + i % 8 : 99);
    f.list({7}).list({5, 5}).u16(0).fill(66, 0).b(0).u16(0);
    Draft d;
    d.ClearDraft();
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_EQ(d.PatternThreading[4800], 8);
    EXPECT_EQ(d.WarpColors[1], 7); // the next block was read at the right place
    EXPECT_EQ(d.WeftColors[2], 5);
}

TEST(HdmReader, PaletteBlocks) {
    // Count 0: no entries, whether or not the palette is selected.
    for (bool select : {true, false}) {
        Bytes f = HdmHeader(7, 8, 8, 2, 2);
        f.list({}).list({}).list({}).u16(0).fill(66, 0).b(0).u16(2).bs({'o', 'k', 0});
        HdmComponents c;
        c.palette = select;
        Draft d;
        const auto before = d.PaletteRGB;
        EXPECT_EQ(Texts(Read(d, f, c)), "");
        EXPECT_EQ(d.PaletteRGB, before);
        EXPECT_EQ(d.Note, "ok");
    }
    // 15 entries: an old palette of 64 levels.
    Bytes f = HdmHeader(7, 8, 8, 2, 2);
    f.list({}).list({}).list({}).u16(0).fill(66, 0).b(14);
    for (int i = 0; i < 15; ++i) f.bs({63, 32, i});
    f.u16(0);
    Draft d;
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_EQ(d.PaletteRGB[1], (std::array<uint8_t, 3>{255, 129, 4}));
    EXPECT_EQ(d.PaletteRGB[0], (std::array<uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(d.PaletteRGB[15], (std::array<uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(d.Palette[1], MakeColor(255, 129, 4));
}

TEST(HdmReader, NoteLengths) {
    const auto withNote = [](int count, int present) {
        Bytes f = HdmHeader(7, 8, 8, 2, 2);
        f.list({}).list({}).list({}).u16(0).fill(66, 0).b(0).u16(count).fill(present, 'a');
        return f;
    };
    Draft d;
    d.Note = "old";
    EXPECT_EQ(Texts(Read(d, withNote(0, 0))), "");
    EXPECT_EQ(d.Note, "");
    EXPECT_EQ(Texts(Read(d, withNote(5000, 5001))), "");
    EXPECT_EQ(d.Note.size(), 3001u);
}

TEST(HdmReader, OldVersionCountsAndProportions) {
    Bytes f = HdmHeader(4, 8, 8, 0, 0);
    f.v[3] = 9;              // zoom minus one
    f.v[9] = 2, f.v[10] = 3; // X < Y
    f.u16(300).fill(300, 1).list({}).list({}).u16(700).fill(700, 1);
    f.fill(66, 0).b(0).u16(0);
    Draft d;
    d.Inches = true;
    d.ClearDraft();
    EXPECT_EQ(Texts(Read(d, f)), "");
    EXPECT_EQ(d.Ends, 500);
    EXPECT_EQ(d.Picks, 700);
    EXPECT_EQ(d.Zoom, 10);
    EXPECT_EQ(d.Ppi, 12);
    EXPECT_EQ(d.Epi, 18);  // 12 x 3 / 2
    EXPECT_TRUE(d.Inches); // old files keep the unit

    // Zero proportions do not fault; equal ones give 25 per inch.
    for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {0, 0}}) {
        f.v[9] = static_cast<uint8_t>(x), f.v[10] = static_cast<uint8_t>(y);
        Draft e;
        e.Inches = true;
        Read(e, f);
        EXPECT_GE(e.Epi, 2);
        EXPECT_LE(e.Epi, 250);
        if (x == y) {
            EXPECT_EQ(e.Epi, 25);
        }
    }
}

TEST(HdmReader, ComponentsTakeOnlyWhatIsChosen) {
    Draft d;
    d.ClearDraft();
    d.Zoom = 5;
    HdmComponents c = HdmComponents::None();
    c.weftColors = true;
    const ReadResult r = Read(d, SmallFile(), c);
    EXPECT_EQ(Texts(r), "");
    EXPECT_EQ(d.WeftColors[1], 20);
    EXPECT_EQ(d.WarpColors[1], RisingWarpColor);
    EXPECT_EQ(d.PatternThreading[1], 0);
    EXPECT_EQ(d.Zoom, 5);
    EXPECT_FALSE(r.addToRecent);
}

TEST(HdmReader, BlendModes) {
    // The file's liftplan rows are 0x01, 0x82, 0xFF.
    struct Expect {
        BlendMode mode;
        uint8_t rows[5];
    };
    const Expect cases[] = {
        {BlendMode::Add, {0x03, 0x82, 0xFF, 0x00, 0x00}},
        {BlendMode::Invert, {0x02, 0x82, 0xFF, 0x00, 0x00}},
        {BlendMode::Subtract, {0x02, 0x00, 0x00, 0x00, 0x00}},
        {BlendMode::Append, {0x03, 0x01, 0x82, 0xFF, 0x00}},
    };
    for (const Expect& e : cases) {
        Draft d;
        d.ClearDraft();
        d.Picks = 10;
        d.LiftplanRow(1)[0] = 0x03;
        const ReadResult r = Read(d, SmallFile(), HdmComponents::None(), e.mode);
        EXPECT_EQ(Texts(r), "");
        EXPECT_TRUE(r.liftplanOnly);
        for (int p = 1; p <= 5; ++p) EXPECT_EQ(d.LiftplanRow(p)[0], e.rows[p - 1]) << p;
        EXPECT_EQ(d.PatternThreading[1], 0); // nothing but the liftplan
        EXPECT_EQ(d.WarpColors[1], RisingWarpColor);
    }
    // Append into a full liftplan changes nothing.
    Draft d;
    d.ClearDraft();
    d.Picks = 2;
    d.LiftplanRow(2)[0] = 0x01;
    const ReadResult r = Read(d, SmallFile(), HdmComponents::None(), BlendMode::Append);
    EXPECT_EQ(Texts(r), "Liftplan is full, no room to append.|");
    EXPECT_EQ(d.LiftplanRow(1)[0], 0);
    // Append stops at Picks.
    Draft e;
    e.ClearDraft();
    e.Picks = 3;
    e.LiftplanRow(1)[0] = 0x01;
    Read(e, SmallFile(), HdmComponents::None(), BlendMode::Append);
    EXPECT_EQ(e.LiftplanRow(3)[0], 0x82);
    EXPECT_EQ(e.LiftplanRow(4)[0], 0x00);
}

TEST(HdmReader, DesignModeBuildsThePictureWithoutCompanion) {
    Bytes f = SmallFile();
    f.v[6] = 1;
    Draft d;
    d.ClearDraft();
    const ReadResult r = Read(d, f);
    EXPECT_TRUE(d.DesignMode);
    EXPECT_TRUE(r.designModeChanged);
    // End 1 is on shaft 1, lifted on pick 1.
    EXPECT_TRUE(d.GetDesignCell(1, 1));
    EXPECT_FALSE(d.GetDesignCell(1, 2));
}
