#pragma once
// Export > "Save to hdm-file": an .hdm file holds only a pattern threading and a
// liftplan. A draft whose cloth needs more (the ground level or group B in use,
// or a pattern level that is switched off) is written flattened: one pattern
// shaft per distinct drawdown column, the liftplan rows being the drawdown rows,
// so that the file reopens with the same drawdown on every crossing.

#include <QString>
#include <memory>

#include "files/flatten.h"
#include "files/savefile.h"
#include "model/draft.h"
#include "model/message.h"

namespace hm {

struct HdmExportPlan {
    bool flatten = false;                   // the file will hold the cloth as a liftplan
    int shaftsNeeded = 0;                   // pattern shafts of the flattened cloth (when flatten)
    std::shared_ptr<const FlatCloth> cloth; // the flattened cloth (when flatten)
    // The flattened cloth does not fit into 128 pattern shafts: the file can hold
    // only the draft's own pattern level, without the ground.
    bool LosesGround() const { return flatten && shaftsNeeded > MaxPatternShafts; }
};

// Whether the draft must be flattened for an .hdm file, and whether it fits.
HdmExportPlan PlanHdmExport(const Draft& d);

// The texts the window shows: the notice after a flattened export, and the
// question before an export that loses the ground level (Yes writes it).
Message HdmFlattenedNotice();
Message HdmLoseGroundQuestion();

enum class HdmGroundLoss { Refuse, Accept };

struct HdmExportResult {
    SaveResult saved;
    Messages notices; // to show after a successful write
};

// Writes the .hdm file (and its companion in Design mode): flattened when the
// plan says so; when the ground level would be lost, only with Accept (the
// draft's pattern level as it stands), else nothing is written and the result
// carries the error.
// The plan must be the one made for `d` as it is now; without one, the export
// plans for itself.
HdmExportResult ExportPatternFile(const Draft& d, const HdmExportPlan& plan, const QString& path,
                                  HdmGroundLoss loss);
HdmExportResult ExportPatternFile(const Draft& d, const QString& path, HdmGroundLoss loss);

} // namespace hm
