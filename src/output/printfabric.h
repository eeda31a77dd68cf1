#pragma once
// Print Fabric: the choices of the "Print Fabric" dialog, the size of the
// printed threads in "Select Size" and "True Size", and the job that paints the
// cloth with the Fabric view's painter onto the printer's page.

#include <QPagedPaintDevice>

#include "output/draftpicture.h"
#include "output/fabrichook.h"
#include "output/printjob.h"

namespace hm {

enum class FabricPrintSize { SelectSize, TrueSize };

struct PrintFabricChoice {
    int ends = 0;
    int picks = 0;
    FabricPrintSize size = FabricPrintSize::SelectSize; // True Size disables the two counts
};

struct PrintFabricDialogStart {
    PrintFabricChoice choice; // the last used end and pick, Select Size
    NumberRange ends;         // 1 .. last used end
    NumberRange picks;        // 1 .. last used pick
};
PrintFabricDialogStart PrintFabricStart(const Draft& d);

// The notice "@printtime" shown before the job unless in expert mode.
bool ShowsPrintTimeNotice(bool expertMode);
Message PrintTimeNotice();

// Printer pixels per end and per pick at the cloth's own density (Epi and Ppi
// per inch, or per centimetre when the unit is not inches).
struct ThreadSize {
    double w = 0;
    double h = 0;
};
ThreadSize TrueSizeThreads(const Draft& d, const PrinterGeometry& g);

// What the job paints: ends 1..ends and picks 1..picks, each end threadW and
// each displayed row threadH printer pixels (a row is two picks with
// FabricCompression, and the pick count is then even).
struct FabricPrintPlan {
    int ends = 0;
    int picks = 0;
    double threadW = 0;
    double threadH = 0;
    int pictureH = 0; // the fitted height in Select Size, where the note would start
    int Rows(bool compression) const { return compression ? picks / 2 : picks; }
};
FabricPrintPlan PlanFabricPrint(const PrintJob& job, const Draft& d, const PrintFabricChoice& c);

// Prints the cloth with the given painter; nothing when the painter is empty or
// there is nothing to paint.
PrintOutcome PrintFabric(QPagedPaintDevice& device, const PrintContext& context, const Draft& d,
                         const PrintFabricChoice& choice, const FabricPainter& painter);

} // namespace hm
