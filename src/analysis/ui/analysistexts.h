#pragma once
// The report window's translation table (":/lang/reportwindow.tsv"). It is
// compiled into a static library, so the window registers it before loading it.

namespace hm {

void InitAnalysisResources();

} // namespace hm
