// The text of the three numeric lists and the start values of their dialogs.
#include <gtest/gtest.h>

#include "output/numericlists.h"
#include "output/printtext.h"

using namespace hm;

namespace {

std::unique_ptr<Draft> PlainDraft(int ends) {
    auto d = std::make_unique<Draft>();
    d->ClearDraft();
    d->Ends = d->Picks = std::max(ends, 100);
    d->PatternShafts = d->LiftplanWidth = 4;
    d->ThreadingFromRight = false;
    for (int e = 1; e <= ends; ++e) {
        d->PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d->WarpColors[e] = static_cast<uint8_t>(e == 2 ? 123 : e == 3 ? 45 : 6);
    }
    return d;
}

// The character of end i in a threading line of a block starting at b (left to right).
QChar Column(const QString& line, int b, int i) {
    return line[1 + i - b];
}

int Count(const QStringList& lines, const QString& line) {
    return static_cast<int>(lines.count(line));
}

} // namespace

TEST(NumericLists, ThreadingOfOnePortraitBlock) {
    auto d = PlainDraft(75);
    const QStringList lines = ThreadingListLines(*d, "twill", 1, 75, false);
    // empty, header, 2 empty, hundreds, tens, units, empty, 3 colour lines, empty, 4 shafts
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[1].toStdString(), "  twill     4 Shafts     Ends 1-75");
    EXPECT_EQ(lines[4].trimmed(), QString()); // no end reaches 100
    const QString& tens = lines[5];
    for (int i = 1; i <= 75; ++i) {
        const QChar expected = i % 10 == 0 ? QChar(u'0' + i / 10) : QChar(u' ');
        EXPECT_EQ(Column(tens, 1, i), expected) << i;
        EXPECT_EQ(Column(lines[6], 1, i), QChar(u'0' + i % 10)) << i;
    }
    // Colour 123 at end 2, 45 at end 3, 6 elsewhere.
    EXPECT_EQ(Column(lines[8], 1, 2), u'1');
    EXPECT_EQ(Column(lines[8], 1, 3), u' ');
    EXPECT_EQ(Column(lines[9], 1, 3), u'4');
    EXPECT_EQ(Column(lines[10], 1, 1), u'6');
    // Shaft 1 at the bottom: the last line is shaft 1.
    EXPECT_EQ(lines[15].mid(1, 8).toStdString(), "1---1---");
    EXPECT_EQ(lines[12].mid(1, 8).toStdString(), "---4---4");
    EXPECT_EQ(Count(lines, QString(QChar(12))), 0);
}

TEST(NumericLists, ThreadingBlocksFormFeedsAndThousands) {
    auto d = PlainDraft(1100);
    // 995 .. 1010: b + 74 = 1069 exceeds 999, so a thousands line comes first.
    QStringList lines = ThreadingListLines(*d, "x", 995, 1010, false);
    const QString& thousands = lines[4];
    for (int i = 995; i <= 1069; ++i)
        EXPECT_EQ(Column(thousands, 995, i), (i == 1000 || i == 1010) ? u'1' : u' ') << i;
    EXPECT_EQ(lines[1].toStdString(), "  x     4 Shafts     Ends 995-1010");
    EXPECT_EQ(thousands.size(), 76); // the columns past the last end stay as blanks

    // 1..200 on landscape paper: blocks 1-100 and 101-200, one form feed.
    lines = ThreadingListLines(*d, "x", 200, 1, true); // a reversed range is swapped
    EXPECT_EQ(Count(lines, QString(QChar(12))), 1);
    EXPECT_TRUE(lines.contains("  x     4 Shafts     Ends 101-200"));

    // From the right the block runs from its highest end down.
    d->ThreadingFromRight = true;
    lines = ThreadingListLines(*d, "x", 1, 10, false);
    EXPECT_EQ(lines[6].right(10).toStdString(), "0987654321");
    EXPECT_EQ(lines[6].mid(1, 65).trimmed(), QString());
}

TEST(NumericLists, WarpColorRuns) {
    auto d = PlainDraft(8);
    const int colours[] = {3, 3, 3, 5, 5, 3, 3, 3};
    for (int e = 1; e <= 8; ++e) d->WarpColors[e] = static_cast<uint8_t>(colours[e - 1]);
    const QStringList lines = WarpColorListLines(*d, "stripes", 1, 8, false);
    const QStringList expected = {
        "",
        "     stripes",
        "",
        "     Warp color yarns, Ends 1 - 8",
        "     Note: Starting from end #1 at left side.",
        "",
        "     Index",
        "",
        "       3  3-3",
        "       5  -2-",
    };
    EXPECT_EQ(lines, expected);
}

