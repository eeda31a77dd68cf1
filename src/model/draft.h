#pragma once
// The draft: the one document the program edits. Fixed-capacity arrays with
// 1-based indices; counters say how much of each array is in use.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "model/message.h"

namespace hm {

inline constexpr int MaxEnds = 4800;
inline constexpr int MaxPicks = 4800;
inline constexpr int MaxPatternShafts = 128;
inline constexpr int MaxShafts = 32;   // per ground group
inline constexpr int MaxTreadles = 32; // per ground group
inline constexpr int DesignSize = 2400;
inline constexpr int PaletteEntries = 256;
inline constexpr int LiftplanRowBytes = 16;
inline constexpr int DesignRowBytes = 300;
inline constexpr int TieupBytes = 32 * 32;
inline constexpr int ExpandUnitSize = 16;

// Palette index that a cleared colour cell receives.
inline constexpr uint8_t RisingWarpColor = 6;
inline constexpr uint8_t RisingWeftColor = 0;

// A byte array indexed 1..N. Block copies go through data().
template <int N> struct OneBasedBytes {
    std::array<uint8_t, N> bytes{};

    uint8_t& operator[](int i) { return bytes[static_cast<size_t>(i - 1)]; }
    uint8_t operator[](int i) const { return bytes[static_cast<size_t>(i - 1)]; }
    uint8_t* data() { return bytes.data(); }
    const uint8_t* data() const { return bytes.data(); }
    static constexpr int size() { return N; }
    // Sets entries from..N; nothing when from > N.
    void FillFrom(int from, uint8_t value) {
        if (from < 1) from = 1;
        if (from > N) return;
        std::fill(bytes.begin() + (from - 1), bytes.end(), value);
    }
    // Highest index i <= n with a non-zero entry, 0 if none.
    int LastNonZero(int n) const {
        for (int i = std::min(n, N); i >= 1; --i)
            if (bytes[static_cast<size_t>(i - 1)] != 0) return i;
        return 0;
    }
};

// A tie-up: 32 rows (shafts) of 32 bytes (treadles); cell (s, t) is byte (s-1)*32 + (t-1).
struct TieupBlock {
    std::array<uint8_t, TieupBytes> cells{};

