#pragma once
// Types shared by the pattern file readers and writers: which components a read
// takes, how a liftplan is blended, and what a read reports back to the window.

#include <QString>

#include "model/message.h"

namespace hm {

// Components of an .hdm file. A whole-file read takes all of them.
struct HdmComponents {
    bool general = true; // header settings
    bool threading = true;
    bool liftplan = true;
    bool warpColors = true;
    bool weftColors = true;
    bool palette = true;
    bool expand = true;
    bool note = true;

    static HdmComponents All() { return {}; }
    static HdmComponents None() { return {false, false, false, false, false, false, false, false}; }
};

// Components of an .hdx file. A whole-file read takes all of them.
struct HdxComponents {
    bool general = true; // header settings
    bool patternThreading = true;
    bool liftplan = true;
    bool threadingA = true;
    bool treadlingA = true;
    bool threadingB = true;
    bool treadlingB = true;
    bool tieupAA = true;
    bool tieupAB = true;
    bool tieupBA = true;
    bool tieupBB = true;
    bool warpColors = true;
    bool weftColors = true;
    bool palette = true;
    bool note = true;

    static HdxComponents All() { return {}; }
    static HdxComponents None() {
        HdxComponents c;
        c.general = c.patternThreading = c.liftplan = c.threadingA = c.treadlingA = false;
        c.threadingB = c.treadlingB = c.tieupAA = c.tieupAB = c.tieupBA = c.tieupBB = false;
        c.warpColors = c.weftColors = c.palette = c.note = false;
        return c;
    }
};

// How an .hdm liftplan is combined with the current one.
enum class BlendMode { None, Append, Add, Invert, Subtract };

// What a read did, so that the window can take its steps afterwards.
struct ReadResult {
    Messages messages;           // errors and notices, in the order they arose
    bool generalApplied = false; // header settings were taken: leave the fabric view
    bool setCurrentFile = false; // the path becomes the current file (whole .hdx read)
    bool forgetCurrentFile = false;
    bool addToRecent = false;       // the path goes to the top of the recent-file list
    bool designModeChanged = false; // DesignMode differs from before the read
    bool liftplanOnly = false;      // a blend: only the liftplan and drawdown need repainting
    bool stoppedEarly = false;      // the data ended or failed inside a block

    bool HasError() const {
        for (const Message& m : messages)
            if (m.kind == MessageKind::Error) return true;
        return false;
    }
    void Error(const std::string& text) { messages.push_back({MessageKind::Error, text, {}}); }
    void Notice(const std::string& text) {
        messages.push_back({MessageKind::Information, text, {}});
    }
};

// Fixed message texts of the readers.
namespace msg {
inline constexpr const char* Incompatible = "File Read Error: Incompatible file version.";
inline constexpr const char* NotLiftplan = "Error: Pattern must be of liftplan type.";
inline constexpr const char* TooOld = "File version is too old.";
inline constexpr const char* TooManyShaftsOrTreadles = "Too many shafts or treadles in file";
inline constexpr const char* TooManyShafts = "Too many shafts in liftplan.";
inline constexpr const char* LiftplanFull = "Liftplan is full, no room to append.";
inline constexpr const char* ReadWriteError = "File Read/Write Error";
inline constexpr const char* ReadError = "File Read Error";
inline constexpr const char* BadSignature = "Incorrect file signature.";
inline constexpr const char* EndsEarly = "File Read Error: the file ends early.";
inline constexpr const char* NotAPicture =
    "File Read Error: the file is not a readable BMP picture.";
inline constexpr const char* NoComponentsFromBmp = "Cannot open components from BMP-file.";
} // namespace msg

} // namespace hm
