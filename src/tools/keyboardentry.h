#pragma once
// The key logic of keyboard input: a cursor over one grid of the draft (pattern
// threading, treadling A, tie-up AA, liftplan or threading A), moved by the
// arrow, Home and End keys, and keys that set, clear, insert and delete. Each
// change is written to the draft at once and the cells it touches are handed
// to an EntryPainter. No widgets here.

#include "model/draft.h"
#include "view/draftlayout.h"

namespace hm {

// The five modes, numbered as the menu items open them.
enum class EntryMode {
    PatternThreading = 1, // F2
    TreadlingA = 2,       // F6
    TieupAA = 3,          // F4
    Liftplan = 4,         // F3
    ThreadingA = 5,       // F5
};

enum class EntryKey {
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    Insert,
    Delete,
    Toggle, // space, the plus key or the numeric-pad plus
    Period, // the main keyboard's full stop
    Digit,  // a main-keyboard digit; 0 means 10
    Other,
};

struct EntryKeyPress {
    EntryKey key = EntryKey::Other;
    int digit = 0;
};

// What the entry repaints; visible indices as the draft painters take them.
class EntryPainter {
  public:
    virtual ~EntryPainter() = default;
    // A threading's column or the treadling's row, at its stored shaft (treadle).
    virtual void SequenceCell(ViewArea area, int index, bool on) = 0;
    virtual void TieupCell(int shaft, int treadle, int value) = 0; // tie-up AA
    virtual void LiftplanCell(int j, int column, bool on) = 0;
    virtual void DrawdownColumn(int i) = 0;
    virtual void DrawdownRow(int j) = 0;
    virtual void ColumnsFrom(int i) = 0;      // threadings, warp bar, drawdown
    virtual void RowsFrom(int j) = 0;         // treadlings, weft bar, drawdown
    virtual void RowsWithLiftplan(int j) = 0; // the same with the liftplan
};

class KeyboardEntry {
  public:
    // The cursor starts at column 1, row 1 of the visible area.
    KeyboardEntry(Draft& d, EntryMode mode, int visibleEnds, int visiblePicks,
                  EntryPainter* painter = nullptr);

    void Press(EntryKeyPress k);
    void Press(EntryKey k, int digit = 0) { Press(EntryKeyPress{k, digit}); }

    EntryMode mode() const { return mode_; }
    int column() const { return column_; }
    int row() const { return row_; }

    // The labels: translation keys and numbers of the two lines.
    const char* TopLabelKey() const;
    const char* BottomLabelKey() const;
    int TopNumber() const;
    int BottomNumber() const;
    // The window caption's key.
    const char* CaptionKey() const;

    // The grid the cursor moves over and the cell under it (u, v of the layout).
    ViewArea Area() const;
    bool CursorCell(const DraftLayout& layout, int& u, int& v) const;
    // Whether the cell under the cursor is set (the cursor then shows in the
    // background colour).
    bool CursorCellSet() const;

    // The sense of the left and right arrows in the liftplan: on when the
    // liftplan's columns follow the screen order (the default); a pattern file
    // that stored the liftplan as starting at the top turns it off.
    bool LiftplanColumnsFollowScreen() const;

  private:
    int End() const { return d_.FirstEnd + column_; }
    int Pick() const { return d_.FirstPick + row_; }
    int ShaftCount() const;
    OneBasedBytes<MaxEnds>& Threading();
    // A threading or treadling A as the cursor meets it: one entry per end
    // (pick), naming its shaft (treadle). The cursor's column and row are the
    // visible end and the shaft in a threading, the other way round in the
    // treadling.
    struct Sequence {
        OneBasedBytes<MaxEnds>& entries; // MaxPicks long as well
        int& index;                      // the visible end (pick)
        int& entry;                      // the shaft (treadle)
        int first;                       // FirstEnd (FirstPick)
        int visible;
        int used; // Ends (Picks)
        int entryCount;
        bool ofEnds;
        int Thread() const { return first + index; }
    };
    static_assert(MaxEnds == MaxPicks);
    Sequence CurrentSequence();
    void SequenceKey(EntryKeyPress k);
    void ToggleEntry(Sequence& seq);
    void InsertOrDeleteThread(Sequence& seq, bool insert);
    void TieupKey(EntryKeyPress k);
    void LiftplanKey(EntryKeyPress k);
    void SetTieup(int value);
    void ToggleLiftplan();

    Draft& d_;
    EntryMode mode_;
    int visibleEnds_;
    int visiblePicks_;
    EntryPainter* painter_;
    int column_ = 1;
    int row_ = 1;
};

// Row r wrapped into 1..n.
int WrapInto(int r, int n);

} // namespace hm
