#pragma once
// The cloth a WIF describes, by the format's own rule: an end is up where its
// shaft is lifted (by the liftplan, or by the tie-up of the pick's treadles),
// inverted in a sinking shed. Written apart from the program's reader so that
// the tests check the files against the rule itself; it reads tidy files (the
// writer's, and the tests' plain fixtures).

#include <QByteArray>
#include <vector>

#include "model/draft.h"

namespace hmtest {

struct WifCloth {
    int ends = 0;
    int picks = 0;
    std::vector<bool> up; // pick-major
    bool WarpUp(int pick, int end) const {
        return up[static_cast<size_t>((pick - 1) * ends + (end - 1))];
    }
};

WifCloth WifRuleCloth(const QByteArray& text);

// The first crossing (within ends x picks) where the draft's drawdown differs
// from the WIF's, which counts as all weft outside its ends and picks; empty
// when they agree everywhere.
std::string CompareWithWif(const hm::Draft& d, const WifCloth& cloth, int ends, int picks);

} // namespace hmtest
