#pragma once
// The Analyze menu: each item makes its report of the current draft and shows
// it in the report window, or shows the report's message instead. Reports never
// change the draft, so the items run without a wrapper.

#include "analysis/reports.h"

namespace hm {

class CommandContext;

// The report as the window shows it, under the busy cursor where the report
// walks the whole draft or picture.
Report MakeWindowReport(CommandContext& ctx, ReportKind kind);

bool ShowAnalysisReport(CommandContext& ctx, ReportKind kind);

template <ReportKind K> bool AnalyzeItemClick(CommandContext& ctx) {
    return ShowAnalysisReport(ctx, K);
}

} // namespace hm
