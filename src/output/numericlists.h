#pragma once
// The three numeric lists of File > Print Numeric as lines of text: the
// pattern threading in blocks of ends with the end numbers written downwards,
// the liftplan one pick a line, and the warp colours as a run-length chart.
// Also the number-pair dialog each list asks its range with.

#include <QString>
#include <QStringList>

#include "model/draft.h"
#include "output/draftpicture.h"

namespace hm {

enum class NumericList { Threading, Liftplan, WarpColors };

// The number-pair dialog of a list: its caption and labels (translated), its
// start values and the limits of both fields.
struct NumericListDialog {
    QString caption;
    QString firstLabel;
    QString secondLabel;
    int first = 1;
    int second = 1;
    NumberRange limits;
};
NumericListDialog NumericListStart(NumericList kind, const Draft& d, bool landscape);

// Ends per threading block and characters per warp-colour line.
int NumericBlockWidth(bool landscape);
// Liftplan columns printed at most.
int NumericLiftplanColumns(bool landscape);

// The lines of a list for the range first..second (swapped when reversed).
// A line holding only a form feed separates two threading blocks.
QStringList NumericListLines(NumericList kind, const Draft& d, const QString& currentName,
                             int first, int second, bool landscape);

QStringList ThreadingListLines(const Draft& d, const QString& currentName, int firstEnd,
                               int lastEnd, bool landscape);
QStringList LiftplanListLines(const Draft& d, const QString& currentName, int firstPick,
                              int lastPick, bool landscape);
QStringList WarpColorListLines(const Draft& d, const QString& currentName, int firstEnd,
                               int lastEnd, bool landscape);

} // namespace hm
