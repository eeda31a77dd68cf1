#pragma once
// Small hand-worked drafts for the report tests.

#include <QString>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "model/draft.h"
#include "settings/basemultilang.h"

// Readable report lines in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace hmtest {

// A draft of rows.size() picks whose drawdown is the picture given: rows[p-1]
// holds pick p, character e-1 is end e, '1' where the warp is up. Each end
// gets its own pattern shaft, so the liftplan is the picture itself (at most
// 128 ends).
inline std::unique_ptr<hm::Draft> PictureDraft(const std::vector<std::string>& rows) {
    auto d = std::make_unique<hm::Draft>();
    const int ends = static_cast<int>(rows.at(0).size());
    d->Ends = ends;
    d->Picks = static_cast<int>(rows.size());
    d->PatternShafts = d->LiftplanWidth = ends;
    for (int e = 1; e <= ends; ++e) d->PatternThreading[e] = static_cast<uint8_t>(e);
    for (int p = 1; p <= d->Picks; ++p)
        for (int e = 1; e <= ends; ++e)
            d->SetLiftplan(p, e,
                           rows[static_cast<size_t>(p - 1)][static_cast<size_t>(e - 1)] == '1');
    return d;
}

// Switches the report language for one test and back to English afterwards.
class LanguageScope {
  public:
    explicit LanguageScope(int language) { hm::SetLanguageEverywhere(language); }
    ~LanguageScope() { hm::SetLanguageEverywhere(hm::LangEnglish); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

} // namespace hmtest
