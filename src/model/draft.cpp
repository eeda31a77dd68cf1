#include "model/draft.h"

#include "model/design.h"

namespace hm {

namespace {

// Default palette entries 0..63 as R, G, B; entries 64..255 are white.
constexpr uint8_t DefaultPalette64[64][3] = {
    {255, 255, 255}, {224, 224, 224}, {192, 192, 192}, {128, 128, 128}, {80, 80, 80},
    {0, 0, 0},       {245, 0, 32},    {252, 233, 3},   {250, 220, 125}, {244, 168, 85},
    {237, 116, 44},  {191, 58, 22},   {146, 0, 0},     {108, 0, 0},     {255, 255, 255},
    {255, 255, 255}, {251, 255, 179}, {207, 223, 143}, {163, 191, 107}, {119, 158, 72},
    {75, 126, 36},   {31, 94, 0},     {255, 255, 255}, {255, 255, 255}, {222, 255, 179},
    {187, 222, 166}, {140, 189, 136}, {94, 155, 105},  {47, 122, 75},   {0, 89, 45},
    {255, 255, 255}, {255, 255, 255}, {196, 235, 238}, {153, 204, 208}, {101, 161, 166},
    {75, 131, 135},  {48, 101, 105},  {22, 71, 75},    {255, 255, 255}, {255, 255, 255},
    {193, 210, 255}, {165, 177, 222}, {124, 134, 189}, {82, 92, 157},   {41, 49, 124},
    {0, 6, 91},      {255, 255, 255}, {255, 255, 255}, {255, 193, 224}, {230, 142, 189},
    {202, 77, 142},  {182, 0, 76},    {146, 0, 76},    {111, 0, 55},    {255, 255, 255},
    {255, 255, 255}, {255, 202, 202}, {221, 167, 162}, {187, 132, 121}, {153, 98, 81},
    {119, 63, 40},   {85, 28, 0},     {255, 255, 255}, {255, 255, 255},
};

static_assert(sizeof(TieupBlock) == TieupBytes);

} // namespace

Draft::Draft() {
    InitialiseForStartup();
}

void Draft::InitialiseForStartup() {
    Ends = Picks = 1200;
    PatternShafts = 8;
    ShaftsA = 4;
    ShaftsB = 2;
    TreadlesA = 4;
    TreadlesB = 2;
    PatternThreadingOn = ShowPatternThreading = ThreadingBOn = TreadlingBOn = true;
    LiftplanWidth = PatternShafts;
    ResetScroll();
    ShaftOneAtBottom = ThreadingFromRight = LiftplanFromBottom = true;
    PatternTieupOn = MultipleTreadles = DesignMode = SinkingShed = false;
    ShowThreading = true;
    FabricCompression = false;
    DrawdownStyle = DrawdownStyleKind::Normal;
    Epi = Ppi = 25;
    BackgroundColor = 0xFFFFFF;
    GridColor = 0x808080;
    MarkColor = 0x000000;
    ClearDraft();
    for (auto& row : ExpandUnitOn) row.fill(1);
    for (auto& row : ExpandUnitOff) row.fill(0);
    SetDefaultPaletteRGB();
    RebuildPaletteFromRGB();
}

TieupBlock& Draft::Tieup(TieupKind kind) {
    switch (kind) {
    case TieupKind::AA:
        return TieupAA;
    case TieupKind::AB:
        return TieupAB;
    case TieupKind::BA:
        return TieupBA;
    case TieupKind::BB:
        return TieupBB;
    }
    return TieupAA;
}

const TieupBlock& Draft::Tieup(TieupKind kind) const {
    return const_cast<Draft*>(this)->Tieup(kind);
}

void Draft::SetDefaultPaletteRGB() {
    for (int i = 0; i < PaletteEntries; ++i) {
        for (int k = 0; k < 3; ++k)
            PaletteRGB[static_cast<size_t>(i)][static_cast<size_t>(k)] =
                i < 64 ? DefaultPalette64[i][k] : 255;
    }
}

void Draft::RebuildPaletteFromRGB() {
    for (size_t i = 0; i < PaletteEntries; ++i)
        Palette[i] = MakeColor(PaletteRGB[i][0], PaletteRGB[i][1], PaletteRGB[i][2]);
}

void Draft::StorePaletteEntryToRGB(int index) {
    if (index < 0 || index >= PaletteEntries) return;
    const uint32_t c = Palette[static_cast<size_t>(index)];
    auto& rgb = PaletteRGB[static_cast<size_t>(index)];
    rgb[0] = static_cast<uint8_t>(ColorRed(c));
    rgb[1] = static_cast<uint8_t>(ColorGreen(c));
    rgb[2] = static_cast<uint8_t>(ColorBlue(c));
}

void Draft::ClearLiftplan(int from) {
    if (from < 1) from = 1;
    if (from > MaxPicks) return;
    std::fill(Liftplan.begin() + static_cast<std::ptrdiff_t>(from - 1) * LiftplanRowBytes,
              Liftplan.end(), 0);
}

void Draft::ClearTieups(int which) {
    switch (which) {
    case 1:
        TieupAA.Clear();
        break;
    case 2:
        TieupAB.Clear();
        break;
    case 3:
        TieupBA.Clear();
        break;
    case 4:
        TieupBB.Clear();
        break;
    case 5:
        TieupAA.Clear();
        TieupAB.Clear();
        TieupBA.Clear();
        TieupBB.Clear();
        break;
    default:
        break;
    }
}

void Draft::ClearDesign(int fromColumn, int fromRow) {
    if (fromColumn < 1) fromColumn = 1;
    if (fromRow < 1) fromRow = 1;
    if (fromColumn <= DesignSize) {
        const int firstByte = (fromColumn - 1) / 8;
        const int bitInByte = (fromColumn - 1) % 8;
        const uint8_t keep = static_cast<uint8_t>((1u << bitInByte) - 1);
        for (int r = 1; r <= DesignSize; ++r) {
            uint8_t* row = DesignRow(r);
            row[firstByte] &= keep;
            std::memset(row + firstByte + 1, 0,
                        static_cast<size_t>(DesignRowBytes - firstByte - 1));
        }
    }
    if (fromRow <= DesignSize) {
        const size_t from = static_cast<size_t>(fromRow - 1) * DesignRowBytes;
        std::memset(DesignGrid.data() + from, 0, DesignGrid.size() - from);
    }
}

void Draft::ResetScroll() {
    FirstEnd = FirstPick = FabricFirstEnd = FabricFirstPick = 0;
}

void Draft::ClearDraft() {
    ResetScroll();
    ClearPatternThreading(1);
    ClearThreadingA(1);
    ClearThreadingB(1);
    ClearTreadlingA(1);
    ClearTreadlingB(1);
    ClearLiftplan(1);
    ClearWarpColors(1);
    ClearWeftColors(1);
    ClearTieups(5);
    ClearDesign(1, 1);
}

void Draft::ClearAll() {
    ResetScroll();
    ClearDraft();
    Note.clear();
    if (DesignMode) BuildDesign(*this, DesignSize, DesignSize);
}

bool Draft::LiftplanRowUsed(int pick) const {
    const uint8_t* row = LiftplanRow(pick);
    const int shafts = std::clamp(PatternShafts, 0, MaxPatternShafts);
    const int fullBytes = shafts / 8;
    for (int b = 0; b < fullBytes; ++b)
        if (row[b]) return true;
    const int rest = shafts % 8;
    if (rest) return (row[fullBytes] & ((1u << rest) - 1)) != 0;
    return false;
}

int Draft::LastLiftplanPick(int n) const {
    for (int p = std::min(n, MaxPicks); p >= 1; --p)
        if (LiftplanRowUsed(p)) return p;
    return 0;
}

int Draft::LastUsedEnd(int n) const {
    int last = LastEndA(n);
    if (PatternThreadingOn) last = std::max(last, LastPatternEnd(n));
    if (ThreadingBOn) last = std::max(last, LastEndB(n));
    return last;
}

int Draft::LastTreadledPick(int n) const {
    int last = LastPickA(n);
    if (TreadlingBOn) last = std::max(last, LastPickB(n));
    return last;
}

int Draft::LastUsedPick(int n) const {
    int last = LastTreadledPick(n);
    if (PatternThreadingOn) last = std::max(last, LastLiftplanPick(n));
    return last;
}

void Draft::UpdateExtents() {
    UsedEnds = LastUsedEnd(MaxEnds);
    UsedPicks = LastUsedPick(MaxPicks);
    Ends = std::max(Ends, UsedEnds);
    Picks = std::max(Picks, UsedPicks);
}

void Draft::UpdateDesignExtents() {
    // Last non-empty column: OR all rows together, then find the highest set bit.
    std::array<uint8_t, DesignRowBytes> any{};
    for (int r = 1; r <= DesignSize; ++r) {
        const uint8_t* row = DesignRow(r);
        for (int b = 0; b < DesignRowBytes; ++b) any[static_cast<size_t>(b)] |= row[b];
    }
    UsedEnds = 1;
    for (int c = DesignSize; c >= 1; --c) {
        if ((any[ColumnBits.byte2400[c - 1]] >> ColumnBits.bit2400[c - 1]) & 1) {
            UsedEnds = c;
            break;
        }
    }
    UsedPicks = 1;
    for (int r = DesignSize; r >= 1 && UsedPicks == 1; --r) {
        for (int c = 1; c <= UsedEnds; ++c) {
            if (GetDesignCell(r, c)) {
                UsedPicks = r;
                break;
            }
        }
    }
    Ends = std::max(Ends, UsedEnds);
    Picks = std::max(Picks, UsedPicks);
}

bool Draft::HasThreadingIn(int lastEnd) const {
    lastEnd = std::clamp(lastEnd, 0, MaxEnds);
    return LastEndA(lastEnd) > 0 || (PatternThreadingOn && LastPatternEnd(lastEnd) > 0) ||
           (ThreadingBOn && LastEndB(lastEnd) > 0);
}

bool Draft::HasTreadlingIn(int lastPick) const {
    lastPick = std::clamp(lastPick, 0, MaxPicks);
    return LastPickA(lastPick) > 0 || (TreadlingBOn && LastPickB(lastPick) > 0) ||
           (PatternThreadingOn && LastLiftplanPick(lastPick) > 0);
}

HasPatternResult Draft::HasPattern(int visibleEnds, int visiblePicks) const {
    HasPatternResult result;
    result.ok = HasThreadingIn(visibleEnds + FirstEnd) && HasTreadlingIn(visiblePicks + FirstPick);
    if (!result.ok) result.message = Message{MessageKind::Information, "@globnopat", {}};
    return result;
}

} // namespace hm