    uint8_t& operator()(int shaft, int treadle) {
        return cells[static_cast<size_t>((shaft - 1) * 32 + (treadle - 1))];
    }
    uint8_t operator()(int shaft, int treadle) const {
        return cells[static_cast<size_t>((shaft - 1) * 32 + (treadle - 1))];
    }
    uint8_t* data() { return cells.data(); }
    const uint8_t* data() const { return cells.data(); }
    void Clear() { cells.fill(0); }
};

enum class TieupKind { AA = 1, AB = 2, BA = 3, BB = 4 };
inline constexpr TieupKind AllTieupKinds[] = {TieupKind::AA, TieupKind::AB, TieupKind::BA,
                                              TieupKind::BB};

// Tie-up cell values.
inline constexpr uint8_t TieNone = 0;
inline constexpr uint8_t TieGround = 1;
inline constexpr uint8_t TiePattern = 2;

enum class DrawdownStyleKind { Normal = 1, Grid = 2, Threads = 3, ThreadsOutlined = 4 };

// Byte and bit of each column in a bit row (least significant bit first).
struct ColumnBitTables {
    std::array<uint8_t, 128> byte128{}, bit128{};
    std::array<uint16_t, DesignSize> byte2400{}, bit2400{};
    constexpr ColumnBitTables() {
        for (int c = 0; c < 128; ++c) {
            byte128[c] = static_cast<uint8_t>(c / 8);
            bit128[c] = static_cast<uint8_t>(c % 8);
        }
        for (int c = 0; c < DesignSize; ++c) {
            byte2400[c] = static_cast<uint16_t>(c / 8);
            bit2400[c] = static_cast<uint16_t>(c % 8);
        }
    }
};
inline constexpr ColumnBitTables ColumnBits{};

// 24-bit colour as 0x00BBGGRR.
inline constexpr uint32_t MakeColor(int r, int g, int b) {
    return static_cast<uint32_t>(r & 0xFF) | (static_cast<uint32_t>(g & 0xFF) << 8) |
           (static_cast<uint32_t>(b & 0xFF) << 16);
}
inline constexpr int ColorRed(uint32_t c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int ColorGreen(uint32_t c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int ColorBlue(uint32_t c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct HasPatternResult {
    bool ok = false;
    Message message; // "@globnopat" when !ok
};

class Draft {
  public:
    Draft(); // start-up initialisation
    Draft(const Draft&) = default;
    Draft& operator=(const Draft&) = default;

    // ---- size counters ----
    int Ends = 1200;
    int Picks = 1200;
    int ShaftsA = 4;
    int ShaftsB = 2;
    int TreadlesA = 4;
    int TreadlesB = 2;
    int PatternShafts = 8;
    int LiftplanWidth = 8;
    int UsedEnds = 0;
    int UsedPicks = 0;
    int32_t FirstEnd = 0;
    int32_t FirstPick = 0;
    int32_t FabricFirstEnd = 0; // scroll offsets of the fabric views
    int32_t FabricFirstPick = 0;

    // ---- arrays ----
    OneBasedBytes<MaxEnds> PatternThreading;
    OneBasedBytes<MaxEnds> ThreadingA;
    OneBasedBytes<MaxEnds> ThreadingB;
    OneBasedBytes<MaxPicks> TreadlingA;
    OneBasedBytes<MaxPicks> TreadlingB;
    // The four ground tie-ups are consecutive 1024-byte blocks in the order AA, BB, AB, BA.
    TieupBlock TieupAA;
    TieupBlock TieupBB;
    TieupBlock TieupAB;
    TieupBlock TieupBA;
    std::array<uint8_t, MaxPicks * LiftplanRowBytes> Liftplan{};   // 4800 rows of 16 bytes
    std::array<uint8_t, DesignSize * DesignRowBytes> DesignGrid{}; // 2400 rows of 300 bytes
    TieupBlock PatternTieup;
    OneBasedBytes<MaxPicks> PatternTreadling;
    OneBasedBytes<MaxEnds> WarpColors;
    OneBasedBytes<MaxPicks> WeftColors;
    std::array<uint32_t, PaletteEntries> Palette{};                  // 0x00BBGGRR
    std::array<std::array<uint8_t, 3>, PaletteEntries> PaletteRGB{}; // R, G, B mirror
    std::array<std::array<uint8_t, ExpandUnitSize>, ExpandUnitSize> ExpandUnitOn{};
    std::array<std::array<uint8_t, ExpandUnitSize>, ExpandUnitSize> ExpandUnitOff{};
    int ExpandFactorEnds = 4; // 1..16, kept for the whole run and in pattern files
    int ExpandFactorPicks = 4;

    // ---- flags ----
    bool PatternThreadingOn = true;
    bool ShowPatternThreading = true;
    bool ThreadingBOn = true;
    bool TreadlingBOn = true;
    bool ShowThreading = true;
    bool SinkingShed = false;
    bool DesignMode = false;
    bool PatternTieupOn = false;
    bool MultipleTreadles = false;

    // ---- display settings kept with the draft ----
    DrawdownStyleKind DrawdownStyle = DrawdownStyleKind::Normal;
    int Zoom = 10;      // cell size minus one, in pixels
    int FabricZoom = 2; // zoom of the fabric views
    bool LiftplanFromBottom = true;
    bool ThreadingFromRight = true;
    bool ShaftOneAtBottom = true; // "Shaft 1 at bottom / Treadle 1 on the Left"
    bool ShaftOneAtTop() const { return !ShaftOneAtBottom; }
    int Epi = 25;        // ends per unit (2..250)
    int Ppi = 25;        // picks per unit (2..250)
    bool Inches = false; // unit of measure: inches, else centimetres
    bool FabricCompression = false;
    int PaletteSize = 1;   // colours shown: 0 = 16, 1 = 64, 2 = 256
    int LiftplanStart = 0; // liftplan start stored by a pattern file: 4 top, 5 bottom, 0 unknown
    uint32_t BackgroundColor = 0xFFFFFF;
    uint32_t GridColor = 0x808080;
    uint32_t MarkColor = 0x000000;

    // ---- repeat lengths (starting repeats of fill and colour operations) ----
    int32_t WarpRepeat = 8;
    int32_t WeftRepeat = 8;
    int32_t WarpColorRepeat = 0;
    int32_t WeftColorRepeat = 0;

    // ---- the note that travels with the pattern (UTF-8) ----
    std::string Note;

    // ---- cell accessors (1-based, unchecked except where stated) ----
    uint8_t* LiftplanRow(int pick) {
        return &Liftplan[static_cast<size_t>(pick - 1) * LiftplanRowBytes];
    }
    const uint8_t* LiftplanRow(int pick) const {
        return &Liftplan[static_cast<size_t>(pick - 1) * LiftplanRowBytes];
    }
    uint8_t* DesignRow(int row) {
        return &DesignGrid[static_cast<size_t>(row - 1) * DesignRowBytes];
    }
    const uint8_t* DesignRow(int row) const {
        return &DesignGrid[static_cast<size_t>(row - 1) * DesignRowBytes];
    }

    bool GetLiftplan(int pick, int column) const {
        const int c = column - 1;
        return (LiftplanRow(pick)[ColumnBits.byte128[c]] >> ColumnBits.bit128[c]) & 1;
    }
    // Column 0 is ignored.
    void SetLiftplan(int pick, int column, bool value) {
        if (column < 1) return;
        const int c = column - 1;
        uint8_t& b = LiftplanRow(pick)[ColumnBits.byte128[c]];
        const uint8_t mask = static_cast<uint8_t>(1u << ColumnBits.bit128[c]);
        b = value ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
    }
    bool GetDesignCell(int row, int column) const {
        const int c = column - 1;
        return (DesignRow(row)[ColumnBits.byte2400[c]] >> ColumnBits.bit2400[c]) & 1;
    }
    // Cells beyond 2400 and column (or row) 0 or less are ignored.
    void SetDesignCell(int row, int column, bool value) {
        if (row < 1 || row > DesignSize || column < 1 || column > DesignSize) return;
        const int c = column - 1;
        uint8_t& b = DesignRow(row)[ColumnBits.byte2400[c]];
        const uint8_t mask = static_cast<uint8_t>(1u << ColumnBits.bit2400[c]);
        b = value ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
    }

    TieupBlock& Tieup(TieupKind kind);
    const TieupBlock& Tieup(TieupKind kind) const;
    uint8_t GetTieup(TieupKind kind, int shaft, int treadle) const {
        return Tieup(kind)(shaft, treadle);
    }
    void SetTieup(TieupKind kind, int shaft, int treadle, uint8_t value) {
        Tieup(kind)(shaft, treadle) = value;
    }
    // The four ground tie-ups as one 4096-byte block (AA, BB, AB, BA).
    uint8_t* GroundTieupBytes() { return TieupAA.data(); }
    const uint8_t* GroundTieupBytes() const { return TieupAA.data(); }

    // ---- default colours ----
    uint8_t DefaultWarpColor() const { return SinkingShed ? RisingWeftColor : RisingWarpColor; }
    uint8_t DefaultWeftColor() const { return SinkingShed ? RisingWarpColor : RisingWeftColor; }

    // ---- palette ----
    void SetDefaultPaletteRGB();            // default palette into the R, G, B mirror
    void RebuildPaletteFromRGB();           // all 256 colours from the mirror
    void StorePaletteEntryToRGB(int index); // one colour back into the mirror

    // ---- clearing (each clears from a start index to the end of the capacity) ----
    void ClearPatternThreading(int from) { PatternThreading.FillFrom(from, 0); }
    void ClearThreadingA(int from) { ThreadingA.FillFrom(from, 0); }
    void ClearThreadingB(int from) { ThreadingB.FillFrom(from, 0); }
    void ClearTreadlingA(int from) { TreadlingA.FillFrom(from, 0); }
    void ClearTreadlingB(int from) { TreadlingB.FillFrom(from, 0); }
    void ClearLiftplan(int from);
    void ClearWarpColors(int from) { WarpColors.FillFrom(from, DefaultWarpColor()); }
    void ClearWeftColors(int from) { WeftColors.FillFrom(from, DefaultWeftColor()); }
    void ClearTieups(int which); // 1 AA, 2 AB, 3 BA, 4 BB, 5 all four
    void ClearDesign(int fromColumn, int fromRow);
    void ResetScroll();
    void ClearDraft();
    // Edit > Clear > All: also empties the note, and in Design mode rebuilds (empties)
    // the design picture from the cleared pattern level.
    void ClearAll();

    // ---- extent queries (n is the highest index to look at) ----
    int LastPatternEnd(int n) const { return PatternThreading.LastNonZero(n); }
    int LastEndA(int n) const { return ThreadingA.LastNonZero(n); }
    int LastEndB(int n) const { return ThreadingB.LastNonZero(n); }
    int LastPickA(int n) const { return TreadlingA.LastNonZero(n); }
    int LastPickB(int n) const { return TreadlingB.LastNonZero(n); }
    bool LiftplanRowUsed(int pick) const; // any of columns 1..PatternShafts set
    int LastLiftplanPick(int n) const;
    int LastUsedEnd(int n) const;
    int LastTreadledPick(int n) const;
    int LastUsedPick(int n) const;
    // The same over the ends (picks) in use, 1..Ends (1..Picks).
    int LastUsedEnd() const { return LastUsedEnd(std::clamp(Ends, 0, MaxEnds)); }
    int LastUsedPick() const { return LastUsedPick(std::clamp(Picks, 0, MaxPicks)); }
    void UpdateExtents();
    void UpdateDesignExtents();
    // Whether the visible part of the draft has both a threading and a treadling or
    // liftplan; scans ends 1..visibleEnds+FirstEnd and picks 1..visiblePicks+FirstPick.
    HasPatternResult HasPattern(int visibleEnds, int visiblePicks) const;
    bool HasThreadingIn(int lastEnd) const;
    bool HasTreadlingIn(int lastPick) const;

  private:
    void InitialiseForStartup();
};

} // namespace hm
