#pragma once
// Every value the program keeps between runs, with its stored name and default.
// Integers are stored as 32-bit integers, booleans as 0 or 1, strings as text.

#include <QString>
#include <array>

namespace hm {

// Names of the values under "CDOptions", in the order they are read.
namespace key {
inline constexpr const char* Zoom = "Zoom";
inline constexpr const char* ViewZoom = "ViewZoom";
inline constexpr const char* Shed = "Shed";
inline constexpr const char* Shafts = "Shafts";
inline constexpr const char* Ashafts = "Ashafts";
inline constexpr const char* Bshafts = "Bshafts";
inline constexpr const char* Atreadles = "Atreadles";
inline constexpr const char* Btreadles = "Btreadles";
inline constexpr const char* Inches = "Inches";
inline constexpr const char* DesignMode = "DesignMode";
inline constexpr const char* Style = "Style";
inline constexpr const char* LineOn = "LineOn";
inline constexpr const char* ExpertMode = "ExpertMode";
inline constexpr const char* SaveSettings = "SaveSettings";
inline constexpr const char* FabricWindow = "Fabric Window";
inline constexpr const char* DesignGrid = "Design Grid";
inline constexpr const char* PalWinSize = "Pal Win Size";
inline constexpr const char* BottomStart = "BottomStart";
inline constexpr const char* RightStart = "RightStart";
inline constexpr const char* CkoLeftStart = "CkoLeftStart";
inline constexpr const char* Lagrpos = "Lagrpos";
inline constexpr const char* TipOfDay = "TipOfDay";
inline constexpr const char* NufilPath = "NufilPath";
inline constexpr const char* Wposfull = "Wposfull";
inline constexpr const char* Wbredde = "Wbredde";
inline constexpr const char* Whoyde = "Whoyde";
inline constexpr const char* Memow = "Memow";
inline constexpr const char* Memoh = "Memoh";
inline constexpr const char* Memoleft = "Memoleft";
inline constexpr const char* Language = "Language";
} // namespace key

inline constexpr int RecentFileCount = 5;

struct SettingsValues {
    int Zoom = 10;     // draft view cell size; the main window raises it to >= 7
    int ViewZoom = 2;  // fabric view zoom
    bool Shed = false; // sinking shed
    int Shafts = 8;    // pattern shafts (and liftplan width)
    int Ashafts = 4;
    int Bshafts = 2;
    int Atreadles = 4;
    int Btreadles = 2;
    bool Inches = false; // unit of measure
    bool DesignMode = false;
    int Style = 1;      // drawdown style 1..4
    bool LineOn = true; // Line tool at start-up, else Pen
    bool ExpertMode = false;
    bool SaveSettings = true;
    bool FabricWindow = false;
    bool DesignGrid = true;
    int PalWinSize = 1; // 0 = 16, 1 = 64, 2 = 256 colours
    bool BottomStart = true;
    bool RightStart = true;
    bool CkoLeftStart = true;
    bool Lagrpos = false;
    bool TipOfDay = false;
    QString NufilPath;
    int Wposfull = 0; // 1 = main window maximised
    int Wbredde = 0;  // main window width, 0 = not stored
    int Whoyde = 0;   // main window height
    int Memow = 614;
    int Memoh = 462;
    int Memoleft = 292;
    int Language = 0; // 0 English, 1 German, 2 Swedish, 3 Finnish

    std::array<QString, RecentFileCount> RecentFiles; // most recent first
};

// The options written from the save-time snapshot instead of the live values.
struct SettingsSnapshot {
    bool Shed = false;
    int Shafts = 8;
    int Ashafts = 4;
    int Bshafts = 2;
    int Atreadles = 4;
    int Btreadles = 2;
    bool Inches = false;
    bool BottomStart = true;
    bool RightStart = true;
    bool CkoLeftStart = true;
};

} // namespace hm
