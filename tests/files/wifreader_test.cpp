// Reading WIF files as real programs write them.
#include <gtest/gtest.h>

#include "files/openfile.h"
#include "files/wiffile.h"
#include "filetestsupport.h"
#include "model/drawdown.h"
#include "wifrule.h"

using namespace hm;
using namespace hmtest;

namespace {

// A 2/2 twill on four shafts and treadles, eight ends and four picks, written plainly.
const std::string Twill = R"([WIF]
Version=1.1
[WEAVING]
Shafts=4
Treadles=4
Rising Shed=true
[WARP]
Threads=8
[WEFT]
Threads=4
[THREADING]
1=1
2=2
3=3
4=4
5=1
6=2
7=3
8=4
[TIEUP]
1=1,2
2=2,3
3=3,4
4=1,4
[TREADLING]
1=4
2=3
3=2
4=1
)";

struct Read {
    std::unique_ptr<Draft> d = std::make_unique<Draft>();
    ReadResult r;
};

Read ReadText(const std::string& text) {
    Read read;
    read.r = ReadWifData(*read.d, QByteArray::fromStdString(text));
    return read;
}

// The text with its first line that reads exactly `line` replaced.
std::string With(std::string text, const std::string& line, const std::string& by) {
    const size_t at = text.find(line + "\n");
    if (at == std::string::npos) return text;
    return text.replace(at, line.size(), by);
}

// The sections in the opposite order.
std::string SectionsReversed(const std::string& text) {
    std::vector<std::string> sections;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start) + 1;
        const std::string line = text.substr(start, end - start);
        if (line[0] == '[' || sections.empty()) sections.emplace_back();
        sections.back() += line;
        start = end;
    }
    std::string reversed;
    for (auto it = sections.rbegin(); it != sections.rend(); ++it) reversed += *it;
    return reversed;
}

std::string Keys(const ReadResult& r) {
    std::string keys;
    for (const Message& m : r.messages)
        keys += m.text + m.suffix.substr(0, m.suffix.find(':')) + ";";
    return keys;
}

// Reads a tidy fixture and checks the draft against the WIF rule.
void ExpectWifCloth(const std::string& text, const char* name) {
    SCOPED_TRACE(name);
    const Read read = ReadText(text);
    ASSERT_FALSE(read.r.HasError()) << Keys(read.r);
    const WifCloth cloth = WifRuleCloth(QByteArray::fromStdString(text));
    EXPECT_EQ(CompareWithWif(*read.d, cloth, std::max(read.d->Ends, cloth.ends),
                             std::max(read.d->Picks, cloth.picks)),
              "");
}

} // namespace

TEST(WifReader, TreadledDraftBecomesGroundLevelA) {
    const Read read = ReadText(Twill);
    EXPECT_TRUE(read.r.messages.empty()) << Keys(read.r);
    const Draft& d = *read.d;
    EXPECT_FALSE(d.PatternThreadingOn);
    EXPECT_FALSE(d.ThreadingBOn || d.TreadlingBOn || d.DesignMode || d.SinkingShed);
    EXPECT_EQ(d.Ends, 8);
    EXPECT_EQ(d.Picks, 4);
    EXPECT_EQ(d.ShaftsA, 4);
    EXPECT_EQ(d.TreadlesA, 4);
    EXPECT_EQ(d.ThreadingA[7], 3);
    EXPECT_EQ(d.TreadlingA[2], 3);
    EXPECT_EQ(d.TieupAA(1, 4), TieGround);
    EXPECT_EQ(d.TieupAA(2, 1), TieGround);
    EXPECT_EQ(d.TieupAA(3, 4), TieNone);
    EXPECT_TRUE(read.r.generalApplied && read.r.forgetCurrentFile && read.r.addToRecent);
    ExpectWifCloth(Twill, "twill");
}

