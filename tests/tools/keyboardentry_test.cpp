// Keyboard input's key logic in its five modes, with a painter that records
// what would be repainted.

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tools/keyboardentry.h"
#include "view/viewareas.h"

namespace hm {
namespace {

class RecordingPainter : public EntryPainter {
  public:
    std::vector<std::string> calls;
    void SequenceCell(ViewArea area, int index, bool on) override {
        calls.push_back((IsThreadingArea(area) ? "thr " : "trd ") + std::to_string(index) +
                        (on ? " on" : " off"));
    }
    void TieupCell(int s, int t, int v) override {
        calls.push_back("tie " + std::to_string(s) + "," + std::to_string(t) + "=" +
                        std::to_string(v));
    }
    void LiftplanCell(int j, int c, bool on) override {
        calls.push_back("lift " + std::to_string(j) + "," + std::to_string(c) +
                        (on ? " on" : " off"));
    }
    void DrawdownColumn(int i) override { calls.push_back("col " + std::to_string(i)); }
    void DrawdownRow(int j) override { calls.push_back("row " + std::to_string(j)); }
    void ColumnsFrom(int i) override { calls.push_back("cols from " + std::to_string(i)); }
    void RowsFrom(int j) override { calls.push_back("rows from " + std::to_string(j)); }
    void RowsWithLiftplan(int j) override {
        calls.push_back("lift rows from " + std::to_string(j));
    }
};

using Calls = std::vector<std::string>;

class KeyboardEntryTest : public ::testing::Test {
  protected:
    Draft d;
    RecordingPainter p;
    KeyboardEntry Make(EntryMode m, int ends = 40, int picks = 30) {
        return KeyboardEntry(d, m, ends, picks, &p);
    }
};

TEST_F(KeyboardEntryTest, DigitsThreadAndToggleTheEndsOneAfterAnother) {
    d.PatternShafts = 8;
    d.ThreadingFromRight = true; // the left arrow goes to higher ends
    KeyboardEntry e = Make(EntryMode::PatternThreading);
    e.Press(EntryKey::Digit, 3);
    EXPECT_EQ(d.PatternThreading[1], 3);
    EXPECT_EQ(e.column(), 2);
    EXPECT_EQ(p.calls, (Calls{"thr 1 off", "thr 1 on", "col 1"}));
    e.Press(EntryKey::Digit, 3);
    EXPECT_EQ(d.PatternThreading[2], 3);
    e.Press(EntryKey::Right); // back towards end 1 on the screen
    e.Press(EntryKey::Right);
    EXPECT_EQ(e.column(), 1);
    p.calls.clear();
    e.Press(EntryKey::Digit, 3);
    EXPECT_EQ(d.PatternThreading[1], 0);
    EXPECT_EQ(p.calls, (Calls{"thr 1 off", "col 1"}));
    EXPECT_EQ(e.TopNumber(), 2);
    EXPECT_STREQ(e.TopLabelKey(), "@idend");
    EXPECT_STREQ(e.BottomLabelKey(), "@idshaft");
}

TEST_F(KeyboardEntryTest, DigitZeroMeansTenAndDigitsAboveTheShaftCountAreIgnored) {
    d.PatternShafts = 8;
    KeyboardEntry e = Make(EntryMode::PatternThreading);
    e.Press(EntryKey::Digit, 0);
    e.Press(EntryKey::Digit, 9);
    EXPECT_EQ(d.PatternThreading[1], 0);
    EXPECT_EQ(e.column(), 1);
    EXPECT_TRUE(p.calls.empty());
    d.PatternShafts = 12;
    e.Press(EntryKey::Digit, 0);
    EXPECT_EQ(d.PatternThreading[1], 10);
    EXPECT_EQ(e.row(), 10);
}

TEST_F(KeyboardEntryTest, ThreadingRowsWrapAndColumnsStopAtTheEdges) {
    d.PatternShafts = 8;
    d.ShaftOneAtBottom = false; // shaft 1 at the top
    d.ThreadingFromRight = false;
    KeyboardEntry e = Make(EntryMode::PatternThreading, 3);
    e.Press(EntryKey::Up);
    EXPECT_EQ(e.row(), 8);
    e.Press(EntryKey::Down);
    EXPECT_EQ(e.row(), 1);
    e.Press(EntryKey::Left);
    EXPECT_EQ(e.column(), 1);
    for (int k = 0; k < 5; ++k) e.Press(EntryKey::Right);
    EXPECT_EQ(e.column(), 3);
    e.Press(EntryKey::Home);
    EXPECT_EQ(e.column(), 1);
    e.Press(EntryKey::End);
    EXPECT_EQ(e.column(), 3);
    // Toggling in the last visible column does not move on.
    e.Press(EntryKey::Toggle);
    EXPECT_EQ(d.PatternThreading[3], 1);
    EXPECT_EQ(e.column(), 3);
    // Shaft 1 at the bottom turns the up and down arrows round.
    d.ShaftOneAtBottom = true;
    e.Press(EntryKey::Up);
    EXPECT_EQ(e.row(), 2);
}

TEST_F(KeyboardEntryTest, InsertAndDeleteMoveTheThreadingOnly) {
    d.Ends = 10;
    for (int i = 1; i <= 10; ++i) {
        d.PatternThreading[i] = static_cast<uint8_t>(i % 8 + 1);
        d.ThreadingA[i] = 1;
    }
    const Draft before = d;
    d.FirstEnd = 0;
    KeyboardEntry e = Make(EntryMode::PatternThreading);
    for (int k = 0; k < 4; ++k) e.Press(d.ThreadingFromRight ? EntryKey::Left : EntryKey::Right);
    e.Press(EntryKey::Digit, 0); // ignored: 8 shafts
    e.Press(EntryKey::Up);       // some row
    const int row = e.row();
    ASSERT_EQ(e.column(), 5);
    e.Press(EntryKey::Insert);
    EXPECT_EQ(d.PatternThreading[5], row);
    for (int i = 6; i <= 10; ++i) EXPECT_EQ(d.PatternThreading[i], before.PatternThreading[i - 1]);
    EXPECT_EQ(d.ThreadingA[10], 1);
    EXPECT_EQ(p.calls.back(), "cols from 5");
    e.Press(EntryKey::Delete);
    for (int i = 5; i <= 9; ++i) EXPECT_EQ(d.PatternThreading[i], before.PatternThreading[i]);
    EXPECT_EQ(d.PatternThreading[10], 0);
    // Nothing happens in the last visible column.
    KeyboardEntry last = Make(EntryMode::ThreadingA, 6);
    last.Press(EntryKey::End);
    last.Press(EntryKey::Insert);
    last.Press(EntryKey::Delete);
    EXPECT_EQ(d.ThreadingA[6], 1);
    EXPECT_EQ(d.ThreadingA[10], 1);
}

TEST_F(KeyboardEntryTest, TreadlingDigitsSetTheTreadleAndAdvanceThePick) {
    d.TreadlesA = 4;
    d.LiftplanFromBottom = true;
    d.ShaftOneAtBottom = true;
    KeyboardEntry e = Make(EntryMode::TreadlingA);
    e.Press(EntryKey::Digit, 2);
    EXPECT_EQ(d.TreadlingA[1], 2);
    EXPECT_EQ(e.row(), 2);
    EXPECT_EQ(p.calls, (Calls{"trd 1 off", "trd 1 on", "row 1"}));
    e.Press(EntryKey::Digit, 5); // above TreadlesA
    EXPECT_EQ(d.TreadlingA[2], 0);
    e.Press(EntryKey::Left); // from treadle 2 to 1
    e.Press(EntryKey::Left); // wraps to 4
    EXPECT_EQ(e.column(), 4);
    e.Press(EntryKey::Down); // towards earlier picks
    EXPECT_EQ(e.row(), 1);
    e.Press(EntryKey::Down);
    EXPECT_EQ(e.row(), 1);
    e.Press(EntryKey::Insert);
    EXPECT_EQ(d.TreadlingA[1], 4);
    EXPECT_EQ(d.TreadlingA[2], 2);
    EXPECT_STREQ(e.TopLabelKey(), "@idpick");
    EXPECT_STREQ(e.BottomLabelKey(), "@idtreadle");
    EXPECT_EQ(e.BottomNumber(), 4);
}

TEST_F(KeyboardEntryTest, TreadlingInsertAndDeleteMoveTreadlingAOnly) {
    d.Picks = 6;
    d.TreadlesA = 4;
    d.FirstPick = 2;
    for (int j = 1; j <= 6; ++j) {
        d.TreadlingA[j] = static_cast<uint8_t>(j % 4 + 1);
        d.TreadlingB[j] = 1;
    }
    const Draft before = d;
    KeyboardEntry e = Make(EntryMode::TreadlingA, 40, 3);
    e.Press(EntryKey::Digit, 3); // pick 3 set, the cursor on pick 4
    e.Press(EntryKey::Insert);
    EXPECT_EQ(d.TreadlingA[4], 3);
    EXPECT_EQ(d.TreadlingA[5], before.TreadlingA[4]);
    EXPECT_EQ(d.TreadlingB[7], 0);
    EXPECT_EQ(p.calls.back(), "rows from 2");
    e.Press(EntryKey::Delete);
    EXPECT_EQ(d.TreadlingA[4], before.TreadlingA[4]);
    // Nothing happens in the last visible row or past the picks in use.
    e.Press(EntryKey::End);
    e.Press(EntryKey::Insert);
    EXPECT_EQ(d.TreadlingA[5], before.TreadlingA[5]);
    d.FirstPick = 6;
    const auto kept = d.TreadlingA.bytes;
    e.Press(EntryKey::Home);
    e.Press(EntryKey::Delete);
    EXPECT_EQ(d.TreadlingA.bytes, kept);
}

TEST_F(KeyboardEntryTest, TieupPeriodWritesAPatternTieAndSpaceCycles) {
    d.TreadlingA[3] = 1;
    d.TreadlingA[7] = 1;
    d.TreadlingA[8] = 2;
    KeyboardEntry e = Make(EntryMode::TieupAA, 40, 10);
    e.Press(EntryKey::Period);
    EXPECT_EQ(d.TieupAA(1, 1), TiePattern);
    EXPECT_EQ(p.calls, (Calls{"tie 1,1=2", "row 3", "row 7"}));
    e.Press(EntryKey::Toggle);
    EXPECT_EQ(d.TieupAA(1, 1), TieGround);
    e.Press(EntryKey::Toggle);
    EXPECT_EQ(d.TieupAA(1, 1), TieNone);
    EXPECT_EQ(e.column(), 1); // the cursor stays
    e.Press(EntryKey::Digit, 2);
    EXPECT_EQ(d.TieupAA(1, 1), TieNone);
    // Up goes to shaft 2 with shaft 1 at the bottom; columns and rows wrap.
    d.ShaftOneAtBottom = true;
    e.Press(EntryKey::Up);
    EXPECT_EQ(e.row(), 2);
    e.Press(EntryKey::Left);
    EXPECT_EQ(e.column(), d.TreadlesA);
    EXPECT_EQ(e.TopNumber(), 2);
    EXPECT_STREQ(e.TopLabelKey(), "@idshaft");
}

TEST_F(KeyboardEntryTest, LiftplanRowsAreClampedAndColumnsWrap) {
    d.LiftplanWidth = 8;
    d.LiftplanFromBottom = true;
    d.ShaftOneAtBottom = true;
    KeyboardEntry e = Make(EntryMode::Liftplan, 40, 5);
    e.Press(EntryKey::End);
    EXPECT_EQ(e.row(), 5);
    e.Press(EntryKey::Up);
    EXPECT_EQ(e.row(), 5);
    e.Press(EntryKey::Left);
    EXPECT_EQ(e.column(), 8);
    e.Press(EntryKey::Right);
    EXPECT_EQ(e.column(), 1);
    e.Press(EntryKey::Home);
    e.Press(EntryKey::Toggle);
    EXPECT_TRUE(d.GetLiftplan(1, 1));
    EXPECT_TRUE(e.CursorCellSet());
    EXPECT_EQ(e.row(), 1); // no advance
    e.Press(EntryKey::Toggle);
    EXPECT_FALSE(d.GetLiftplan(1, 1));
    d.SetLiftplan(1, 3, true);
    d.SetLiftplan(2, 4, true);
    e.Press(EntryKey::Insert);
    EXPECT_FALSE(d.GetLiftplan(1, 3));
    EXPECT_TRUE(d.GetLiftplan(2, 3));
    EXPECT_TRUE(d.GetLiftplan(3, 4));
    EXPECT_EQ(p.calls.back(), "lift rows from 1");
    e.Press(EntryKey::Delete);
    EXPECT_TRUE(d.GetLiftplan(1, 3));
    EXPECT_TRUE(d.GetLiftplan(2, 4));
    // The liftplan mode inserts in the last visible row too.
    d.SetLiftplan(5, 6, true);
    e.Press(EntryKey::End);
    e.Press(EntryKey::Insert);
    EXPECT_FALSE(d.GetLiftplan(5, 6));
    EXPECT_TRUE(d.GetLiftplan(6, 6));
    e.Press(EntryKey::Delete);
    EXPECT_TRUE(d.GetLiftplan(5, 6));
    e.Press(EntryKey::Home);
    // Treadle 1 on the right: the arrows follow the screen.
    d.ShaftOneAtBottom = false;
    e.Press(EntryKey::Left);
    EXPECT_EQ(e.column(), 2);
}

TEST(KeyboardEntryLabels, ScrolledPositionsAddTheOffsets) {
    Draft d;
    d.FirstEnd = 100;
    d.FirstPick = 50;
    KeyboardEntry t(d, EntryMode::ThreadingA, 20, 20);
    EXPECT_EQ(t.TopNumber(), 101);
    t.Press(EntryKey::Digit, 2);
    EXPECT_EQ(d.ThreadingA[101], 2);
    KeyboardEntry l(d, EntryMode::Liftplan, 20, 20);
    EXPECT_EQ(l.TopNumber(), 51);
    EXPECT_STREQ(l.CaptionKey(), "@dragnota");
}

} // namespace
} // namespace hm
