#pragma once
// What a WIF file says, taken from its sections with every number checked:
// threads, shafts, treadles and lifts, the colours, the densities and the text.
// Nothing here knows the draft; the import maps this onto it.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "files/wifsections.h"

namespace hm {

// Numbers by thread, treadle or pick, 1-based: each a sorted list without 0s
// and repeats. A missing key means the same as an empty list.
using WifLists = std::map<int, std::vector<int>>;

struct WifColorIndex {
    int index = -1; // into the colour table; -1 = none given
    int line = 0;   // where it was given
    std::string text;
};

struct WifThreads {
    int threads = 0; // the Threads count, 0 when absent
    WifColorIndex defaultColor;
    std::map<int, WifColorIndex> colors;
    double spacing = 0;      // in the unit below; 0 when absent
    double unitInInches = 0; // 1 for inches, 1/2.54 for centimetres ...; 0 when unknown
    bool metric = false;     // centimetres or millimetres
};

struct WifContent {
    int declaredShafts = 0;
    int declaredTreadles = 0;
    bool rising = true;
    WifLists threading;       // end -> shafts
    WifLists tieup;           // treadle -> shafts
    WifLists treadling;       // pick -> treadles
    WifLists liftplan;        // pick -> shafts
    bool useLiftplan = false; // the lifts come from the liftplan, not the treadling
    bool zeroBasedTreadles = false;
    std::map<int, std::array<uint8_t, 3>> colorTable; // index -> R, G, B (0..255)
    WifThreads warp;
    WifThreads weft;
    std::string title;
    std::string author;
    std::vector<std::string> notes; // the [NOTES] lines in order, bytes as in the file

    // The last key with a non-empty list, 0 if none.
    static int LastUsed(const WifLists& lists);
};

// Whether the sections look like a WIF file at all.
bool LooksLikeWif(const WifSections& sections);

// Reads every part that the import uses; lines that cannot be read are reported
// and left out.
WifContent ReadWifContent(const WifSections& sections, WifProblems& problems);

} // namespace hm