TEST(WifReader, RealFilesQuirksGiveTheSameCloth) {
    const Read clean = ReadText(Twill);
    struct Case {
        const char* name;
        std::string text;
    };
    std::string crlf;
    for (char c : Twill) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string lower;
    for (char c : Twill) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const Case cases[] = {
        {"CR LF line ends", crlf},
        {"lower case sections and keys", lower},
        {"no final line end", Twill.substr(0, Twill.size() - 1)},
        {"garbage before [WIF]", "From: someone\nsubject=draft\n\n" + Twill},
        {"comments, blank lines, blanks around keys and values",
         With(With(Twill, "[TIEUP]", "\n; tie-up follows\n[ TIEUP ]\n"), "2=2,3", "  2 = 2, 3  ")},
        {"sections in another order", SectionsReversed(Twill)},
        {"a private section", Twill + "[PRIVATE SOMEPROGRAM STATE]\nMODE=fast\n7=\n"},
        {"[CONTENTS] that lies",
         With(Twill, "[WIF]", "[WIF]\n[CONTENTS]\nLIFTPLAN=true\nTREADLING=false\nTIEUP=no")},
        {"counts that disagree with the data",
         With(With(Twill, "Shafts=4", "Shafts=2"), "Threads=8", "Threads=6")},
        {"a pseudo header inside [TEXT]",
         With(Twill, "[WEAVING]", "[TEXT]\n[TIEUP] (default = 1)\n[WEAVING]")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Read read = ReadText(c.text);
        EXPECT_TRUE(read.r.messages.empty()) << Keys(read.r);
        EXPECT_EQ(SameCloth(*clean.d, *read.d), "");
        EXPECT_EQ(read.d->ThreadingA.bytes, clean.d->ThreadingA.bytes);
    }
}

TEST(WifReader, BooleansInEverySpelling) {
    const std::pair<const char*, bool> spellings[] = {
        {"true", false}, {"YES", false}, {"on", false}, {"1", false},
        {"False", true}, {"no", true},   {"OFF", true}, {"0", true}};
    for (const auto& [word, sinking] : spellings) {
        const Read read =
            ReadText(With(Twill, "Rising Shed=true", std::string("Rising Shed=") + word));
        EXPECT_EQ(read.d->SinkingShed, sinking) << word;
        EXPECT_TRUE(read.r.messages.empty()) << word;
    }
    const Read odd = ReadText(With(Twill, "Rising Shed=true", "Rising Shed=perhaps"));
    EXPECT_FALSE(odd.d->SinkingShed);
    EXPECT_EQ(Keys(odd.r), "@wifbadvalue 6;");
}

TEST(WifReader, ZerosEmptyValuesAndMissingKeysMeanNone) {
    ExpectWifCloth(R"([WIF]
[WARP]
Threads=6
[WEFT]
Threads=5
[THREADING]
1=1
2=2
3=
5=0
6=3
[TIEUP]
1=1,3
2=2
3=
4=0
[TREADLING]
1=1
2=
3=0
4=2,0
5=4
)",
                   "zeros and empty values");
}

TEST(WifReader, DamagedLinesAreNamedAndTheRestIsRead) {
    struct Case {
        const char* name;
        std::string text;
        std::string messages;
    };
    const Case cases[] = {
        {"a line without =", With(Twill, "3=3", "3=3\nthree"), "@wifnoequals 15;"},
        {"a key that is no number", With(Twill, "3=3", "3=3\nx=2"), "@wifbadkey 15;"},
        {"key 0 in a threading", With(Twill, "3=3", "3=3\n0=2"), "@wifbadkey 15;"},
        {"a value that is no list of numbers", With(Twill, "3=3", "3=3\n3=three"),
         "@wifbadnumbers 15;"},
        {"a key given twice", With(Twill, "3=3", "3=2\n3=3"), "@wifduplicate 15;"},
        {"a section given twice", Twill + "[THREADING]\n8=4\n",
         "@wifduplicatesection 30;@wifduplicate 31;"},
        {"a spacing that is no number", With(Twill, "Threads=8", "Threads=8\nSpacing=wide"),
         "@wifbadvalue 9;"},
        {"a colour range upside down",
         Twill + "[COLOR PALETTE]\nRange=255,0\n[COLOR TABLE]\n1=1,2,3\n", "@wifbadvalue 31;"},
        {"a colour of two numbers", Twill + "[COLOR TABLE]\n1=1,2\n", "@wifbadvalue 31;"},
    };
    const Read clean = ReadText(Twill);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Read read = ReadText(c.text);
        EXPECT_FALSE(read.r.HasError());
        EXPECT_EQ(Keys(read.r), c.messages);
        EXPECT_EQ(SameCloth(*clean.d, *read.d), "");
    }

    // A badly damaged file reports its first lines one by one and counts the rest.
    std::string many = Twill + "[TREADLING]\n";
    for (int i = 0; i < 20; ++i) many += "junk\n";
    const Read read = ReadText(many);
    ASSERT_EQ(read.r.messages.size(), 13u);
    EXPECT_EQ(read.r.messages.back().text, "@wifmoreproblems");
    EXPECT_EQ(read.r.messages.back().suffix, " 9");
}

