// apply operations of the Fill menu and the Repeat dialog: generated
// threadings, treadlings and tie-ups, Repeat, and Fill Pattern.
#include <array>

#include "app/cli/applyoperations.h"
#include "model/draft.h"
#include "ops/generators.h"
#include "ops/repeatdialogrules.h"
#include "ops/satinmoves.h"

namespace hm {

namespace {

struct GeneratorName {
    const char* word;
    GeneratorTarget target;
    const char* part; // for messages
};

const std::array<GeneratorName, 9> GeneratorTargets = {{
    {"pattern-threading", GeneratorTarget::PatternThreading, "the pattern threading"},
    {"threading-a", GeneratorTarget::ThreadingA, "threading A"},
    {"threading-b", GeneratorTarget::ThreadingB, "threading B"},
    {"treadling-a", GeneratorTarget::TreadlingA, "treadling A"},
    {"treadling-b", GeneratorTarget::TreadlingB, "treadling B"},
    {"tieup-aa", GeneratorTarget::TieupAA, "tie-up AA"},
    {"tieup-bb", GeneratorTarget::TieupBB, "tie-up BB"},
    {"tieup-ab", GeneratorTarget::TieupAB, "tie-up AB"},
    {"tieup-ba", GeneratorTarget::TieupBA, "tie-up BA"},
}};

const std::array<RepeatTarget, 8> RepeatTargets = {
    RepeatTarget::PatternThreading, RepeatTarget::Liftplan,   RepeatTarget::ThreadingA,
    RepeatTarget::TreadlingA,       RepeatTarget::ThreadingB, RepeatTarget::TreadlingB,
    RepeatTarget::WarpColors,       RepeatTarget::WeftColors,
};
const char* const RepeatTargetWords[] = {"pattern-threading", "liftplan",    "threading-a",
                                         "treadling-a",       "threading-b", "treadling-b",
                                         "warp-colors",       "weft-colors"};

// Why the menu would not offer a target that is not enabled.
std::string NotOffered(const Draft& d, const char* part) {
    if (d.DesignMode) return std::string(part) + " cannot be generated in Design mode";
    return std::string(part) + " is switched off in this draft";
}

int CheckWordCount(ApplyContext& c, int most) {
    if (c.words.size() > most) return c.Fail("unexpected '" + c.words[most].toStdString() + "'");
    return 0;
}

int GenerateOperation(ApplyContext& c) {
    const int t = c.Choice(0, {"pattern-threading", "threading-a", "threading-b", "treadling-a",
                               "treadling-b", "tieup-aa", "tieup-bb", "tieup-ab", "tieup-ba"});
    if (t < 0) return ExitUsage;
    const GeneratorName& target = GeneratorTargets[static_cast<size_t>(t)];
    GeneratorRequest request;
    request.target = target.target;
    request.random = c.random;
    int most = 2;
    if (IsSequenceTarget(target.target)) {
        const int k = c.Choice(1, {"straight", "pointed", "rosepath"});
        if (k < 0) return ExitUsage;
        request.kind = std::array{GeneratorKind::Straight, GeneratorKind::Pointed,
                                  GeneratorKind::Rosepath}[static_cast<size_t>(k)];
    } else if (target.target == GeneratorTarget::TieupAA ||
               target.target == GeneratorTarget::TieupBB) {
        const int k = c.Choice(1, {"plain", "points", "twill", "satin"});
        if (k < 0) return ExitUsage;
        request.kind =
            std::array{GeneratorKind::Plain, GeneratorKind::PointMarks, GeneratorKind::RandomTwill,
                       GeneratorKind::Satin}[static_cast<size_t>(k)];
    } else {
        if (c.Choice(1, {"dots"}) < 0) return ExitUsage;
        request.kind = GeneratorKind::PointMarks;
    }
    if (!GeneratorEnabled(c.draft, target.target)) return c.Fail(NotOffered(c.draft, target.part));
    if (request.kind == GeneratorKind::Satin) {
        const int shafts = GeneratorCount(c.draft, target.target);
        if (!c.Number(2, "MOVE", 1, SatinMaxMove(shafts), request.satinMove)) return ExitUsage;
        most = 3;
    }
    if (CheckWordCount(c, most)) return ExitUsage;
    Generate(c.draft, request);
    return 0;
}

// [link|nolink] at word i; true when the word is one of them.
bool LinkWord(const QString& word, bool& link) {
    if (word != "link" && word != "nolink") return false;
    link = word == "link";
    return true;
}

int RepeatOperation(ApplyContext& c) {
    const int t = c.Choice(0, {"pattern-threading", "liftplan", "threading-a", "treadling-a",
                               "threading-b", "treadling-b", "warp-colors", "weft-colors"});
    if (t < 0) return ExitUsage;
    RepeatDialogValues v;
    v.fillPattern = false;
    v.target = RepeatTargets[static_cast<size_t>(t)];
    if (!c.Number(1, "START", RepeatSpinMin, RepeatSpinMax, v.start) ||
        !c.Number(2, "END", RepeatSpinMin, RepeatSpinMax, v.end))
        return ExitUsage;
    int i = 3;
    if (i < c.words.size() && c.words[i] != "link" && c.words[i] != "nolink") {
        if (c.words[i] == "fill") {
            v.fillRemaining = true;
        } else {
            if (!c.Number(i, "COPIES (or 'fill')", RepeatSpinMin, RepeatSpinMax, v.copies))
                return ExitUsage;
            v.fillRemaining = false;
        }
        ++i;
    }
    if (i < c.words.size() && LinkWord(c.words[i], v.linkColors)) ++i;
    if (CheckWordCount(c, i)) return ExitUsage;
    if (!RepeatTargetEnabled(c.draft, v.target)) {
        const std::string word = RepeatTargetWords[t];
        if (c.draft.DesignMode && IsGroundRepeatTarget(v.target))
            return c.Fail(word +
                          " has no picture in Design mode; the Repeat dialog does not offer it");
        return c.Fail(word + " is switched off in this draft; the Repeat dialog does not offer it");
    }
    ApplyRepeatDialog(c.draft, v);
    return 0;
}

int FillPatternOperation(ApplyContext& c) {
    RepeatDialogValues v;
    int i = 0;
    if (i < c.words.size() && LinkWord(c.words[i], v.linkColors)) ++i;
    if (CheckWordCount(c, i)) return ExitUsage;
    if (!FillPatternOffered(c.draft))
        return c.Fail("Fill Pattern is not offered: no part of this draft starts at end 1 "
                      "(pick 1) and stops short of the draft's size");
    v.fillPattern = v.fillPatternEnabled = true;
    ApplyRepeatDialog(c.draft, v);
    return 0;
}

const std::array<ApplyOperation, 3> Operations = {{
    {"generate",
     "pattern-threading|threading-a|threading-b|treadling-a|treadling-b straight|pointed|rosepath"
     " | tieup-aa|tieup-bb plain|points|twill|satin MOVE | tieup-ab|tieup-ba dots",
     GenerateOperation},
    {"repeat",
     "pattern-threading|liftplan|threading-a|treadling-a|threading-b|treadling-b|warp-colors|"
     "weft-colors START END [COPIES|fill] [link|nolink]",
     RepeatOperation},
    {"fill-pattern", "[link|nolink]", FillPatternOperation},
}};

} // namespace

std::span<const ApplyOperation> GeneratorOperations() {
    return Operations;
}

} // namespace hm
