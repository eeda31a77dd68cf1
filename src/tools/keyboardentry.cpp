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
        ThreadingKey(k);
        break;
    case EntryMode::TreadlingA:
        TreadlingKey(k);
        break;
    case EntryMode::TieupAA:
        TieupKey(k);
        break;
    case EntryMode::Liftplan:
        LiftplanKey(k);
        break;
    }
}

// ---- threadings (columns are ends, rows shafts) ----

void KeyboardEntry::ThreadingKey(EntryKeyPress k) {
    const int n = ShaftCount();
    const bool top = d_.ShaftOneAtTop();
    // The arrow towards higher ends on the screen.
    const EntryKey later = d_.ThreadingFromRight ? EntryKey::Left : EntryKey::Right;
    const EntryKey earlier = d_.ThreadingFromRight ? EntryKey::Right : EntryKey::Left;
    switch (k.key) {
    case EntryKey::Down:
        row_ = WrapInto(row_ + (top ? 1 : -1), n);
        break;
    case EntryKey::Up:
        row_ = WrapInto(row_ + (top ? -1 : 1), n);
        break;
    case EntryKey::Left:
    case EntryKey::Right:
        if (k.key == later && column_ < visibleEnds_) ++column_;
        if (k.key == earlier && column_ > 1) --column_;
        break;
    case EntryKey::Digit: {
        const int digit = k.digit == 0 ? 10 : k.digit;
        if (digit > n) break;
        row_ = digit;
        ToggleThreading();
        break;
    }
    case EntryKey::Toggle:
        ToggleThreading();
        break;
    case EntryKey::Insert:
    case EntryKey::Delete: {
        if (column_ >= visibleEnds_ || End() > d_.Ends) break;
        const EndArrays one{mode_ == EntryMode::PatternThreading, mode_ == EntryMode::ThreadingA,
                            false, false};
        if (k.key == EntryKey::Insert) {
            InsertEnds(d_, End(), 1, one);
            Threading()[End()] = static_cast<uint8_t>(row_);
        } else {
            DeleteEnds(d_, End(), End(), one);
        }
        if (painter_) painter_->ColumnsFrom(column_);
        break;
    }
    case EntryKey::End:
        column_ = visibleEnds_;
        break;
    case EntryKey::Home:
        column_ = 1;
        break;
    default:
        break;
    }
}

void KeyboardEntry::ToggleThreading() {
    if (End() > MaxEnds || row_ < 1 || row_ > ShaftCount()) return;
    const ViewArea area = Area();
    auto& t = Threading();
    if (painter_) painter_->ThreadingCell(area, column_, false);
    if (t[End()] == row_) {
        t[End()] = 0;
    } else {
        t[End()] = static_cast<uint8_t>(row_);
        if (painter_) painter_->ThreadingCell(area, column_, true);
    }
    if (painter_) painter_->DrawdownColumn(column_);
    if (column_ < visibleEnds_) ++column_;
}

// ---- treadling A (columns are treadles, rows picks) ----

void KeyboardEntry::TreadlingKey(EntryKeyPress k) {
    const int n = d_.TreadlesA;
    const bool leftToRight = d_.ShaftOneAtBottom;
    const EntryKey later = d_.LiftplanFromBottom ? EntryKey::Up : EntryKey::Down;
    const EntryKey earlier = d_.LiftplanFromBottom ? EntryKey::Down : EntryKey::Up;
    switch (k.key) {
    case EntryKey::Right:
        column_ = WrapInto(column_ + (leftToRight ? 1 : -1), n);
        break;
    case EntryKey::Left:
        column_ = WrapInto(column_ + (leftToRight ? -1 : 1), n);
        break;
    case EntryKey::Up:
    case EntryKey::Down:
        if (k.key == later && row_ < visiblePicks_) ++row_;
        if (k.key == earlier && row_ > 1) --row_;
        break;
    case EntryKey::Digit: {
        const int digit = k.digit == 0 ? 10 : k.digit;
        if (digit > n) break;
        column_ = digit;
        ToggleTreadling();
        break;
    }
    case EntryKey::Toggle:
        ToggleTreadling();
        break;
    case EntryKey::Insert:
    case EntryKey::Delete: {
        if (row_ >= visiblePicks_ || Pick() > d_.Picks) break;
        const PickArrays one{false, true, false, false};
        if (k.key == EntryKey::Insert) {
            InsertPicks(d_, Pick(), 1, one);
            d_.TreadlingA[Pick()] = static_cast<uint8_t>(column_);
        } else {
            DeletePicks(d_, Pick(), Pick(), one);
        }
        if (painter_) painter_->RowsFrom(row_);
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

void KeyboardEntry::ToggleTreadling() {
    if (Pick() > MaxPicks || column_ < 1 || column_ > d_.TreadlesA) return;
    if (painter_) painter_->TreadlingCell(ViewArea::TreadlingA, row_, false);
    if (d_.TreadlingA[Pick()] == column_) {
        d_.TreadlingA[Pick()] = 0;
    } else {
        d_.TreadlingA[Pick()] = static_cast<uint8_t>(column_);
        if (painter_) painter_->TreadlingCell(ViewArea::TreadlingA, row_, true);
    }
    if (painter_) painter_->DrawdownRow(row_);
    if (row_ < visiblePicks_) ++row_;
}

// ---- tie-up AA (columns are treadles A, rows shafts A) ----

void KeyboardEntry::TieupKey(EntryKeyPress k) {
    const bool leftToRight = d_.ShaftOneAtBottom;
    const bool top = d_.ShaftOneAtTop();
    switch (k.key) {
    case EntryKey::Right:
        column_ = WrapInto(column_ + (leftToRight ? 1 : -1), d_.TreadlesA);
        break;
    case EntryKey::Left:
        column_ = WrapInto(column_ + (leftToRight ? -1 : 1), d_.TreadlesA);
        break;
    case EntryKey::Up:
        row_ = WrapInto(row_ + (top ? -1 : 1), d_.ShaftsA);
        break;
    case EntryKey::Down:
        row_ = WrapInto(row_ + (top ? 1 : -1), d_.ShaftsA);
        break;
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
    switch (k.key) {
    case EntryKey::Right:
        column_ = WrapInto(column_ + ((d_.ShaftOneAtBottom || !follow) ? 1 : -1), n);
        break;
    case EntryKey::Left:
        column_ = WrapInto(column_ + ((!d_.ShaftOneAtBottom && follow) ? 1 : -1), n);
        break;
    case EntryKey::Up:
        row_ = std::clamp(row_ + (d_.LiftplanFromBottom ? 1 : -1), 1, visiblePicks_);
        break;
    case EntryKey::Down:
        row_ = std::clamp(row_ + (d_.LiftplanFromBottom ? -1 : 1), 1, visiblePicks_);
        break;
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