TEST(WifReader, LiftplanAndWhatTheGroundCannotHoldBecomeThePatternLevel) {
    const std::string liftplan = R"([WIF]
[WEAVING]
Shafts=4
Treadles=4
[WARP]
Threads=5
[WEFT]
Threads=4
[THREADING]
1=4
2=3
3=2
4=1
5=4
[LIFTPLAN]
1=1,2
2=2,3
4=4
[TIEUP]
1=1
)";
    const Read read = ReadText(liftplan);
    ASSERT_TRUE(read.r.messages.empty()) << Keys(read.r);
    EXPECT_TRUE(read.d->PatternThreadingOn);
    EXPECT_EQ(read.d->PatternShafts, 4);
    EXPECT_EQ(read.d->PatternThreading[2], 3);
    EXPECT_EQ(read.d->ThreadingA.LastNonZero(MaxEnds), 0);
    EXPECT_TRUE(read.d->GetLiftplan(2, 3));
    EXPECT_FALSE(read.d->GetLiftplan(3, 3));
    ExpectWifCloth(liftplan, "liftplan");

    ExpectWifCloth(With(Twill, "2=3", "2=3,1"), "several treadles on a pick");
    ExpectWifCloth(With(Twill, "3=3", "3=1,3"), "an end on two shafts");
    ExpectWifCloth(With(With(Twill, "8=4", "8=40"), "4=1,4", "4=1,40"), "40 shafts");
    EXPECT_TRUE(ReadText(With(Twill, "2=3", "2=3,1")).d->PatternThreadingOn);
    EXPECT_TRUE(
        ReadText(With(With(Twill, "8=4", "8=40"), "4=1,4", "4=1,40")).d->PatternThreadingOn);
    const Read eighteen = ReadText(With(Twill, "8=4", "8=18"));
    EXPECT_FALSE(eighteen.d->PatternThreadingOn);
    EXPECT_EQ(eighteen.d->ShaftsA, 18);
}

TEST(WifReader, SinkingShedKeepsUnthreadedEndsAndEmptyPicksUp) {
    // In a sinking shed an end without a shaft, and every end on a pick without
    // a treadle or lift, is up.
    const std::string sinking =
        With(With(With(Twill, "Rising Shed=true", "Rising Shed=false"), "6=2", "6="), "3=3", "3=");
    ExpectWifCloth(sinking, "treadled");
    ExpectWifCloth(With(sinking, "3=2", "3=0"), "treadled, empty pick");
    const std::string lift = With(sinking, "[TREADLING]", "[LIFTPLAN]\n1=1,2\n2=3\n[TREADLING]");
    ExpectWifCloth(lift, "liftplan");
    EXPECT_TRUE(ReadText(sinking).d->SinkingShed);
}

