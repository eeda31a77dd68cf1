#include "analysis/floats.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "model/drawdown.h"

// The drawdown is asked pick by pick and each pick is also kept as bit masks.
// Runs are counted and summed without looking at them one by one: the lengths
// add up to the cells of each kind, and the number of runs follows from the
// number of changes of face. Only runs that may reach the longest length so
// far are looked at one by one; bit masks find them in bulk, and a run that
// long is rare unless all runs are alike, in which case the masks count them
// without looking.

namespace hm {

namespace {

using Word = uint64_t;

// ---- the longest runs ----

// A finished run at least as long as the longest so far. Runs of equal length
// keep the place that comes first in the walk's order.
void NoteLongRun(FloatStats& s, int length, int end, int pick, bool before) {
    if (length > s.longest) {
        s.longest = length;
        s.longestCount = 1;
        s.end = end;
        s.pick = pick;
    } else if (length == s.longest) {
        ++s.longestCount;
        if (before) {
            s.end = end;
            s.pick = pick;
        }
    }
}

// Warp runs finish pick by pick, but their order is end first, then pick.
void NoteWarpRun(FloatStats& s, int length, int end, int firstPick) {
    NoteLongRun(s, length, end, firstPick, end < s.end || (end == s.end && firstPick < s.pick));
}

// Weft runs finish in the walk's own order, so an equal one never comes first.
void NoteWeftRun(FloatStats& s, int length, int firstEnd, int pick) {
    NoteLongRun(s, length, firstEnd, pick, false);
}

// ---- bit rows: bit j of word w is cell 64 w + j ----

// Set bits of a word, without relying on a popcount instruction being there.
inline int CountBits(Word x) {
    x -= (x >> 1) & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// The top bit of every byte of x that has all eight bits set.
inline Word FullBytes(Word x) {
    constexpr Word low7 = 0x7F7F7F7F7F7F7F7Full;
    const Word y = ~x;
    return ~(((y & low7) + low7) | y | low7);
}

template <class F> void ForEachBit(const Word* mask, int words, F&& f) {
    for (int w = 0; w < words; ++w)
        for (Word m = mask[w]; m != 0; m &= m - 1) f(w * 64 + std::countr_zero(m));
}

int WordsFor(int cells) {
    return (cells + 63) / 64;
}

// Cells of 0 or 1 into bits.
void PackBits(const uint8_t* cells, int count, Word* words) {
    const int fullWords = count / 64;
    for (int w = 0; w < fullWords; ++w) {
        Word v = 0;
        for (int j = 0; j < 64; j += 8) {
            uint64_t eight;
            std::memcpy(&eight, cells + 64 * w + j, 8);
            // Gathers the low bit of each of the eight bytes into the top byte.
            v |= ((eight * 0x0102040810204080ull) >> 56) << j;
        }
        words[w] = v;
    }
    if (count % 64) {
        Word v = 0;
        for (int k = fullWords * 64; k < count; ++k) v |= Word(cells[k]) << (k % 64);
        words[fullWords] = v;
    }
}

// dst[s] = a[s] & b[s + shift], bits beyond the row counting as clear. dst may
// be a or b: every word is read before, or at, its own step.
void AndShifted(Word* dst, const Word* a, const Word* b, int shift, int words) {
    const int q = shift / 64, r = shift % 64;
    for (int w = 0; w < words; ++w) {
        const Word low = w + q < words ? b[w + q] : 0;
        const Word high = w + q + 1 < words ? b[w + q + 1] : 0;
        dst[w] = a[w] & (r ? (low >> r) | (high << (64 - r)) : low);
    }
}

// out[s] set when cells s .. s + length - 1 of x are all set (length >= 1).
// `power` is working space of the same size.
void RunsAtLeast(const Word* x, int length, int words, Word* out, Word* power) {
    std::copy(x, x + words, power);
    int powerLength = 1, have = 0;
    while (length > 0) {
        if (length & 1) {
            if (have == 0)
                std::copy(power, power + words, out);
            else
                AndShifted(out, out, power, have, words);
            have += powerLength;
        }
        length >>= 1;
        if (length > 0) {
            AndShifted(power, power, power, powerLength, words);
            powerLength *= 2;
        }
    }
}

// ---- weft floats: runs along one pick ----

class WeftRuns {
  public:
    explicit WeftRuns(int ends)
        : ends_(ends), words_(WordsFor(ends)), starts_(Size()), atLeast_(Size()), longer_(Size()),
          power_(Size()) {}

    // The runs of one kind in one pick: `set` holds its cells as bits, `row`
    // the pick as bytes, `kind` the byte value of its cells.
    void Add(FloatStats& s, const Word* set, const uint8_t* row, uint8_t kind, int pick) {
        const int longest = s.longest;
        if (longest >= WholeByteRun) {
            int done = 0; // cells before this one belong to runs already seen
            for (int w = 0; w < words_; ++w) {
                for (Word full = FullBytes(set[w]); full != 0; full &= full - 1) {
                    const int cell = w * 64 + std::countr_zero(full) - 7;
                    if (cell < done) continue;
                    const int first = RunStart(row, cell, kind);
                    done = RunEnd(row, cell, kind);
                    if (done - first >= longest) NoteWeftRun(s, done - first, first + 1, pick);
                }
            }
            return;
        }
        Word carry = 0;
        for (int w = 0; w < words_; ++w) {
            starts_[Index(w)] = set[w] & ~((set[w] << 1) | carry);
            carry = set[w] >> 63;
        }
        if (longest > 0) {
            // Exactly: runs of at least the longest length, and longer ones.
            RunsAtLeast(set, longest, words_, atLeast_.data(), power_.data());
            AndShifted(longer_.data(), atLeast_.data(), set, longest, words_);
            Word anyLonger = 0;
            for (int w = 0; w < words_; ++w) {
                atLeast_[Index(w)] &= starts_[Index(w)];
                anyLonger |= longer_[Index(w)] & starts_[Index(w)];
            }
            if (anyLonger == 0) {
                for (int w = 0; w < words_; ++w) s.longestCount += CountBits(atLeast_[Index(w)]);
                return;
            }
            NoteRunsStartingAt(s, atLeast_.data(), row, kind, pick);
            return;
        }
        NoteRunsStartingAt(s, starts_.data(), row, kind, pick);
    }

    int Words() const { return words_; }

  private:
    // A run of 15 cells or more holds a whole aligned byte of the mask.
    static constexpr int WholeByteRun = 15;

    size_t Size() const { return static_cast<size_t>(words_); }
    static size_t Index(int w) { return static_cast<size_t>(w); }

    static int RunStart(const uint8_t* row, int cell, uint8_t kind) {
        while (cell > 0 && row[cell - 1] == kind) --cell;
        return cell;
    }
    // One past the run's last cell.
    int RunEnd(const uint8_t* row, int cell, uint8_t kind) const {
        const void* other = std::memchr(row + cell, kind ^ 1, static_cast<size_t>(ends_ - cell));
        return other ? static_cast<int>(static_cast<const uint8_t*>(other) - row) : ends_;
    }
    void NoteRunsStartingAt(FloatStats& s, const Word* firstCells, const uint8_t* row, uint8_t kind,
                            int pick) const {
        ForEachBit(firstCells, words_, [&](int cell) {
            NoteWeftRun(s, RunEnd(row, cell, kind) - cell, cell + 1, pick);
        });
    }

    int ends_, words_;
    std::vector<Word> starts_, atLeast_, longer_, power_;
};

// ---- warp floats: runs along the ends ----

class WarpRuns {
  public:
    explicit WarpRuns(int ends)
        : ends_(ends), words_(WordsFor(ends)), firstPick_(static_cast<size_t>(ends), 1),
          changed_(Size()), same_(Size()), equal_(Size()) {
        for (auto& r : history_) r.resize(Size());
    }

    // Pick p after pick p - 1 (p >= 2): the runs of the ends that change face
    // end at pick p - 1.
    void Add(FloatCounts& f, const Word* up, const uint8_t* row, const uint8_t* previous,
             int pick) {
        const Word* before = History(pick, 1);
        for (int w = 0; w < words_; ++w) changed_[Index(w)] = up[w] ^ before[w];
        AddKind(f.warpOver, true, pick);
        AddKind(f.warpUnder, false, pick);
        // The ends that changed start a new run here.
        const uint16_t p = static_cast<uint16_t>(pick);
        uint16_t* first = firstPick_.data();
        for (int k = 0; k < ends_; ++k) first[k] = row[k] != previous[k] ? p : first[k];
    }

    // Keeps the pick for the next ones to look back on.
    void Remember(const Word* up, int pick) {
        std::copy(up, up + words_, history_[static_cast<size_t>(pick % HistoryPicks)].begin());
    }

    // The runs still open after the last pick.
    void Finish(FloatCounts& f, const uint8_t* last, int picks) {
        for (int k = 0; k < ends_; ++k) {
            const int first = firstPick_[static_cast<size_t>(k)];
            NoteWarpRun(last[k] ? f.warpOver : f.warpUnder, picks - first + 1, k + 1, first);
        }
    }

  private:
    // Looking back up to nine picks tells runs of up to eight apart exactly.
    static constexpr int HistoryPicks = 9;
    static constexpr int Exact = HistoryPicks - 1;

    size_t Size() const { return static_cast<size_t>(words_); }
    static size_t Index(int w) { return static_cast<size_t>(w); }
    const Word* History(int pick, int back) const {
        return history_[static_cast<size_t>((pick - back) % HistoryPicks)].data();
    }

    // same_ = the ends that lay on the given face on each of the `count` picks
    // before this one (none when there are not that many).
    void SameFace(bool up, int count, int pick) {
        if (count > pick - 1) {
            std::fill(same_.begin(), same_.end(), 0);
            return;
        }
        std::fill(same_.begin(), same_.end(), ~Word(0));
        for (int back = 1; back <= count; ++back) {
            const Word* r = History(pick, back);
            for (int w = 0; w < words_; ++w) same_[Index(w)] &= up ? r[w] : ~r[w];
        }
    }

    void AddKind(FloatStats& s, bool up, int pick) {
        const int longest = s.longest;
        if (longest == 0 || longest > Exact) {
            // Look at every run that ends here and lasted at least min(longest, 8)
            // picks; with any but the most regular cloth there are few.
            SameFace(up, std::clamp(longest, 1, Exact), pick);
            for (int w = 0; w < words_; ++w) same_[Index(w)] &= changed_[Index(w)];
            NoteRunsEndingAt(s, same_.data(), pick);
            return;
        }
        SameFace(up, longest, pick);
        const Word* further = pick - longest - 1 >= 1 ? History(pick, longest + 1) : nullptr;
        Word anyLonger = 0;
        for (int w = 0; w < words_; ++w) {
            const Word atLeast = same_[Index(w)] & changed_[Index(w)];
            const Word longer = further ? atLeast & (up ? further[w] : ~further[w]) : 0;
            same_[Index(w)] = atLeast;
            equal_[Index(w)] = atLeast & ~longer;
            anyLonger |= longer;
        }
        if (anyLonger != 0) {
            NoteRunsEndingAt(s, same_.data(), pick);
            return;
        }
        // Runs exactly as long as the longest: count them; the first of them in
        // end order may move to an earlier end.
        for (int w = 0; w < words_; ++w) {
            const Word equal = equal_[Index(w)];
            if (equal == 0) continue;
            const int end = w * 64 + std::countr_zero(equal) + 1;
            if (end < s.end) {
                s.end = end;
                s.pick = pick - longest;
            }
            break;
        }
        for (int w = 0; w < words_; ++w) s.longestCount += CountBits(equal_[Index(w)]);
    }

    void NoteRunsEndingAt(FloatStats& s, const Word* ends, int pick) const {
        ForEachBit(ends, words_, [&](int k) {
            const int first = firstPick_[static_cast<size_t>(k)];
            NoteWarpRun(s, pick - first, k + 1, first);
        });
    }

    int ends_, words_;
    std::vector<uint16_t> firstPick_; // where each end's current run began
    std::array<std::vector<Word>, HistoryPicks> history_;
    std::vector<Word> changed_, same_, equal_;
};

} // namespace

FloatCounts CountFloats(const Draft& d, int ends, int picks) {
    FloatCounts result;
    const int limit = d.DesignMode ? DesignSize : MaxEnds;
    ends = std::clamp(ends, 0, limit);
    picks = std::clamp(picks, 0, d.DesignMode ? DesignSize : MaxPicks);
    if (ends == 0 || picks == 0) return result;

    const size_t n = static_cast<size_t>(ends);
    std::vector<uint8_t> row(n), previous(n);
    WeftRuns weft(ends);
    WarpRuns warp(ends);
    const int words = weft.Words();
    const size_t wordCount = static_cast<size_t>(words);
    std::vector<Word> up(wordCount), down(wordCount), upBefore(wordCount);
    const Word lastWordMask = ends % 64 ? (Word(1) << (ends % 64)) - 1 : ~Word(0);

    int64_t upCells = 0, changesDown = 0, changesAlong = 0;
    int64_t firstPickUp = 0, firstEndsUp = 0, lastEndsUp = 0;
    const DrawdownRows drawdown(d);
    for (int p = 1; p <= picks; ++p) {
        drawdown.WarpOnTopRow(p, 1, ends, row.data());
        PackBits(row.data(), ends, up.data());
        for (size_t w = 0; w < wordCount; ++w) down[w] = ~up[w];
        down[wordCount - 1] &= lastWordMask;

        // Faces and changes of face, down the ends and along the pick.
        Word carry = 0;
        for (size_t w = 0; w < wordCount; ++w) {
            const Word u = up[w];
            upCells += CountBits(u);
            if (p > 1) changesDown += CountBits(u ^ upBefore[w]);
            Word along = u ^ ((u << 1) | carry);
            carry = u >> 63;
            if (w == 0) along &= ~Word(1);
            if (w == wordCount - 1) along &= lastWordMask;
            changesAlong += CountBits(along);
        }
        if (p == 1) firstPickUp = upCells;
        firstEndsUp += row[0];
        lastEndsUp += row[n - 1];
        if (p > 1) warp.Add(result, up.data(), row.data(), previous.data(), p);
        warp.Remember(up.data(), p);

        weft.Add(result.weftOver, down.data(), row.data(), 0, p);
        weft.Add(result.weftUnder, up.data(), row.data(), 1, p);

        std::swap(row, previous);
        std::swap(up, upBefore);
    }
    warp.Finish(result, previous.data(), picks);
    int64_t lastPickUp = 0;
    for (size_t w = 0; w < wordCount; ++w) lastPickUp += CountBits(upBefore[w]);

    // Every cell lies in one warp run and one weft run. Along a line of cells,
    // changes of face alternate in direction, so with C changes and first and
    // last cells f and l (1 for warp up) there are (C + f + l) / 2 runs of warp
    // up and (C - f - l) / 2 + 1 of warp down.
    const int64_t cells = static_cast<int64_t>(ends) * picks;
    result.warpOver.total = result.weftUnder.total = upCells;
    result.warpUnder.total = result.weftOver.total = cells - upCells;
    result.warpOver.runs = (changesDown + firstPickUp + lastPickUp) / 2;
    result.warpUnder.runs = (changesDown - firstPickUp - lastPickUp) / 2 + ends;
    result.weftUnder.runs = (changesAlong + firstEndsUp + lastEndsUp) / 2;
    result.weftOver.runs = (changesAlong - firstEndsUp - lastEndsUp) / 2 + picks;
    return result;
}

} // namespace hm
