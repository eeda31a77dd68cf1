#pragma once
// The four reports of the Analyze menu. Each returns its text lines in the
// current language, exactly as the report window shows them, or the message
// to show instead. None of them changes the draft.

#include <QString>
#include <QStringList>
#include <array>

#include "model/draft.h"
#include "model/message.h"

namespace hm {

// What the reports need from the main window.
struct ReportContext {
    QString currentName; // the current file's name without folder and extension
    // How far the view reaches (visible ends plus FirstEnd, visible picks plus
    // FirstPick are scanned by the pattern check of the floats report).
    int visibleEnds = MaxEnds;
    int visiblePicks = MaxPicks;
    // A fabric view is showing: in Design mode the picture has then already
    // been analysed into pattern threading and liftplan.
    bool fabricViewShowing = false;
};

struct Report {
    QStringList lines;
    Message message; // when set, show it instead of the report window
    bool Shown() const { return message.empty(); }
};

// Repeat lengths of the threadings, treadlings, liftplan and colours, and the
// total repeats of warp and weft. In Design mode (unless a fabric view is
// showing) the picture is first analysed, on a copy, into pattern threading
// and liftplan.
Report RepeatsReport(const Draft& d, const ReportContext& context);
// Longest, first-found, number of longest and average warp and weft floats,
// over and under. "@globnopat" when the draft has no pattern.
Report FloatsReport(const Draft& d, const ReportContext& context);
// Ends and picks per palette colour with their percentages.
Report ColourCountReport(const Draft& d, const ReportContext& context);
// Heddles per shaft of the pattern threading and threadings A and B.
Report HeddleReport(const Draft& d, const ReportContext& context);

enum class ReportKind { Repeats, Floats, Colors, Heddles };

struct ReportInfo {
    ReportKind kind;
    const char* commandName; // the Analyze menu item's objectName
    const char* cliName;     // the word of `heddlemark-cli report`
    const char* titleKey;    // the report window's caption
    Report (*make)(const Draft&, const ReportContext&);
};

// The four reports in menu order.
const std::array<ReportInfo, 4>& ReportTable();
const ReportInfo& ReportInfoOf(ReportKind kind);
// The report named by its command-line word; nullptr for any other word.
const ReportInfo* FindReportByCliName(const QString& name);

Report MakeReport(ReportKind kind, const Draft& d, const ReportContext& context);
// The report window's caption in the current language.
QString ReportTitle(ReportKind kind);
// Whether the Analyze menu offers the report: Repeats always, the others not in
// Design mode.
bool AnalyzeCommandEnabled(ReportKind kind, const Draft& d);

} // namespace hm