TEST(WifReader, TreadlesNumberedFromZero) {
    const std::string zeroBased = R"([WIF]
[WARP]
Threads=3
[WEFT]
Threads=3
[THREADING]
1=1
2=2
3=3
[TIEUP]
0=1
1=2,3
2=3
[TREADLING]
1=0
2=1
3=2
)";
    const Read read = ReadText(zeroBased);
    EXPECT_EQ(Keys(read.r), "@wifzerobased;");
    EXPECT_EQ(read.d->TreadlingA[1], 1);
    EXPECT_EQ(read.d->TieupAA(1, 1), TieGround);
    EXPECT_TRUE(WarpOnTop(*read.d, 2, 3));
    EXPECT_FALSE(WarpOnTop(*read.d, 2, 1));
}

TEST(WifReader, WhatADraftCannotHoldIsNotReadAtAll) {
    const std::pair<std::string, const char*> cases[] = {
        {With(Twill, "8=4", "8=129"), "@wiftoomanyshafts 129;"},
        {With(Twill, "Threads=8", "Threads=4801"), "@wiftoomanyends 4801;"},
        {Twill + "[TREADLING]\n4900=1\n", "@wifduplicatesection 30;@wiftoomanypicks 4900;"},
        {"Hello, this is a letter.\n[Greetings]\n", "@wifnotwif;"},
    };
    for (const auto& [text, messages] : cases) {
        auto d = std::make_unique<Draft>();
        d->ThreadingA[1] = 7;
        d->Note = "kept";
        const ReadResult r = ReadWifData(*d, QByteArray::fromStdString(text));
        EXPECT_TRUE(r.HasError());
        EXPECT_EQ(Keys(r), messages);
        EXPECT_EQ(d->ThreadingA[1], 7);
        EXPECT_EQ(d->Note, "kept");
    }
}

TEST(WifReader, ColoursBecomePaletteEntries) {
    const std::string colours = R"([COLOR PALETTE]
Range=0,999
[COLOR TABLE]
1=999,0,499
2=0,999,0
4=10,20,30
[WARP COLORS]
2=4
3=
5=0
6=11
[WEFT COLORS]
4=2
)";
    const Read read = ReadText(
        With(With(Twill, "Threads=8", "Threads=8\nColor=2"), "Threads=4", "Threads=4\nColor=9") +
        colours);
    // Index 0 and 11 are not in the table, nor is the weft's default 9.
    EXPECT_EQ(Keys(read.r), "@wifnocolor 41;@wifnocolor 42;@wifnocolor 12;");
    const Draft& d = *read.d;
    EXPECT_EQ(d.PaletteRGB[0], (std::array<uint8_t, 3>{255, 0, 127}));
    EXPECT_EQ(d.PaletteRGB[3], (std::array<uint8_t, 3>{3, 5, 8}));
    EXPECT_EQ(d.Palette[1], MakeColor(0, 255, 0));
    const int warp[] = {1, 3, 1, 1, 1, 1, 1, 1};
    for (int e = 1; e <= 8; ++e) EXPECT_EQ(d.WarpColors[e], warp[e - 1]) << e;
    EXPECT_EQ(d.WeftColors[4], 1);
    EXPECT_EQ(d.WeftColors[1], d.DefaultWeftColor());

    // A range that does not start at 0.
    const Read shifted =
        ReadText(Twill + "[COLOR PALETTE]\nRange=20,1200\n[COLOR TABLE]\n1=20,1200,610\n");
    EXPECT_EQ(shifted.d->PaletteRGB[0], (std::array<uint8_t, 3>{0, 255, 128}));
}

