#include "tools/keyboardentry.h"

#include <algorithm>

#include "ops/insertdelete.h"

namespace hm {

int WrapInto(int r, int n) {
    if (n <= 0) return 1;
    if (r < 1) return n;
    if (r > n) return 1;
    return r;
}

KeyboardEntry::KeyboardEntry(Draft& d, EntryMode mode, int visibleEnds, int visiblePicks,
                             EntryPainter* painter)
    : d_(d), mode_(mode), visibleEnds_(std::max(1, visibleEnds)),
      visiblePicks_(std::max(1, visiblePicks)), painter_(painter) {}

ViewArea KeyboardEntry::Area() const {
    switch (mode_) {
    case EntryMode::PatternThreading:
        return ViewArea::PatternThreading;
    case EntryMode::TreadlingA:
        return ViewArea::TreadlingA;
    case EntryMode::TieupAA:
        return ViewArea::TieupAA;
    case EntryMode::Liftplan:
        return ViewArea::Liftplan;
    case EntryMode::ThreadingA:
        return ViewArea::ThreadingA;
    }
    return ViewArea::None;
}

const char* KeyboardEntry::CaptionKey() const {
    switch (mode_) {
    case EntryMode::PatternThreading:
        return "@monsolv";
    case EntryMode::TreadlingA:
        return "@trampning_a";
    case EntryMode::TieupAA:
        return "@tieup_aa";
    case EntryMode::Liftplan:
        return "@dragnota";
    case EntryMode::ThreadingA:
        return "@skaftgrupp_a";
    }
    return "";
}

const char* KeyboardEntry::TopLabelKey() const {
    switch (mode_) {
    case EntryMode::PatternThreading:
    case EntryMode::ThreadingA:
        return "@idend";
    case EntryMode::TieupAA:
        return "@idshaft";
    case EntryMode::TreadlingA:
    case EntryMode::Liftplan:
        return "@idpick";
    }
    return "";
}

const char* KeyboardEntry::BottomLabelKey() const {
    switch (mode_) {
    case EntryMode::PatternThreading:
    case EntryMode::ThreadingA:
    case EntryMode::Liftplan:
        return "@idshaft";
    case EntryMode::TreadlingA:
    case EntryMode::TieupAA:
        return "@idtreadle";
    }
    return "";
}

int KeyboardEntry::TopNumber() const {
    switch (mode_) {
    case EntryMode::PatternThreading:
    case EntryMode::ThreadingA:
        return End();
    case EntryMode::TieupAA:
        return row_;
    case EntryMode::TreadlingA:
    case EntryMode::Liftplan:
        return Pick();
    }
    return 0;
}

int KeyboardEntry::BottomNumber() const {
    switch (mode_) {
    case EntryMode::PatternThreading:
    case EntryMode::ThreadingA:
        return row_;
    case EntryMode::TreadlingA:
    case EntryMode::TieupAA:
    case EntryMode::Liftplan:
        return column_;
    }
    return 0;
}

int KeyboardEntry::ShaftCount() const {
    return mode_ == EntryMode::PatternThreading ? d_.PatternShafts : d_.ShaftsA;
}

OneBasedBytes<MaxEnds>& KeyboardEntry::Threading() {
    return mode_ == EntryMode::PatternThreading ? d_.PatternThreading : d_.ThreadingA;
}

bool KeyboardEntry::LiftplanColumnsFollowScreen() const {
    return d_.LiftplanStart != 4;
}

bool KeyboardEntry::CursorCell(const DraftLayout& l, int& u, int& v) const {
    const ViewArea area = Area();
    if (!l.Block(area).shown) return false;
    switch (mode_) {
    case EntryMode::PatternThreading:
    case EntryMode::ThreadingA:
        u = l.EndColumn(column_);
        v = l.ShaftRow(area, row_);
        return true;
    case EntryMode::TreadlingA:
    case EntryMode::Liftplan:
        u = l.TreadleColumn(area, column_);
        v = l.PickRow(row_);
        return true;
    case EntryMode::TieupAA:
        u = l.TreadleColumn(area, column_);
        v = l.ShaftRow(area, row_);
        return true;
    }
    return false;
}

bool KeyboardEntry::CursorCellSet() const {
    switch (mode_) {
    case EntryMode::PatternThreading:
        return End() <= MaxEnds && d_.PatternThreading[End()] == row_;
    case EntryMode::ThreadingA:
        return End() <= MaxEnds && d_.ThreadingA[End()] == row_;
    case EntryMode::TreadlingA:
        return Pick() <= MaxPicks && d_.TreadlingA[Pick()] == column_;
    case EntryMode::TieupAA:
        return d_.TieupAA(row_, column_) == TieGround;
    case EntryMode::Liftplan:
        return Pick() <= MaxPicks && d_.GetLiftplan(Pick(), column_);
    }
    return false;
}

void KeyboardEntry::Press(EntryKeyPress k) {
    switch (mode_) {
    case EntryMode::PatternThreading:
    case EntryMode::ThreadingA:
    case EntryMode::TreadlingA:
        SequenceKey(k);
        break;
    case EntryMode::TieupAA:
        TieupKey(k);
        break;
    case EntryMode::Liftplan:
        LiftplanKey(k);
        break;
    }
}

namespace {

EntryKey Opposite(EntryKey arrow) {
    switch (arrow) {
    case EntryKey::Up:
        return EntryKey::Down;
    case EntryKey::Down:
        return EntryKey::Up;
    case EntryKey::Left:
        return EntryKey::Right;
    case EntryKey::Right:
        return EntryKey::Left;
    default:
        return arrow;
    }
}

// An arrow key moves `pos` one cell along the axis whose numbers grow towards
// the `forward` arrow: round within 1..n, or stopping at 1 and n. False for any
// other key.
bool MoveOnArrow(EntryKey key, EntryKey forward, int& pos, int n, bool wraps) {
    const int step = key == forward ? 1 : key == Opposite(forward) ? -1 : 0;
    if (step == 0) return false;
    pos = wraps ? WrapInto(pos + step, n) : std::clamp(pos + step, 1, n);
    return true;
}

} // namespace

// ---- threadings and treadling A ----

KeyboardEntry::Sequence KeyboardEntry::CurrentSequence() {
    if (mode_ == EntryMode::TreadlingA)
        return {d_.TreadlingA, row_,     column_,      d_.FirstPick,
                visiblePicks_, d_.Picks, d_.TreadlesA, false};
    return {Threading(), column_, row_, d_.FirstEnd, visibleEnds_, d_.Ends, ShaftCount(), true};
}

void KeyboardEntry::SequenceKey(EntryKeyPress k) {
    Sequence seq = CurrentSequence();
    // The arrows towards higher shafts (treadles) and later ends (picks) on the screen.
    const EntryKey higherEntry = seq.ofEnds
                                     ? (d_.ShaftOneAtTop() ? EntryKey::Down : EntryKey::Up)
                                     : (d_.ShaftOneAtBottom ? EntryKey::Right : EntryKey::Left);
    const EntryKey laterThread = seq.ofEnds
                                     ? (d_.ThreadingFromRight ? EntryKey::Left : EntryKey::Right)
                                     : (d_.LiftplanFromBottom ? EntryKey::Up : EntryKey::Down);
    if (MoveOnArrow(k.key, higherEntry, seq.entry, seq.entryCount, true) ||
        MoveOnArrow(k.key, laterThread, seq.index, seq.visible, false))
        return;
    switch (k.key) {
    case EntryKey::Digit: {
        const int digit = k.digit == 0 ? 10 : k.digit;
        if (digit > seq.entryCount) break;
        seq.entry = digit;
        ToggleEntry(seq);
        break;
    }
    case EntryKey::Toggle:
        ToggleEntry(seq);
        break;
    case EntryKey::Insert:
    case EntryKey::Delete:
        if (seq.index < seq.visible && seq.Thread() <= seq.used)
            InsertOrDeleteThread(seq, k.key == EntryKey::Insert);
        break;
    case EntryKey::End:
        seq.index = seq.visible;
        break;
    case EntryKey::Home:
        seq.index = 1;
        break;
    default:
        break;
    }
}

void KeyboardEntry::ToggleEntry(Sequence& seq) {
    if (seq.Thread() > seq.entries.size() || seq.entry < 1 || seq.entry > seq.entryCount) return;
    uint8_t& stored = seq.entries[seq.Thread()];
    const bool on = stored != seq.entry;
    if (painter_) painter_->SequenceCell(Area(), seq.index, false);
    stored = on ? static_cast<uint8_t>(seq.entry) : 0;
    if (painter_) {
        if (on) painter_->SequenceCell(Area(), seq.index, true);
        if (seq.ofEnds)
            painter_->DrawdownColumn(seq.index);
        else
            painter_->DrawdownRow(seq.index);
    }
    if (seq.index < seq.visible) ++seq.index;
}

// Inserts an end (pick) at the cursor, set at the cursor's shaft (treadle), or
// deletes the one there; only this sequence moves.
void KeyboardEntry::InsertOrDeleteThread(Sequence& seq, bool insert) {
    const int at = seq.Thread();
    if (seq.ofEnds) {
        const EndArrays one{mode_ == EntryMode::PatternThreading, mode_ == EntryMode::ThreadingA,
                            false, false};
        if (insert)
            InsertEnds(d_, at, 1, one);
        else
            DeleteEnds(d_, at, at, one);
    } else {
        const PickArrays one{false, true, false, false};
        if (insert)
            InsertPicks(d_, at, 1, one);
        else
            DeletePicks(d_, at, at, one);
    }
    if (insert) seq.entries[at] = static_cast<uint8_t>(seq.entry);
    if (!painter_) return;
    if (seq.ofEnds)
        painter_->ColumnsFrom(seq.index);
    else
        painter_->RowsFrom(seq.index);
}

// ---- tie-up AA (columns are treadles A, rows shafts A) ----

void KeyboardEntry::TieupKey(EntryKeyPress k) {
    const bool leftToRight = d_.ShaftOneAtBottom;
    const bool top = d_.ShaftOneAtTop();
    if (MoveOnArrow(k.key, leftToRight ? EntryKey::Right : EntryKey::Left, column_, d_.TreadlesA,
                    true) ||
        MoveOnArrow(k.key, top ? EntryKey::Down : EntryKey::Up, row_, d_.ShaftsA, true))
        return;
    switch (k.key) {
    case EntryKey::Toggle:
        SetTieup(d_.TieupAA(row_, column_) != TieGround ? TieGround : TieNone);
        break;
    case EntryKey::Period:
        SetTieup(TiePattern);
        break;
    default:
        break;
    }
}

void KeyboardEntry::SetTieup(int value) {
    if (row_ < 1 || row_ > std::min(d_.ShaftsA, MaxShafts) || column_ < 1 ||
        column_ > std::min(d_.TreadlesA, MaxTreadles))
        return;
    if (painter_) painter_->TieupCell(row_, column_, value);
    d_.TieupAA(row_, column_) = static_cast<uint8_t>(value);
    if (!painter_) return;
    for (int j = 1; j <= visiblePicks_; ++j) {
        const int pick = d_.FirstPick + j;
        if (pick <= MaxPicks && d_.TreadlingA[pick] == column_) painter_->DrawdownRow(j);
    }
}

// ---- liftplan (columns are pattern shafts, rows picks) ----

void KeyboardEntry::LiftplanKey(EntryKeyPress k) {
    const int n = std::min(d_.LiftplanWidth, MaxPatternShafts);
    const bool follow = LiftplanColumnsFollowScreen();
    const EntryKey higherShaft =
        (d_.ShaftOneAtBottom || !follow) ? EntryKey::Right : EntryKey::Left;
    if (MoveOnArrow(k.key, higherShaft, column_, n, true) ||
        MoveOnArrow(k.key, d_.LiftplanFromBottom ? EntryKey::Up : EntryKey::Down, row_,
                    visiblePicks_, false))
        return;
    switch (k.key) {
    case EntryKey::Toggle:
        ToggleLiftplan();
        break;
    case EntryKey::Insert:
    case EntryKey::Delete: {
        // Unlike the threading and treadling modes, the liftplan mode also
        // inserts and deletes in the last visible row.
        if (Pick() > d_.Picks) break;
        const PickArrays one{true, false, false, false};
        if (k.key == EntryKey::Insert)
            InsertPicks(d_, Pick(), 1, one);
        else
            DeletePicks(d_, Pick(), Pick(), one);
        if (painter_) painter_->RowsWithLiftplan(row_);
        break;
    }
    case EntryKey::End:
        row_ = visiblePicks_;
        break;
    case EntryKey::Home:
        row_ = 1;
        break;
    default:
        break;
    }
}

void KeyboardEntry::ToggleLiftplan() {
    if (Pick() > MaxPicks || column_ < 1 || column_ > std::min(d_.LiftplanWidth, MaxPatternShafts))
        return;
    const bool on = !d_.GetLiftplan(Pick(), column_);
    if (painter_) painter_->LiftplanCell(row_, column_, on);
    d_.SetLiftplan(Pick(), column_, on);
    if (painter_) painter_->DrawdownRow(row_);
}

} // namespace hm
