// Writing WIF files that keep the cloth.
#include <gtest/gtest.h>

#include "files/wiffile.h"
#include "filetestsupport.h"
#include "model/drawdown.h"
#include "wifrule.h"

using namespace hm;
using namespace hmtest;

namespace {

std::unique_ptr<Draft> ReadBack(const QByteArray& bytes, ReadResult* result = nullptr) {
    auto back = std::make_unique<Draft>();
    const ReadResult r = ReadWifData(*back, bytes);
    if (result) *result = r;
    return back;
}

} // namespace

TEST(WifWriter, EveryKindOfDraftKeepsItsCloth) {
    for (const DraftShape& shape : ClothShapes()) {
        SCOPED_TRACE(DescribeShape(shape));
        const Draft d = MakeDraft(shape);
        const QByteArray bytes = WifFileBytes(d);
        EXPECT_EQ(bytes.contains("[TREADLING]"), WifWritesTreadling(d));
        // By the format's own rule, over the file and the draft alike.
        const WifCloth cloth = WifRuleCloth(bytes);
        EXPECT_EQ(
            CompareWithWif(d, cloth, std::max(d.Ends, cloth.ends), std::max(d.Picks, cloth.picks)),
            "");
        // And through the reader.
        ReadResult r;
        const auto back = ReadBack(bytes, &r);
        EXPECT_TRUE(r.messages.empty()) << r.messages[0].text;
        EXPECT_EQ(SameCloth(d, *back), "");
    }
}

TEST(WifWriter, GroundWeaveIsWrittenAsThreadingTreadlingAndTieup) {
    DraftShape s;
    s.ends = 24, s.picks = 20, s.patternOn = s.threadingB = s.treadlingB = false;
    Draft d = MakeDraft(s);
    for (int e = 1; e <= d.Ends; ++e) d.ThreadingA[e] = static_cast<uint8_t>(1 + e % 4);
    for (int p = 1; p <= d.Picks; ++p) d.TreadlingA[p] = static_cast<uint8_t>(1 + p % 6);
    ASSERT_TRUE(WifWritesTreadling(d));
    const QByteArray bytes = WifFileBytes(d);
    EXPECT_FALSE(bytes.contains("[LIFTPLAN]"));
    const auto back = ReadBack(bytes);
    EXPECT_FALSE(back->PatternThreadingOn);
    EXPECT_EQ(back->ThreadingA.bytes, d.ThreadingA.bytes);
    EXPECT_EQ(back->TreadlingA.bytes, d.TreadlingA.bytes);
    for (int sh = 1; sh <= 4; ++sh)
        for (int t = 1; t <= 6; ++t)
            EXPECT_EQ(back->TieupAA(sh, t), d.TieupAA(sh, t) == TieGround ? TieGround : TieNone);
}

TEST(WifWriter, NoLimitOnTheShaftsOfAFlattenedCloth) {
    const Draft d = WideGroundDraft();
    const QByteArray bytes = WifFileBytes(d);
    EXPECT_TRUE(bytes.contains("\r\nShafts=160\r\n"));
    EXPECT_EQ(CompareWithWif(d, WifRuleCloth(bytes), 160, 160), "");
    // This program's draft holds 128 pattern shafts, so it cannot take the file back.
    ReadResult r;
    ReadBack(bytes, &r);
    EXPECT_TRUE(r.HasError());
}

TEST(WifWriter, ColoursDensitiesNoteAndProgramComeBack) {
    DraftShape s;
    s.ends = 30, s.picks = 20;
    Draft d = MakeDraft(s);
    d.Inches = true;
    d.Epi = 36, d.Ppi = 7;
    d.Note = "Plain line\r\n\r\n  D\xC3\xA4mpad = yes\r\nlast";
    const QByteArray bytes = WifFileBytes(d);
    EXPECT_TRUE(bytes.contains("\r\nSource Program=Heddlemark\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nRange=0,255\r\n"));
    const auto back = ReadBack(bytes);
    EXPECT_EQ(back->PaletteRGB, d.PaletteRGB);
    EXPECT_EQ(back->Ends, d.Ends);
    EXPECT_EQ(back->Picks, d.Picks);
    for (int e = 1; e <= d.Ends; ++e) EXPECT_EQ(back->WarpColors[e], d.WarpColors[e]) << e;
    for (int p = 1; p <= d.Picks; ++p) EXPECT_EQ(back->WeftColors[p], d.WeftColors[p]) << p;
    EXPECT_TRUE(back->Inches);
    EXPECT_EQ(back->Epi, 36);
    EXPECT_EQ(back->Ppi, 7);
    // Lines keep their text; blanks at their ends are not kept by the format.
    EXPECT_EQ(back->Note, "Plain line\n\nD\xC3\xA4mpad = yes\nlast");
}

TEST(WifWriter, TheDraftKeepsItsSizeAndItsEmptyPicks) {
    // A sinking shed leaves an end on a pattern shaft up wherever nothing sinks
    // it, so picks after the last lift are cloth too.
    Draft d;
    d.SinkingShed = true;
    d.ClearDraft();
    d.Ends = 3, d.Picks = 6;
    for (int p = 1; p <= 5; ++p) d.SetLiftplan(p, 1, true);
    for (bool threaded : {false, true}) {
        d.PatternThreading[2] = threaded ? 1 : 0;
        const auto back = ReadBack(WifFileBytes(d));
        EXPECT_EQ(back->Ends, 3);
        EXPECT_EQ(back->Picks, 6);
        EXPECT_EQ(SameCloth(d, *back), "") << threaded;
    }
}