TEST(WifReader, TablesNumberedBeyond256AreCompactedAndMergedBeyond256Colours) {
    // Warp end e uses table entry 1000 + e; the weft uses entry 1000 throughout.
    const auto file = [](int ends) {
        std::string text = "[WIF]\n[WARP]\nThreads=" + std::to_string(ends) +
                           "\n[WEFT]\nThreads=2\nColor=1000\n[THREADING]\n1=1\n[COLOR TABLE]\n";
        for (int i = 0; i <= ends; ++i)
            text += std::to_string(1000 + i) + "=" + std::to_string(i % 256) + "," +
                    std::to_string(i / 256 * 100) + ",7\n";
        text += "[WARP COLORS]\n";
        for (int e = 1; e <= ends; ++e)
            text += std::to_string(e) + "=" + std::to_string(1000 + e) + "\n";
        return text;
    };
    const Read few = ReadText(file(3));
    EXPECT_TRUE(few.r.messages.empty());
    for (int e = 1; e <= 3; ++e)
        EXPECT_EQ(few.d->Palette[few.d->WarpColors[e]], MakeColor(e, 0, 7)) << e;
    EXPECT_EQ(few.d->Palette[few.d->WeftColors[1]], MakeColor(0, 0, 7));

    const Read many = ReadText(file(300));
    EXPECT_EQ(Keys(many.r), "@wifcolorsmerged 301;");
    // The weft colour is used most and keeps its exact colour, and so do the first
    // 255 ends; the ends after them get the nearest kept colour.
    EXPECT_EQ(many.d->Palette[many.d->WeftColors[1]], MakeColor(0, 0, 7));
    EXPECT_EQ(many.d->Palette[many.d->WarpColors[1]], MakeColor(1, 0, 7));
    EXPECT_EQ(many.d->Palette[many.d->WarpColors[255]], MakeColor(255, 0, 7));
    EXPECT_EQ(many.d->Palette[many.d->WarpColors[299]], MakeColor(43, 0, 7));
    EXPECT_EQ(many.d->Palette[many.d->WarpColors[256]], MakeColor(0, 0, 7));
}

TEST(WifReader, DensitiesFromSpacing) {
    struct Case {
        const char* warp;
        const char* weft;
        bool inches;
        int epi, ppi;
    };
    const Case cases[] = {
        {"Units=Inches \nSpacing=0.04167", "Units=inches\nSpacing=0.05", true, 24, 20},
        {"Units=centimeters\nSpacing=0.0185", "Units=Centimetres\nSpacing=0.1", false, 54, 10},
        {"Units=decipoints\nSpacing=28.8", "", true, 25, 25},
        {"Units=centimeters\nSpacing=0.1", "Units=inches\nSpacing=0.1", false, 10, 4},
        {"Spacing=0.1", "", false, 25, 25}, // no unit: no density
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.warp);
        const Read read =
            ReadText(With(With(Twill, "Threads=8", std::string("Threads=8\n") + c.warp),
                          "Threads=4", std::string("Threads=4\n") + c.weft));
        EXPECT_EQ(read.d->Inches, c.inches);
        EXPECT_EQ(read.d->Epi, c.epi);
        EXPECT_EQ(read.d->Ppi, c.ppi);
    }
}

TEST(WifReader, TitleAuthorAndNotesGoIntoTheNote) {
    const Read read =
        ReadText(Twill + "[TEXT]\nTitle=Rosepath\nAuthor=M. Weaver\n; Creation Saturday\n"
                         "[NOTES]\n2=\n1=first\n3=d\xE4mpad\n");
    EXPECT_EQ(read.d->Note, "Title: Rosepath\nAuthor: M. Weaver\nfirst\n\nd\xC3\xA4mpad");
}

TEST(WifReader, FileOpenReadsAWifByItsName) {
    EXPECT_EQ(FileKindOf("/x/draft.Wif"), FileKind::Wif);
    TempFolder dir;
    auto d = std::make_unique<Draft>();
    d->Note = "old";
    const OpenResult opened =
        OpenPatternFile(*d, dir.Write("t.wif", QByteArray::fromStdString(Twill)));
    EXPECT_EQ(opened.kind, FileKind::Wif);
    EXPECT_TRUE(opened.read.messages.empty());
    EXPECT_EQ(d->ThreadingA[8], 4);
    EXPECT_TRUE(d->Note.empty());

    const OpenResult missing = OpenPatternFile(*d, dir.Path("missing.wif"));
    EXPECT_TRUE(missing.read.HasError());
    EXPECT_EQ(d->ThreadingA[8], 4);
}