TEST(NumericLists, WarpColorSectionsEndBeforeTheLineIsTooLong) {
    // 200 ends alternating 1 and 2: one digit per run, 65 runs fill a 75-character line.
    auto d = PlainDraft(200);
    for (int e = 1; e <= 200; ++e) d->WarpColors[e] = static_cast<uint8_t>(e % 2 + 1);
    const QStringList lines = WarpColorListLines(*d, "n", 1, 200, false);
    const qsizetype sections = lines.count("     Index");
    EXPECT_EQ(sections, 4); // 65 + 65 + 65 + 5 runs
    for (const QString& l : lines) EXPECT_LE(l.size(), 75);
    EXPECT_EQ(lines[8].size(), 75);
    EXPECT_EQ(lines[8].left(13).toStdString(), "       1  -1-");
}

TEST(NumericLists, LiftplanLines) {
    auto d = PlainDraft(8);
    d->SetLiftplan(7, 1, true);
    d->SetLiftplan(7, 3, true);
    d->WeftColors[7] = 12;
    QStringList lines = LiftplanListLines(*d, "lp", 7, 7, false);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1].toStdString(), "  lp    4 Shafts    Picks 7-7");
    EXPECT_EQ(lines[4].toStdString(), "    7#   1 - 3 -   12");
    d->ShaftOneAtBottom = false; // the highest column first
    d->PatternTieupOn = true;
    lines = LiftplanListLines(*d, "lp", 7, 7, false);
    EXPECT_EQ(lines[1].toStdString(), "  lp    4 Treadles    Picks 7-7");
    EXPECT_EQ(lines[4].toStdString(), "    7#   - 3 - 1   12");
    // From 33 columns on, no blanks between the cells.
    d->PatternShafts = d->LiftplanWidth = 40;
    d->ShaftOneAtBottom = true;
    lines = LiftplanListLines(*d, "lp", 7, 7, true);
    EXPECT_EQ(lines[4].left(12).toStdString(), "    7#  1-3-");
    EXPECT_EQ(lines[4].size(), 8 + 40 + 5);
}

TEST(NumericLists, DialogStartValues) {
    auto d = PlainDraft(60);
    NumericListDialog s = NumericListStart(NumericList::Threading, *d, false);
    EXPECT_EQ(s.first, 1);
    EXPECT_EQ(s.second, 60); // the last used end, at most 75 on portrait paper
    EXPECT_EQ(s.limits.max, 60);
    EXPECT_EQ(s.caption.toStdString(), "Threading - Numeric Print");
    d = PlainDraft(400);
    s = NumericListStart(NumericList::Threading, *d, false);
    EXPECT_EQ(s.second, 4); // more than 75: the pattern threading's repeat
    for (int e = 1; e <= 400; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e * 7 % 4 + 1);
    d->PatternThreading[399] = 1;
    s = NumericListStart(NumericList::Threading, *d, true);
    EXPECT_EQ(s.second, 400); // no shorter repeat: the length itself

    for (int p = 1; p <= 45; ++p) d->SetLiftplan(p, p % 2 + 1, true);
    EXPECT_EQ(NumericListStart(NumericList::Liftplan, *d, false).second, 45);
    EXPECT_EQ(NumericListStart(NumericList::Liftplan, *d, true).second, 2); // above 40
    EXPECT_EQ(NumericListStart(NumericList::WarpColors, *d, true).second, 400);
}

TEST(NumericLists, LinesTooWideForTheMarginsMoveLeftButStayOnThePaper) {
    PrinterGeometry g;
    g.PrintW = 4960; // A4 across at 600 dpi
    const PrintRect r{600, 600, 4360, 6400};
    struct Case {
        int widest, left;
    } cases[] = {
        {3000, 600}, // inside the margins
        {4360, 600}, // into the right margin, up to the printable edge
        {4560, 400}, // a 76-column block of 12-point Courier: moved left to end there
        {6000, 0},   // wider than the paper: from its left edge
    };
    for (const Case& c : cases) EXPECT_EQ(TextColumnLeft(g, r, c.widest), c.left) << c.widest;
}
